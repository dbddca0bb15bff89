#pragma once

#include <QFile>
#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "platform/foundation/clock.h"
#include "platform/foundation/observed_value.h"
#include "platform/foundation/preferences_store.h"
#include "platform/updater/core/folder_lock.h"
#include "platform/updater/core/package_check.h"
#include "platform/updater/engine/appcast.h"
#include "platform/updater/engine/engine_config.h"
#include "platform/updater/engine/update_network.h"
#include "platform/updater/updater.h"

namespace horalet::platform::updater::engine {

// The updater on Linux. It checks the appcast feed and its Ed25519
// signature, picks the newest update for this system, streams it into a
// private folder, verifies its signature and the version it carries,
// stages it, and replaces the program file when the program quits or at
// once on request. Its work runs on the main thread, in the Qt event loop,
// except the verification of a downloaded package, which reads a memory
// mapping on a worker thread so the clock keeps ticking; it tells its
// delegate from the main thread. It must be owned by a shared_ptr, so
// that the actions it hands out can tell whether it still exists.
class EngineUpdater final : public Updater, public std::enable_shared_from_this<EngineUpdater> {
public:
    // Keeps its settings in `store` and tells time by `clock`; both outlive it.
    EngineUpdater(EngineConfig config, UpdaterDelegate* delegate, PreferencesStore& store, const Clock& clock);
    EngineUpdater(const EngineUpdater&) = delete;
    EngineUpdater& operator=(const EngineUpdater&) = delete;
    ~EngineUpdater() override;

    std::optional<UpdaterError> startUpdater() override;

    bool canCheckForUpdates() const override;
    bool automaticallyChecksForUpdates() const override;
    void setAutomaticallyChecksForUpdates(bool on) override;
    bool automaticallyDownloadsUpdates() const override;
    void setAutomaticallyDownloadsUpdates(bool on) override;

    Connection observeCanCheckForUpdates(std::function<void()> handler) override;
    Connection observeAutomaticallyChecksForUpdates(std::function<void()> handler) override;
    Connection observeAutomaticallyDownloadsUpdates(std::function<void()> handler) override;

    void checkForUpdatesInBackground() override;
    // A check the user asked for, answered with the engine's dialogs.
    void checkForUpdatesWithDialogs();

    // Replaces the program file with the staged update, if one is staged;
    // the running program goes on unchanged. Runs by itself when the
    // application quits. True when an update was installed; a failure is
    // reported in one line and drops the staged update.
    bool installStagedUpdate();

    // The version staged for installation, if any.
    std::optional<std::string> stagedVersion() const;

private:
    struct Cycle {
        UpdateCheck check;
        bool userInitiated = false;
        std::optional<AppcastEntry> update;
        bool installWhenStaged = false;
    };
    struct InstallOutcome {
        bool installed = false;
        bool keptStaged = false; // after a failure: still staged and installable
        std::optional<UpdaterError> failure;
    };
    using Fetched = std::function<void(QByteArray body, const std::optional<TransferFailure>& failure)>;

    void beginCycle(UpdateCheck check, bool userInitiated);
    void fetchWhole(const QUrl& url, std::int64_t largest, Fetched fetched);
    void feedArrived(const QUrl& feedUrl, const QByteArray& feed, const std::optional<TransferFailure>& failure);
    void signatureArrived(const QUrl& feedUrl, const QByteArray& feed, const QByteArray& signature,
        const std::optional<TransferFailure>& failure);
    void believeFeed(const QUrl& feedUrl, const QByteArray& feed);
    void updateChosen(const AppcastEntry& update);
    void answered(bool installNow);
    void download();
    void downloadFinished(const std::optional<TransferFailure>& failure);
    void verified(const std::optional<UpdaterError>& refusal);
    void stage(const AppcastEntry& update);
    void failDownload(const UpdaterError& error);
    void finishCycle(const std::optional<UpdaterError>& error);

    void announceStaged();
    InstallOutcome installStaged();
    void discardStaged();
    void installAndRelaunch();
    void quitting();
    void clearLeftovers();

    bool isStaged(const AppcastEntry& update) const;
    PackagePromise promiseOf(const AppcastEntry& update) const;
    std::string currentFeedUrl() const;
    UpdateNetwork* network();
    TransferRules rules(std::int64_t largestBody, std::chrono::milliseconds deadline) const;
    void report(const std::string& line) const;
    void recordCheckTime();
    void reschedule();
    std::string partPath() const;
    std::string stagedPath() const;

    // The two settings, kept in the store and mirrored for observers; a
    // change another process makes to the store reaches the observers too.
    void followStore();
    void writeSetting(ObservedValue<bool>& mirror, std::string_view key, bool on);

    EngineConfig config_;
    UpdaterDelegate& delegate_;
    PreferencesStore& store_;
    const Clock& clock_;
    std::unique_ptr<UpdateDialogs> dialogs_;
    ObservedValue<bool> automaticallyChecks_;
    ObservedValue<bool> automaticallyDownloads_;
    ObservedValue<bool> canCheck_{false};
    Connection storeChanges_;
    bool started_ = false;
    std::string publicKey_;
    std::optional<Cycle> cycle_;
    std::optional<AppcastEntry> staged_;
    // Held from the start of a download until its update is installed or
    // dropped, so another running copy leaves the download folder alone.
    std::optional<FolderLock> cacheLock_;
    std::unique_ptr<UpdateNetwork> network_;
    std::unique_ptr<Transfer> transfer_;
    std::unique_ptr<QFile> downloadFile_;
    std::int64_t received_ = 0;
    QTimer checkTimer_;
    // Ties the connections to the timer and the application's quit to
    // this object's life.
    QObject lifetime_;
};

} // namespace horalet::platform::updater::engine
