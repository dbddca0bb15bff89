#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/main_queue.h"
#include "platform/foundation/preferences_store.h"
#include "platform/foundation/published.h"
#include "platform/foundation/signal.h"
#include "platform/shell/application.h"
#include "platform/updater/updater.h"

namespace horalet {

// The one update model: it starts the updater once, switches automatic
// checks and background downloads on at the first start, mirrors the
// updater's settings, and turns its events into one status text and the
// version that is ready to install. Observers hear objectWillChange before
// every assignment of a published property. main makes the one the program
// uses and keeps it for the whole run.
class AppUpdates final : public platform::updater::UpdaterDelegate {
public:
    struct Parts {
        platform::updater::UpdaterControllerFactory& updaterFactory;
        platform::PreferencesStore& store;
        platform::MainQueue& mainQueue;
        platform::shell::Application& application;
    };

    explicit AppUpdates(Parts parts);
    AppUpdates(const AppUpdates&) = delete;
    AppUpdates& operator=(const AppUpdates&) = delete;
    ~AppUpdates() override;

    // Declared before the properties, which tell it.
    platform::Signal<> objectWillChange;

    platform::Published<bool> canCheck{objectWillChange, false};
    platform::Published<bool> automatic{objectWillChange, true};
    platform::Published<bool> autoDownload{objectWillChange, true};
    platform::Published<std::string> status{objectWillChange, "自动检查新版本"};
    platform::Published<std::optional<std::string>> readyVersion{objectWillChange, std::nullopt};
    platform::Published<std::optional<std::string>> availableVersion{objectWillChange, std::nullopt};
    platform::Published<bool> downloading{objectWillChange, false};

    void start();
    void setAutomatic(bool on);
    void setAutoDownload(bool on);
    void check();
    void installReadyUpdate();

    // The version of this build.
    static std::string version();

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
    platform::updater::UpdaterController& controller();
    platform::updater::Updater& updater() { return controller().updater(); }
    // Queues a block for the main thread; it runs only while the model lives.
    void onMain(std::function<void()> block);

    Parts parts_;
    // Declared first of the rest so it goes last: the observations and the
    // install action below belong to its updater.
    std::unique_ptr<platform::updater::UpdaterController> controller_;
    std::function<void()> installNow_;
    std::vector<platform::Connection> observations_;
    bool started_ = false;
    // Goes first, so no queued block runs on a model being torn down.
    platform::QueueContext main_;
};

} // namespace horalet
