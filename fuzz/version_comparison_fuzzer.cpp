// Version comparison over three versions, whatever the feed announces:
// reflexive and antisymmetric for any text, and transitive for numeric
// versions (runs of digits between single dots). With letters it is not
// always transitive: "1b0" is newer than "1b.1", which is newer than "1b",
// yet "1b0" equals "1b"; and "1.0" equals "1", "1" is older than "1..1",
// yet "1.0" is newer than "1..1".
#include <cctype>
#include <cstdlib>

#include "fuzz_fields.h"
#include "platform/updater/core/version_comparison.h"

namespace {

int sign(int value)
{
    return (value > 0) - (value < 0);
}

bool numeric(const std::string& version)
{
    bool afterDot = true;
    for (const char c : version) {
        if (c == '.') {
            if (afterDot) {
                return false;
            }
            afterDot = true;
        } else if (std::isdigit(static_cast<unsigned char>(c))) {
            afterDot = false;
        } else {
            return false;
        }
    }
    return !afterDot;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using horalet::platform::updater::engine::compareVersions;
    const std::vector<std::string> v = horalet::fuzz::fields(data, size, 3);
    const int ab = sign(compareVersions(v[0], v[1]));
    if (compareVersions(v[0], v[0]) != 0 || sign(compareVersions(v[1], v[0])) != -ab) {
        std::abort();
    }
    if (numeric(v[0]) && numeric(v[1]) && numeric(v[2])) {
        const int bc = sign(compareVersions(v[1], v[2]));
        const int ac = sign(compareVersions(v[0], v[2]));
        if ((ab == bc && ab != 0 && ac != ab) || (ab == 0 && ac != bc)) {
            std::abort();
        }
    }
    return 0;
}
