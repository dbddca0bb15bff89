#include "platform/updater/core/package_marker.h"

#include <set>

#include "engine_build_config.h"

namespace horalet::platform::updater::engine {

namespace {

// Kept in the program file even though nothing reads it by name: the
// release tooling and the updater of the previous version search for it.
[[gnu::used]] constexpr char kMarker[] = HORALET_PACKAGE_MARKER;

constexpr std::size_t kLongestVersion = 64;

// Derived from the marker itself so that the prefix never appears in the
// program file on its own, without a version after it.
std::string_view markerPrefix()
{
    const std::string_view marker(kMarker);
    return marker.substr(0, marker.find(':') + 1);
}

bool isVersionCharacter(char c)
{
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || c == '.' || c == '_'
        || c == '+' || c == '~' || c == '-';
}

// The version after a prefix found at `start`, when it is one: version
// characters ended by a zero byte.
std::optional<std::string_view> versionAt(std::string_view bytes, std::size_t start)
{
    std::size_t end = start;
    while (end < bytes.size() && end - start <= kLongestVersion && isVersionCharacter(bytes[end])) {
        ++end;
    }
    if (end == start || end - start > kLongestVersion || end >= bytes.size() || bytes[end] != '\0') {
        return std::nullopt;
    }
    return bytes.substr(start, end - start);
}

} // namespace

std::string_view ownPackageMarker()
{
    return kMarker;
}

std::optional<std::string> packageVersion(std::string_view bytes)
{
    const std::string_view prefix = markerPrefix();
    std::set<std::string_view> versions;
    for (auto found = bytes.find(prefix); found != std::string_view::npos; found = bytes.find(prefix, found + 1)) {
        if (const auto version = versionAt(bytes, found + prefix.size())) {
            versions.insert(*version);
        }
    }
    if (versions.size() != 1) {
        return std::nullopt;
    }
    return std::string(*versions.begin());
}

} // namespace horalet::platform::updater::engine
