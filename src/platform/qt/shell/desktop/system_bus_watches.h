#pragma once

#include <QDBusConnection>

#include "platform/qt/shell/wake_watch.h"
#include "platform/qt/shell/zone_watch.h"

namespace horalet::platform::qt {

// Feeds logind's PrepareForSleep into the wake watch. False when that bus
// has no logind; then the wake watch must check suspend gaps.
bool followLogind(QDBusConnection bus, WakeWatch& wake);

// Feeds org.freedesktop.timedate1's zone changes into the zone watch.
void followTimedate(QDBusConnection bus, ZoneWatch& zone);

} // namespace horalet::platform::qt
