// Runs the built link host as a browser would, in a temporary home, and reads
// the program's profile back the way the program does.

#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstring>

namespace {

QByteArray Framed(const QByteArray& json) {
    auto length = static_cast<std::uint32_t>(json.size());
    QByteArray framed(sizeof length, '\0');
    std::memcpy(framed.data(), &length, sizeof length);
    return framed + json;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

struct HostRun {
    int exitCode = -1;
    QJsonObject answer;
    int answers = 0;
};

class LinkHostEndToEnd : public ::testing::Test {
protected:
    QTemporaryDir home;

    QString ProfilePath() const {
        return home.filePath(".config/Tarnwick software/Quillmark.conf");
    }

    HostRun Run(const QByteArray& input) {
        QProcess host;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("HOME", home.path());
        env.insert("XDG_CONFIG_HOME", home.filePath(".config"));
        host.setProcessEnvironment(env);
        host.start(QUILLMARK_LINK_HOST, {"chrome-extension://jmdaacgkecanpacdleajboiehebghacp/"});
        EXPECT_TRUE(host.waitForStarted(5000));
        host.write(input);
        host.closeWriteChannel();
        EXPECT_TRUE(host.waitForFinished(10000));
        HostRun run;
        run.exitCode = host.exitCode();
        QByteArray out = host.readAllStandardOutput();
        while (out.size() >= 4) {
            std::uint32_t length = 0;
            std::memcpy(&length, out.constData(), sizeof length);
            run.answer = QJsonDocument::fromJson(out.mid(4, length)).object();
            ++run.answers;
            out.remove(0, 4 + length);
        }
        return run;
    }

    QString Status(const char* name) const {
        QSettings profile(ProfilePath(), QSettings::IniFormat);
        return profile.value(QString("Status/") + name).toString();
    }
};

TEST_F(LinkHostEndToEnd, TheExtensionsMessageArrivesInTheProfile) {
    QByteArray message =
        ReadFile(QUILLMARK_TEST_DATA_DIR "/linkhost/extension-message.json").trimmed();
    ASSERT_FALSE(message.isEmpty());
    QJsonObject sent = QJsonDocument::fromJson(message).object();

    {
        // What the program left there must survive the host's writes.
        QDir().mkpath(home.filePath(".config/Tarnwick software"));
        QSettings before(ProfilePath(), QSettings::IniFormat);
        before.setValue("Status/Percent", 40);
        before.setValue("Status/Note text", "my note");
        before.setValue("Status/new_link", "false");
    }

    HostRun run = Run(Framed(message));
    EXPECT_EQ(run.exitCode, 0);
    ASSERT_EQ(run.answers, 1);
    EXPECT_TRUE(run.answer.value("ok").toBool());

    EXPECT_EQ(Status("new_link_href"), sent.value("href").toString());
    EXPECT_EQ(Status("new_link_text"), sent.value("text").toString());
    EXPECT_EQ(Status("new_link"), "true");
    EXPECT_EQ(Status("Percent").toInt(), 40);
    EXPECT_EQ(Status("Note text"), "my note");
}

} // namespace
