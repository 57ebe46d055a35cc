#include "gui/webengine/CWebBrowser.h"

#include <QDesktopServices>
#include <QPointer>
#include <QWebEngineFindTextResult>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <utility>

namespace {

class PageViewPage : public QWebEnginePage {
public:
    PageViewPage(QWebEngineProfile* profile, QUrl ownPage, CWebBrowser* browser)
        : QWebEnginePage(profile, browser), m_ownPage(std::move(ownPage)), m_browser(browser) {}

protected:
    bool acceptNavigationRequest(const QUrl& url, NavigationType type, bool isMainFrame) override {
        if (url == m_ownPage) {
            return true;
        }
        // A command anchor: an address beside the page itself.
        if (isMainFrame && type == NavigationTypeLinkClicked &&
            url.scheme() == m_ownPage.scheme() && url.host() == m_ownPage.host()) {
            const QString text = url.path(QUrl::FullyDecoded).mid(1);
            // The command opens a modal dialog; the engine must be out of its
            // callback by then.
            QMetaObject::invokeMethod(
                m_browser, [browser = m_browser, text] { emit browser->BeforeNavigate(text); },
                Qt::QueuedConnection);
        }
        return false;
    }

private:
    QUrl m_ownPage;
    CWebBrowser* m_browser;
};

bool IsWebAddress(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

} // namespace

CWebBrowser::CWebBrowser(QWidget* parent, QWebEngineProfile* profile, const QUrl& ownPage)
    : QWebEngineView(parent) {
    setObjectName(QStringLiteral("webBrowser"));
    auto* page = new PageViewPage(profile, ownPage, this);
    page->settings()->setAttribute(QWebEngineSettings::JavascriptEnabled, false);
    page->settings()->setAttribute(QWebEngineSettings::LocalContentCanAccessRemoteUrls, false);
    page->settings()->setAttribute(QWebEngineSettings::PluginsEnabled, false);
    // Address links (target=blank) ask for a window: they belong in the
    // desktop's browser. Anything else that wants a window is dropped.
    connect(page, &QWebEnginePage::newWindowRequested, this,
            [](QWebEngineNewWindowRequest& request) {
                if (IsWebAddress(request.requestedUrl())) {
                    QDesktopServices::openUrl(request.requestedUrl());
                }
            });
    setPage(page);
    setContextMenuPolicy(Qt::NoContextMenu);
    connect(page, &QWebEnginePage::visibleChanged, this, &CWebBrowser::FreezeIfHidden);
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        m_loading = false;
        // A page loaded anew has lost its highlights. A refused click on a
        // command anchor also reports a failed load; that page still has them.
        if (std::exchange(m_findAfterLoad, false) || ok) {
            RunFind(PageEngine::FindStep::Afresh);
        }
        FreezeIfHidden();
    });
}

void CWebBrowser::Navigate(const QUrl& url) {
    m_loading = true;
    load(url);
}

void CWebBrowser::Refresh() {
    // A frozen page loads nothing: it is read again when it shows.
    if (page()->lifecycleState() != QWebEnginePage::LifecycleState::Active) {
        m_stale = true;
        return;
    }
    m_loading = true;
    reload();
}

void CWebBrowser::Wake() {
    if (page()->lifecycleState() != QWebEnginePage::LifecycleState::Active) {
        page()->setLifecycleState(QWebEnginePage::LifecycleState::Active);
    }
    if (std::exchange(m_stale, false)) {
        m_loading = true;
        // The engine takes the page back to life first.
        QMetaObject::invokeMethod(
            this, [this] { reload(); }, Qt::QueuedConnection);
    }
}

void CWebBrowser::FreezeIfHidden() {
    // The engine refuses to freeze a page it still counts as visible.
    if (!m_loading && !isVisible() && !page()->isVisible()) {
        page()->setLifecycleState(QWebEnginePage::LifecycleState::Frozen);
    }
}

void CWebBrowser::showEvent(QShowEvent* event) {
    Wake();
    QWebEngineView::showEvent(event);
}

void CWebBrowser::hideEvent(QHideEvent* event) {
    QWebEngineView::hideEvent(event);
    FreezeIfHidden();
}

void CWebBrowser::Find(const FindQuery& query, PageEngine::FindStep step,
                       std::function<void(int active, int total)> onFound) {
    m_find = query;
    m_onFound = std::move(onFound);
    if (m_loading) {
        m_findAfterLoad = true;
        return;
    }
    RunFind(step);
}

void CWebBrowser::RunFind(PageEngine::FindStep step) {
    const int serial = ++m_findSerial;
    if (m_find.text.isEmpty()) {
        page()->findText(QString()); // ends the search, the current match stays selected
        return;
    }
    QWebEnginePage::FindFlags flags;
    if (m_find.matchCase) {
        flags |= QWebEnginePage::FindCaseSensitively;
    }
    if (step == PageEngine::FindStep::Previous) {
        flags |= QWebEnginePage::FindBackward;
    }
    if (step == PageEngine::FindStep::Afresh) {
        // The engine takes the text it searched last as a step to the next match.
        page()->findText(QString());
    }
    page()->findText(m_find.text, flags,
                     [self = QPointer(this), serial](const QWebEngineFindTextResult& result) {
                         if (self && serial == self->m_findSerial && self->m_onFound) {
                             self->m_onFound(result.activeMatch(), result.numberOfMatches());
                         }
                     });
}
