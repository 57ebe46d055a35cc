#include "app/ApplicationSetup.h"
#include "app/CQuillboxApp.h"
#include "app/CommandLine.h"
#include "app/Logging.h"
#include "app/SingleInstance.h"
#include "app/WorkingFolderSetup.h"
#include "common/UserMessages.h"
#include "frame/CMainFrame.h"
#include "platform/DesktopSession.h"
#include "platform/FontsAhead.h"

#include <QApplication>
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
    if (!DesktopSessionAvailable()) {
        std::fputs("quillmark: needs a desktop session, but no display could be reached "
                   "(DISPLAY or WAYLAND_DISPLAY)\n",
                   stderr);
        return 1;
    }
    FontsAhead fonts;
    QApplication application(argc, argv);
    fonts.Wait();

    SingleInstance instance;
    switch (instance.Start(command.request)) {
    case SingleInstance::Outcome::HandedOver:
        return 0;
    case SingleInstance::Outcome::NoAnswer:
        std::fputs("quillmark: another Quillmark is running but does not answer\n", stderr);
        return 1;
    case SingleInstance::Outcome::First:
        break;
    }

    const QString folderProblem = EnterWorkingFolder();
    CQuillboxApp quillbox;
    if (!quillbox.InitInstance()) {
        return quillbox.ExitInstance(1);
    }
    QObject::connect(&instance, &SingleInstance::Requested, &quillbox,
                     &CQuillboxApp::OnInstanceRequest);
    instance.Listen();
    if (command.request != quill::InstanceRequest::Show) {
        quillbox.OnInstanceRequest(command.request);
    }
    if (!folderProblem.isEmpty()) {
        QTimer::singleShot(0, &quillbox, [&quillbox, folderProblem] {
            ShowWarning(quillbox.GetMainFrame(), folderProblem);
        });
    }
    return quillbox.ExitInstance(application.exec());
}
