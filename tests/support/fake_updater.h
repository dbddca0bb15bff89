#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/foundation/observed_value.h"
#include "platform/updater/updater.h"

namespace horalet::testing {

// One write of an updater setting, as the updater received it.
struct SettingWrite {
    enum class Setting { automaticChecks, automaticDownloads };
    Setting setting;
    bool value;
    bool operator==(const SettingWrite&) const = default;
};

// An updater the test scripts: its settings are observable properties the
// test may change at any time (observers hear every change), its start can
// be made to fail, and it sends the delegate's four events on whatever
// thread the test calls them from. It counts starts and checks and records
// every setting write in order.
class FakeUpdater final : public platform::updater::Updater {
public:
    platform::ObservedValue<bool> canCheck{false};
    platform::ObservedValue<bool> automaticChecks{false};
    platform::ObservedValue<bool> automaticDownloads{false};
    // When set, startUpdater() fails with it; otherwise the updater runs and
    // can check from then on.
    std::optional<platform::updater::UpdaterError> startFailure;

    std::optional<platform::updater::UpdaterError> startUpdater() override;
    bool canCheckForUpdates() const override { return canCheck.get(); }
    bool automaticallyChecksForUpdates() const override { return automaticChecks.get(); }
    void setAutomaticallyChecksForUpdates(bool on) override;
    bool automaticallyDownloadsUpdates() const override { return automaticDownloads.get(); }
    void setAutomaticallyDownloadsUpdates(bool on) override;
    platform::Connection observeCanCheckForUpdates(std::function<void()> handler) override;
    platform::Connection observeAutomaticallyChecksForUpdates(std::function<void()> handler) override;
    platform::Connection observeAutomaticallyDownloadsUpdates(std::function<void()> handler) override;
    void checkForUpdatesInBackground() override { ++backgroundChecks_; }

    // The delegate's events, sent on the calling thread. Without a delegate
    // they go nowhere (and stageUpdate answers false).
    void findUpdate(const std::string& displayVersion);
    void failDownload(const std::string& displayVersion);
    bool stageUpdate(const std::string& displayVersion, std::function<void()> immediateInstallation);
    void finishCycle(std::optional<std::int64_t> errorCode,
        platform::updater::UpdateCheck check = platform::updater::UpdateCheck::updatesInBackground);

    void setDelegate(platform::updater::UpdaterDelegate* delegate) { delegate_ = delegate; }
    void recordUserCheck() { ++userChecks_; }

    int starts() const { return starts_; }
    int backgroundChecks() const { return backgroundChecks_; }
    int userChecks() const { return userChecks_; }
    const std::vector<SettingWrite>& writes() const { return writes_; }

private:
    std::atomic<platform::updater::UpdaterDelegate*> delegate_ = nullptr;
    std::atomic<int> starts_ = 0;
    std::atomic<int> backgroundChecks_ = 0;
    std::atomic<int> userChecks_ = 0;
    std::vector<SettingWrite> writes_;
};

// The standard controller over a fake updater it does not own. While it
// lives, the updater sends its events to the controller's delegate.
class FakeUpdaterController final : public platform::updater::UpdaterController {
public:
    FakeUpdaterController(FakeUpdater& updater, platform::updater::UpdaterDelegate* delegate);
    FakeUpdaterController(const FakeUpdaterController&) = delete;
    FakeUpdaterController& operator=(const FakeUpdaterController&) = delete;
    ~FakeUpdaterController() override;

    platform::updater::Updater& updater() override { return updater_; }
    void checkForUpdates() override { updater_.recordUserCheck(); }

private:
    FakeUpdater& updater_;
};

// Makes controllers over its one fake updater, which outlives them, and
// records the arguments of every call.
class FakeUpdaterControllerFactory final : public platform::updater::UpdaterControllerFactory {
public:
    struct Call {
        bool startingUpdater;
        platform::updater::UpdaterDelegate* delegate;
    };

    std::unique_ptr<platform::updater::UpdaterController> makeController(
        bool startingUpdater, platform::updater::UpdaterDelegate* delegate) override;

    const std::vector<Call>& calls() const { return calls_; }

    FakeUpdater updater;

private:
    std::vector<Call> calls_;
};

} // namespace horalet::testing
