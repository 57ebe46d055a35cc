#include "core/frame/StatusMenuLayout.h"

namespace quill {

std::string StatusMenuLabel(std::string_view text) {
    std::string label;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '_') {
            label += "__";
        } else if (text[i] != '&') {
            label += text[i];
        } else if (i + 1 < text.size() && text[i + 1] == '&') {
            label += '&';
            ++i;
        } else if (i + 1 < text.size()) {
            label += '_'; // the next character is the mnemonic
        }
    }
    return label;
}

std::vector<StatusMenuProperty> StatusMenuProperties(const StatusMenuEntry& entry,
                                                     bool withDefaults) {
    std::vector<StatusMenuProperty> properties;
    if (entry.separator) {
        properties.emplace_back("type", std::string("separator"));
    } else {
        properties.emplace_back("label", StatusMenuLabel(entry.text));
    }
    if (!entry.enabled || withDefaults) {
        properties.emplace_back("enabled", entry.enabled);
    }
    if (!entry.visible || withDefaults) {
        properties.emplace_back("visible", entry.visible);
    }
    if (entry.toggle != StatusMenuEntry::Toggle::None) {
        properties.emplace_back(
            "toggle-type",
            std::string(entry.toggle == StatusMenuEntry::Toggle::Radio ? "radio" : "checkmark"));
        properties.emplace_back("toggle-state", entry.checked ? 1 : 0);
    }
    if (!entry.children.empty()) {
        properties.emplace_back("children-display", std::string("submenu"));
    }
    return properties;
}

bool StatusMenuLayout::Update(StatusMenuEntry root) {
    m_changed.clear();
    if (!m_entries.empty() && root == m_root) {
        return false;
    }
    std::vector<std::pair<std::vector<StatusMenuProperty>, int>> before;
    for (const auto& [entry, parent] : m_entries) {
        before.emplace_back(StatusMenuProperties(*entry), parent);
    }
    m_root = std::move(root);
    m_entries.clear();
    Number(m_root, -1);
    if (before.empty()) {
        return false;
    }
    bool sameShape = before.size() == m_entries.size();
    for (std::size_t i = 0; sameShape && i < before.size(); ++i) {
        sameShape = before[i].second == m_entries[i].second;
    }
    for (std::size_t i = 0; sameShape && i < before.size(); ++i) {
        if (before[i].first != StatusMenuProperties(*m_entries[i].first)) {
            m_changed.push_back(static_cast<int>(i));
        }
    }
    ++m_revision;
    return true;
}

void StatusMenuLayout::Number(const StatusMenuEntry& entry, int parent) {
    const int id = static_cast<int>(m_entries.size());
    m_entries.emplace_back(&entry, parent);
    for (const StatusMenuEntry& child : entry.children) {
        Number(child, id);
    }
}

const StatusMenuEntry* StatusMenuLayout::Entry(int id) const {
    if (id < 0 || id >= static_cast<int>(m_entries.size())) {
        return nullptr;
    }
    return m_entries[static_cast<std::size_t>(id)].first;
}

std::vector<int> StatusMenuLayout::ChildIds(int id) const {
    std::vector<int> ids;
    for (std::size_t i = 0; i < m_entries.size(); ++i) {
        if (m_entries[i].second == id) {
            ids.push_back(static_cast<int>(i));
        }
    }
    return ids;
}

} // namespace quill
