// Links handed over by the real link host reach the "Add new link" dialog one
// at a time and the link file, and survive the program's end meanwhile.
#include "gui/app/CQuillboxApp.h"
#include "profile/QtProfile.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <gtest/gtest.h>

#include <csignal>
#include <cstdint>

namespace {

using namespace quill::test;

// Runs the host once with the messages framed as a browser frames them; its answers.
std::vector<QJsonObject> SendToHost(const std::vector<QByteArray>& messages) {
    QByteArray input;
    for (const QByteArray& json : messages) {
        const auto length = static_cast<std::uint32_t>(json.size());
        input += QByteArray(reinterpret_cast<const char*>(&length), sizeof length) + json;
    }
    QProcess host;
    host.start(QStringLiteral(QUILLMARK_LINK_HOST), {});
    host.write(input);
    host.closeWriteChannel();
    WaitUntil([&] { return host.state() == QProcess::NotRunning; }, 10000);
    std::vector<QJsonObject> answers;
    const QByteArray out = host.readAllStandardOutput();
    for (qsizetype pos = 0; pos + 4 <= out.size();) {
        std::uint32_t length = 0;
        memcpy(&length, out.constData() + pos, sizeof length);
        answers.push_back(QJsonDocument::fromJson(out.mid(pos + 4, length)).object());
        pos += 4 + length;
    }
    return answers;
}

QByteArray LinkMessage(const QString& address, const QString& text) {
    return QJsonDocument(QJsonObject{{"href", "<a href=\"" + address + "\">x</a>"}, {"text", text}})
        .toJson(QJsonDocument::Compact);
}

// The real program ended by SIGTERM and by SIGKILL while a hand-over dialog
// is open: every link the host said ok for is offered again at the next
// start, in order, one dialog at a time, and once answered never again;
// links handed over while it runs come at once.
TEST(LinkHandoverGui, LinksPendingWhenTheProgramIsKilledAreOfferedAgainInOrderOnce) {
    RunFolder run;
    QtProfile().WriteInt("Status", "Track mouse", 0);
    const QStringList tags{"a", "b", "c", "d", "e"};
    for (int signal : {SIGTERM, SIGKILL}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_LOGGING_RULES", "quillmark.*.debug=true");
        QProcess program;
        program.setProcessEnvironment(environment);
        program.setProcessChannelMode(QProcess::MergedChannels);
        program.setWorkingDirectory(run.Path());
        program.start(QStringLiteral(QUILLMARK_PROGRAM), {"--hide"});
        QByteArray log;
        auto offers = [&] {
            log += program.readAll();
            return log.count("offering handed-over link");
        };
        if (signal == SIGTERM) {
            // Sent once it reads the queue: each one answered as taken.
            ASSERT_TRUE(WaitUntil(
                [&] { return offers() == 0 && log.contains("reading handed-over links"); }, 20000))
                << log.toStdString();
            std::vector<QByteArray> messages;
            for (const QString& tag : tags) {
                messages.push_back(LinkMessage("https://" + tag + "/", tag));
            }
            const auto answers = SendToHost(messages);
            ASSERT_EQ(answers.size(), messages.size());
            for (const QJsonObject& answer : answers) {
                EXPECT_TRUE(answer["ok"].toBool() && !answer.contains("kept"));
            }
        }
        ASSERT_TRUE(WaitUntil([&] { return offers() >= 1; }, 20000)) << log.toStdString();
        WaitUntil([] { return false; }, 500);
        EXPECT_EQ(offers(), 1) << "one dialog at a time";
        EXPECT_TRUE(log.contains("offering handed-over link \"a\"")) << log.toStdString();
        ::kill(static_cast<pid_t>(program.processId()), signal);
        ASSERT_TRUE(WaitUntil([&] { return program.state() == QProcess::NotRunning; }, 20000));
    }
    // Started again here: b is declined, the rest added, in order. Then, with no
    // cursor poll running, the profile's change alone wakes the pickup: the
    // extension's own message and a long address reach the dialog whole.
    QtProfile().WriteInt("Status", "Track mouse", 0);
    QtProfile().WriteString("Status", "IsOpened", "true");
    CQuillboxApp app(run.Path());
    ASSERT_TRUE(app.InitInstance());
    QStringList shown;
    ModalScript script;
    for (int i = 0; i < tags.size() + 2; ++i) {
        script.Then("addLinkDialog", [&](QWidget& dialog) {
            shown << dialog.findChild<QLineEdit*>("addressEdit")->text();
            ClickButton(dialog, shown.size() == 2 ? "cancelButton" : "okButton");
        });
    }
    ASSERT_TRUE(WaitUntil([&] { return shown.size() == tags.size(); }, 20000));
    QFile golden(QUILLMARK_TEST_DATA_DIR "/linkhost/extension-message.json");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QString longAddress = "https://a.org/" + QString(60000, 'x');
    const auto answers =
        SendToHost({QJsonDocument::fromJson(golden.readAll()).toJson(QJsonDocument::Compact),
                    LinkMessage(longAddress, "long")});
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_TRUE(answers[0]["ok"].toBool() && !answers[0].contains("kept"));
    ASSERT_TRUE(WaitUntil([&] { return script.Done(); }, 20000));
    WaitUntil([] { return false; }, 500);
    EXPECT_EQ(shown.mid(0, 5),
              QStringList({"https://a/", "https://b/", "https://c/", "https://d/", "https://e/"}));
    EXPECT_TRUE(shown.size() == 7 && shown.last() == longAddress) << shown.size();
    EXPECT_EQ(run.Read("Data/qmlinks.qbx"),
              "https://a/|a\r\nhttps://c/|c\r\nhttps://d/|d\r\nhttps://e/|e\r\n"
              "https://example.org/wiki/Caf%C3%A9?a=1&b=2#top|"
              "Caf\xC3\xA9 \"Zur Post\" | <b>\xC3\x9F</b>\r\n" +
                  longAddress.toUtf8() + "|long\r\n");
    app.ExitInstance(0);
}

} // namespace
