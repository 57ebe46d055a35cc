#include "views/CQuillboxView.h"

#include "frame/CMainFrame.h"
#include "frame/FrameParts.h"
#include "frame/ToolbarLayout.h"
#include "views/CLinkView.h"
#include "views/CNotesView.h"
#include "views/CQuillboxDoc.h"
#include "views/CTaskView.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>

CQuillboxView::CQuillboxView(CMainFrame& frame, CQuillboxDoc& document)
    : QTabWidget(&frame), m_frame(frame), m_document(document) {
    setObjectName(QStringLiteral("tabView"));
    setDocumentMode(true);
    // The views are created before the frame learns of the tab view and the
    // document, so none of them may rely on those two pointers while constructed.
    addTab(new CNotesView(frame, document), tr("Notes"));
    addTab(new CLinkView(frame, document), tr("Links"));
    addTab(new CTaskView(frame, document), tr("Tasks"));
    frame.SetViewAndDocument(this, &document);
    connect(this, &QTabWidget::currentChanged, this, &CQuillboxView::OnTabChanged);
    OnTabChanged(currentIndex());
}

void CQuillboxView::OnTabChanged(int index) {
    if (index < 0) {
        return;
    }
    // The active tab names the document, so the caption follows the tab; saving
    // the note is offered only while the note is in front.
    m_document.SetTitle(tabText(index));
    std::function<void()> saveNote;
    if (auto* notes = qobject_cast<CNotesView*>(widget(index))) {
        saveNote = [notes] { notes->OnSaveNoteToFile(); };
    }
    m_frame.Parts()->commands.SetHandler(quill::kSaveNoteCommand, std::move(saveNote));
}

QMenu* CQuillboxView::ContextMenu() {
    if (m_contextMenu == nullptr) {
        m_contextMenu = new QMenu(this);
        m_contextMenu->setObjectName(QStringLiteral("tabViewContextMenu"));
        const std::pair<QString, int> items[] = {{tr("Cu&t"), quill::kCutCommand},
                                                 {tr("&Copy"), quill::kCopyCommand},
                                                 {tr("&Paste"), quill::kPasteCommand}};
        for (const auto& [text, id] : items) {
            m_contextMenu->addAction(text, this, [this, id = id] {
                if (QAction* command = m_frame.Action(id)) {
                    command->trigger();
                }
            });
        }
    }
    return m_contextMenu;
}

void CQuillboxView::contextMenuEvent(QContextMenuEvent* event) {
    ContextMenu()->popup(event->globalPos());
    event->accept();
}
