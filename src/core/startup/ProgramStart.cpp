#include "startup/ProgramStart.h"

#include "integration/FirstRunImport.h"

namespace quill {

StartReport StartProgram(StartEnvironment& environment, ListStore& store) {
    StartReport report;
    report.settings = ReadFrameSettings(environment.profile);
    if (report.settings.firstRun) {
        if (auto command = FirstRunImportCommand(environment.windowsFolder)) {
            environment.runner.RunAndWait(*command, kRunAndWaitTimeoutMs);
        }
    }
    store.SetFolder(environment.workingFolder);
    report.extensionPage = ExtensionPageAddress(environment.workingFolder);
    environment.menuEntry.Apply(report.settings.integrate, report.extensionPage);
    report.lists = store.Reload();
    return report;
}

} // namespace quill
