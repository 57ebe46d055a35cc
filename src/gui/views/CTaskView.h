#pragma once

#include "views/CPageView.h"

// The "Tasks" tab: the tasks page and its commands.
class CTaskView : public CPageView {
    Q_OBJECT
public:
    CTaskView(CMainFrame& frame, CQuillboxDoc& document);

protected:
    std::string WritePage() const override;
    quill::CommandOutcome RunCommand(const QString& text) override;
};
