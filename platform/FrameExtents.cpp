#include "FrameExtents.h"

#include "X11Connection.h"

#include <QWidget>

#include <cmath>
#include <cstdlib>

namespace {

std::optional<QMargins> x11Frame(xcb_connection_t* connection, const QWidget* window)
{
    const auto id = xcb_window_t(window->winId());
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        connection, 0, id, internAtom(connection, "_NET_FRAME_EXTENTS"), XCB_ATOM_CARDINAL, 0, 4);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(connection, cookie, nullptr);
    std::optional<QMargins> frame;
    if (reply && reply->type == XCB_ATOM_CARDINAL && reply->format == 32 && reply->value_len == 4) {
        const auto* sides = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        // Stated in the screen's pixels, left, right, top, bottom; the window's own may be larger.
        const qreal ratio = window->devicePixelRatioF();
        const auto side = [ratio](uint32_t pixels) {
            return pixels > uint32_t(INT16_MAX) ? -1 : int(std::lround(pixels / ratio));
        };
        frame = QMargins(side(sides[0]), side(sides[2]), side(sides[1]), side(sides[3]));
    }
    std::free(reply);
    return frame;
}

}  // namespace

std::optional<QMargins> statedFrame(const QWidget* window)
{
    if (xcb_connection_t* connection = x11Connection())
        return x11Frame(connection, window);
    const QWindow* handle = window->windowHandle();
    const QMargins frame = handle ? handle->frameMargins() : QMargins();
    if (frame.isNull())
        return std::nullopt;
    return frame;
}

bool plausibleFrame(const QMargins& frame, const QSize& client, const QRect& area)
{
    if (frame.left() < 0 || frame.top() < 0 || frame.right() < 0 || frame.bottom() < 0)
        return false;
    const QSize outer = client.grownBy(frame);
    return outer.width() <= area.width() && outer.height() <= area.height();
}

void askForFrame(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return;
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    if (!screen)
        return;
    xcb_client_message_event_t request{};
    request.response_type = XCB_CLIENT_MESSAGE;
    request.format = 32;
    request.window = xcb_window_t(window->winId());
    request.type = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    xcb_send_event(connection, 0, screen->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&request));
    xcb_flush(connection);
}

bool statesFrame(const QByteArray& eventType, void* message, WId id)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_PROPERTY_NOTIFY)
        return false;
    const auto* change = static_cast<const xcb_property_notify_event_t*>(message);
    xcb_connection_t* connection = x11Connection();
    return change->window == xcb_window_t(id) && connection
           && change->atom == internAtom(connection, "_NET_FRAME_EXTENTS");
}
