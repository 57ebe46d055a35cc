#include "gui/platform/FrameHover.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QWidget>
#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>
#include <optional>

// The window manager draws the caption in a frame window of its own, which
// the program's window is put into. Any client may ask for enter and leave
// events on any window, so the frame's are asked for each time the window
// is put into a new frame.
struct FrameHover::Watch : QAbstractNativeEventFilter {
    Watch(QWidget& watched, std::function<void(bool)> reportTo)
        : window(watched), report(std::move(reportTo)) {
        auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
        connection = x11 != nullptr ? x11->connection() : nullptr;
        if (connection != nullptr) {
            QCoreApplication::instance()->installNativeEventFilter(this);
        }
    }
    ~Watch() override {
        if (connection != nullptr) {
            QCoreApplication::instance()->removeNativeEventFilter(this);
        }
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") {
            return false;
        }
        auto* event = static_cast<xcb_generic_event_t*>(message);
        switch (event->response_type & ~0x80) {
        case XCB_REPARENT_NOTIFY:
            if (window.testAttribute(Qt::WA_WState_Created) &&
                reinterpret_cast<xcb_reparent_notify_event_t*>(event)->window == window.winId()) {
                FindFrame();
            }
            return false;
        case XCB_ENTER_NOTIFY:
        case XCB_LEAVE_NOTIFY: {
            auto* crossing = reinterpret_cast<xcb_enter_notify_event_t*>(event);
            if (frame == XCB_WINDOW_NONE || crossing->event != frame) {
                return false;
            }
            const bool enter = (event->response_type & ~0x80) == XCB_ENTER_NOTIFY;
            // Into the program's own window is still on the window; a grab
            // (a drag of the caption, a menu) says nothing about the cursor.
            if (enter || (crossing->detail != XCB_NOTIFY_DETAIL_INFERIOR &&
                          crossing->mode != XCB_NOTIFY_MODE_GRAB)) {
                // An X server in a Wayland session is XWayland. Leaving by
                // being hidden is no move of the cursor.
                if (!enter && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
                    window.isVisible()) {
                    leftAt = Place{crossing->root_x, crossing->root_y};
                }
                report(enter);
            }
            return true;
        }
        default:
            return false;
        }
    }

    // The window right under the root that holds ours; none when that is ours.
    void FindFrame() {
        frame = XCB_WINDOW_NONE;
        xcb_window_t current = static_cast<xcb_window_t>(window.winId());
        for (;;) {
            std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
                xcb_query_tree_reply(connection, xcb_query_tree(connection, current), nullptr),
                &std::free);
            if (!tree) {
                return;
            }
            if (tree->parent == tree->root) {
                break;
            }
            current = tree->parent;
        }
        if (current == window.winId()) {
            return;
        }
        const uint32_t mask = XCB_EVENT_MASK_ENTER_WINDOW | XCB_EVENT_MASK_LEAVE_WINDOW;
        xcb_change_window_attributes(connection, current, XCB_CW_EVENT_MASK, &mask);
        frame = current;
        // Where the cursor is now: no enter comes for a cursor already there.
        std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> pointer(
            xcb_query_pointer_reply(connection, xcb_query_pointer(connection, frame), nullptr),
            &std::free);
        std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> size(
            xcb_get_geometry_reply(connection, xcb_get_geometry(connection, frame), nullptr),
            &std::free);
        report(pointer && size && pointer->same_screen && pointer->win_x >= 0 &&
               pointer->win_y >= 0 && pointer->win_x < size->width &&
               pointer->win_y < size->height);
    }

    struct Place {
        int16_t x;
        int16_t y;
    };
    // XWayland hears of the cursor only while it is over an X window: once it
    // left for a Wayland one, the X cursor stays where it left ours, and a
    // window shown there again is entered by a cursor that is not there (no
    // event says when it comes back, only its X place changing).
    bool CursorStale() {
        if (!leftAt) {
            return false;
        }
        // Asked of the window itself: the frame is gone while the window is re-framed.
        const auto self = static_cast<xcb_window_t>(window.winId());
        std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> pointer(
            xcb_query_pointer_reply(connection, xcb_query_pointer(connection, self), nullptr),
            &std::free);
        if (pointer && pointer->root_x == leftAt->x && pointer->root_y == leftAt->y) {
            return true;
        }
        leftAt.reset(); // it moved: followed again, up to its next leave
        return false;
    }

    QWidget& window;
    std::function<void(bool)> report;
    xcb_connection_t* connection = nullptr;
    xcb_window_t frame = XCB_WINDOW_NONE;
    std::optional<Place> leftAt;
};

FrameHover::FrameHover(QWidget& window, std::function<void(bool)> report)
    : m_watch(QGuiApplication::platformName() == QLatin1String("xcb")
                  ? std::make_unique<Watch>(window, std::move(report))
                  : nullptr) {}

FrameHover::~FrameHover() = default;

bool FrameHover::Unframed() const {
    return !m_watch || m_watch->frame == XCB_WINDOW_NONE;
}

bool FrameHover::CursorLeftForWayland() const {
    return m_watch && m_watch->CursorStale();
}
