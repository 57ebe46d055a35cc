#include "gui/app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>
#include <cstdio>

namespace {

void Print(FILE* stream, const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stream);
}

} // namespace

CommandLineChoice ParseCommandLine(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments << QString::fromLocal8Bit(argv[i]);
    }

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Notes, links and task reminders in an always-on-top window in the tray.\n"
                       "With --show, --hide or --toggle a running Quillmark acts on its window;\n"
                       "without one running, Quillmark starts."));
    // Qt's own options (-platform, -session ...) keep their single dash.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption show(QStringLiteral("show"), QStringLiteral("Show the window."));
    const QCommandLineOption hide(QStringLiteral("hide"),
                                  QStringLiteral("Hide the window to the tray."));
    const QCommandLineOption toggle(QStringLiteral("toggle"),
                                    QStringLiteral("Show the window if hidden, else hide it."));
    const QCommandLineOption verbose(QStringLiteral("verbose"),
                                     QStringLiteral("Print diagnostic messages."));
    parser.addOptions({show, hide, toggle, verbose});
    // QApplication takes these itself: they must not count as unknown.
    for (const char* name : {"platform", "display", "session", "style", "stylesheet", "name",
                             "title", "qwindowgeometry", "qwindowtitle", "platformtheme"}) {
        QCommandLineOption qtOption(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        qtOption.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qtOption);
    }

    CommandLineChoice choice;
    if (!parser.parse(arguments)) {
        Print(stderr,
              QStringLiteral("quillmark: %1\nTry 'quillmark --help'.\n").arg(parser.errorText()));
        choice.exitStatus = 2;
        return choice;
    }
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        // Parsed before the application exists, Qt cannot know the program's name.
        Print(stdout, parser.helpText().replace(QStringLiteral("<executable_name>"),
                                                QStringLiteral("quillmark")));
        choice.exitStatus = 0;
        return choice;
    }
    if (parser.isSet(version)) {
        Print(stdout, QStringLiteral("%1 %2\n").arg(QCoreApplication::applicationName(),
                                                    QCoreApplication::applicationVersion()));
        choice.exitStatus = 0;
        return choice;
    }
    const int requests =
        int(parser.isSet(show)) + int(parser.isSet(hide)) + int(parser.isSet(toggle));
    if (requests > 1 || !parser.positionalArguments().isEmpty()) {
        Print(stderr, QStringLiteral("quillmark: give at most one of --show, --hide and --toggle, "
                                     "and no other arguments\nTry 'quillmark --help'.\n"));
        choice.exitStatus = 2;
        return choice;
    }
    if (parser.isSet(hide)) {
        choice.request = quill::InstanceRequest::Hide;
    } else if (parser.isSet(toggle)) {
        choice.request = quill::InstanceRequest::Toggle;
    }
    choice.verbose = parser.isSet(verbose);
    choice.platform = parser.value(QStringLiteral("platform"));
    return choice;
}

void DropPlatformArgument(int& argc, char* argv[]) {
    int kept = 0;
    for (int i = 0; i < argc; ++i) {
        const QByteArray argument(argv[i]);
        if (i > 0 && (argument == "-platform" || argument == "--platform") && i + 1 < argc) {
            ++i; // and its value
            continue;
        }
        argv[kept++] = argv[i];
    }
    argc = kept;
}
