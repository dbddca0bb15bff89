#pragma once

#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "clock/settings_keys.h"
#include "local_http_server.h"
#include "platform/updater/engine/engine_updater.h"
#include "support/fake_platform.h"
#include "test_signing.h"

namespace horalet::testing {

// Writes each event as one line: "found 2.0", "failed 3001", "ready 2.0",
// "finished" or "finished 1001".
class RecordingDelegate final : public platform::updater::UpdaterDelegate {
public:
    void updaterDidFindValidUpdate(platform::updater::Updater&, const platform::updater::AppcastItem& item) override;
    void updaterFailedToDownloadUpdate(platform::updater::Updater&, const platform::updater::AppcastItem&,
        const platform::updater::UpdaterError& error) override;
    bool updaterWillInstallUpdateOnQuit(platform::updater::Updater&, const platform::updater::AppcastItem& item,
        std::function<void()> immediateInstallation) override;
    void updaterDidFinishUpdateCycle(platform::updater::Updater&, platform::updater::UpdateCheck check,
        const std::optional<platform::updater::UpdaterError>& error) override;

    std::vector<std::string> events;
    std::function<void()> installNow;
    int cyclesFinished = 0;
};

// Writes what the dialogs showed; answers an offer as the test says.
class RecordingDialogs final : public platform::updater::engine::UpdateDialogs {
public:
    RecordingDialogs(std::vector<std::string>& log, bool installNow)
        : log_(log)
        , installNow_(installNow)
    {
    }
    void showUpToDate(const std::string& currentVersion) override;
    void offerUpdate(const platform::updater::engine::AppcastEntry& update, const std::string& currentVersion,
        std::function<void(bool)> answer) override;
    void showFailure(const platform::updater::UpdaterError& error) override;

private:
    std::vector<std::string>& log_;
    bool installNow_;
};

// The engine's keys as the program names them.
platform::updater::engine::EngineKeys engineKeys();

struct FeedItem {
    std::string version = "2.0";
    std::string displayVersion;
    QByteArray path = "/horalet-2.0";
    std::string signedBytes; // the bytes the signature is made over
    qint64 length = -1; // -1: the length of signedBytes
    std::string os = "linux";
};

// An engine started against a feed on the local server, with a program
// file and a cache folder in a temporary folder of its own.
class EngineFixture {
public:
    EngineFixture();

    platform::updater::engine::EngineConfig config();
    std::shared_ptr<platform::updater::engine::EngineUpdater> makeEngine(
        const platform::updater::engine::EngineConfig& config);
    std::shared_ptr<platform::updater::engine::EngineUpdater> startEngine();

    // Serves the feed of these items and its signature beside it.
    void publish(const std::vector<FeedItem>& items);
    // Serves `xml` as the feed, with a signature over `signedBytes` beside
    // it, or none.
    void publishFeed(const QByteArray& xml, const std::optional<QByteArray>& signedBytes);
    static QByteArray feedXml(const std::vector<FeedItem>& items);
    // Runs one background check to its end.
    void checkInBackground(platform::updater::engine::EngineUpdater& engine);
    bool waitForCycles(int count);

    std::string programContents() const;
    std::vector<std::string> cacheFiles() const;
    const LocalHttpServer::Request* lastRequestFor(const QByteArray& path) const;

    FakePlatform platform;
    LocalHttpServer server;
    QTemporaryDir folder;
    std::string program;
    std::string cacheFolder;
    // The program as built: it carries the version marker of "1.0".
    std::string oldProgram = makePackage("1.0", "old");
    RecordingDelegate delegate;
    std::vector<std::string> dialogLog;
    bool answerInstallNow = false;
    std::vector<std::string> relaunched;
    int quits = 0;
    std::vector<std::string> reports; // the lines the terminal would show
};

} // namespace horalet::testing
