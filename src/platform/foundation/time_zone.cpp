#include "platform/foundation/time_zone.h"

#include <unicode/strenum.h>
#include <unicode/tzfmt.h>
#include <unicode/tznames.h>

#include "platform/foundation/icu_cache.h"
#include "platform/foundation/text.h"

namespace horalet::platform {

namespace {

constexpr char16_t kUnknownZoneId[] = u"Etc/Unknown";

icu::TimeZoneFormat* zoneFormatFor(const Locale& locale)
{
    thread_local PerLocaleCache<icu::TimeZoneFormat> cache;
    return cache.get(locale.icu().getName(), [&] {
        UErrorCode status = U_ZERO_ERROR;
        icu::TimeZoneFormat* format = icu::TimeZoneFormat::createInstance(locale.icu(), status);
        if (U_FAILURE(status)) {
            delete format;
            return static_cast<icu::TimeZoneFormat*>(nullptr);
        }
        return format;
    });
}

icu::TimeZoneNames* zoneNamesFor(const Locale& locale)
{
    thread_local PerLocaleCache<icu::TimeZoneNames> cache;
    return cache.get(locale.icu().getName(), [&] {
        UErrorCode status = U_ZERO_ERROR;
        icu::TimeZoneNames* names = icu::TimeZoneNames::createInstance(locale.icu(), status);
        if (U_FAILURE(status)) {
            delete names;
            return static_cast<icu::TimeZoneNames*>(nullptr);
        }
        return names;
    });
}

} // namespace

TimeZone::TimeZone(std::shared_ptr<const icu::TimeZone> zone)
    : zone_(std::move(zone))
{
}

TimeZone TimeZone::adopting(icu::TimeZone* zone)
{
    return TimeZone(std::shared_ptr<const icu::TimeZone>(zone));
}

std::optional<TimeZone> TimeZone::named(const std::string& identifier)
{
    std::unique_ptr<icu::TimeZone> zone(icu::TimeZone::createTimeZone(fromUtf8(identifier)));
    if (!zone) {
        return std::nullopt;
    }
    icu::UnicodeString id;
    zone->getID(id);
    if (id == icu::UnicodeString(kUnknownZoneId)) {
        return std::nullopt;
    }
    return adopting(zone.release());
}

std::vector<std::string> TimeZone::knownTimeZoneIdentifiers()
{
    std::vector<std::string> identifiers;
    std::unique_ptr<icu::StringEnumeration> ids(icu::TimeZone::createEnumeration());
    UErrorCode status = U_ZERO_ERROR;
    while (const icu::UnicodeString* id = ids->snext(status)) {
        if (U_FAILURE(status)) {
            break;
        }
        identifiers.push_back(toUtf8(*id));
    }
    return identifiers;
}

std::string TimeZone::identifier() const
{
    icu::UnicodeString id;
    zone_->getID(id);
    return toUtf8(id);
}

int TimeZone::secondsFromGMT(Instant at) const
{
    int32_t raw = 0;
    int32_t dst = 0;
    UErrorCode status = U_ZERO_ERROR;
    zone_->getOffset(at.millisecondsSinceEpoch(), false, raw, dst, status);
    if (U_FAILURE(status)) {
        return zone_->getRawOffset() / 1000;
    }
    return (raw + dst) / 1000;
}

std::optional<std::string> TimeZone::localizedGenericName(const Locale& locale, Instant at) const
{
    icu::TimeZoneFormat* format = zoneFormatFor(locale);
    if (format == nullptr) {
        return std::nullopt;
    }
    icu::UnicodeString name;
    format->format(UTZFMT_STYLE_GENERIC_LONG, *zone_, at.millisecondsSinceEpoch(), name, nullptr);
    if (name.isEmpty()) {
        return std::nullopt;
    }
    return toUtf8(name);
}

} // namespace horalet::platform

namespace horalet::platform {

std::optional<std::string> TimeZone::exemplarCity(const Locale& locale) const
{
    icu::TimeZoneNames* names = zoneNamesFor(locale);
    if (names == nullptr) {
        return std::nullopt;
    }
    icu::UnicodeString id;
    zone_->getID(id);
    icu::UnicodeString canonical;
    UErrorCode status = U_ZERO_ERROR;
    icu::TimeZone::getCanonicalID(id, canonical, status);
    if (U_FAILURE(status)) {
        canonical = id;
    }
    icu::UnicodeString city;
    names->getExemplarLocationName(canonical, city);
    if (city.isEmpty()) {
        return std::nullopt;
    }
    return toUtf8(city);
}

} // namespace horalet::platform
