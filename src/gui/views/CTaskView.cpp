#include "views/CTaskView.h"

CTaskView::CTaskView(CMainFrame&, CQuillboxDoc&) {
    setObjectName(QStringLiteral("taskView"));
}
