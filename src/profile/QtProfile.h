#pragma once

#include "settings/Profile.h"

#include <QSettings>

// The user's profile in QSettings (the registry on Windows, a config file elsewhere),
// under the company "Tarnwick software" and the product "Quillmark".
class QtProfile : public quill::Profile {
public:
    QtProfile();

    std::optional<std::string> ReadString(std::string_view section,
                                          std::string_view name) const override;
    std::optional<int> ReadInt(std::string_view section, std::string_view name) const override;
    bool WriteString(std::string_view section, std::string_view name,
                     std::string_view value) override;
    bool WriteInt(std::string_view section, std::string_view name, int value) override;

    // Writes everything pending to the store; false when it could not be written.
    bool Flush();
    // Re-reads what other processes wrote.
    void Refresh();
    QSettings& Settings() { return m_settings; }

private:
    static QString Key(std::string_view section, std::string_view name);
    void RecoverLeftLock();

    mutable QSettings m_settings;
};
