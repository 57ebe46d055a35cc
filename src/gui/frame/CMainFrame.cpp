#include "gui/frame/CMainFrame.h"

#include "core/frame/CommandTable.h"
#include "gui/common/UserMessages.h"
#include "gui/frame/DataFilesWatch.h"
#include "gui/frame/FrameActivation.h"
#include "gui/frame/FrameParts.h"
#include "gui/integration/CNewLinkPickup.h"
#include "gui/integration/LinkPickupWatch.h"
#include "gui/integration/QtAddLinkPrompt.h"
#include "gui/platform/WindowSystem.h"
#include "gui/settings/CSettingsDlg.h"
#include "gui/views/CNotesView.h"
#include "gui/views/CQuillboxDoc.h"
#include "gui/views/CQuillboxView.h"
#include "profile/QtProfile.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QTimer>
#include <QToolButton>

CMainFrame::CMainFrame(QtProfile& profile, CQuillboxDoc& document,
                       quill::StartEnvironment environment)
    : m_profile(profile), m_document(document), m_menuEntry(environment.menuEntry),
      m_start(quill::StartProgram(environment, document.Store())) {
    setObjectName(QStringLiteral("mainFrame"));
    // The hand-over runs just after the tick, not inside it: Qt does not fire a
    // timer again while its handler runs, so a dialog opened inside the tick
    // would stop every later tick (and a second hand-over) until it closed.
    m_newLinkPickup = std::make_unique<CNewLinkPickup>(m_profile, [this](quill::QueuedLink link) {
        QTimer::singleShot(0, this, [this, link] { OnLinkHandover(link); });
    });
    // Values that waited for the profile's lock, or for a folder that could
    // not be written, are written later: a failure then is reported as well.
    m_profile.OnRetried([this](bool written) { ReportProfileWrite(written); });
}

CMainFrame::~CMainFrame() {
    m_destroying = true;
    m_profile.OnRetried(nullptr);
    m_parts.reset(); // timers stop and the tray icon goes before anything else
    // The tabs go while the frame is still whole: the note reports its last
    // store to it.
    m_tabView = nullptr;
    delete takeCentralWidget();
    StoreSettings();
}

void CMainFrame::OnLinkHandover(const quill::QueuedLink& link) {
    QtAddLinkPrompt prompt([this] { return m_closing; });
    switch (quill::AnswerQueuedLink(m_document.Store(), prompt, m_newLinkPickup->Inbox(), link)) {
    case quill::HandOverResult::NotAnswered:
        return; // the program is ending: the link stays pending for the next start
    case quill::HandOverResult::Refused:
        ShowWarning(nullptr, tr("A link handed over from the web browser was not added: "
                                "only web, FTP, file and mail addresses can be added.\n\n%1")
                                 .arg(QString::fromUtf8(link.href.substr(0, 200))));
        break;
    case quill::HandOverResult::Added:
    case quill::HandOverResult::NotSaved:
        // Nothing repaints under a closed dialog here: the page is drawn again now.
        m_document.UpdateAllViews();
        break;
    case quill::HandOverResult::Declined:
        break;
    }
    m_newLinkPickup->Answered();
}

void CMainFrame::OnSettings() {
    CSettingsDlg dialog(m_document, m_settings, m_menuEntry);
    dialog.exec();
}

void CMainFrame::ToggleWindow() {
    if (m_parts) {
        m_parts->tray.Toggle();
    }
}

bool CMainFrame::OnCreate() {
    // A tray's tool window until the tray says otherwise: the parts see the
    // window as it mostly is.
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint);
    setAcceptDrops(false);
    m_parts = std::make_unique<FrameParts>(*this, m_document, m_settings, m_profile);
    SetTrayMode(m_parts->tray.TrayMode());
    connect(&m_parts->tray, &FrameTray::TrayModeChanged, this, &CMainFrame::SetTrayMode);
    m_parts->timers.Duties().SetLinkPickup(
        new LinkPickupWatch(*m_newLinkPickup, m_profile.Path(), this));
    m_parts->commands.SetHandler(quill::kSettingsCommand, [this] { OnSettings(); });
    m_tabView = new CQuillboxView(m_document, m_profile, this);
    setCentralWidget(m_tabView);
    m_tabView->setCornerWidget(m_parts->tray.MenuButton(), Qt::TopRightCorner);
    connect(m_tabView, &CQuillboxView::TabChanged, this, &CMainFrame::OnTabChanged);
    connect(this, &CMainFrame::StoreRequested, m_tabView->Notes(), &CNotesView::StoreNote);
    connect(m_tabView->Notes(), &CNotesView::NoteWritten, this, &CMainFrame::ReportProfileWrite);
    OnTabChanged();
    connect(&m_document, &CQuillboxDoc::TitleChanged, this, &CMainFrame::UpdateCaption);
    connect(
        &m_document, &CQuillboxDoc::SaveFailed, this,
        [this](const QString& path, const QString& cause) { ShowSaveFailure(this, path, cause); });
    UpdateCaption();
    resize(360, 420);

    new FrameActivation(*this, [this](bool active) { OnActivateApp(active); });
    new DataFilesWatch(
        m_document.Store(), [this] { ReloadLists(); }, this);
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
        m_parts->timers.Duties().OnProgramActive(active);
    }
    if (!active) {
        emit StoreRequested();
        return;
    }
    ReloadLists();
}

void CMainFrame::ReloadLists() {
    m_document.Store().Reload();
    m_document.UpdateAllViews();
}

void CMainFrame::setVisible(bool visible) {
    if (visible && !isVisible() && m_trayMode) {
        KeepOffTaskbar(this);
    }
    QMainWindow::setVisible(visible);
}

void CMainFrame::SetTrayMode(bool trayMode) {
    m_trayMode = trayMode;
    const Qt::WindowFlags kind = trayMode ? Qt::Tool : Qt::Window;
    if (windowFlags() == (kind | Qt::WindowStaysOnTopHint)) {
        return;
    }
    // A new kind takes the window down; a shown one comes back as it was.
    const bool shown = isVisible();
    const Qt::WindowStates state = windowState();
    setWindowFlags(kind | Qt::WindowStaysOnTopHint);
    if (shown) {
        setWindowState(state);
        show();
    }
}

void CMainFrame::StoreSettings() {
    emit StoreRequested();
    ReportProfileWrite(quill::StoreFrameSettings(m_settings.Get(), m_profile));
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
    if (m_reportToLogOnly) {
        qWarning("Quillmark could not write the note and the settings to %s",
                 qPrintable(QDir::toNativeSeparators(m_profile.Path())));
        return;
    }
    ShowWarning(this, tr("Quillmark could not write the note and the settings to\n%1\n\n"
                         "They are kept while the program runs and tried again. Check that "
                         "the file is an ordinary file (at most 8 MB) and that it and its "
                         "folder can be written.")
                          .arg(QDir::toNativeSeparators(m_profile.Path())));
}

void CMainFrame::ReportUnreadableFiles() {
    QStringList unreadable;
    QStringList notFiles;
    QStringList tooLarge;
    const quill::ListStore& store = m_document.Store();
    auto sort = [&](quill::LoadOutcome outcome, const std::string& path,
                    const quill::FileError& cause) {
        if (outcome == quill::LoadOutcome::LeftAlone) {
            unreadable << QString::fromStdString(path) + QStringLiteral(": ") +
                              QString::fromStdString(quill::DescribeCause(cause));
        } else if (outcome == quill::LoadOutcome::NotAFile) {
            notFiles << QString::fromStdString(path);
        } else if (outcome == quill::LoadOutcome::TooLarge) {
            tooLarge << QString::fromStdString(path);
        }
    };
    sort(m_start.lists.links, store.LinkFilePath(), m_start.lists.linksError);
    sort(m_start.lists.tasks, store.TaskFilePath(), m_start.lists.tasksError);
    if (!notFiles.isEmpty()) {
        ShowWarning(this, tr("Quillmark could not read\n%1\n\nThis is not an ordinary file "
                             "(a folder, pipe or device). It was left as it is and will not "
                             "be written; its list stays empty.")
                              .arg(QDir::toNativeSeparators(notFiles.join(QLatin1Char('\n')))));
    }
    if (!tooLarge.isEmpty()) {
        ShowWarning(this, tr("Quillmark could not read\n%1\n\nThe file is larger than %2 MB, "
                             "which no list of Quillmark's is. It was left as it is and will "
                             "not be written; its list stays empty.")
                              .arg(QDir::toNativeSeparators(tooLarge.join(QLatin1Char('\n'))))
                              .arg(quill::kMaxDataFileBytes >> 20));
    }
    if (unreadable.isEmpty()) {
        return;
    }
    ShowWarning(this, tr("Quillmark could not read\n%1\n\nThe file was left as it is. Check "
                         "its permissions; its list stays empty until it can be read.")
                          .arg(QDir::toNativeSeparators(unreadable.join(QLatin1Char('\n')))));
}

bool CMainFrame::event(QEvent* event) {
    if (m_parts) {
        m_parts->tray.OnFrameEvent(*event);
        m_parts->showing.OnFrameEvent(*event);
        m_parts->timers.OnFrameEvent(*event);
    }
    return QMainWindow::event(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    m_closing = true;
    event->accept();
    emit Closed();
}

void CMainFrame::UpdateCaption() {
    const QString application = tr("Quillmark");
    const QString title = m_document.GetTitle();
    setWindowTitle(title.isEmpty() ? application : title + QStringLiteral(" - ") + application);
}
