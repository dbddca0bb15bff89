#include "command_line_fixture.h"

#include <sstream>

#include "app/cli/command_line.h"
#include "platform/qt/json_preferences_file.h"

namespace horalet::cli {

CommandResult CommandLineTest::run(const std::vector<std::string>& args)
{
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = runCommand(args, out, err);
    EXPECT_TRUE(status.has_value());
    return CommandResult{status.value_or(-1), out.str(), err.str()};
}

platform::PreferenceDictionary CommandLineTest::storedValues() const
{
    return platform::qt::JsonPreferencesFile(preferencesPath()).load().value_or(platform::PreferenceDictionary{});
}

} // namespace horalet::cli
