// The yardsticks for the program's start-up and idle figures: a bare Qt
// Widgets window with an empty 10 ms timer and nothing else, or, with --label,
// the same window showing one word. The second shows what drawing any text at
// all costs a Qt program at start (reading the font configuration, loading a
// font), apart from what the program's own window adds.
#include <QApplication>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <QWidget>

#include <cstring>

int main(int argc, char* argv[]) {
    const bool withLabel = argc > 1 && std::strcmp(argv[1], "--label") == 0;
    QApplication application(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    if (withLabel) {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(new QLabel(QStringLiteral("Notes")));
    }
    window.resize(360, 420);
    window.show();
    QTimer tick;
    QObject::connect(&tick, &QTimer::timeout, [] {});
    tick.start(10);
    return application.exec();
}
