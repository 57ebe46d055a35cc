#pragma once

#include "support/ModalScript.h"
#include "views/CWebBrowser.h"

#include <QPoint>
#include <QString>
#include <QTest>
#include <QWebEngineScript>
#include <optional>

namespace quill::test {

// The page as the web view now holds it (its DOM, serialised).
inline QString PageHtml(CWebBrowser& browser) {
    std::optional<QString> html;
    browser.page()->toHtml([&](const QString& result) { html = result; });
    WaitUntil([&] { return html.has_value(); });
    return html.value_or(QString());
}

// Where, in the view's coordinates, the centre of the first anchor with this
// href text is drawn; a null point when there is none.
inline QPoint AnchorCentre(CWebBrowser& browser, const QString& href) {
    // The page's own scripts are off; the test's script runs in its own world.
    const QString script =
        QStringLiteral(
            "(function(){for (const a of document.querySelectorAll('a')) {"
            " if (a.getAttribute('href') === %1) { const r = a.getBoundingClientRect();"
            " return [r.left + r.width / 2, r.top + r.height / 2]; } } return null; })()")
            .arg(QStringLiteral("'") + QString(href).replace(QLatin1Char('\''), "\\'") +
                 QStringLiteral("'"));
    std::optional<QVariant> result;
    browser.page()->runJavaScript(script, QWebEngineScript::ApplicationWorld,
                                  [&](const QVariant& value) { result = value; });
    WaitUntil([&] { return result.has_value(); });
    const QVariantList point = result.value_or(QVariant()).toList();
    return point.size() == 2 ? QPoint(qRound(point[0].toDouble()), qRound(point[1].toDouble()))
                             : QPoint();
}

// A real left click, pressed and released on the widget that takes the web
// view's input.
inline void ClickAt(CWebBrowser& browser, QPoint position) {
    QWidget* target = browser.focusProxy() ? browser.focusProxy() : &browser;
    QTest::mouseMove(target, position);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, position);
}

} // namespace quill::test
