#include "core/startup/ProgramStart.h"

#include "core/files/PathNames.h"
#include "core/files/SafeFile.h"
#include "core/pages/PageFile.h"

namespace quill {

StartReport StartProgram(StartEnvironment& environment, ListStore& store) {
    StartReport report;
    report.settings = ReadFrameSettings(environment.profile);
    store.SetFolder(environment.workingFolder);
    // A page write cut short leaves its temporary file beside the page; the
    // lists' own leftovers go when they load.
    RemoveStaleTemporaries(ResolveInFolder(environment.workingFolder, kPageFileName));
    environment.menuEntry.Apply(report.settings.integrate);
    report.lists = store.Reload();
    return report;
}

} // namespace quill
