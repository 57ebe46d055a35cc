#include "gui/webengine/PageEnginePlugin.h"

#include "gui/webengine/CWebBrowser.h"
#include "gui/webengine/PageScheme.h"

#include <QWebEngineProfile>
#include <utility>

PageEnginePlugin::PageEnginePlugin() {
    // Loaded before the first web view exists, so the engine has not started
    // yet and still takes the scheme and its switches.
    RegisterPageScheme();
}

PageSchemeHandler& PageEnginePlugin::Handler() {
    // The default profile keeps nothing on disk and is torn down with the
    // application; the handler goes with it.
    if (m_handler == nullptr) {
        m_handler = new PageSchemeHandler(QWebEngineProfile::defaultProfile());
    }
    return *m_handler;
}

void PageEnginePlugin::SetPage(const QString& host, const QString& folder, const QString& pageName,
                               const QByteArray& page) {
    Handler().SetPage(host, folder, pageName, page);
}

QWidget* PageEnginePlugin::CreateBrowser(QWidget* parent, const QUrl& ownPage,
                                         std::function<void(const QString&)> onCommand) {
    auto* browser = new CWebBrowser(parent, Handler().Profile(), ownPage);
    connect(browser, &CWebBrowser::BeforeNavigate, browser,
            [onCommand = std::move(onCommand)](const QString& text) { onCommand(text); });
    return browser;
}

void PageEnginePlugin::Navigate(QWidget& browser, const QUrl& url) {
    if (auto* view = qobject_cast<CWebBrowser*>(&browser)) {
        view->Navigate(url);
    }
}

void PageEnginePlugin::Refresh(QWidget& browser) {
    if (auto* view = qobject_cast<CWebBrowser*>(&browser)) {
        view->Refresh();
    }
}

void PageEnginePlugin::Find(QWidget& browser, const QString& text, bool matchCase, FindStep step,
                            std::function<void(int active, int total)> onFound) {
    if (auto* view = qobject_cast<CWebBrowser*>(&browser)) {
        view->Find({text, matchCase}, step, std::move(onFound));
    }
}
