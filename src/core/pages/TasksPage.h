#pragma once

#include "core/tasks/TaskRecord.h"

#include <string>
#include <vector>

namespace quill {

// The whole tasks page: the head with its "Add task" bar, one block per task
// with its Edit and Delete anchors, its date, time and comment, and the tail.
std::string WriteTasksPage(const std::vector<TaskRecord>& tasks);

} // namespace quill
