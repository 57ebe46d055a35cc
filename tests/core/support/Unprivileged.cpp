#include "support/Unprivileged.h"

#include <dirent.h>
#include <sys/wait.h>
#include <unistd.h>

namespace quill::test {

bool RunUnprivileged(const std::filesystem::path& folder, const std::function<bool()>& check) {
    pid_t child = ::fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (::chdir(folder.c_str()) != 0 ||
            (::geteuid() == 0 && (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0))) {
            ::_exit(2);
        }
        // A folder the child cannot even list would make every check fail
        // for the wrong reason.
        DIR* listing = ::opendir(".");
        if (listing == nullptr) {
            ::_exit(3);
        }
        ::closedir(listing);
        ::_exit(check() ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

} // namespace quill::test
