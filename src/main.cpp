#include "app/ApplicationSetup.h"
#include "app/CQuillboxApp.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    PrepareBeforeApplication();
    QApplication application(argc, argv);
    CQuillboxApp quillbox;
    if (!quillbox.InitInstance()) {
        return quillbox.ExitInstance(1);
    }
    return quillbox.ExitInstance(application.exec());
}
