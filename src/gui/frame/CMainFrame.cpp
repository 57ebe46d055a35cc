#include "frame/CMainFrame.h"

#include "QtProfile.h"
#include "WindowSystem.h"
#include "common/UserMessages.h"
#include "frame/FrameParts.h"
#include "frame/ToolbarLayout.h"
#include "integration/CNewLinkPickup.h"
#include "integration/QtAddLinkPrompt.h"
#include "links/LinkHandover.h"
#include "settings/CSettingsDlg.h"
#include "views/CQuillboxDoc.h"
#include "views/CQuillboxView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QTimer>

CMainFrame::CMainFrame(QtProfile& profile, quill::FrameEnvironment environment)
    : m_profile(profile), m_menuEntry(environment.menuEntry) {
    setObjectName(QStringLiteral("mainFrame"));
    m_loadReport = quill::ConstructFrameState(m_state, environment);
    // The hand-over runs just after the tick, not inside it: Qt does not fire a
    // timer again while its handler runs, so a dialog opened inside the tick
    // would stop every later tick (and a second hand-over) until it closed.
    m_newLinkPickup = std::make_unique<CNewLinkPickup>(m_profile, m_state, [this] {
        QTimer::singleShot(0, this,
                           [this, href = m_state.m_newLinkHref, text = m_state.m_newLinkText] {
                               m_state.m_newLinkHref = href;
                               m_state.m_newLinkText = text;
                               OnLinkHandover();
                           });
    });
}

CMainFrame::~CMainFrame() {
    m_parts.reset(); // timers stop and the tray icon goes before anything else
    StoreSettings();
}

void CMainFrame::PollNewLink() {
    m_newLinkPickup->OnPollTick();
}

void CMainFrame::OnLinkHandover() {
    QtAddLinkPrompt prompt;
    const quill::HandoverOutcome outcome = quill::HandOverLink(m_state, prompt);
    if (!outcome.appended) {
        return;
    }
    if (!outcome.saved) {
        ReportSaveFailure(m_state.m_linkFilePath);
    }
    // Nothing repaints under a closed dialog here: the page is drawn again now.
    if (m_pDocument != nullptr) {
        m_pDocument->UpdateAllViews();
    }
}

void CMainFrame::OnSettings() {
    CSettingsDlg dialog(*this, m_menuEntry);
    dialog.exec();
}

bool CMainFrame::OnCreate(CQuillboxDoc& document) {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setAcceptDrops(false);
    // The commands exist before the views, which hook themselves to them.
    m_parts = std::make_unique<FrameParts>(*this);
    m_parts->timers.Duties().SetLinkPickup(m_newLinkPickup.get());
    m_parts->commands.SetHandler(quill::kSettingsCommand, [this] { OnSettings(); });
    setCentralWidget(new CQuillboxView(*this, document));
    connect(&document, &CQuillboxDoc::TitleChanged, this, &CMainFrame::UpdateCaption);
    UpdateCaption();
    resize(360, 420);

    return true;
}

QAction* CMainFrame::Action(int commandId) const {
    return m_parts ? m_parts->commands.Action(commandId) : nullptr;
}

void CMainFrame::OnActivateApp(bool active) {
    if (m_parts) {
        m_parts->transparency.OnActivateApp(active);
    }
    if (!active) {
        emit StoreRequested();
        return;
    }
    quill::ReloadLists(m_state);
    if (m_pDocument) {
        m_pDocument->UpdateAllViews();
    }
}

void CMainFrame::setVisible(bool visible) {
    if (visible && !isVisible()) {
        KeepOffTaskbar(this);
    }
    QMainWindow::setVisible(visible);
}

void CMainFrame::SetViewAndDocument(CQuillboxView* tabView, CQuillboxDoc* document) {
    m_pTabView = tabView;
    m_pDocument = document;
}

void CMainFrame::StoreSettings() {
    emit StoreRequested();
    quill::StoreFrameSettings(m_state, m_profile);
}

void CMainFrame::ReportSaveFailure(const std::string& path) {
    ShowWarning(this, tr("Quillmark could not save your change to\n%1\n\n"
                         "The change is kept while the program runs, but the file still "
                         "holds the old list.")
                          .arg(QDir::toNativeSeparators(QString::fromStdString(path))));
}

void CMainFrame::ReportUnreadableFiles(const quill::ListsLoadReport& report) {
    QStringList unreadable;
    if (report.links == quill::LoadOutcome::LeftAlone) {
        unreadable << QString::fromStdString(m_state.m_linkFilePath);
    }
    if (report.tasks == quill::LoadOutcome::LeftAlone) {
        unreadable << QString::fromStdString(m_state.m_taskFilePath);
    }
    if (unreadable.isEmpty()) {
        return;
    }
    ShowWarning(this, tr("Quillmark could not read\n%1\n\nThe file was left as it is. Check "
                         "its permissions; its list stays empty until it can be read.")
                          .arg(QDir::toNativeSeparators(unreadable.join(QLatin1Char('\n')))));
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}

void CMainFrame::UpdateCaption() {
    const QString application = tr("Quillmark");
    const QString title = m_pDocument ? m_pDocument->GetTitle() : QString();
    setWindowTitle(title.isEmpty() ? application : title + QStringLiteral(" - ") + application);
}
