#pragma once

#include <optional>

namespace quill {

// The window's way back once hidden: the tray icon where a notification area
// exists, otherwise the desktop's own window list (taskbar, Alt+Tab), where a
// hidden window waits minimised instead of vanishing.
class TrayFallback {
public:
    enum class HiddenWindow {
        Unmap,    // into the tray
        Minimise, // into the window list
    };
    struct Change {
        bool trayMode;             // tool window off the taskbar, hidden by unmapping
        HiddenWindow hiddenWindow; // what a window the user hid becomes now
        bool tellHowToGetATray;    // said once, when there is none at start
    };

    // alreadyTold: the user heard how to get a tray on an earlier run.
    explicit TrayFallback(bool alreadyTold = false) : m_told(alreadyTold) {}

    // A new reading of the notification area; nothing when it changed nothing.
    std::optional<Change> Update(bool trayPresent);

private:
    std::optional<bool> m_present;
    bool m_told;
};

// How the tray icon reaches the desktop: its own status notifier item, Qt's
// embedded icon, or neither (the window stays listed).
enum class TrayPath { None, StatusNotifier, Embedded };

// Where a status notifier host and an embedding tray both exist (Xfce's panel,
// Plasma's proxy that turns embedded icons into items) the item alone shows,
// so the desktop never shows the icon twice.
TrayPath LiveTrayPath(bool notifierHost, bool embeddingTray);

} // namespace quill
