#pragma once

#include "core/app/InstanceRequest.h"

#include <QObject>
#include <QString>
#include <memory>

class CMainFrame;
class CQuillboxDoc;
class QtProfile;
class TerminationSignals;
namespace quill {
class BrowserMenuEntry;
}

// The application object: owns the profile, the document and the main frame for
// the whole run, and starts and ends the program in order.
class CQuillboxApp : public QObject {
    Q_OBJECT
public:
    // workingFolder: where Data/ lies, for the whole run.
    explicit CQuillboxApp(const QString& workingFolder);
    ~CQuillboxApp() override;

    // Profile, document, frame (settings, first run, lists), window and tabs, in
    // that order; then shows the window. False when the program cannot start.
    bool InitInstance();
    // Ends the run: the frame goes (and stores its settings); returns the exit code.
    int ExitInstance(int exitCode);

    // A later start's request: show (and activate), hide or toggle the window,
    // answering the launch that made it.
    void OnInstanceRequest(const quill::InstanceMessage& launch);

    CMainFrame* GetMainFrame() const { return m_frame.get(); }
    CQuillboxDoc* GetDocument() const { return m_document.get(); }

    // The page file cannot be written, so the pages cannot be shown: says so,
    // keeps what a normal exit keeps and ends the program with status -1.
    void EndOnUnwritablePageFile();

private:
    QString m_workingFolder;
    std::unique_ptr<QtProfile> m_profile;
    std::unique_ptr<quill::BrowserMenuEntry> m_menuEntry;
    std::unique_ptr<CQuillboxDoc> m_document;
    std::unique_ptr<CMainFrame> m_frame;
    std::unique_ptr<TerminationSignals> m_termination;
};
