#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <unicode/timezone.h>

#include "platform/foundation/instant.h"
#include "platform/foundation/locale.h"

namespace horalet::platform {

// An immutable time zone of the ICU database. Copies share one ICU zone.
class TimeZone {
public:
    // None when the database has no zone of that identifier. ICU answers
    // such identifiers with "Etc/Unknown", which counts as none here.
    static std::optional<TimeZone> named(const std::string& identifier);
    static TimeZone adopting(icu::TimeZone* zone);

    // Every identifier of the time-zone database, in ICU's order.
    static std::vector<std::string> knownTimeZoneIdentifiers();

    std::string identifier() const;
    int secondsFromGMT(Instant at) const;
    // The generic-style long localized name at an instant ("北美东部时间"),
    // falling back to the locale's GMT format as ICU does; none when ICU
    // gives no text at all.
    std::optional<std::string> localizedGenericName(const Locale& locale, Instant at) const;

    // The zone's exemplar city in the locale ("纽约"), or none.
    std::optional<std::string> exemplarCity(const Locale& locale) const;

    const icu::TimeZone& icu() const { return *zone_; }

    friend bool operator==(const TimeZone& a, const TimeZone& b) { return *a.zone_ == *b.zone_; }

private:
    explicit TimeZone(std::shared_ptr<const icu::TimeZone> zone);

    std::shared_ptr<const icu::TimeZone> zone_;
};

} // namespace horalet::platform
