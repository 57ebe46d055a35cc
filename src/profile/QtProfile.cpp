#include "QtProfile.h"

#include <QFile>

#include "files/LockFile.h"
#include "settings/ProfileValues.h"

namespace {
QString FromView(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
} // namespace

QtProfile::QtProfile()
    : m_settings(QSettings::NativeFormat, QSettings::UserScope, FromView(quill::kCompanyName),
                 FromView(quill::kProductName)) {}

QString QtProfile::Key(std::string_view section, std::string_view name) {
    return FromView(section) + QLatin1Char('/') + FromView(name);
}

std::optional<std::string> QtProfile::ReadString(std::string_view section,
                                                 std::string_view name) const {
    const QVariant value = m_settings.value(Key(section, name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // Strings go in and come out as plain text; QSettings escapes a leading "@"
    // itself, so a note beginning with "@" reads back unchanged.
    return value.toString().toStdString();
}

std::optional<int> QtProfile::ReadInt(std::string_view section, std::string_view name) const {
    const QVariant value = m_settings.value(Key(section, name));
    if (!value.isValid()) {
        return std::nullopt;
    }
    // A number written by another process reads back as text here.
    bool ok = false;
    const int number = value.toString().trimmed().toInt(&ok);
    if (!ok) {
        return std::nullopt; // not a number: treated as absent, so the default applies
    }
    return number;
}

bool QtProfile::WriteString(std::string_view section, std::string_view name,
                            std::string_view value) {
    m_settings.setValue(Key(section, name), FromView(value));
    return Flush();
}

bool QtProfile::WriteInt(std::string_view section, std::string_view name, int value) {
    m_settings.setValue(Key(section, name), value);
    return Flush();
}

bool QtProfile::Flush() {
    RecoverLeftLock();
    m_settings.sync();
    return m_settings.status() == QSettings::NoError && m_settings.isWritable();
}

void QtProfile::Refresh() {
    RecoverLeftLock();
    m_settings.sync();
}

void QtProfile::RecoverLeftLock() {
    // QSettings waits half a minute before it takes over a lock file that a
    // killed process left; one that is plainly dead goes at once.
    if (m_settings.format() == QSettings::NativeFormat && !m_settings.fileName().isEmpty()) {
        quill::RecoverStaleLock(QFile::encodeName(m_settings.fileName() + ".lock").toStdString());
    }
}
