#include <gtest/gtest.h>

#include "platform/foundation/text.h"
#include "support/printing.h"

namespace horalet::platform {
namespace {

struct TrimCase {
    std::string input;
    std::string trimmed;
};

void PrintTo(const TrimCase& c, std::ostream* out)
{
    *out << horalet::testing::asciiEscaped(c.input);
}

class Trimming : public ::testing::TestWithParam<TrimCase> { };

// The whitespace set is tab and every Unicode space separator; line breaks
// are not in it.
TEST_P(Trimming, RemovesTheWhitespaceSetFromBothEndsOnly)
{
    EXPECT_EQ(trimmingWhitespaceSet(GetParam().input), GetParam().trimmed);
}

INSTANTIATE_TEST_SUITE_P(WhitespaceSet, Trimming,
    ::testing::Values(TrimCase{"  东京  ", "东京"}, TrimCase{"\t东京\t", "东京"}, TrimCase{"\u00A0东京\u202F", "东京"},
        TrimCase{"\u3000\u2009东京\u2003", "东京"}, TrimCase{"\n东京\r\n", "\n东京\r\n"},
        TrimCase{" \n 东京 ", "\n 东京"}, TrimCase{"东  京", "东  京"}, TrimCase{" \t\u00A0 ", ""}, TrimCase{"", ""}));

TEST(Text, LowerCasingIsTheSameInEveryLocale)
{
    // The Turkish and Lithuanian rules for I would give other results.
    EXPECT_EQ(lowercased("AMERICA/NEW_YORK · GMT-5"), "america/new_york · gmt-5");
    EXPECT_EQ(lowercased("İSTANBUL ÄÖÜ"), "i̇stanbul äöü");
    EXPECT_EQ(lowercased("北美东部时间"), "北美东部时间");
}

TEST(Text, ReplacingAllIsOneLeftToRightPass)
{
    EXPECT_EQ(replacingAll("a    b   c", "  ", " "), "a  b  c");
    EXPECT_EQ(replacingAll("abc", "", "x"), "abc");
    EXPECT_TRUE(contains("asia/tokyo", "tok"));
    EXPECT_FALSE(contains("asia/tokyo", "TOK"));
}

TEST(Text, Utf8Validity)
{
    for (const std::string good : {"", "东京", "h:mm\u202Fa", "\U0001F552"}) {
        EXPECT_TRUE(isValidUtf8(good)) << good;
    }
    for (const std::string bad : {"ab\xff", "\xe4\xb8", "\xc0\xaf", "\xed\xa0\x80"}) {
        EXPECT_FALSE(isValidUtf8(bad));
    }
}

} // namespace
} // namespace horalet::platform
