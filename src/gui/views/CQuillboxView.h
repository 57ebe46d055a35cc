#pragma once

#include <QTabWidget>

class CMainFrame;
class CQuillboxDoc;
class QMenu;

// The frame's client area: the "Notes", "Links" and "Tasks" tabs over the one document.
class CQuillboxView : public QTabWidget {
    Q_OBJECT
public:
    CQuillboxView(CMainFrame& frame, CQuillboxDoc& document);

    CQuillboxDoc& GetDocument() const { return m_document; }

protected:
    // "Cu&t", "&Copy" and "&Paste", acting on the view with the focus.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnTabChanged(int index);
    QMenu* ContextMenu();

    CMainFrame& m_frame;
    CQuillboxDoc& m_document;
    QMenu* m_contextMenu = nullptr;
};
