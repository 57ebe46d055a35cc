#pragma once

#include "gui/views/CPageView.h"

// The "Tasks" tab: the tasks page and its commands.
class CTaskView : public CPageView {
    Q_OBJECT
public:
    CTaskView(CQuillboxDoc& document, PagePlugin& pages);

protected:
    std::string WritePage() const override;
    bool RunCommand(const QString& text) override;
};
