#include <gtest/gtest.h>

#include <limits>

#include "platform/foundation/preference_value.h"
#include "support/printing.h"

namespace horalet::platform {
namespace {

constexpr auto kMax = std::numeric_limits<std::int64_t>::max();
constexpr auto kMin = std::numeric_limits<std::int64_t>::min();

struct TypedReadCase {
    PreferenceValue stored;
    bool asBool;
    std::int64_t asInteger;
    std::string asString;
};

void PrintTo(const TypedReadCase& c, std::ostream* out)
{
    *out << horalet::testing::asciiEscaped(readAsString(c.stored));
}

class TypedReads : public ::testing::TestWithParam<TypedReadCase> { };

// A value stored as one kind and read as another reads as the platform's
// own store reads it.
TEST_P(TypedReads, ReadEveryKindOfValueAsEveryType)
{
    const TypedReadCase& c = GetParam();
    EXPECT_EQ(readAsBool(c.stored), c.asBool);
    EXPECT_EQ(readAsInteger(c.stored), c.asInteger);
    EXPECT_EQ(readAsString(c.stored), c.asString);
}

INSTANTIATE_TEST_SUITE_P(Mismatched, TypedReads,
    ::testing::Values(TypedReadCase{std::string("YES"), true, 0, "YES"},
        TypedReadCase{std::string("yes"), true, 0, "yes"}, TypedReadCase{std::string("true"), true, 0, "true"},
        TypedReadCase{std::string("Tuesday"), true, 0, "Tuesday"}, TypedReadCase{std::string("1"), true, 1, "1"},
        TypedReadCase{std::string("0"), false, 0, "0"}, TypedReadCase{std::string("007"), true, 7, "007"},
        TypedReadCase{std::string("no"), false, 0, "no"}, TypedReadCase{std::string("false"), false, 0, "false"},
        TypedReadCase{std::string(""), false, 0, ""}, TypedReadCase{std::string(" 12abc"), true, 12, " 12abc"},
        TypedReadCase{std::string("-5"), true, -5, "-5"}, TypedReadCase{std::string("+0x1F"), false, 0, "+0x1F"},
        TypedReadCase{std::string("abc12"), false, 0, "abc12"},
        TypedReadCase{std::string("99999999999999999999"), true, kMax, "99999999999999999999"},
        TypedReadCase{std::string("-99999999999999999999"), true, kMin, "-99999999999999999999"},
        TypedReadCase{std::string("-9223372036854775808"), true, kMin, "-9223372036854775808"},
        TypedReadCase{std::int64_t{0}, false, 0, "0"}, TypedReadCase{std::int64_t{-3}, true, -3, "-3"},
        TypedReadCase{kMax, true, kMax, "9223372036854775807"}, TypedReadCase{true, true, 1, "1"},
        TypedReadCase{false, false, 0, "0"}));

} // namespace
} // namespace horalet::platform
