#include "platform/updater/engine/engine_updater.h"

#include <QCoreApplication>
#include <algorithm>
#include <climits>
#include <cstdio>

#include "platform/linux/atomic_file.h"
#include "platform/updater/engine/check_schedule.h"
#include "platform/updater/engine/package_marker.h"
#include "platform/updater/engine/private_folder.h"
#include "platform/updater/engine/program_file.h"
#include "platform/updater/engine/program_replacement.h"
#include "platform/updater/engine/version_comparison.h"

namespace horalet::platform::updater::engine {

namespace {

UpdaterError failure(std::int64_t code, std::string description)
{
    return {code, std::move(description)};
}

void discard(const std::string& path)
{
    std::remove(path.c_str());
}

// Stands in for a missing delegate, so the cycle needs no checks for one.
class NoDelegate final : public UpdaterDelegate {
public:
    void updaterDidFindValidUpdate(Updater&, const AppcastItem&) override { }
    void updaterFailedToDownloadUpdate(Updater&, const AppcastItem&, const UpdaterError&) override { }
    bool updaterWillInstallUpdateOnQuit(Updater&, const AppcastItem&, std::function<void()>) override { return true; }
    void updaterDidFinishUpdateCycle(Updater&, UpdateCheck, const std::optional<UpdaterError>&) override { }
};

UpdaterDelegate& delegateOrNone(UpdaterDelegate* delegate)
{
    static NoDelegate none;
    return delegate != nullptr ? *delegate : none;
}

} // namespace

EngineUpdater::EngineUpdater(
    EngineConfig config, UpdaterDelegate* delegate, PreferencesStore& store, const Clock& clock)
    : config_(std::move(config))
    , delegate_(delegateOrNone(delegate))
    , store_(store)
    , clock_(clock)
    , dialogs_(config_.makeDialogs ? config_.makeDialogs() : nullptr)
    , automaticallyChecks_(store.boolForKey(keys::automaticallyChecks))
    , automaticallyDownloads_(store.boolForKey(keys::automaticallyDownloads))
    , storeChanges_(store.didChange.connect([this] { followStore(); }))
{
    checkTimer_.setSingleShot(true);
    QObject::connect(&checkTimer_, &QTimer::timeout, &lifetime_, [this] {
        checkForUpdatesInBackground();
        reschedule();
    });
}

EngineUpdater::~EngineUpdater() = default;

void EngineUpdater::followStore()
{
    for (auto [mirror, key] : {std::pair{&automaticallyChecks_, keys::automaticallyChecks},
             std::pair{&automaticallyDownloads_, keys::automaticallyDownloads}}) {
        if (const bool stored = store_.boolForKey(key); stored != mirror->get()) {
            mirror->set(stored);
        }
    }
}

void EngineUpdater::writeSetting(ObservedValue<bool>& mirror, const char* key, bool on)
{
    // The mirror first, so the store's change notification finds nothing
    // to follow and observers hear of the change once.
    mirror.set(on);
    store_.setBool(key, on);
}

std::optional<UpdaterError> EngineUpdater::startUpdater()
{
    if (started_) {
        return std::nullopt;
    }
    const auto publicKey = decodePublicKey(config_.publicKeyBase64);
    if (!publicKey) {
        return failure(errorCodes::noPublicKey, "没有可用的更新签名公钥（Ed25519）");
    }
    if (!isUsableFeedUrl(currentFeedUrl())) {
        return failure(errorCodes::badFeedUrl, "更新源地址无效：" + currentFeedUrl());
    }
    if (const auto why = whyProgramNotReplaceable(config_.programPath)) {
        return failure(errorCodes::noWritePermission, "无法替换程序文件：" + *why);
    }
    if (std::string error; !preparePrivateFolder(config_.cacheFolder, error)) {
        return failure(errorCodes::fileCopyFailed, "无法准备下载文件夹：" + error);
    }
    // Nothing survives a restart half-way: a staged update is downloaded
    // and verified again by the next check.
    discard(partPath());
    discard(stagedPath());
    publicKey_ = *publicKey;
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QObject::connect(application, &QCoreApplication::aboutToQuit, &lifetime_, [this] { installStagedUpdate(); });
    }
    started_ = true;
    canCheck_.set(true);
    reschedule();
    return std::nullopt;
}

bool EngineUpdater::canCheckForUpdates() const
{
    return canCheck_.get();
}

bool EngineUpdater::automaticallyChecksForUpdates() const
{
    return automaticallyChecks_.get();
}

void EngineUpdater::setAutomaticallyChecksForUpdates(bool on)
{
    writeSetting(automaticallyChecks_, keys::automaticallyChecks, on);
    reschedule();
}

bool EngineUpdater::automaticallyDownloadsUpdates() const
{
    return automaticallyDownloads_.get();
}

void EngineUpdater::setAutomaticallyDownloadsUpdates(bool on)
{
    writeSetting(automaticallyDownloads_, keys::automaticallyDownloads, on);
}

Connection EngineUpdater::observeCanCheckForUpdates(std::function<void()> handler)
{
    return canCheck_.observe(std::move(handler));
}

Connection EngineUpdater::observeAutomaticallyChecksForUpdates(std::function<void()> handler)
{
    return automaticallyChecks_.observe(std::move(handler));
}

Connection EngineUpdater::observeAutomaticallyDownloadsUpdates(std::function<void()> handler)
{
    return automaticallyDownloads_.observe(std::move(handler));
}

void EngineUpdater::checkForUpdatesInBackground()
{
    beginCycle(UpdateCheck::updatesInBackground, false);
}

void EngineUpdater::checkForUpdatesWithDialogs()
{
    beginCycle(UpdateCheck::updates, true);
}

void EngineUpdater::beginCycle(UpdateCheck check, bool userInitiated)
{
    if (!canCheckForUpdates()) {
        return;
    }
    cycle_ = Cycle{check, userInitiated, std::nullopt, false};
    canCheck_.set(false);
    recordCheckTime();
    reschedule();
    const std::string feed = currentFeedUrl();
    if (!isUsableFeedUrl(feed)) {
        finishCycle(failure(errorCodes::badFeedUrl, "更新源地址无效：" + feed));
        return;
    }
    const QUrl feedUrl(QString::fromStdString(feed));
    auto body = std::make_shared<QByteArray>();
    UpdateNetwork* const network = this->network();
    if (network == nullptr) {
        finishCycle(failure(errorCodes::feedUnreadable, "无法读取更新源：网络组件无法载入"));
        return;
    }
    transfer_ = network->get(
        feedUrl, transferRules(),
        [body](QByteArrayView piece, std::string& error) {
            if (body->size() + piece.size() > kLargestFeed) {
                error = "the feed is larger than 1 MiB";
                return false;
            }
            body->append(piece);
            return true;
        },
        [this, body, feedUrl](const std::optional<std::string>& error) { feedArrived(*body, feedUrl, error); });
}

void EngineUpdater::feedArrived(const QByteArray& body, const QUrl& feedUrl, const std::optional<std::string>& error)
{
    transfer_.reset();
    if (error) {
        finishCycle(failure(errorCodes::feedUnreadable, "无法读取更新源：" + *error));
        return;
    }
    const Appcast appcast = parseAppcast(body, feedUrl);
    if (!appcast.error.empty()) {
        finishCycle(failure(errorCodes::feedUnreadable, "更新源内容无效：" + appcast.error));
        return;
    }
    const auto update = newestUpdate(appcast.entries, config_.currentVersion);
    if (!update) {
        finishCycle(failure(errorCodes::noUpdate, "当前已是最新版本"));
        return;
    }
    updateChosen(*update);
}

void EngineUpdater::updateChosen(const AppcastEntry& update)
{
    cycle_->update = update;
    delegate_.updaterDidFindValidUpdate(*this, update.item());
    if (isStaged(update)) {
        announceStaged();
    }
    if (cycle_->userInitiated && dialogs_) {
        // The answer may come at once: offering is the last step here.
        dialogs_->offerUpdate(update, config_.currentVersion, [weak = weak_from_this()](bool installNow) {
            if (const auto self = weak.lock()) {
                self->answered(installNow);
            }
        });
        return;
    }
    answered(false);
}

void EngineUpdater::answered(bool installNow)
{
    if (!cycle_ || !cycle_->update) {
        return;
    }
    cycle_->installWhenStaged = installNow;
    if (isStaged(*cycle_->update)) {
        finishCycle(std::nullopt);
        if (installNow) {
            installAndRelaunch();
        }
        return;
    }
    if (installNow || automaticallyDownloadsUpdates()) {
        download();
        return;
    }
    finishCycle(std::nullopt);
}

void EngineUpdater::download()
{
    discard(partPath());
    downloadFile_ = std::make_unique<QFile>(QString::fromStdString(partPath()));
    if (!downloadFile_->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const std::string reason = downloadFile_->errorString().toStdString();
        downloadFile_.reset();
        failDownload(failure(errorCodes::fileCopyFailed, "无法创建下载文件：" + reason));
        return;
    }
    received_ = 0;
    const std::int64_t length = cycle_->update->length;
    transfer_ = network_->get(
        cycle_->update->url, transferRules(),
        [this, length](QByteArrayView piece, std::string& error) {
            if (received_ + piece.size() > length) {
                error = "the server sends more bytes than the feed announces";
                return false;
            }
            if (downloadFile_->write(piece.data(), piece.size()) != piece.size()) {
                error = "cannot write the download: " + downloadFile_->errorString().toStdString();
                return false;
            }
            received_ += piece.size();
            return true;
        },
        [this](const std::optional<std::string>& error) { downloadFinished(error); });
}

void EngineUpdater::downloadFinished(const std::optional<std::string>& error)
{
    transfer_.reset();
    const bool flushed = downloadFile_->flush();
    downloadFile_.reset();
    const AppcastEntry update = *cycle_->update;
    if (error || !flushed || received_ != update.length) {
        discard(partPath());
        const std::string reason = error ? *error
            : flushed ? "received " + std::to_string(received_) + " of " + std::to_string(update.length) + " bytes"
                      : "cannot write the download";
        failDownload(failure(errorCodes::downloadFailed, "新版本下载失败：" + reason));
        return;
    }
    // The signature is checked on exactly these bytes before anything else
    // looks at them; the version inside is read only from verified bytes.
    std::string bytes;
    std::string readError;
    if (!os::readWholeFile(partPath(), bytes, readError)) {
        discard(partPath());
        failDownload(failure(errorCodes::fileCopyFailed, "无法读取下载文件：" + readError));
        return;
    }
    if (const auto refused = whyNotVerified(update, bytes)) {
        discard(partPath());
        failDownload(*refused);
        return;
    }
    if (std::rename(partPath().c_str(), stagedPath().c_str()) != 0) {
        discard(partPath());
        failDownload(failure(errorCodes::fileCopyFailed, "无法保存已验证的新版本"));
        return;
    }
    stage(update);
}

void EngineUpdater::stage(const AppcastEntry& update)
{
    staged_ = update;
    const bool installNow = cycle_->installWhenStaged;
    announceStaged();
    finishCycle(std::nullopt);
    if (installNow) {
        installAndRelaunch();
    }
}

std::optional<UpdaterError> EngineUpdater::whyNotVerified(const AppcastEntry& update, const std::string& bytes) const
{
    if (static_cast<std::int64_t>(bytes.size()) != update.length) {
        return failure(errorCodes::downloadFailed, "新版本的大小与更新源不符");
    }
    if (!network_ || !network_->verifyEd25519(publicKey_, update.signature, bytes)) {
        return failure(errorCodes::badSignature, "新版本的 Ed25519 签名无效");
    }
    const auto carried = packageVersion(bytes);
    if (!carried || compareVersions(*carried, update.version) != 0) {
        return failure(errorCodes::downgradeOrMislabel,
            "新版本的内容（" + carried.value_or("无版本标记") + "）与更新源所写的版本 " + update.version + " 不符");
    }
    return std::nullopt;
}

void EngineUpdater::failDownload(const UpdaterError& error)
{
    delegate_.updaterFailedToDownloadUpdate(*this, cycle_->update->item(), error);
    finishCycle(error);
}

void EngineUpdater::finishCycle(const std::optional<UpdaterError>& error)
{
    const Cycle cycle = *std::exchange(cycle_, std::nullopt);
    canCheck_.set(true);
    delegate_.updaterDidFinishUpdateCycle(*this, cycle.check, error);
    if (!cycle.userInitiated || !dialogs_ || !error) {
        return;
    }
    if (error->code == errorCodes::noUpdate) {
        dialogs_->showUpToDate(config_.currentVersion);
    } else {
        dialogs_->showFailure(*error);
    }
}

void EngineUpdater::announceStaged()
{
    delegate_.updaterWillInstallUpdateOnQuit(*this, staged_->item(), [weak = weak_from_this()] {
        if (const auto self = weak.lock()) {
            self->installAndRelaunch();
        }
    });
}

bool EngineUpdater::installStagedUpdate()
{
    std::string error;
    return installStaged(error);
}

bool EngineUpdater::installStaged(std::string& error)
{
    if (!staged_) {
        error = "没有已下载的新版本";
        return false;
    }
    const AppcastEntry update = *std::exchange(staged_, std::nullopt);
    // Checked again: the file waited in the cache since it was verified.
    std::string bytes;
    bool installed = os::readWholeFile(stagedPath(), bytes, error);
    if (installed) {
        if (const auto refused = whyNotVerified(update, bytes)) {
            error = refused->localizedDescription;
            installed = false;
        }
    }
    installed = installed && replaceProgramFile(config_.programPath, bytes, error);
    discard(stagedPath());
    return installed;
}

void EngineUpdater::installAndRelaunch()
{
    std::string error;
    if (!installStaged(error)) {
        if (dialogs_) {
            dialogs_->showFailure(failure(errorCodes::fileCopyFailed, "无法安装新版本：" + error));
        }
        return;
    }
    if (!config_.relaunch || !config_.relaunch(config_.programPath)) {
        // The new version is in place and starts next time; this one runs on.
        if (dialogs_) {
            dialogs_->showFailure(
                failure(errorCodes::fileCopyFailed, "新版本已安装，但无法自动重新打开，请手动打开 Horalet"));
        }
        return;
    }
    if (config_.quit) {
        config_.quit();
    }
}

std::optional<std::string> EngineUpdater::stagedVersion() const
{
    if (!staged_) {
        return std::nullopt;
    }
    return staged_->version;
}

bool EngineUpdater::isStaged(const AppcastEntry& update) const
{
    return staged_ && staged_->version == update.version && staged_->signature == update.signature;
}

std::string EngineUpdater::currentFeedUrl() const
{
    if (auto chosen = store_.stringForKey(keys::feedUrl); chosen && !chosen->empty()) {
        return *chosen;
    }
    return config_.feedUrl;
}

UpdateNetwork* EngineUpdater::network()
{
    if (!network_ && config_.makeNetwork) {
        network_ = config_.makeNetwork();
    }
    return network_.get();
}

TransferRules EngineUpdater::transferRules() const
{
    return {config_.transferTimeout, config_.maximumRedirects, "Horalet/" + config_.currentVersion};
}

void EngineUpdater::recordCheckTime()
{
    store_.setInteger(keys::lastCheckTime, static_cast<std::int64_t>(clock_.now().secondsSinceEpoch));
}

void EngineUpdater::reschedule()
{
    if (!started_ || !automaticallyChecksForUpdates()) {
        checkTimer_.stop();
        return;
    }
    std::optional<double> lastCheck;
    if (store_.objectForKey(keys::lastCheckTime)) {
        lastCheck = static_cast<double>(store_.integerForKey(keys::lastCheckTime));
    }
    const double seconds = secondsUntilNextCheck(lastCheck, clock_.now().secondsSinceEpoch,
        static_cast<double>(config_.checkInterval.count()), static_cast<double>(config_.overdueCheckDelay.count()));
    checkTimer_.start(static_cast<int>(std::min(seconds * 1000.0, static_cast<double>(INT_MAX))));
}

std::string EngineUpdater::partPath() const
{
    return config_.cacheFolder + "/download.part";
}

std::string EngineUpdater::stagedPath() const
{
    return config_.cacheFolder + "/staged-update";
}

} // namespace horalet::platform::updater::engine
