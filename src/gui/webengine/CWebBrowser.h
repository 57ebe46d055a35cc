#pragma once

#include "gui/views/PageEngine.h"

#include <QUrl>
#include <QWebEngineView>
#include <functional>

class QWebEngineProfile;

// The web view of a page tab. It shows its own page and nothing else: clicks on
// the page's command anchors are refused and announced as BeforeNavigate,
// address links open in the desktop's web browser, scripts do not run.
// While it is not shown (a tab behind, the window hidden) its page is frozen,
// so the engine runs no timers for it; it wakes before it shows, and a page
// that changed meanwhile is read again then.
class CWebBrowser : public QWebEngineView {
    Q_OBJECT
public:
    // ownPage: the one address the view may load; command anchors are the
    // other addresses in its folder.
    CWebBrowser(QWidget* parent, QWebEngineProfile* profile, const QUrl& ownPage);

    void Navigate(const QUrl& url);
    void Refresh();

    struct FindQuery {
        QString text;
        bool matchCase = false;
    };
    // Finds in the page as shown; see PageEngine::Find. A search asked for
    // while the page loads runs once it is in, and a page loaded again is
    // searched again.
    void Find(const FindQuery& query, PageEngine::FindStep step,
              std::function<void(int active, int total)> onFound);

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

signals:
    // A command anchor was clicked; text is its href text ("Edit link|3").
    // Sent from the event loop after the navigation has been refused, never
    // from inside the web engine's callback.
    void BeforeNavigate(const QString& text);

private:
    void Wake();
    // Frozen once nothing shows it and no load is on the way.
    void FreezeIfHidden();

    void RunFind(PageEngine::FindStep step);

    bool m_loading = false;
    bool m_stale = false;
    FindQuery m_find;
    std::function<void(int active, int total)> m_onFound;
    bool m_findAfterLoad = false;
    // Only the latest request's answer counts; the engine answers an
    // abandoned one with an empty result.
    int m_findSerial = 0;
};
