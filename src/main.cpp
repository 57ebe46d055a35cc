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

    const QString folderProblem = EnterWorkingFolder();
    CQuillboxApp quillbox;
    if (!quillbox.InitInstance()) {
        return quillbox.ExitInstance(1);
    }
    QObject::connect(&instance, &SingleInstance::Requested, &quillbox,
                     &CQuillboxApp::OnInstanceRequest);
    instance.Listen();
    if (command.request != quill::InstanceRequest::Show) {
        quillbox.OnInstanceRequest({command.request});
    }
    if (!folderProblem.isEmpty()) {
        QTimer::singleShot(0, &quillbox, [&quillbox, folderProblem] {
            ShowWarning(quillbox.GetMainFrame(), folderProblem);
        });
    }
    return quillbox.ExitInstance(application.exec());
}
