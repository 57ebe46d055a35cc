#include "core/tasks/TaskFile.h"

#include "core/files/LineText.h"
#include "core/files/RecordFile.h"

namespace quill {

TaskRecord ParseTaskLine(std::string_view line) {
    SplitPair first = SplitAtFirst(line, '|');
    SplitPair rest = SplitAtFirst(first.after, '|');
    return TaskRecord{std::move(first.before), std::move(rest.before), std::move(rest.after)};
}

std::string FormatTaskLine(const TaskRecord& task) {
    std::string line;
    line.append(KeepOnOneLine(task.m_date))
        .append("|")
        .append(KeepOnOneLine(task.m_time))
        .append("|")
        .append(KeepOnOneLine(task.m_comment))
        .append(kLineEnd);
    return line;
}

LoadOutcome LoadTaskFile(const std::string& path, std::vector<TaskRecord>& tasks,
                         FileError* error) {
    return LoadRecordFile(path, tasks, ParseTaskLine, error);
}

bool SaveTaskFile(const std::string& path, const std::vector<TaskRecord>& tasks) {
    return SaveRecordFile(path, tasks, FormatTaskLine);
}

} // namespace quill
