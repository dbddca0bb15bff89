#include <gtest/gtest.h>

#include <unistd.h>

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusMetaType>
#include <QDir>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>

#include "bus_recorder.h"
#include "desktop_item_bus.h"
#include "platform/qt/shell/desktop/desktop_status_item.h"
#include "platform/qt/shell/desktop/xapp_icon_manager.h"
#include "qt_test_support.h"
#include "support/fake_platform.h"

namespace horalet::testing {
namespace {

using platform::qt::XAppStatusIcon;
using platform::qt::XAppStatusItem;

const QString kMonitor = QStringLiteral("org.x.StatusIconMonitor.test_0");

class CountingDelegate final : public platform::shell::MenuDelegate {
public:
    void menuWillOpen(platform::shell::Menu&) override { ++openings; }
    int openings = 0;
};

// A desktop whose panel runs the XApp status applet (a monitor name on the
// bus) beside Cinnamon's bridge for notifier items (the watcher).
class XAppStatusItemTest : public ::testing::Test, protected DesktopItemBus {
protected:
    XAppStatusItemTest()
    {
        watcher.setHostRegistered(true, false);
        watcher.start();
        guide.setSource([] { return std::vector<std::string>{"22:58:58"}; }, platform.store.didChange, zoneChanged);
    }

    std::shared_ptr<platform::qt::DesktopStatusItem> makeItem()
    {
        auto item = std::make_shared<platform::qt::DesktopStatusItem>(
            platform::qt::StatusItemParts{
                itemBus, guide, {QStringLiteral("horalet"), QString()}, QStringList(), [] {}, {}},
            service);
        auto menu = std::make_shared<platform::shell::Menu>();
        menu->setDelegate(&delegate);
        menu->addItem(std::make_shared<platform::shell::MenuItem>(
            "退出", [] {}, "q"));
        item->setMenu(menu);
        item->button()->setTitle("23:47");
        item->button()->setGlance({23, 47, "Friday <23:47>"});
        return item;
    }

    bool owned(const QString& name) { return panelBus.interface()->isServiceRegistered(name).value(); }

    QDBusMessage callIcon(const QString& path, const QString& interface, const QString& method, QVariantList args)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(XAppStatusItem::serviceName(), path, interface, method);
        message.setArguments(args);
        return PrivateBus::call(panelBus, message);
    }

    CountingDelegate delegate;
};

TEST_F(XAppStatusItemTest, WithAnAppletTheClockIsAnXAppIconAndTheNotifierItemStaysAway)
{
    panelBus.registerService(kMonitor);
    const auto item = makeItem();
    ASSERT_TRUE(spinUntil([&] { return owned(XAppStatusItem::serviceName()); }));
    EXPECT_FALSE(owned(service)) << "Cinnamon's bridge would show the notifier item as a second clock";
    EXPECT_TRUE(watcher.registrations.isEmpty());
    EXPECT_FALSE(item->showsWindow());

    qDBusRegisterMetaType<platform::qt::DBusInterfaceProperties>();
    qDBusRegisterMetaType<platform::qt::DBusManagedObjects>();
    const QDBusMessage reply = callIcon(QStringLiteral("/org/x/StatusIcon"),
        QStringLiteral("org.freedesktop.DBus.ObjectManager"), QStringLiteral("GetManagedObjects"), {});
    ASSERT_EQ(reply.signature(), QStringLiteral("a{oa{sa{sv}}}")) << reply.errorMessage().toStdString();
    const auto objects = qdbus_cast<platform::qt::DBusManagedObjects>(reply.arguments().value(0));
    const QVariantMap icon = objects.value(QDBusObjectPath(QStringLiteral("/org/x/StatusIcon/Icon")))
                                 .value(QStringLiteral("org.x.StatusIcon"));
    EXPECT_EQ(icon.value(QStringLiteral("Label")).toString(), QStringLiteral("23:47"));
    EXPECT_EQ(icon.value(QStringLiteral("TooltipText")).toString(), QStringLiteral("Friday &lt;23:47&gt;"))
        << "the applet reads the tooltip as markup";
    EXPECT_EQ(icon.value(QStringLiteral("Name")).toString(), QStringLiteral("horalet"));
    EXPECT_TRUE(icon.value(QStringLiteral("Visible")).toBool());
    EXPECT_EQ(icon.value(QStringLiteral("IconSize")).metaType(), QMetaType::fromType<int>());

    const QDBusMessage introspection = callIcon(XAppStatusIcon::objectPath(),
        QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"), {});
    const QString xml = introspection.arguments().value(0).toString();
    EXPECT_TRUE(xml.contains(QStringLiteral("<method name=\"ButtonRelease\">")));
    EXPECT_TRUE(xml.contains(QStringLiteral("<property name=\"IconSize\" type=\"i\" access=\"readwrite\"/>")));
}

// The tooltip comes from the glance, as the notifier item's does: a
// tooltip made from the label would freeze the seconds the label last had.
TEST_F(XAppStatusItemTest, TheLabelAndTheGlancesTooltipCrossTheBusOnlyWhenEachChanges)
{
    panelBus.registerService(kMonitor);
    BusRecorder changes(panelBus, XAppStatusIcon::objectPath(), QStringLiteral("org.freedesktop.DBus.Properties"),
        QStringLiteral("PropertiesChanged"));
    const auto item = makeItem();
    ASSERT_TRUE(spinUntil([&] { return owned(XAppStatusItem::serviceName()); }));
    item->button()->setTitle("23:47");
    item->button()->setGlance({23, 47, "Friday <23:47>"});
    item->button()->setTitle("23:48");
    item->button()->setGlance({23, 48, "Friday <23:48>"});
    ASSERT_TRUE(spinUntil([&] { return changes.messages.size() >= 2; }));
    const auto changed = [&](int index) {
        const QList<QVariant> arguments = changes.messages.at(index).arguments();
        EXPECT_EQ(arguments.value(0).toString(), QStringLiteral("org.x.StatusIcon"));
        return qdbus_cast<QVariantMap>(arguments.value(1));
    };
    EXPECT_EQ(changed(0), (QVariantMap{{QStringLiteral("Label"), QStringLiteral("23:48")}}));
    EXPECT_EQ(changed(1), (QVariantMap{{QStringLiteral("TooltipText"), QStringLiteral("Friday &lt;23:48&gt;")}}))
        << "the applet reads the tooltip as markup";
}

TEST_F(XAppStatusItemTest, AReleasedPrimaryOrSecondaryButtonOpensTheMenuAtThePoint)
{
    panelBus.registerService(kMonitor);
    const auto item = makeItem();
    ASSERT_TRUE(spinUntil([&] { return owned(XAppStatusItem::serviceName()); }));
    const auto click = [&](const QString& method, uint button) {
        const QDBusMessage reply = callIcon(
            XAppStatusIcon::objectPath(), QStringLiteral("org.x.StatusIcon"), method, {40, 120, button, 0U, 2});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    };

    click(QStringLiteral("ButtonPress"), 2);
    click(QStringLiteral("ButtonRelease"), 2);
    click(QStringLiteral("ButtonPress"), 1);
    click(QStringLiteral("ButtonRelease"), 1);
    ASSERT_TRUE(spinUntil([&] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_EQ(delegate.openings, 1) << "the middle button opens nothing; the first opening is the left one";
    EXPECT_EQ(QApplication::activePopupWidget()->pos(), QPoint(40, 120));
    QApplication::activePopupWidget()->close();

    click(QStringLiteral("ButtonRelease"), 3);
    ASSERT_TRUE(spinUntil([&] { return QApplication::activePopupWidget() != nullptr; }));
    EXPECT_EQ(delegate.openings, 2);
    QApplication::activePopupWidget()->close();
}

TEST_F(XAppStatusItemTest, WhenTheAppletLeavesTheNotifierItemStandsInUntilItReturns)
{
    panelBus.registerService(kMonitor);
    const auto item = makeItem();
    ASSERT_TRUE(spinUntil([&] { return owned(XAppStatusItem::serviceName()); }));

    EXPECT_EQ(item->notifierItem().iconName(), QStringLiteral("horalet")) << "no face for an item off the bus";

    panelBus.unregisterService(kMonitor);
    ASSERT_TRUE(spinUntil([&] { return watcher.registrations.size() == 1; }));
    EXPECT_EQ(watcher.registrations.first(), itemBus.baseService() + QStringLiteral("/StatusNotifierItem"));
    EXPECT_FALSE(owned(XAppStatusItem::serviceName()));
    EXPECT_FALSE(item->showsWindow());
    EXPECT_TRUE(item->notifierItem().iconName().isEmpty()) << "the face, for the bridge that shows the icon alone";

    panelBus.registerService(kMonitor);
    ASSERT_TRUE(spinUntil([&] { return owned(XAppStatusItem::serviceName()); }));
    EXPECT_FALSE(owned(service));
}

TEST_F(XAppStatusItemTest, AnAppletThatStartsLaterTakesOverFromTheNotifierItem)
{
    const auto item = makeItem();
    ASSERT_TRUE(spinUntil([&] { return watcher.registrations.size() == 1; }));
    panelBus.registerService(kMonitor);
    ASSERT_TRUE(spinUntil([&] { return owned(XAppStatusItem::serviceName()); }));
    EXPECT_FALSE(owned(service));
}

TEST(IconFileOrName, TheSvgInTheItemsIconThemeByItsPathElseTheThemeName)
{
    QTemporaryDir themed;
    QTemporaryDir empty;
    QDir(themed.path()).mkpath(QStringLiteral("hicolor/scalable/apps"));
    QFile(themed.filePath(QStringLiteral("hicolor/scalable/apps/horalet.svg"))).open(QIODevice::WriteOnly);

    const struct {
        QString themeName;
        QString folder;
        QString expected;
    } cases[] = {
        {QStringLiteral("horalet"), themed.path(),
            themed.filePath(QStringLiteral("hicolor/scalable/apps/horalet.svg"))},
        {QStringLiteral("horalet"), empty.path(), QStringLiteral("horalet")},
        {QStringLiteral("horalet"), QString(), QStringLiteral("horalet")},
        {QString(), themed.path(), themed.filePath(QStringLiteral("hicolor/scalable/apps/horalet.svg"))},
        {QString(), empty.path(), QString()},
        {QString(), QString(), QString()},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(platform::qt::iconFileOrName({c.themeName, c.folder}), c.expected) << c.folder.toStdString();
    }
}

} // namespace
} // namespace horalet::testing
