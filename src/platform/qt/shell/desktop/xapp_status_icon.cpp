#include "platform/qt/shell/desktop/xapp_status_icon.h"

#include <QDBusMessage>
#include <QMetaProperty>

#include "build_info.h"

namespace horalet::platform::qt {

namespace {

constexpr uint kPrimaryButton = 1;
constexpr uint kSecondaryButton = 3;

} // namespace

XAppStatusIcon::XAppStatusIcon(QDBusConnection bus, QString iconName, OpenMenu openMenu)
    : bus_(std::move(bus))
    , iconName_(std::move(iconName))
    , openMenu_(std::move(openMenu))
{
}

QString XAppStatusIcon::name() const
{
    return QString::fromLatin1(build::kApplicationId);
}

void XAppStatusIcon::setLabel(const QString& label)
{
    announce(QStringLiteral("Label"), label_, label);
}

void XAppStatusIcon::setToolTip(const QString& toolTip)
{
    announce(QStringLiteral("TooltipText"), toolTip_, toolTip.toHtmlEscaped());
}

QVariantMap XAppStatusIcon::properties() const
{
    QVariantMap values;
    const QMetaObject* meta = metaObject();
    for (int index = meta->propertyOffset(); index < meta->propertyCount(); ++index) {
        const QMetaProperty property = meta->property(index);
        values.insert(QString::fromLatin1(property.name()), property.read(this));
    }
    return values;
}

void XAppStatusIcon::ButtonPress(int, int, uint, uint, int)
{
}

void XAppStatusIcon::ButtonRelease(int x, int y, uint button, uint, int)
{
    if (button == kPrimaryButton || button == kSecondaryButton) {
        openMenu_(QPoint(x, y));
    }
}

void XAppStatusIcon::Scroll(int, int, uint)
{
}

void XAppStatusIcon::announce(const QString& property, QString& value, const QString& changed)
{
    if (changed == value) {
        return;
    }
    value = changed;
    // While the item is off the bus nobody follows it: the applet reads
    // everything afresh when it finds the item.
    if (bus_.objectRegisteredAt(objectPath()) != this) {
        return;
    }
    QDBusMessage signal = QDBusMessage::createSignal(
        objectPath(), QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("PropertiesChanged"));
    signal << interfaceName() << QVariantMap{{property, value}} << QStringList();
    bus_.send(signal);
}

} // namespace horalet::platform::qt
