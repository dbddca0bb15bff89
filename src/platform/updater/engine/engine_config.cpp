#include "platform/updater/engine/engine_config.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QProcess>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "build_info.h"
#include "engine_build_config.h"
#include "platform/foundation/log.h"
#include "platform/linux/paths.h"
#include "platform/updater/core/ed25519.h"
#include "platform/updater/engine/fetch_rules.h"

namespace horalet::platform::updater::engine {

namespace {

// Starts the new program once this process has ended (waiting ten seconds
// at most), so that it never meets the old one still running and steps
// back as a second instance.
bool startAfterThisProcess(const std::string& program)
{
    const QString script = QStringLiteral("i=0; while [ $i -lt 100 ] && kill -0 %1 2>/dev/null; do sleep 0.1; "
                                          "i=$((i+1)); done; exec \"$0\"")
                               .arg(QCoreApplication::applicationPid());
    return QProcess::startDetached(
        QStringLiteral("/bin/sh"), {QStringLiteral("-c"), script, QString::fromStdString(program)});
}

// Long enough for the settings window to paint that the new version is
// being installed: quitting at the next turn of the event loop ends the
// program before its pending paint.
constexpr std::chrono::milliseconds kQuitDelay{500};

void quitApplication()
{
    // Later, so the work in progress (the caller of the installation)
    // finishes first.
    QTimer::singleShot(kQuitDelay, QCoreApplication::instance(), &QCoreApplication::quit);
}

} // namespace

EngineConfig builtEngineConfig(EngineKeys keys)
{
    EngineConfig config(keys);
    config.feedUrl = HORALET_FEED_URL;
    config.publicKeyBase64 = HORALET_ED_PUBLIC_KEY;
    config.requireSignedFeed = HORALET_REQUIRE_SIGNED_FEED;
    config.currentVersion = build::kVersion;
    config.programPath = os::runningProgramPath();
    config.cacheFolder = os::updateCacheFolder();
    config.largestPackage = std::int64_t{HORALET_LARGEST_PACKAGE_MIB} << 20;
    config.relaunch = startAfterThisProcess;
    config.quit = quitApplication;
    config.report = [](const std::string& line) { log::warning(line); };
    return config;
}

std::optional<std::string> decodePublicKey(const std::string& base64)
{
    const auto decoded = QByteArray::fromBase64Encoding(
        QByteArray::fromStdString(base64).trimmed(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded || static_cast<std::size_t>(decoded.decoded.size()) != kEd25519PublicKeySize) {
        return std::nullopt;
    }
    return decoded.decoded.toStdString();
}

bool isUsableFeedUrl(const std::string& text)
{
    return isFetchableLocation(QUrl(QString::fromStdString(text), QUrl::StrictMode));
}

} // namespace horalet::platform::updater::engine
