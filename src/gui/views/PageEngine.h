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
};

#define QuillmarkPageEngine_iid "org.example.Quillmark.PageEngine/1"
Q_DECLARE_INTERFACE(PageEngine, QuillmarkPageEngine_iid)
