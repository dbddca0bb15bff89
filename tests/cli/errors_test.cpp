#include <algorithm>
#include <filesystem>

#include "command_line_fixture.h"

namespace horalet::cli {
namespace {

struct BadInputCase {
    std::string name;
    std::vector<std::string> args;
};

void PrintTo(const BadInputCase& c, std::ostream* out)
{
    *out << c.name;
}

class BadInput : public CommandLineTest, public ::testing::WithParamInterface<BadInputCase> { };

// One line on stderr, a whole Chinese sentence; status 2, nothing on
// stdout and not a byte written.
TEST_P(BadInput, ExitsTwoWithOneLineAndWritesNothing)
{
    ASSERT_EQ(run({"defaults", "write", "weekday", "2"}).status, 0);
    const std::string before = testing::fileContents(preferencesPath());

    const CommandResult result = run(GetParam().args);

    EXPECT_EQ(result.status, 2);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
    EXPECT_TRUE(result.err.starts_with("horalet: ")) << result.err;
    EXPECT_TRUE(result.err.ends_with("。\n")) << result.err;
    EXPECT_EQ(testing::fileContents(preferencesPath()), before);
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.path() + "/horalet")) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"preferences.json", "preferences.json.lock"}));
}

INSTANTIATE_TEST_SUITE_P(Commands, BadInput,
    ::testing::Values(BadInputCase{"UnknownOption", {"--bogus"}}, BadInputCase{"UnknownCommand", {"frobnicate"}},
        BadInputCase{"TimeInWords", {"--once", "--at", "yesterday"}},
        BadInputCase{"TimeWithoutOffset", {"--once", "--at", "2025-11-19T14:05:09"}},
        BadInputCase{"DayThatDoesNotExist", {"--once", "--at", "2025-02-29T00:00:00Z"}},
        BadInputCase{"EmptyEpoch", {"--once", "--at", "@"}}, BadInputCase{"MissingTime", {"--once", "--at"}},
        BadInputCase{"OnceWithStrayArgument", {"--once", "--bogus"}},
        BadInputCase{"TimeWithStrayArgument", {"--once", "--at", "@0", "extra"}},
        BadInputCase{"DefaultsAlone", {"defaults"}}, BadInputCase{"DefaultsUnknownVerb", {"defaults", "list"}},
        BadInputCase{"WriteWithoutValue", {"defaults", "write", "weekday"}},
        BadInputCase{"WriteWithoutKey", {"defaults", "write"}},
        BadInputCase{"WriteTooMany", {"defaults", "write", "weekday", "1", "2"}},
        BadInputCase{"IntegerInWords", {"defaults", "write", "weekday", "two"}},
        BadInputCase{"IntegerWithFraction", {"defaults", "write", "weekday", "1.5"}},
        BadInputCase{"IntegerWithSpace", {"defaults", "write", "weekday", " 1"}},
        BadInputCase{"IntegerEmpty", {"defaults", "write", "weekday", ""}},
        BadInputCase{"IntegerTooLarge", {"defaults", "write", "weekday", "9223372036854775808"}},
        BadInputCase{"IntegerDoubleSign", {"defaults", "write", "weekday", "+-1"}},
        BadInputCase{"BooleanMaybe", {"defaults", "write", "showYear", "maybe"}},
        BadInputCase{"BooleanTwo", {"defaults", "write", "use24h", "2"}},
        BadInputCase{"CheckTimeBeforeTheEpoch", {"defaults", "write", "updates.lastCheckTime", "-1"}},
        BadInputCase{"UnknownKeyWithoutType", {"defaults", "write", "someKey", "x"}},
        BadInputCase{"UnknownTypeFlag", {"defaults", "write", "-float", "someKey", "1"}},
        BadInputCase{"FlagAgainstKnownType", {"defaults", "write", "-int", "showYear", "1"}},
        BadInputCase{"FlagAfterKeyAgainstKnownType", {"defaults", "write", "prefixLabel", "-bool", "true"}},
        BadInputCase{"FlaggedValueThatDoesNotParse", {"defaults", "write", "-bool", "someKey", "2"}},
        BadInputCase{"UpdateFlagNotABoolean", {"defaults", "write", "updates.autoByDefault.1.1.0", "on"}},
        BadInputCase{"ValueNotUtf8", {"defaults", "write", "prefixLabel", "ab\xff"}},
        BadInputCase{"KeyNotUtf8", {"defaults", "write", "-string", "k\xfe", "x"}},
        BadInputCase{"DeleteWithoutKey", {"defaults", "delete"}},
        BadInputCase{"BarUnknownProtocol", {"bar", "--protocol", "lemonbar"}},
        BadInputCase{"BarProtocolWithoutName", {"bar", "--protocol"}},
        BadInputCase{"BarEmptyProtocolName", {"bar", "--protocol="}},
        BadInputCase{"BarProtocolNameInOtherCase", {"bar", "--protocol", "WAYBAR"}},
        BadInputCase{"BarStrayArgument", {"bar", "--protocol", "waybar", "extra"}},
        BadInputCase{"BarUnknownOption", {"bar", "-p", "waybar"}},
        BadInputCase{"HeadlessWithBarArguments", {"--headless", "--protocol", "waybar"}},
        BadInputCase{"SettingsStrayArgument", {"settings", "now"}},
        BadInputCase{"ReadTwoKeys", {"defaults", "read", "weekday", "date"}}),
    [](const ::testing::TestParamInfo<BadInputCase>& param) { return param.param.name; });

} // namespace
} // namespace horalet::cli
