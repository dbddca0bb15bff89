#include "platform/foundation/preference_value.h"

#include <limits>

namespace horalet::platform {

namespace {

struct NumberStart {
    std::size_t position = 0;
    bool negative = false;
};

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || c == '\v';
}

// Skips leading white space and one optional sign.
NumberStart skipToDigits(const std::string& text)
{
    NumberStart start;
    while (start.position < text.size() && isSpace(text[start.position])) {
        ++start.position;
    }
    if (start.position < text.size() && (text[start.position] == '+' || text[start.position] == '-')) {
        start.negative = text[start.position] == '-';
        ++start.position;
    }
    return start;
}

bool textAsBool(const std::string& text)
{
    NumberStart start = skipToDigits(text);
    while (start.position < text.size() && text[start.position] == '0') {
        ++start.position;
    }
    if (start.position >= text.size()) {
        return false;
    }
    const char c = text[start.position];
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

std::int64_t textAsInteger(const std::string& text)
{
    const NumberStart start = skipToDigits(text);
    constexpr auto maximum = std::numeric_limits<std::int64_t>::max();
    constexpr auto minimum = std::numeric_limits<std::int64_t>::min();
    std::uint64_t magnitude = 0;
    const std::uint64_t limit
        = start.negative ? static_cast<std::uint64_t>(maximum) + 1U : static_cast<std::uint64_t>(maximum);
    for (std::size_t i = start.position; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        const auto digit = static_cast<std::uint64_t>(text[i] - '0');
        if (magnitude > (limit - digit) / 10U) {
            return start.negative ? minimum : maximum;
        }
        magnitude = magnitude * 10U + digit;
    }
    if (start.negative) {
        return magnitude == static_cast<std::uint64_t>(maximum) + 1U ? minimum : -static_cast<std::int64_t>(magnitude);
    }
    return static_cast<std::int64_t>(magnitude);
}

template <class... Ts> struct Overloaded : Ts... {
    using Ts::operator()...;
};
// Spelled out for compilers without deduction for aggregates (clang 14).
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

} // namespace

bool readAsBool(const PreferenceValue& value)
{
    return std::visit(Overloaded{[](bool b) { return b; }, [](std::int64_t i) { return i != 0; },
                          [](const std::string& s) { return textAsBool(s); }},
        value);
}

std::int64_t readAsInteger(const PreferenceValue& value)
{
    return std::visit(Overloaded{[](bool b) -> std::int64_t { return b ? 1 : 0; }, [](std::int64_t i) { return i; },
                          [](const std::string& s) { return textAsInteger(s); }},
        value);
}

std::string readAsString(const PreferenceValue& value)
{
    return std::visit(Overloaded{[](bool b) -> std::string { return b ? "1" : "0"; },
                          [](std::int64_t i) { return std::to_string(i); }, [](const std::string& s) { return s; }},
        value);
}

} // namespace horalet::platform
