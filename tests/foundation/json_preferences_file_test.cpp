#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
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
    EXPECT_EQ(namesIn(folder.path() + "/horalet"), std::vector<std::string>{"preferences.json"});
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

class DamagedFile : public JsonPreferencesFileTest, public ::testing::WithParamInterface<DamagedCase> { };

TEST_P(DamagedFile, IsMovedAsideWithOneLineAndTheStoreStartsOnDefaults)
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
    EXPECT_NE(complaint.find(path), std::string::npos) << complaint;

    const std::vector<std::string> names = namesIn(folder.path() + "/horalet");
    ASSERT_EQ(names.size(), 1U);
    EXPECT_TRUE(names[0].starts_with("preferences.json.damaged-")) << names[0];
    EXPECT_EQ(fileContents(folder.path() + "/horalet/" + names[0]), GetParam().contents);

    // The next write makes a fresh, good file beside the kept one.
    EXPECT_TRUE(store->setInteger("weekday", 2));
    EXPECT_EQ(openStore()->integerForKey("weekday"), 2);
    EXPECT_EQ(namesIn(folder.path() + "/horalet").size(), 2U);
}

INSTANTIATE_TEST_SUITE_P(Contents, DamagedFile,
    ::testing::Values(DamagedCase{"Truncated", "{\"weekday\": 2, \"da"}, DamagedCase{"Empty", ""},
        DamagedCase{"NotAnObject", "[1, 2]"}, DamagedCase{"Fraction", "{\"weekday\": 1.5}"},
        DamagedCase{"Null", "{\"weekday\": null}"}, DamagedCase{"Nested", "{\"weekday\": {\"a\": 1}}"},
        DamagedCase{"TooLarge", "{\"weekday\": 1e300}"}, DamagedCase{"Binary", std::string("\x00\xff\xfe", 3)}),
    [](const ::testing::TestParamInfo<DamagedCase>& param) { return param.param.name; });

TEST_F(JsonPreferencesFileTest, SecondDamagedFileDoesNotReplaceTheFirstKeptOne)
{
    fs::create_directories(folder.path() + "/horalet");
    for (const std::string contents : {"{first", "{second"}) {
        writeFile(path, contents);
        ::testing::internal::CaptureStderr();
        openStore();
        ::testing::internal::GetCapturedStderr();
    }
    std::vector<std::string> kept;
    for (const std::string& name : namesIn(folder.path() + "/horalet")) {
        kept.push_back(fileContents(folder.path() + "/horalet/" + name));
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
    EXPECT_EQ(namesIn(folder.path() + "/horalet"), std::vector<std::string>{"preferences.json"});
}

} // namespace
} // namespace horalet::platform::qt
