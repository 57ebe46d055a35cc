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

// The host writes the profile file itself: QSettings must read back exactly
// what the extension sent, however awkward, and what the program left there.
TEST(LinkHostEndToEnd, TheExtensionsMessagesReadBackThroughQSettings) {
    QFile golden(QUILLMARK_TEST_DATA_DIR "/linkhost/extension-message.json");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    QByteArray messages[] = {golden.readAll().trimmed(), {}, {}, {}, {}, {}};
    const QString texts[] = {QString::fromUtf8("@at, comma; semi = equals"),
                             QStringLiteral(" padded "),
                             QString::fromUtf8("tab\tthen1f\x01"
                                               "2F \\ \"q\" \xC3\x9F \xE2\x82\xAC"),
                             QStringLiteral("line\nbreak\r\n"), QString()};
    for (int i = 0; i < 5; ++i) {
        messages[i + 1] = QJsonDocument(QJsonObject{{"href", texts[i] + "!"}, {"text", texts[i]}})
                              .toJson(QJsonDocument::Compact);
    }
    QTemporaryDir home;
    const QString profilePath = home.filePath(".config/Tarnwick software/Quillmark.conf");
    for (const QByteArray& message : messages) {
        {
            QSettings taken(profilePath, QSettings::IniFormat);
            taken.setValue("Status/Percent", 40);
            taken.setValue("Status/new_link", "false");
        }
        ASSERT_TRUE(RunHost(home, message).value("ok").toBool()) << message.toStdString();
        const QJsonObject sent = QJsonDocument::fromJson(message).object();
        QSettings profile(profilePath, QSettings::IniFormat);
        EXPECT_EQ(profile.value("Status/new_link_text").toString(), sent.value("text").toString());
        EXPECT_EQ(profile.value("Status/new_link_href").toString(), sent.value("href").toString());
        EXPECT_EQ(profile.value("Status/new_link").toString(), "true");
        EXPECT_EQ(profile.value("Status/Percent").toInt(), 40);
    }
}

} // namespace
