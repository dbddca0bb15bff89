#include "app/cli/instant_parser.h"

#include <charconv>
#include <chrono>
#include <cmath>

namespace horalet::cli {

namespace {

// Reads exactly `count` decimal digits.
bool digits(std::string_view& text, std::size_t count, int& value)
{
    if (text.size() < count) {
        return false;
    }
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (text[i] < '0' || text[i] > '9') {
            return false;
        }
        value = value * 10 + (text[i] - '0');
    }
    text.remove_prefix(count);
    return true;
}

bool literal(std::string_view& text, char c)
{
    if (text.empty() || text.front() != c) {
        return false;
    }
    text.remove_prefix(1);
    return true;
}

// A run of one or more digits after a decimal point, as a fraction.
bool fraction(std::string_view& text, double& value)
{
    std::size_t count = 0;
    while (count < text.size() && text[count] >= '0' && text[count] <= '9') {
        ++count;
    }
    if (count == 0) {
        return false;
    }
    value = 0.0;
    double scale = 0.1;
    for (std::size_t i = 0; i < count; ++i, scale /= 10.0) {
        value += (text[i] - '0') * scale;
    }
    text.remove_prefix(count);
    return true;
}

std::optional<platform::Instant> parseEpochSeconds(std::string_view text)
{
    bool negative = false;
    if (!text.empty() && text.front() == '-') {
        negative = true;
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9') {
        return std::nullopt;
    }
    long long whole = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), whole);
    if (error != std::errc()) {
        return std::nullopt;
    }
    text.remove_prefix(static_cast<std::size_t>(end - text.data()));
    double part = 0.0;
    if (literal(text, '.') && !fraction(text, part)) {
        return std::nullopt;
    }
    if (!text.empty()) {
        return std::nullopt;
    }
    const double seconds = static_cast<double>(whole) + part;
    return platform::Instant::fromSecondsSinceEpoch(negative ? -seconds : seconds);
}

std::optional<platform::Instant> parseIso(std::string_view text)
{
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    if (!(digits(text, 4, year) && literal(text, '-') && digits(text, 2, month) && literal(text, '-')
            && digits(text, 2, day) && literal(text, 'T') && digits(text, 2, hour) && literal(text, ':')
            && digits(text, 2, minute) && literal(text, ':') && digits(text, 2, second))) {
        return std::nullopt;
    }
    double part = 0.0;
    if (literal(text, '.') && !fraction(text, part)) {
        return std::nullopt;
    }
    int offsetSeconds = 0;
    if (!literal(text, 'Z')) {
        if (text.empty() || (text.front() != '+' && text.front() != '-')) {
            return std::nullopt;
        }
        const int sign = text.front() == '-' ? -1 : 1;
        text.remove_prefix(1);
        int offsetHours = 0;
        int offsetMinutes = 0;
        if (!(digits(text, 2, offsetHours) && literal(text, ':') && digits(text, 2, offsetMinutes)) || offsetHours > 23
            || offsetMinutes > 59) {
            return std::nullopt;
        }
        offsetSeconds = sign * (offsetHours * 3600 + offsetMinutes * 60);
    }
    if (!text.empty() || hour > 23 || minute > 59 || second > 59) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(static_cast<unsigned>(month)),
        std::chrono::day(static_cast<unsigned>(day))};
    if (!date.ok()) {
        return std::nullopt;
    }
    const auto days = std::chrono::sys_days(date).time_since_epoch().count();
    const double seconds = static_cast<double>(days) * 86400.0 + hour * 3600 + minute * 60 + second - offsetSeconds;
    return platform::Instant::fromSecondsSinceEpoch(seconds + part);
}

} // namespace

std::optional<platform::Instant> parseInstant(std::string_view text)
{
    if (!text.empty() && text.front() == '@') {
        return parseEpochSeconds(text.substr(1));
    }
    return parseIso(text);
}

} // namespace horalet::cli
