// Helper for data-safety-stress.py: the program's side of the hand-over and
// of saving, without a window.
//   answer <profile> <folder> <ms>  runs as the program does: offers each
//                                  queued link in turn to a dialog that stays
//                                  open 10-40 ms, then answers OK (Cancel for a
//                                  text ending in 7), adding to <folder>'s link
//                                  file; SIGTERM ends it with the dialog open as
//                                  the program ends. Stops after ms, or once
//                                  the queue is empty when ms is 0; prints
//                                  "stall <longest look, us>"
//   save <file> <lines>            saves versions of a list until killed
//   start <folder>                 loads the lists and the page as a start does

#include "core/files/FileStamp.h"
#include "core/files/SafeFile.h"
#include "core/integration/LinkHandover.h"
#include "core/integration/LinkInbox.h"
#include "core/links/LinkFile.h"
#include "core/lists/ListStore.h"
#include "core/pages/PageFile.h"
#include "core/tasks/TaskFile.h"
#include "profile/QtLockFile.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>

namespace {

std::atomic<bool> g_ending{false};

struct Quiet : quill::SaveFailureReporter {
    void ReportSaveFailure(const std::string& path, const quill::FileError& cause) override {
        std::fprintf(stderr, "cannot save %s: %s\n", path.c_str(),
                     quill::DescribeCause(cause).c_str());
    }
};

// While it is open, "<profile>.dialog" exists, so the script can tell a kill
// that found a dialog open.
struct TimedPrompt : quill::AddLinkPrompt {
    std::mt19937 random{std::random_device{}()};
    std::string marker;
    Answer Ask(quill::LinkRecord& link) override {
        quill::ReplaceFileContents(marker, "", quill::Durability::Scratch);
        std::this_thread::sleep_for(std::chrono::milliseconds(10 + random() % 31));
        std::remove(marker.c_str());
        if (g_ending) {
            return Answer::Interrupted;
        }
        return link.m_comment.ends_with('7') ? Answer::Cancel : Answer::Ok;
    }
};

int Answer(const std::string& profile, const std::string& folder, int ms) {
    using Clock = std::chrono::steady_clock;
    std::signal(SIGTERM, [](int) { g_ending = true; });
    Quiet quiet;
    quill::ListStore store(quiet);
    store.SetFolder(folder);
    store.Reload();
    QtLockFile profileLock(profile + ".lock");
    quill::LinkInbox inbox(profile, profileLock);
    TimedPrompt prompt;
    prompt.marker = profile + ".dialog";
    long long longestUs = 0;
    const auto end = Clock::now() + std::chrono::milliseconds(ms);
    while (!g_ending && (ms == 0 || Clock::now() < end)) {
        // The killed instance's claim goes with it.
        if (!inbox.Claim()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
            continue;
        }
        const auto start = Clock::now();
        const auto pending = inbox.Pending();
        longestUs = std::max<long long>(
            longestUs,
            std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start).count());
        if (ms == 0 && pending && pending->empty()) {
            break;
        }
        for (const quill::QueuedLink& link : pending.value_or(std::vector<quill::QueuedLink>())) {
            if (quill::AnswerQueuedLink(store, prompt, inbox, link) ==
                quill::HandOverResult::NotAnswered) {
                break;
            }
            inbox.Compact();
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
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
    if (mode == "answer" && argc == 5) {
        return Answer(argv[2], argv[3], std::atoi(argv[4]));
    }
    if (mode == "save" && argc == 4) {
        return Save(argv[2], std::atoi(argv[3]));
    }
    if (mode == "start" && argc == 3) {
        return Start(argv[2]);
    }
    std::fprintf(stderr,
                 "usage: answer <profile> <folder> <ms> | save <file> <lines> | start <folder>\n");
    return 2;
}
