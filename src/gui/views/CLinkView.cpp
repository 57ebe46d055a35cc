#include "gui/views/CLinkView.h"

#include "core/commands/LinkCommands.h"
#include "core/pages/LinksPage.h"
#include "gui/common/QtClock.h"
#include "gui/links/QtLinkDialogs.h"
#include "gui/tasks/QtTaskDialogs.h"
#include "gui/views/CQuillboxDoc.h"

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
