#pragma once

#include <functional>
#include <optional>

#include <QDBusObjectPath>
#include <QObject>
#include <QPoint>

#include "platform/qt/shell/desktop/status_notifier_types.h"
#include "platform/qt/shell/desktop/theme_icon.h"

namespace horalet::platform::qt {

// What the item does when the panel passes on a click.
struct StatusItemClicks {
    // Pops up the item's menu at a point on the screen.
    std::function<void(const QPoint&)> openMenu;
    std::function<void()> openSettings;
};

// The item a panel shows for this program, as org.kde.StatusNotifierItem:
// a clock icon, the title as the text label panels with the Ayatana
// extension show (and as title and tooltip for the others), and a menu.
// ItemIsMenu is true: panels that honour it draw the exported menu
// themselves on a click; those that call Activate or ContextMenu anyway
// get this program's own menu popped up where they say.
class StatusNotifierItem final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierItem")
    Q_PROPERTY(QString Category READ category)
    Q_PROPERTY(QString Id READ id)
    Q_PROPERTY(QString Title READ title)
    Q_PROPERTY(QString Status READ status)
    Q_PROPERTY(int WindowId READ windowId)
    Q_PROPERTY(QString IconName READ iconName)
    Q_PROPERTY(QString IconThemePath READ iconThemePath)
    Q_PROPERTY(horalet::platform::qt::StatusIconPixmapList IconPixmap READ iconPixmap)
    Q_PROPERTY(QString OverlayIconName READ emptyText)
    Q_PROPERTY(horalet::platform::qt::StatusIconPixmapList OverlayIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionIconName READ emptyText)
    Q_PROPERTY(horalet::platform::qt::StatusIconPixmapList AttentionIconPixmap READ noPixmaps)
    Q_PROPERTY(QString AttentionMovieName READ emptyText)
    Q_PROPERTY(horalet::platform::qt::StatusToolTip ToolTip READ toolTip)
    Q_PROPERTY(bool ItemIsMenu READ itemIsMenu)
    Q_PROPERTY(QDBusObjectPath Menu READ menu)
    Q_PROPERTY(QString XAyatanaLabel READ title)
    Q_PROPERTY(QString XAyatanaLabelGuide READ labelGuide)
    Q_PROPERTY(uint XAyatanaOrderingIndex READ orderingIndex)

public:
    StatusNotifierItem(
        QString id, ThemeIcon themeIcon, StatusIconPixmapList icon, QDBusObjectPath menu, StatusItemClicks clicks);

    // Announces a new title (also the tooltip and the label) or label
    // guide to the panel.
    void setTitle(const QString& title, const QString& labelGuide);
    // The tooltip's text under the title; announced when it changed.
    void setToolTipText(const QString& text);
    // Shows these pixmaps in place of the item's own icon, with no icon name
    // (hosts that find a themed icon by its name prefer it to the pixmaps);
    // none brings the item's own icon back. Announced at once.
    void setIconOverride(std::optional<StatusIconPixmapList> pixmaps);
    // A passive item is one the panel may tuck away, as Plasma's tray does
    // while Horalet's own widget shows the clock.
    void setPassive(bool passive);
    bool isPassive() const { return passive_; }

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return id_; }
    QString title() const { return title_; }
    QString status() const { return passive_ ? QStringLiteral("Passive") : QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconName() const { return iconOverride_ ? QString() : themeIcon_.name; }
    QString iconThemePath() const { return themeIcon_.themePath; }
    StatusIconPixmapList iconPixmap() const { return iconOverride_ ? *iconOverride_ : icon_; }
    QString emptyText() const { return {}; }
    StatusIconPixmapList noPixmaps() const { return {}; }
    StatusToolTip toolTip() const { return StatusToolTip{QString(), {}, title_, toolTipText_}; }
    bool itemIsMenu() const { return true; }
    QDBusObjectPath menu() const { return menu_; }
    QString labelGuide() const { return labelGuide_; }
    uint orderingIndex() const { return 0; }

    static QString objectPath() { return QStringLiteral("/StatusNotifierItem"); }

public Q_SLOTS:
    // A left click, and a right one; the point is where the menu goes.
    void Activate(int x, int y);
    void ContextMenu(int x, int y);
    // A middle click.
    void SecondaryActivate(int x, int y);
    // The wheel over the item changes nothing of a clock.
    void Scroll(int delta, const QString& orientation);
    // On Wayland the panel hands over the right to raise a window before a
    // click that may open one.
    void ProvideXdgActivationToken(const QString& token);

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    // A title and its tooltip text often change together: one announcement.
    void announceToolTip();

    QString id_;
    ThemeIcon themeIcon_;
    StatusIconPixmapList icon_;
    QDBusObjectPath menu_;
    StatusItemClicks clicks_;
    QString title_;
    QString labelGuide_;
    QString toolTipText_;
    std::optional<StatusIconPixmapList> iconOverride_;
    bool toolTipAnnounced_ = false;
    bool passive_ = false;
};

} // namespace horalet::platform::qt
