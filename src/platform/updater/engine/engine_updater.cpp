#include "platform/updater/engine/engine_updater.h"

#include <QCoreApplication>
#include <QThreadPool>
#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <sys/resource.h>
#include <unistd.h>

#include "platform/linux/atomic_file.h"
#include "platform/updater/core/check_schedule.h"
#include "platform/updater/core/leftovers.h"
#include "platform/updater/core/mapped_file.h"
#include "platform/updater/core/private_folder.h"
#include "platform/updater/core/program_file.h"
#include "platform/updater/core/program_replacement.h"
#include "platform/updater/core/update_failure.h"

namespace horalet::platform::updater::engine {

namespace {

// A signature is base64 of 64 bytes and a line end.
constexpr std::int64_t kLargestFeedSignature = 1024;
constexpr int kHttpNotFound = 404;

// The feed's signature is published beside it: its address with ".sig"
// added to the path.
QUrl signatureLocation(const QUrl& feedUrl)
{
    QUrl location = feedUrl;
    location.setPath(feedUrl.path() + QStringLiteral(".sig"));
    return location;
}

// The thread that verifies packages, for the whole run. It works at a
// lower priority than the clock (nice 10), so that on a busy machine the
// check waits, not the clock; work still under way when the program ends
// is simply dropped.
QThreadPool& verifiers()
{
    static QThreadPool* const pool = [] {
        auto* threads = new QThreadPool;
        threads->setMaxThreadCount(1);
        return threads;
    }();
    return *pool;
}

void yieldToTheClock()
{
    constexpr int kNice = 10;
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kNice);
}

std::string_view viewOf(const QByteArray& bytes)
{
    return {bytes.constData(), static_cast<std::size_t>(bytes.size())};
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
    , automaticallyChecks_(store.boolForKey(config_.keys.automaticallyChecks))
    , automaticallyDownloads_(store.boolForKey(config_.keys.automaticallyDownloads))
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
    for (auto [mirror, key] : {std::pair{&automaticallyChecks_, config_.keys.automaticallyChecks},
             std::pair{&automaticallyDownloads_, config_.keys.automaticallyDownloads}}) {
        if (const bool stored = store_.boolForKey(key); stored != mirror->get()) {
            mirror->set(stored);
        }
    }
}

void EngineUpdater::writeSetting(ObservedValue<bool>& mirror, std::string_view key, bool on)
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
        return updateFailure(errorCodes::noPublicKey, "没有可用的更新签名公钥（Ed25519），自动更新已关闭。");
    }
    // A build without a feed, or a program the package manager keeps, has
    // updates off by design; a feed someone named that cannot be used, or
    // a cache that cannot be made, is worth a line.
    if (!isUsableFeedUrl(currentFeedUrl())) {
        auto failure = updateFailure(
            errorCodes::badFeedUrl, "更新源地址无效或不安全（只接受 https），自动更新已关闭。", currentFeedUrl());
        if (!currentFeedUrl().empty()) {
            report(failure.localizedDescription);
        }
        return failure;
    }
    if (const auto why = whyProgramNotReplaceable(config_.programPath)) {
        return updateFailure(errorCodes::noWritePermission, "无法替换本程序的文件，自动更新已关闭。", *why);
    }
    if (std::string error; !preparePrivateFolder(config_.cacheFolder, error)) {
        auto failure = updateFailure(errorCodes::fileCopyFailed, "无法准备下载文件夹，自动更新已关闭。", error);
        report(failure.localizedDescription);
        return failure;
    }
    clearLeftovers();
    publicKey_ = *publicKey;
    if (QCoreApplication* application = QCoreApplication::instance()) {
        QObject::connect(application, &QCoreApplication::aboutToQuit, &lifetime_, [this] { quitting(); });
    }
    started_ = true;
    canCheck_.set(true);
    reschedule();
    return std::nullopt;
}

// What an earlier run left behind, when no other running copy is at work:
// temporary files of an interrupted replacement beside the program, and a
// download or staged update (the next check downloads and verifies again).
void EngineUpdater::clearLeftovers()
{
    if (const auto lock = FolderLock::tryAcquire(os::folderOf(config_.programPath))) {
        removeReplacementLeftovers(config_.programPath);
    }
    if (const auto lock = FolderLock::tryAcquire(config_.cacheFolder)) {
        discard(partPath());
        discard(stagedPath());
    }
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
    writeSetting(automaticallyChecks_, config_.keys.automaticallyChecks, on);
    reschedule();
}

bool EngineUpdater::automaticallyDownloadsUpdates() const
{
    return automaticallyDownloads_.get();
}

void EngineUpdater::setAutomaticallyDownloadsUpdates(bool on)
{
    writeSetting(automaticallyDownloads_, config_.keys.automaticallyDownloads, on);
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
        finishCycle(updateFailure(errorCodes::badFeedUrl, "更新源地址无效或不安全（只接受 https）。", feed));
        return;
    }
    if (network() == nullptr) {
        finishCycle(updateFailure(errorCodes::feedUnreadable, "无法载入网络组件，暂时无法检查更新。"));
        return;
    }
    const QUrl feedUrl(QString::fromStdString(feed));
    fetchWhole(feedUrl, kLargestFeed, [this, feedUrl](QByteArray body, const std::optional<TransferFailure>& failure) {
        feedArrived(feedUrl, body, failure);
    });
}

// Fetches a small text (the feed, its signature) into memory.
void EngineUpdater::fetchWhole(const QUrl& url, std::int64_t largest, Fetched fetched)
{
    auto body = std::make_shared<QByteArray>();
    transfer_ = network_->get(
        url, rules(largest, config_.feedDeadline),
        [body](QByteArrayView piece, std::string&) {
            body->append(piece);
            return true;
        },
        [this, body, fetched = std::move(fetched)](const std::optional<TransferFailure>& failure) {
            transfer_.reset();
            fetched(std::move(*body), failure);
        });
}

void EngineUpdater::feedArrived(
    const QUrl& feedUrl, const QByteArray& feed, const std::optional<TransferFailure>& failure)
{
    if (failure) {
        finishCycle(updateFailure(errorCodes::feedUnreadable, "无法读取更新源。", failure->detail));
        return;
    }
    fetchWhole(signatureLocation(feedUrl), kLargestFeedSignature,
        [this, feedUrl, feed](QByteArray signature, const std::optional<TransferFailure>& signatureFailure) {
            signatureArrived(feedUrl, feed, signature, signatureFailure);
        });
}

// Nothing in the feed is believed before its signature holds.
void EngineUpdater::signatureArrived(const QUrl& feedUrl, const QByteArray& feed, const QByteArray& signature,
    const std::optional<TransferFailure>& failure)
{
    const bool missing = failure && failure->httpStatus == kHttpNotFound;
    if (missing && !config_.requireSignedFeed) {
        believeFeed(feedUrl, feed);
        return;
    }
    if (missing) {
        finishCycle(updateFailure(errorCodes::badFeedSignature, "更新源没有签名，已拒绝。",
            "nothing at " + signatureLocation(feedUrl).toDisplayString().toStdString()));
        return;
    }
    if (failure) {
        finishCycle(updateFailure(errorCodes::feedUnreadable, "无法读取更新源的签名。", failure->detail));
        return;
    }
    const auto decoded = QByteArray::fromBase64Encoding(signature.trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    const Ed25519Verifier verify = network_->ed25519Verifier();
    if (!decoded || verify == nullptr || !verify(publicKey_, viewOf(decoded.decoded), viewOf(feed))) {
        finishCycle(updateFailure(errorCodes::badFeedSignature, "更新源的 Ed25519 签名无效，已拒绝。"));
        return;
    }
    believeFeed(feedUrl, feed);
}

void EngineUpdater::believeFeed(const QUrl& feedUrl, const QByteArray& feed)
{
    const Appcast appcast = parseAppcast(feed, feedUrl);
    if (!appcast.error.empty()) {
        finishCycle(updateFailure(errorCodes::feedUnreadable, "更新源的内容无效。", appcast.error));
        return;
    }
    const auto update = newestUpdate(appcast.entries, config_.currentVersion);
    if (!update) {
        finishCycle(updateFailure(errorCodes::noUpdate, "当前已是最新版本。"));
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
    const AppcastEntry& update = *cycle_->update;
    if (update.length > config_.largestPackage) {
        failDownload(updateFailure(errorCodes::downloadFailed, "新版本的安装包大于本程序允许的大小，已拒绝下载。",
            std::to_string(update.length) + " bytes announced, at most " + std::to_string(config_.largestPackage)));
        return;
    }
    if (!cacheLock_) {
        cacheLock_ = FolderLock::tryAcquire(config_.cacheFolder);
    }
    if (!cacheLock_) {
        failDownload(updateFailure(errorCodes::downloadFailed, "另一个正在运行的 Horalet 正在下载或安装更新。"));
        return;
    }
    discard(partPath());
    downloadFile_ = std::make_unique<QFile>(QString::fromStdString(partPath()));
    if (!downloadFile_->open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const std::string reason = downloadFile_->errorString().toStdString();
        downloadFile_.reset();
        cacheLock_.reset();
        failDownload(updateFailure(errorCodes::fileCopyFailed, "无法创建下载文件。", reason));
        return;
    }
    received_ = 0;
    // A package may take the feed's deadline plus its length at the slowest
    // rate still worth waiting for.
    const auto deadline = config_.feedDeadline
        + std::chrono::milliseconds(update.length * 1000 / std::max<std::int64_t>(config_.slowestPackageRate, 1));
    transfer_ = network_->get(
        update.url, rules(update.length, deadline),
        [this](QByteArrayView piece, std::string& error) {
            if (downloadFile_->write(piece.data(), piece.size()) != piece.size()) {
                error = "cannot write the download: " + downloadFile_->errorString().toStdString();
                return false;
            }
            received_ += piece.size();
            return true;
        },
        [this](const std::optional<TransferFailure>& failure) { downloadFinished(failure); });
}

void EngineUpdater::downloadFinished(const std::optional<TransferFailure>& failure)
{
    transfer_.reset();
    const bool flushed = downloadFile_->flush();
    downloadFile_.reset();
    const AppcastEntry update = *cycle_->update;
    if (failure || !flushed || received_ != update.length) {
        discard(partPath());
        cacheLock_.reset();
        const std::string detail = failure ? failure->detail
            : flushed ? "received " + std::to_string(received_) + " of " + std::to_string(update.length) + " bytes"
                      : "cannot write the download";
        failDownload(updateFailure(errorCodes::downloadFailed, "新版本下载失败。", detail));
        return;
    }
    // The signature is checked on exactly these bytes before anything else
    // looks at them, on a worker thread so that a large package never stops
    // the clock. The check holds plain values only, never the engine. The
    // bytes go to disk first: the staged file must survive a power cut,
    // and clean pages of the mapping are not this program's memory.
    // The program file is read there too: an update is kept only for a file
    // that is this very program (reading twenty megabytes for its marker
    // would hold up the start).
    verifiers().start([path = partPath(), promise = promiseOf(update), verify = network_->ed25519Verifier(),
                          program = config_.programPath, version = config_.currentVersion, engine = weak_from_this()] {
        yieldToTheClock();
        auto refusal = writeBack(path)
            ? whyPackageFileRefused(path, promise, verify)
            : updateFailure(errorCodes::fileCopyFailed, "无法把下载的新版本写入磁盘。", path);
        if (!refusal) {
            refusal = whyNotThisProgram(program, version);
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [engine, refusal = std::move(refusal)] {
                if (const auto self = engine.lock()) {
                    self->verified(refusal);
                }
            },
            Qt::QueuedConnection);
    });
}

void EngineUpdater::verified(const std::optional<UpdaterError>& refusal)
{
    if (!cycle_ || !cycle_->update) {
        return;
    }
    if (refusal) {
        discard(partPath());
        cacheLock_.reset();
        failDownload(*refusal);
        return;
    }
    if (std::rename(partPath().c_str(), stagedPath().c_str()) != 0) {
        const std::string reason = std::strerror(errno);
        discard(partPath());
        cacheLock_.reset();
        failDownload(updateFailure(errorCodes::fileCopyFailed, "无法保存已验证的新版本。", reason));
        return;
    }
    stage(*cycle_->update);
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

void EngineUpdater::failDownload(const UpdaterError& error)
{
    delegate_.updaterFailedToDownloadUpdate(*this, cycle_->update->item(), error);
    finishCycle(error);
}

void EngineUpdater::finishCycle(const std::optional<UpdaterError>& error)
{
    const Cycle cycle = *std::exchange(cycle_, std::nullopt);
    canCheck_.set(true);
    if (error && error->code != errorCodes::noUpdate) {
        report(error->localizedDescription);
    }
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
    if (!staged_) {
        return false;
    }
    const std::string version = staged_->displayVersion;
    const InstallOutcome outcome = installStaged();
    if (!outcome.installed) {
        discardStaged();
        report(Error{"无法安装新版本 " + version + "，已丢弃下载的新版本，下次检查时会重新下载。",
            outcome.failure->localizedDescription}
                   .withDetail());
    }
    return outcome.installed;
}

EngineUpdater::InstallOutcome EngineUpdater::installStaged()
{
    const AppcastEntry update = *staged_;
    // Checked again: the file waited in the cache since it was verified.
    const Ed25519Verifier verify = network_ ? network_->ed25519Verifier() : nullptr;
    if (auto refusal = whyPackageFileRefused(stagedPath(), promiseOf(update), verify)) {
        discardStaged();
        return {false, false, std::move(refusal)};
    }
    if (auto notThis = whyNotThisProgram(config_.programPath, config_.currentVersion)) {
        discardStaged();
        return {false, false, std::move(notThis)};
    }
    std::string error;
    const auto package = MappedFile::open(stagedPath(), error);
    if (!package || !replaceProgramFile(config_.programPath, package->bytes(), error)) {
        return {false, true, updateFailure(errorCodes::fileCopyFailed, "无法替换本程序的文件。", error)};
    }
    discardStaged();
    return {true, false, std::nullopt};
}

void EngineUpdater::discardStaged()
{
    staged_.reset();
    discard(stagedPath());
    cacheLock_.reset();
}

void EngineUpdater::installAndRelaunch()
{
    if (!staged_) {
        return;
    }
    const AppcastEntry update = *staged_;
    const InstallOutcome outcome = installStaged();
    std::optional<UpdaterError> failure;
    if (!outcome.installed) {
        failure = updateFailure(errorCodes::fileCopyFailed,
            "无法安装新版本 " + update.displayVersion + "，"
                + (outcome.keptStaged ? "可以稍后再试，退出时也会再试一次。"
                                      : "已丢弃下载的新版本，下次检查时会重新下载。"),
            outcome.failure->localizedDescription);
    } else if (!config_.relaunch || !config_.relaunch(config_.programPath)) {
        // The new version is in place and starts next time; this one runs on.
        failure = updateFailure(errorCodes::fileCopyFailed, "新版本已安装，但无法自动重新打开，请手动打开 Horalet。");
    }
    if (!failure) {
        if (config_.quit) {
            config_.quit();
        }
        return;
    }
    report(failure->localizedDescription);
    if (dialogs_) {
        dialogs_->showFailure(*failure);
    }
    if (outcome.keptStaged) {
        // Installable again, from the menu or at quit.
        announceStaged();
    }
    // The status leaves "installing" for the failure.
    delegate_.updaterFailedToDownloadUpdate(*this, update.item(), *failure);
}

// A download under way stops and leaves nothing behind; a staged update is
// installed.
void EngineUpdater::quitting()
{
    if (downloadFile_) {
        transfer_.reset();
        downloadFile_.reset();
        discard(partPath());
        cacheLock_.reset();
    }
    installStagedUpdate();
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
    if (auto chosen = store_.stringForKey(config_.keys.feedUrl); chosen && !chosen->empty()) {
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

TransferRules EngineUpdater::rules(std::int64_t largestBody, std::chrono::milliseconds deadline) const
{
    return {config_.inactivityTimeout, deadline, largestBody, config_.maximumRedirects,
        "Horalet/" + config_.currentVersion};
}

PackagePromise EngineUpdater::promiseOf(const AppcastEntry& update) const
{
    return {publicKey_, update.signature, update.length, update.version};
}

void EngineUpdater::report(const std::string& line) const
{
    if (config_.report) {
        config_.report(line);
    }
}

void EngineUpdater::recordCheckTime()
{
    store_.setInteger(config_.keys.lastCheckTime, static_cast<std::int64_t>(clock_.now().secondsSinceEpoch));
}

void EngineUpdater::reschedule()
{
    if (!started_ || !automaticallyChecksForUpdates()) {
        checkTimer_.stop();
        return;
    }
    std::optional<double> lastCheck;
    if (store_.objectForKey(config_.keys.lastCheckTime)) {
        lastCheck = static_cast<double>(store_.integerForKey(config_.keys.lastCheckTime));
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
