#include "support/PageDriver.h"

#include "views/CWebBrowser.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QPointer>
#include <QThread>
#include <QTimer>
#include <QWebEngineScript>

namespace quill::test {

bool WaitUntil(const std::function<bool()>& done, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < timeoutMs) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return done();
}

QString PageHtml(CWebBrowser& browser) {
    QString html;
    bool ready = false;
    browser.page()->toHtml([&](const QString& result) {
        html = result;
        ready = true;
    });
    WaitUntil([&] { return ready; });
    return html;
}

QPoint AnchorCentre(CWebBrowser& browser, const QString& href) {
    // The page's own scripts are off; the test's script runs in its own world.
    const QString script =
        QStringLiteral(
            "(function(){for (const a of document.querySelectorAll('a')) {"
            " if (a.getAttribute('href') === %1) { const r = a.getBoundingClientRect();"
            " return [r.left + r.width / 2, r.top + r.height / 2]; } } return null; })()")
            .arg(QStringLiteral("'") + QString(href).replace(QLatin1Char('\''), "\\'") +
                 QStringLiteral("'"));
    QVariant result;
    bool ready = false;
    browser.page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                  [&](const QVariant& value) {
                                      result = value;
                                      ready = true;
                                  });
    WaitUntil([&] { return ready; });
    const QVariantList point = result.toList();
    if (point.size() != 2) {
        return {};
    }
    return QPoint(qRound(point[0].toDouble()), qRound(point[1].toDouble()));
}

void ClickAt(CWebBrowser& browser, QPoint position) {
    QWidget* target = browser.focusProxy() ? browser.focusProxy() : &browser;
    const QPointF local(position);
    const QPointF global(target->mapToGlobal(position));
    QMouseEvent move(QEvent::MouseMove, local, global, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

void WhenDialogOpens(const QString& objectName, std::function<void(QWidget*)> action) {
    auto* poll = new QTimer(qApp);
    QObject::connect(poll, &QTimer::timeout, poll, [poll, objectName, action] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && dialog->objectName() == objectName && dialog->isVisible()) {
            poll->stop();
            poll->deleteLater();
            action(dialog);
        }
    });
    poll->start(20);
}

} // namespace quill::test
