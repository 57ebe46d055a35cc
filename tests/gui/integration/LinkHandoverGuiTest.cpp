// Links handed over by the real link host reach the "Add new link" dialog one
// at a time and the link file, and survive the program's end meanwhile.
#include "core/integration/HandOverQueue.h"
#include "gui/app/CQuillboxApp.h"
#include "profile/QtProfile.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QApplication>
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

std::vector<QByteArray> FiveLinks() {
    std::vector<QByteArray> messages;
    for (const QString tag : {"a", "b", "c", "d", "e"}) {
        messages.push_back(LinkMessage("https://" + tag + "/", tag));
    }
    return messages;
}

// The real program, started hidden with its hand-over log on.
struct Program {
    explicit Program(const RunFolder& run) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_LOGGING_RULES", "quillmark.*.debug=true");
        process.setProcessEnvironment(environment);
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.setWorkingDirectory(run.Path());
        process.start(QStringLiteral(QUILLMARK_PROGRAM), {"--hide"});
    }
    qsizetype Offers() {
        log += process.readAll();
        return log.count("offering handed-over link");
    }
    // Waits for the first offer, then gives a second one time to show up wrongly.
    void ExpectOneOfferOfA() {
        ASSERT_TRUE(WaitUntil([&] { return Offers() >= 1; }, 20000)) << log.toStdString();
        WaitUntil([] { return false; }, 500);
        EXPECT_EQ(Offers(), 1) << "one dialog at a time";
        EXPECT_TRUE(log.contains("offering handed-over link \"a\"")) << log.toStdString();
    }
    void End(int signal) {
        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(WaitUntil([&] { return process.state() == QProcess::NotRunning; }, 20000));
    }

    QProcess process;
    QByteArray log;
};

// The hand-over files beside the profile outlive a run folder: emptied before and after.
struct HandOverFiles {
    HandOverFiles() { Forget(); }
    ~HandOverFiles() { Forget(); }
    static void Forget() {
        const quill::HandOverPaths paths(QFile::encodeName(QtProfile().Path()).toStdString());
        for (const std::string& file : {paths.queue, paths.answers, paths.claim}) {
            QFile::remove(QFile::decodeName(file.c_str()));
        }
    }
};

struct LinkHandoverGui : ::testing::Test {
    // No cursor poll: only the profile's change wakes the pickup.
    LinkHandoverGui() { QtProfile().WriteInt("Status", "Track mouse", 0); }
    void StartHere() {
        QtProfile().WriteString("Status", "IsOpened", "true");
        ASSERT_TRUE(app.InitInstance());
    }
    // Answers the next dialogs, declining the one numbered `declined`.
    void AnswerDialogs(int count, int declined = 0) {
        for (int i = 0; i < count; ++i) {
            script.Then("addLinkDialog", [this, declined](QWidget& dialog) {
                shown << dialog.findChild<QLineEdit*>("addressEdit")->text();
                ClickButton(dialog, shown.size() == declined ? "cancelButton" : "okButton");
            });
        }
    }

    RunFolder run;
    HandOverFiles handOverFiles;
    CQuillboxApp app{run.Path()};
    ModalScript script;
    QStringList shown;
};

TEST_F(LinkHandoverGui, LinksHandedOverWhileItRunsAreOfferedOneAtATime) {
    Program program(run);
    // Sent once it reads the queue: each one answered as taken.
    ASSERT_TRUE(WaitUntil(
        [&] { return program.Offers() == 0 && program.log.contains("reading handed-over links"); },
        20000))
        << program.log.toStdString();
    const auto answers = SendToHost(FiveLinks());
    ASSERT_EQ(answers.size(), 5u);
    for (const QJsonObject& answer : answers) {
        EXPECT_TRUE(answer["ok"].toBool() && !answer.contains("kept"));
    }
    program.ExpectOneOfferOfA();
    program.End(SIGTERM);
}

// Ended by SIGTERM and by SIGKILL while a hand-over dialog is open: every link
// the host said ok for is offered again at the next start, in order, one
// dialog at a time, and once answered never again.
TEST_F(LinkHandoverGui, LinksPendingWhenTheProgramEndsAreOfferedAgainInOrderOnce) {
    ASSERT_EQ(SendToHost(FiveLinks()).size(), 5u);
    for (int signal : {SIGTERM, SIGKILL}) {
        SCOPED_TRACE(signal);
        Program program(run);
        program.ExpectOneOfferOfA();
        program.End(signal);
    }
    AnswerDialogs(5, 2);
    StartHere();
    ASSERT_TRUE(WaitUntil([&] { return script.Done(); }, 20000));
    WaitUntil([] { return false; }, 500);
    EXPECT_EQ(shown,
              QStringList({"https://a/", "https://b/", "https://c/", "https://d/", "https://e/"}));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr) << "an answered link came again";
    EXPECT_EQ(run.Read("Data/qmlinks.qbx"),
              "https://a/|a\r\nhttps://c/|c\r\nhttps://d/|d\r\nhttps://e/|e\r\n");
}

// The extension's own message and a long address reach the dialog whole.
TEST_F(LinkHandoverGui, LinksHandedOverToTheRunningProgramComeWhole) {
    AnswerDialogs(3);
    StartHere();
    // One link first, so the others come after the pickup has looked once.
    ASSERT_EQ(SendToHost({LinkMessage("https://a/", "a")}).size(), 1u);
    ASSERT_TRUE(WaitUntil([&] { return shown.size() == 1; }, 20000));
    QFile golden(QUILLMARK_TEST_DATA_DIR "/linkhost/extension-message.json");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QString longAddress = "https://a.org/" + QString(60000, 'x');
    const auto answers =
        SendToHost({QJsonDocument::fromJson(golden.readAll()).toJson(QJsonDocument::Compact),
                    LinkMessage(longAddress, "long")});
    ASSERT_EQ(answers.size(), 2u);
    EXPECT_TRUE(answers[0]["ok"].toBool() && !answers[0].contains("kept"));
    ASSERT_TRUE(WaitUntil([&] { return script.Done(); }, 20000));
    EXPECT_TRUE(shown.size() == 3 && shown.last() == longAddress) << shown.size();
    EXPECT_EQ(run.Read("Data/qmlinks.qbx"), "https://a/|a\r\n"
                                            "https://example.org/wiki/Caf%C3%A9?a=1&b=2#top|"
                                            "Caf\xC3\xA9 \"Zur Post\" | <b>\xC3\x9F</b>\r\n" +
                                                longAddress.toUtf8() + "|long\r\n");
}

} // namespace
