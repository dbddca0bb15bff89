#include "support/fake_updater.h"

namespace horalet::testing {

using platform::updater::AppcastItem;
using platform::updater::UpdaterError;

namespace {

AppcastItem itemFor(const std::string& displayVersion)
{
    return AppcastItem{displayVersion, displayVersion};
}

} // namespace

std::optional<UpdaterError> FakeUpdater::startUpdater()
{
    ++starts_;
    if (startFailure) {
        return startFailure;
    }
    canCheck.set(true);
    return std::nullopt;
}

void FakeUpdater::setAutomaticallyChecksForUpdates(bool on)
{
    writes_.push_back({SettingWrite::Setting::automaticChecks, on});
    automaticChecks.set(on);
}

void FakeUpdater::setAutomaticallyDownloadsUpdates(bool on)
{
    writes_.push_back({SettingWrite::Setting::automaticDownloads, on});
    automaticDownloads.set(on);
}

platform::Connection FakeUpdater::observeCanCheckForUpdates(std::function<void()> handler)
{
    return canCheck.observe(std::move(handler));
}

platform::Connection FakeUpdater::observeAutomaticallyChecksForUpdates(std::function<void()> handler)
{
    return automaticChecks.observe(std::move(handler));
}

platform::Connection FakeUpdater::observeAutomaticallyDownloadsUpdates(std::function<void()> handler)
{
    return automaticDownloads.observe(std::move(handler));
}

void FakeUpdater::findUpdate(const std::string& displayVersion)
{
    if (auto* delegate = delegate_.load()) {
        delegate->updaterDidFindValidUpdate(*this, itemFor(displayVersion));
    }
}

void FakeUpdater::failDownload(const std::string& displayVersion)
{
    if (auto* delegate = delegate_.load()) {
        const UpdaterError error{platform::updater::errorCodes::downloadFailed, "The download failed."};
        delegate->updaterFailedToDownloadUpdate(*this, itemFor(displayVersion), error);
    }
}

bool FakeUpdater::stageUpdate(const std::string& displayVersion, std::function<void()> immediateInstallation)
{
    auto* delegate = delegate_.load();
    return delegate != nullptr
        && delegate->updaterWillInstallUpdateOnQuit(*this, itemFor(displayVersion), std::move(immediateInstallation));
}

void FakeUpdater::finishCycle(std::optional<std::int64_t> errorCode, platform::updater::UpdateCheck check)
{
    auto* delegate = delegate_.load();
    if (delegate == nullptr) {
        return;
    }
    std::optional<UpdaterError> error;
    if (errorCode) {
        error = UpdaterError{*errorCode, "The update cycle ended with an error."};
    }
    delegate->updaterDidFinishUpdateCycle(*this, check, error);
}

FakeUpdaterController::FakeUpdaterController(FakeUpdater& updater, platform::updater::UpdaterDelegate* delegate)
    : updater_(updater)
{
    updater_.setDelegate(delegate);
}

FakeUpdaterController::~FakeUpdaterController()
{
    updater_.setDelegate(nullptr);
}

std::unique_ptr<platform::updater::UpdaterController> FakeUpdaterControllerFactory::makeController(
    bool startingUpdater, platform::updater::UpdaterDelegate* delegate)
{
    calls_.push_back({startingUpdater, delegate});
    auto controller = std::make_unique<FakeUpdaterController>(updater, delegate);
    if (startingUpdater) {
        static_cast<void>(updater.startUpdater());
    }
    return controller;
}

} // namespace horalet::testing
