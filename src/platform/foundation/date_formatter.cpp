#include "platform/foundation/date_formatter.h"

#include <unicode/dtptngen.h>
#include <unicode/smpdtfmt.h>

#include "platform/foundation/icu_cache.h"
#include "platform/foundation/text.h"

namespace horalet::platform {

namespace {

icu::DateFormat::EStyle icuStyle(DateFormatter::Style style)
{
    switch (style) {
    case DateFormatter::Style::shortStyle:
        return icu::DateFormat::kShort;
    case DateFormatter::Style::medium:
        return icu::DateFormat::kMedium;
    case DateFormatter::Style::longStyle:
        return icu::DateFormat::kLong;
    case DateFormatter::Style::full:
        return icu::DateFormat::kFull;
    case DateFormatter::Style::none:
        break;
    }
    return icu::DateFormat::kNone;
}

TimeZone greenwich()
{
    return TimeZone::adopting(icu::TimeZone::getGMT()->clone());
}

} // namespace

DateFormatter::DateFormatter()
    : locale_(Locale::withIdentifier(""))
    , zone_(greenwich())
{
}

DateFormatter::DateFormatter(const DateFormatter& other)
    : locale_(other.locale_)
    , zone_(other.zone_)
    , pattern_(other.pattern_)
    , dateStyle_(other.dateStyle_)
    , timeStyle_(other.timeStyle_)
{
}

DateFormatter& DateFormatter::operator=(const DateFormatter& other)
{
    if (this != &other) {
        locale_ = other.locale_;
        zone_ = other.zone_;
        pattern_ = other.pattern_;
        dateStyle_ = other.dateStyle_;
        timeStyle_ = other.timeStyle_;
        invalidate();
    }
    return *this;
}

DateFormatter::DateFormatter(DateFormatter&&) noexcept = default;
DateFormatter& DateFormatter::operator=(DateFormatter&&) noexcept = default;
DateFormatter::~DateFormatter() = default;

void DateFormatter::setLocale(Locale locale)
{
    locale_ = std::move(locale);
    invalidate();
}

void DateFormatter::setTimeZone(TimeZone zone)
{
    zone_ = std::move(zone);
    invalidate();
}

void DateFormatter::setDateFormat(std::string pattern)
{
    pattern_ = std::move(pattern);
    invalidate();
}

void DateFormatter::setDateStyle(Style style)
{
    dateStyle_ = style;
    pattern_.reset();
    invalidate();
}

void DateFormatter::setTimeStyle(Style style)
{
    timeStyle_ = style;
    pattern_.reset();
    invalidate();
}

void DateFormatter::build() const
{
    UErrorCode status = U_ZERO_ERROR;
    if (pattern_) {
        icu_ = std::make_unique<icu::SimpleDateFormat>(fromUtf8(*pattern_), locale_.icu(), status);
    } else {
        icu_.reset(icu::DateFormat::createDateTimeInstance(icuStyle(dateStyle_), icuStyle(timeStyle_), locale_.icu()));
    }
    if (U_FAILURE(status) || !icu_) {
        icu_.reset();
        return;
    }
    icu_->setTimeZone(zone_.icu());
}

std::string DateFormatter::stringFromDate(Instant instant) const
{
    if (!icu_) {
        build();
    }
    if (!icu_) {
        return {};
    }
    icu::UnicodeString text;
    icu_->format(instant.millisecondsSinceEpoch(), text);
    return toUtf8(text);
}

std::optional<std::string> dateFormatFromTemplate(const std::string& skeleton, const Locale& locale)
{
    thread_local PerLocaleCache<icu::DateTimePatternGenerator> cache;
    icu::DateTimePatternGenerator* generator = cache.get(locale.icu().getName(), [&] {
        UErrorCode status = U_ZERO_ERROR;
        icu::DateTimePatternGenerator* made = icu::DateTimePatternGenerator::createInstance(locale.icu(), status);
        if (U_FAILURE(status)) {
            delete made;
            return static_cast<icu::DateTimePatternGenerator*>(nullptr);
        }
        return made;
    });
    if (generator == nullptr) {
        return std::nullopt;
    }
    UErrorCode status = U_ZERO_ERROR;
    const icu::UnicodeString pattern = generator->getBestPattern(fromUtf8(skeleton), status);
    if (U_FAILURE(status) || pattern.isEmpty()) {
        return std::nullopt;
    }
    return toUtf8(pattern);
}

} // namespace horalet::platform
