#pragma once

#include <QPlainTextEdit>

class CMainFrame;
class CQuillboxDoc;

// The "Notes" tab: one plain-text note.
class CNotesView : public QPlainTextEdit {
    Q_OBJECT
public:
    CNotesView(CMainFrame& frame, CQuillboxDoc& document);

private:
    CMainFrame& m_frame;
    CQuillboxDoc& m_document;
};
