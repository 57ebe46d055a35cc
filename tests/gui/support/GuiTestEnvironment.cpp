#include "support/GuiTestEnvironment.h"

#include <QDir>
#include <cstdlib>

namespace quill::test {

GuiTestEnvironment::GuiTestEnvironment() {
    const QByteArray home = m_home.path().toLocal8Bit();
    ::setenv("HOME", home.constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").constData(), 1);
    QDir().mkpath(m_home.path() + QStringLiteral("/.config"));
}

GuiTestEnvironment::~GuiTestEnvironment() = default;

QString GuiTestEnvironment::ConfigFolder() {
    return QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME"));
}

QString GuiTestEnvironment::ProfileFile() {
    return ConfigFolder() + QStringLiteral("/Tarnwick software/Quillmark.conf");
}

} // namespace quill::test
