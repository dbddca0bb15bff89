#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/qt/json_preferences_file.h"
#include "support/temp_folder.h"

namespace horalet::platform::qt {
namespace {

namespace fs = std::filesystem;
using horalet::testing::fileContents;
using horalet::testing::ScopedEnvironmentVariable;
using horalet::testing::TempFolder;
using horalet::testing::writeFile;

std::vector<std::string> namesIn(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

int lineCount(const std::string& text)
{
    return static_cast<int>(std::count(text.begin(), text.end(), '\n'));
}

// What the user reads of a complaint: a whole sentence in Chinese; the
// technical detail (path, parser, system error) may follow it in brackets.
bool toldAsAChineseSentence(const std::string& line)
{
    const std::string prefix = "horalet: ";
    return line.starts_with(prefix) && static_cast<unsigned char>(line[prefix.size()]) >= 0x80
        && line.find("。") != std::string::npos;
}

// What the folder holds after writes that all finished.
const std::vector<std::string> kFileAndLock{"preferences.json", "preferences.json.lock"};

class JsonPreferencesFileTest : public ::testing::Test {
protected:
    // A store over the file as a new run of the program would open it.
    std::unique_ptr<PreferencesStore> openStore(std::function<void()> beforeRename = {})
    {
        auto file = std::make_unique<JsonPreferencesFile>(path);
        file->setBeforeRenameHook(std::move(beforeRename));
        return std::make_unique<PreferencesStore>(std::move(file));
    }

    TempFolder folder;
    std::string path = folder.path() + "/horalet/preferences.json";
};

TEST_F(JsonPreferencesFileTest, PathFollowsXdgConfigHomeWhenItIsAbsolute)
{
    ScopedEnvironmentVariable home("HOME", "/home/someone");
    {
        ScopedEnvironmentVariable xdg("XDG_CONFIG_HOME", "/srv/config");
        EXPECT_EQ(JsonPreferencesFile::defaultPath(), "/srv/config/horalet/preferences.json");
    }
    {
        ScopedEnvironmentVariable xdg("XDG_CONFIG_HOME", "relative/config");
        EXPECT_EQ(JsonPreferencesFile::defaultPath(), "/home/someone/.config/horalet/preferences.json");
    }
    ScopedEnvironmentVariable xdg("XDG_CONFIG_HOME", nullptr);
    EXPECT_EQ(JsonPreferencesFile::defaultPath(), "/home/someone/.config/horalet/preferences.json");
}

TEST_F(JsonPreferencesFileTest, MissingFileIsAnEmptyStoreAndIsNotCreatedByReading)
{
    const auto store = openStore();
    EXPECT_TRUE(store->storedValues().empty());
    EXPECT_FALSE(fs::exists(folder.path() + "/horalet"));
}

TEST_F(JsonPreferencesFileTest, ValuesOfEveryKindSurviveARestart)
{
    const PreferenceDictionary values{
        {"weekday", std::int64_t{0}},
        {"largest", std::numeric_limits<std::int64_t>::max()},
        {"smallest", std::numeric_limits<std::int64_t>::min()},
        {"beyondDoubles", std::int64_t{9'007'199'254'740'993}},
        {"showYear", true},
        {"bold", false},
        {"prefixLabel", std::string("  东京\t\"'\\\n")},
        {"timeZone", std::string()},
    };
    {
        const auto store = openStore();
        for (const auto& [key, value] : values) {
            EXPECT_TRUE(store->set(key, value));
        }
    }
    const auto reopened = openStore();
    EXPECT_EQ(reopened->storedValues(), values);
    // The file is the only thing in its folder: no temporary file is left.
    EXPECT_EQ(namesIn(folder.path() + "/horalet"), kFileAndLock);
    struct stat info { };
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600U);
    ASSERT_EQ(::stat((folder.path() + "/horalet").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700U);
}

TEST_F(JsonPreferencesFileTest, RegisteredDefaultDoesNotHideAStoredZeroAfterARestart)
{
    openStore()->setInteger("weekday", 0);

    const auto reopened = openStore();
    reopened->registerDefaults({{"weekday", std::int64_t{1}}});
    EXPECT_EQ(reopened->integerForKey("weekday"), 0);
    EXPECT_EQ(reopened->storedValues().count("weekday"), 1U);
}

// The process dies after the new file is complete but before it replaces
// the old one: the old file must be whole and still be what a restart reads.
TEST_F(JsonPreferencesFileTest, CrashBeforeTheRenameLeavesTheOldFileIntact)
{
    openStore()->setInteger("weekday", 2);
    const std::string before = fileContents(path);

    const pid_t child = ::fork();
    ASSERT_NE(child, -1);
    if (child == 0) {
        const auto store = openStore([] { ::_exit(0); });
        store->setInteger("weekday", 0);
        ::_exit(1);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    ASSERT_EQ(WEXITSTATUS(status), 0) << "the crash hook did not run";

    EXPECT_EQ(fileContents(path), before);
    EXPECT_EQ(openStore()->integerForKey("weekday"), 2);
}

struct DamagedCase {
    std::string name;
    std::string contents;
};

void PrintTo(const DamagedCase& c, std::ostream* out)
{
    *out << c.name;
}

class NotAnObject : public JsonPreferencesFileTest, public ::testing::WithParamInterface<DamagedCase> { };

// Reading leaves such a file as it is (another program may be half-way
// through writing it); the first write keeps it aside and starts afresh.
TEST_P(NotAnObject, IsLeftAloneByReadingAndKeptAsideByTheNextWrite)
{
    fs::create_directories(folder.path() + "/horalet");
    writeFile(path, GetParam().contents);

    ::testing::internal::CaptureStderr();
    const auto store = openStore();
    const std::string complaint = ::testing::internal::GetCapturedStderr();

    store->registerDefaults({{"weekday", std::int64_t{1}}});
    EXPECT_EQ(store->integerForKey("weekday"), 1);
    EXPECT_TRUE(store->storedValues().empty());
    EXPECT_EQ(lineCount(complaint), 1) << complaint;
    EXPECT_TRUE(toldAsAChineseSentence(complaint)) << complaint;
    EXPECT_NE(complaint.find(path), std::string::npos) << complaint;
    EXPECT_EQ(namesIn(folder.path() + "/horalet"), std::vector<std::string>{"preferences.json"});
    EXPECT_EQ(fileContents(path), GetParam().contents);

    ::testing::internal::CaptureStderr();
    EXPECT_TRUE(store->setInteger("date", 2));
    const std::string told = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(lineCount(told), 1) << told;
    EXPECT_TRUE(toldAsAChineseSentence(told)) << told;
    EXPECT_EQ(openStore()->storedValues(), (PreferenceDictionary{{"date", std::int64_t{2}}}));
    const std::vector<std::string> names = namesIn(folder.path() + "/horalet");
    ASSERT_EQ(names.size(), 3U);
    EXPECT_TRUE(names[1].starts_with("preferences.json.damaged-")) << names[1];
    EXPECT_EQ(fileContents(folder.path() + "/horalet/" + names[1]), GetParam().contents);
}

INSTANTIATE_TEST_SUITE_P(Contents, NotAnObject,
    ::testing::Values(DamagedCase{"Truncated", "{\"weekday\": 2, \"da"}, DamagedCase{"Empty", ""},
        DamagedCase{"List", "[1, 2]"}, DamagedCase{"Binary", std::string("\x00\xff\xfe", 3)}),
    [](const ::testing::TestParamInfo<DamagedCase>& param) { return param.param.name; });

// One value the store cannot use costs that setting alone: every other
// key keeps its value, the file is not touched by reading, and a write
// keeps what it does not change, the odd value included.
TEST_F(JsonPreferencesFileTest, IllTypedValueFallsBackAloneAndIsKeptByWrites)
{
    struct Case {
        std::string name;
        std::string json;
    };
    const std::vector<Case> cases{{"Fraction", "1.5"}, {"Null", "null"}, {"Nested", "{\"a\": 1}"}, {"List", "[2]"},
        {"BeyondSixtyFourBits", "1e300"}, {"JustBeyondTheLargest", "9223372036854775808"}};
    fs::create_directories(folder.path() + "/horalet");
    for (const Case& c : cases) {
        const std::string contents
            = "{\"showSeconds\": true, \"localeID\": \"zh_CN\", \"weekday\": " + c.json + ", \"date\": 0}";
        writeFile(path, contents);

        ::testing::internal::CaptureStderr();
        const auto store = openStore();
        const std::string complaint = ::testing::internal::GetCapturedStderr();
        store->registerDefaults({{"weekday", std::int64_t{1}}, {"date", std::int64_t{1}}});

        EXPECT_EQ(store->integerForKey("weekday"), 1) << c.name;
        EXPECT_EQ(store->integerForKey("date"), 0) << c.name;
        EXPECT_TRUE(store->boolForKey("showSeconds")) << c.name;
        EXPECT_EQ(store->stringForKey("localeID"), "zh_CN") << c.name;
        EXPECT_EQ(lineCount(complaint), 1) << complaint;
        EXPECT_TRUE(toldAsAChineseSentence(complaint)) << complaint;
        EXPECT_NE(complaint.find("\"weekday\""), std::string::npos) << complaint;
        EXPECT_EQ(fileContents(path), contents) << c.name;

        EXPECT_TRUE(store->setBool("bold", true));
        const auto reopened = openStore();
        EXPECT_TRUE(reopened->boolForKey("bold")) << c.name;
        EXPECT_EQ(reopened->stringForKey("localeID"), "zh_CN") << c.name;
        EXPECT_EQ(reopened->storedValues().count("weekday"), 0U) << c.name;
        EXPECT_NE(fileContents(path).find("\"weekday\""), std::string::npos) << c.name;
        EXPECT_EQ(namesIn(folder.path() + "/horalet"), kFileAndLock) << c.name;
    }
}

// The running clock meets a file another program is writing: it keeps what
// it has, says so once, and takes the file up again once it is whole.
TEST_F(JsonPreferencesFileTest, ReloadOfAHalfWrittenFileKeepsTheSettingsAndTellsOnce)
{
    openStore()->setInteger("weekday", 2);
    const auto store = openStore();
    int posts = 0;
    const Connection watching = store->didChange.connect([&] { ++posts; });

    const std::string half = "{\n    \"weekday\": 0,\n    \"da";
    writeFile(path, half);
    ::testing::internal::CaptureStderr();
    store->reload();
    store->reload();
    const std::string complaint = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(lineCount(complaint), 1) << complaint;
    EXPECT_EQ(store->integerForKey("weekday"), 2);
    EXPECT_EQ(posts, 0);
    EXPECT_EQ(fileContents(path), half);
    EXPECT_EQ(namesIn(folder.path() + "/horalet"), kFileAndLock);

    writeFile(path, "{\"weekday\": 0, \"date\": 2}");
    store->reload();
    EXPECT_EQ(store->integerForKey("weekday"), 0);
    EXPECT_EQ(store->integerForKey("date"), 2);
    EXPECT_EQ(posts, 1);
}

// The user changes a setting while the file is no JSON object: the file is
// kept aside and the new one holds the settings the clock was showing.
TEST_F(JsonPreferencesFileTest, WriteOverADamagedFileStartsFromTheSettingsInUse)
{
    openStore()->setInteger("weekday", 2);
    const auto store = openStore();
    writeFile(path, "{\"weekday\": 0, ");
    ::testing::internal::CaptureStderr();
    store->reload();
    EXPECT_TRUE(store->setBool("bold", true));
    ::testing::internal::GetCapturedStderr();

    EXPECT_EQ(openStore()->storedValues(), (PreferenceDictionary{{"weekday", std::int64_t{2}}, {"bold", true}}));
    EXPECT_EQ(namesIn(folder.path() + "/horalet").size(), 3U);
}

// A store that read the file long ago writes one key: what others wrote
// since stays, and the store itself now sees it.
TEST_F(JsonPreferencesFileTest, WriteKeepsWhatAnotherWriterStoredSinceTheLastRead)
{
    const auto clock = openStore();
    const auto command = openStore();
    command->setString("prefixLabel", "东京");
    command->setInteger("weekday", 0);
    clock->setBool("showSeconds", true);
    command->removeObject("weekday");

    const PreferenceDictionary expected{{"prefixLabel", std::string("东京")}, {"showSeconds", true}};
    EXPECT_EQ(openStore()->storedValues(), expected);
    clock->setBool("bold", false);
    EXPECT_EQ(clock->storedValues().count("weekday"), 0U);
    EXPECT_EQ(clock->stringForKey("prefixLabel"), "东京");
}

// Eight processes write their own key many times, all at once.
TEST_F(JsonPreferencesFileTest, ConcurrentWritersFromManyProcessesAllLand)
{
    constexpr int kWriters = 8;
    constexpr int kWrites = 25;
    std::vector<pid_t> children;
    for (int writer = 0; writer < kWriters; ++writer) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            bool all = true;
            for (int write = 1; write <= kWrites; ++write) {
                // A fresh store each time, as one command of a script.
                all = openStore()->setInteger("writer" + std::to_string(writer), write) && all;
            }
            ::_exit(all ? 0 : 1);
        }
        children.push_back(child);
    }
    for (const pid_t child : children) {
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    PreferenceDictionary expected;
    for (int writer = 0; writer < kWriters; ++writer) {
        expected.emplace("writer" + std::to_string(writer), std::int64_t{kWrites});
    }
    EXPECT_EQ(openStore()->storedValues(), expected);
    EXPECT_EQ(namesIn(folder.path() + "/horalet"), kFileAndLock);
}

// A writer killed after its new file is complete but before the rename
// leaves a temporary file; the next writer removes it.
TEST_F(JsonPreferencesFileTest, TemporaryFileOfAKilledWriterIsRemovedByTheNextWrite)
{
    openStore()->setInteger("weekday", 2);
    for (int kill = 0; kill < 3; ++kill) {
        const pid_t child = ::fork();
        ASSERT_NE(child, -1);
        if (child == 0) {
            openStore([] { ::raise(SIGKILL); })->setInteger("weekday", 0);
            ::_exit(1);
        }
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    }
    // Each killed writer swept its predecessor's file: one is left.
    std::vector<std::string> left = namesIn(folder.path() + "/horalet");
    std::erase_if(
        left, [](const std::string& name) { return name == "preferences.json" || name == "preferences.json.lock"; });
    ASSERT_EQ(left.size(), 1U);
    EXPECT_EQ(left[0].size(), std::string("preferences.json.XXXXXX").size()) << left[0];
    EXPECT_EQ(openStore()->integerForKey("weekday"), 2);

    openStore()->setInteger("date", 0);
    EXPECT_EQ(namesIn(folder.path() + "/horalet"), kFileAndLock);
    EXPECT_EQ(
        openStore()->storedValues(), (PreferenceDictionary{{"weekday", std::int64_t{2}}, {"date", std::int64_t{0}}}));
}

TEST_F(JsonPreferencesFileTest, SecondDamagedFileDoesNotReplaceTheFirstKeptOne)
{
    fs::create_directories(folder.path() + "/horalet");
    for (const std::string contents : {"{first", "{second"}) {
        writeFile(path, contents);
        ::testing::internal::CaptureStderr();
        openStore()->setInteger("weekday", 0);
        ::testing::internal::GetCapturedStderr();
    }
    std::vector<std::string> kept;
    for (const std::string& name : namesIn(folder.path() + "/horalet")) {
        if (name.starts_with("preferences.json.damaged-")) {
            kept.push_back(fileContents(folder.path() + "/horalet/" + name));
        }
    }
    std::sort(kept.begin(), kept.end());
    EXPECT_EQ(kept, (std::vector<std::string>{"{first", "{second"}));
}

// A file that cannot be read may still hold the user's settings: it is
// neither moved nor written over.
TEST_F(JsonPreferencesFileTest, UnreadableFileIsLeftAloneAndNeverOverwritten)
{
    fs::create_directories(folder.path() + "/horalet");
    fs::create_symlink("preferences.json", path); // a loop: opening it fails

    ::testing::internal::CaptureStderr();
    const auto store = openStore();
    const std::string complaint = ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(lineCount(complaint), 1) << complaint;
    EXPECT_TRUE(store->storedValues().empty());

    ::testing::internal::CaptureStderr();
    EXPECT_FALSE(store->setInteger("weekday", 0));
    ::testing::internal::GetCapturedStderr();
    EXPECT_EQ(store->integerForKey("weekday"), 0);
    EXPECT_TRUE(fs::is_symlink(path));
    EXPECT_EQ(namesIn(folder.path() + "/horalet"), kFileAndLock);
}

} // namespace
} // namespace horalet::platform::qt
