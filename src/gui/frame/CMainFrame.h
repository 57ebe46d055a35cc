#pragma once

#include "frame/MainFrameState.h"

#include <QMainWindow>
#include <memory>
#include <string>

class QAction;
class QtProfile;
class CNewLinkPickup;
class CQuillboxDoc;
class CQuillboxView;
struct FrameParts;

// The program's one top-level window and the owner of its state for the whole run.
class CMainFrame : public QMainWindow {
    Q_OBJECT
public:
    // Reads the settings, runs the first-run import, resolves the file paths,
    // applies the browser menu entry and loads both lists. Creates no window parts.
    CMainFrame(QtProfile& profile, quill::FrameEnvironment environment);
    // Stores the settings and the first-run marker.
    ~CMainFrame() override;

    // Builds the window: styles and the tab view over the document.
    bool OnCreate(CQuillboxDoc& document);

    quill::MainFrameState& State() { return m_state; }
    const quill::MainFrameState& State() const { return m_state; }
    QtProfile& Profile() { return m_profile; }

    // Set once by the tab view after its three tabs exist.
    void SetViewAndDocument(CQuillboxView* tabView, CQuillboxDoc* document);
    CQuillboxView* m_pTabView = nullptr;
    CQuillboxDoc* m_pDocument = nullptr;

    // The one action of a command number, shared by the toolbar, the menus and
    // the views; null before OnCreate and for numbers the frame does not know.
    QAction* Action(int commandId) const;

    // The program became active (true) or inactive (false), once per switch
    // (FrameActivation decides). Inactive: the window takes its level's
    // translucency and the note is stored. Active: the window turns opaque,
    // both lists are read again and every view redraws.
    void OnActivateApp(bool active);

    // Writes "Percent", "IsOpened", "Integrate" and "Track mouse" now.
    void StoreSettings();

    // Tells the user that a change could not be written to the named file.
    void ReportSaveFailure(const std::string& path);
    // Tells the user about data files that exist but could not be read.
    void ReportUnreadableFiles(const quill::ListsLoadReport& report);
    const quill::ListsLoadReport& LoadReport() const { return m_loadReport; }

    // Browser hand-over: the poll tick's pickup of a waiting link (called on
    // every tick, whatever "Track mouse" says), and the hand-over it starts
    // right after the tick ("Add new link", then the link file).
    void PollNewLink();
    void OnLinkHandover();

public slots:
    // "&Settings" in the tray menu and toolbar button 1.
    void OnSettings();

    // Toolbar, tray, transparency and timers; null until OnCreate.
    FrameParts* Parts() const { return m_parts.get(); }

    // Every show keeps the window off the taskbar first.
    void setVisible(bool visible) override;

signals:
    // The window was closed by the user: the program ends.
    void Closed();
    // What only lives in widgets (the note) should be stored now.
    void StoreRequested();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void UpdateCaption();

    QtProfile& m_profile;
    quill::MainFrameState m_state;
    quill::ListsLoadReport m_loadReport;
    quill::BrowserMenuEntry& m_menuEntry;
    std::unique_ptr<CNewLinkPickup> m_newLinkPickup;
    std::unique_ptr<FrameParts> m_parts;
};
