#pragma once

#include <QTabWidget>

class CMainFrame;
class CQuillboxDoc;

// The frame's client area: the "Notes", "Links" and "Tasks" tabs over the one document.
class CQuillboxView : public QTabWidget {
    Q_OBJECT
public:
    CQuillboxView(CMainFrame& frame, CQuillboxDoc& document);

    CQuillboxDoc& GetDocument() const { return m_document; }

private:
    void OnTabChanged(int index);

    CMainFrame& m_frame;
    CQuillboxDoc& m_document;
};
