#include "platform/updater/engine/fetch_rules.h"

#include <QStringList>

namespace horalet::platform::updater::engine {

namespace {

// 127.0.0.0/8, ::1 and the name the system keeps for them.
bool isLoopbackHost(const QString& host)
{
    if (host == u"localhost" || host == u"::1") {
        return true;
    }
    const QStringList parts = host.split(u'.');
    if (parts.size() != 4 || parts.front() != u"127") {
        return false;
    }
    for (const QString& part : parts) {
        bool ok = false;
        const int value = part.toInt(&ok);
        if (!ok || value < 0 || value > 255) {
            return false;
        }
    }
    return true;
}

} // namespace

bool isFetchableLocation(const QUrl& url)
{
    if (!url.isValid() || url.host().isEmpty()) {
        return false;
    }
    return url.scheme() == u"https" || (url.scheme() == u"http" && isLoopbackHost(url.host()));
}

bool isAllowedRedirect(const QUrl& from, const QUrl& to)
{
    return isFetchableLocation(to) && !(from.scheme() == u"https" && to.scheme() != u"https");
}

} // namespace horalet::platform::updater::engine
