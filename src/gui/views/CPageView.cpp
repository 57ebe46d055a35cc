#include "views/CPageView.h"

#include "QtProfile.h"
#include "files/PathNames.h"
#include "pages/PageFile.h"
#include "views/CQuillboxDoc.h"
#include "views/CWebBrowser.h"
#include "views/PageScheme.h"

#include <QDir>
#include <QFileInfo>

CPageView::CPageView(CQuillboxDoc& document, const QString& host, const QString& tabName)
    : m_document(document), m_host(host), m_tabName(tabName),
      m_pageFilePath(
          quill::ResolveInFolder(QDir::currentPath().toStdString(), quill::kPageFileName)) {
    connect(&m_document, &CQuillboxDoc::ViewsUpdateRequested, this, [this] {
        // A hidden view is drawn when it is next shown.
        if (isVisible()) {
            OnDraw();
        }
    });
}

QUrl CPageView::PageUrl() const {
    QUrl url;
    url.setScheme(QString::fromLatin1(kPageScheme));
    url.setHost(m_host);
    url.setPath(QLatin1Char('/') + QFileInfo(QString::fromStdString(m_pageFilePath)).fileName());
    return url;
}

bool CPageView::PublishPage() {
    if (m_document.PageFileUnwritable()) {
        return false;
    }
    const std::string page = WritePage();
    if (!quill::WritePageFile(m_pageFilePath, page)) {
        m_document.ReportPageFileUnwritable();
        return false;
    }
    const QFileInfo file(QString::fromStdString(m_pageFilePath));
    PageSchemeHandler::Instance().SetPage(m_host, file.absolutePath(), file.fileName(),
                                          QByteArray::fromStdString(page));
    return true;
}

void CPageView::OnDraw() {
    if (!PublishPage()) {
        return;
    }
    if (!m_browserCreated) {
        m_browser = new CWebBrowser(this, PageSchemeHandler::Instance().Profile(), PageUrl());
        connect(m_browser, &CWebBrowser::BeforeNavigate, this, &CPageView::OnBeforeNavigate);
        setFocusProxy(m_browser); // the tab's keyboard focus is the page's
        m_browser->show();
        m_browser->Navigate(PageUrl());
    } else if (m_browser) {
        m_browser->Refresh();
    }
    m_browserCreated = true;
    if (m_browser) {
        m_browser->Width(width());
        m_browser->Height(height());
    }
}

void CPageView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_document.SetTitle(m_tabName);
    OnDraw();
}

void CPageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_browser) {
        m_browser->Width(width());
        m_browser->Height(height());
    }
}

void CPageView::OnBeforeNavigate(const QString& text) {
    // One command at a time: the page stays clickable behind a dialog only in
    // the moments the engine still delivers clicks queued before it opened.
    if (m_bRunningCommand) {
        return;
    }
    m_bRunningCommand = true;
    const bool recognised = RunCommand(text);
    m_bRunningCommand = false;
    if (!recognised) {
        return;
    }
    // Confirmed or not, the page is written and shown again.
    if (PublishPage() && m_browser) {
        m_browser->Navigate(PageUrl());
    }
}
