#include "views/CLinkView.h"

#include "app/QtClock.h"
#include "frame/CMainFrame.h"
#include "links/LinkCommands.h"
#include "links/QtLinkDialogs.h"
#include "pages/LinksPage.h"
#include "tasks/QtTaskDialogs.h"

CLinkView::CLinkView(CMainFrame& frame, CQuillboxDoc& document)
    : CPageView(frame, document, QStringLiteral("links"), tr("Links")) {
    setObjectName(QStringLiteral("linkView"));
}

std::string CLinkView::WritePage() const {
    return quill::WriteLinksPage(Frame().State().m_links);
}

quill::CommandOutcome CLinkView::RunCommand(const QString& text) {
    QtLinkDialogs linkDialogs(window());
    QtTaskDialogs taskDialogs(window());
    QtClock clock;
    return quill::RunLinkCommand(text.toStdString(), Frame().State(),
                                 {linkDialogs, taskDialogs, clock});
}
