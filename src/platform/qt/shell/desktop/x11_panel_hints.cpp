#include "platform/qt/shell/desktop/x11_panel_hints.h"

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>

#include <QWindow>

#include "platform/qt/shell/desktop/qt_x11_connection.h"

namespace horalet::platform::qt {

namespace {

xcb_atom_t atom(xcb_connection_t* connection, std::string_view name)
{
    const xcb_intern_atom_cookie_t cookie
        = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data());
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The desktop number that means "every desktop".
constexpr std::uint32_t kAllDesktops = 0xFFFFFFFF;

} // namespace

bool askToBehaveLikePanel(QWindow& window)
{
    xcb_connection_t* connection = qtX11Connection();
    if (connection == nullptr) {
        return false;
    }
    const auto id = static_cast<xcb_window_t>(window.winId());
    // Before mapping, a window states its wishes in its own properties; Qt
    // adds its own states to these when it maps the window.
    const std::array states{atom(connection, "_NET_WM_STATE_SKIP_TASKBAR"),
        atom(connection, "_NET_WM_STATE_SKIP_PAGER"), atom(connection, "_NET_WM_STATE_STICKY")};
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "_NET_WM_STATE"), XCB_ATOM_ATOM, 32,
        static_cast<std::uint32_t>(states.size()), states.data());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, id, atom(connection, "_NET_WM_DESKTOP"), XCB_ATOM_CARDINAL,
        32, 1, &kAllDesktops);
    xcb_flush(connection);
    return true;
}

} // namespace horalet::platform::qt
