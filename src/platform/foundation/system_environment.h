#pragma once

#include "platform/foundation/locale.h"
#include "platform/foundation/time_zone.h"

namespace horalet::platform {

// What the system says about where and how the user lives: the current
// system time zone (cached until reset, as the platform caches it) and the
// user's current locale.
class SystemEnvironment {
public:
    virtual ~SystemEnvironment() = default;
    virtual TimeZone systemTimeZone() = 0;
    virtual void resetSystemTimeZone() = 0;
    virtual Locale currentLocale() = 0;
};

// The host's zone from TZ or /etc/localtime, as ICU detects it, and the
// locale from the POSIX environment.
class HostEnvironment final : public SystemEnvironment {
public:
    TimeZone systemTimeZone() override;
    void resetSystemTimeZone() override;
    Locale currentLocale() override;

private:
    std::optional<TimeZone> cached_;
};

} // namespace horalet::platform
