#include "platform/foundation/system_environment.h"

#include <cstdlib>

#include "platform/foundation/system_time_zone.h"

namespace horalet::platform {

namespace {

// ICU reads TZ itself but knows only zone names; the C library also takes
// POSIX rules and file paths, and the clock must show what `date` shows.
// Only when TZ leaves the choice to the host does ICU look at
// /etc/localtime; it answers "Etc/Unknown" (or nothing) when that names no
// zone either, and the clock then shows UTC.
TimeZone hostTimeZone()
{
    const char* tz = std::getenv("TZ");
    if (auto zone = zoneForTzVariable(tz != nullptr ? std::optional<std::string_view>(tz) : std::nullopt)) {
        return *zone;
    }
    icu::TimeZone* detected = icu::TimeZone::detectHostTimeZone();
    if (detected == nullptr) {
        return *TimeZone::named("UTC");
    }
    TimeZone zone = TimeZone::adopting(detected);
    return zone.identifier() == "Etc/Unknown" ? *TimeZone::named("UTC") : zone;
}

} // namespace

TimeZone HostEnvironment::systemTimeZone()
{
    if (!cached_) {
        cached_ = hostTimeZone();
    }
    return *cached_;
}

void HostEnvironment::resetSystemTimeZone()
{
    cached_.reset();
}

Locale HostEnvironment::currentLocale()
{
    return Locale::fromPosixEnvironment();
}

} // namespace horalet::platform
