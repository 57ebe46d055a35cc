#include "support/PageDriver.h"
#include "support/ModalScript.h"

#include "views/CWebBrowser.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWebEngineScript>

namespace quill::test {

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

} // namespace quill::test
