#include "platform/qt/shell/desktop/single_instance.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QEventLoop>
#include <QTimer>

namespace horalet::platform::qt {

namespace {

constexpr int kAnswerTimeoutMs = 3000;

} // namespace

SingleInstance::SingleInstance(QDBusConnection bus, std::function<void()> openSettings)
    : bus_(std::move(bus))
    , openSettings_(std::move(openSettings))
{
}

SingleInstance::Claim SingleInstance::claim()
{
    if (!bus_.isConnected() || bus_.interface() == nullptr) {
        return Claim::noBus;
    }
    bus_.registerObject(objectPath(), this, QDBusConnection::ExportScriptableSlots);
    const auto reply = bus_.interface()->registerService(
        serviceName(), QDBusConnectionInterface::DontQueueService, QDBusConnectionInterface::DontAllowReplacement);
    if (reply.isValid() && reply.value() == QDBusConnectionInterface::ServiceRegistered) {
        return Claim::ours;
    }
    bus_.unregisterObject(objectPath());
    return askRunningInstance() ? Claim::handedOff : Claim::unanswered;
}

void SingleInstance::OpenSettings()
{
    // Answer first: the caller waits for the reply, the window may take a moment.
    QTimer::singleShot(0, this, [this] { openSettings_(); });
}

QDBusMessage SingleInstance::openSettingsCall()
{
    return QDBusMessage::createMethodCall(
        serviceName(), objectPath(), QStringLiteral("org.horalet.Horalet"), QStringLiteral("OpenSettings"));
}

void SingleInstance::askRunningInstanceToOpenSettings()
{
    QDBusMessage call = openSettingsCall();
    // Without a running clock the bus answers with an error nobody waits for.
    call.setAutoStartService(false);
    QDBusConnection::sessionBus().send(call);
}

bool SingleInstance::askRunningInstance()
{
    const QDBusMessage call = openSettingsCall();
    // Wait in a local loop rather than blocking, so the process keeps
    // answering its own bus traffic meanwhile.
    QDBusPendingCallWatcher watcher(bus_.asyncCall(call, kAnswerTimeoutMs));
    QEventLoop loop;
    QObject::connect(&watcher, &QDBusPendingCallWatcher::finished, &loop, &QEventLoop::quit);
    if (!watcher.isFinished()) {
        loop.exec();
    }
    return !watcher.isError();
}

} // namespace horalet::platform::qt
