#include "views/CNotesView.h"

#include "frame/CMainFrame.h"
#include "views/CQuillboxDoc.h"

CNotesView::CNotesView(CMainFrame& frame, CQuillboxDoc& document)
    : m_frame(frame), m_document(document) {
    setObjectName(QStringLiteral("notesView"));
}
