#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/instant.h"
#include "platform/foundation/time_zone.h"

namespace horalet::platform {

// The zone the C library uses for a value of TZ, or none when TZ leaves it
// to the host's default (/etc/localtime): unset or ":".
//   ""                                   UTC
//   ":Europe/Paris", "Europe/Paris"      that zone of the database
//   ":/usr/share/zoneinfo/Asia/Tokyo"    the zone the file path names
//   ":/path/to/a/zone/file"              the rule at the end of the file
//   "JST-9", "CET-1CEST,M3.5.0,M10.5.0/3", "<+0545>-5:45"  a POSIX rule
// Anything else is UTC, as in the C library.
std::optional<TimeZone> zoneForTzVariable(std::optional<std::string_view> tz);

// The identifier of a database zone that keeps the same time as `zone`:
// the zone itself when it has a database identifier; else one with the
// same offsets and switches for the coming year; else one with the same
// offset at `at`; else "UTC". Among several, the one named like the
// zone's standard abbreviation (CET, UTC …) is taken first, then a fixed
// Etc/GMT zone, then the first in the database's order.
std::string databaseEquivalent(const TimeZone& zone, Instant at);

} // namespace horalet::platform
