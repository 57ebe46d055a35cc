// Runs the built link host as a browser would, in a temporary home, and reads
// the program's profile back the way the program does.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>

namespace {

TEST(LinkHostEndToEnd, TheExtensionsMessageArrivesInTheProfile) {
    QFile golden(QUILLMARK_TEST_DATA_DIR "/linkhost/extension-message.json");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray message = golden.readAll().trimmed();
    const QJsonObject sent = QJsonDocument::fromJson(message).object();

    QTemporaryDir home;
    const QString profilePath = home.filePath(".config/Tarnwick software/Quillmark.conf");
    {
        // What the program left there must survive the host's writes.
        QDir().mkpath(home.filePath(".config/Tarnwick software"));
        QSettings before(profilePath, QSettings::IniFormat);
        before.setValue("Status/Percent", 40);
        before.setValue("Status/Note text", "my note");
        before.setValue("Status/new_link", "false");
    }

    QProcess host;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    host.setProcessEnvironment(env);
    host.start(QUILLMARK_LINK_HOST, {"chrome-extension://jmdaacgkecanpacdleajboiehebghacp/"});
    ASSERT_TRUE(host.waitForStarted(5000));
    auto length = static_cast<std::uint32_t>(message.size());
    QByteArray framed(sizeof length, '\0');
    std::memcpy(framed.data(), &length, sizeof length);
    host.write(framed + message);
    host.closeWriteChannel();
    ASSERT_TRUE(host.waitForFinished(10000));

    EXPECT_EQ(host.exitCode(), 0);
    const QByteArray answer = host.readAllStandardOutput();
    ASSERT_GE(answer.size(), 4);
    EXPECT_TRUE(QJsonDocument::fromJson(answer.mid(4)).object().value("ok").toBool());
    QSettings profile(profilePath, QSettings::IniFormat);
    EXPECT_EQ(profile.value("Status/new_link_href").toString(), sent.value("href").toString());
    EXPECT_EQ(profile.value("Status/new_link_text").toString(), sent.value("text").toString());
    EXPECT_EQ(profile.value("Status/new_link").toString(), "true");
    EXPECT_EQ(profile.value("Status/Percent").toInt(), 40);
    EXPECT_EQ(profile.value("Status/Note text").toString(), "my note");
}

} // namespace
