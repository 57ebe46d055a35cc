#include "gui/views/CQuillboxView.h"

#include "gui/common/AfterFirstPaint.h"
#include "gui/views/CLinkView.h"
#include "gui/views/CNotesView.h"
#include "gui/views/CQuillboxDoc.h"
#include "gui/views/CTaskView.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

CQuillboxView::CQuillboxView(CQuillboxDoc& document, quill::Profile& profile, QWidget* parent)
    : QTabWidget(parent), m_document(document),
      m_notes(new CNotesView(profile, document.WorkingFolder())) {
    setObjectName(QStringLiteral("tabView"));
    setDocumentMode(true);
    addTab(m_notes, tr("Notes"));
    addTab(new CLinkView(document, document.Pages()), tr("Links"));
    addTab(new CTaskView(document, document.Pages()), tr("Tasks"));
    connect(this, &QTabWidget::currentChanged, this, &CQuillboxView::OnTabChanged);
    OnTabChanged(currentIndex());
    // A tray program starts at login, when nothing is in the file cache yet.
    new AfterFirstPaint(*window(), *this, [&document] { document.Pages().ReadAhead(); });
}

bool CQuillboxView::NotesInFront() const {
    return currentWidget() == m_notes;
}

void CQuillboxView::OnTabChanged(int index) {
    if (index < 0) {
        return;
    }
    // The active tab names the document, so the caption follows the tab.
    m_document.SetTitle(tabText(index));
    emit TabChanged(index);
}

QMenu* CQuillboxView::ContextMenu() {
    if (m_contextMenu == nullptr) {
        m_contextMenu = new QMenu(this);
        m_contextMenu->setObjectName(QStringLiteral("tabViewContextMenu"));
        const std::pair<QString, const char*> items[] = {
            {tr("Cu&t"), "cut"}, {tr("&Copy"), "copy"}, {tr("&Paste"), "paste"}};
        for (const auto& [text, slot] : items) {
            m_contextMenu->addAction(text, this, [slot = slot] {
                if (QWidget* focus = QApplication::focusWidget()) {
                    QMetaObject::invokeMethod(focus, slot);
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
