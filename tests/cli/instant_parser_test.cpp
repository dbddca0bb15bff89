#include <gtest/gtest.h>

#include "app/cli/instant_parser.h"

namespace horalet::cli {
namespace {

struct GoodCase {
    std::string text;
    double secondsSinceEpoch;
};

TEST(InstantParser, ReadsEpochSecondsAndIsoTimesWithAnOffset)
{
    const std::vector<GoodCase> cases{
        {"@0", 0.0},
        {"@1763561109", 1'763'561'109.0},
        {"@1763561109.25", 1'763'561'109.25},
        {"@-1.5", -1.5},
        {"2025-11-19T14:05:09Z", 1'763'561'109.0},
        {"2025-11-19T23:05:09+09:00", 1'763'561'109.0},
        {"2025-11-19T09:05:09.5-05:00", 1'763'561'109.5},
        {"2025-11-19T19:50:09+05:45", 1'763'561'109.0},
        {"1970-01-01T00:00:00Z", 0.0},
        {"1969-12-31T23:59:59Z", -1.0},
        {"2024-02-29T00:00:00Z", 1'709'164'800.0},
    };
    for (const GoodCase& c : cases) {
        const auto instant = parseInstant(c.text);
        ASSERT_TRUE(instant) << c.text;
        EXPECT_DOUBLE_EQ(instant->secondsSinceEpoch, c.secondsSinceEpoch) << c.text;
    }
}

TEST(InstantParser, RejectsEverythingElse)
{
    for (const std::string text : {"", "now", "@", "@-", "@1.", "@.5", "@1e3", "@ 1", "@+5", "@0x10",
             "@99999999999999999999", "2025-11-19 14:05:09Z", "2025-11-19T14:05:09", "2025-11-19T14:05Z",
             "2025-02-29T00:00:00Z", "2025-00-10T00:00:00Z", "2025-11-31T00:00:00Z", "2025-11-19T24:00:00Z",
             "2025-11-19T14:60:00Z", "2025-11-19T14:05:60Z", "2025-11-19T14:05:09+0900", "2025-11-19T14:05:09+9:00",
             "2025-11-19T14:05:09+24:00", "2025-11-19T14:05:09Zjunk", "2025-11-19T14:05:09.Z", "25-11-19T14:05:09Z"}) {
        EXPECT_EQ(parseInstant(text), std::nullopt) << text;
    }
}

} // namespace
} // namespace horalet::cli
