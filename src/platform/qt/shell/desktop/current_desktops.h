#pragma once

#include <QStringList>
#include <QStringView>

namespace horalet::platform::qt {

// The desktops a value of XDG_CURRENT_DESKTOP names, most specific first
// ("ubuntu:GNOME").
QStringList desktopsNamed(QStringView value);

// The desktops this session's XDG_CURRENT_DESKTOP names.
QStringList currentDesktops();

} // namespace horalet::platform::qt
