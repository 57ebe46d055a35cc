#include "gui/views/CTaskView.h"

#include "core/commands/TaskCommands.h"
#include "core/pages/TasksPage.h"
#include "gui/common/QtClock.h"
#include "gui/tasks/QtTaskDialogs.h"
#include "gui/views/CQuillboxDoc.h"

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
