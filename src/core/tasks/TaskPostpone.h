#pragma once

#include "core/tasks/TaskDateTime.h"
#include "core/tasks/TaskRecord.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace quill {

// The minute `minutes` after `start` (before it, when negative), across days,
// months and years.
DateTime AddMinutes(const DateTime& start, int minutes);

// Where the first task with the date, time and comment of `shown` now stands.
std::optional<std::size_t> FindTaskByTexts(const std::vector<TaskRecord>& tasks,
                                           const TaskRecord& shown);

// Gives the task with the texts of `shown` (wherever it now stands in the
// list) the due date-time `newDue`, to be reminded again then. False when no
// task has those texts any more.
bool PostponeTask(std::vector<TaskRecord>& tasks, const TaskRecord& shown, const DateTime& newDue);

} // namespace quill
