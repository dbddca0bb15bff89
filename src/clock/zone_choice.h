#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "clock/time_zone_list.h"
#include "platform/foundation/time_zone.h"

namespace horalet::ZoneChoice {

// The follow-system switch over the stored "timeZone" text: on exactly when
// it is empty. Switching on stores the empty text; switching off stores the
// current system zone (or a database zone that keeps its time), so the
// clock keeps showing the same time from `now` on.
bool followsSystem(std::string_view tz);
std::string zoneWhenFollowing(bool follow, const platform::TimeZone& systemZone, platform::Instant now);

// The zones the picker lists for a search text and the chosen zone: the
// catalogue items whose title (or Chinese city) contains the trimmed,
// lower-cased query, in catalogue order, with the chosen zone put first
// when the search drops it.
std::vector<TZItem> filteredZones(std::string_view query, std::string_view tz);

// The same list as references into the catalogue, which lives for the whole
// process. Copying the items out costs more than the search itself (about
// 25 µs for the whole catalogue), so a caller that only reads the rows
// should take these.
std::vector<std::reference_wrapper<const TZItem>> filteredZoneRefs(std::string_view query, std::string_view tz);

} // namespace horalet::ZoneChoice
