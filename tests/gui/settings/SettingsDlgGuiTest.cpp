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
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <algorithm>
#include <gtest/gtest.h>

namespace {

using quill::test::ClickButton;
using quill::test::ModalScript;

QAbstractButton* Child(QWidget& dialog, const char* name) {
    auto* button = dialog.findChild<QAbstractButton*>(name);
    EXPECT_NE(button, nullptr) << name;
    return button;
}

void PressEscape(QWidget& dialog) {
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&dialog, &escape);
}

// The radios are the tray's levels by label; Escape applies nothing, Save all
// at once, the browser entry's manifests included; a delete-all "Yes" acts at
// once even when the dialog is then cancelled.
TEST(SettingsDialog, ShowsTheFrameAndAppliesSaveAndDeleteAllAtOnce) {
    quill::test::RunFolder run;
    run.Write("Data/qmlinks.qbx", "https://a.org/|a\r\n");
    QtProfile profile;
    profile.WriteString("Status", "IsOpened", "true");
    profile.WriteInt("Status", "Percent", 60);
    profile.WriteInt("Status", "Track mouse", 0);
    QtProgramRunner runner;
    quill::HostManifestFiles manifests{
        quill::LinuxManifestFolders(qEnvironmentVariable("HOME").toStdString(),
                                    qEnvironmentVariable("XDG_CONFIG_HOME").toStdString()),
        "/opt/quillmark/quillmark-link-host"};
    // Manifests go only to browsers that are there.
    for (const auto& folder : manifests.Folders()) {
        QDir().mkpath(QString::fromStdString(folder.browserFolder));
    }
    auto manifestsWritten = [paths = manifests.ManifestPaths()] {
        return std::count_if(paths.begin(), paths.end(), [](const std::string& path) {
            return QFile::exists(QString::fromStdString(path));
        });
    };
    CQuillboxDoc document;
    CMainFrame frame(profile, document, {profile, runner, manifests, run.Path().toStdString(), {}});
    ASSERT_EQ(manifestsWritten(), 3); // integration was on at start

    ModalScript script;
    script
        .Then("settingsDialog",
              [](QWidget& dialog) {
                  Child(dialog, "radio80")->click();
                  PressEscape(dialog);
              })
        .Then("settingsDialog", [](QWidget& dialog) {
            EXPECT_TRUE(Child(dialog, "radio40")->isChecked()); // level 60 is the tray's "40%"
            EXPECT_FALSE(Child(dialog, "trackingCheck")->isChecked());
            EXPECT_TRUE(Child(dialog, "integrationCheck")->isChecked());
            for (const char* name : {"radio60", "trackingCheck", "integrationCheck"}) {
                Child(dialog, name)->click();
            }
            ClickButton(dialog, "saveButton");
        });
    frame.OnSettings();
    frame.OnSettings();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(frame.Settings().transparency, 40);
    EXPECT_TRUE(frame.Settings().trackMouse);
    EXPECT_FALSE(frame.Settings().integrate);
    EXPECT_EQ(manifestsWritten(), 0);

    script
        .Then("settingsDialog",
              [](QWidget& dialog) { ClickButton(dialog, "deleteAllLinksButton"); })
        .Then("deleteAllLinksDialog",
              [](QWidget& question) {
                  EXPECT_EQ(question.findChild<QLabel*>("questionLabel")->text(),
                            "Are you sure to delete all links?");
                  ClickButton(question, "yesButton");
              })
        .Then("settingsDialog", PressEscape);
    frame.OnSettings();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(run.Read("Data/qmlinks.qbx"), "");
}

} // namespace
