#pragma once

#include <string>

namespace quill {

// What the environment says about the window systems within reach, gathered
// before Qt starts.
struct WindowSystemFacts {
    std::string requested{};     // the platform the user asked Qt for, as written; empty: none
    std::string requestedFrom{}; // where it was asked: "-platform" or "QT_QPA_PLATFORM"
    bool waylandSession = false; // WAYLAND_DISPLAY set or XDG_SESSION_TYPE=wayland
    bool waylandDisplay = false; // a Wayland compositor answers
    bool waylandPlugin = false;  // Qt's Wayland platform plug-in is installed
    bool x11 = false;            // an X server answers (XWayland counts)
};

struct WindowSystemChoice {
    // The platform Qt is to use; empty: leave Qt's own choice.
    std::string platform{};
    // Said once on start (what the chosen platform lacks); empty: nothing.
    std::string notice{};
    // The program cannot start: this says why, in one line.
    std::string failure{};
};

// Staying on top and off the taskbar, opacity and placement need X11,
// so a Wayland session with XWayland runs on X11 unless the user asked for
// something else. What the user asked for is kept where it can work; where it
// cannot, Qt is not started at all (it would abort with its own message).
WindowSystemChoice ChooseWindowSystem(const WindowSystemFacts& facts);

} // namespace quill
