#pragma once

#include <QByteArray>
#include <QUrl>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/updater/updater.h"

namespace horalet::platform::updater::engine {

// Feeds larger than this are refused.
inline constexpr std::int64_t kLargestFeed = 1024 * 1024;
// Packages the feed announces as larger than this are refused.
inline constexpr std::int64_t kLargestPackage = std::int64_t{1} << 30;

// One update for this system as the feed describes it.
struct AppcastEntry {
    std::string version;
    std::string displayVersion;
    QUrl url;
    std::int64_t length = 0;
    std::string signature; // raw Ed25519 signature, 64 bytes
    bool critical = false;
    std::string releaseNotes; // plain text, never rendered as markup

    AppcastItem item() const { return {version, displayVersion}; }
};

struct Appcast {
    std::vector<AppcastEntry> entries;
    std::string error; // empty when the feed was read
};

// Reads an RSS appcast: the items of the default channel for Linux, with
// links resolved against `feedUrl`. A document type, a feed over the size
// limit or one malformed item makes the whole feed unreadable.
Appcast parseAppcast(const QByteArray& xml, const QUrl& feedUrl);

// The newest entry that is newer than `currentVersion`, if any.
std::optional<AppcastEntry> newestUpdate(const std::vector<AppcastEntry>& entries, std::string_view currentVersion);

} // namespace horalet::platform::updater::engine
