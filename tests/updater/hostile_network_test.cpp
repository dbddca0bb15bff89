#include <QCoreApplication>
#include <QTimer>
#include <QtTest/QTest>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include "engine_test_support.h"
#include "platform/linux/atomic_file.h"
#include "platform/updater/core/folder_lock.h"
#include "test_signing.h"

namespace horalet::platform::updater::engine {
namespace {

using Events = std::vector<std::string>;
using testing::FeedItem;
using testing::HttpResponse;
using testing::makePackage;

constexpr qint64 kGiB = qint64{1} << 30;
// What the loopback connection's buffers may hold beyond what the client
// took: far less than any of the bodies below.
constexpr qint64 kSocketSlack = 32 << 20;

// The engine against a server that misbehaves the way a hostile network
// would.
class HostileNetwork : public ::testing::Test, public testing::EngineFixture {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        platform.store.setBool(updaterKeys::automaticallyDownloads, true);
    }

    std::shared_ptr<EngineUpdater> startWith(const std::function<void(EngineConfig&)>& change)
    {
        EngineConfig config = this->config();
        change(config);
        auto engine = makeEngine(config);
        EXPECT_EQ(engine->startUpdater(), std::nullopt);
        return engine;
    }

    bool waitUntilClosedByClient(const QByteArray& path)
    {
        return QTest::qWaitFor(
            [&] {
                const auto* connection = server.lastConnectionTo(path);
                return connection != nullptr && connection->closedByClient;
            },
            10000);
    }

    std::string package = makePackage("2.0");
};

struct OversizedCase {
    const char* what;
    HttpResponse response;
};

// Six refused downloads once took every connection to the host for good;
// each one is now closed at once, and the next download goes through.
TEST_F(HostileNetwork, AnOversizedBodyIsCutOffAndItsConnectionClosed)
{
    const QByteArray bytes = QByteArray::fromStdString(package);
    const OversizedCase cases[] = {
        {"announces 1 GiB", {200, bytes, {}, kGiB, "OK", false, kGiB}},
        {"announces nothing and never ends", {200, bytes, {}, std::nullopt, "OK", true, kGiB}},
    };
    publish({{.signedBytes = package}});
    const auto engine = startEngine();
    for (int round = 0; round < 4; ++round) {
        for (const auto& [what, response] : cases) {
            delegate.events.clear();
            server.serve("/horalet-2.0", response);
            checkInBackground(*engine);
            EXPECT_EQ(delegate.events, (Events{"found 2.0", "failed 2001", "finished 2001"})) << what;
            ASSERT_TRUE(waitUntilClosedByClient("/horalet-2.0")) << what;
            EXPECT_LT(server.lastConnectionTo("/horalet-2.0")->bytesSent, bytes.size() + kSocketSlack) << what;
            EXPECT_TRUE(cacheFiles().empty()) << what;
        }
    }
    delegate.events.clear();
    server.serve("/horalet-2.0", {200, bytes});
    checkInBackground(*engine);
    EXPECT_EQ(delegate.events, (Events{"found 2.0", "ready 2.0", "finished"}));
}

TEST_F(HostileNetwork, AStalledTransferIsClosedByTheClient)
{
    server.serve("/horalet-2.0",
        {200, QByteArray::fromStdString(package.substr(0, 20)), {}, static_cast<qint64>(package.size()), "OK", false, 0,
            true});
    publish({{.signedBytes = package}});
    const auto engine = startWith([](EngineConfig& c) { c.inactivityTimeout = std::chrono::milliseconds(300); });

    checkInBackground(*engine);

    EXPECT_EQ(delegate.events, (Events{"found 2.0", "failed 2001", "finished 2001"}));
    EXPECT_TRUE(waitUntilClosedByClient("/horalet-2.0"));
    EXPECT_TRUE(cacheFiles().empty());
}

struct TrickleCase {
    const char* what;
    QByteArray path;
    Events events;
};

// One byte every 20 ms never trips the inactivity timeout; the deadline
// ends it.
TEST_F(HostileNetwork, ATrickleEndsAtTheDeadline)
{
    const TrickleCase cases[] = {
        {"the feed", "/appcast.xml", {"finished 1000"}},
        {"the package", "/horalet-2.0", {"found 2.0", "failed 2001", "finished 2001"}},
    };
    for (const auto& [what, path, events] : cases) {
        delegate.events.clear();
        reports.clear();
        publish({{.signedBytes = package}});
        server.serve("/horalet-2.0", {200, QByteArray::fromStdString(package)});
        HttpResponse trickled{
            200, path == "/appcast.xml" ? feedXml({{.signedBytes = package}}) : QByteArray::fromStdString(package)};
        trickled.trickle = std::chrono::milliseconds(20);
        server.serve(path, trickled);
        const auto engine = startWith([](EngineConfig& c) {
            c.feedDeadline = std::chrono::milliseconds(500);
            c.slowestPackageRate = std::int64_t{1} << 30;
        });

        checkInBackground(*engine);

        EXPECT_EQ(delegate.events, events) << what;
        EXPECT_TRUE(waitUntilClosedByClient(path)) << what;
        ASSERT_EQ(reports.size(), 1u) << what;
        EXPECT_NE(reports[0].find("within"), std::string::npos) << reports[0];
    }
}

TEST_F(HostileNetwork, ADeclarationOverTheLimitIsRefusedBeforeAnyDownload)
{
    server.serve("/horalet-2.0", {200, QByteArray::fromStdString(package)});
    publish({{.signedBytes = package, .length = kGiB}});
    const auto engine = startEngine();

    checkInBackground(*engine);

    EXPECT_EQ(delegate.events, (Events{"found 2.0", "failed 2001", "finished 2001"}));
    EXPECT_EQ(lastRequestFor("/horalet-2.0"), nullptr);
    EXPECT_TRUE(cacheFiles().empty());
    ASSERT_EQ(reports.size(), 1u);
    EXPECT_TRUE(reports[0].starts_with("新版本的安装包大于本程序允许的大小，已拒绝下载。（")) << reports[0];
}

struct FeedSignatureCase {
    const char* what;
    bool requireSigned;
    std::function<void(testing::EngineFixture&, const QByteArray& xml)> publish;
    Events events;
};

TEST_F(HostileNetwork, AFeedIsBelievedOnlyWithItsSignature)
{
    server.serve("/horalet-2.0", {200, QByteArray::fromStdString(package)});
    const QByteArray xml = feedXml({{.displayVersion = "2.0", .signedBytes = package}});
    const Events refused{"finished 3002"};
    const Events believed{"found 2.0", "ready 2.0", "finished"};
    const FeedSignatureCase cases[] = {
        {"signed", true, [](auto& f, const QByteArray& x) { f.publishFeed(x, x); }, believed},
        {"no signature", true, [](auto& f, const QByteArray& x) { f.publishFeed(x, std::nullopt); }, refused},
        {"signed other bytes", true, [](auto& f, const QByteArray& x) { f.publishFeed(x, x + " "); }, refused},
        {"changed after signing", true,
            [](auto& f, const QByteArray& x) {
                f.publishFeed(QByteArray(x).replace(">2.0<", ">紧急安全更新 2.0<"), x);
            },
            refused},
        {"signature not base64", true,
            [](auto& f, const QByteArray& x) {
                f.publishFeed(x, x);
                f.server.serve("/appcast.xml.sig", {200, "<html>not a signature</html>"});
            },
            refused},
        {"signature unreadable", true,
            [](auto& f, const QByteArray& x) {
                f.publishFeed(x, x);
                f.server.serve("/appcast.xml.sig", {500, "oops"});
            },
            {"finished 1000"}},
        {"unsigned, and the build allows it", false,
            [](auto& f, const QByteArray& x) { f.publishFeed(x, std::nullopt); }, believed},
        {"badly signed, and the build allows unsigned", false,
            [](auto& f, const QByteArray& x) { f.publishFeed(x, x + " "); }, refused},
    };
    for (const auto& [what, requireSigned, publishWay, events] : cases) {
        delegate.events.clear();
        reports.clear();
        publishWay(*this, xml);
        const auto engine = startWith([required = requireSigned](EngineConfig& c) { c.requireSignedFeed = required; });

        checkInBackground(*engine);

        EXPECT_EQ(delegate.events, events) << what;
        EXPECT_EQ(reports.size(), events == believed ? 0u : 1u) << what;
    }
}

TEST_F(HostileNetwork, FetchesOnlyOverHttpsOrOnLoopback)
{
    const std::pair<const char*, QByteArray> cases[] = {
        {"a plain http package elsewhere", "http://192.0.2.1/horalet-2.0"},
        {"a redirect from loopback to plain http elsewhere", "/elsewhere"},
    };
    server.redirect("/elsewhere", "http://192.0.2.1/horalet-2.0");
    const auto engine = startEngine();
    for (const auto& [what, path] : cases) {
        delegate.events.clear();
        reports.clear();
        publish({{.path = path, .signedBytes = package}});
        checkInBackground(*engine);
        EXPECT_EQ(delegate.events, (Events{"found 2.0", "failed 2001", "finished 2001"})) << what;
        ASSERT_EQ(reports.size(), 1u) << what;
        EXPECT_NE(reports[0].find("192.0.2.1"), std::string::npos) << reports[0];
    }
}

// What a killed installation or download left behind goes at the next
// start, and nothing else: not another program's files, not a file in use,
// not the download of another running copy.
TEST_F(HostileNetwork, ClearsItsOwnLeftoversAtStartAndNothingElse)
{
    const std::string binFolder = os::folderOf(program);
    const std::string leftover = binFolder + "/horalet.Ab12Cd";
    const std::string empty = binFolder + "/horalet.x9Y8z7";
    const std::string inUse = binFolder + "/horalet.Zz99Yy";
    const std::vector<std::string> kept = {binFolder + "/horalet.config", binFolder + "/horalet.old",
        binFolder + "/other.Ab12Cd", binFolder + "/horalet.Ab12Cd.txt", inUse};
    std::string error;
    for (const std::string& path : {leftover, inUse}) {
        ASSERT_TRUE(os::writeFileAtomically(path, oldProgram.substr(0, 100), 0755, error)) << error;
    }
    ASSERT_TRUE(os::writeFileAtomically(empty, "", 0600, error)) << error;
    ASSERT_TRUE(os::writeFileAtomically(binFolder + "/horalet.config", "colour=blue\n", 0644, error)) << error;
    for (const std::string& path :
        {binFolder + "/horalet.old", binFolder + "/other.Ab12Cd", binFolder + "/horalet.Ab12Cd.txt"}) {
        ASSERT_TRUE(os::writeFileAtomically(path, oldProgram, 0755, error)) << error;
    }
    const int held = ::open(inUse.c_str(), O_RDONLY | O_CLOEXEC);
    ASSERT_GE(held, 0);
    ASSERT_TRUE(os::makeFolders(cacheFolder, 0700, error)) << error;
    for (const char* name : {"download.part", "staged-update"}) {
        ASSERT_TRUE(os::writeFileAtomically(cacheFolder + "/" + name, "partial", 0600, error)) << error;
    }

    {
        // Another running copy is downloading: its files stay.
        const auto otherCopy = FolderLock::tryAcquire(cacheFolder);
        ASSERT_TRUE(otherCopy.has_value());
        startEngine();
        EXPECT_EQ(cacheFiles(), (std::vector<std::string>{"download.part", "staged-update"}));
    }
    startEngine();
    ::close(held);

    EXPECT_TRUE(cacheFiles().empty());
    for (const std::string& path : {leftover, empty}) {
        EXPECT_NE(::access(path.c_str(), F_OK), 0) << path << " was left";
    }
    for (const std::string& path : kept) {
        EXPECT_EQ(::access(path.c_str(), F_OK), 0) << path << " was removed";
    }
    EXPECT_EQ(programContents(), oldProgram);
}

TEST_F(HostileNetwork, AQuitDuringADownloadLeavesNoPartBehind)
{
    server.serve("/horalet-2.0",
        {200, QByteArray::fromStdString(package.substr(0, 20)), {}, static_cast<qint64>(package.size()), "OK", false, 0,
            true});
    publish({{.signedBytes = package}});
    const auto engine = startEngine();
    engine->checkForUpdatesInBackground();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !cacheFiles().empty(); }, 10000));

    QTimer::singleShot(0, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();

    EXPECT_TRUE(cacheFiles().empty());
}

} // namespace
} // namespace horalet::platform::updater::engine
