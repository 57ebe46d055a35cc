#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quill {

// One item of the tray menu as a status notifier host shows it.
struct StatusMenuEntry {
    enum class Toggle { None, CheckMark, Radio };

    std::string text; // '&' marks the mnemonic, "&&" is a literal '&'
    bool separator = false;
    bool enabled = true;
    bool visible = true;
    Toggle toggle = Toggle::None;
    bool checked = false;
    std::vector<StatusMenuEntry> children; // a submenu when not empty

    bool operator==(const StatusMenuEntry&) const = default;
};

using StatusMenuValue = std::variant<bool, int, std::string>;
using StatusMenuProperty = std::pair<std::string, StatusMenuValue>;

// The menu's text with the host's mnemonic marker: "E&xit" is "E_xit", and a
// literal underscore is doubled.
std::string StatusMenuLabel(std::string_view text);

// An entry's properties as the dbusmenu protocol names them. Those at their
// protocol default are left out of a layout, but said when they change back.
std::vector<StatusMenuProperty> StatusMenuProperties(const StatusMenuEntry& entry,
                                                     bool withDefaults = false);

// The tray menu as a host reads it: every entry is numbered in order through
// the tree (0 is the menu itself), and the layout's revision goes up whenever
// something a host shows changed, so that it reads the menu again.
class StatusMenuLayout {
public:
    // A new reading of the menu; true when it changed (the revision went up).
    bool Update(StatusMenuEntry root);

    unsigned Revision() const { return m_revision; }
    // The entry numbered id, or none.
    const StatusMenuEntry* Entry(int id) const;
    // The numbers of id's children, in order.
    std::vector<int> ChildIds(int id) const;
    // The entries whose properties the last update changed while the menu
    // kept its shape: hosts that keep a shown menu's items take these alone.
    const std::vector<int>& ChangedIds() const { return m_changed; }

private:
    void Number(const StatusMenuEntry& entry, int parent);

    StatusMenuEntry m_root;
    // In numbering order: each entry and the number of its parent.
    std::vector<std::pair<const StatusMenuEntry*, int>> m_entries;
    std::vector<int> m_changed;
    unsigned m_revision = 1;
};

} // namespace quill
