#pragma once

#include <dirent.h>
#include <filesystem>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace quill::test {

// Runs check() as an unprivileged child working in folder (name files relative
// to it: the folders above may be closed to that user); true only when check()
// ran and returned true, so a child that could not even start fails the test.
inline bool RunUnprivileged(const std::filesystem::path& folder,
                            const std::function<bool()>& check) {
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
