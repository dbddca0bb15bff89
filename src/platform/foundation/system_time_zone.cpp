#include "platform/foundation/system_time_zone.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <vector>

#include <unicode/basictz.h>

#include "platform/foundation/posix_time_zone.h"

namespace horalet::platform {

namespace {

constexpr std::string_view kZoneFolderMark = "/zoneinfo/";
// Zone files are a few kilobytes; anything far larger is not one.
constexpr std::streamsize kLargestZoneFile = 1 << 20;
constexpr double kMillisecondsPerYear = 366.0 * 24 * 3600 * 1000;

TimeZone utc()
{
    return *TimeZone::named("UTC");
}

// "/usr/share/zoneinfo/posix/Europe/Paris" names "Europe/Paris".
std::string zoneNameOfPath(std::string_view path)
{
    const std::size_t mark = path.find(kZoneFolderMark);
    if (mark == std::string_view::npos) {
        return {};
    }
    std::string_view name = path.substr(mark + kZoneFolderMark.size());
    for (const std::string_view variant : {"posix/", "right/"}) {
        if (name.starts_with(variant)) {
            name.remove_prefix(variant.size());
        }
    }
    return std::string(name);
}

std::optional<TimeZone> namedAtPath(const std::string& path)
{
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(path, error);
    // The path as written names the zone first; a link such as
    // /etc/localtime names it through its target.
    for (const std::string& candidate : {path, error ? std::string() : resolved.string()}) {
        if (const std::string name = zoneNameOfPath(candidate); !name.empty()) {
            if (auto zone = TimeZone::named(name)) {
                return zone;
            }
        }
    }
    return std::nullopt;
}

// A zone file of version 2 or later ends with the POSIX rule that holds
// after its last listed change, on a line of its own.
std::optional<std::string> ruleAtEndOfZoneFile(const std::string& path)
{
    // Never a device or a pipe: TZ=/dev/stdin must not stall the clock.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        return std::nullopt;
    }
    std::ifstream file(path, std::ios::binary);
    std::vector<char> bytes(static_cast<std::size_t>(kLargestZoneFile));
    file.read(bytes.data(), kLargestZoneFile);
    const std::string_view content(bytes.data(), static_cast<std::size_t>(file.gcount()));
    if (!content.starts_with("TZif") || content.size() < 6 || content[4] < '2' || !content.ends_with('\n')) {
        return std::nullopt;
    }
    const std::size_t lineStart = content.rfind('\n', content.size() - 2);
    if (lineStart == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(content.substr(lineStart + 1, content.size() - lineStart - 2));
}

std::string zoneFolder()
{
    const char* folder = std::getenv("TZDIR");
    return folder != nullptr && *folder != '\0' ? folder : "/usr/share/zoneinfo";
}

std::optional<TimeZone> zoneFromFile(const std::string& path, const std::string& identifier)
{
    if (const std::optional<std::string> rule = ruleAtEndOfZoneFile(path)) {
        return zoneFromPosixRule(*rule, identifier);
    }
    return std::nullopt;
}

// The letters a POSIX rule starts with: its standard abbreviation.
std::string_view leadingLetters(std::string_view text)
{
    std::size_t length = 0;
    while (length < text.size() && std::isalpha(static_cast<unsigned char>(text[length]))) {
        ++length;
    }
    return text.substr(0, length);
}

std::string preferred(const std::vector<std::string>& candidates, std::string_view abbreviation)
{
    for (const std::string& id : candidates) {
        if (!abbreviation.empty() && id == abbreviation) {
            return id;
        }
    }
    for (const std::string& id : candidates) {
        if (id.starts_with("Etc/GMT")) {
            return id;
        }
    }
    return candidates.front();
}

} // namespace

std::optional<TimeZone> zoneForTzVariable(std::optional<std::string_view> tz)
{
    if (!tz) {
        return std::nullopt;
    }
    if (tz->empty()) {
        return utc();
    }
    std::string_view value = *tz;
    if (value.front() == ':') {
        value.remove_prefix(1);
    }
    if (value.empty()) {
        return std::nullopt;
    }
    const std::string name(value);
    if (name.front() == '/') {
        if (auto zone = namedAtPath(name)) {
            return zone;
        }
        if (auto zone = zoneFromFile(name, name)) {
            return zone;
        }
    } else {
        if (auto zone = TimeZone::named(name)) {
            return zone;
        }
        if (name.find("..") == std::string::npos) {
            if (auto zone = zoneFromFile(zoneFolder() + "/" + name, name)) {
                return zone;
            }
        }
        if (auto zone = zoneFromPosixRule(name, name)) {
            return zone;
        }
    }
    return utc();
}

std::string databaseEquivalent(const TimeZone& zone, Instant at)
{
    const std::string own = zone.identifier();
    if (const auto named = TimeZone::named(own); named && named->identifier() == own) {
        return own;
    }
    const auto* basic = dynamic_cast<const icu::BasicTimeZone*>(&zone.icu());
    const UDate start = at.millisecondsSinceEpoch();
    const int offsetNow = zone.secondsFromGMT(at);
    std::vector<std::string> sameRules;
    std::vector<std::string> sameOffsetNow;
    for (const std::string& id : TimeZone::knownTimeZoneIdentifiers()) {
        const std::optional<TimeZone> candidate = TimeZone::named(id);
        if (!candidate) {
            continue;
        }
        const auto* other = dynamic_cast<const icu::BasicTimeZone*>(&candidate->icu());
        UErrorCode status = U_ZERO_ERROR;
        if (basic != nullptr && other != nullptr
            && basic->hasEquivalentTransitions(*other, start, start + kMillisecondsPerYear, false, status)
            && U_SUCCESS(status)) {
            sameRules.push_back(id);
        } else if (candidate->secondsFromGMT(at) == offsetNow) {
            sameOffsetNow.push_back(id);
        }
    }
    const std::string_view abbreviation = leadingLetters(own);
    if (!sameRules.empty()) {
        return preferred(sameRules, abbreviation);
    }
    if (!sameOffsetNow.empty()) {
        return preferred(sameOffsetNow, abbreviation);
    }
    return "UTC";
}

} // namespace horalet::platform
