#pragma once

#include <QDBusObjectPath>
#include <QObject>

#include "platform/qt/shell/desktop/status_notifier_types.h"

namespace horalet::platform::qt {

// The item a panel shows for this program, as org.kde.StatusNotifierItem:
// a clock icon, the title as the text label panels with the Ayatana
// extension show (and as title and tooltip for the others), and a menu
// that opens on a click (no Activate of its own).
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
    StatusNotifierItem(QString id, QString iconName, StatusIconPixmapList icon, QDBusObjectPath menu);

    // Announces a new title (also the tooltip and the label) or label
    // guide to the panel.
    void setTitle(const QString& title, const QString& labelGuide);
    // A passive item is one the panel may tuck away, as Plasma's tray does
    // while Horalet's own widget shows the clock.
    void setPassive(bool passive);

    QString category() const { return QStringLiteral("ApplicationStatus"); }
    QString id() const { return id_; }
    QString title() const { return title_; }
    QString status() const { return passive_ ? QStringLiteral("Passive") : QStringLiteral("Active"); }
    int windowId() const { return 0; }
    QString iconName() const { return iconName_; }
    QString iconThemePath() const { return {}; }
    StatusIconPixmapList iconPixmap() const { return icon_; }
    QString emptyText() const { return {}; }
    StatusIconPixmapList noPixmaps() const { return {}; }
    StatusToolTip toolTip() const { return StatusToolTip{QString(), {}, title_, QString()}; }
    bool itemIsMenu() const { return true; }
    QDBusObjectPath menu() const { return menu_; }
    QString labelGuide() const { return labelGuide_; }
    uint orderingIndex() const { return 0; }

    static QString objectPath() { return QStringLiteral("/StatusNotifierItem"); }

Q_SIGNALS:
    void NewTitle();
    void NewIcon();
    void NewAttentionIcon();
    void NewOverlayIcon();
    void NewToolTip();
    void NewStatus(const QString& status);
    void XAyatanaNewLabel(const QString& label, const QString& guide);

private:
    QString id_;
    QString iconName_;
    StatusIconPixmapList icon_;
    QDBusObjectPath menu_;
    QString title_;
    QString labelGuide_;
    bool passive_ = false;
};

} // namespace horalet::platform::qt
