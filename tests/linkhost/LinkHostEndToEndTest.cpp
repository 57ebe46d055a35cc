// Runs the built link host as a browser would, in a temporary home, and reads
// the queue back the way the program does.
#include "core/integration/HandOverQueue.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>

namespace {

// What was sent comes back byte for byte, however awkward, in order, and the
// profile beside the queue is left as it was.
TEST(LinkHostEndToEnd, AwkwardTextsReadBackFromTheQueueAndTheProfileIsLeftAlone) {
    QTemporaryDir home;
    QDir().mkpath(home.filePath(".config/Tarnwick software"));
    const QString profilePath = home.filePath(".config/Tarnwick software/Quillmark.conf");
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home.path());
    env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
    const QString texts[] = {QString::fromUtf8("@at, comma; semi = equals"),
                             QStringLiteral(" padded "),
                             QString::fromUtf8("tab\tthen1f\0012F \\ \"q\" \xC3\x9F \xE2\x82\xAC"),
                             QStringLiteral("line\nbreak\r\n"), QString()};
    for (const QString& text : texts) {
        {
            QSettings before(profilePath, QSettings::IniFormat);
            before.setValue("Status/Note text", "my note");
            before.setValue("Status/new_link", "false");
        }
        const QByteArray message =
            QJsonDocument(QJsonObject{{"href", "<a href=\"https://a/\">" + text}, {"text", text}})
                .toJson(QJsonDocument::Compact);
        const auto length = static_cast<std::uint32_t>(message.size());
        QProcess host;
        host.setProcessEnvironment(env);
        host.start(QUILLMARK_LINK_HOST, {"chrome-extension://jmdaacgkecanpacdleajboiehebghacp/"});
        host.write(QByteArray(reinterpret_cast<const char*>(&length), sizeof length) + message);
        host.closeWriteChannel();
        ASSERT_TRUE(host.waitForFinished(10000) && host.exitCode() == 0);
        EXPECT_TRUE(QJsonDocument::fromJson(host.readAllStandardOutput().mid(4))["ok"].toBool());
        const auto queued = quill::ReadQueue(quill::HandOverPaths(profilePath.toStdString()).queue);
        ASSERT_TRUE(queued && !queued->empty());
        EXPECT_EQ(queued->back().text, text.toStdString());
        EXPECT_EQ(queued->back().href, "<a href=\"https://a/\">" + text.toStdString());
        QSettings profile(profilePath, QSettings::IniFormat);
        EXPECT_EQ(profile.value("Status/new_link").toString(), "false");
        EXPECT_EQ(profile.value("Status/Note text").toString(), "my note");
    }
}

} // namespace
