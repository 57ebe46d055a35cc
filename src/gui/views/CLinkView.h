#pragma once

#include "gui/views/CPageView.h"

// The "Links" tab: the links page and its commands.
class CLinkView : public CPageView {
    Q_OBJECT
public:
    CLinkView(CQuillboxDoc& document, PagePlugin& pages);

protected:
    std::string WritePage() const override;
    bool RunCommand(const QString& text) override;
};
