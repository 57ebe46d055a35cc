#include "SettingsProfile.h"

#include "settings/ProfileValues.h"

namespace {

QString Key(std::string_view section, std::string_view name) {
    return QString::fromUtf8(section.data(), static_cast<qsizetype>(section.size())) + '/' +
           QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

QString Company() {
    return QString::fromUtf8(quill::kCompanyName.data(),
                             static_cast<qsizetype>(quill::kCompanyName.size()));
}

QString Product() {
    return QString::fromUtf8(quill::kProductName.data(),
                             static_cast<qsizetype>(quill::kProductName.size()));
}

} // namespace

SettingsProfile::SettingsProfile()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, Company(), Product()) {}

std::optional<std::string> SettingsProfile::ReadString(std::string_view section,
                                                       std::string_view name) const {
    QVariant value = m_settings.value(Key(section, name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toString().toStdString();
}

std::optional<int> SettingsProfile::ReadInt(std::string_view section, std::string_view name) const {
    QVariant value = m_settings.value(Key(section, name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    return value.toInt();
}

bool SettingsProfile::WriteString(std::string_view section, std::string_view name,
                                  std::string_view value) {
    return Store(section, name,
                 QString::fromUtf8(value.data(), static_cast<qsizetype>(value.size())));
}

bool SettingsProfile::WriteInt(std::string_view section, std::string_view name, int value) {
    return Store(section, name, value);
}

bool SettingsProfile::Store(std::string_view section, std::string_view name,
                            const QVariant& value) {
    m_settings.setValue(Key(section, name), value);
    m_settings.sync();
    return m_settings.status() == QSettings::NoError;
}
