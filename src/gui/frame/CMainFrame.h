#pragma once

#include "frame/MainFrameState.h"

#include <QMainWindow>
#include <map>
#include <string>

class QAction;
class QtProfile;
class CQuillboxDoc;
class CQuillboxView;

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

    // The one action of a command number (see CommandIds.h), made on first use;
    // the toolbar, the menus and the views all share it.
    QAction* Action(int commandId);

    // The application became active (true) or inactive (false): on activation
    // both lists are read again and every view redraws.
    void OnActivateApp(bool active);

    // Writes "Percent", "IsOpened", "Integrate" and "Track mouse" now.
    void StoreSettings();

    // Tells the user that a change could not be written to the named file.
    void ReportSaveFailure(const std::string& path);
    // Tells the user about data files that exist but could not be read.
    void ReportUnreadableFiles(const quill::ListsLoadReport& report);
    const quill::ListsLoadReport& LoadReport() const { return m_loadReport; }

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
    std::map<int, QAction*> m_actions;
    bool m_bAppActive = false;
};
