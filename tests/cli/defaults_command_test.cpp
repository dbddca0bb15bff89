#include <filesystem>
#include <limits>

#include "command_line_fixture.h"
#include "platform/qt/json_preferences_file.h"

namespace horalet::cli {
namespace {

using platform::PreferenceDictionary;
using platform::PreferenceValue;

struct WriteCase {
    std::vector<std::string> write;
    std::string key;
    PreferenceValue stored;
    std::string read;
};

TEST_F(CommandLineTest, WriteStoresTheKeysTypeAndReadPrintsIt)
{
    const std::vector<WriteCase> cases{
        {{"weekday", "0"}, "weekday", std::int64_t{0}, "0"},
        {{"date", "-9223372036854775808"}, "date", std::numeric_limits<std::int64_t>::min(), "-9223372036854775808"},
        {{"date", "+9223372036854775807"}, "date", std::numeric_limits<std::int64_t>::max(), "9223372036854775807"},
        {{"showYear", "YES"}, "showYear", true, "true"},
        {{"use24h", "no"}, "use24h", false, "false"},
        {{"showSeconds", "1"}, "showSeconds", true, "true"},
        {{"monoDigit", "False"}, "monoDigit", false, "false"},
        {{"prefixLabel", ""}, "prefixLabel", std::string(), ""},
        {{"prefixLabel", "  东京 "}, "prefixLabel", std::string("  东京 "), "  东京 "},
        {{"customFormat", "-bool"}, "customFormat", std::string("-bool"), "-bool"},
        {{"timeZone", "123"}, "timeZone", std::string("123"), "123"},
        {{"updates.autoByDefault.1.1.0", "true"}, "updates.autoByDefault.1.1.0", true, "true"},
        {{"-int", "my.count", "42"}, "my.count", std::int64_t{42}, "42"},
        {{"my.flag", "-bool", "yes"}, "my.flag", true, "true"},
        {{"-string", "my.text", "007"}, "my.text", std::string("007"), "007"},
        {{"-bool", "showAMPM", "0"}, "showAMPM", false, "false"},
    };
    for (const WriteCase& c : cases) {
        std::vector<std::string> args{"defaults", "write"};
        args.insert(args.end(), c.write.begin(), c.write.end());
        const CommandResult written = run(args);
        ASSERT_EQ(written.status, 0) << c.key << ": " << written.err;
        EXPECT_EQ(written.out + written.err, "");
        EXPECT_EQ(storedValues().at(c.key), c.stored) << c.key;

        const CommandResult read = run({"defaults", "read", c.key});
        EXPECT_EQ(read.status, 0);
        EXPECT_EQ(read.out, c.read + "\n");
    }
}

TEST_F(CommandLineTest, ReadWithoutKeyPrintsEveryStoredValueAndDeleteRemovesOne)
{
    ASSERT_EQ(run({"defaults", "write", "weekday", "0"}).status, 0);
    ASSERT_EQ(run({"defaults", "write", "prefixLabel", "东京"}).status, 0);
    ASSERT_EQ(run({"defaults", "write", "showYear", "yes"}).status, 0);

    const CommandResult all = run({"defaults", "read"});
    EXPECT_EQ(all.status, 0);
    PreferenceDictionary printed;
    std::string problem;
    ASSERT_TRUE(platform::qt::JsonPreferencesFile::parse(all.out, printed, problem)) << problem;
    const PreferenceDictionary expected{
        {"weekday", std::int64_t{0}}, {"prefixLabel", std::string("东京")}, {"showYear", true}};
    EXPECT_EQ(printed, expected);
    // Registered defaults are never stored, not even by a command.
    EXPECT_EQ(storedValues(), expected);

    EXPECT_EQ(run({"defaults", "delete", "weekday"}).status, 0);
    EXPECT_EQ(run({"defaults", "delete", "never.stored"}).status, 0);
    const CommandResult gone = run({"defaults", "read", "weekday"});
    EXPECT_EQ(gone.status, 1);
    EXPECT_EQ(gone.out, "");
    EXPECT_EQ(std::count(gone.err.begin(), gone.err.end(), '\n'), 1);
    EXPECT_TRUE(gone.err.ends_with("。\n")) << gone.err;
    EXPECT_EQ(storedValues().count("weekday"), 0U);
    EXPECT_EQ(storedValues().size(), 2U);
}

TEST_F(CommandLineTest, ReadingAnEmptyStoreWritesNoFile)
{
    const CommandResult all = run({"defaults", "read"});
    EXPECT_EQ(all.status, 0);
    EXPECT_EQ(all.out, "{\n}\n");
    EXPECT_FALSE(std::filesystem::exists(preferencesPath()));
}

// Commands that only read never move, rewrite or lock the file, whether it
// is no JSON object at all or holds a value the store cannot use; they say
// why on stderr and work with what they could read. Reading the settings
// out fails where there are none to read.
TEST_F(CommandLineTest, ReadOnlyCommandsNeverTouchTheFile)
{
    struct Case {
        std::string contents;
        int readStatus;
    };
    const std::vector<Case> cases{{"{\"weekday\": 2, \"da", 1}, {"{\"weekday\": 1.5, \"prefixLabel\": \"东京\"}", 0}};
    const std::vector<std::vector<std::string>> commands{{"--once", "--at", "@0"}, {"zones"}, {"zones", "tokyo"},
        {"defaults", "read"}, {"defaults", "read", "prefixLabel"}};
    std::filesystem::create_directories(folder.path() + "/horalet");
    for (const Case& c : cases) {
        testing::writeFile(preferencesPath(), c.contents);
        for (const std::vector<std::string>& command : commands) {
            ::testing::internal::CaptureStderr();
            const CommandResult result = run(command);
            const std::string told = ::testing::internal::GetCapturedStderr();
            EXPECT_EQ(result.status, command[0] == "defaults" ? c.readStatus : 0) << command[0];
            EXPECT_NE(told.find(preferencesPath()), std::string::npos) << command[0] << ": " << told;
            EXPECT_EQ(testing::fileContents(preferencesPath()), c.contents) << command[0];
            EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path() + "/horalet"),
                          std::filesystem::directory_iterator()),
                1)
                << command[0];
        }
    }
    EXPECT_EQ(run({"defaults", "read", "prefixLabel"}).out, "东京\n");
}

} // namespace
} // namespace horalet::cli
