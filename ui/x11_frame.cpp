#include "x11_frame.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstdint>
#include <cstring>
#include <memory>

namespace {

// The window manager answers at once; this bounds the wait for one that
// lists the request as supported but never answers it.
constexpr int answerLimitMs = 250;

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPointer<Reply> owned(Reply* reply)
{
    return {reply, &std::free};
}

xcb_connection_t* x11Connection()
{
    auto* app = qGuiApp;
    if (app == nullptr) {
        return nullptr;
    }
    auto* x11 = app->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

bool windowManagerSupports(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t wanted)
{
    const auto reply = owned(xcb_get_property_reply(
        connection,
        xcb_get_property(connection, 0, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM,
                         0, 1024),
        nullptr));
    if (!reply || reply->format != 32) {
        return false;
    }
    const auto* atoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(reply.get()));
    const int count = xcb_get_property_value_length(reply.get()) / 4;
    for (int index = 0; index < count; ++index) {
        if (atoms[index] == wanted) {
            return true;
        }
    }
    return false;
}

std::optional<QMargins> readExtents(xcb_connection_t* connection, xcb_window_t window,
                                    xcb_atom_t extents)
{
    const auto reply = owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, extents, XCB_ATOM_CARDINAL, 0, 4),
        nullptr));
    if (!reply || reply->format != 32 || xcb_get_property_value_length(reply.get()) != 16) {
        return std::nullopt;
    }
    // left, right, top, bottom
    const auto* sides = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return QMargins(static_cast<int>(sides[0]), static_cast<int>(sides[2]),
                    static_cast<int>(sides[1]), static_cast<int>(sides[3]));
}

}  // namespace

std::optional<QMargins> frameExtentsBeforeShowing(QWidget* window)
{
    xcb_connection_t* connection = x11Connection();
    if (connection == nullptr) {
        return std::nullopt;
    }
    // Creating the native window first gives the window manager the title
    // bar's style to answer for.
    const auto id = static_cast<xcb_window_t>(window->winId());
    const auto tree = owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr));
    if (!tree) {
        return std::nullopt;
    }
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE
        || !windowManagerSupports(connection, tree->root, request)) {
        return std::nullopt;
    }

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, tree->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    QElapsedTimer waited;
    waited.start();
    do {
        if (auto answer = readExtents(connection, id, extents)) {
            return answer;
        }
        QThread::msleep(1);
    } while (waited.elapsed() < answerLimitMs);
    return std::nullopt;
}

void waitForTheScreen()
{
    if (xcb_connection_t* connection = x11Connection()) {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }
}
