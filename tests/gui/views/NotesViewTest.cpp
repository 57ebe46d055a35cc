#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "frame/CommandTable.h"
#include "support/FrameAccess.h"
#include "support/GuiTestEnvironment.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"
#include "views/CNotesView.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPushButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

using quill::test::GuiTestEnvironment;
using quill::test::ModalScript;
using quill::test::RunFolder;
using quill::test::WaitUntil;

class NotesViewTest : public ::testing::Test {
protected:
    void Start() {
        app = std::make_unique<CQuillboxApp>();
        ASSERT_TRUE(app->InitInstance());
        notes = app->GetMainFrame()->findChild<CNotesView*>(QStringLiteral("notesView"));
        ASSERT_NE(notes, nullptr);
    }
    void Stop() {
        app->ExitInstance(0);
        app.reset();
        notes = nullptr;
    }

    RunFolder run;
    std::unique_ptr<CQuillboxApp> app;
    CNotesView* notes = nullptr;
};

TEST_F(NotesViewTest, TypedTextIsBackAfterARestartWithItsLineBreaks) {
    Start();
    EXPECT_TRUE(notes->toPlainText().isEmpty());
    notes->setFocus();
    QTest::keyClicks(notes, QStringLiteral("first line"));
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, QStringLiteral("@second line"));
    Stop();

    Start();
    EXPECT_EQ(notes->toPlainText(), "first line\n@second line");
    EXPECT_EQ(notes->font().family(), "Courier New");
    EXPECT_EQ(notes->font().pointSize(), 10);
}

TEST_F(NotesViewTest, TypedTextReachesTheProfileFileAfterAPauseWithNoOtherStore) {
    Start();
    // Only the pause in typing may store the note here.
    QObject::disconnect(app->GetMainFrame(), &CMainFrame::StoreRequested, notes, nullptr);
    notes->setFocus();
    QTest::keyClicks(notes, QStringLiteral("kept after a pause"));
    QFile profile(GuiTestEnvironment::ProfileFile());
    EXPECT_TRUE(WaitUntil(
        [&] {
            profile.close();
            return profile.open(QIODevice::ReadOnly) &&
                   profile.readAll().contains("kept after a pause");
        },
        6000));
}

TEST_F(NotesViewTest, AProfileThatCannotBeWrittenIsReportedOnceAndTheNoteStays) {
    Start();
    // A plain file where the profile's folder belongs: not writable even for root.
    const QString folder = QFileInfo(GuiTestEnvironment::ProfileFile()).absolutePath();
    ASSERT_TRUE(QDir(folder).removeRecursively());
    QFile blocker(folder);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QStringList reports;
    quill::test::ModalScript script;
    for (int i = 0; i < 2; ++i) {
        script.Then("quillmarkMessage", [&](QWidget& box) {
            auto* message = qobject_cast<QMessageBox*>(&box);
            reports << message->text();
            message->button(QMessageBox::Ok)->click();
        });
    }
    notes->setFocus();
    QTest::keyClicks(notes, QStringLiteral("unsaved"));
    ASSERT_TRUE(WaitUntil([&] { return !reports.isEmpty(); }, 6000));
    EXPECT_TRUE(reports.constFirst().contains(GuiTestEnvironment::ProfileFile()));

    // Note and settings fail again at the next store: the user has been told.
    app->GetMainFrame()->StoreSettings();
    QTest::keyClicks(notes, QStringLiteral(" still"));
    auto* pause = notes->findChild<QTimer*>(QStringLiteral("noteStoreTimer"));
    ASSERT_TRUE(WaitUntil([&] { return !pause->isActive(); }, 6000));
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(notes->toPlainText(), "unsaved still");

    QFile::remove(folder);
}

TEST_F(NotesViewTest, SavingOverAnExistingFileAsksFirstThenWritesExactlyTheNote) {
    run.Write(QStringLiteral("note.txt"), "old text that is longer than the note");
    Start();
    notes->setPlainText(QStringLiteral("line one\nline two"));

    bool asked = false;
    QWidget* fileDialog = nullptr;
    ModalScript script;
    script.Then("", [&](QWidget& modal) {
        fileDialog = &modal;
        auto* name = modal.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(name, nullptr);
        // Typed without an extension: ".txt" is added.
        name->setText(run.File(QStringLiteral("note")));
        script.Then(
            "",
            [&](QWidget& question) {
                asked = true;
                qobject_cast<QMessageBox*>(&question)->button(QMessageBox::Yes)->click();
            },
            fileDialog);
        QTest::keyClick(name, Qt::Key_Return);
    });
    // Saving is offered only while the note is in front.
    QAction* save = app->GetMainFrame()->Action(quill::kSaveNoteCommand);
    quill::test::TabView(*app->GetMainFrame()).setCurrentIndex(2);
    EXPECT_FALSE(save->isEnabled());
    quill::test::TabView(*app->GetMainFrame()).setCurrentIndex(0);
    save->trigger();

    EXPECT_TRUE(asked);
    EXPECT_EQ(run.Read(QStringLiteral("note.txt")), "line one\nline two");
}

// Drags mime data onto the note and drops it, as a file manager or browser would.
void Drop(QWidget* target, QMimeData* data) {
    const QPoint at(10, 10);
    QDragEnterEvent enter(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QDropEvent drop(at, Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &drop);
}

TEST_F(NotesViewTest, PasteAndDropInsertTextOnlyAndAlwaysAsPlainText) {
    Start();
    QAction* paste = app->GetMainFrame()->Action(quill::kPasteCommand);
    // The toolbar's Paste goes to the widget with the focus.
    QApplication::setActiveWindow(app->GetMainFrame());
    notes->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), notes);

    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    paste->trigger();
    EXPECT_TRUE(notes->toPlainText().isEmpty());

    auto* rich = new QMimeData;
    rich->setHtml(QStringLiteral("<b>bold</b>"));
    rich->setText(QStringLiteral("bold"));
    QGuiApplication::clipboard()->setMimeData(rich);
    paste->trigger();
    EXPECT_EQ(notes->toPlainText(), "bold");
    QTextCursor inside(notes->document());
    inside.setPosition(2);
    EXPECT_NE(inside.charFormat().fontWeight(), QFont::Bold);

    // A copied address comes with a URL list as well: its text is pasted.
    notes->clear();
    auto* address = new QMimeData;
    address->setUrls({QUrl(QStringLiteral("https://example.org/"))});
    address->setText(QStringLiteral("https://example.org/"));
    QGuiApplication::clipboard()->setMimeData(address);
    paste->trigger();
    EXPECT_EQ(notes->toPlainText(), "https://example.org/");

    // Dropped files are ignored, dropped text is taken.
    notes->clear();
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile(run.File(QStringLiteral("x.txt")))});
    files.setText(run.File(QStringLiteral("x.txt")));
    QMimeData text;
    text.setText(QStringLiteral("dropped"));
    Drop(notes->viewport(), &files);
    EXPECT_TRUE(notes->toPlainText().isEmpty());
    Drop(notes->viewport(), &text);
    EXPECT_EQ(notes->toPlainText(), "dropped");
}

// The tab view's own menu: its commands go to the view with the focus.
TEST_F(NotesViewTest, RightClickOnTheTabsOffersCutCopyPasteForTheFocusedView) {
    Start();
    QApplication::setActiveWindow(app->GetMainFrame());
    notes->setFocus();
    auto* tabs = app->GetMainFrame()->findChild<QTabWidget*>(QStringLiteral("tabView"));
    QTabBar* bar = tabs->tabBar();
    const QPoint onTab = bar->tabRect(2).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, onTab, bar->mapToGlobal(onTab));
    QApplication::sendEvent(bar, &event);

    auto* menu = tabs->findChild<QMenu*>(QStringLiteral("tabViewContextMenu"));
    ASSERT_TRUE(menu && menu->isVisible());
    QStringList items;
    for (QAction* action : menu->actions()) {
        items << action->text();
    }
    EXPECT_EQ(items, QStringList({"Cu&t", "&Copy", "&Paste"}));
    QGuiApplication::clipboard()->setText(QStringLiteral("from the menu"));
    menu->actions()[2]->trigger();
    menu->hide();
    EXPECT_EQ(notes->toPlainText(), "from the menu");
    EXPECT_EQ(tabs->currentIndex(), 0);
}

} // namespace
