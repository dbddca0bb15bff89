#include "clock/zone_choice.h"

#include <algorithm>

#include "platform/foundation/system_time_zone.h"
#include "platform/foundation/text.h"

namespace horalet::ZoneChoice {

bool followsSystem(std::string_view tz)
{
    return tz.empty();
}

std::string zoneWhenFollowing(bool follow, const platform::TimeZone& systemZone, platform::Instant now)
{
    if (follow) {
        return {};
    }
    // The system zone may be a POSIX rule from TZ, which the store and the
    // picker do not know: keep its time under a database zone's name.
    return platform::databaseEquivalent(systemZone, now);
}

std::vector<std::reference_wrapper<const TZItem>> filteredZoneRefs(
    const SearchableZones& zones, std::string_view query, std::string_view tz)
{
    const std::vector<TZItem>& all = zones.items;
    const std::string needle = platform::lowercased(platform::trimmingWhitespaceSet(query));

    std::vector<std::reference_wrapper<const TZItem>> matches;
    matches.reserve(all.size() + 1);
    if (needle.empty()) {
        matches.assign(all.begin(), all.end());
    } else {
        const std::vector<std::string>& titles = zones.lowercasedTitles;
        const std::vector<std::string>& cities = zones.lowercasedCities;
        for (std::size_t i = 0; i < all.size(); ++i) {
            if (platform::contains(titles[i], needle) || platform::contains(cities[i], needle)) {
                matches.push_back(all[i]);
            }
        }
    }

    const auto isChosen = [&](const TZItem& item) { return item.id == tz; };
    if (std::none_of(matches.begin(), matches.end(), isChosen)) {
        if (const auto chosen = std::find_if(all.begin(), all.end(), isChosen); chosen != all.end()) {
            matches.insert(matches.begin(), *chosen);
        }
    }
    return matches;
}

std::vector<std::reference_wrapper<const TZItem>> filteredZoneRefs(std::string_view query, std::string_view tz)
{
    return filteredZoneRefs(
        SearchableZones{TZList::all(), TZList::lowercasedTitles(), TZList::lowercasedCities()}, query, tz);
}

std::vector<TZItem> filteredZones(std::string_view query, std::string_view tz)
{
    const std::vector<std::reference_wrapper<const TZItem>> matches = filteredZoneRefs(query, tz);
    return std::vector<TZItem>(matches.begin(), matches.end());
}

} // namespace horalet::ZoneChoice
