#include "item_news_reader.h"

#include <QDBusPendingCall>

namespace horalet::testing {

namespace {
const QString kInterface = QStringLiteral("org.kde.StatusNotifierItem");
}

ItemNewsReader::ItemNewsReader(QDBusConnection connection)
    : connection_(std::move(connection))
{
    for (const QString& news : {QStringLiteral("NewIcon"), QStringLiteral("NewToolTip"), QStringLiteral("NewTitle")}) {
        connection_.connect(QString(), QString(), kInterface, news, this, SLOT(received(QDBusMessage)));
    }
}

void ItemNewsReader::received(const QDBusMessage& message)
{
    QString property = message.member().mid(3);
    if (property == QStringLiteral("Icon")) {
        property = QStringLiteral("IconPixmap");
    }
    QDBusMessage get = QDBusMessage::createMethodCall(
        message.service(), message.path(), QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
    get << kInterface << property;
    // The answer only has to be read, as a panel reads it; nothing is kept.
    connection_.asyncCall(get);
}

} // namespace horalet::testing
