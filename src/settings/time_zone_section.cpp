#include "settings/settings_view.h"

namespace horalet {

using namespace platform::ui;

namespace {

// The zone titles are data, shown as they are.
Node zonePicker(const std::vector<TZItem>& zones, Binding<std::string> selection)
{
    std::vector<Option<std::string>> options;
    options.reserve(zones.size());
    for (const TZItem& zone : zones) {
        options.push_back(Option<std::string>{Label::verbatim(zone.title), zone.id});
    }
    return picker("时区", std::move(selection), std::move(options));
}

} // namespace

// While the clock follows the system zone there is nothing to search or
// choose, so the two rows are absent rather than disabled; the catalogue is
// built only once the picker lists its rows.
Node SettingsView::timeZoneSection() const
{
    const bool zoneChosen = !tz.get().empty();
    return section("时区", toggle("跟随系统时区", followSystem()),
        when(zoneChosen, [&] { return textField("搜索", query, Label("Tokyo / 纽约 / GMT+8")); }),
        when(zoneChosen, [&] { return zonePicker(filteredZones(), tz); }));
}

} // namespace horalet
