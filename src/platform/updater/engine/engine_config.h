#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/preference_schema.h"
#include "platform/updater/engine/update_dialogs.h"
#include "platform/updater/engine/update_network.h"

namespace horalet::platform::updater::engine {

// The settings the engine keeps in the application's store, as the
// application's settings schema names them.
struct EngineKeys {
    Setting<bool> automaticallyChecks;
    Setting<bool> automaticallyDownloads;
    // When the last check began, in seconds since the Unix epoch.
    Setting<std::int64_t> lastCheckTime;
    // A feed location that replaces the one the program was built with.
    Setting<std::string> feedUrl;
};

struct EngineConfig {
    explicit EngineConfig(EngineKeys storeKeys)
        : keys(storeKeys)
    {
    }

    EngineKeys keys;
    std::string feedUrl; // used unless the store names another
    std::string publicKeyBase64; // the raw 32-byte Ed25519 key, in base64
    // Whether a feed without a signature beside it is refused (a feed whose
    // signature does not verify always is).
    bool requireSignedFeed = true;
    std::string currentVersion;
    std::string programPath; // the file an update replaces
    std::string cacheFolder; // private folder for downloads
    // Packages the feed announces as larger than this are not downloaded.
    std::int64_t largestPackage = std::int64_t{64} << 20;
    // A transfer fails when no byte arrives for this long.
    std::chrono::milliseconds inactivityTimeout = std::chrono::seconds(60);
    // The feed and its signature must each arrive whole within this.
    std::chrono::milliseconds feedDeadline = std::chrono::seconds(60);
    // A package must arrive within the feed's deadline plus its announced
    // length at this rate.
    std::int64_t slowestPackageRate = 16 * 1024; // bytes per second
    int maximumRedirects = 5;
    std::chrono::seconds checkInterval = std::chrono::hours(24);
    // How soon after start a check that is due runs.
    std::chrono::seconds overdueCheckDelay = std::chrono::seconds(30);
    std::function<std::unique_ptr<UpdateDialogs>()> makeDialogs = makeSilentUpdateDialogs;
    // Made when the first check begins; none (or an empty function) fails
    // the check as an unreadable feed.
    std::function<std::unique_ptr<UpdateNetwork>()> makeNetwork;
    // Starts the installed program on its own; false when it could not.
    std::function<bool(const std::string& program)> relaunch;
    // Ends this program (after an immediate installation).
    std::function<void()> quit;
    // Says one line of what went wrong (a failed check, a failed install)
    // where the user of a terminal sees it.
    std::function<void(const std::string& line)> report;
};

// The values this program was built with: the feed, key, feed rule and
// package limit from the build, its version, the running program file, the
// cache folder under $XDG_CACHE_HOME, relaunching and quitting through Qt,
// and reports through the program's log. The dialogs and the network are the
// caller's to supply.
EngineConfig builtEngineConfig(EngineKeys keys);

// The raw public key, when the text is base64 of 32 bytes (any 32 bytes
// make an Ed25519 public key; one that is no point on the curve verifies
// nothing).
std::optional<std::string> decodePublicKey(const std::string& base64);

// Whether a feed location is a complete URL the updater may fetch: https,
// or http on a loopback address.
bool isUsableFeedUrl(const std::string& url);

} // namespace horalet::platform::updater::engine
