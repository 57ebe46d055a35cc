#include "files/WriteCall.h"
#include "support/StoreFolder.h"

#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <random>
#include <sys/stat.h>

namespace quill {
namespace {

// Random runs of this program's commands, failed saves, reloads and another
// program's edits of the link file, against a model that knows every record
// by a number: a save must leave exactly the other program's list with each
// unsaved command of this one made in it by that number (an edit or delete of
// a record the other program edited or removed meanwhile does nothing). Texts
// are unique, so the result is compared in full: multiset and order.
struct Rec {
    int id;
    std::string text;
    bool operator==(const Rec&) const = default;
};

struct Op {
    enum Kind { Edit, Delete, Add } kind;
    Rec before; // for Add: the record added
    std::string after;
};

std::vector<Rec> Replay(const std::vector<Op>& ops, std::vector<Rec> list) {
    for (const Op& op : ops) {
        auto at = std::find(list.begin(), list.end(), op.before);
        if (op.kind == Op::Add) {
            list.push_back(op.before);
        } else if (at != list.end() && op.kind == Op::Edit) {
            at->text = op.after;
        } else if (at != list.end()) {
            list.erase(at);
        }
    }
    return list;
}

std::vector<LinkRecord> Shown(const std::vector<Rec>& list) {
    std::vector<LinkRecord> links;
    for (const Rec& rec : list) {
        links.push_back({"r" + std::to_string(rec.id), rec.text});
    }
    return links;
}

std::ptrdiff_t FailingWrite(int, const void*, std::size_t) {
    errno = ENOSPC;
    return -1;
}

struct MergeRun {
    explicit MergeRun(unsigned seed) : random(seed) {}

    int Pick(int size) { return std::uniform_int_distribution<int>(0, size - 1)(random); }
    std::string Fresh() { return "v" + std::to_string(++versions); }

    void WriteOutside() {
        std::string bytes;
        for (const LinkRecord& link : Shown(file)) {
            bytes += link.m_address + "|" + link.m_comment + "\r\n";
        }
        data.WriteLinks(bytes);
        // A time of its own, so that even a reused inode number is a change.
        const std::string path = data.store.LinkFilePath();
        const timespec times[2] = {{1'000'000 + versions, 0}, {1'000'000 + versions, 0}};
        ::utimensat(AT_FDCWD, path.c_str(), times, 0);
    }

    void OtherProgramChanges() {
        const int what = Pick(3);
        if (what == 0 || file.empty()) {
            const auto at = file.begin() + Pick(static_cast<int>(file.size()) + 1);
            file.insert(at, Rec{++ids, Fresh()});
        } else if (what == 1) {
            file[static_cast<std::size_t>(Pick(static_cast<int>(file.size())))].text = Fresh();
        } else {
            file.erase(file.begin() + Pick(static_cast<int>(file.size())));
        }
        WriteOutside();
    }

    void Command() {
        const int what = Pick(3);
        auto& links = data.store.Links();
        if (what == 0 || shown.empty()) {
            ops.push_back({Op::Add, Rec{++ids, Fresh()}, {}});
            shown.push_back(ops.back().before);
            links.push_back(Shown({shown.back()})[0]);
        } else {
            const auto at = static_cast<std::size_t>(Pick(static_cast<int>(shown.size())));
            if (what == 1) {
                ops.push_back({Op::Edit, shown[at], Fresh()});
                shown[at].text = links[at].m_comment = ops.back().after;
            } else {
                ops.push_back({Op::Delete, shown[at], {}});
                shown.erase(shown.begin() + static_cast<long>(at));
                links.erase(links.begin() + static_cast<long>(at));
            }
        }
        // An empty list is written without a single write call, so it cannot fail.
        const bool fail = Pick(3) == 0 && !Replay(ops, file).empty();
        const WriteCall previous = fail ? SwapWriteCall(FailingWrite) : nullptr;
        const bool saved = data.store.SaveLinks();
        if (fail) {
            SwapWriteCall(previous);
        }
        Check(saved != fail, "save result");
        shown = Replay(ops, file);
        if (saved) {
            file = shown;
            ops.clear();
            Check(data.Links() == bytesOf(file), "file after save");
        }
        Check(data.store.Links() == Shown(shown), "list after save");
    }

    std::string bytesOf(const std::vector<Rec>& list) {
        std::string bytes;
        for (const LinkRecord& link : Shown(list)) {
            bytes += link.m_address + "|" + link.m_comment + "\r\n";
        }
        return bytes;
    }

    void Check(bool ok, const char* what) {
        if (!ok && !violation) {
            violation = what;
        }
    }

    // One run: a few records, then a random mix of steps.
    const char* Run(int steps) {
        for (int i = Pick(6); i > 0; --i) {
            file.push_back(Rec{++ids, Fresh()});
        }
        WriteOutside();
        data.store.Reload();
        shown = file;
        for (int step = 0; step < steps && !violation; ++step) {
            const int what = Pick(10);
            if (what < 5) {
                Command();
            } else if (what < 9) {
                OtherProgramChanges();
            } else {
                data.store.Reload();
                shown = Replay(ops, file);
                Check(data.store.Links() == Shown(shown), "list after reload");
            }
        }
        return violation;
    }

    std::mt19937 random;
    test::StoreFolder data;
    std::vector<Rec> file;  // the link file as the model knows it
    std::vector<Rec> shown; // this program's list
    std::vector<Op> ops;    // its commands since its last successful save
    int ids = 0;
    int versions = 0;
    const char* violation = nullptr;
};

TEST(ListMerge, EveryRunOfOwnAndOutsideChangesGivesTheModelsList) {
    // The stress run sets a large count; a normal run stays quick.
    const char* wanted = std::getenv("QUILLMARK_MERGE_CASES");
    const int cases = wanted ? std::atoi(wanted) : 40;
    int violations = 0;
    for (int seed = 1; seed <= cases; ++seed) {
        if (const char* what = MergeRun(static_cast<unsigned>(seed)).Run(16)) {
            ADD_FAILURE() << "seed " << seed << ": " << what;
            ++violations;
        }
    }
    std::printf("merge property: %d cases, %d violations\n", cases, violations);
}

} // namespace
} // namespace quill
