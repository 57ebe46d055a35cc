#include "app/QtProgramRunner.h"

#include <QCoreApplication>
#include <QProcess>
#include <QStringList>

void QtProgramRunner::RunAndWait(const quill::ProgramCommand& command, int timeoutMs) {
    QStringList arguments;
    for (const std::string& argument : command.arguments) {
        arguments << QString::fromStdString(argument);
    }
    // Owned by the application so that a program still running after the wait
    // is left to finish on its own instead of being killed.
    auto* process = new QProcess(QCoreApplication::instance());
    QObject::connect(process, &QProcess::finished, process, &QObject::deleteLater);
    process->setProgram(QString::fromStdString(command.program));
    process->setArguments(arguments);
    process->start();
    if (!process->waitForStarted(timeoutMs)) {
        process->deleteLater();
        return;
    }
    process->waitForFinished(timeoutMs);
}
