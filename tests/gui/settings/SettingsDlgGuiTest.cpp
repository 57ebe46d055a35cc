// The settings dialog on a real frame, with the link host's manifests written
// into the test's temporary home.

#include "QtProfile.h"
#include "app/QtProgramRunner.h"
#include "frame/CMainFrame.h"
#include "integration/HostManifestFiles.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"
#include "views/CQuillboxDoc.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <gtest/gtest.h>

namespace {

using quill::test::ClickButton;
using quill::test::ModalScript;
using quill::test::RunFolder;

struct SettingsFixture : ::testing::Test {
    RunFolder run;
    QtProfile profile;
    QtProgramRunner runner;
    quill::HostManifestFiles manifests{
        quill::LinuxManifestFolders(qEnvironmentVariable("HOME").toStdString(),
                                    qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()),
        "/opt/quillmark/quillmark-link-host"};
    CQuillboxDoc document;
    std::unique_ptr<CMainFrame> frame;

    void SetUp() override {
        // Manifests go only to browsers that are there.
        for (const auto& folder : manifests.Folders()) {
            QDir().mkpath(QString::fromStdString(folder.browserFolder));
        }
        run.Write("Data/qmlinks.qbx", "https://a.org/|a\r\nhttps://b.org/|b\r\n");
        run.Write("Data/qmtasks.qbx", "01.02.2030|10:00|task\r\n");
        profile.WriteString("Status", "IsOpened", "true");
        profile.WriteInt("Status", "Percent", 60);
        profile.WriteInt("Status", "Integrate", 1);
        profile.WriteInt("Status", "Track mouse", 0);
        frame = std::make_unique<CMainFrame>(
            profile, document,
            quill::StartEnvironment{profile, runner, manifests, run.Path().toStdString(), {}});
    }

    std::size_t ManifestsWritten() const {
        std::size_t written = 0;
        for (const auto& path : manifests.ManifestPaths()) {
            written += QFile::exists(QString::fromStdString(path)) ? 1 : 0;
        }
        return written;
    }

    // Opens the dialog from the frame and runs script on it until it closes.
    void RunSettings(ModalScript::Action action) {
        ModalScript script;
        script.Then("settingsDialog", std::move(action));
        frame->OnSettings();
        EXPECT_TRUE(script.Done());
    }
};

QAbstractButton* Child(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
}

// The radios are the tray's levels by label; Escape applies nothing, Save all
// at once, the browser entry's manifests included; a delete-all "Yes" acts at
// once even when the dialog is then cancelled.
TEST_F(SettingsFixture, ShowsTheFrameAndAppliesSaveAndDeleteAllAtOnce) {
    ASSERT_EQ(ManifestsWritten(), 3u); // integration was on at start
    RunSettings([](QWidget& dialog) {
        Child(dialog, "radio80")->click();
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&dialog, &escape);
    });
    RunSettings([](QWidget& dialog) {
        EXPECT_TRUE(Child(dialog, "radio40")->isChecked()); // level 60 is the tray's "40%"
        EXPECT_FALSE(Child(dialog, "trackingCheck")->isChecked());
        EXPECT_TRUE(Child(dialog, "integrationCheck")->isChecked());
        Child(dialog, "radio60")->click();
        Child(dialog, "trackingCheck")->click();
        Child(dialog, "integrationCheck")->click();
        ClickButton(dialog, "saveButton");
    });
    EXPECT_EQ(frame->Settings().transparency, 40);
    EXPECT_TRUE(frame->Settings().trackMouse);
    EXPECT_FALSE(frame->Settings().integrate);
    EXPECT_EQ(ManifestsWritten(), 0u);

    ModalScript script;
    script
        .Then("settingsDialog",
              [](QWidget& dialog) { ClickButton(dialog, "deleteAllLinksButton"); })
        .Then("deleteAllLinksDialog",
              [](QWidget& question) {
                  EXPECT_EQ(question.findChild<QLabel*>("questionLabel")->text(),
                            "Are you sure to delete all links?");
                  ClickButton(question, "yesButton");
              })
        .Then("settingsDialog",
              [](QWidget& dialog) { ClickButton(dialog, "deleteAllTasksButton"); })
        .Then("deleteAllTasksDialog", [](QWidget& question) { ClickButton(question, "noButton"); })
        .Then("settingsDialog", [](QWidget& dialog) {
            Child(dialog, "integrationCheck")->click();
            ClickButton(dialog, "saveButton");
        });
    frame->OnSettings();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(run.Read("Data/qmlinks.qbx"), "");
    EXPECT_EQ(run.Read("Data/qmtasks.qbx"), "01.02.2030|10:00|task\r\n");
    EXPECT_EQ(ManifestsWritten(), 3u);
    QFile manifest(QString::fromStdString(manifests.ManifestPaths()[0]));
    ASSERT_TRUE(manifest.open(QIODevice::ReadOnly));
    EXPECT_TRUE(manifest.readAll().contains("/opt/quillmark/quillmark-link-host"));
}

} // namespace
