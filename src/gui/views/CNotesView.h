#pragma once

#include <QPlainTextEdit>

class QMenu;
class QTimer;
namespace quill {
class Profile;
}

// The "Notes" tab: one plain-text note, kept in the profile as "Note text".
class CNotesView : public QPlainTextEdit {
    Q_OBJECT
public:
    // saveFolder: where "Save note to file" first looks (the working folder).
    CNotesView(quill::Profile& profile, const QString& saveFolder);
    // Stores the note one last time.
    ~CNotesView() override;

    // Writes the whole note to "Note text" in "Status" and tells the outcome.
    void StoreNote();
    // "Save note to file": asks for a file name and writes the note there.
    void OnSaveNoteToFile();
    // Pastes only when the clipboard offers text, and then as plain text.
    void OnPaste();

signals:
    // After every store of the note: whether the profile took it.
    void NoteWritten(bool written);

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    QMenu* ContextMenu();

    quill::Profile& m_profile;
    QString m_saveFolder; // where the save dialog was last left
    QMenu* m_contextMenu = nullptr;
    // Stores the note once typing has paused, so a crash loses only the last seconds.
    QTimer* m_storeAfterTyping = nullptr;
};
