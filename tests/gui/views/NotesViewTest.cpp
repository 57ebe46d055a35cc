#include "core/frame/CommandTable.h"
#include "gui/app/CQuillboxApp.h"
#include "gui/common/CaretRest.h"
#include "gui/views/CNotesView.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/RunFolder.h"

#include <QAbstractButton>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTabBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

struct NotesViewTest : ::testing::Test {
    void Start() {
        app = std::make_unique<CQuillboxApp>(run.Path());
        ASSERT_TRUE(app->InitInstance());
        notes = app->GetMainFrame()->findChild<CNotesView*>(QStringLiteral("notesView"));
        QApplication::setActiveWindow(app->GetMainFrame());
        notes->setFocus();
    }
    static QMimeData* Mime(const QString& text, const QUrl& url = {}) {
        auto* data = new QMimeData;
        data->setText(text);
        if (!url.isEmpty()) { // an empty list would still say "files"
            data->setUrls({url});
        }
        return data;
    }

    RunFolder run;
    std::unique_ptr<CQuillboxApp> app;
    CNotesView* notes = nullptr;
};

TEST_F(NotesViewTest, APauseInTypingStoresTheNoteForTheNextStart) {
    Start();
    // Only the pause may store the note here.
    QObject::disconnect(app->GetMainFrame(), &CMainFrame::StoreRequested, notes, nullptr);
    QTest::keyClicks(notes, QStringLiteral("first"));
    QTest::keyClick(notes, Qt::Key_Return);
    QTest::keyClicks(notes, QStringLiteral("@second line"));
    EXPECT_TRUE(WaitUntil([&] { return run.Read(run.ProfileFile()).contains("second"); }, 6000));
    app->ExitInstance(0);
    app.reset();
    Start();
    EXPECT_EQ(notes->toPlainText(), "first\n@second line");
}

// From the toolbar, the tab view's menu or a drop; dropped files are ignored.
TEST_F(NotesViewTest, PasteAndDropTakePlainTextOnly) {
    Start();
    QAction* paste = app->GetMainFrame()->Action(quill::kPasteCommand);
    QMimeData* rich = Mime("bold");
    rich->setHtml("<b>bold</b>");
    QGuiApplication::clipboard()->setMimeData(rich);
    paste->trigger();
    QTextCursor inside(notes->document());
    inside.setPosition(2);
    EXPECT_NE(inside.charFormat().fontWeight(), QFont::Bold);
    // A copied address comes with a URL list as well: its text is pasted.
    QGuiApplication::clipboard()->setMimeData(Mime(" https://a.org/", QUrl("https://a.org/")));
    paste->trigger();
    EXPECT_EQ(notes->toPlainText(), "bold https://a.org/");

    notes->clear();
    for (QMimeData* data :
         {Mime(run.File("x.txt"), QUrl::fromLocalFile(run.File("x.txt"))), Mime("dropped")}) {
        QDropEvent drop(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(notes->viewport(), &enter);
        QApplication::sendEvent(notes->viewport(), &drop);
        delete data;
    }
    EXPECT_EQ(notes->toPlainText(), "dropped");

    // The tab view's own menu goes to the view with the focus, whichever tab is clicked.
    notes->clear();
    QTabBar* bar = TabView(*app->GetMainFrame()).tabBar();
    const QPoint onTab = bar->tabRect(2).center();
    QContextMenuEvent event(QContextMenuEvent::Mouse, onTab, bar->mapToGlobal(onTab));
    QApplication::sendEvent(bar, &event);
    auto* menu = bar->parent()->findChild<QMenu*>(QStringLiteral("tabViewContextMenu"));
    ASSERT_TRUE(menu && menu->isVisible());
    QGuiApplication::clipboard()->setText(QStringLiteral("pasted"));
    menu->actions()[2]->trigger();
    menu->hide();
    EXPECT_EQ(notes->toPlainText(), "pasted");
}

// A name typed without an extension gets ".txt".
TEST_F(NotesViewTest, SavingProposesTheFirstLineAndAsksBeforeReplacing) {
    run.Write(QStringLiteral("note.txt"), "old text that is longer than the note");
    Start();
    notes->setPlainText(QStringLiteral("line one\nline two"));
    ModalScript script;
    script.Then("", [&](QWidget& fileDialog) {
        auto* name = fileDialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        EXPECT_EQ(name->text(), "line one.txt");
        name->setText(QStringLiteral("note")); // in the working folder, where the dialog opens
        script.Then(
            "",
            [](QWidget& question) {
                qobject_cast<QMessageBox*>(&question)->button(QMessageBox::Yes)->click();
            },
            &fileDialog);
        QTest::keyClick(name, Qt::Key_Return);
    });
    app->GetMainFrame()->Action(quill::kSaveNoteCommand)->trigger();
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(run.Read(QStringLiteral("note.txt")), "line one\nline two");
}

// A plain file where the profile's folder belongs: not writable even for root.
// Note and settings fail again at the next store: the user has been told once.
TEST_F(NotesViewTest, AProfileThatCannotBeWrittenIsReportedOnce) {
    Start();
    const QString folder = QFileInfo(RunFolder::ProfileFile()).absolutePath();
    ASSERT_TRUE(QDir(folder).removeRecursively() && QFile(folder).open(QIODevice::WriteOnly));
    QStringList reports;
    ModalScript script;
    for (int i = 0; i < 2; ++i) {
        script.Then("quillmarkMessage", [&](QWidget& box) {
            reports << qobject_cast<QMessageBox*>(&box)->text();
            qobject_cast<QMessageBox*>(&box)->button(QMessageBox::Ok)->click();
        });
    }
    QTest::keyClicks(notes, QStringLiteral("unsaved"));
    ASSERT_TRUE(WaitUntil([&] { return !reports.isEmpty(); }, 6000));
    EXPECT_TRUE(reports[0].contains(RunFolder::ProfileFile()));
    app->GetMainFrame()->StoreSettings();
    QTest::keyClicks(notes, QStringLiteral(" still"));
    auto* pause = notes->findChild<QTimer*>(QStringLiteral("noteStoreTimer"));
    ASSERT_TRUE(WaitUntil([&] { return !pause->isActive(); }, 6000));
    EXPECT_EQ(reports.size(), 1);
    EXPECT_EQ(notes->toPlainText(), "unsaved still");
    QFile::remove(folder);
}

// An idle caret stops blinking and stays shown; the next key has it blink again.
TEST(CaretRestTest, TheCaretRestsWhenIdleAndBlinksAgainOnAKey) {
    QPlainTextEdit edit;
    edit.show();
    const int flashTime = QApplication::cursorFlashTime();
    ASSERT_GT(flashTime, 0);
    CaretRest rest(1);
    ASSERT_TRUE(WaitUntil([] { return QApplication::cursorFlashTime() == 0; }));
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(QApplication::cursorFlashTime(), flashTime);
}

} // namespace
