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

// One message through the host; its answer.
QJsonObject RunHost(const QTemporaryDir& home, const QByteArray& message) {
    QProcess host;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    host.setProcessEnvironment(env);
    host.start(QUILLMARK_LINK_HOST, {"chrome-extension://jmdaacgkecanpacdleajboiehebghacp/"});
    EXPECT_TRUE(host.waitForStarted(5000));
    auto length = static_cast<std::uint32_t>(message.size());
    QByteArray framed(sizeof length, '\0');
    std::memcpy(framed.data(), &length, sizeof length);
    host.write(framed + message);
    host.closeWriteChannel();
    EXPECT_TRUE(host.waitForFinished(10000));
    EXPECT_EQ(host.exitCode(), 0);
    return QJsonDocument::fromJson(host.readAllStandardOutput().mid(4)).object();
}

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

    EXPECT_TRUE(RunHost(home, message).value("ok").toBool());
    QSettings profile(profilePath, QSettings::IniFormat);
    EXPECT_EQ(profile.value("Status/new_link_href").toString(), sent.value("href").toString());
    EXPECT_EQ(profile.value("Status/new_link_text").toString(), sent.value("text").toString());
    EXPECT_EQ(profile.value("Status/new_link").toString(), "true");
    EXPECT_EQ(profile.value("Status/Percent").toInt(), 40);
    EXPECT_EQ(profile.value("Status/Note text").toString(), "my note");
}

// The host writes the profile file itself: QSettings must read back exactly
// what was sent, however awkward.
TEST(LinkHostEndToEnd, AwkwardTextsReadBackThroughQSettings) {
    QTemporaryDir home;
    const QString profilePath = home.filePath(".config/Tarnwick software/Quillmark.conf");
    const QString texts[] = {QString::fromUtf8("@at, comma; semi = equals"),
                             QStringLiteral(" padded "),
                             QString::fromUtf8("tab\tthen1f\x01"
                                               "2F \\ \"q\" \xC3\x9F \xE2\x82\xAC"),
                             QStringLiteral("line\nbreak\r\n"), QString()};
    for (const QString& text : texts) {
        {
            QSettings taken(profilePath, QSettings::IniFormat);
            taken.setValue("Status/new_link", "false");
        }
        const QByteArray message = QJsonDocument(QJsonObject{{"href", text + "!"}, {"text", text}})
                                       .toJson(QJsonDocument::Compact);
        ASSERT_TRUE(RunHost(home, message).value("ok").toBool()) << text.toStdString();
        QSettings profile(profilePath, QSettings::IniFormat);
        EXPECT_EQ(profile.value("Status/new_link_text").toString(), text) << text.toStdString();
        EXPECT_EQ(profile.value("Status/new_link_href").toString(), text + "!");
    }
}

} // namespace
