#include "views/CTaskView.h"

#include "commands/TaskCommands.h"
#include "common/QtClock.h"
#include "pages/TasksPage.h"
#include "tasks/QtTaskDialogs.h"
#include "views/CQuillboxDoc.h"

CTaskView::CTaskView(CQuillboxDoc& document, PagePlugin& pages)
    : CPageView(document, pages, QStringLiteral("tasks"), tr("Tasks")) {
    setObjectName(QStringLiteral("taskView"));
}

std::string CTaskView::WritePage() const {
    return quill::WriteTasksPage(Document().Store().Tasks());
}

bool CTaskView::RunCommand(const QString& text) {
    QtTaskDialogs dialogs(window());
    QtClock clock;
    return quill::RunTaskCommand(text.toStdString(), Document().Store(), dialogs, clock);
}
