#include "views/CQuillboxView.h"

#include "frame/CMainFrame.h"
#include "views/CLinkView.h"
#include "views/CNotesView.h"
#include "views/CQuillboxDoc.h"
#include "views/CTaskView.h"

CQuillboxView::CQuillboxView(CMainFrame& frame, CQuillboxDoc& document)
    : QTabWidget(&frame), m_document(document) {
    setObjectName(QStringLiteral("tabView"));
    setDocumentMode(true);
    // The views are created before the frame learns of the tab view and the
    // document, so none of them may rely on those two pointers while constructed.
    addTab(new CNotesView(frame, document), tr("Notes"));
    addTab(new CLinkView(frame, document), tr("Links"));
    addTab(new CTaskView(frame, document), tr("Tasks"));
    frame.SetViewAndDocument(this, &document);
}
