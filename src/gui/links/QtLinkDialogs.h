#pragma once

#include "core/links/LinkDialogs.h"

class QWidget;

// The link commands' dialogs as Qt dialogs over the frame.
class QtLinkDialogs : public quill::LinkDialogs {
public:
    explicit QtLinkDialogs(QWidget* parent) : m_parent(parent) {}

    std::optional<quill::LinkRecord> AskNewLink(const quill::LinkRecord& initial) override;
    std::optional<quill::LinkRecord> AskEditedLink(const quill::LinkRecord& link) override;
    bool ConfirmDeleteLink() override;

private:
    QWidget* m_parent;
};
