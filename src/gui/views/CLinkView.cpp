#include "views/CLinkView.h"

CLinkView::CLinkView(CMainFrame&, CQuillboxDoc&) {
    setObjectName(QStringLiteral("linkView"));
}
