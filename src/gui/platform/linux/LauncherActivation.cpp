#include "gui/platform/LauncherActivation.h"

#include "core/app/StartupNotification.h"

#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <algorithm>
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
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, uint16_t(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

xcb_window_t Root(xcb_connection_t* connection) {
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

// A startup-notification message goes to the root window in pieces of 20
// bytes, the first as _NET_STARTUP_INFO_BEGIN, ending with its NUL.
void SendStartupMessage(xcb_connection_t* connection, const std::string& message) {
    const xcb_atom_t begin = Atom(connection, "_NET_STARTUP_INFO_BEGIN");
    const xcb_atom_t more = Atom(connection, "_NET_STARTUP_INFO");
    const xcb_window_t root = Root(connection);
    const std::size_t length = message.size() + 1;
    for (std::size_t sent = 0; sent < length; sent += 20) {
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 8;
        event.window = root;
        event.type = sent == 0 ? begin : more;
        std::memcpy(event.data.data8, message.c_str() + sent,
                    std::min<std::size_t>(20, length - sent));
        xcb_send_event(connection, 0, root, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&event));
    }
}

} // namespace

void BeginLauncherActivation(QWidget* window, const quill::InstanceMessage& launch) {
    if (QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) {
        // Qt's Wayland activation hands the compositor the token it finds here.
        if (!launch.activationToken.empty()) {
            qputenv("XDG_ACTIVATION_TOKEN", QByteArray::fromStdString(launch.activationToken));
        }
        return;
    }
    xcb_connection_t* connection = Connection();
    if (connection == nullptr || launch.startupId.empty()) {
        return;
    }
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window->winId()),
                        Atom(connection, "_NET_STARTUP_ID"), Atom(connection, "UTF8_STRING"), 8,
                        uint32_t(launch.startupId.size()), launch.startupId.data());
}

void FinishLauncherActivation(QWidget* window, const quill::InstanceMessage& launch) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr || launch.startupId.empty()) {
        return;
    }
    const auto time = quill::StartupIdTime(launch.startupId);
    if (window->isVisible() && time) {
        // As Qt's own activation, but with the click's time rather than the
        // last event this program saw.
        xcb_client_message_event_t event{};
        event.response_type = XCB_CLIENT_MESSAGE;
        event.format = 32;
        event.window = xcb_window_t(window->winId());
        event.type = Atom(connection, "_NET_ACTIVE_WINDOW");
        event.data.data32[0] = 1; // from an application
        event.data.data32[1] = *time;
        xcb_send_event(connection, 0, Root(connection),
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&event));
    }
    SendStartupMessage(connection, quill::StartupRemoveMessage(launch.startupId));
    xcb_flush(connection);
}
