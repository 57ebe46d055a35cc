#pragma once

#include "core/tasks/TaskDialogs.h"

class QWidget;

// The task commands' dialogs as Qt dialogs over the frame.
class QtTaskDialogs : public quill::TaskDialogs {
public:
    explicit QtTaskDialogs(QWidget* parent) : m_parent(parent) {}

    std::optional<quill::TaskDraft> AskNewTask(const quill::TaskDraft& initial) override;
    std::optional<quill::TaskDraft> AskEditedTask(const quill::TaskDraft& initial) override;
    bool ConfirmDeleteTask() override;

private:
    QWidget* m_parent;
};
