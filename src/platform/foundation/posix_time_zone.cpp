#include "platform/foundation/posix_time_zone.h"

#include <array>
#include <cctype>
#include <memory>

#include <unicode/simpletz.h>

#include "platform/foundation/text.h"

namespace horalet::platform {

namespace {

constexpr int kSecondsPerHour = 3600;
constexpr int kMillisecondsPerDay = 24 * 3600 * 1000;

// When the change happens in the year: a day of the year or the w-th
// weekday of a month, and the local time of day in seconds.
struct SwitchRule {
    int month = 0; // 0-11
    int week = 0; // 1-4, -1 for the last; 0 for a fixed day of the month
    int weekday = 0; // 1 (Sunday) - 7
    int dayOfMonth = 0;
    int seconds = 2 * kSecondsPerHour;
};

struct PosixRule {
    int standardEast = 0; // seconds east of Greenwich
    std::optional<int> daylightEast;
    SwitchRule start{2, 2, 1, 0}; // M3.2.0
    SwitchRule end{10, 1, 1, 0}; // M11.1.0
};

class Reader {
public:
    explicit Reader(std::string_view text)
        : rest_(text)
    {
    }

    bool done() const { return rest_.empty(); }
    bool next(char c) const { return !rest_.empty() && rest_.front() == c; }
    bool take(char c)
    {
        if (!next(c)) {
            return false;
        }
        rest_.remove_prefix(1);
        return true;
    }
    bool nextIsDigit() const { return !rest_.empty() && std::isdigit(static_cast<unsigned char>(rest_.front())); }

    std::optional<int> number(int largest)
    {
        if (!nextIsDigit()) {
            return std::nullopt;
        }
        int value = 0;
        while (nextIsDigit()) {
            value = value * 10 + (rest_.front() - '0');
            rest_.remove_prefix(1);
            if (value > largest) {
                return std::nullopt;
            }
        }
        return value;
    }

    // A zone abbreviation: three or more letters, or "<...>" with letters,
    // digits and signs.
    bool name()
    {
        std::size_t length = 0;
        if (take('<')) {
            const auto isQuotedChar
                = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-'; };
            while (length < rest_.size() && isQuotedChar(rest_[length])) {
                ++length;
            }
            if (length < 3 || length >= rest_.size() || rest_[length] != '>') {
                return false;
            }
            rest_.remove_prefix(length + 1);
            return true;
        }
        while (length < rest_.size() && std::isalpha(static_cast<unsigned char>(rest_[length]))) {
            ++length;
        }
        rest_.remove_prefix(length);
        return length >= 3;
    }

    // [+-]hh[:mm[:ss]] in seconds.
    std::optional<int> time(int largestHours)
    {
        int sign = 1;
        if (take('-')) {
            sign = -1;
        } else {
            take('+');
        }
        const std::optional<int> hours = number(largestHours);
        if (!hours) {
            return std::nullopt;
        }
        int seconds = *hours * kSecondsPerHour;
        for (const int unit : {60, 1}) {
            if (!take(':')) {
                break;
            }
            const std::optional<int> part = number(59);
            if (!part) {
                return std::nullopt;
            }
            seconds += *part * unit;
        }
        return sign * seconds;
    }

private:
    std::string_view rest_;
};

// Jn (1-365, never counting 29 February) or n (0-365) as a day of a month.
// ICU's rules know no day of the year; n is taken as in a common year.
std::optional<SwitchRule> dayOfYear(int day)
{
    constexpr std::array<int, 12> kMonthLengths{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int month = 0; month < 12; ++month) {
        const int length = kMonthLengths[static_cast<std::size_t>(month)];
        if (day <= length) {
            SwitchRule rule;
            rule.month = month;
            rule.dayOfMonth = day;
            return rule;
        }
        day -= length;
    }
    SwitchRule lastDay;
    lastDay.month = 11;
    lastDay.dayOfMonth = 31;
    return lastDay;
}

std::optional<SwitchRule> switchRule(Reader& in)
{
    std::optional<SwitchRule> rule;
    if (in.take('J')) {
        const std::optional<int> day = in.number(365);
        if (!day || *day == 0) {
            return std::nullopt;
        }
        rule = dayOfYear(*day);
    } else if (in.take('M')) {
        // Mm.w.d: week 5 is the last, weekday 0 is Sunday.
        const int month = in.number(12).value_or(0);
        const int week = in.take('.') ? in.number(5).value_or(0) : 0;
        const int weekday = in.take('.') ? in.number(6).value_or(-1) : -1;
        if (month == 0 || week == 0 || weekday < 0) {
            return std::nullopt;
        }
        rule = SwitchRule{month - 1, week == 5 ? -1 : week, weekday + 1, 0};
    } else {
        const std::optional<int> day = in.number(365);
        if (!day) {
            return std::nullopt;
        }
        rule = dayOfYear(*day + 1);
    }
    if (in.take('/')) {
        // The C library allows -167 to 167 hours here.
        const std::optional<int> seconds = in.time(167);
        if (!seconds) {
            return std::nullopt;
        }
        rule->seconds = *seconds;
    }
    return rule;
}

std::optional<PosixRule> parse(std::string_view text)
{
    Reader in(text);
    PosixRule rule;
    if (!in.name()) {
        return std::nullopt;
    }
    const std::optional<int> standardWest = in.time(24);
    if (!standardWest) {
        return std::nullopt;
    }
    rule.standardEast = -*standardWest;
    if (in.done()) {
        return rule;
    }
    if (!in.name()) {
        return std::nullopt;
    }
    rule.daylightEast = rule.standardEast + kSecondsPerHour;
    if (!in.done() && !in.next(',')) {
        const std::optional<int> daylightWest = in.time(24);
        if (!daylightWest) {
            return std::nullopt;
        }
        rule.daylightEast = -*daylightWest;
    }
    if (in.take(',')) {
        const std::optional<SwitchRule> start = switchRule(in);
        const std::optional<SwitchRule> end = in.take(',') ? switchRule(in) : std::nullopt;
        if (!start || !end) {
            return std::nullopt;
        }
        rule.start = *start;
        rule.end = *end;
    }
    if (!in.done()) {
        return std::nullopt;
    }
    return rule;
}

// ICU takes switch times within the day only. A time outside it (the C
// library allows -167 to 167 hours) often lands within the day in UTC: the
// European rule written for Greenland is "M3.5.0/-1" at UTC-2.
std::optional<std::pair<int, icu::SimpleTimeZone::TimeMode>> icuSwitchTime(int localSeconds, int offsetEast)
{
    const auto withinDay = [](int seconds) { return seconds >= 0 && seconds * 1000 <= kMillisecondsPerDay; };
    if (withinDay(localSeconds)) {
        return std::pair{localSeconds * 1000, icu::SimpleTimeZone::WALL_TIME};
    }
    if (withinDay(localSeconds - offsetEast)) {
        return std::pair{(localSeconds - offsetEast) * 1000, icu::SimpleTimeZone::UTC_TIME};
    }
    return std::nullopt;
}

std::unique_ptr<icu::SimpleTimeZone> daylightZone(
    int standardEast, int daylightEast, const SwitchRule& start, const SwitchRule& end, const icu::UnicodeString& id)
{
    const auto startTime = icuSwitchTime(start.seconds, standardEast);
    const auto endTime = icuSwitchTime(end.seconds, daylightEast);
    if (!startTime || !endTime) {
        return nullptr;
    }
    const auto icuDay = [](const SwitchRule& rule) { return rule.week == 0 ? rule.dayOfMonth : rule.week; };
    const auto icuWeekday = [](const SwitchRule& rule) { return rule.week == 0 ? 0 : rule.weekday; };
    UErrorCode status = U_ZERO_ERROR;
    auto zone = std::make_unique<icu::SimpleTimeZone>(standardEast * 1000, id, static_cast<int8_t>(start.month),
        static_cast<int8_t>(icuDay(start)), static_cast<int8_t>(icuWeekday(start)), startTime->first, startTime->second,
        static_cast<int8_t>(end.month), static_cast<int8_t>(icuDay(end)), static_cast<int8_t>(icuWeekday(end)),
        endTime->first, endTime->second, (daylightEast - standardEast) * 1000, status);
    if (U_FAILURE(status)) {
        return nullptr;
    }
    return zone;
}

} // namespace

std::optional<TimeZone> zoneFromPosixRule(std::string_view text, const std::string& identifier)
{
    const std::optional<PosixRule> rule = parse(text);
    if (!rule) {
        return std::nullopt;
    }
    const icu::UnicodeString id = fromUtf8(identifier);
    if (rule->daylightEast && *rule->daylightEast != rule->standardEast) {
        // ICU knows only daylight time ahead of standard time; a rule with
        // "daylight" behind (Ireland's winter time) is the same zone with
        // the two times and their switches swapped.
        const bool ahead = *rule->daylightEast > rule->standardEast;
        std::unique_ptr<icu::SimpleTimeZone> zone = ahead
            ? daylightZone(rule->standardEast, *rule->daylightEast, rule->start, rule->end, id)
            : daylightZone(*rule->daylightEast, rule->standardEast, rule->end, rule->start, id);
        if (zone) {
            return TimeZone::adopting(zone.release());
        }
    }
    return TimeZone::adopting(new icu::SimpleTimeZone(rule->standardEast * 1000, id));
}

} // namespace horalet::platform
