#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/time_zone_list.h"
#include "platform/foundation/time_zone.h"

namespace horalet::ZoneChoice {

// The follow-system switch over the stored K::tz text: on exactly when
// it is empty. Switching on stores the empty text; switching off stores the
// current system zone (or a database zone that keeps its time), so the
// clock keeps showing the same time from `now` on.
bool followsSystem(std::string_view tz);
std::string zoneWhenFollowing(bool follow, const platform::TimeZone& systemZone, platform::Instant now);

// A catalogue to search: its items and, in the same order, their titles
// and Chinese cities lower-cased.
struct SearchableZones {
    const std::vector<TZItem>& items;
    const std::vector<std::string>& lowercasedTitles;
    const std::vector<std::string>& lowercasedCities;
};

// The zones the picker lists for a search text and the chosen zone: the
// catalogue items whose title (or Chinese city) contains the trimmed,
// lower-cased query, in catalogue order, with the chosen zone put first
// when the search drops it. As references into the catalogue: copying the
// items out costs more than the search itself (about 25 µs for the whole
// catalogue), so a caller that only reads the rows should take these.
std::vector<std::reference_wrapper<const TZItem>> filteredZoneRefs(
    const SearchableZones& zones, std::string_view query, std::string_view tz);

// The same over the process's catalogue (TZList::all), which lives for the
// whole process; filteredZones copies the items out.
std::vector<std::reference_wrapper<const TZItem>> filteredZoneRefs(std::string_view query, std::string_view tz);
std::vector<TZItem> filteredZones(std::string_view query, std::string_view tz);

} // namespace horalet::ZoneChoice
