#include "updates/app_updates.h"

#include <utility>
#include <variant>

#include "clock/settings_keys.h"
#include "platform/foundation/bundle_info.h"
#include "platform/foundation/main_queue.h"
#include "platform/foundation/preferences_store.h"
#include "platform/platform.h"
#include "platform/shell/application.h"

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

constexpr const char* missingVersion = "—";

using Block = std::function<void(AppUpdates&)>;

// Queues `block` for the main thread. The block sees the model only if it
// still exists when the block runs.
void submit(std::weak_ptr<AppUpdates> model, Block block)
{
    platform::mainQueue().async([model = std::move(model), block = std::move(block)] {
        if (const auto held = model.lock()) {
            block(*held);
        }
    });
}

bool contains(const std::string& text, std::string_view marker)
{
    return text.find(marker) != std::string::npos;
}

} // namespace

AppUpdates::AppUpdates(Private)
{
}

AppUpdates& AppUpdates::shared()
{
    // Made once, thread-safely, and never torn down: the model and its
    // updater live until the process ends.
    static const auto* const instance = new std::shared_ptr<AppUpdates>(make());
    return **instance;
}

std::shared_ptr<AppUpdates> AppUpdates::make()
{
    return std::make_shared<AppUpdates>(Private{});
}

platform::updater::UpdaterController& AppUpdates::controller()
{
    if (!controller_) {
        controller_ = platform::updaterFactory().makeController(false, this);
    }
    return *controller_;
}

void AppUpdates::onMain(Block block)
{
    submit(weak_from_this(), std::move(block));
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
    const auto mirrorOnMain = [model = weak_from_this()](Block assign) {
        return [model, assign = std::move(assign)] { submit(model, assign); };
    };
    std::vector<platform::ObservationToken> tokens;
    tokens.push_back(updater.observeCanCheckForUpdates(
        mirrorOnMain([](AppUpdates& model) { model.canCheck = model.updater().canCheckForUpdates(); })));
    tokens.push_back(updater.observeAutomaticallyChecksForUpdates(
        mirrorOnMain([](AppUpdates& model) { model.automatic = model.updater().automaticallyChecksForUpdates(); })));
    tokens.push_back(updater.observeAutomaticallyDownloadsUpdates(
        mirrorOnMain([](AppUpdates& model) { model.autoDownload = model.updater().automaticallyDownloadsUpdates(); })));
    observations_ = std::move(tokens);

    if (updater.startUpdater().has_value()) {
        status = statusText::startFailed;
        return;
    }

    platform::PreferencesStore& store = platform::defaults();
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
    platform::shell::application().activateIgnoringOtherApps();
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

std::string AppUpdates::version() const
{
    const platform::BundleInfo* bundle = platform::bundle();
    if (bundle == nullptr) {
        return missingVersion;
    }
    const auto value = bundle->objectForInfoDictionaryKey("CFBundleShortVersionString");
    if (value) {
        if (const auto* text = std::get_if<std::string>(&*value)) {
            return *text;
        }
    }
    return missingVersion;
}

// The delegate operations may arrive on any thread. Each only queues one
// block; the model changes on the main thread, in the order events came.

void AppUpdates::updaterDidFindValidUpdate(Updater&, const AppcastItem& item)
{
    onMain([version = item.displayVersionString](AppUpdates& model) {
        Updater& updater = model.updater();
        model.availableVersion = version;
        model.downloading = updater.automaticallyDownloadsUpdates();
        model.status = statusText::foundPrefix + version
            + (updater.automaticallyDownloadsUpdates() ? statusText::downloadingSuffix : "");
    });
}

void AppUpdates::updaterFailedToDownloadUpdate(Updater&, const AppcastItem&, const UpdaterError&)
{
    onMain([](AppUpdates& model) {
        model.downloading = false;
        model.status = statusText::downloadFailed;
    });
}

bool AppUpdates::updaterWillInstallUpdateOnQuit(
    Updater&, const AppcastItem& item, std::function<void()> immediateInstallation)
{
    onMain([version = item.displayVersionString, action = std::move(immediateInstallation)](AppUpdates& model) mutable {
        model.installNow_ = std::move(action);
        model.readyVersion = version;
        model.availableVersion = version;
        model.downloading = false;
        model.status = statusText::readyPrefix + version + statusText::readySuffix;
    });
    return true;
}

void AppUpdates::updaterDidFinishUpdateCycle(Updater&, UpdateCheck, const std::optional<UpdaterError>& error)
{
    std::optional<std::int64_t> code;
    if (error) {
        code = error->code;
    }
    onMain([code](AppUpdates& model) {
        if (model.readyVersion->has_value()) {
            return;
        }
        if (code == platform::updater::errorCodes::noUpdate) {
            model.status = statusText::upToDate;
            model.availableVersion = std::nullopt;
            model.downloading = false;
        } else if (code) {
            if (!contains(model.status, downloadFailedMarker)) {
                model.status = statusText::checkFailed;
            }
        } else if (!contains(model.status, foundMarker)) {
            model.status = statusText::checkDone;
        }
    });
}

} // namespace horalet
