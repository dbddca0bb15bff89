#include "x11_display.h"

#include <cstdlib>
#include <memory>
#include <string_view>

#include <gtest/gtest.h>
#include <xcb/xcb.h>

namespace horalet::testing {

namespace {

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply> Owned<Reply> owned(Reply* reply)
{
    return Owned<Reply>(reply, &std::free);
}

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name)
{
    const auto reply = owned(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()), nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

Owned<xcb_get_property_reply_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name)
{
    return owned(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 1024), nullptr));
}

QString atomName(xcb_connection_t* connection, xcb_atom_t value)
{
    const auto reply = owned(xcb_get_atom_name_reply(connection, xcb_get_atom_name(connection, value), nullptr));
    return reply ? QString::fromLatin1(xcb_get_atom_name_name(reply.get()), xcb_get_atom_name_name_length(reply.get()))
                 : QString();
}

} // namespace

PrivateX11Display::PrivateX11Display()
{
    // The server picks a free number and writes it on the given descriptor.
    // Without a window manager the server would reset whenever its last
    // client leaves, refusing the next one for a moment.
    server_.start(QStringLiteral("Xvfb"),
        {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-noreset"), QStringLiteral("-nolisten"),
            QStringLiteral("tcp"), QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1280x800x24")});
    if (!server_.waitForStarted() || !server_.waitForReadyRead(10000)) {
        ADD_FAILURE() << "Xvfb did not start";
        return;
    }
    name_ = QStringLiteral(":") + QString::fromLatin1(server_.readLine().trimmed());
}

PrivateX11Display::~PrivateX11Display()
{
    server_.terminate();
    server_.waitForFinished(5000);
}

std::vector<X11Window> PrivateX11Display::shownWindows() const
{
    std::vector<X11Window> windows;
    xcb_connection_t* connection = xcb_connect(name_.toLatin1().constData(), nullptr);
    if (xcb_connection_has_error(connection) != 0) {
        xcb_disconnect(connection);
        return windows;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const xcb_atom_t nameAtom = atom(connection, "_NET_WM_NAME");
    const xcb_atom_t stateAtom = atom(connection, "_NET_WM_STATE");
    const xcb_atom_t desktopAtom = atom(connection, "_NET_WM_DESKTOP");
    const auto tree = owned(xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
    const xcb_window_t* children = tree ? xcb_query_tree_children(tree.get()) : nullptr;
    for (int i = 0; tree && i < xcb_query_tree_children_length(tree.get()); ++i) {
        const xcb_window_t window = children[i];
        const auto attributes = owned(
            xcb_get_window_attributes_reply(connection, xcb_get_window_attributes(connection, window), nullptr));
        if (!attributes || attributes->map_state != XCB_MAP_STATE_VIEWABLE) {
            continue;
        }
        X11Window shown;
        if (const auto name = property(connection, window, nameAtom)) {
            shown.name = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(name.get())),
                xcb_get_property_value_length(name.get()));
        }
        if (const auto states = property(connection, window, stateAtom); states && states->format == 32) {
            const auto* values = static_cast<const xcb_atom_t*>(xcb_get_property_value(states.get()));
            for (int j = 0; j < xcb_get_property_value_length(states.get()) / 4; ++j) {
                shown.states << atomName(connection, values[j]);
            }
        }
        if (const auto desktop = property(connection, window, desktopAtom);
            desktop && desktop->format == 32 && xcb_get_property_value_length(desktop.get()) == 4) {
            shown.desktop = *static_cast<const std::uint32_t*>(xcb_get_property_value(desktop.get()));
        }
        windows.push_back(shown);
    }
    xcb_disconnect(connection);
    return windows;
}

} // namespace horalet::testing
