// The yardstick for the program's first page: a bare Qt window that, on
// Ctrl+Tab, creates one web view showing the given page file (with its style
// sheet and images beside it). The engine runs with the program's own
// switches (in one process, drawn in software), so that the difference is
// what the program adds, not how the engine is set up.
//
//     quillmark_bare_page PAGE_FILE
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QShortcut>
#include <QVBoxLayout>
#include <QWebEngineView>
#include <QWidget>

int main(int argc, char* argv[]) {
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qputenv("QT_XCB_GL_INTEGRATION", "none");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", "--single-process --disable-gpu --log-level=3");
    QApplication application(argc, argv);
    if (argc < 2) {
        qWarning("usage: quillmark_bare_page PAGE_FILE");
        return 2;
    }
    const QFileInfo page(QString::fromLocal8Bit(argv[1]));
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare page"));
    auto* layout = new QVBoxLayout(&window);
    window.resize(360, 420);
    QShortcut show(QKeySequence(Qt::CTRL | Qt::Key_Tab), &window);
    QObject::connect(&show, &QShortcut::activated, &window, [&] {
        if (layout->count() > 0) {
            return;
        }
        QFile file(page.absoluteFilePath());
        if (!file.open(QIODevice::ReadOnly)) {
            qWarning("cannot read %s", qPrintable(file.fileName()));
            return;
        }
        auto* view = new QWebEngineView;
        layout->addWidget(view);
        view->setHtml(QString::fromUtf8(file.readAll()),
                      QUrl::fromLocalFile(page.absolutePath() + QLatin1Char('/')));
    });
    window.show();
    return application.exec();
}
