#include "platform/qt/shell/zone_watch.h"

#include <QFile>
#include <QFileInfo>

namespace horalet::platform::qt {

namespace {

// Enough for tools that rewrite the link in two steps to have finished.
constexpr std::chrono::milliseconds kSettle{100};
constexpr qint64 kLargestZoneFile = 1 << 20;

} // namespace

ZoneWatch::ZoneWatch(const QString& zoneFile)
    : watch_(zoneFile, kSettle, [this] { settled(); })
{
    fingerprint_ = fingerprint();
}

void ZoneWatch::timedatePropertiesChanged(
    const QString& interface, const QVariantMap& changed, const QStringList& invalidated)
{
    const QString zone = QStringLiteral("Timezone");
    if (interface == QStringLiteral("org.freedesktop.timedate1")
        && (changed.contains(zone) || invalidated.contains(zone))) {
        serviceSaidSo_ = true;
        settled();
    } else {
        Q_EMIT checked();
    }
}

QByteArray ZoneWatch::fingerprint() const
{
    const QString path = watch_.path();
    QByteArray print = QFileInfo(path).symLinkTarget().toUtf8();
    print += '\0';
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        print += file.read(kLargestZoneFile);
    }
    return print;
}

void ZoneWatch::settled()
{
    QByteArray now = fingerprint();
    if (now != fingerprint_ || serviceSaidSo_) {
        fingerprint_ = std::move(now);
        serviceSaidSo_ = false;
        Q_EMIT zoneChanged();
    }
    Q_EMIT checked();
}

} // namespace horalet::platform::qt
