#pragma once

#include "core/lists/ListStore.h"
#include "core/tasks/Clock.h"
#include "support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

namespace quill::test {

class FixedClock : public Clock {
public:
    explicit FixedClock(DateTime at) : now(at) {}
    DateTime Now() const override { return now; }
    DateTime now;
};

// A working folder with a "Data" folder and a store on its two files that
// remembers every save it was told failed.
struct StoreFolder : SaveFailureReporter {
    StoreFolder() {
        std::filesystem::create_directory(folder.Path() / "Data");
        store.SetFolder(folder.Path().string());
    }
    void ReportSaveFailure(const std::string& path, const FileError& cause) override {
        unsaved.push_back(path);
        causes.push_back(DescribeCause(cause));
    }

    void WriteLinks(std::string_view bytes) const { folder.Write("Data/qmlinks.qbx", bytes); }
    void WriteTasks(std::string_view bytes) const { folder.Write("Data/qmtasks.qbx", bytes); }
    std::string Links() const { return folder.Read("Data/qmlinks.qbx"); }
    std::string Tasks() const { return folder.Read("Data/qmtasks.qbx"); }

    TempFolder folder;
    std::vector<std::string> unsaved;
    std::vector<std::string> causes;
    ListStore store{*this};
};

} // namespace quill::test
