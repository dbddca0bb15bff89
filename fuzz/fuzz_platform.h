#pragma once

#include <string>

#include "platform/foundation/system_environment.h"
#include "platform/foundation/system_time_zone.h"

namespace horalet::fuzz {

// The system as one fuzz input describes it: the value of TZ and of LANG.
class InputEnvironment final : public platform::SystemEnvironment {
public:
    InputEnvironment(const std::string& tz, const std::string& lang)
        : zone_(platform::zoneForTzVariable(tz).value_or(*platform::TimeZone::named("UTC")))
        , locale_(platform::Locale::withIdentifier(platform::Locale::identifierFromPosixValue(lang)))
    {
    }

    platform::TimeZone systemTimeZone() override { return zone_; }
    void resetSystemTimeZone() override { }
    platform::Locale currentLocale() override { return locale_; }

private:
    platform::TimeZone zone_;
    platform::Locale locale_;
};

} // namespace horalet::fuzz
