#pragma once

#include "core/files/DataFileResult.h"
#include "core/files/FileError.h"
#include "core/tasks/TaskRecord.h"

#include <string>
#include <string_view>
#include <vector>

namespace quill {

// Relative name of the task file, resolved against the working folder.
inline constexpr std::string_view kTaskFileName = "Data/qmtasks.qbx";

// One line of the task file: date, "|", time, "|", comment. Each split falls at
// the first "|" of what is left; a part without "|" gives the whole part twice.
TaskRecord ParseTaskLine(std::string_view line);
std::string FormatTaskLine(const TaskRecord& task);

// Appends the file's records (each not yet reminded) to the end of tasks.
// A missing file is created empty; a file that cannot be read is left untouched.
LoadOutcome LoadTaskFile(const std::string& path, std::vector<TaskRecord>& tasks,
                         FileError* error = nullptr);

// Rewrites the whole file from tasks in one step. Returns false when the file
// could not be replaced; the old file is then still whole.
bool SaveTaskFile(const std::string& path, const std::vector<TaskRecord>& tasks);

} // namespace quill
