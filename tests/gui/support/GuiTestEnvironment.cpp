#include "support/GuiTestEnvironment.h"

#include <QDir>
#include <cstdlib>

namespace quill::test {

GuiTestEnvironment::GuiTestEnvironment() {
    const QByteArray home = m_home.path().toLocal8Bit();
    ::setenv("HOME", home.constData(), 1);
    ::setenv("XDG_CONFIG_HOME", (home + "/.config").constData(), 1);
    ::setenv("XDG_DATA_HOME", (home + "/.local/share").constData(), 1);
    // The running instance's socket, apart from a Quillmark the developer runs.
    ::setenv("XDG_RUNTIME_DIR", (home + "/run").constData(), 1);
    QDir().mkpath(m_home.path() + QStringLiteral("/.config"));
    QDir().mkpath(m_home.path() + QStringLiteral("/run"));
}

GuiTestEnvironment::~GuiTestEnvironment() = default;

QString GuiTestEnvironment::ConfigFolder() {
    return QString::fromLocal8Bit(std::getenv("XDG_CONFIG_HOME"));
}

QString GuiTestEnvironment::ProfileFile() {
    return ConfigFolder() + QStringLiteral("/Tarnwick software/Quillmark.conf");
}

} // namespace quill::test
