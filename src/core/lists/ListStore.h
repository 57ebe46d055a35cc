#pragma once

#include "core/files/DataFileResult.h"
#include "core/files/FileError.h"
#include "core/files/ReapplyChange.h"
#include "core/links/LinkRecord.h"
#include "core/tasks/TaskRecord.h"

#include <functional>
#include <string>
#include <vector>

namespace quill {

// Told of every data file that could not be written, and why: the change
// stays in memory, the file keeps its old contents, and the user should hear of it.
class SaveFailureReporter {
public:
    virtual ~SaveFailureReporter() = default;
    virtual void ReportSaveFailure(const std::string& path, const FileError& cause) = 0;
};

struct ListsLoadReport {
    LoadOutcome links = LoadOutcome::Loaded;
    LoadOutcome tasks = LoadOutcome::Loaded;
    FileError linksError; // why links were not loaded
    FileError tasksError;
};

// Both lists, their files, and the one way they are read and written.
class ListStore {
public:
    explicit ListStore(SaveFailureReporter& reporter) : m_reporter(reporter) {}

    // Resolves both file names against the working folder; nothing is read yet.
    void SetFolder(const std::string& workingFolder);
    const std::string& LinkFilePath() const { return m_linkFilePath; }
    const std::string& TaskFilePath() const { return m_taskFilePath; }

    // Empties both lists and reads both files again; changes that a failed
    // save left unwritten are made again in what was read. A task whose date,
    // time and comment are unchanged keeps its reminder mark, so a reminder
    // already shown in this minute does not come back; new or changed tasks
    // start not reminded.
    ListsLoadReport Reload();

    std::vector<LinkRecord>& Links() { return m_links; }
    const std::vector<LinkRecord>& Links() const { return m_links; }
    std::vector<TaskRecord>& Tasks() { return m_tasks; }
    const std::vector<TaskRecord>& Tasks() const { return m_tasks; }

    // Rewrite one file from its list in one step. Where another program
    // changed the file since it was read, the list first takes that change in
    // (each change this program made since its last successful save is made
    // again, in order, in the file's list as it is now). A file that cannot be
    // replaced, or could not be read and still cannot, is reported and stays
    // whole; false then, and the changes are kept for the next save.
    bool SaveLinks();
    bool SaveTasks();

    // Called after every Reload and SaveTasks: the task list may have changed.
    void OnTasksChanged(std::function<void()> listener) { m_tasksChanged = std::move(listener); }
    // Either file is no longer the one this program last read or wrote:
    // another program changed, replaced or removed it.
    bool ChangedElsewhere() const;

private:
    bool Saved(bool ok, const std::string& path, const FileError& cause);
    void TasksChanged();

    SaveFailureReporter& m_reporter;
    std::string m_linkFilePath;
    std::string m_taskFilePath;
    std::vector<LinkRecord> m_links;
    std::vector<TaskRecord> m_tasks;
    FileAsRead<LinkRecord> m_linksAsRead;
    FileAsRead<TaskRecord> m_tasksAsRead;
    std::function<void()> m_tasksChanged;
};

// Gives each reloaded task the reminder mark of the matching earlier task,
// matching in list order; tasks without a match keep false.
void CarryOverReminders(const std::vector<TaskRecord>& previous, std::vector<TaskRecord>& reloaded);

} // namespace quill
