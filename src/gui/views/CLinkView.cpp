#include "views/CLinkView.h"

#include "commands/LinkCommands.h"
#include "common/QtClock.h"
#include "links/QtLinkDialogs.h"
#include "pages/LinksPage.h"
#include "tasks/QtTaskDialogs.h"
#include "views/CQuillboxDoc.h"

CLinkView::CLinkView(CQuillboxDoc& document, PagePlugin& pages)
    : CPageView(document, pages, QStringLiteral("links"), tr("Links")) {
    setObjectName(QStringLiteral("linkView"));
}

std::string CLinkView::WritePage() const {
    return quill::WriteLinksPage(Document().Store().Links());
}

bool CLinkView::RunCommand(const QString& text) {
    QtLinkDialogs linkDialogs(window());
    QtTaskDialogs taskDialogs(window());
    QtClock clock;
    return quill::RunLinkCommand(text.toStdString(), Document().Store(),
                                 {linkDialogs, taskDialogs, clock});
}
