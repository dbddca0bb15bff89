#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "platform/foundation/instant.h"
#include "platform/foundation/time_zone.h"

namespace horalet {

// One entry of the time-zone catalogue: the identifier stored under
// K::tz when the zone is chosen, and the title the picker shows.
struct TZItem {
    std::string id;
    std::string title;

    friend bool operator==(const TZItem&, const TZItem&) = default;
};

namespace TZList {

// Every zone of the database, titled in Chinese and sorted from west to
// east, then by identifier. Built on first use, once, at the system clock's
// instant, and kept unchanged.
const std::vector<TZItem>& all();

// "GMT+8", "GMT+5:30", "GMT-10", "GMT+0": the zone's offset at `now`.
std::string gmt(const platform::TimeZone& zone, platform::Instant now);
std::string gmtLabel(int secondsEastOfGMT);

// The catalogue as it stands at a given instant; `all` is this at its
// first use.
std::vector<TZItem> build(platform::Instant at);

// For searching, built once on the first search, in catalogue order: the
// titles lower-cased, and each zone's Chinese exemplar city ("纽约")
// lower-cased. The cities are searched beside the titles because the
// zones' Chinese names are region names ("北美东部时间") that no city query
// would otherwise find.
const std::vector<std::string>& lowercasedTitles();
const std::vector<std::string>& lowercasedCities();

} // namespace TZList

} // namespace horalet

template <> struct std::hash<horalet::TZItem> {
    std::size_t operator()(const horalet::TZItem& item) const noexcept
    {
        const std::size_t first = std::hash<std::string>{}(item.id);
        return first ^ (std::hash<std::string>{}(item.title) + 0x9e3779b97f4a7c15ULL + (first << 6) + (first >> 2));
    }
};
