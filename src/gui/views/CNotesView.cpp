#include "gui/views/CNotesView.h"

#include "core/files/SafeFile.h"
#include "core/settings/ProfileValues.h"
#include "core/text/NoteFileName.h"
#include "gui/common/UserMessages.h"
#include "profile/QtProfile.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTimer>

CNotesView::CNotesView(quill::Profile& profile, const QString& saveFolder)
    : m_profile(profile), m_saveFolder(saveFolder) {
    setObjectName(QStringLiteral("notesView"));
    QFont font(QStringLiteral("Courier New"), 10);
    font.setStyleHint(QFont::TypeWriter);
    setFont(font);
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setAcceptDrops(true); // text may be dropped; files are refused below

    const std::string note = quill::ReadString(m_profile, quill::values::kNoteText);
    setPlainText(QString::fromStdString(note));
    moveCursor(QTextCursor::Start);
    document()->clearUndoRedoStacks();
    document()->setModified(false);
    setFocus();

    m_storeAfterTyping = new QTimer(this);
    m_storeAfterTyping->setObjectName(QStringLiteral("noteStoreTimer"));
    m_storeAfterTyping->setSingleShot(true);
    m_storeAfterTyping->setInterval(2000);
    connect(m_storeAfterTyping, &QTimer::timeout, this, &CNotesView::StoreNote);
    connect(document(), &QTextDocument::contentsChanged, m_storeAfterTyping,
            qOverload<>(&QTimer::start));
}

CNotesView::~CNotesView() {
    StoreNote();
}

void CNotesView::StoreNote() {
    m_storeAfterTyping->stop();
    emit NoteWritten(
        quill::WriteString(m_profile, quill::values::kNoteText, toPlainText().toStdString()));
}

void CNotesView::OnSaveNoteToFile() {
    QFileDialog dialog(this, tr("Save note to file"), m_saveFolder);
    dialog.setObjectName(QStringLiteral("saveNoteDialog"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.setNameFilter(tr("Text files (*.txt)"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.selectFile(
        QString::fromStdString(quill::ProposedNoteFileName(toPlainText().toStdString())));
    const int answer = dialog.exec();
    m_saveFolder = dialog.directory().absolutePath();
    if (answer != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const QString path = dialog.selectedFiles().constFirst();
    const QByteArray bytes = toPlainText().toUtf8();
    quill::FileError error;
    if (!quill::ReplaceFileContents(path.toStdString(), bytes.toStdString(),
                                    quill::Durability::Synced, &error)) {
        ShowWarning(this, tr("Quillmark could not write the note to\n%1:\n%2")
                              .arg(QDir::toNativeSeparators(path),
                                   QString::fromStdString(quill::DescribeCause(error))));
        return;
    }
    moveCursor(QTextCursor::Start);
}

void CNotesView::OnPaste() {
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    if (offered && offered->hasText()) {
        paste();
    }
}

// Dragged files are refused; the clipboard's text is pasted whatever else it
// offers (a browser puts a copied address there as a URL list too).
bool CNotesView::canInsertFromMimeData(const QMimeData* source) const {
    return source->hasText() && !source->hasUrls();
}

void CNotesView::insertFromMimeData(const QMimeData* source) {
    if (source->hasText()) {
        textCursor().insertText(source->text());
    }
}

QMenu* CNotesView::ContextMenu() {
    if (!m_contextMenu) {
        m_contextMenu = new QMenu(this);
        m_contextMenu->setObjectName(QStringLiteral("notesContextMenu"));
        m_contextMenu->addAction(tr("Cu&t"), this, &QPlainTextEdit::cut);
        m_contextMenu->addAction(tr("&Copy"), this, &QPlainTextEdit::copy);
        m_contextMenu->addAction(tr("&Paste"), this, &CNotesView::OnPaste);
    }
    return m_contextMenu;
}

void CNotesView::contextMenuEvent(QContextMenuEvent* event) {
    QPoint at = event->globalPos();
    if (event->reason() == QContextMenuEvent::Mouse) {
        // A right click inside a real selection keeps it; elsewhere it moves the caret.
        const QTextCursor current = textCursor();
        if (current.selectionEnd() - current.selectionStart() <= 1) {
            setTextCursor(cursorForPosition(event->pos()));
        }
    } else {
        at = viewport()->mapToGlobal(cursorRect().bottomLeft());
    }
    ContextMenu()->popup(at);
}
