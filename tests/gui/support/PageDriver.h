#pragma once

#include <QPoint>
#include <QString>

class QWidget;

namespace quill::test {

// browser: a page tab's web view, as the page plug-in made it.

// The page as the web view now holds it (its DOM, serialised).
QString PageHtml(QWidget& browser);

// Where, in the view's coordinates, the centre of the first anchor with this
// href text is drawn; a null point when there is none.
QPoint AnchorCentre(QWidget& browser, const QString& href);

// A real left click, pressed and released on the widget that takes the web
// view's input.
void ClickAt(QWidget& browser, QPoint position);

} // namespace quill::test
