#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/key_value_observing.h"
#include "platform/foundation/observable_object.h"
#include "platform/updater/updater.h"

namespace horalet {

// The one update model: it starts the updater once, switches automatic
// checks and background downloads on at the first start, mirrors the
// updater's settings, and turns its events into one status text and the
// version that is ready to install. Observers hear objectWillChange before
// every assignment of a published property.
class AppUpdates final : public platform::ObservableObject,
                         public platform::updater::UpdaterDelegate,
                         public std::enable_shared_from_this<AppUpdates> {
public:
    // The instance, created on first access, once, even from two threads.
    static AppUpdates& shared();

    // A model of its own, for tests; the program uses shared().
    static std::shared_ptr<AppUpdates> make();

    platform::Published<bool> canCheck{*this, false};
    platform::Published<bool> automatic{*this, true};
    platform::Published<bool> autoDownload{*this, true};
    platform::Published<std::string> status{*this, "自动检查新版本"};
    platform::Published<std::optional<std::string>> readyVersion{*this, std::nullopt};
    platform::Published<std::optional<std::string>> availableVersion{*this, std::nullopt};
    platform::Published<bool> downloading{*this, false};

    void start();
    void setAutomatic(bool on);
    void setAutoDownload(bool on);
    void check();
    void installReadyUpdate();

    // The build's short version string, or "—" when there is none.
    std::string version() const;

    // Whether an immediate installation is pending (for tests and the menu's
    // own checks; the action itself is private).
    bool hasPendingInstall() const { return static_cast<bool>(installNow_); }

    void updaterDidFindValidUpdate(
        platform::updater::Updater& updater, const platform::updater::AppcastItem& item) override;
    void updaterFailedToDownloadUpdate(platform::updater::Updater& updater, const platform::updater::AppcastItem& item,
        const platform::updater::UpdaterError& error) override;
    bool updaterWillInstallUpdateOnQuit(platform::updater::Updater& updater, const platform::updater::AppcastItem& item,
        std::function<void()> immediateInstallation) override;
    void updaterDidFinishUpdateCycle(platform::updater::Updater& updater, platform::updater::UpdateCheck check,
        const std::optional<platform::updater::UpdaterError>& error) override;

private:
    struct Private { };

public:
    explicit AppUpdates(Private);

private:
    platform::updater::UpdaterController& controller();
    platform::updater::Updater& updater() { return controller().updater(); }
    // Submits a block that runs only while the model still exists.
    void onMain(std::function<void(AppUpdates&)> block);

    // Declared first so it goes last: the observations and the install
    // action below belong to its updater.
    std::unique_ptr<platform::updater::UpdaterController> controller_;
    std::function<void()> installNow_;
    std::vector<platform::ObservationToken> observations_;
    bool started_ = false;
};

} // namespace horalet
