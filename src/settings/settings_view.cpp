#include "settings/settings_view.h"

#include "clock/zone_choice.h"

namespace horalet {

namespace {

// The shared model lives until the process ends; the view only refers to it.
std::shared_ptr<AppUpdates> sharedModel()
{
    return std::shared_ptr<AppUpdates>(std::shared_ptr<AppUpdates>(), &AppUpdates::shared());
}

} // namespace

SettingsView::SettingsView()
    : SettingsView(sharedModel())
{
}

SettingsView::SettingsView(std::shared_ptr<AppUpdates> model)
    : updates(*this, std::move(model))
{
}

platform::ui::Node SettingsView::body() const
{
    return platform::ui::form(kWidth, kMinHeight, previewSection(), displaySection(), appearanceSection(),
        timeZoneSection(), advancedSection(), updateSection());
}

platform::ui::Binding<bool> SettingsView::followSystem() const
{
    return platform::ui::Binding<bool>([zone = tz] { return ZoneChoice::followsSystem(zone.get()); },
        [zone = tz](bool follow) { zone.set(ZoneChoice::zoneWhenFollowing(follow)); });
}

std::vector<TZItem> SettingsView::filteredZones() const
{
    return ZoneChoice::filteredZones(query.get(), tz.get());
}

} // namespace horalet
