#include "gui/app/ApplicationSetup.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char* argv[]) {
    ::testing::InitGoogleTest(&argc, argv);
    if (::testing::GTEST_FLAG(list_tests)) {
        return RUN_ALL_TESTS(); // listing needs no display
    }
    // HOME and the XDG folders go to a temporary folder before anything reads
    // them: no test touches the real user's profile, data or running instance.
    const QTemporaryDir home;
    for (const auto& [name, sub] : {std::pair{"HOME", ""},
                                    {"XDG_CONFIG_HOME", "/.config"},
                                    {"XDG_DATA_HOME", "/.local/share"},
                                    {"XDG_RUNTIME_DIR", "/run"}}) {
        const QString path = home.path() + QLatin1String(sub);
        QDir().mkpath(path);
        // Private, as a session's runtime folder is; else the program looks elsewhere.
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        ::setenv(name, path.toLocal8Bit().constData(), 1);
    }
    PrepareBeforeApplication();
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
