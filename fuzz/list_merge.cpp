// The merge of this program's unsaved changes into another program's edit of a
// list. Each input byte triple is a step on the list as read, this program's
// list (a change recorded each time) or the other's, over a six-record alphabet
// so that equal records are common. A change found between two lists turns the
// first into the second, and the recorded changes applied to the untouched list
// give this program's; applying them to the other's must not fault (ASan/UBSan).
#include "core/files/ReapplyChange.h"

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
    const auto at = list.begin() + static_cast<long>(list.empty() ? 0 : arg % list.size());
    if (op % 3 == 0) {
        list.push_back(record);
    } else if (!list.empty()) {
        op % 3 == 1 ? void(*at = record) : void(list.erase(at));
    }
}

List Applied(const std::vector<quill::ListChange<std::string>>& changes, List list) {
    for (const auto& change : changes) {
        quill::ApplyChange(change, list, Same);
    }
    return list;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    List base, mine, theirs;
    std::vector<quill::ListChange<std::string>> changes;
    for (std::size_t i = 0; i + 2 < size && i < 3 * 64; i += 3) {
        const std::uint8_t who = data[i] % 4;
        if (who == 0) {
            Step(base, data[i + 1], data[i + 2]);
            mine = theirs = base;
            changes.clear();
        } else if (who == 1) {
            const List before = mine;
            Step(mine, data[i + 1], data[i + 2]);
            changes.push_back(quill::ChangeBetween(before, mine, Same));
            if (Applied({changes.back()}, before) != mine) {
                std::abort();
            }
        } else if (who == 2) {
            Step(theirs, data[i + 1], data[i + 2]);
        } else {
            Applied(changes, theirs); // must merely not fault
            if (Applied(changes, base) != mine) {
                std::abort();
            }
        }
    }
    return 0;
}
