// libFuzzer target for the merge of this program's unsaved changes into
// another program's edit of a list (files/ReapplyChange.h). The input is a
// script: each byte picks a step for the list as read, this program's list
// (a change recorded per save) or the other program's list, on records drawn
// from a small alphabet so that equal records are common. Checked: no crash
// or out-of-range access (run under ASan/UBSan), a change found between two
// lists turns the first into the second exactly, and applying recorded
// changes to a list nobody else touched gives this program's list.

#include "files/ReapplyChange.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

using List = std::vector<std::string>;

bool Same(const std::string& a, const std::string& b) {
    return a == b;
}

void Step(List& list, std::uint8_t op, std::uint8_t arg) {
    const std::string record(1, static_cast<char>('a' + arg % 6));
    const std::size_t at = list.empty() ? 0 : arg % list.size();
    switch (op % 3) {
    case 0:
        list.push_back(record);
        break;
    case 1:
        if (!list.empty()) {
            list[at] = record;
        }
        break;
    default:
        if (!list.empty()) {
            list.erase(list.begin() + static_cast<long>(at));
        }
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    List base;
    List mine;
    List theirs;
    std::vector<quill::ListChange<std::string>> changes;
    for (std::size_t i = 0; i + 2 < size && i < 3 * 64; i += 3) {
        const std::uint8_t who = data[i] % 4;
        if (who == 0) {
            Step(base, data[i + 1], data[i + 2]);
            mine = theirs = base;
            changes.clear();
        } else if (who == 1) {
            List before = mine;
            Step(mine, data[i + 1], data[i + 2]);
            auto change = quill::ChangeBetween(before, mine, Same);
            // A change made again on the list it was found on gives the list after it.
            List again = before;
            quill::ApplyChange(change, again, Same);
            if (again != mine) {
                std::abort();
            }
            changes.push_back(std::move(change));
        } else if (who == 2) {
            Step(theirs, data[i + 1], data[i + 2]);
        } else {
            List merged = theirs;
            for (const auto& change : changes) {
                quill::ApplyChange(change, merged, Same);
            }
            List untouched = base;
            for (const auto& change : changes) {
                quill::ApplyChange(change, untouched, Same);
            }
            if (untouched != mine) {
                std::abort();
            }
        }
    }
    return 0;
}
