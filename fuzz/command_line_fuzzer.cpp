// The whole command line, one argument per line of the input, run as the
// program runs it: against a preferences folder of the fuzzer's own (made
// empty before every input), never the user's.
#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "app/cli/command_line.h"
#include "fuzz_fields.h"

namespace {

constexpr std::size_t kMostArguments = 6;

std::filesystem::path& homeFolder()
{
    static std::filesystem::path folder;
    return folder;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    std::string pattern = (std::filesystem::temp_directory_path() / "horalet-fuzz-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::abort();
    }
    homeFolder() = pattern;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_CACHE_HOME", "XDG_DATA_HOME", "XDG_STATE_HOME"}) {
        ::setenv(name, pattern.c_str(), 1);
    }
    ::setenv("TZ", "Asia/Tokyo", 1);
    ::setenv("LANG", "ja_JP.UTF-8", 1);
    ::unsetenv("LC_ALL");
    ::unsetenv("LC_TIME");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace horalet;
    std::vector<std::string> args = fuzz::fields(data, size, kMostArguments);
    while (!args.empty() && args.back().empty()) {
        args.pop_back();
    }
    std::error_code ignored;
    std::filesystem::remove_all(homeFolder() / "horalet", ignored);
    std::ostringstream out;
    std::ostringstream err;
    const std::optional<int> status = cli::runCommand(args, out, err);
    // Bad input is one line on stderr with status 2, never a silent failure.
    if (status && *status != 0 && err.str().empty()) {
        std::abort();
    }
    return 0;
}
