#pragma once

#include "core/startup/ProgramStart.h"
#include "gui/settings/FrameSettingsOwner.h"

#include <QMainWindow>
#include <memory>
#include <string>

class QAction;
class QtProfile;
class CNewLinkPickup;
class CQuillboxDoc;
class CQuillboxView;
struct FrameParts;
namespace quill {
struct QueuedLink;
}

// The program's one top-level window; it owns the settings for the whole run.
//
// Showing, hiding and activation: FrameCommands' ShowWindow and HideWindow
// (tray, menus, a later start) show, hide or minimise the window; then, in order:
// 1. setVisible (here): a show in tray mode first keeps the window off the taskbar.
// 2. FrameActivation, a filter on the whole program, tells OnActivateApp of each
//    switch (opacity, lists read again) and returns the focus when a dialog closes.
// 3. event (here) hands the frame's events on: FrameTray watches for a tray to
//    come (back) while the window is away; FrameShowing places, raises and
//    activates the window it shows; FrameTimers starts and stops the cursor poll.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Reads the settings, runs the first-run import, resolves the file paths,
    // applies the browser menu entry and loads both lists into the document.
    // Creates no window parts.
    CMainFrame(QtProfile& profile, CQuillboxDoc& document, quill::StartEnvironment environment);
    // Stores the settings and the first-run marker.
    ~CMainFrame() override;

    // Builds the window: styles, toolbar, tray, timers and the tab view.
    bool OnCreate();

    // The one action of a command number, shared by the toolbar, the menus and
    // the accelerators; null before OnCreate and for numbers the frame does not know.
    QAction* Action(int commandId) const;

    // The program became active (true) or inactive (false), once per switch
    // (FrameActivation decides). Inactive: the window takes its level's
    // translucency and the note is stored. Active: the window turns opaque,
    // both lists are read again and every view redraws.
    void OnActivateApp(bool active);

    // Writes the note, "Percent", "IsOpened", "Integrate" and "Track mouse" now.
    void StoreSettings();
    // Told the outcome of every write of the note or the settings: the first
    // failure is reported, naming the profile file; after that the user hears
    // again only once a write has succeeded in between.
    void ReportProfileWrite(bool written);
    // Ending on a signal (logout, kill): failures go to the log, since no one
    // may be there to close a message box.
    void ReportToLogOnly() { m_reportToLogOnly = true; }

    // Tells the user about data files that exist but could not be read at start.
    void ReportUnreadableFiles();

    // Browser hand-over: the offer of one waiting link, started right after
    // the pickup found it ("Add new link", then the link file).
    void OnLinkHandover(const quill::QueuedLink& link);

public slots:
    // "&Settings" in the tray menu and toolbar button 1.
    void OnSettings();
    // Hides a shown window, shows a hidden one: a left click on the tray icon.
    void ToggleWindow();

    // With a tray, every show keeps the window off the taskbar first.
    void setVisible(bool visible) override;
    // A tool window off the taskbar while a tray holds the way back (true),
    // else an ordinary window the desktop lists and minimises.
    void SetTrayMode(bool trayMode);

signals:
    // The window was closed by the user: the program ends.
    void Closed();
    // What only lives in widgets (the note) should be stored now.
    void StoreRequested();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // Both lists read again (reminder marks kept), every view redrawn: on
    // activation and when another program changed a data file.
    void ReloadLists();
    void UpdateCaption();
    void OnTabChanged();

    QtProfile& m_profile;
    CQuillboxDoc& m_document;
    quill::BrowserMenuEntry& m_menuEntry;
    quill::StartReport m_start;
    FrameSettingsOwner m_settings{m_start.settings};
    std::unique_ptr<CNewLinkPickup> m_newLinkPickup;
    std::unique_ptr<FrameParts> m_parts;
    CQuillboxView* m_tabView = nullptr;
    bool m_profileFailureReported = false;
    bool m_closing = false; // the program is ending: open dialogs are no answer
    bool m_destroying = false;
    bool m_trayMode = true;
    bool m_reportToLogOnly = false;
};
