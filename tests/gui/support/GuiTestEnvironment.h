#pragma once

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>

namespace quill::test {

// Points HOME and the XDG folders at a temporary folder for the whole test
// run, so no test reads or writes the real user's profile, data or instance.
class GuiTestEnvironment {
public:
    GuiTestEnvironment() {
        const QByteArray home = m_home.path().toLocal8Bit();
        ::setenv("HOME", home.constData(), 1);
        ::setenv("XDG_CONFIG_HOME", (home + "/.config").constData(), 1);
        ::setenv("XDG_DATA_HOME", (home + "/.local/share").constData(), 1);
        // The running instance's socket, apart from a Quillmark the developer runs.
        ::setenv("XDG_RUNTIME_DIR", (home + "/run").constData(), 1);
        QDir(m_home.path()).mkpath(QStringLiteral(".config"));
        QDir(m_home.path()).mkpath(QStringLiteral("run"));
    }

    static QString ConfigFolder() { return qEnvironmentVariable("XDG_CONFIG_HOME"); }
    // The profile file QSettings uses under the temporary config folder.
    static QString ProfileFile() {
        return ConfigFolder() + QStringLiteral("/Tarnwick software/Quillmark.conf");
    }

private:
    QTemporaryDir m_home;
};

} // namespace quill::test
