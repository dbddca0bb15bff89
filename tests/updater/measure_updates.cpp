// Measures the updater against the local server (not a test: it prints
// figures). Three runs:
//   hostile  a feed that announces a 21 MB package whose server sends
//            1 GiB: bytes the server got out before the client closed,
//            and the process's peak private memory;
//   genuine  a signed 21 MB package: the time its verification takes and
//            the peak private memory of the whole check;
//   ticks    a clock tick every second through five such checks: the
//            largest gap between two ticks, and the longest the event loop
//            was held up.
// Memory is Private_Dirty from /proc/self/smaps_rollup, sampled every
// millisecond on a thread of its own.
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTimer>
#include <QtTest/QTest>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <thread>
#include <utility>

#include "engine_test_support.h"
#include "platform/updater/core/mapped_file.h"
#include "platform/updater/core/package_check.h"
#include "platform/updater/network/qt_update_network.h"
#include "test_signing.h"

namespace {

using namespace horalet;
using namespace horalet::platform::updater::engine;

constexpr std::size_t kPackageSize = 21'000'000;

long privateDirtyKiB()
{
    std::ifstream rollup("/proc/self/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line)) {
        if (line.starts_with("Private_Dirty:")) {
            std::istringstream fields(line.substr(14));
            long kib = 0;
            fields >> kib;
            return kib;
        }
    }
    return -1;
}

// The highest Private_Dirty seen while it lives.
class PeakMemory {
public:
    PeakMemory()
        : baseline_(privateDirtyKiB())
        , peak_(baseline_)
        , sampler_([this] {
            while (!stop_) {
                peak_ = std::max(peak_.load(), privateDirtyKiB());
                std::this_thread::sleep_for(std::chrono::milliseconds(1));
            }
        })
    {
    }
    ~PeakMemory() { stop(); }
    void stop()
    {
        stop_ = true;
        if (sampler_.joinable()) {
            sampler_.join();
        }
    }
    long baseline() const { return baseline_; }
    long peak() const { return peak_; }

private:
    long baseline_;
    std::atomic<long> peak_;
    std::atomic<bool> stop_{false};
    std::thread sampler_;
};

std::string genuinePackage()
{
    std::string package = testing::makePackage("2.0");
    std::mt19937 random(7);
    package.reserve(kPackageSize);
    while (package.size() < kPackageSize) {
        package.push_back(static_cast<char>(random() & 0x7f));
    }
    return package;
}

void hostile(testing::EngineFixture& fixture, const std::string& package)
{
    fixture.publish({{.signedBytes = package}});
    testing::HttpResponse response{200, QByteArray::fromStdString(package.substr(0, 1000))};
    response.unannounced = true;
    response.endless = qint64{1} << 30;
    fixture.server.serve("/horalet-2.0", response);
    fixture.platform.store.setBool(updaterKeys::automaticallyDownloads, true);
    const auto engine = fixture.startEngine();
    PeakMemory memory;
    fixture.checkInBackground(*engine);
    (void)QTest::qWaitFor(
        [&] {
            const auto* connection = fixture.server.lastConnectionTo("/horalet-2.0");
            return connection != nullptr && connection->closedByClient;
        },
        20000);
    memory.stop();
    const auto* connection = fixture.server.lastConnectionTo("/horalet-2.0");
    std::printf("hostile 1 GiB body (feed announces %zu bytes): server got %lld bytes out before the client closed "
                "(closed: %s); Private_Dirty %ld KiB before, peak %ld KiB (+%ld KiB)\n",
        package.size(), static_cast<long long>(connection->bytesSent), connection->closedByClient ? "yes" : "no",
        memory.baseline(), memory.peak(), memory.peak() - memory.baseline());
}

void genuine(testing::EngineFixture& fixture, const std::string& package)
{
    fixture.publish({{.signedBytes = package}});
    fixture.server.serve("/horalet-2.0", {200, QByteArray::fromStdString(package)});
    fixture.platform.store.setBool(updaterKeys::automaticallyDownloads, true);

    const std::string path = fixture.folder.filePath(QStringLiteral("package")).toStdString();
    std::ofstream(path, std::ios::binary) << package;
    writeBack(path);
    const PackagePromise promise{
        QByteArray::fromBase64(QByteArray::fromStdString(testing::testPublicKeyBase64())).toStdString(),
        testing::signWithTestKey(package), static_cast<std::int64_t>(package.size()), "2.0"};
    const Ed25519Verifier verify = makeQtUpdateNetwork()->ed25519Verifier();
    QElapsedTimer timer;
    PeakMemory verifying;
    timer.start();
    const bool verified = !whyPackageFileRefused(path, promise, verify).has_value();
    const double milliseconds = static_cast<double>(timer.nsecsElapsed()) / 1e6;
    verifying.stop();
    std::printf("genuine %zu-byte package: verified %s in %.1f ms (memory-mapped), Private_Dirty +%ld KiB at peak\n",
        package.size(), verified ? "yes" : "NO", milliseconds, verifying.peak() - verifying.baseline());

    const auto engine = fixture.startEngine();
    PeakMemory memory;
    fixture.delegate.events.clear();
    fixture.checkInBackground(*engine);
    memory.stop();
    std::printf("genuine check (feed, download, verification, staging: %s): Private_Dirty %ld KiB before, peak "
                "%ld KiB (+%ld KiB)\n",
        fixture.delegate.events.back().c_str(), memory.baseline(), memory.peak(), memory.peak() - memory.baseline());
}

// A precise timer of a fixed interval that keeps the largest gap between
// two of its firings.
class LargestGap {
public:
    explicit LargestGap(int intervalMs)
    {
        timer_.setTimerType(Qt::PreciseTimer);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            const qint64 now = clock_.elapsed();
            if (last_ >= 0) {
                largest_ = std::max(largest_, now - last_);
            }
            last_ = now;
        });
        clock_.start();
        timer_.start(intervalMs);
    }
    // The largest gap so far; starts over.
    qint64 take() { return std::exchange(largest_, 0); }

private:
    QElapsedTimer clock_;
    QTimer timer_;
    qint64 last_ = -1;
    qint64 largest_ = 0;
};

// The package comes from a server in a process of its own here, so that
// only the updater's own work shares the loop with the ticks.
void ticks(testing::EngineFixture& fixture, const std::string& package)
{
    const QString served = fixture.folder.filePath(QStringLiteral("served"));
    QDir().mkpath(served);
    const QByteArray feed = testing::EngineFixture::feedXml({{.signedBytes = package}});
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile file(served + u'/' + name);
        return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
    };
    write(QStringLiteral("appcast.xml"), feed);
    write(QStringLiteral("appcast.xml.sig"),
        QByteArray::fromStdString(testing::base64(testing::signWithTestKey(feed.toStdString()))));
    write(QStringLiteral("horalet-2.0"), QByteArray::fromStdString(package));
    const QString portFile = fixture.folder.filePath(QStringLiteral("port"));
    QProcess server;
    server.start(QStringLiteral("python3"),
        {QStringLiteral(HORALET_SOURCE_DIR "/scripts/update_walk/feed_server.py"), served, QStringLiteral("0"),
            portFile});
    if (!QTest::qWaitFor([&] { return QFile(portFile).size() > 0; }, 10000)) {
        std::printf("ticks: the feed server did not start\n");
        return;
    }
    QFile port(portFile);
    (void)port.open(QIODevice::ReadOnly);
    fixture.platform.store.setString(
        updaterKeys::feedUrl, "http://127.0.0.1:" + port.readAll().trimmed().toStdString() + "/appcast.xml");
    fixture.platform.store.setBool(updaterKeys::automaticallyDownloads, true);
    LargestGap tick(1000);
    LargestGap probe(5);
    // The same timers on an idle loop first: on a busy machine the
    // scheduler alone holds the loop up now and then.
    QTest::qWait(3000);
    const qint64 idleTickGap = tick.take();
    const qint64 idleProbeGap = probe.take();
    QElapsedTimer running;
    running.start();
    int checks = 0;
    while (running.elapsed() < 8000) {
        const auto engine = fixture.startEngine();
        fixture.checkInBackground(*engine);
        ++checks;
        QTest::qWait(500);
    }
    std::printf("a tick every 1000 ms through %d checks of the %zu-byte package: largest gap between two ticks "
                "%lld ms, between two firings of a 5 ms timer %lld ms; on the idle loop before: %lld ms and %lld ms\n",
        checks, package.size(), static_cast<long long>(tick.take()), static_cast<long long>(probe.take()),
        static_cast<long long>(idleTickGap), static_cast<long long>(idleProbeGap));
    server.kill();
    server.waitForFinished();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const std::string package = genuinePackage();
    const std::string which = argc > 1 ? argv[1] : "all";
    if (which == "all" || which == "hostile") {
        testing::EngineFixture fixture;
        hostile(fixture, package);
    }
    if (which == "all" || which == "genuine") {
        testing::EngineFixture fixture;
        genuine(fixture, package);
    }
    if (which == "all" || which == "ticks") {
        testing::EngineFixture fixture;
        ticks(fixture, package);
    }
    return 0;
}
