#pragma once

#include "views/CPageView.h"

// The "Tasks" tab: the tasks page and its commands.
class CTaskView : public CPageView {
    Q_OBJECT
public:
    explicit CTaskView(CQuillboxDoc& document);

protected:
    std::string WritePage() const override;
    bool RunCommand(const QString& text) override;
};
