#include "core/frame/CommandTable.h"
#include "core/settings/Transparency.h"
#include "gui/app/CQuillboxApp.h"
#include "gui/views/CPageView.h"
#include "gui/views/CQuillboxDoc.h"
#include "support/FrameAccess.h"
#include "support/ModalScript.h"
#include "support/PageDriver.h"
#include "support/RunFolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QSignalSpy>
#include <QWebEnginePage>
#include <QWebEngineView>
#include <gtest/gtest.h>
#include <sys/stat.h>

namespace {

using namespace quill::test;

// Catches the addresses handed to the desktop's web browser.
class UrlCatcher : public QObject {
    Q_OBJECT
public:
    QStringList urls;
public slots:
    void Open(const QUrl& url) { urls << url.toString(); }
};

struct PageViewTest : ::testing::Test {
    RunFolder run;
    std::unique_ptr<CQuillboxApp> app;

    void Start(const QByteArray& links) {
        run.CopyShippedData();
        run.Write(QStringLiteral("Data/qmlinks.qbx"), links);
        app = std::make_unique<CQuillboxApp>(run.Path());
        ASSERT_TRUE(app->InitInstance());
    }
    CMainFrame& Frame() { return *app->GetMainFrame(); }
    // Shows the Links page of a start with one link; its view once loaded.
    QWebEngineView& LinksPage() {
        Start("example.org/path|plain\r\n");
        EXPECT_EQ(Frame().findChild<QWebEngineView*>(), nullptr); // none before a page tab shows
        TabView(Frame()).setCurrentIndex(1);
        auto& browser = *qobject_cast<QWebEngineView*>(
            qobject_cast<CPageView*>(TabView(Frame()).widget(1))->Browser());
        QObject::connect(&browser, &QWebEngineView::loadFinished, [this](bool ok) { loads += ok; });
        EXPECT_TRUE(WaitUntil([&] { return loads > 0; }));
        return browser;
    }
    int loads = 0;
};

TEST_F(PageViewTest, ARealClickOpensAnAddressOrRunsACommand) {
    QWebEngineView& browser = LinksPage();
    UrlCatcher catcher;
    QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "Open");
    ClickAt(browser, AnchorCentre(browser, QStringLiteral("http://example.org/path")));
    EXPECT_TRUE(WaitUntil([&] { return !catcher.urls.isEmpty(); }));
    QDesktopServices::unsetUrlHandler(QStringLiteral("http"));
    EXPECT_EQ(catcher.urls, QStringList{"http://example.org/path"});
    EXPECT_EQ(browser.url().host(), "links");

    ModalScript script;
    script.Then("addLinkDialog", [&](QWidget& dialog) {
        dialog.findChild<QLineEdit*>(QStringLiteral("addressEdit"))
            ->setText(QStringLiteral("https://qm.example/new"));
        ClickButton(dialog, "okButton");
    });
    ClickAt(browser, AnchorCentre(browser, QStringLiteral("Add link")));
    ASSERT_TRUE(WaitUntil([&] { return loads > 1; }));
    EXPECT_TRUE(run.Read(QStringLiteral("Data/qmlinks.qbx")).contains("\nhttps://qm.example/new|"));
    EXPECT_TRUE(PageHtml(browser).contains(QStringLiteral("href=\"Edit link|1\"")));
}

TEST_F(PageViewTest, ThePagesSchemeServesOnlyTheirOwnFiles) {
    QWebEnginePage page(LinksPage().page()->profile());
    auto served = [&page](const char* address) {
        QSignalSpy finished(&page, &QWebEnginePage::loadFinished);
        page.load(QUrl(QString::fromLatin1(address)));
        return WaitUntil([&] { return finished.count() > 0; }) && finished[0][0].toBool();
    };
    // A named pipe never holds the window: it is not even opened for good.
    ASSERT_EQ(::mkfifo(QFile::encodeName(run.File("Data/pipe.css")).constData(), 0600), 0);
    EXPECT_TRUE(served("qm://links/qmtemp.tmp"));
    EXPECT_TRUE(served("qm://links/2.css"));
    for (const char* refused :
         {"qm://elsewhere/qmtemp.tmp", "qm://links/qmlinks.qbx", "qm://links/missing.gif",
          "qm://links/..%2FData%2F2.css", "qm://links/.hidden.css", "qm://links/pipe.css"}) {
        EXPECT_FALSE(served(refused)) << refused;
    }
}

TEST_F(PageViewTest, AHiddenPageSleepsYetShowsAChangeMadeMeanwhile) {
    QWebEngineView& browser = LinksPage();
    using State = QWebEnginePage::LifecycleState;
    Frame().hide();
    EXPECT_TRUE(WaitUntil([&] { return browser.page()->lifecycleState() == State::Frozen; }));
    run.Write(QStringLiteral("Data/qmlinks.qbx"), "example.org|first\r\nnew.org|second\r\n");
    app->GetDocument()->Store().Reload();
    app->GetDocument()->UpdateAllViews();
    EXPECT_EQ(browser.page()->lifecycleState(), State::Frozen);
    Frame().show();
    EXPECT_EQ(browser.page()->lifecycleState(), State::Active);
    EXPECT_TRUE(WaitUntil([&] { return PageHtml(browser).contains(QStringLiteral("new.org")); }));
}

// The engine is a plug-in: without it each page tab says why in one line, the
// page file is still kept up to date, and the program goes on.
TEST_F(PageViewTest, WithoutThePagePluginEachPageTabNamesTheFileAndWhy) {
    const QString missing = run.File(QStringLiteral("quillmark-pages.so"));
    Start("example.org|kept\r\n");
    app->GetDocument()->Pages().UseFile(missing);
    for (int tab : {1, 2}) {
        TabView(Frame()).setCurrentIndex(tab);
        auto* problem =
            TabView(Frame()).widget(tab)->findChild<QLabel*>(QStringLiteral("pageProblem"));
        ASSERT_NE(problem, nullptr);
        EXPECT_TRUE(problem->isVisible());
        EXPECT_TRUE(problem->text().contains(missing)) << problem->text().toStdString();
    }
    EXPECT_TRUE(run.Read(QStringLiteral("Data/qmtemp.tmp")).contains("Add task"));
}

TEST_F(PageViewTest, UnwritablePageFileEndsTheProgramWithMinusOneAfterStoringSettings) {
    Start("");
    QDir(run.Path()).mkpath(QStringLiteral("Data/qmtemp.tmp")); // a folder cannot be replaced
    Frame().Action(quill::kLevel60Command)->trigger();          // stores 40
    ModalScript script;
    script.Then("pageFileMessage", [](QWidget& box) {
        static_cast<QMessageBox&>(box).button(QMessageBox::Ok)->click();
    });
    QTimer::singleShot(0, [this] { TabView(Frame()).setCurrentIndex(1); });
    EXPECT_EQ(QApplication::exec(), -1);
    EXPECT_TRUE(script.Done());
    QtProfile profile;
    EXPECT_EQ(profile.ReadInt("Status", "Percent"), 40);
    EXPECT_EQ(profile.ReadString("Status", "IsOpened"), "true");
}

} // namespace

#include "PageViewTest.moc"
