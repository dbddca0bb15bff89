#pragma once

#include <memory>
#include <optional>
#include <string>

#include <unicode/datefmt.h>

#include "platform/foundation/instant.h"
#include "platform/foundation/locale.h"
#include "platform/foundation/time_zone.h"

namespace horalet::platform {

// A date formatter configured with a locale, a time zone and either an LDML
// pattern or a date and time style. The ICU formatter behind it is built on
// the first format after a change and then reused, so formatting once per
// second costs only the formatting itself.
class DateFormatter {
public:
    enum class Style { none = 0, shortStyle = 1, medium = 2, longStyle = 3, full = 4 };

    DateFormatter();
    DateFormatter(const DateFormatter& other);
    DateFormatter& operator=(const DateFormatter& other);
    DateFormatter(DateFormatter&&) noexcept;
    DateFormatter& operator=(DateFormatter&&) noexcept;
    ~DateFormatter();

    void setLocale(Locale locale);
    void setTimeZone(TimeZone zone);
    // Taken as it is, without validation; it replaces any styles.
    void setDateFormat(std::string pattern);
    void setDateStyle(Style style);
    void setTimeStyle(Style style);

    const Locale& locale() const { return locale_; }
    const TimeZone& timeZone() const { return zone_; }
    const std::optional<std::string>& dateFormat() const { return pattern_; }
    Style dateStyle() const { return dateStyle_; }
    Style timeStyle() const { return timeStyle_; }

    // Always returns text; a pattern ICU cannot use formats as far as it can.
    std::string stringFromDate(Instant instant) const;

private:
    void invalidate() { icu_.reset(); }
    void build() const;

    Locale locale_;
    TimeZone zone_;
    std::optional<std::string> pattern_;
    Style dateStyle_ = Style::none;
    Style timeStyle_ = Style::none;
    mutable std::unique_ptr<icu::DateFormat> icu_;
};

// The locale's preferred pattern for the fields of an LDML skeleton, or
// none when the locale data gives no pattern.
std::optional<std::string> dateFormatFromTemplate(const std::string& skeleton, const Locale& locale);

} // namespace horalet::platform
