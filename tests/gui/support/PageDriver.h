#pragma once

#include <QPoint>
#include <QString>
#include <functional>

class CWebBrowser;
class QWidget;

namespace quill::test {

// Runs the event loop until done() holds or timeoutMs has passed; done() at the end.
bool WaitUntil(const std::function<bool()>& done, int timeoutMs = 15000);

// The page as the web view now holds it (its DOM, serialised).
QString PageHtml(CWebBrowser& browser);

// Where, in the view's coordinates, the centre of the first anchor with this
// href text is drawn; a null point when there is none.
QPoint AnchorCentre(CWebBrowser& browser, const QString& href);

// A real left click, pressed and released on the widget that takes the web
// view's input.
void ClickAt(CWebBrowser& browser, QPoint position);

// Runs action on the first modal dialog with this object name once it is open.
void WhenDialogOpens(const QString& objectName, std::function<void(QWidget*)> action);

} // namespace quill::test
