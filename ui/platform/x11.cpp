#include "x11.h"

#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QList>
#include <QWidget>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <poll.h>
#include <xcb/xcb.h>

namespace ui::platform {
namespace {

struct FreeReply
{
    void operator()(void *reply) const { std::free(reply); }
};
template <typename T> using Reply = std::unique_ptr<T, FreeReply>;

// Set when a window manager that claims the request left one unanswered: no window waits again.
bool g_requestUnanswered = false;

xcb_intern_atom_cookie_t internAtom(xcb_connection_t *connection, const char *name)
{
    return xcb_intern_atom(connection, true, std::strlen(name), name);
}

xcb_atom_t atom(xcb_connection_t *connection, xcb_intern_atom_cookie_t cookie)
{
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
}

QList<quint32> values32(xcb_connection_t *connection, xcb_window_t window, xcb_atom_t property,
                        xcb_atom_t type, quint32 count)
{
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, false, window, property, type, 0, count),
        nullptr));
    if (!reply || reply->format != 32)
        return {};
    const auto *values = static_cast<const quint32 *>(xcb_get_property_value(reply.get()));
    return QList<quint32>(values, values + xcb_get_property_value_length(reply.get()) / 4);
}

std::optional<QMargins> frameExtents(xcb_connection_t *connection, xcb_window_t window,
                                     xcb_atom_t extents)
{
    const QList<quint32> sides = values32(connection, window, extents, XCB_ATOM_CARDINAL, 4);
    if (sides.size() != 4)
        return std::nullopt;
    // left, right, top, bottom
    return QMargins(int(sides[0]), int(sides[2]), int(sides[1]), int(sides[3]));
}

// Asks the window manager for the frame it will draw around the window and waits, asleep, at
// most 100 ms for the answer. On a connection of its own: Qt's thread reads the events of Qt's.
std::optional<QMargins> requestFrame(xcb_window_t id, xcb_window_t root, xcb_atom_t request,
                                     xcb_atom_t extents)
{
    // The display of DISPLAY, as Qt's. A connection that failed does nothing and has no events.
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> own(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    const quint32 propertyChanges = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(own.get(), id, XCB_CW_EVENT_MASK, &propertyChanges);
    const xcb_client_message_event_t message{XCB_CLIENT_MESSAGE, 32, 0, id, request, {}};
    xcb_send_event(own.get(), false, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char *>(&message));
    xcb_flush(own.get());

    const QDeadlineTimer deadline(100);
    pollfd connection{xcb_get_file_descriptor(own.get()), POLLIN, 0};
    do {
        while (const Reply<xcb_generic_event_t> event{xcb_poll_for_event(own.get())}) {
            const auto *change = reinterpret_cast<const xcb_property_notify_event_t *>(event.get());
            if ((event->response_type & 0x7f) == XCB_PROPERTY_NOTIFY && change->window == id &&
                change->atom == extents)
                return frameExtents(own.get(), id, extents);
        }
    } while (!xcb_connection_has_error(own.get()) &&
             poll(&connection, 1, int(deadline.remainingTime())) > 0);
    return std::nullopt;
}

} // namespace

QMargins x11FrameMargins(QWidget *window)
{
    // The offscreen platform offers the interface too, with a connection of its own.
    auto *x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !x11 || !x11->connection())
        return {};
    xcb_connection_t *connection = x11->connection();
    const auto id = xcb_window_t(window->winId());

    // The replies also tell that the server has made the window, for another connection to use.
    const auto treeCookie = xcb_query_tree(connection, id);
    const auto supportedCookie = internAtom(connection, "_NET_SUPPORTED");
    const auto requestCookie = internAtom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const auto extentsCookie = internAtom(connection, "_NET_FRAME_EXTENTS");
    const Reply<xcb_query_tree_reply_t> tree(xcb_query_tree_reply(connection, treeCookie, nullptr));
    const xcb_atom_t supported = atom(connection, supportedCookie);
    const xcb_atom_t request = atom(connection, requestCookie);
    const xcb_atom_t extents = atom(connection, extentsCookie);
    // An atom that does not exist yet has never been used by a window manager on this server.
    if (!tree || !supported || !request || !extents)
        return {};
    if (g_requestUnanswered ||
        !values32(connection, tree->root, supported, XCB_ATOM_ATOM, 1024).contains(request))
        return {};
    const std::optional<QMargins> answer = requestFrame(id, tree->root, request, extents);
    g_requestUnanswered = !answer;
    return answer.value_or(QMargins());
}

} // namespace ui::platform
