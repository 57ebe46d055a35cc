#include "gui/app/CQuillboxApp.h"

#include "core/frame/CommandTable.h"
#include "gui/common/CaretRest.h"
#include "gui/frame/CMainFrame.h"
#include "gui/platform/BrowserIntegration.h"
#include "gui/platform/LauncherActivation.h"
#include "gui/platform/TerminationSignals.h"
#include "gui/views/CQuillboxDoc.h"
#include "profile/QtProfile.h"

#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

namespace {

// As long as common desktop text fields keep blinking after the last key.
constexpr int kCaretRestMs = 10000;

} // namespace

CQuillboxApp::CQuillboxApp(const QString& workingFolder) : m_workingFolder(workingFolder) {}

CQuillboxApp::~CQuillboxApp() {
    ExitInstance(0);
}

bool CQuillboxApp::InitInstance() {
    // A tool window does not keep the program alive; it ends when the frame closes.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/quillmark.png")));

    // Caught from the start: a signal during a slow start ends the program in
    // order once its window exists, instead of killing it halfway.
    m_termination = std::make_unique<TerminationSignals>();
    m_profile = std::make_unique<QtProfile>();
    m_menuEntry = CreateBrowserMenuEntry(LinkHostProgramPath());
    m_document = std::make_unique<CQuillboxDoc>(m_workingFolder);
    quill::StartEnvironment environment{*m_profile, *m_menuEntry, m_workingFolder.toStdString()};
    m_frame = std::make_unique<CMainFrame>(*m_profile, *m_document, environment);
    connect(m_document.get(), &CQuillboxDoc::PageFileFailed, this,
            &CQuillboxApp::EndOnUnwritablePageFile);
    if (!m_frame->OnCreate()) {
        return false;
    }
    m_document->OnNewDocument();

    connect(m_frame.get(), &CMainFrame::Closed, qApp, [] { QCoreApplication::quit(); });
    connect(m_termination.get(), &TerminationSignals::Requested, m_frame.get(), [this] {
        m_frame->ReportToLogOnly();
        m_frame->close();
    });
    // At the end of the desktop session the settings are stored at once, in
    // case the session does not give the program time to end in order.
    connect(qApp, &QGuiApplication::commitDataRequest, m_frame.get(), &CMainFrame::StoreSettings);

    m_frame->show();
    QTimer::singleShot(0, m_frame.get(), &CMainFrame::ReportUnreadableFiles);
    new CaretRest(kCaretRestMs, this);
    return true;
}

void CQuillboxApp::EndOnUnwritablePageFile() {
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Quillmark"),
                    QStringLiteral("Ups! Cant open data file"), QMessageBox::Ok, m_frame.get());
    box.setObjectName(QStringLiteral("pageFileMessage"));
    box.exec();
    m_frame->StoreSettings();
    m_profile->Flush();
    QCoreApplication::exit(-1);
}

void CQuillboxApp::OnInstanceRequest(const quill::InstanceMessage& launch) {
    if (!m_frame) {
        return;
    }
    BeginLauncherActivation(m_frame.get(), launch);
    switch (launch.request) {
    case quill::InstanceRequest::Toggle:
        m_frame->ToggleWindow();
        break;
    case quill::InstanceRequest::Hide:
        m_frame->Action(quill::kHideWindowCommand)->trigger();
        break;
    case quill::InstanceRequest::Show:
        m_frame->Action(quill::kShowWindowCommand)->trigger();
        // Shown again, or already shown but behind other windows: bring it forward.
        m_frame->raise();
        m_frame->activateWindow();
        break;
    }
    FinishLauncherActivation(m_frame.get(), launch);
}

namespace {
constexpr int kEndLockWaitMs = 2000;
} // namespace

int CQuillboxApp::ExitInstance(int exitCode) {
    m_termination.reset();
    if (m_frame) {
        // Stored here, while a failure can still be reported; the frame's
        // destructor stores once more without a word.
        m_frame->StoreSettings();
        // Values still waiting for a lock held elsewhere get a last short wait.
        m_frame->ReportProfileWrite(m_profile->Flush(kEndLockWaitMs));
    }
    m_frame.reset();
    m_document.reset();
    m_menuEntry.reset();
    m_profile.reset();
    return exitCode;
}
