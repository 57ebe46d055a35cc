#pragma once

#include "views/CPageView.h"

// The "Links" tab: the links page and its commands.
class CLinkView : public CPageView {
    Q_OBJECT
public:
    CLinkView(CMainFrame& frame, CQuillboxDoc& document);

protected:
    std::string WritePage() const override;
    quill::CommandOutcome RunCommand(const QString& text) override;
};
