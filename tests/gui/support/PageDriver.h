#pragma once

#include <QPoint>
#include <QString>

class CWebBrowser;

namespace quill::test {

// The page as the web view now holds it (its DOM, serialised).
QString PageHtml(CWebBrowser& browser);

// Where, in the view's coordinates, the centre of the first anchor with this
// href text is drawn; a null point when there is none.
QPoint AnchorCentre(CWebBrowser& browser, const QString& href);

// A real left click, pressed and released on the widget that takes the web
// view's input.
void ClickAt(CWebBrowser& browser, QPoint position);

} // namespace quill::test
