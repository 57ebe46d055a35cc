// Helper for data-safety-stress.py: the program's side of the hand-over and
// of saving, without a window.
//   pick <profile> <ms>            polls every 10 ms for at most ms (or until
//                                  <profile>.stop exists), prints "href\ttext"
//                                  per link taken, then "stall <longest poll, us>"
//   save <file> <lines>            saves versions of a list until killed
//   start <folder>                 loads the lists and the page as a start does

#include "files/FileStamp.h"
#include "files/SafeFile.h"
#include "integration/HandOverFile.h"
#include "integration/NewLinkPickup.h"
#include "links/LinkFile.h"
#include "pages/PageFile.h"
#include "tasks/TaskFile.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <thread>

namespace {

int Pick(const std::string& profile, int ms) {
    using Clock = std::chrono::steady_clock;
    quill::HandOverFile slot(profile);
    long long longestUs = 0;
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    const std::string stop = profile + ".stop";
    while (Clock::now() < end && !quill::StampOfFile(stop)) {
        const auto start = Clock::now();
        quill::PollNewLink(slot, [](const std::string& href, const std::string& text) {
            std::printf("%s\t%s\n", href.c_str(), text.c_str());
            std::fflush(stdout);
        });
        longestUs = std::max<long long>(
            longestUs,
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count());
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    std::printf("stall %lld\n", longestUs);
    return 0;
}

// Every line of a version names the version and its line count, so a torn
// file shows as mixed or missing lines.
int Save(const std::string& path, int lines) {
    for (unsigned version = 0;; ++version) {
        std::string bytes;
        for (int i = 0; i < lines; ++i) {
            bytes += "https://v" + std::to_string(version) + "/" + std::to_string(lines) +
                     "|line " + std::to_string(i) + " of a list that is saved again and again\n";
        }
        quill::ReplaceFileContents(path, bytes);
    }
}

int Start(const std::string& folder) {
    std::vector<quill::LinkRecord> links;
    std::vector<quill::TaskRecord> tasks;
    quill::LoadLinkFile(folder + "/links.txt", links);
    quill::LoadTaskFile(folder + "/tasks.txt", tasks);
    quill::RemoveStaleTemporaries(folder + "/qmtemp.tmp");
    std::printf("%zu\n", links.size());
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::string mode = argc > 1 ? argv[1] : "";
    if (mode == "pick" && argc == 4) {
        return Pick(argv[2], std::atoi(argv[3]));
    }
    if (mode == "save" && argc == 4) {
        return Save(argv[2], std::atoi(argv[3]));
    }
    if (mode == "start" && argc == 3) {
        return Start(argv[2]);
    }
    std::fprintf(stderr, "usage: pick <profile> <ms> | save <file> <lines> | start <folder>\n");
    return 2;
}
