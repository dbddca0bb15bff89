#include "platform/qt/shell/desktop/status_window_place.h"

#include <QString>
#include <QStringList>

namespace horalet::platform::qt {

StatusWindowPlace::StatusWindowPlace(PreferencesStore& store, std::string key)
    : store_(store)
    , key_(std::move(key))
{
}

std::optional<QPoint> StatusWindowPlace::topRight() const
{
    const std::optional<std::string> text = store_.stringForKey(key_);
    if (!text) {
        return std::nullopt;
    }
    const QStringList parts = QString::fromStdString(*text).split(QLatin1Char(','));
    bool xRead = false;
    bool yRead = false;
    const int x = parts.size() == 2 ? parts[0].trimmed().toInt(&xRead) : 0;
    const int y = parts.size() == 2 ? parts[1].trimmed().toInt(&yRead) : 0;
    if (!xRead || !yRead) {
        return std::nullopt;
    }
    return QPoint(x, y);
}

void StatusWindowPlace::remember(const QPoint& topRight)
{
    store_.setString(key_, QStringLiteral("%1,%2").arg(topRight.x()).arg(topRight.y()).toStdString());
}

} // namespace horalet::platform::qt
