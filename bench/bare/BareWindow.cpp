// The yardstick for the program's start-up and idle figures: a bare Qt Widgets
// window with an empty 10 ms timer and nothing else.
#include <QApplication>
#include <QTimer>
#include <QWidget>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.resize(360, 420);
    window.show();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(10);
    return application.exec();
}
