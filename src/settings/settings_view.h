#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "clock/settings_keys.h"
#include "clock/time_zone_list.h"
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
// showing the form writes nothing.
class SettingsView final : public platform::ui::View {
public:
    template <typename T> using Preference = platform::ui::PreferenceBinding<T>;

    // Observes the shared update model.
    SettingsView();
    // Observes the given model instead.
    explicit SettingsView(std::shared_ptr<AppUpdates> model);

    // Each falls back on its setting's default, so a store without the
    // registered defaults shows the same form.
    Preference<std::int64_t> weekday{K::weekday};
    Preference<std::int64_t> date{K::date};
    Preference<bool> year{K::year};
    Preference<bool> use24{K::use24};
    Preference<bool> seconds{K::seconds};
    Preference<bool> ampm{K::ampm};
    Preference<bool> bold{K::bold};
    Preference<bool> monoDigit{K::monoDigit};
    Preference<std::string> tz{K::tz};
    Preference<std::string> label{K::label};
    Preference<std::string> localeID{K::locale};
    Preference<bool> useCustom{K::useCustom};
    Preference<std::string> custom{K::custom};
    platform::ui::ObservedObject<AppUpdates> updates;
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
    // One function per section, each in a file of its own.
    platform::ui::Node previewSection() const;
    platform::ui::Node displaySection() const;
    platform::ui::Node appearanceSection() const;
    platform::ui::Node timeZoneSection() const;
    platform::ui::Node advancedSection() const;
    platform::ui::Node updateSection() const;
};

} // namespace horalet
