#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/clock.h"
#include "platform/foundation/notification_center.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/system_environment.h"
#include "platform/foundation/system_time_zone.h"
#include "platform/platform.h"

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

// The platform services for one input, installed while the object lives:
// the store (in memory, or over the given persistence), the system clock
// and the input's zone and locale.
class InputPlatform {
public:
    InputPlatform(const std::string& tz, const std::string& lang,
        std::unique_ptr<platform::PreferencesPersistence> persistence = nullptr)
        : store(center, std::move(persistence))
        , environment(tz, lang)
    {
        platform::Services services;
        services.clock = &clock;
        services.defaults = &store;
        services.defaultCenter = &center;
        services.workspaceCenter = &center;
        services.environment = &environment;
        previous_ = platform::install(services);
    }
    InputPlatform(const InputPlatform&) = delete;
    InputPlatform& operator=(const InputPlatform&) = delete;
    ~InputPlatform() { platform::install(previous_); }

    platform::SystemClock clock;
    platform::NotificationCenter center;
    platform::PreferencesStore store;
    InputEnvironment environment;

private:
    platform::Services previous_;
};

} // namespace horalet::fuzz
