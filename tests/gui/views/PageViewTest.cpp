#include "QtProfile.h"
#include "app/CQuillboxApp.h"
#include "frame/CMainFrame.h"
#include "links/CLinkFieldsDlg.h"
#include "settings/Transparency.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"
#include "views/CLinkView.h"
#include "views/CQuillboxDoc.h"
#include "views/CQuillboxView.h"
#include "views/CTaskView.h"
#include "views/PageScheme.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QDesktopServices>
#include <QDir>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QWebEnginePage>
#include <gtest/gtest.h>

namespace {

using namespace quill::test;

constexpr int kLinksTab = 1;
constexpr int kTasksTab = 2;

// Catches the addresses handed to the desktop's web browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void Open(const QUrl& url) { urls << url; }
};

// The program in a fresh working folder with the shipped page files and the
// given lists, its window shown on the Notes tab.
struct PageViewTest : ::testing::Test {
    RunFolder run;
    std::unique_ptr<CQuillboxApp> app;
    int loads = 0;

    void Start(const QByteArray& links, const QByteArray& tasks) {
        run.CopyShippedData();
        run.Write(QStringLiteral("Data/qmlinks.qbx"), links);
        run.Write(QStringLiteral("Data/qmtasks.qbx"), tasks);
        app = std::make_unique<CQuillboxApp>();
        ASSERT_TRUE(app->InitInstance());
    }

    CMainFrame& Frame() { return *app->GetMainFrame(); }

    // Shows a page tab and waits until its page has loaded.
    CWebBrowser& ShowTab(int index) {
        auto* view = qobject_cast<CPageView*>(TabView(Frame()).widget(index));
        TabView(Frame()).setCurrentIndex(index);
        CWebBrowser* browser = view->Browser();
        EXPECT_NE(browser, nullptr);
        QObject::connect(browser, &QWebEngineView::loadFinished, browser,
                         [this](bool ok) { loads += ok ? 1 : 0; });
        EXPECT_TRUE(WaitUntil([this] { return loads > 0; }));
        return *browser;
    }

    // Clicks the anchor with this href text and waits for the page to load again.
    void Click(CWebBrowser& browser, const QString& href) {
        const QPoint at = AnchorCentre(browser, href);
        ASSERT_FALSE(at.isNull()) << href.toStdString();
        const int before = loads;
        ClickAt(browser, at);
        EXPECT_TRUE(WaitUntil([&] { return loads > before; })) << href.toStdString();
    }
};

TEST_F(PageViewTest, AddLinkClickedOnThePageAddsItToTheFileAndThePage) {
    Start("example.org|first\r\n", "");
    EXPECT_EQ(Frame().findChild<CWebBrowser*>(), nullptr); // no engine before a page tab shows
    CWebBrowser& browser = ShowTab(kLinksTab);

    QString caption;
    ModalScript script;
    script.Then("addLinkDialog", [&](QWidget& dialog) {
        caption = dialog.windowTitle();
        dialog.findChild<QLineEdit*>(QStringLiteral("addressEdit"))
            ->setText(QStringLiteral("https://qm.example/a|b?x=<1>"));
        dialog.findChild<QPlainTextEdit*>(QStringLiteral("commentEdit"))
            ->setPlainText(QStringLiteral("Grüße & <b>more</b>"));
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    Click(browser, QStringLiteral("Add link"));

    EXPECT_EQ(caption, "Add new link");
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmlinks.qbx")),
              "example.org|first\r\nhttps://qm.example/a%7Cb?x=<1>|Grüße & <b>more</b>\r\n");
    const QString html = PageHtml(browser);
    EXPECT_TRUE(html.contains(QStringLiteral("href=\"Edit link|1\""))) << html.toStdString();
    EXPECT_TRUE(html.contains(QStringLiteral("Grüße &amp; &lt;b&gt;more&lt;/b&gt;")));
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmtemp.tmp")).count("Edit link|"), 2);
}

TEST_F(PageViewTest, AHiddenPageIsFrozenYetFollowsTheListsAndWakesWhenShown) {
    Start("example.org|first\r\n", "");
    CWebBrowser& browser = ShowTab(kLinksTab);
    using State = QWebEnginePage::LifecycleState;
    EXPECT_EQ(browser.page()->lifecycleState(), State::Active);

    Frame().hide();
    EXPECT_TRUE(WaitUntil([&] { return browser.page()->lifecycleState() == State::Frozen; }));

    // A link handed over while the window is in the tray.
    run.Write(QStringLiteral("Data/qmlinks.qbx"), "example.org|first\r\nnew.org|second\r\n");
    app->GetDocument()->Store().Reload();
    app->GetDocument()->UpdateAllViews();
    EXPECT_EQ(browser.page()->lifecycleState(), State::Frozen);

    const int before = loads;
    Frame().show();
    EXPECT_EQ(browser.page()->lifecycleState(), State::Active);
    EXPECT_TRUE(WaitUntil([&] { return loads > before; }));
    EXPECT_TRUE(PageHtml(browser).contains(QStringLiteral("new.org")));
}

// A comment that is not UTF-8 shows as Latin-1 and, left as it was, keeps its bytes.
TEST_F(PageViewTest, EditTaskShowsTheTaskAndRewritesItInPlace) {
    Start("", "05.03.2004|09:05|Call the bank\r\n01.12.2004|14:30|Caf\xE9\r\n");
    CWebBrowser& browser = ShowTab(kTasksTab);
    EXPECT_EQ(Frame().windowTitle(), "Tasks - Quillmark"); // the active page names the document

    QDateTime shownWhen;
    QString shownComment;
    ModalScript script;
    script.Then("editTaskDialog", [&](QWidget& dialog) {
        auto* picker = dialog.findChild<QDateTimeEdit*>(QStringLiteral("dateTimeCtrl"));
        auto* comment = dialog.findChild<QPlainTextEdit*>(QStringLiteral("commentEdit"));
        shownWhen = picker->dateTime();
        shownComment = comment->toPlainText();
        picker->setDateTime(QDateTime(QDate(2004, 12, 2), QTime(8, 0)));
        dialog.findChild<QPushButton*>(QStringLiteral("okButton"))->click();
    });
    Click(browser, QStringLiteral("Edit task|1"));

    EXPECT_EQ(shownWhen, QDateTime(QDate(2004, 12, 1), QTime(14, 30)));
    EXPECT_EQ(shownComment, QString::fromUtf8("Caf\xC3\xA9"));
    EXPECT_EQ(run.Read(QStringLiteral("Data/qmtasks.qbx")),
              "05.03.2004|09:05|Call the bank\r\n02.12.2004|08:00|Caf\xE9\r\n");
    EXPECT_TRUE(PageHtml(browser).contains(QStringLiteral("02.12.2004")));
}

// The page scheme serves each view's page and the plain page files beside it, nothing else.
TEST_F(PageViewTest, ThePageSchemeRefusesWhatIsNoPageOrPageFile) {
    Start("a.org|a\r\n", "");
    ShowTab(kLinksTab);
    QWebEnginePage page(PageSchemeHandler::Instance().Profile());
    auto served = [&page](const char* address) {
        QSignalSpy finished(&page, &QWebEnginePage::loadFinished);
        page.load(QUrl(QString::fromLatin1(address)));
        WaitUntil([&] { return finished.count() > 0; });
        return finished.count() > 0 && finished[0][0].toBool();
    };
    EXPECT_TRUE(served("qm://links/qmtemp.tmp"));
    EXPECT_TRUE(served("qm://links/2.css"));
    for (const char* refused :
         {"qm://elsewhere/qmtemp.tmp", "qm://links/qmlinks.qbx", "qm://links/missing.gif",
          "qm://links/..%2FData%2F2.css", "qm://links/.hidden.css"}) {
        EXPECT_FALSE(served(refused)) << refused;
    }
}

TEST_F(PageViewTest, AddressLinksOpenInTheDesktopBrowserAndTheViewStays) {
    Start("example.org/path|plain\r\nHTTPS://Secure.example|secure\r\n", "");
    CWebBrowser& browser = ShowTab(kLinksTab);
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Open");
    QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "Open");

    int clicked = 0;
    for (const char* href : {"http://example.org/path", "HTTPS://Secure.example"}) {
        const QPoint at = AnchorCentre(browser, QString::fromLatin1(href));
        ASSERT_FALSE(at.isNull()) << href;
        // Apart by more than a double click, so each click is a click of its own.
        WaitUntil([] { return false; }, QApplication::doubleClickInterval() + 100);
        ClickAt(browser, at);
        ++clicked;
        WaitUntil([&] { return catcher.urls.size() == clicked; });
    }
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    QDesktopServices::unsetUrlHandler(QStringLiteral("https"));

    ASSERT_EQ(catcher.urls.size(), 2);
    EXPECT_EQ(catcher.urls[0], QUrl(QStringLiteral("http://example.org/path")));
    EXPECT_EQ(catcher.urls[1].host(), "secure.example");
    EXPECT_EQ(catcher.urls[1].scheme(), "https");
    EXPECT_EQ(browser.url().host(), "links");
}

TEST_F(PageViewTest, UnwritablePageFileEndsTheProgramWithMinusOneAfterStoringSettings) {
    Start("", "");
    QDir(run.Path()).mkpath(QStringLiteral("Data/qmtemp.tmp")); // a folder cannot be replaced
    Frame().Action(quill::kLevel60Command)->trigger();          // stores 40

    QString caption;
    QString text;
    ModalScript script;
    script.Then("pageFileMessage", [&](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        caption = box->windowTitle();
        text = box->text();
        box->button(QMessageBox::Ok)->click();
    });
    QTimer::singleShot(0, [this] { TabView(Frame()).setCurrentIndex(kLinksTab); });
    const int status = QApplication::exec();

    EXPECT_EQ(status, -1);
    EXPECT_EQ(caption, "Quillmark");
    EXPECT_EQ(text, "Ups! Cant open data file");
    QtProfile profile;
    EXPECT_EQ(profile.ReadInt("Status", "Percent"), 40);
    EXPECT_EQ(profile.ReadString("Status", "IsOpened"), "true");
}

} // namespace

#include "PageViewTest.moc"
