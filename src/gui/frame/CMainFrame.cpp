#include "frame/CMainFrame.h"

#include "QtProfile.h"
#include "WindowSystem.h"
#include "common/UserMessages.h"
#include "frame/CommandTable.h"
#include "frame/FrameActivation.h"
#include "frame/FrameParts.h"
#include "frame/FrameShowing.h"
#include "integration/CNewLinkPickup.h"
#include "integration/LinkPickupWatch.h"
#include "integration/QtAddLinkPrompt.h"
#include "settings/CSettingsDlg.h"
#include "views/CNotesView.h"
#include "views/CQuillboxDoc.h"
#include "views/CQuillboxView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QTimer>

CMainFrame::CMainFrame(QtProfile& profile, CQuillboxDoc& document,
                       quill::StartEnvironment environment)
    : m_profile(profile), m_document(document), m_menuEntry(environment.menuEntry),
      m_start(quill::StartProgram(environment, document.Store())) {
    setObjectName(QStringLiteral("mainFrame"));
    // The hand-over runs just after the tick, not inside it: Qt does not fire a
    // timer again while its handler runs, so a dialog opened inside the tick
    // would stop every later tick (and a second hand-over) until it closed.
    m_newLinkPickup =
        std::make_unique<CNewLinkPickup>(m_profile, [this](std::string href, std::string text) {
            QTimer::singleShot(0, this, [this, href, text] { OnLinkHandover(href, text); });
        });
}

CMainFrame::~CMainFrame() {
    m_destroying = true;
    m_parts.reset(); // timers stop and the tray icon goes before anything else
    // The tabs go while the frame is still whole: the note reports its last
    // store to it.
    m_tabView = nullptr;
    delete takeCentralWidget();
    StoreSettings();
}

void CMainFrame::PollNewLink() {
    m_newLinkPickup->OnPollTick();
}

void CMainFrame::OnLinkHandover(const std::string& href, const std::string& text) {
    QtAddLinkPrompt prompt;
    if (quill::HandOverLink(m_document.Store(), prompt, href, text)) {
        // Nothing repaints under a closed dialog here: the page is drawn again now.
        m_document.UpdateAllViews();
    }
}

void CMainFrame::OnSettings() {
    CSettingsDlg dialog(m_document, m_settings, m_menuEntry);
    dialog.exec();
    if (m_parts) {
        m_parts->timers.Duties().Refresh(); // "Track mouse" may have changed
    }
}

bool CMainFrame::OnCreate() {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setAcceptDrops(false);
    m_parts = std::make_unique<FrameParts>(*this, m_document, m_settings, m_profile);
    m_parts->timers.Duties().SetLinkPickup(
        new LinkPickupWatch(*m_newLinkPickup, m_profile.Settings().fileName(), this));
    m_parts->commands.SetHandler(quill::kSettingsCommand, [this] { OnSettings(); });
    m_tabView = new CQuillboxView(m_document, m_profile, this);
    setCentralWidget(m_tabView);
    connect(m_tabView, &CQuillboxView::TabChanged, this, &CMainFrame::OnTabChanged);
    connect(this, &CMainFrame::StoreRequested, m_tabView->Notes(), &CNotesView::StoreNote);
    connect(m_tabView->Notes(), &CNotesView::NoteWritten, this, &CMainFrame::ReportProfileWrite);
    OnTabChanged();
    connect(&m_document, &CQuillboxDoc::TitleChanged, this, &CMainFrame::UpdateCaption);
    connect(&m_document, &CQuillboxDoc::SaveFailed, this,
            [this](const QString& path) { ShowSaveFailure(this, path); });
    UpdateCaption();
    resize(360, 420);

    new FrameActivation(*this, [this](bool active) { OnActivateApp(active); });
    new FrameShowing(*this);
    StayHiddenWhileHidden(*this);
    return true;
}

// Saving the note is offered only while the note is in front.
void CMainFrame::OnTabChanged() {
    std::function<void()> saveNote;
    if (m_tabView->NotesInFront()) {
        saveNote = [notes = m_tabView->Notes()] { notes->OnSaveNoteToFile(); };
    }
    m_parts->commands.SetHandler(quill::kSaveNoteCommand, std::move(saveNote));
}

QAction* CMainFrame::Action(int commandId) const {
    return m_parts ? m_parts->commands.Action(commandId) : nullptr;
}

void CMainFrame::OnActivateApp(bool active) {
    if (m_parts) {
        m_parts->transparency.OnActivateApp(active);
        m_parts->timers.Duties().Refresh();
    }
    if (!active) {
        emit StoreRequested();
        return;
    }
    m_document.Store().Reload();
    m_document.UpdateAllViews();
}

void CMainFrame::setVisible(bool visible) {
    if (visible && !isVisible()) {
        KeepOffTaskbar(this);
    }
    QMainWindow::setVisible(visible);
}

void CMainFrame::StoreSettings() {
    emit StoreRequested();
    ReportProfileWrite(quill::StoreFrameSettings(m_settings, m_profile));
}

void CMainFrame::ReportProfileWrite(bool written) {
    if (written) {
        m_profileFailureReported = false;
        return;
    }
    // No message box from inside the destructor: the program reports a failure
    // at its end before the frame goes (CQuillboxApp::ExitInstance).
    if (m_profileFailureReported || m_destroying) {
        return;
    }
    m_profileFailureReported = true;
    ShowWarning(this, tr("Quillmark could not write the note and the settings to\n%1\n\n"
                         "They are kept while the program runs. Check that the file and its "
                         "folder can be written.")
                          .arg(QDir::toNativeSeparators(m_profile.Settings().fileName())));
}

void CMainFrame::ReportUnreadableFiles() {
    QStringList unreadable;
    QStringList notFiles;
    const quill::ListStore& store = m_document.Store();
    auto sort = [&](quill::LoadOutcome outcome, const std::string& path) {
        if (outcome == quill::LoadOutcome::LeftAlone) {
            unreadable << QString::fromStdString(path);
        } else if (outcome == quill::LoadOutcome::NotAFile) {
            notFiles << QString::fromStdString(path);
        }
    };
    sort(m_start.lists.links, store.LinkFilePath());
    sort(m_start.lists.tasks, store.TaskFilePath());
    if (!notFiles.isEmpty()) {
        ShowWarning(this, tr("Quillmark could not read\n%1\n\nThis is not an ordinary file "
                             "(a folder, pipe or device). It was left as it is and will not "
                             "be written; its list stays empty.")
                              .arg(QDir::toNativeSeparators(notFiles.join(QLatin1Char('\n')))));
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
    const QString title = m_document.GetTitle();
    setWindowTitle(title.isEmpty() ? application : title + QStringLiteral(" - ") + application);
}
