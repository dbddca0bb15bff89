#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/foundation/time_zone.h"

namespace horalet::platform {

// A zone from a POSIX TZ rule, as the C library reads the TZ variable when
// it names no zone file: "JST-9", "UTC0", "<+0545>-5:45",
// "CET-1CEST,M3.5.0,M10.5.0/3". The offsets count west of Greenwich; a
// daylight name without rules takes the C library's default
// (",M3.2.0,M11.1.0"). The zone carries `identifier` as its id. None when
// the text is no such rule. A rule whose switch times ICU cannot express
// keeps its standard time all year.
std::optional<TimeZone> zoneFromPosixRule(std::string_view rule, const std::string& identifier);

} // namespace horalet::platform
