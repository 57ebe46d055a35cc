#include "core/commands/DeleteAll.h"

namespace quill {

bool DeleteAllLinks(ListStore& store, YesNoQuestion& question) {
    if (!question.AskYes()) {
        return false;
    }
    store.Links().clear();
    store.SaveLinks();
    return true;
}

bool DeleteAllTasks(ListStore& store, YesNoQuestion& question) {
    if (!question.AskYes()) {
        return false;
    }
    store.Tasks().clear();
    store.SaveTasks();
    return true;
}

} // namespace quill
