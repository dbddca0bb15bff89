#include "platform/qt/shell/desktop/pointer_buttons.h"

#include <cstdlib>
#include <memory>

#include "platform/qt/shell/desktop/qt_x11_connection.h"

namespace horalet::platform::qt {

bool pointerButtonHeld()
{
    xcb_connection_t* connection = qtX11Connection();
    if (connection == nullptr) {
        return false;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> reply(
        xcb_query_pointer_reply(connection, xcb_query_pointer(connection, root), nullptr), &std::free);
    constexpr unsigned buttons = XCB_KEY_BUT_MASK_BUTTON_1 | XCB_KEY_BUT_MASK_BUTTON_2 | XCB_KEY_BUT_MASK_BUTTON_3
        | XCB_KEY_BUT_MASK_BUTTON_4 | XCB_KEY_BUT_MASK_BUTTON_5;
    return reply != nullptr && (reply->mask & buttons) != 0;
}

} // namespace horalet::platform::qt
