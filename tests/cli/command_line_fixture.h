#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/foundation/preference_value.h"
#include "support/temp_folder.h"

namespace horalet::cli {

struct CommandResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs commands in this process as the program would run them, with the
// preferences in a folder of the test's own and a pinned zone and locale.
class CommandLineTest : public ::testing::Test {
protected:
    static constexpr const char* kZone = "Asia/Tokyo";
    static constexpr const char* kLocale = "ja_JP";

    CommandResult run(const std::vector<std::string>& args);
    // The stored values as a new run would load them.
    platform::PreferenceDictionary storedValues() const;
    std::string preferencesPath() const { return folder.path() + "/horalet/preferences.json"; }

    testing::TempFolder folder;

private:
    testing::ScopedEnvironmentVariable xdg_{"XDG_CONFIG_HOME", folder.path().c_str()};
    testing::ScopedEnvironmentVariable tz_{"TZ", kZone};
    testing::ScopedEnvironmentVariable lang_{"LANG", "ja_JP.UTF-8"};
    testing::ScopedEnvironmentVariable lcAll_{"LC_ALL", nullptr};
    testing::ScopedEnvironmentVariable lcTime_{"LC_TIME", nullptr};
};

} // namespace horalet::cli
