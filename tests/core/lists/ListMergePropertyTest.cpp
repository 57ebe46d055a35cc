#include "core/files/WriteCall.h"
#include "core/links/LinkFile.h"
#include "support/StoreFolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace quill {
namespace {

// Random runs of own commands, failed saves, reloads and another program's
// edits of the link file against a model: the list is always the other's file
// with each unsaved command made in it (an edit or delete of a record changed
// meanwhile does nothing), and a save writes exactly that. Texts are unique.
struct Op {
    LinkRecord before; // the record edited or deleted, or the one added
    std::optional<std::string> after;
    bool add = false;
};

std::vector<LinkRecord> Replay(const std::vector<Op>& ops, std::vector<LinkRecord> list) {
    for (const Op& op : ops) {
        auto at = std::find(list.begin(), list.end(), op.before);
        if (op.add) {
            list.push_back(op.before);
        } else if (at != list.end() && op.after) {
            at->m_comment = *op.after;
        } else if (at != list.end()) {
            list.erase(at);
        }
    }
    return list;
}

std::ptrdiff_t FailingWrite(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

struct MergeRun {
    explicit MergeRun(unsigned seed) : random(seed) {}
    std::mt19937 random;
    test::StoreFolder data;
    std::vector<LinkRecord> file; // the link file as the model knows it
    std::vector<Op> ops;          // commands since the last successful save
    int ids = 0;
    int versions = 0;

    int Pick(std::size_t size) {
        return std::uniform_int_distribution<int>(0, static_cast<int>(size) - 1)(random);
    }
    LinkRecord Fresh() { return {"r" + std::to_string(++ids), Version()}; }
    std::string Version() { return "v" + std::to_string(++versions); }

    void WriteOutside() {
        std::string bytes;
        for (const LinkRecord& link : file) {
            bytes += link.m_address + "|" + link.m_comment + "\r\n";
        }
        data.WriteLinks(bytes);
        // A time of its own, so that even a reused inode number is a change.
        const timespec times[2] = {{1'000'000 + versions, 0}, {1'000'000 + versions, 0}};
        ::utimensat(AT_FDCWD, data.store.LinkFilePath().c_str(), times, 0);
    }

    // Returns what went wrong, or nothing.
    const char* Step() {
        auto& links = data.store.Links();
        const int what = Pick(10);
        if (what >= 5 && what < 9) { // another program inserts, edits or deletes
            const int how = file.empty() ? 0 : Pick(3);
            const auto at = file.begin() + Pick(file.size() + (how == 0));
            if (how == 0) {
                file.insert(at, Fresh());
            } else if (how == 1) {
                at->m_comment = Version();
            } else {
                file.erase(at);
            }
            WriteOutside();
            return nullptr;
        }
        if (what == 9) {
            data.store.Reload();
            return links == Replay(ops, file) ? nullptr : "list after reload";
        }
        const int how = links.empty() ? 0 : Pick(3);
        const std::size_t at = links.empty() ? 0 : static_cast<std::size_t>(Pick(links.size()));
        if (how == 0) {
            ops.push_back({Fresh(), {}, true});
            links.push_back(ops.back().before);
        } else if (how == 1) {
            ops.push_back({links[at], Version()});
            links[at].m_comment = *ops.back().after;
        } else {
            ops.push_back({links[at], {}});
            links.erase(links.begin() + static_cast<long>(at));
        }
        const std::vector<LinkRecord> expected = Replay(ops, file);
        // An empty list is written without a write call, so it cannot fail.
        const bool fail = Pick(3) == 0 && !expected.empty();
        const WriteCall previous = fail ? SwapWriteCall(FailingWrite) : nullptr;
        const bool saved = data.store.SaveLinks();
        if (fail) {
            SwapWriteCall(previous);
        }
        if (saved == fail || links != expected) {
            return "save result or list after save";
        }
        if (fail && data.causes.back() != "no space left on device (writing)") {
            return "cause reported";
        }
        if (saved) {
            file = expected;
            ops.clear();
            std::vector<LinkRecord> written;
            LoadLinkFile(data.store.LinkFilePath(), written);
            return written == file ? nullptr : "file after save";
        }
        return nullptr;
    }
};

TEST(ListMerge, EveryRunOfOwnAndOutsideChangesGivesTheModelsList) {
    // The stress run asks for many cases; a normal run stays quick.
    const char* wanted = std::getenv("QUILLMARK_MERGE_CASES");
    const int cases = wanted ? std::atoi(wanted) : 40;
    int violations = 0;
    for (int seed = 1; seed <= cases; ++seed) {
        MergeRun run(static_cast<unsigned>(seed));
        for (int i = run.Pick(6); i > 0; --i) {
            run.file.push_back(run.Fresh());
        }
        run.WriteOutside();
        run.data.store.Reload();
        const char* violation = nullptr;
        for (int step = 0; step < 16 && !violation; ++step) {
            violation = run.Step();
        }
        EXPECT_EQ(violation, nullptr) << "seed " << seed << ": " << violation;
        violations += violation != nullptr;
    }
    std::printf("merge property: %d cases, %d violations\n", cases, violations); // stress run
}

} // namespace
} // namespace quill
