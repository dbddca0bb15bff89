#include "platform/foundation/system_environment.h"

namespace horalet::platform {

TimeZone HostEnvironment::systemTimeZone()
{
    if (!cached_) {
        // detectHostTimeZone answers "Etc/Unknown" when neither TZ nor
        // /etc/localtime names a zone; the clock then shows UTC.
        TimeZone detected = TimeZone::adopting(icu::TimeZone::detectHostTimeZone());
        cached_ = detected.identifier() == "Etc/Unknown" ? *TimeZone::named("UTC") : detected;
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
