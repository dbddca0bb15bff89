#include "clock/time_zone_list.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "platform/foundation/clock.h"
#include "platform/foundation/text.h"

namespace horalet::TZList {

namespace {

constexpr std::string_view kSeparator = " · ";

const platform::Locale& displayLocale()
{
    static const platform::Locale zhCN = platform::Locale::withIdentifier("zh_CN");
    return zhCN;
}

struct Entry {
    TZItem item;
    int offset;
};

struct SearchIndex {
    std::vector<std::string> titles;
    std::vector<std::string> cities;
};

const SearchIndex& searchIndex()
{
    static const SearchIndex built = [] {
        SearchIndex index;
        for (const TZItem& item : all()) {
            index.titles.push_back(platform::lowercased(item.title));
            const auto zone = platform::TimeZone::named(item.id);
            index.cities.push_back(platform::lowercased(zone ? zone->exemplarCity(displayLocale()).value_or("") : ""));
        }
        return index;
    }();
    return built;
}

} // namespace

std::string gmtLabel(int secondsEastOfGMT)
{
    const char* sign = secondsEastOfGMT >= 0 ? "+" : "-";
    const int magnitude = std::abs(secondsEastOfGMT);
    const int hours = magnitude / 3600;
    const int minutes = (magnitude % 3600) / 60;
    char label[32];
    if (minutes == 0) {
        std::snprintf(label, sizeof label, "GMT%s%d", sign, hours);
    } else {
        std::snprintf(label, sizeof label, "GMT%s%d:%02d", sign, hours, minutes);
    }
    return label;
}

std::string gmt(const platform::TimeZone& zone, platform::Instant now)
{
    return gmtLabel(zone.secondsFromGMT(now));
}

std::vector<TZItem> build(platform::Instant at)
{
    std::vector<Entry> entries;
    for (const std::string& identifier : platform::TimeZone::knownTimeZoneIdentifiers()) {
        const auto zone = platform::TimeZone::named(identifier);
        if (!zone) {
            continue;
        }
        const int offset = zone->secondsFromGMT(at);
        const std::string name = zone->localizedGenericName(displayLocale(), at).value_or("");
        std::string title = identifier;
        title.append(kSeparator).append(name).append(kSeparator).append(gmtLabel(offset));
        entries.push_back(Entry{TZItem{identifier, std::move(title)}, offset});
    }
    // Byte order of UTF-8 text is code-point order.
    std::sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        if (a.offset != b.offset) {
            return a.offset < b.offset;
        }
        return a.item.id < b.item.id;
    });
    std::vector<TZItem> items;
    items.reserve(entries.size());
    for (Entry& entry : entries) {
        items.push_back(std::move(entry.item));
    }
    return items;
}

const std::vector<TZItem>& all()
{
    static const std::vector<TZItem> catalogue = build(platform::SystemClock().now());
    return catalogue;
}

const std::vector<std::string>& lowercasedTitles()
{
    return searchIndex().titles;
}

const std::vector<std::string>& lowercasedCities()
{
    return searchIndex().cities;
}

} // namespace horalet::TZList
