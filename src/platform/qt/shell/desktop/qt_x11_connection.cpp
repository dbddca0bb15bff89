#include "platform/qt/shell/desktop/qt_x11_connection.h"

#include <QGuiApplication>

namespace horalet::platform::qt {

xcb_connection_t* qtX11Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        return nullptr;
    }
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? x11->connection() : nullptr;
}

} // namespace horalet::platform::qt
