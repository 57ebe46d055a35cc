#include "WindowSystem.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_connection_t* Connection() {
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    auto cookie = xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return xcb_setup_roots_iterator(setup).data->root;
}

// A compositing manager owns _NET_WM_CM_S<screen>.
bool CompositorRunning(xcb_connection_t* connection) {
    auto cookie = xcb_get_selection_owner(connection, Atom(connection, "_NET_WM_CM_S0"));
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> reply(
        xcb_get_selection_owner_reply(connection, cookie, nullptr), &std::free);
    return reply && reply->owner != XCB_WINDOW_NONE;
}

// The window manager lists _NET_WM_WINDOW_OPACITY among what it supports.
bool ManagerSupportsOpacity(xcb_connection_t* connection) {
    const xcb_atom_t supported = Atom(connection, "_NET_SUPPORTED");
    const xcb_atom_t opacity = Atom(connection, "_NET_WM_WINDOW_OPACITY");
    auto cookie =
        xcb_get_property(connection, 0, RootWindow(connection), supported, XCB_ATOM_ATOM, 0, 4096);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, cookie, nullptr), &std::free);
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int i = 0; i < count; ++i) {
        if (atoms[i] == opacity) {
            return true;
        }
    }
    return false;
}

} // namespace

bool WindowOpacityHonoured() {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return false; // offscreen, Wayland without X, ...
    }
    return CompositorRunning(connection) || ManagerSupportsOpacity(connection);
}

void KeepOffTaskbar(QWidget* window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr || window == nullptr) {
        return;
    }
    // Qt merges its own states into what the unmapped window already carries.
    const xcb_atom_t states[] = {Atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
                                 Atom(connection, "_NET_WM_STATE_SKIP_PAGER")};
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, Atom(connection, "_NET_WM_STATE"),
                        XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

void FlushWindowSystem() {
    if (xcb_connection_t* connection = Connection()) {
        xcb_flush(connection);
    }
}
