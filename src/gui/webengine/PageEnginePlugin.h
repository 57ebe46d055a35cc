#pragma once

#include "gui/views/PageEngine.h"

#include <QObject>

class PageSchemeHandler;

// The page plug-in's one object: the program loads it the first time a page
// tab shows, and with it the web engine.
class PageEnginePlugin : public QObject, public PageEngine {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuillmarkPageEngine_iid)
    Q_INTERFACES(PageEngine)
public:
    PageEnginePlugin();

    void SetPage(const QString& host, const QString& folder, const QString& pageName,
                 const QByteArray& page) override;
    QWidget* CreateBrowser(QWidget* parent, const QUrl& ownPage,
                           std::function<void(const QString&)> onCommand) override;
    void Navigate(QWidget& browser, const QUrl& url) override;
    void Refresh(QWidget& browser) override;
    void Find(QWidget& browser, const QString& text, bool matchCase, FindStep step,
              std::function<void(int active, int total)> onFound) override;

private:
    PageSchemeHandler& Handler();

    PageSchemeHandler* m_handler = nullptr; // owned by the web profile
};
