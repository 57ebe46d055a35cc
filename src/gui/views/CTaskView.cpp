#include "views/CTaskView.h"

#include "app/QtClock.h"
#include "frame/CMainFrame.h"
#include "pages/TasksPage.h"
#include "tasks/QtTaskDialogs.h"
#include "tasks/TaskCommands.h"

CTaskView::CTaskView(CMainFrame& frame, CQuillboxDoc& document)
    : CPageView(frame, document, QStringLiteral("tasks"), tr("Tasks")) {
    setObjectName(QStringLiteral("taskView"));
}

std::string CTaskView::WritePage() const {
    return quill::WriteTasksPage(Frame().State().m_tasks);
}

quill::CommandOutcome CTaskView::RunCommand(const QString& text) {
    QtTaskDialogs dialogs(window());
    QtClock clock;
    return quill::RunTaskCommand(text.toStdString(), Frame().State(), dialogs, clock);
}
