#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "clock/clock_format.h"
#include "clock/settings_keys.h"
#include "clock/time_zone_list.h"
#include "platform/foundation/clock.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/system_environment.h"
#include "platform/ui/builders.h"
#include "platform/ui/observed_object.h"
#include "platform/ui/preference_binding.h"
#include "platform/ui/state.h"
#include "platform/ui/view.h"
#include "updates/app_updates.h"

namespace horalet {

// The whole content of the settings window: one grouped form whose controls
// write the clock settings at once. There is nothing to apply or undo; the
// clock follows through the store's change notification. Creating or
// showing the form writes nothing; every write to the store redraws it.
class SettingsView final : public platform::ui::View {
public:
    template <typename T> using Preference = platform::ui::PreferenceBinding<T>;

    // What the form reads, writes and observes; all of it outlives the form.
    struct Parts {
        platform::PreferencesStore& store;
        platform::SystemEnvironment& environment;
        const platform::Clock& clock;
        AppUpdates& updates;
    };

    explicit SettingsView(Parts parts);

private:
    Parts parts_;

public:
    // Each falls back on its setting's default, so a store without the
    // registered defaults shows the same form.
    Preference<std::int64_t> weekday{parts_.store, K::weekday};
    Preference<std::int64_t> date{parts_.store, K::date};
    Preference<bool> year{parts_.store, K::year};
    Preference<bool> use24{parts_.store, K::use24};
    Preference<bool> seconds{parts_.store, K::seconds};
    Preference<bool> ampm{parts_.store, K::ampm};
    Preference<bool> bold{parts_.store, K::bold};
    Preference<bool> monoDigit{parts_.store, K::monoDigit};
    Preference<std::string> tz{parts_.store, K::tz};
    Preference<std::string> label{parts_.store, K::label};
    Preference<std::string> localeID{parts_.store, K::locale};
    Preference<bool> useCustom{parts_.store, K::useCustom};
    Preference<std::string> custom{parts_.store, K::custom};
    platform::ui::ObservedObject<AppUpdates> updates{*this, parts_.updates};
    // The search text of the time-zone section; it lives as long as the form.
    platform::ui::State<std::string> query{*this, ""};

    platform::ui::Node body() const override;

    // On exactly while the clock follows the system time zone.
    platform::ui::Binding<bool> followSystem() const;
    // The zones the time-zone picker lists for the current search.
    std::vector<TZItem> filteredZones() const;

    static constexpr double kWidth = 440.0;
    static constexpr double kMinHeight = 620.0;

private:
    ClockSources clockSources() const { return ClockSources{parts_.store, parts_.environment}; }

    // One function per section, each in a file of its own.
    platform::ui::Node previewSection() const;
    platform::ui::Node displaySection() const;
    platform::ui::Node appearanceSection() const;
    platform::ui::Node timeZoneSection() const;
    platform::ui::Node advancedSection() const;
    platform::ui::Node updateSection() const;
};

} // namespace horalet
