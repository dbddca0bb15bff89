#include "settings/settings_view.h"

#include "clock/zone_choice.h"

namespace horalet {

SettingsView::SettingsView(Parts parts)
    : parts_(parts)
{
    forward(parts_.store.didChange);
}

platform::ui::Node SettingsView::body() const
{
    return platform::ui::form(kWidth, kMinHeight, previewSection(), displaySection(), appearanceSection(),
        timeZoneSection(), advancedSection(), updateSection());
}

platform::ui::Binding<bool> SettingsView::followSystem() const
{
    return platform::ui::Binding<bool>([zone = tz] { return ZoneChoice::followsSystem(zone.get()); },
        [zone = tz, &environment = parts_.environment, &clock = parts_.clock](bool follow) {
            zone.set(ZoneChoice::zoneWhenFollowing(follow, environment.systemTimeZone(), clock.now()));
        });
}

std::vector<TZItem> SettingsView::filteredZones() const
{
    return ZoneChoice::filteredZones(query.get(), tz.get());
}

} // namespace horalet
