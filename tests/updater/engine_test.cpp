#include <QtTest/QTest>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <zlib.h>

#include <QCoreApplication>

#include <algorithm>

#include "build_info.h"
#include "clock/settings_keys.h"
#include "engine_test_support.h"
#include "platform/foundation/preferences_store.h"
#include "platform/linux/atomic_file.h"
#include "platform/updater/core/program_replacement.h"
#include "platform/updater/engine/engine_factory.h"
#include "platform/updater/network/qt_update_network.h"
#include "test_signing.h"

namespace horalet::platform::updater::engine {
namespace {

using Events = std::vector<std::string>;

// How many times the feed itself was asked for.
std::ptrdiff_t feedReadings(const testing::LocalHttpServer& server)
{
    return std::count_if(server.requests().begin(), server.requests().end(),
        [](const testing::LocalHttpServer::Request& request) { return request.path == "/appcast.xml"; });
}

using testing::FeedItem;
using testing::HttpResponse;
using testing::makePackage;

HttpResponse ok(const std::string& body)
{
    return {200, QByteArray::fromStdString(body)};
}

// A gzip stream of stored (uncompressed) blocks: the marker inside stays
// readable in the raw bytes.
std::string gzipStored(const std::string& data)
{
    z_stream stream{};
    EXPECT_EQ(deflateInit2(&stream, Z_NO_COMPRESSION, Z_DEFLATED, 15 + 16, 8, Z_DEFAULT_STRATEGY), Z_OK);
    std::string out(deflateBound(&stream, static_cast<uLong>(data.size())) + 64, '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
    stream.avail_in = static_cast<uInt>(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    EXPECT_EQ(deflate(&stream, Z_FINISH), Z_STREAM_END);
    out.resize(stream.total_out);
    deflateEnd(&stream);
    return out;
}

mode_t modeOf(const std::string& path)
{
    struct stat info { };
    EXPECT_EQ(::stat(path.c_str(), &info), 0) << path;
    return info.st_mode & 07777;
}

class Engine : public ::testing::Test, public testing::EngineFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        platform.store.setBool(updaterKeys::automaticallyDownloads, true);
    }

    std::string package = makePackage("2.0");
};

TEST_F(Engine, FindsDownloadsVerifiesAndStagesAValidUpdateThenInstallsItAtOnce)
{
    server.redirect("/latest", "/horalet-2.0");
    server.serve("/horalet-2.0", ok(package));
    publish({{.version = "2.0", .displayVersion = "2.0 正式版", .path = "/latest", .signedBytes = package}});
    const auto engine = startEngine();

    checkInBackground(*engine);

    EXPECT_EQ(delegate.events, (Events{"found 2.0 正式版", "ready 2.0 正式版", "finished"}));
    EXPECT_EQ(engine->stagedVersion(), "2.0");
    EXPECT_EQ(modeOf(cacheFolder), 0700u);
    EXPECT_EQ(programContents(), oldProgram) << "nothing is installed before quit or the request";
    const auto* request = lastRequestFor("/horalet-2.0");
    ASSERT_NE(request, nullptr);
    EXPECT_EQ(request->headers.at("accept-encoding"), "identity");

    ASSERT_TRUE(delegate.installNow);
    delegate.installNow();

    EXPECT_EQ(programContents(), package);
    EXPECT_EQ(modeOf(program), 0755u);
    std::string backup;
    std::string error;
    EXPECT_TRUE(os::readWholeFile(backupPathFor(program), backup, error));
    EXPECT_EQ(backup, oldProgram);
    EXPECT_EQ(relaunched, (Events{program}));
    EXPECT_EQ(quits, 1);
    EXPECT_EQ(engine->stagedVersion(), std::nullopt);
    EXPECT_TRUE(cacheFiles().empty());
    EXPECT_FALSE(engine->installStagedUpdate()) << "installed once only";
}

TEST_F(Engine, InstallsTheStagedUpdateWhenTheProgramQuits)
{
    server.serve("/horalet-2.0", ok(package));
    publish({{.signedBytes = package}});
    const auto engine = startEngine();
    checkInBackground(*engine);

    EXPECT_TRUE(engine->installStagedUpdate());
    EXPECT_EQ(programContents(), package);
    EXPECT_TRUE(relaunched.empty());
    EXPECT_EQ(quits, 0);
}

TEST_F(Engine, AStagedFileChangedInTheCacheIsNotInstalled)
{
    server.serve("/horalet-2.0", ok(package));
    publish({{.signedBytes = package}});
    const auto engine = startEngine();
    checkInBackground(*engine);
    ASSERT_EQ(cacheFiles().size(), 1u);
    std::string error;
    const std::string staged = cacheFolder + "/" + cacheFiles()[0];
    ASSERT_TRUE(os::writeFileAtomically(staged, makePackage("2.0", "evil"), 0600, error));

    EXPECT_FALSE(engine->installStagedUpdate());
    EXPECT_EQ(programContents(), oldProgram);
}

TEST_F(Engine, WithoutBackgroundDownloadsAFoundUpdateWaits)
{
    platform.store.setBool(updaterKeys::automaticallyDownloads, false);
    server.serve("/horalet-2.0", ok(package));
    publish({{.signedBytes = package}});
    const auto engine = startEngine();

    checkInBackground(*engine);

    EXPECT_EQ(delegate.events, (Events{"found 2.0", "finished"}));
    EXPECT_EQ(lastRequestFor("/horalet-2.0"), nullptr);
    EXPECT_EQ(engine->stagedVersion(), std::nullopt);
}

TEST_F(Engine, NothingNewerFinishesTheCycleWith1001)
{
    const std::vector<FeedItem> feeds[] = {
        {},
        {{.version = "0.9", .signedBytes = makePackage("0.9")}},
        {{.version = "1.0", .signedBytes = makePackage("1.0")}},
        {{.version = "1.0.0", .signedBytes = makePackage("1.0.0")}},
        {{.version = "3.0", .signedBytes = makePackage("3.0"), .os = "windows"}},
    };
    const auto engine = startEngine();
    for (const auto& items : feeds) {
        delegate.events.clear();
        publish(items);
        checkInBackground(*engine);
        EXPECT_EQ(delegate.events, (Events{"finished 1001"})) << feedXml(items).toStdString();
    }
}

TEST_F(Engine, AnUnreadableFeedFinishesTheCycleWith1000)
{
    QByteArray oversized = feedXml({{.signedBytes = package}});
    oversized.insert(oversized.indexOf("<title>"), QByteArray(1024 * 1024, ' '));
    const QByteArray doctype = "<?xml version=\"1.0\"?><!DOCTYPE rss SYSTEM \"http://127.0.0.1/rss.dtd\">"
        + feedXml({{.signedBytes = package}}).mid(39);
    // Signed as served: what is wrong is the feed itself, or its transfer.
    const std::pair<const char*, HttpResponse> cases[] = {
        {"malformed", ok("<rss><channel><item></channel>")},
        {"document type", {200, doctype}},
        {"missing", {404, "gone"}},
        {"server error", {500, "oops"}},
        {"too large", {200, oversized}},
        {"redirect loop", {302, {}, {{"Location", "/appcast.xml"}}}},
    };
    const auto engine = startEngine();
    for (const auto& [what, response] : cases) {
        delegate.events.clear();
        reports.clear();
        publishFeed(response.body, response.body);
        server.serve("/appcast.xml", response);
        checkInBackground(*engine);
        EXPECT_EQ(delegate.events, (Events{"finished 1000"})) << what;
        EXPECT_EQ(reports.size(), 1u) << what << ": one line per failed check";
    }
}

// The network stack loads with the first check, not at start; a program
// that cannot load it reports an unreadable feed and stays usable.
TEST_F(Engine, MakesItsNetworkAtTheFirstCheckAndSurvivesWithoutOne)
{
    for (const bool networkLoads : {true, false}) {
        int made = 0;
        EngineConfig config = this->config();
        config.makeNetwork = [&made, networkLoads]() -> std::unique_ptr<UpdateNetwork> {
            ++made;
            return networkLoads ? makeQtUpdateNetwork() : nullptr;
        };
        const auto engine = makeEngine(config);
        ASSERT_EQ(engine->startUpdater(), std::nullopt);
        EXPECT_EQ(made, 0) << "nothing is loaded before a check";
        publish({});
        for (int check = 0; check < 2; ++check) {
            delegate.events.clear();
            checkInBackground(*engine);
            EXPECT_EQ(delegate.events, (Events{networkLoads ? "finished 1001" : "finished 1000"}));
            EXPECT_TRUE(engine->canCheckForUpdates());
        }
        EXPECT_EQ(made, networkLoads ? 1 : 2) << "a loaded network is kept, a missing one asked for again";
    }
}

struct BadPackage {
    const char* what;
    HttpResponse response;
    FeedItem item;
    std::int64_t code;
};

TEST_F(Engine, RefusesEveryBadPackageAndStagesNothing)
{
    std::string flipped = package;
    flipped[12] = static_cast<char>(flipped[12] ^ 0x20);
    const std::string older = makePackage("1.5");
    const BadPackage cases[] = {
        {"a flipped byte", ok(flipped), {.signedBytes = package}, errorCodes::badSignature},
        {"a signature over other bytes", ok(package), {.signedBytes = flipped}, errorCodes::badSignature},
        {"truncated", ok(package.substr(0, 20)), {.signedBytes = package}, errorCodes::downloadFailed},
        {"broken off", {200, QByteArray::fromStdString(package.substr(0, 20)), {}, 500}, {.signedBytes = package},
            errorCodes::downloadFailed},
        {"announced longer than the feed says", {200, QByteArray::fromStdString(package), {}, 4096},
            {.signedBytes = package}, errorCodes::downloadFailed},
        {"oversized", ok(package + std::string(4096, 'x')), {.signedBytes = package}, errorCodes::downloadFailed},
        {"older bytes labelled newer", ok(older), {.signedBytes = older}, errorCodes::downgradeOrMislabel},
        {"no version inside", ok("#!/bin/sh\n"), {.signedBytes = "#!/bin/sh\n"}, errorCodes::downgradeOrMislabel},
        {"missing", {404, "gone"}, {.signedBytes = package}, errorCodes::downloadFailed},
        {"redirect loop", {302, {}, {{"Location", "/horalet-2.0"}}}, {.signedBytes = package},
            errorCodes::downloadFailed},
    };
    const auto engine = startEngine();
    for (const auto& [what, response, item, code] : cases) {
        delegate.events.clear();
        server.serve("/horalet-2.0", response);
        publish({item});
        checkInBackground(*engine);
        const std::string failure = std::to_string(code);
        EXPECT_EQ(delegate.events, (Events{"found 2.0", "failed " + failure, "finished " + failure})) << what;
        EXPECT_EQ(engine->stagedVersion(), std::nullopt) << what;
        EXPECT_TRUE(cacheFiles().empty()) << what;
        EXPECT_FALSE(engine->installStagedUpdate()) << what;
        EXPECT_EQ(programContents(), oldProgram) << what;
    }
}

TEST_F(Engine, AGzipEncodedTransferKeepsTheExactSignedBytes)
{
    const std::string gzipped = gzipStored(package);
    server.serve("/horalet-2.0", {200, QByteArray::fromStdString(gzipped), {{"Content-Encoding", "gzip"}}});
    publish({{.signedBytes = gzipped}});
    const auto engine = startEngine();

    checkInBackground(*engine);

    EXPECT_EQ(delegate.events, (Events{"found 2.0", "ready 2.0", "finished"}));
    ASSERT_TRUE(engine->installStagedUpdate());
    EXPECT_EQ(programContents(), gzipped);
}

struct StartCase {
    const char* what;
    std::function<void(EngineConfig&)> change;
    std::int64_t code;
};

TEST_F(Engine, DoesNotStartWithoutAKeyAUsableFeedOrAReplaceableProgram)
{
    const StartCase cases[] = {
        {"no key", [](EngineConfig& c) { c.publicKeyBase64.clear(); }, errorCodes::noPublicKey},
        {"not base64", [](EngineConfig& c) { c.publicKeyBase64 = "not a key!"; }, errorCodes::noPublicKey},
        {"31 bytes", [](EngineConfig& c) { c.publicKeyBase64 = testing::base64(std::string(31, 'k')); },
            errorCodes::noPublicKey},
        {"no feed", [](EngineConfig& c) { c.feedUrl.clear(); }, errorCodes::badFeedUrl},
        {"ftp feed", [](EngineConfig& c) { c.feedUrl = "ftp://127.0.0.1/appcast.xml"; }, errorCodes::badFeedUrl},
        {"no host", [](EngineConfig& c) { c.feedUrl = "https:///appcast.xml"; }, errorCodes::badFeedUrl},
        {"plain http off loopback", [](EngineConfig& c) { c.feedUrl = "http://example.com/appcast.xml"; },
            errorCodes::badFeedUrl},
        {"distribution package", [](EngineConfig& c) { c.programPath = "/usr/bin/sleep"; },
            errorCodes::noWritePermission},
        {"read-only folder", [](EngineConfig& c) { c.programPath = "/proc/version"; }, errorCodes::noWritePermission},
        {"no program file", [](EngineConfig& c) { c.programPath += "-missing"; }, errorCodes::noWritePermission},
    };
    server.serve("/horalet-2.0", ok(package));
    publish({{.signedBytes = package}});
    std::vector<std::shared_ptr<platform::updater::engine::EngineUpdater>> refused;
    for (const auto& [what, change, code] : cases) {
        EngineConfig config = this->config();
        change(config);
        const auto& engine = refused.emplace_back(makeEngine(config));
        const auto error = engine->startUpdater();
        ASSERT_TRUE(error.has_value()) << what;
        EXPECT_EQ(error->code, code) << what;
        EXPECT_FALSE(engine->canCheckForUpdates()) << what;
        engine->checkForUpdatesInBackground();
    }
    EXPECT_EQ(reports.size(), 3u) << "a feed named but unusable is reported; updates off by design are not";

    // A started engine's whole cycle, after whatever the refused ones
    // might have set off: only its own events and one reading of the feed.
    checkInBackground(*startEngine());
    EXPECT_EQ(delegate.events, (Events{"found 2.0", "ready 2.0", "finished"})) << "no update offered before";
    EXPECT_EQ(feedReadings(server), 1);
}

TEST_F(Engine, TheStoreCanNameAnotherFeed)
{
    server.serve("/horalet-2.0", ok(package));
    const QByteArray beta = feedXml({{.signedBytes = package}});
    server.serve("/beta.xml", {200, beta});
    server.serve("/beta.xml.sig", ok(testing::base64(testing::signWithTestKey(beta.toStdString()))));
    platform.store.setString(updaterKeys::feedUrl, server.url("/beta.xml").toString().toStdString());
    const auto engine = startEngine();
    checkInBackground(*engine);
    EXPECT_EQ(delegate.events, (Events{"found 2.0", "ready 2.0", "finished"}));

    platform.store.setString(updaterKeys::feedUrl, "gopher://example.com/feed");
    EXPECT_EQ(makeEngine(config())->startUpdater()->code, errorCodes::badFeedUrl);
}

TEST_F(Engine, CanCheckOnlyOnceStartedAndWhileNoCheckRuns)
{
    server.serve("/horalet-2.0", ok(package));
    publish({{.signedBytes = package}});
    const auto engine = makeEngine(config());
    std::vector<bool> seen;
    const auto token = engine->observeCanCheckForUpdates([&] { seen.push_back(engine->canCheckForUpdates()); });
    ASSERT_EQ(engine->startUpdater(), std::nullopt);

    engine->checkForUpdatesInBackground();
    EXPECT_FALSE(engine->canCheckForUpdates());
    engine->checkForUpdatesInBackground();
    ASSERT_TRUE(waitForCycles(1));
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true}));

    // A third check, after anything the second might have set off.
    checkInBackground(*engine);
    EXPECT_EQ(seen, (std::vector<bool>{false, true, false, true, false, true}));
    EXPECT_EQ(delegate.cyclesFinished, 2) << "a second check while one runs does nothing";
}

TEST_F(Engine, KeepsItsTwoSettingsInTheStoreAndReportsEveryChange)
{
    platform.store.setBool(updaterKeys::automaticallyDownloads, false);
    const auto engine = startEngine();
    int checksHeard = 0;
    int downloadsHeard = 0;
    const auto checks = engine->observeAutomaticallyChecksForUpdates([&] { ++checksHeard; });
    const auto downloads = engine->observeAutomaticallyDownloadsUpdates([&] { ++downloadsHeard; });
    EXPECT_FALSE(engine->automaticallyChecksForUpdates());

    engine->setAutomaticallyChecksForUpdates(true);
    engine->setAutomaticallyDownloadsUpdates(true);
    EXPECT_TRUE(platform.store.boolForKey(updaterKeys::automaticallyChecks));
    EXPECT_TRUE(platform.store.boolForKey(updaterKeys::automaticallyDownloads));
    EXPECT_TRUE(engine->automaticallyChecksForUpdates());
    EXPECT_EQ(checksHeard, 2);
    EXPECT_EQ(downloadsHeard, 2);

    // Another process (the command line) changes the store.
    platform.store.setBool(updaterKeys::automaticallyDownloads, false);
    EXPECT_FALSE(engine->automaticallyDownloadsUpdates());
    EXPECT_EQ(downloadsHeard, 3);
    EXPECT_EQ(checksHeard, 2);

    EXPECT_TRUE(makeEngine(config())->automaticallyChecksForUpdates()) << "read back by the next start";
}

TEST_F(Engine, AnOverdueCheckRunsSoonAfterStartAndIsRecorded)
{
    publish({});
    platform.store.setBool(updaterKeys::automaticallyChecks, true);
    EngineConfig config = this->config();
    config.overdueCheckDelay = std::chrono::seconds(0);

    platform.store.setInteger(
        updaterKeys::lastCheckTime, static_cast<std::int64_t>(platform.clock.now().secondsSinceEpoch));
    const auto recent = makeEngine(config);
    ASSERT_EQ(recent->startUpdater(), std::nullopt);

    // The overdue engine's check comes after anything the recent one set off.
    platform.clock.advance(25 * 3600.0);
    const auto overdue = makeEngine(config);
    ASSERT_EQ(overdue->startUpdater(), std::nullopt);
    ASSERT_TRUE(waitForCycles(1));
    EXPECT_EQ(delegate.events, (Events{"finished 1001"})) << "the recent one did not check: it checked a moment ago";
    EXPECT_EQ(feedReadings(server), 1);
    EXPECT_EQ(platform.store.integerForKey(updaterKeys::lastCheckTime),
        static_cast<std::int64_t>(platform.clock.now().secondsSinceEpoch));
}

struct DialogCase {
    const char* what;
    std::vector<FeedItem> items;
    bool automaticDownloads;
    bool installNow;
    Events dialogs;
    Events events;
    bool installed;
};

TEST_F(Engine, AUserCheckAnswersWithTheEnginesDialogs)
{
    server.serve("/horalet-2.0", ok(package));
    const FeedItem update{.signedBytes = package};
    const DialogCase cases[] = {
        {"up to date", {}, true, false, {"up to date 1.0"}, {"finished 1001"}, false},
        {"later, no downloads", {update}, false, false, {"offer 2.0 over 1.0"}, {"found 2.0", "finished"}, false},
        {"later, downloads on", {update}, true, false, {"offer 2.0 over 1.0"}, {"found 2.0", "ready 2.0", "finished"},
            false},
        {"install now", {update}, false, true, {"offer 2.0 over 1.0"}, {"found 2.0", "ready 2.0", "finished"}, true},
        {"bad package", {{.signedBytes = "other bytes", .length = static_cast<qint64>(package.size())}}, false, true,
            {"offer 2.0 over 1.0", "failure 3001"}, {"found 2.0", "failed 3001", "finished 3001"}, false},
    };
    for (const auto& [what, items, automaticDownloads, installNow, dialogs, events, installed] : cases) {
        dialogLog.clear();
        delegate.events.clear();
        relaunched.clear();
        std::string error;
        ASSERT_TRUE(os::writeFileAtomically(program, oldProgram, 0755, error)) << error;
        platform.store.setBool(updaterKeys::automaticallyDownloads, automaticDownloads);
        answerInstallNow = installNow;
        publish(items);
        EngineController controller(config(), &delegate, platform.store, platform.clock);
        ASSERT_EQ(controller.updater().startUpdater(), std::nullopt);
        const int before = delegate.cyclesFinished;

        controller.checkForUpdates();
        ASSERT_TRUE(waitForCycles(before + 1)) << what;

        EXPECT_EQ(dialogLog, dialogs) << what;
        EXPECT_EQ(delegate.events, events) << what;
        EXPECT_EQ(relaunched.size(), installed ? 1u : 0u) << what;
        EXPECT_EQ(programContents() == package, installed) << what;
    }
}

// The AppImage runtime passes $APPIMAGE and $APPDIR on to every program
// started from inside an AppImage: they name this program's file only when
// this program runs from that AppImage's own mount.
TEST_F(Engine, TheBuiltConfigurationNamesThisProgramNotAForeignAppImageAndAPrivateCache)
{
    const std::string foreign = folder.filePath(QStringLiteral("Other.AppImage")).toStdString();
    std::string error;
    ASSERT_TRUE(os::writeFileAtomically(foreign, "#!/bin/sh\n", 0755, error)) << error;
    const QByteArray cacheHome = folder.filePath(QStringLiteral("xdg-cache")).toLocal8Bit();
    const QByteArray ownFolder = QCoreApplication::applicationDirPath().toLocal8Bit();
    qputenv("XDG_CACHE_HOME", cacheHome);
    qputenv("APPIMAGE", QByteArray::fromStdString(foreign));
    const EngineConfig appImageOnly = builtEngineConfig(testing::engineKeys());
    qputenv("APPDIR", folder.path().toLocal8Bit());
    const EngineConfig otherMount = builtEngineConfig(testing::engineKeys());
    qputenv("APPDIR", ownFolder);
    const EngineConfig folderNotMount = builtEngineConfig(testing::engineKeys());
    for (const char* name : {"APPIMAGE", "APPDIR", "XDG_CACHE_HOME"}) {
        qunsetenv(name);
    }

    const std::string self = QCoreApplication::applicationFilePath().toStdString();
    EXPECT_EQ(appImageOnly.programPath, self);
    EXPECT_EQ(otherMount.programPath, self);
    EXPECT_EQ(folderNotMount.programPath, self);
    EXPECT_EQ(appImageOnly.cacheFolder, cacheHome.toStdString() + "/horalet/updates");
    EXPECT_EQ(appImageOnly.currentVersion, build::kVersion);
    EXPECT_TRUE(appImageOnly.requireSignedFeed);
}

struct ForeignCase {
    const char* what;
    std::string programAtCheck; // the program file while the update downloads
    std::string programAtInstall;
    Events events;
};

// A file that is not this very program (another program, another version of
// this one) is never replaced: an update is not kept for it, and a staged
// update is dropped when the file changed into one.
TEST_F(Engine, NeverReplacesAFileThatIsNotThisProgram)
{
    const std::string foreign = "#!/bin/sh\necho another program\n";
    const std::string otherVersion = makePackage("0.9", "old");
    const ForeignCase cases[] = {
        {"another program at the check", foreign, foreign, {"found 2.0", "failed 4012", "finished 4012"}},
        {"another version at the check", otherVersion, otherVersion, {"found 2.0", "failed 4012", "finished 4012"}},
        {"another program at the install", oldProgram, foreign, {"found 2.0", "ready 2.0", "finished"}},
    };
    server.serve("/horalet-2.0", ok(package));
    publish({{.signedBytes = package}});
    for (const auto& [what, programAtCheck, programAtInstall, events] : cases) {
        delegate.events.clear();
        reports.clear();
        std::string error;
        ASSERT_TRUE(os::writeFileAtomically(program, programAtCheck, 0755, error)) << error;
        const auto engine = startEngine();
        checkInBackground(*engine);
        EXPECT_EQ(delegate.events, events) << what;
        ASSERT_TRUE(os::writeFileAtomically(program, programAtInstall, 0755, error)) << error;
        reports.clear();

        EXPECT_FALSE(engine->installStagedUpdate()) << what;

        EXPECT_EQ(programContents(), programAtInstall) << what;
        EXPECT_EQ(reports.size(), events.size() == 3 && events[1] == "ready 2.0" ? 1u : 0u) << what;
        EXPECT_TRUE(cacheFiles().empty()) << what;
    }
}

TEST_F(Engine, TheFactoryStartsTheUpdaterWhenAsked)
{
    const auto factory = makeEngineFactory(config(), platform.store, platform.clock);
    EXPECT_FALSE(factory->makeController(false, &delegate)->updater().canCheckForUpdates());
    EXPECT_TRUE(factory->makeController(true, &delegate)->updater().canCheckForUpdates());
}

} // namespace
} // namespace horalet::platform::updater::engine
