#pragma once

#include "settings/Profile.h"

#include <QSettings>

// The program's profile store as the link host reaches it: every write is
// flushed at once, so the program sees the values in the order they were set.
class SettingsProfile : public quill::Profile {
public:
    SettingsProfile();

    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override;
    std::optional<int> ReadInt(std::string_view section, std::string_view name) const override;
    bool WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override;
    bool WriteInt(std::string_view section, std::string_view name, int value) override;

private:
    bool Store(std::string_view section, std::string_view name, const QVariant& value);

    mutable QSettings m_settings;
};
