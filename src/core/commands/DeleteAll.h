#pragma once

#include "core/lists/ListStore.h"

namespace quill {

// A "Yes"/"No" confirmation.
class YesNoQuestion {
public:
    virtual ~YesNoQuestion() = default;
    virtual bool AskYes() = 0;
};

// The settings dialog's delete-all buttons. On "Yes": empties the list and its
// file at once and returns true (the views then redraw). A file that cannot
// be rewritten keeps its content and is reported; the list is emptied all the
// same.
bool DeleteAllLinks(ListStore& store, YesNoQuestion& question);
bool DeleteAllTasks(ListStore& store, YesNoQuestion& question);

} // namespace quill
