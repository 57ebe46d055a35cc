#pragma once

#include "support/ModalScript.h"

#include <QPoint>
#include <QString>
#include <QTest>
#include <QWebEngineScript>
#include <QWebEngineView>
#include <memory>
#include <optional>

namespace quill::test {

// browser: a page tab's web view, as the page plug-in made it.

inline QWebEnginePage& PageOf(QWidget& browser) {
    return *qobject_cast<QWebEngineView*>(&browser)->page();
}

// The engine's answer, shared with its callback so that a late one lands in
// no returned call. A request the engine drops (its page replaced) fails after
// a few seconds, so that a caller's own wait can ask again.
template <typename Value, typename Ask> Value AnswerOf(Ask ask) {
    auto answer = std::make_shared<std::optional<Value>>();
    ask([answer](const Value& value) { *answer = value; });
    WaitUntil([&] { return answer->has_value(); }, 5000);
    return answer->value_or(Value());
}

// The page as the web view now holds it (its DOM, serialised).
inline QString PageHtml(QWidget& browser) {
    return AnswerOf<QString>([&](auto done) { PageOf(browser).toHtml(done); });
}

// Where, in the view's coordinates, the centre of the first anchor with this
// href text is drawn; a null point when there is none.
inline QPoint AnchorCentre(QWidget& browser, const QString& href) {
    // The page's own scripts are off; the test's script runs in its own world.
    const QString script =
        QStringLiteral(
            "(function(){for (const a of document.querySelectorAll('a')) {"
            " if (a.getAttribute('href') === %1) { const r = a.getBoundingClientRect();"
            " return [r.left + r.width / 2, r.top + r.height / 2]; } } return null; })()")
            .arg(QStringLiteral("'") + QString(href).replace(QLatin1Char('\''), "\\'") +
                 QStringLiteral("'"));
    const QVariantList point =
        AnswerOf<QVariant>([&](auto done) {
            PageOf(browser).runJavaScript(script, QWebEngineScript::ApplicationWorld, done);
        }).toList();
    return point.size() == 2 ? QPoint(qRound(point[0].toDouble()), qRound(point[1].toDouble()))
                             : QPoint();
}

// A real left click, pressed and released on the widget that takes the web
// view's input.
inline void ClickAt(QWidget& browser, QPoint position) {
    QWidget* target = browser.focusProxy() ? browser.focusProxy() : &browser;
    QTest::mouseMove(target, position);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, position);
}

} // namespace quill::test
