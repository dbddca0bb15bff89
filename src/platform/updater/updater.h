#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/signal.h"

namespace horalet::platform::updater {

// One update offered by the feed.
struct AppcastItem {
    std::string versionString; // the machine version compared against the running one
    std::string displayVersionString; // what people are shown
};

// Which kind of check an update cycle was.
enum class UpdateCheck { updates, updatesInBackground };

// A failure reported by the updater; `code` follows the update framework's
// numbering (1001: no update found).
struct UpdaterError {
    std::int64_t code = 0;
    std::string localizedDescription;
};

namespace errorCodes {
inline constexpr std::int64_t noPublicKey = 1;
inline constexpr std::int64_t badFeedUrl = 4;
inline constexpr std::int64_t feedUnreadable = 1000;
inline constexpr std::int64_t noUpdate = 1001;
inline constexpr std::int64_t downloadFailed = 2001;
inline constexpr std::int64_t badSignature = 3001;
inline constexpr std::int64_t badFeedSignature = 3002;
inline constexpr std::int64_t fileCopyFailed = 4000;
inline constexpr std::int64_t downgradeOrMislabel = 4006;
inline constexpr std::int64_t noWritePermission = 4012;
} // namespace errorCodes

class Updater;

// What the updater tells its delegate about an update cycle. It may call
// from any thread.
class UpdaterDelegate {
public:
    virtual ~UpdaterDelegate() = default;
    virtual void updaterDidFindValidUpdate(Updater& updater, const AppcastItem& item) = 0;
    virtual void updaterFailedToDownloadUpdate(Updater& updater, const AppcastItem& item, const UpdaterError& error)
        = 0;
    // A verified update is staged and installs when the program quits;
    // `immediateInstallation` installs it now and restarts the program.
    virtual bool updaterWillInstallUpdateOnQuit(
        Updater& updater, const AppcastItem& item, std::function<void()> immediateInstallation)
        = 0;
    virtual void updaterDidFinishUpdateCycle(
        Updater& updater, UpdateCheck check, const std::optional<UpdaterError>& error)
        = 0;
};

// The updater: started once, with three observable settings and a silent
// background check.
class Updater {
public:
    virtual ~Updater() = default;

    // None when the updater runs; the reason otherwise.
    virtual std::optional<UpdaterError> startUpdater() = 0;

    virtual bool canCheckForUpdates() const = 0;
    virtual bool automaticallyChecksForUpdates() const = 0;
    virtual void setAutomaticallyChecksForUpdates(bool on) = 0;
    virtual bool automaticallyDownloadsUpdates() const = 0;
    virtual void setAutomaticallyDownloadsUpdates(bool on) = 0;

    // Each handler runs once at registration and after every change, on
    // any thread, until its connection goes.
    virtual Connection observeCanCheckForUpdates(std::function<void()> handler) = 0;
    virtual Connection observeAutomaticallyChecksForUpdates(std::function<void()> handler) = 0;
    virtual Connection observeAutomaticallyDownloadsUpdates(std::function<void()> handler) = 0;

    virtual void checkForUpdatesInBackground() = 0;
};

// The standard controller: owns the one updater and runs user-initiated
// checks with the updater's own dialogs.
class UpdaterController {
public:
    virtual ~UpdaterController() = default;
    virtual Updater& updater() = 0;
    virtual void checkForUpdates() = 0;
};

// Makes the standard controller. With `startingUpdater` false the updater
// waits for startUpdater(). The delegate must outlive the controller.
class UpdaterControllerFactory {
public:
    virtual ~UpdaterControllerFactory() = default;
    virtual std::unique_ptr<UpdaterController> makeController(bool startingUpdater, UpdaterDelegate* delegate) = 0;
};

} // namespace horalet::platform::updater
