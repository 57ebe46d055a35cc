// A link handed over by the real link host, as the browser starts it, reaches
// the running program's "Add new link" dialog and its link file.

#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QElapsedTimer>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

namespace {

using quill::test::ClickButton;
using quill::test::ModalScript;
using quill::test::RunFolder;
using quill::test::WaitUntil;

// Runs the link host with one framed message, as a browser does; returns its answer.
QJsonObject HandOver(const QByteArray& json) {
    QProcess host;
    host.start(QStringLiteral(QUILLMARK_LINK_HOST), {});
    EXPECT_TRUE(host.waitForStarted(5000));
    auto length = static_cast<std::uint32_t>(json.size());
    QByteArray framed(sizeof length, '\0');
    std::memcpy(framed.data(), &length, sizeof length);
    host.write(framed + json);
    host.closeWriteChannel();
    EXPECT_TRUE(host.waitForFinished(5000));
    return QJsonDocument::fromJson(host.readAllStandardOutput().mid(4)).object();
}

// With cursor tracking off, so no cursor poll runs: the profile's change alone wakes the pickup.
TEST(LinkHandoverGui, ExtensionMessageOpensAddNewLinkAndOkAppendsOneLine) {
    RunFolder run;
    run.Write("Data/qmlinks.qbx", "https://old.org/|old\r\n");
    {
        QtProfile profile;
        profile.WriteString("Status", "IsOpened", "true");
        profile.WriteInt("Status", "Track mouse", 0);
    }
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    QFile golden(QUILLMARK_TEST_DATA_DIR "/linkhost/extension-message.json");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));

    int shown = 0;
    QElapsedTimer sinceAnswer;
    qint64 dialogAfterMs = -1;
    ModalScript script;
    script.Then("addLinkDialog", [&](QWidget& dialog) {
        dialogAfterMs = sinceAnswer.elapsed();
        ++shown;
        ClickButton(dialog, "okButton");
    });
    const QByteArray message =
        QJsonDocument::fromJson(golden.readAll()).toJson(QJsonDocument::Compact);
    EXPECT_TRUE(HandOver(message)["ok"].toBool());
    sinceAnswer.start();
    const QByteArray expected = "https://old.org/|old\r\n"
                                "https://example.org/wiki/Caf%C3%A9?a=1&b=2#top|"
                                "Caf\xC3\xA9 \"Zur Post\" | <b>\xC3\x9F</b>\r\n";
    EXPECT_TRUE(WaitUntil([&] { return run.Read("Data/qmlinks.qbx") == expected; }))
        << run.Read("Data/qmlinks.qbx").toStdString();
    // Nothing more comes up: the link was taken once.
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(shown, 1);
    // A figure for the notes, not a pass mark: the machine may be busy.
    RecordProperty("dialog_after_host_answer_ms", static_cast<int>(dialogAfterMs));
    app.ExitInstance(0);
}

} // namespace
