#pragma once

#include "core/find/ShownText.h"
#include "gui/views/PageEngine.h"

#include <QPointer>
#include <QUrl>
#include <QWidget>
#include <string>

class CQuillboxDoc;
class PagePlugin;
class QLabel;

// What the Links and Tasks tabs share: the page is written into the page file
// and shown in a web view made on the first draw; a clicked command anchor
// runs the tab's command, after which the page is written and shown again.
// The web view comes from the page plug-in; without it the tab says so in one
// line and everything else goes on.
class CPageView : public QWidget {
    Q_OBJECT
public:
    // pages gives the web engine on the first draw; host names the view in its
    // page address; tabName is what the document is called while this tab is active.
    CPageView(CQuillboxDoc& document, PagePlugin& pages, const QString& host,
              const QString& tabName);

    QUrl PageUrl() const;
    // The web view, once the view has been drawn.
    QWidget* Browser() const { return m_browser; }

    // Writes the page and has the web view load it (first time) or reload it.
    void OnDraw();

    // Finds in the page as shown (PageEngine::Find); false while the tab has
    // no web view, and then nothing answers.
    bool Find(const QString& text, bool matchCase, PageEngine::FindStep step,
              std::function<void(int active, int total)> onFound);
    // The matches of text in the page's shown text, counted at once; the
    // engine's own count (Find) may come seconds later on a long page.
    std::vector<quill::TextSpan> ShownMatches(const QString& text, bool matchCase) const;

protected:
    // The tab's page for the lists as they are now.
    virtual std::string WritePage() const = 0;
    // Runs the command a clicked anchor's text names; false when it names none.
    virtual bool RunCommand(const QString& text) = 0;

    CQuillboxDoc& Document() const { return m_document; }

    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Writes the page file and hands the page to the scheme; false when the
    // page file cannot be written.
    bool PublishPage();
    void OnBeforeNavigate(const QString& text);
    void ShowEngineProblem();
    void FitContent();

    CQuillboxDoc& m_document;
    PagePlugin& m_pages;
    QString m_host;
    QString m_tabName;
    bool m_browserCreated = false;
    PageEngine* m_pEngine = nullptr;
    QPointer<QWidget> m_browser;
    QLabel* m_problem = nullptr;
    std::string m_pageFilePath;
    quill::ShownText m_shownText; // of the page last published
    bool m_bRunningCommand = false;
};
