#include "updates/app_updates.h"

#include <utility>

#include "build_info.h"
#include "clock/settings_keys.h"

namespace horalet {

namespace {

using platform::updater::AppcastItem;
using platform::updater::UpdateCheck;
using platform::updater::Updater;
using platform::updater::UpdaterError;

namespace statusText {
constexpr const char* startFailed = "更新组件启动失败";
constexpr const char* installing = "正在安装新版本…";
constexpr const char* foundPrefix = "发现新版本 ";
constexpr const char* downloadingSuffix = "，正在后台下载…";
constexpr const char* downloadFailed = "新版本下载失败，联网后会自动重试";
constexpr const char* readyPrefix = "新版本 ";
constexpr const char* readySuffix = " 已下载并验签，点击「重启并安装」或下次退出时自动更新";
constexpr const char* upToDate = "当前已是最新版本";
constexpr const char* checkFailed = "暂时无法检查更新，联网后可重试";
constexpr const char* checkDone = "更新检查完成";
} // namespace statusText

// The markers the cycle-finished rules look for in the current status.
constexpr std::string_view downloadFailedMarker = "下载失败";
constexpr std::string_view foundMarker = "发现新版本";

bool contains(const std::string& text, std::string_view marker)
{
    return text.find(marker) != std::string::npos;
}

} // namespace

AppUpdates::AppUpdates(Parts parts)
    : parts_(parts)
    , main_(parts.mainQueue)
{
}

AppUpdates::~AppUpdates() = default;

platform::updater::UpdaterController& AppUpdates::controller()
{
    if (!controller_) {
        controller_ = parts_.updaterFactory.makeController(false, this);
    }
    return *controller_;
}

void AppUpdates::onMain(std::function<void()> block)
{
    main_.async(std::move(block));
}

void AppUpdates::start()
{
    if (started_) {
        return;
    }
    started_ = true;
    Updater& updater = this->updater();

    // Each handler may run on any thread; it only queues a block that reads
    // the updater again on the main thread and assigns the mirror there.
    const auto mirrorOnMain
        = [this](std::function<void()> assign) { return [this, assign = std::move(assign)] { onMain(assign); }; };
    observations_.push_back(
        updater.observeCanCheckForUpdates(mirrorOnMain([this] { canCheck = this->updater().canCheckForUpdates(); })));
    observations_.push_back(updater.observeAutomaticallyChecksForUpdates(
        mirrorOnMain([this] { automatic = this->updater().automaticallyChecksForUpdates(); })));
    observations_.push_back(updater.observeAutomaticallyDownloadsUpdates(
        mirrorOnMain([this] { autoDownload = this->updater().automaticallyDownloadsUpdates(); })));

    if (updater.startUpdater().has_value()) {
        status = statusText::startFailed;
        return;
    }

    platform::PreferencesStore& store = parts_.store;
    if (!store.boolForKey(updateKeys::autoByDefault)) {
        store.setBool(updateKeys::autoByDefault, true);
        updater.setAutomaticallyChecksForUpdates(true);
        updater.setAutomaticallyDownloadsUpdates(true);
    }

    if (updater.automaticallyChecksForUpdates()) {
        updater.checkForUpdatesInBackground();
    }
}

void AppUpdates::setAutomatic(bool on)
{
    updater().setAutomaticallyChecksForUpdates(on);
}

void AppUpdates::setAutoDownload(bool on)
{
    if (on) {
        updater().setAutomaticallyChecksForUpdates(true);
    }
    updater().setAutomaticallyDownloadsUpdates(on);
}

void AppUpdates::check()
{
    if (!started_ || !updater().canCheckForUpdates()) {
        return;
    }
    parts_.application.activateIgnoringOtherApps();
    controller().checkForUpdates();
}

void AppUpdates::installReadyUpdate()
{
    if (!installNow_) {
        return;
    }
    const std::function<void()> action = std::exchange(installNow_, {});
    status = statusText::installing;
    action();
}

std::string AppUpdates::version()
{
    return build::kVersion;
}

// The delegate operations may arrive on any thread. Each only queues one
// block; the model changes on the main thread, in the order events came.

void AppUpdates::updaterDidFindValidUpdate(Updater&, const AppcastItem& item)
{
    onMain([this, version = item.displayVersionString] {
        Updater& updater = this->updater();
        availableVersion = version;
        downloading = updater.automaticallyDownloadsUpdates();
        status = statusText::foundPrefix + version
            + (updater.automaticallyDownloadsUpdates() ? statusText::downloadingSuffix : "");
    });
}

void AppUpdates::updaterFailedToDownloadUpdate(Updater&, const AppcastItem&, const UpdaterError&)
{
    onMain([this] {
        downloading = false;
        status = statusText::downloadFailed;
    });
}

bool AppUpdates::updaterWillInstallUpdateOnQuit(
    Updater&, const AppcastItem& item, std::function<void()> immediateInstallation)
{
    onMain([this, version = item.displayVersionString, action = std::move(immediateInstallation)] {
        installNow_ = action;
        readyVersion = version;
        availableVersion = version;
        downloading = false;
        status = statusText::readyPrefix + version + statusText::readySuffix;
    });
    return true;
}

void AppUpdates::updaterDidFinishUpdateCycle(Updater&, UpdateCheck, const std::optional<UpdaterError>& error)
{
    std::optional<std::int64_t> code;
    if (error) {
        code = error->code;
    }
    onMain([this, code] {
        if (readyVersion->has_value()) {
            return;
        }
        if (code == platform::updater::errorCodes::noUpdate) {
            status = statusText::upToDate;
            availableVersion = std::nullopt;
            downloading = false;
        } else if (code) {
            if (!contains(status, downloadFailedMarker)) {
                status = statusText::checkFailed;
            }
        } else if (!contains(status, foundMarker)) {
            status = statusText::checkDone;
        }
    });
}

} // namespace horalet
