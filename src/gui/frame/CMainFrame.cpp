#include "frame/CMainFrame.h"

#include "common/UserMessages.h"
#include "settings/QtProfile.h"
#include "views/CQuillboxDoc.h"
#include "views/CQuillboxView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>

CMainFrame::CMainFrame(QtProfile& profile, quill::FrameEnvironment environment)
    : m_profile(profile) {
    setObjectName(QStringLiteral("mainFrame"));
    m_loadReport = quill::ConstructFrameState(m_state, environment);
}

CMainFrame::~CMainFrame() {
    StoreSettings();
}

bool CMainFrame::OnCreate(CQuillboxDoc& document) {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setAcceptDrops(false);
    setCentralWidget(new CQuillboxView(*this, document));
    connect(&document, &CQuillboxDoc::TitleChanged, this, &CMainFrame::UpdateCaption);
    UpdateCaption();
    resize(360, 420);
    m_bAppActive = QGuiApplication::applicationState() == Qt::ApplicationActive;
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                // Only the program as a whole coming and going counts; moving
                // between its own windows gives no such change.
                const bool active = state == Qt::ApplicationActive;
                if (active != m_bAppActive) {
                    m_bAppActive = active;
                    OnActivateApp(active);
                }
            });
    return true;
}

QAction* CMainFrame::Action(int commandId) {
    auto [it, inserted] = m_actions.try_emplace(commandId, nullptr);
    if (inserted) {
        it->second = new QAction(this);
        it->second->setData(commandId);
        it->second->setObjectName(QStringLiteral("command%1").arg(commandId));
    }
    return it->second;
}

void CMainFrame::OnActivateApp(bool active) {
    if (!active) {
        emit StoreRequested();
        return;
    }
    const quill::ListsLoadReport report = quill::ReloadLists(m_state);
    if (m_pDocument) {
        m_pDocument->UpdateAllViews();
    }
    (void)report;
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
