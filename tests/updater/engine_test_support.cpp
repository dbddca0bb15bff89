#include "engine_test_support.h"

#include <QDir>
#include <QtTest/QTest>
#include <gtest/gtest.h>

#include "clock/settings_keys.h"
#include "platform/linux/atomic_file.h"
#include "platform/updater/network/qt_update_network.h"

namespace horalet::testing {

using platform::updater::AppcastItem;
using platform::updater::Updater;
using platform::updater::UpdaterError;

void RecordingDelegate::updaterDidFindValidUpdate(Updater&, const AppcastItem& item)
{
    events.push_back("found " + item.displayVersionString);
}

void RecordingDelegate::updaterFailedToDownloadUpdate(Updater&, const AppcastItem&, const UpdaterError& error)
{
    events.push_back("failed " + std::to_string(error.code));
}

bool RecordingDelegate::updaterWillInstallUpdateOnQuit(
    Updater&, const AppcastItem& item, std::function<void()> immediateInstallation)
{
    events.push_back("ready " + item.displayVersionString);
    installNow = std::move(immediateInstallation);
    return true;
}

void RecordingDelegate::updaterDidFinishUpdateCycle(
    Updater&, platform::updater::UpdateCheck, const std::optional<UpdaterError>& error)
{
    events.push_back(error ? "finished " + std::to_string(error->code) : "finished");
    ++cyclesFinished;
}

void RecordingDialogs::showUpToDate(const std::string& currentVersion)
{
    log_.push_back("up to date " + currentVersion);
}

void RecordingDialogs::offerUpdate(const platform::updater::engine::AppcastEntry& update,
    const std::string& currentVersion, std::function<void(bool)> answer)
{
    log_.push_back("offer " + update.displayVersion + " over " + currentVersion);
    answer(installNow_);
}

void RecordingDialogs::showFailure(const UpdaterError& error)
{
    log_.push_back("failure " + std::to_string(error.code));
}

EngineFixture::EngineFixture()
    : program(folder.filePath(QStringLiteral("bin/horalet")).toStdString())
    , cacheFolder(folder.filePath(QStringLiteral("cache/horalet/updates")).toStdString())
{
    std::string error;
    EXPECT_TRUE(platform::os::makeFolders(platform::os::folderOf(program), 0755, error)) << error;
    EXPECT_TRUE(platform::os::writeFileAtomically(program, oldProgram, 0755, error)) << error;
}

platform::updater::engine::EngineKeys engineKeys()
{
    return {updaterKeys::automaticallyChecks, updaterKeys::automaticallyDownloads, updaterKeys::lastCheckTime,
        updaterKeys::feedUrl};
}

platform::updater::engine::EngineConfig EngineFixture::config()
{
    platform::updater::engine::EngineConfig config(engineKeys());
    config.feedUrl = server.url("/appcast.xml").toString().toStdString();
    config.publicKeyBase64 = testPublicKeyBase64();
    config.currentVersion = "1.0";
    config.programPath = program;
    config.cacheFolder = cacheFolder;
    config.inactivityTimeout = std::chrono::seconds(5);
    config.makeDialogs = [this] { return std::make_unique<RecordingDialogs>(dialogLog, answerInstallNow); };
    config.makeNetwork = platform::updater::engine::makeQtUpdateNetwork;
    config.relaunch = [this](const std::string& path) {
        relaunched.push_back(path);
        return true;
    };
    config.quit = [this] { ++quits; };
    config.report = [this](const std::string& line) { reports.push_back(line); };
    return config;
}

std::shared_ptr<platform::updater::engine::EngineUpdater> EngineFixture::makeEngine(
    const platform::updater::engine::EngineConfig& config)
{
    return std::make_shared<platform::updater::engine::EngineUpdater>(
        config, &delegate, platform.store, platform.clock);
}

std::shared_ptr<platform::updater::engine::EngineUpdater> EngineFixture::startEngine()
{
    auto engine = makeEngine(config());
    const auto error = engine->startUpdater();
    EXPECT_EQ(error, std::nullopt) << error->localizedDescription;
    return engine;
}

QByteArray EngineFixture::feedXml(const std::vector<FeedItem>& items)
{
    std::string xml = "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<rss version=\"2.0\" "
                      "xmlns:sparkle=\"http://www.andymatuschak.org/xml-namespaces/sparkle\"><channel>"
                      "<title>Horalet</title>";
    for (const FeedItem& item : items) {
        const qint64 length = item.length >= 0 ? item.length : static_cast<qint64>(item.signedBytes.size());
        xml += "<item><title>Horalet " + item.version + "</title><sparkle:version>" + item.version
            + "</sparkle:version>";
        if (!item.displayVersion.empty()) {
            xml += "<sparkle:shortVersionString>" + item.displayVersion + "</sparkle:shortVersionString>";
        }
        xml += "<description>Faster.</description><enclosure url=\"" + item.path.toStdString() + "\" length=\""
            + std::to_string(length) + "\" type=\"application/octet-stream\" sparkle:os=\"" + item.os
            + "\" sparkle:edSignature=\"" + base64(signWithTestKey(item.signedBytes)) + "\"/></item>";
    }
    return QByteArray::fromStdString(xml + "</channel></rss>");
}

void EngineFixture::publish(const std::vector<FeedItem>& items)
{
    const QByteArray xml = feedXml(items);
    publishFeed(xml, xml);
}

void EngineFixture::publishFeed(const QByteArray& xml, const std::optional<QByteArray>& signedBytes)
{
    server.serve("/appcast.xml", {200, xml, {{"Content-Type", "application/rss+xml"}}});
    if (signedBytes) {
        const std::string signature = base64(signWithTestKey(signedBytes->toStdString())) + "\n";
        server.serve("/appcast.xml.sig", {200, QByteArray::fromStdString(signature)});
    } else {
        server.serve("/appcast.xml.sig", {404, "not found"});
    }
}

bool EngineFixture::waitForCycles(int count)
{
    return QTest::qWaitFor([&] { return delegate.cyclesFinished >= count; }, 10000);
}

void EngineFixture::checkInBackground(platform::updater::engine::EngineUpdater& engine)
{
    const int before = delegate.cyclesFinished;
    engine.checkForUpdatesInBackground();
    EXPECT_TRUE(waitForCycles(before + 1)) << "the cycle did not finish";
}

std::string EngineFixture::programContents() const
{
    std::string contents;
    std::string error;
    EXPECT_TRUE(platform::os::readWholeFile(program, contents, error)) << error;
    return contents;
}

std::vector<std::string> EngineFixture::cacheFiles() const
{
    std::vector<std::string> names;
    const QStringList entries = QDir(QString::fromStdString(cacheFolder)).entryList(QDir::Files | QDir::Hidden);
    for (const QString& entry : entries) {
        names.push_back(entry.toStdString());
    }
    return names;
}

const LocalHttpServer::Request* EngineFixture::lastRequestFor(const QByteArray& path) const
{
    const auto& requests = server.requests();
    for (auto request = requests.rbegin(); request != requests.rend(); ++request) {
        if (request->path == path) {
            return &*request;
        }
    }
    return nullptr;
}

} // namespace horalet::testing
