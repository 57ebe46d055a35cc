#include "gui/app/CQuillboxApp.h"
#include "gui/views/CNotesView.h"
#include "gui/views/CPageView.h"
#include "gui/views/CQuillboxDoc.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QWebEngineFindTextResult>
#include <QWebEnginePage>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

struct FindBarTest : ::testing::Test {
    RunFolder run;
    std::unique_ptr<CQuillboxApp> app;

    void Start(int tab, const QByteArray& links = kLinks, const QByteArray& tasks = kTasks) {
        run.CopyShippedData();
        run.Write(QStringLiteral("Data/qmlinks.qbx"), links);
        run.Write(QStringLiteral("Data/qmtasks.qbx"), tasks);
        app = std::make_unique<CQuillboxApp>(run.Path());
        ASSERT_TRUE(app->InitInstance());
        QApplication::setActiveWindow(&Frame());
        TabView(Frame()).setCurrentIndex(tab);
        TabView(Frame()).currentWidget()->setFocus();
        if (auto* page = qobject_cast<CPageView*>(TabView(Frame()).currentWidget())) {
            ASSERT_TRUE(Loaded(*page));
        }
    }
    static bool Loaded(CPageView& page) {
        return WaitUntil([&] {
            return page.Browser() && !PageOf(*page.Browser()).isLoading() &&
                   PageHtml(*page.Browser()).contains(QStringLiteral("Edit"));
        });
    }
    CMainFrame& Frame() { return *app->GetMainFrame(); }
    QLineEdit* Field() { return Frame().findChild<QLineEdit*>(QStringLiteral("findText")); }
    QString Count() { return Frame().findChild<QLabel*>(QStringLiteral("findCount"))->text(); }
    bool CountIs(const QString& count) {
        return WaitUntil([&] { return Count() == count; });
    }
    bool Counts(int active, int total) {
        return CountIs(QStringLiteral("%1 of %2").arg(active).arg(total));
    }
    bool CountEndsWith(const QString& total) {
        return WaitUntil([&] { return Count().endsWith(total); });
    }
    // Opens the bar with Ctrl+F, types text and walks the matches with the
    // keys, round both ends, then switches the case on and off.
    void FindAndStep(const QString& text, int total, int matchingCase) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F, Qt::ControlModifier);
        ASSERT_TRUE(Field() && Field()->isVisible() && Field()->hasFocus());
        QTest::keyClicks(Field(), text);
        ASSERT_TRUE(Counts(1, total)) << Count().toStdString();
        for (int active = 2; active <= total + 1; ++active) {
            QTest::keyClick(Field(), Qt::Key_Return);
            ASSERT_TRUE(Counts((active - 1) % total + 1, total)) << Count().toStdString();
        }
        QTest::keyClick(Field(), Qt::Key_Return, Qt::ShiftModifier);
        ASSERT_TRUE(Counts(total, total)) << Count().toStdString();
        QTest::keyClick(Field(), Qt::Key_F3, Qt::ShiftModifier);
        ASSERT_TRUE(Counts(total - 1, total)) << Count().toStdString();
        QTest::keyClick(Field(), Qt::Key_F3);
        ASSERT_TRUE(Counts(total, total)) << Count().toStdString();
        QTest::keyClick(Field(), Qt::Key_C, Qt::AltModifier); // "Match &case"
        ASSERT_TRUE(CountEndsWith(QStringLiteral(" of %1").arg(matchingCase)))
            << Count().toStdString();
        QTest::keyClick(Field(), Qt::Key_C, Qt::AltModifier);
        ASSERT_TRUE(CountEndsWith(QStringLiteral(" of %1").arg(total))) << Count().toStdString();
    }
    // A command's redraw: the list changed on disk and the page is drawn again.
    void AddAndRedraw(const QString& file, const QByteArray& line) {
        run.Write(file, run.Read(file) + line);
        app->GetDocument()->Store().Reload();
        app->GetDocument()->UpdateAllViews();
    }
    void EscapeLeavesTheMatchSelected(QWidget& tab) {
        QTest::keyClick(Field(), Qt::Key_Escape);
        EXPECT_FALSE(Field()->isVisible());
        EXPECT_TRUE(tab.isAncestorOf(QApplication::focusWidget()) ||
                    QApplication::focusWidget() == &tab);
    }

    static constexpr char kLinks[] =
        "site.example/one|Example of plain\r\nexample.net|docs\r\nother.test|no match\r\n";
    static constexpr char kTasks[] =
        "31.12.2099|23:59|Pay the Rent\r\n01.01.2099|08:00|rent again\r\n";
};

TEST_F(FindBarTest, TheNoteSelectsEachMatchAndTypingReplacesItAfterEscape) {
    Start(0);
    auto* notes = qobject_cast<CNotesView*>(TabView(Frame()).currentWidget());
    notes->setPlainText(QStringLiteral("Apple apple APPLE pie\nan apple"));
    FindAndStep(QStringLiteral("apple"), 4, 2);
    QTest::keyClick(Field(), Qt::Key_Return); // wraps to the first
    ASSERT_TRUE(Counts(1, 4));
    EXPECT_EQ(notes->textCursor().selectedText(), QStringLiteral("Apple"));
    QTest::keyClicks(Field(), QStringLiteral("x"));
    EXPECT_TRUE(CountIs(QStringLiteral("No matches")));
    QTest::keyClick(Field(), Qt::Key_Backspace);
    ASSERT_TRUE(Counts(1, 4));
    EscapeLeavesTheMatchSelected(*notes);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Pear"));
    EXPECT_EQ(notes->toPlainText(), QStringLiteral("Pear apple APPLE pie\nan apple"));
}

// Links and Tasks search the page as shown and leave its bytes alone; the
// bar follows the tab and keeps its search over a redraw.
TEST_F(FindBarTest, ThePagesCountTheirMatchesFollowTheTabAndKeepTheSearchOverARedraw) {
    Start(1);
    auto& links = *TabView(Frame()).widget(1);
    FindAndStep(QStringLiteral("example"), 3, 2);
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmlinks.qbx")), QByteArray(kLinks));
    AddAndRedraw(QStringLiteral("Data/qmlinks.qbx"), "more.example|\r\n");
    EXPECT_TRUE(CountEndsWith(QStringLiteral(" of 4"))) << Count().toStdString();
    EscapeLeavesTheMatchSelected(links);
    QWebEnginePage& page = PageOf(*qobject_cast<CPageView*>(&links)->Browser());
    EXPECT_TRUE(WaitUntil([&] { return !page.selectedText().isEmpty(); }, 5000));
    EXPECT_EQ(page.selectedText().toLower(), QStringLiteral("example"));

    TabView(Frame()).setCurrentIndex(2);
    auto& tasks = *qobject_cast<CPageView*>(TabView(Frame()).widget(2));
    ASSERT_TRUE(Loaded(tasks));
    tasks.setFocus();
    Field()->clear();
    FindAndStep(QStringLiteral("rent"), 2, 1);
    TabView(Frame()).setCurrentIndex(1); // the same text, searched in the tab in front
    EXPECT_TRUE(CountIs(QStringLiteral("No matches")));
    TabView(Frame()).setCurrentIndex(2);
    EXPECT_TRUE(CountEndsWith(QStringLiteral(" of 2"))) << Count().toStdString();
    AddAndRedraw(QStringLiteral("Data/qmtasks.qbx"), "02.01.2099|08:00|RENT\r\n");
    EXPECT_TRUE(CountEndsWith(QStringLiteral(" of 3"))) << Count().toStdString();
    EscapeLeavesTheMatchSelected(tasks);
}

// The bar's first answer is counted in the page's shown text; the engine's
// count, which follows, must agree with it, markup and references included.
TEST_F(FindBarTest, TheCountShownAtOnceIsTheEngines) {
    const QString data = QStringLiteral(QUILLMARK_TEST_DATA_DIR "/");
    Start(1, run.Read(data + "links_markup.qbx"), run.Read(data + "tasks_markup.qbx"));
    for (int tab : {1, 2}) {
        TabView(Frame()).setCurrentIndex(tab);
        auto& view = *qobject_cast<CPageView*>(TabView(Frame()).currentWidget());
        ASSERT_TRUE(Loaded(view));
        for (const char* text : {"Edit", "add TASK", "Tasks:", "Edit  Delete", "Edit\u00a0 Delete",
                                 "e", "<b>", "& \"q", "\u00a9 2024", "gr\u00fc\u00dfe",
                                 "\u00dcN\u00efC", "unicode", "2020", "...", "http"}) {
            for (bool matchCase : {false, true}) {
                const QString find = QString::fromUtf8(text);
                // The engine takes the text it searched last as a step.
                PageOf(*view.Browser()).findText(QString());
                const int engine = AnswerOf<QWebEngineFindTextResult>([&](auto done) {
                                       PageOf(*view.Browser())
                                           .findText(find,
                                                     matchCase ? QWebEnginePage::FindCaseSensitively
                                                               : QWebEnginePage::FindFlags(),
                                                     done);
                                   }).numberOfMatches();
                EXPECT_EQ(view.ShownMatches(find, matchCase).size(), std::size_t(engine))
                    << text << (matchCase ? " (case)" : "");
            }
        }
    }
}

} // namespace
