#include "gui/views/CPageView.h"

#include "core/files/PathNames.h"
#include "core/pages/PageFile.h"
#include "gui/views/CQuillboxDoc.h"
#include "gui/views/PageEngine.h"
#include "gui/views/PagePlugin.h"
#include "profile/QtProfile.h"

#include <QFileInfo>
#include <QLabel>

CPageView::CPageView(CQuillboxDoc& document, PagePlugin& pages, const QString& host,
                     const QString& tabName)
    : m_document(document), m_pages(pages), m_host(host), m_tabName(tabName),
      m_pageFilePath(
          quill::ResolveInFolder(document.WorkingFolder().toStdString(), quill::kPageFileName)) {
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
    m_shownText = quill::ShownText(page);
    if (m_pEngine != nullptr) {
        const QFileInfo file(QString::fromStdString(m_pageFilePath));
        m_pEngine->SetPage(m_host, file.absolutePath(), file.fileName(),
                           QByteArray::fromStdString(page));
    }
    return true;
}

void CPageView::OnDraw() {
    if (!m_browserCreated) {
        // The first draw of a page tab is when the web engine is first needed.
        m_pEngine = m_pages.Engine();
    }
    if (!PublishPage()) {
        return;
    }
    if (!m_browserCreated && m_pEngine != nullptr) {
        m_browser = m_pEngine->CreateBrowser(
            this, PageUrl(), [this](const QString& text) { OnBeforeNavigate(text); });
        setFocusProxy(m_browser); // the tab's keyboard focus is the page's
        m_browser->show();
        m_pEngine->Navigate(*m_browser, PageUrl());
    } else if (!m_browserCreated) {
        ShowEngineProblem();
    } else if (m_browser) {
        m_pEngine->Refresh(*m_browser);
    }
    m_browserCreated = true;
    FitContent();
}

void CPageView::ShowEngineProblem() {
    m_problem = new QLabel(m_pages.Problem(), this);
    m_problem->setObjectName(QStringLiteral("pageProblem"));
    m_problem->setAlignment(Qt::AlignCenter);
    m_problem->setWordWrap(true); // the file's path may be wider than the window
    m_problem->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_problem->show();
}

void CPageView::FitContent() {
    for (QWidget* content : {static_cast<QWidget*>(m_browser), static_cast<QWidget*>(m_problem)}) {
        if (content != nullptr) {
            content->resize(size());
        }
    }
}

void CPageView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    m_document.SetTitle(m_tabName);
    OnDraw();
}

void CPageView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    FitContent();
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
        m_pEngine->Navigate(*m_browser, PageUrl());
    }
}

bool CPageView::Find(const QString& text, bool matchCase, PageEngine::FindStep step,
                     std::function<void(int active, int total)> onFound) {
    if (!m_browser) {
        return false;
    }
    m_pEngine->Find(*m_browser, text, matchCase, step, std::move(onFound));
    return true;
}

std::vector<quill::TextSpan> CPageView::ShownMatches(const QString& text, bool matchCase) const {
    return m_shownText.Matches(text.toStdString(), matchCase);
}
