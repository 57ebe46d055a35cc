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

namespace {

using namespace quill::test;

// With cursor tracking off, so no cursor poll runs: the profile's change alone wakes the pickup.
TEST(LinkHandoverGui, ExtensionMessageOpensAddNewLinkAndOkAppendsOneLine) {
    RunFolder run;
    run.Write("Data/qmlinks.qbx", "https://old.org/|old\r\n");
    QtProfile().WriteInt("Status", "Track mouse", 0);
    QtProfile().WriteString("Status", "IsOpened", "true");
    CQuillboxApp app;
    ASSERT_TRUE(app.InitInstance());
    int shown = 0;
    QElapsedTimer sinceAnswer; // a figure for the log, not a condition
    ModalScript script;
    script.Then("addLinkDialog", [&](QWidget& dialog) {
        ++shown;
        qInfo() << "Add link dialog" << sinceAnswer.elapsed() << "ms after the host's answer";
        ClickButton(dialog, "okButton");
    });

    // One framed message on the host's input, as a browser sends it.
    QFile golden(QUILLMARK_TEST_DATA_DIR "/linkhost/extension-message.json");
    ASSERT_TRUE(golden.open(QIODevice::ReadOnly));
    const QByteArray json =
        QJsonDocument::fromJson(golden.readAll()).toJson(QJsonDocument::Compact);
    const auto length = static_cast<std::uint32_t>(json.size());
    QProcess host;
    QObject::connect(&host, &QProcess::readyReadStandardOutput, [&] { sinceAnswer.start(); });
    host.start(QStringLiteral(QUILLMARK_LINK_HOST), {});
    host.write(QByteArray(reinterpret_cast<const char*>(&length), sizeof length) + json);
    host.closeWriteChannel();
    ASSERT_TRUE(WaitUntil([&] { return host.state() == QProcess::NotRunning; }, 5000));
    EXPECT_TRUE(QJsonDocument::fromJson(host.readAllStandardOutput().mid(4))["ok"].toBool());

    const QByteArray expected = "https://old.org/|old\r\n"
                                "https://example.org/wiki/Caf%C3%A9?a=1&b=2#top|"
                                "Caf\xC3\xA9 \"Zur Post\" | <b>\xC3\x9F</b>\r\n";
    EXPECT_TRUE(WaitUntil([&] { return run.Read("Data/qmlinks.qbx") == expected; }))
        << run.Read("Data/qmlinks.qbx").toStdString();
    // Nothing more comes up: the link was taken once.
    WaitUntil([] { return false; }, 300);
    EXPECT_EQ(shown, 1);
    app.ExitInstance(0);
}

} // namespace
