#include "DesktopNotification.h"

// The reminder window itself is the notice here.
DesktopNotification::DesktopNotification(QObject* parent) : QObject(parent) {}
DesktopNotification::~DesktopNotification() = default;

bool DesktopNotification::Show(const QString&, const QString&) {
    return false;
}

void DesktopNotification::Close() {}
void DesktopNotification::OnActionInvoked(uint, const QString&) {}
