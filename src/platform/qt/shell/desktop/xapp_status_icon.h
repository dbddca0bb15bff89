#pragma once

#include <functional>

#include <QDBusConnection>
#include <QObject>
#include <QPoint>
#include <QVariantMap>

namespace horalet::platform::qt {

// The item the XApp status applet (Cinnamon's panel) shows for this
// program, as org.x.StatusIcon: an icon, a text label, a tooltip in Pango
// markup, and the clicks the applet passes on. The applet reads the
// properties once and then follows PropertiesChanged, so every change is
// announced; unchanged values send nothing.
class XAppStatusIcon final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.x.StatusIcon")
    Q_PROPERTY(QString Name READ name)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(QString TooltipText READ toolTip)
    Q_PROPERTY(QString Label READ label)
    Q_PROPERTY(bool Visible READ visible)
    Q_PROPERTY(int IconSize READ iconSize WRITE setIconSize)
    Q_PROPERTY(bool PrimaryMenuIsOpen READ menuIsOpen)
    Q_PROPERTY(bool SecondaryMenuIsOpen READ menuIsOpen)
    Q_PROPERTY(QString Metadata READ metadata)

public:
    using OpenMenu = std::function<void(const QPoint&)>;

    XAppStatusIcon(QDBusConnection bus, QString iconName, OpenMenu openMenu);

    void setLabel(const QString& label);
    // Plain text; escaped here for the markup.
    void setToolTip(const QString& toolTip);

    // The exported properties by their D-Bus names, as the applet's object
    // manager lists them.
    QVariantMap properties() const;

    QString name() const;
    QString iconName() const { return iconName_; }
    QString toolTip() const { return toolTip_; }
    QString label() const { return label_; }
    bool visible() const { return true; }
    int iconSize() const { return iconSize_; }
    // The applet tells the size it draws icons at; a named icon needs no answer.
    void setIconSize(int size) { iconSize_ = size; }
    bool menuIsOpen() const { return false; }
    QString metadata() const { return {}; }

    static QString objectPath() { return QStringLiteral("/org/x/StatusIcon/Icon"); }
    static QString interfaceName() { return QStringLiteral("org.x.StatusIcon"); }

public Q_SLOTS:
    // The applet passes each press and release with the point its menu
    // should open at (below a top panel's item, above a bottom one's).
    // The menu opens on release, as XApp's own icons do: the panel no
    // longer holds the pointer then, so the menu can take it.
    void ButtonPress(int x, int y, uint button, uint time, int panel_position);
    void ButtonRelease(int x, int y, uint button, uint time, int panel_position);
    void Scroll(int delta, int orientation, uint time);

private:
    void announce(const QString& property, QString& value, const QString& changed);

    QDBusConnection bus_;
    QString iconName_;
    OpenMenu openMenu_;
    QString label_;
    QString toolTip_;
    int iconSize_ = 0;
};

} // namespace horalet::platform::qt
