#include "gui/platform/WindowSystem.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <algorithm>
#include <array>
#include <cstddef>
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

// Asks for every atom before reading any answer: one round trip to the server
// rather than one per name, while the program is starting.
template <std::size_t N>
std::array<xcb_atom_t, N> Atoms(xcb_connection_t* connection, const char* const (&names)[N]) {
    std::array<xcb_intern_atom_cookie_t, N> cookies{};
    for (std::size_t i = 0; i < N; ++i) {
        cookies[i] =
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(names[i])), names[i]);
    }
    std::array<xcb_atom_t, N> atoms{};
    for (std::size_t i = 0; i < N; ++i) {
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(connection, cookies[i], nullptr), &std::free);
        atoms[i] = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    }
    return atoms;
}

xcb_window_t RootWindow(xcb_connection_t* connection) {
    const xcb_setup_t* setup = xcb_get_setup(connection);
    return xcb_setup_roots_iterator(setup).data->root;
}

bool ListsAtom(const xcb_get_property_reply_t* reply, xcb_atom_t wanted) {
    if (reply == nullptr || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply));
    const int count = xcb_get_property_value_length(reply) / 4;
    return std::find(atoms, atoms + count, wanted) != atoms + count;
}

} // namespace

// Either a compositing manager owns _NET_WM_CM_S<screen>, or the window manager
// lists _NET_WM_WINDOW_OPACITY among what it supports. Both questions go out
// together.
bool WindowOpacityHonoured() {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr) {
        return false; // offscreen, Wayland without X, ...
    }
    const auto [compositor, supported, opacity] =
        Atoms(connection, {"_NET_WM_CM_S0", "_NET_SUPPORTED", "_NET_WM_WINDOW_OPACITY"});
    auto ownerCookie = xcb_get_selection_owner(connection, compositor);
    auto supportedCookie =
        xcb_get_property(connection, 0, RootWindow(connection), supported, XCB_ATOM_ATOM, 0, 4096);
    std::unique_ptr<xcb_get_selection_owner_reply_t, decltype(&std::free)> owner(
        xcb_get_selection_owner_reply(connection, ownerCookie, nullptr), &std::free);
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> supportedList(
        xcb_get_property_reply(connection, supportedCookie, nullptr), &std::free);
    return (owner && owner->owner != XCB_WINDOW_NONE) || ListsAtom(supportedList.get(), opacity);
}

void KeepOffTaskbar(QWidget* window) {
    xcb_connection_t* connection = Connection();
    if (connection == nullptr || window == nullptr) {
        return;
    }
    const auto [state, skipTaskbar, skipPager] = Atoms(
        connection, {"_NET_WM_STATE", "_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"});
    // Qt merges its own states into what the unmapped window already carries.
    const xcb_atom_t states[] = {skipTaskbar, skipPager};
    const auto id = static_cast<xcb_window_t>(window->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, state, XCB_ATOM_ATOM, 32, 2, states);
    xcb_flush(connection);
}

namespace {
// Lives as long as the window it watches (a child of it).
class HiddenWindowGuard : public QObject, public QAbstractNativeEventFilter {
public:
    HiddenWindowGuard(QWidget& window, xcb_connection_t* connection)
        : QObject(&window), m_window(window), m_connection(connection) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    ~HiddenWindowGuard() override { QCoreApplication::instance()->removeNativeEventFilter(this); }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        auto* event = static_cast<xcb_generic_event_t*>(message);
        if (type != "xcb_generic_event_t" || (event->response_type & ~0x80) != XCB_MAP_NOTIFY ||
            m_window.isVisible() || !m_window.testAttribute(Qt::WA_WState_Created)) {
            return false;
        }
        const auto id = static_cast<xcb_window_t>(m_window.winId());
        if (reinterpret_cast<xcb_map_notify_event_t*>(event)->window != id) {
            return false;
        }
        // Withdrawn as a hide does it: the unmap, and the synthetic unmap
        // notice to the root window that tells the window manager (ICCCM 4.1.4).
        xcb_unmap_window(m_connection, id);
        xcb_unmap_notify_event_t notice{};
        notice.response_type = XCB_UNMAP_NOTIFY;
        const xcb_window_t root = RootWindow(m_connection);
        notice.event = root;
        notice.window = id;
        xcb_send_event(m_connection, 0, root,
                       XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                       reinterpret_cast<const char*>(&notice));
        xcb_flush(m_connection);
        return false; // Qt still learns that the window was mapped, then unmapped
    }

private:
    QWidget& m_window;
    xcb_connection_t* m_connection;
};
} // namespace

void StayHiddenWhileHidden(QWidget& window) {
    if (xcb_connection_t* connection = Connection()) {
        new HiddenWindowGuard(window, connection);
    }
}

void FlushWindowSystem() {
    if (xcb_connection_t* connection = Connection()) {
        xcb_flush(connection);
    }
}
