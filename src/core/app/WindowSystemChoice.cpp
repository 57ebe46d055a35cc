#include "core/app/WindowSystemChoice.h"

#include <string_view>
#include <vector>

namespace quill {

namespace {

constexpr std::string_view kWaylandLacks =
    "quillmark: on Wayland the window cannot stay on top, keep off the taskbar, turn "
    "translucent or go back to its place (these need X11)";

// An entry may carry options after a colon ("xcb:option"); the name decides.
bool IsWayland(std::string_view platform) {
    return platform.starts_with("wayland");
}

bool IsX11(std::string_view platform) {
    return platform.starts_with("xcb");
}

// Qt takes a list of platforms to try in turn, separated by ';'.
std::vector<std::string> Entries(std::string_view list) {
    std::vector<std::string> entries;
    while (!list.empty()) {
        const auto end = list.find(';');
        std::string_view entry = list.substr(0, end);
        if (!entry.empty()) {
            entries.emplace_back(entry);
        }
        list = end == std::string_view::npos ? std::string_view{} : list.substr(end + 1);
    }
    return entries;
}

bool Works(std::string_view platform, const WindowSystemFacts& facts) {
    if (IsWayland(platform)) {
        return facts.waylandDisplay && facts.waylandPlugin;
    }
    if (IsX11(platform)) {
        return facts.x11;
    }
    return true; // offscreen, vnc and the like bring their own display
}

std::string WhyNot(std::string_view platform, const WindowSystemFacts& facts) {
    const std::string asked =
        "quillmark: " + facts.requestedFrom + " asks for " + std::string(platform) + ", but ";
    if (IsX11(platform)) {
        return asked + "no X11 display could be reached (DISPLAY)";
    }
    if (!facts.waylandPlugin) {
        return asked + "Qt's Wayland plug-in is not installed (package qt6-wayland)";
    }
    return asked + "no Wayland display could be reached (WAYLAND_DISPLAY)";
}

WindowSystemChoice Chosen(std::string platform) {
    WindowSystemChoice choice;
    if (IsWayland(platform)) {
        choice.notice = kWaylandLacks;
    }
    choice.platform = std::move(platform);
    return choice;
}

} // namespace

WindowSystemChoice ChooseWindowSystem(const WindowSystemFacts& facts) {
    const std::vector<std::string> asked = Entries(facts.requested);
    if (!asked.empty()) {
        for (const std::string& platform : asked) {
            if (Works(platform, facts)) {
                return Chosen(platform);
            }
        }
        return {.failure = WhyNot(asked.front(), facts)};
    }
    if (facts.x11) {
        // Also keeps Qt from picking Wayland by itself in a Wayland session.
        return Chosen(facts.waylandSession ? "xcb" : "");
    }
    if (facts.waylandDisplay) {
        if (facts.waylandPlugin) {
            return Chosen("wayland");
        }
        return {.failure = "quillmark: this Wayland session has no X11 (XWayland) and Qt's "
                           "Wayland plug-in is not installed (package qt6-wayland)"};
    }
    return {.failure = "quillmark: needs a desktop session, but no display could be reached "
                       "(DISPLAY or WAYLAND_DISPLAY)"};
}

} // namespace quill
