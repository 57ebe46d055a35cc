#pragma once

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <functional>

class QWidget;

// The page views show their pages through their own URL scheme: a page's host
// names its view ("qm://links/qmtemp.tmp"), and its images and style sheet
// resolve beside it in the Data folder.
inline constexpr char kPageScheme[] = "qm";

// What the page tabs need from the web engine. The engine lives in a plug-in
// that is loaded only when a page tab first shows, so a session that never
// leaves the Notes tab does not load it at all; nothing here names it.
class PageEngine {
public:
    virtual ~PageEngine() = default;

    // Makes page the text served for qm://host/pageName; the images and style
    // sheet beside it come from folder.
    virtual void SetPage(const QString& host, const QString& folder, const QString& pageName,
                         const QByteArray& page) = 0;

    // A web view, child of parent, that shows ownPage and nothing else. A
    // clicked command anchor's href text ("Edit link|3") goes to onCommand from
    // the event loop; address links open in the desktop's web browser.
    virtual QWidget* CreateBrowser(QWidget* parent, const QUrl& ownPage,
                                   std::function<void(const QString&)> onCommand) = 0;
    // browser: a view made by CreateBrowser.
    virtual void Navigate(QWidget& browser, const QUrl& url) = 0;
    virtual void Refresh(QWidget& browser) = 0;

    // Finding in a page as shown. Afresh starts from the current match (the
    // text or the case changed, or the search came over from another tab);
    // Next and Previous step on, wrapping round.
    enum class FindStep { Afresh, Next, Previous };
    // Highlights every match of text in browser's page and scrolls to the
    // current one; onFound gets the current match (from 1, 0 for none) and the
    // count when the engine answers, from the event loop. The view keeps the
    // search while its page loads again and answers onFound anew then. Empty
    // text ends the search, leaving the current match selected.
    virtual void Find(QWidget& browser, const QString& text, bool matchCase, FindStep step,
                      std::function<void(int active, int total)> onFound) = 0;
};

// The number goes up whenever the interface changes, so that an older plug-in
// is refused rather than called wrongly.
#define QuillmarkPageEngine_iid "org.example.Quillmark.PageEngine/2"
Q_DECLARE_INTERFACE(PageEngine, QuillmarkPageEngine_iid)
