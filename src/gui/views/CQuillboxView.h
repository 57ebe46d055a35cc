#pragma once

#include <QTabWidget>

class CNotesView;
class CQuillboxDoc;
class QMenu;
namespace quill {
class Profile;
}

// The frame's client area: the "Notes", "Links" and "Tasks" tabs over the one document.
class CQuillboxView : public QTabWidget {
    Q_OBJECT
public:
    CQuillboxView(CQuillboxDoc& document, quill::Profile& profile, QWidget* parent);

    CQuillboxDoc& GetDocument() const { return m_document; }
    CNotesView* Notes() const { return m_notes; }
    // Whether the note is the tab in front.
    bool NotesInFront() const;

signals:
    // Another tab came to the front (the caption already follows it).
    void TabChanged(int index);

protected:
    // "Cu&t", "&Copy" and "&Paste", acting on the view with the focus.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void OnTabChanged(int index);
    QMenu* ContextMenu();

    CQuillboxDoc& m_document;
    CNotesView* m_notes;
    QMenu* m_contextMenu = nullptr;
};
