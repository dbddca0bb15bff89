#include <filesystem>
#include <sstream>

#include "app/cli/command_line.h"
#include "clock/clock_format.h"
#include "clock/icu_reference.h"
#include "clock/settings_keys.h"
#include "command_line_fixture.h"
#include "support/fake_platform.h"

namespace horalet::cli {
namespace {

// The clock text computed in this process for the settings on disk, with
// the same zone and locale the command sees.
std::string expectedText(const platform::PreferenceDictionary& stored, double secondsSinceEpoch)
{
    testing::FakePlatform fake;
    fake.environment.setSystemZone("Asia/Tokyo");
    fake.environment.setLocale("ja_JP");
    for (const auto& [key, value] : stored) {
        fake.store.set(key, value);
    }
    registerDefaults(fake.store);
    return ClockFormat::text(fake.sources(), platform::Instant{secondsSinceEpoch}, ClockFormat::make(fake.sources()))
        + "\n";
}

struct TimeCase {
    std::string epoch;
    std::string iso;
    double secondsSinceEpoch;
};

const std::vector<TimeCase> kTimes{
    {"@1763561109.25", "2025-11-19T23:05:09.250+09:00", 1'763'561'109.25},
    {"@1709251199", "2024-02-29T23:59:59Z", 1'709'251'199.0},
    {"@-1.5", "1969-12-31T18:59:58.5-05:00", -1.5},
    {"@1751371200", "2025-07-01T17:45:00+05:45", 1'751'371'200.0},
};

const std::vector<std::vector<std::pair<std::string, std::string>>> kSettings{
    {},
    {{"use24h", "false"}, {"showAMPM", "false"}, {"showSeconds", "true"}, {"localeID", "en_US"},
        {"timeZone", "America/New_York"}, {"prefixLabel", "  NY\u00A0"}},
    {{"useCustom", "true"}, {"customFormat", "EEEE HH:mm:ss.SSS"}, {"timeZone", "Asia/Kolkata"}},
    {{"weekday", "2"}, {"date", "2"}, {"showYear", "yes"}, {"localeID", "zh_CN"}, {"timeZone", "Mars/Olympus"},
        {"use24h", "0"}},
    {{"weekday", "0"}, {"date", "0"}, {"use24h", "0"}, {"showAMPM", "0"}, {"localeID", ""}},
    {{"useCustom", "true"}, {"customFormat", " "}},
};

TEST_F(CommandLineTest, OnceAtPrintsTheClockTextForBothFormsOfTime)
{
    for (const auto& settings : kSettings) {
        for (const auto& [key, value] : settings) {
            ASSERT_EQ(run({"defaults", "write", key, value}).status, 0) << key;
        }
        const platform::PreferenceDictionary stored = storedValues();
        for (const TimeCase& time : kTimes) {
            const std::string expected = expectedText(stored, time.secondsSinceEpoch);
            for (const std::string& form : {time.epoch, time.iso}) {
                const CommandResult result = run({"--once", "--at", form});
                EXPECT_EQ(result.status, 0);
                EXPECT_EQ(result.out, expected) << form;
                EXPECT_EQ(result.err, "");
            }
        }
        for (const auto& [key, value] : settings) {
            ASSERT_EQ(run({"defaults", "delete", key}).status, 0);
        }
    }
}

TEST_F(CommandLineTest, OnceFollowsAPosixRuleInTz)
{
    ASSERT_EQ(run({"defaults", "write", "useCustom", "true"}).status, 0);
    ASSERT_EQ(run({"defaults", "write", "customFormat", "HH:mm xxx"}).status, 0);
    const std::vector<std::pair<std::string, std::string>> cases{{"CET-1CEST", "16:04 +01:00\n"},
        {"JST-9", "00:04 +09:00\n"}, {"<+0545>-5:45", "20:49 +05:45\n"}, {"UTC0", "15:04 +00:00\n"},
        {":Europe/Paris", "16:04 +01:00\n"}};
    for (const auto& [tz, text] : cases) {
        testing::ScopedEnvironmentVariable zone("TZ", tz.c_str());
        EXPECT_EQ(run({"--once", "--at", "2025-11-20T15:04:05Z"}).out, text) << tz;
    }
}

TEST_F(CommandLineTest, OnceWithABogusLocaleFromTheStoreOrTheEnvironmentFormatsWithTheRootLocale)
{
    const std::string rootText
        = icu_reference::withPattern(icu_reference::bestPattern("EEEMMMdHHmm", ""), "", kZone, 0.0) + "\n";
    for (const std::string& id : {std::string(300, 'a'), std::string("Chinese (China)")}) {
        ASSERT_EQ(run({"defaults", "write", "localeID", id}).status, 0);
        EXPECT_EQ(run({"--once", "--at", "@0"}).out, rootText);
    }
    ASSERT_EQ(run({"defaults", "delete", "localeID"}).status, 0);
    testing::ScopedEnvironmentVariable lang("LANG", "verylonglanguage_XX");
    EXPECT_EQ(run({"--once", "--at", "@0"}).out, rootText);
}

TEST_F(CommandLineTest, OnceWithoutTimePrintsOneLineAndStoresNothing)
{
    const CommandResult result = run({"--once"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(std::count(result.out.begin(), result.out.end(), '\n'), 1);
    EXPECT_TRUE(result.out.ends_with("\n"));
    EXPECT_FALSE(std::filesystem::exists(preferencesPath()));
}

TEST_F(CommandLineTest, HelpVersionAndTheClockItself)
{
    const CommandResult version = run({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("horalet ")) << version.out;
    EXPECT_EQ(std::count(version.out.begin(), version.out.end(), '\n'), 1);

    const CommandResult help = run({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--once"), std::string::npos);

    std::ostringstream out;
    std::ostringstream err;
    EXPECT_EQ(runCommand({}, out, err), std::nullopt);
    EXPECT_EQ(runCommand({"--headless"}, out, err), std::nullopt);
    EXPECT_EQ(runCommand({"bar"}, out, err), std::nullopt);
    EXPECT_EQ(runCommand({"bar", "--protocol", "i3bar"}, out, err), std::nullopt);
    EXPECT_EQ(runCommand({"bar", "--protocol=waybar"}, out, err), std::nullopt);
    EXPECT_EQ(runCommand({"settings"}, out, err), std::nullopt);
    EXPECT_EQ(out.str() + err.str(), "");
}

} // namespace
} // namespace horalet::cli
