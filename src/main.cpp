#include "gui/app/ApplicationSetup.h"
#include "gui/app/CQuillboxApp.h"
#include "gui/app/CommandLine.h"
#include "gui/app/Logging.h"
#include "gui/app/SingleInstance.h"
#include "gui/app/WorkingFolderSetup.h"
#include "gui/common/UserMessages.h"
#include "gui/frame/CMainFrame.h"
#include "gui/platform/DesktopSession.h"
#include "gui/platform/FontsAhead.h"

#include <QApplication>
#include <QDir>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    NameApplication();
    const CommandLineChoice command = ParseCommandLine(argc, argv);
    if (command.exitStatus) {
        return *command.exitStatus;
    }
    ChooseLoggingDefaults(command.verbose);
    PrepareBeforeApplication();
    const quill::WindowSystemChoice windowSystem = WindowSystemChoiceHere(command.platform);
    if (!windowSystem.failure.empty()) {
        std::fprintf(stderr, "%s\n", windowSystem.failure.c_str());
        return 1;
    }
    if (!windowSystem.platform.empty()) {
        qputenv("QT_QPA_PLATFORM", QByteArray::fromStdString(windowSystem.platform));
        DropPlatformArgument(argc, argv);
    }
    // Read before Qt starts: Qt takes the startup id for a window of its own.
    const quill::InstanceMessage launch{command.request,
                                        qgetenv("DESKTOP_STARTUP_ID").toStdString(),
                                        qgetenv("XDG_ACTIVATION_TOKEN").toStdString()};
    FontsAhead fonts;
    QApplication application(argc, argv);
    fonts.Wait();

    SingleInstance instance;
    switch (instance.Start(launch)) {
    case SingleInstance::Outcome::HandedOver:
        return 0;
    case SingleInstance::Outcome::NoAnswer:
        std::fputs("quillmark: another Quillmark is running but does not answer\n", stderr);
        return 1;
    case SingleInstance::Outcome::First:
        break;
    }
    // Said by the instance that stays, not by each start that hands over.
    if (!windowSystem.notice.empty()) {
        std::fprintf(stderr, "%s\n", windowSystem.notice.c_str());
    }

    // The one look at the current folder: a start in a folder that holds
    // Data (a portable copy, the run folder) works there.
    const WorkingFolderChoice working = ChooseWorkingFolder(QDir::currentPath());
    CQuillboxApp quillbox(working.folder);
    if (!quillbox.InitInstance()) {
        return quillbox.ExitInstance(1);
    }
    QObject::connect(&instance, &SingleInstance::Requested, &quillbox,
                     &CQuillboxApp::OnInstanceRequest);
    instance.Listen();
    if (command.request != quill::InstanceRequest::Show) {
        quillbox.OnInstanceRequest({command.request});
    }
    if (!working.problem.isEmpty()) {
        QTimer::singleShot(0, &quillbox, [&quillbox, problem = working.problem] {
            ShowWarning(quillbox.GetMainFrame(), problem);
        });
    }
    return quillbox.ExitInstance(application.exec());
}
