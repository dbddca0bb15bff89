#include "platform/qt/shell/bar/click_events.h"

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "platform/qt/shell/bar/bar_encoding.h"

namespace horalet::platform::qt {

namespace {

constexpr int kLeftButton = 1;

} // namespace

bool isLeftClickOnClock(std::string_view line)
{
    QByteArray bytes = QByteArray(line.data(), static_cast<qsizetype>(line.size())).trimmed();
    if (bytes.startsWith(',')) {
        bytes.remove(0, 1);
    }
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    if (!document.isObject()) {
        return false;
    }
    const QJsonObject event = document.object();
    return event.value(QStringLiteral("name")).toString() == QLatin1String(kBarBlockName)
        && event.value(QStringLiteral("button")).toInt() == kLeftButton;
}

} // namespace horalet::platform::qt
