#include <gtest/gtest.h>

#include <unistd.h>

#include <QDBusConnectionInterface>
#include <QDBusVariant>
#include <QFile>
#include <QProcess>

#include "platform/qt/shell/desktop/clock_face.h"
#include "platform/qt/shell/desktop/clock_icon.h"
#include "platform/qt/shell/desktop/desktop_status_item.h"
#include "qt_test_support.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace horalet::testing {
namespace {

using platform::qt::iconStyleForHost;
using platform::qt::StatusIconPixmapList;
using platform::qt::StatusIconStyle;

struct HostCase {
    const char* processName;
    StatusIconStyle style;
};

TEST(StatusIconStyle, PanelsThatShowTheLabelKeepThePlainIconAndAllOthersGetTheFace)
{
    const std::vector<HostCase> cases{
        {"gnome-shell", StatusIconStyle::plain},
        {"mate-panel", StatusIconStyle::plain},
        {"notification-ar", StatusIconStyle::plain}, // MATE's notification area applet
        {"ayatana-indicator-application-service", StatusIconStyle::plain},
        {"ayatana-indicat", StatusIconStyle::plain}, // the command name, cut to 15 characters
        {"indicator-application-service", StatusIconStyle::plain},
        {"plasmashell", StatusIconStyle::clockFace},
        {"kded5", StatusIconStyle::clockFace},
        {"kded6", StatusIconStyle::clockFace},
        {"xfce4-panel", StatusIconStyle::clockFace},
        {"panel-6-systray", StatusIconStyle::clockFace}, // XFCE's systray plugin, in a wrapper process
        {"xapp-sn-watcher", StatusIconStyle::clockFace},
        {"waybar", StatusIconStyle::clockFace},
        {"swaybar", StatusIconStyle::clockFace},
        {"gnome-shel", StatusIconStyle::clockFace}, // short of a cut name: another program
        {"some-new-panel", StatusIconStyle::clockFace},
        {"", StatusIconStyle::clockFace},
    };
    for (const HostCase& c : cases) {
        EXPECT_EQ(iconStyleForHost(QString::fromLatin1(c.processName)), c.style) << c.processName;
    }
}

TEST(StatusIconStyle, TheOwnerOfABusNameIsFoundByItsProcess)
{
    PrivateBus bus;
    QDBusConnection connection = bus.connect(QStringLiteral("owner"));
    ASSERT_TRUE(connection.registerService(QStringLiteral("org.example.Owned")));
    QFile command(QStringLiteral("/proc/self/comm"));
    ASSERT_TRUE(command.open(QIODevice::ReadOnly));
    const QString self = QString::fromUtf8(command.readAll()).trimmed();

    const auto owner = platform::qt::processNameOfOwner(connection, QStringLiteral("org.example.Owned"));
    ASSERT_TRUE(owner.has_value());
    // The test program's name is longer than a command name: the executable's.
    EXPECT_TRUE(owner->startsWith(self)) << owner->toStdString();
    EXPECT_FALSE(platform::qt::processNameOfOwner(connection, QStringLiteral("org.example.Nobody")).has_value());
}

// The stand-in panel run under the name of a real panel's process, owning
// the watcher on the private bus.
class NamedPanel {
public:
    NamedPanel(const TempFolder& folder, const PrivateBus& bus, const QString& name)
    {
        const QString path = QString::fromStdString(folder.file(name.toStdString()));
        QFile::remove(path);
        QFile::link(QStringLiteral(HORALET_FAKE_PANEL), path);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), bus.address());
        process_.setProcessEnvironment(environment);
        process_.setStandardOutputFile(QProcess::nullDevice());
        process_.start(path, {});
    }
    ~NamedPanel()
    {
        process_.terminate();
        process_.waitForFinished();
    }

private:
    QProcess process_;
};

class PanelIconTest : public ::testing::Test {
protected:
    PanelIconTest()
    {
        guide.setSource([] { return std::vector<std::string>{"12:00"}; }, platform.store.didChange, zoneChanged);
    }

    bool watcherOwned()
    {
        return spinUntil([&] {
            return panelBus.interface()->isServiceRegistered(QStringLiteral("org.kde.StatusNotifierWatcher")).value();
        });
    }

    QVariant itemProperty(const QString& name)
    {
        QDBusMessage get = QDBusMessage::createMethodCall(service, QStringLiteral("/StatusNotifierItem"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.kde.StatusNotifierItem") << name;
        return PrivateBus::call(panelBus, get).arguments().value(0).value<QDBusVariant>().variant();
    }

    QByteArray largestPixmap()
    {
        const auto pixmaps = qdbus_cast<StatusIconPixmapList>(itemProperty(QStringLiteral("IconPixmap")));
        return pixmaps.isEmpty() ? QByteArray() : pixmaps.last().bytes;
    }

    FakePlatform platform;
    platform::Signal<> zoneChanged;
    platform::qt::LabelGuide guide;
    TempFolder folder;
    PrivateBus bus;
    QDBusConnection itemBus = bus.connect(QStringLiteral("item"));
    QDBusConnection panelBus = bus.connect(QStringLiteral("panel"));
    QString service = QStringLiteral("org.kde.StatusNotifierItem-%1-1").arg(::getpid());
};

TEST_F(PanelIconTest, ThePanelsProcessChoosesTheIconAndAnotherPanelChangesIt)
{
    const QByteArray face = platform::qt::clockFacePixmaps(10, 8).last().bytes;
    const QByteArray plain = platform::qt::clockIconPixmaps().last().bytes;
    auto labelPanel = std::make_unique<NamedPanel>(folder, bus, QStringLiteral("mate-panel"));
    ASSERT_TRUE(watcherOwned());

    platform::qt::DesktopStatusItem item({itemBus, guide, {}, {}, {}, {}}, service);
    item.setTitle("10:08");
    item.setGlance({10, 8, "2025年11月19日星期三 10:08"});
    EXPECT_EQ(item.iconStyle(), StatusIconStyle::plain);
    EXPECT_EQ(largestPixmap(), plain);

    labelPanel.reset();
    NamedPanel iconPanel(folder, bus, QStringLiteral("xfce4-panel"));
    ASSERT_TRUE(spinUntil([&] { return item.iconStyle() == StatusIconStyle::clockFace; }));
    EXPECT_EQ(largestPixmap(), face);
    EXPECT_EQ(itemProperty(QStringLiteral("IconName")).toString(), QString())
        << "no icon name, or a host that prefers a themed icon would never show the face";
    EXPECT_EQ(itemProperty(QStringLiteral("Title")).toString(), QStringLiteral("10:08"));
}

} // namespace
} // namespace horalet::testing
