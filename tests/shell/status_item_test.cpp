#include <gtest/gtest.h>

#include <array>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnectionInterface>
#include <QDBusObjectPath>
#include <QDBusVariant>
#include <QIcon>
#include <QMenu>
#include <QSvgRenderer>

#include "build_info.h"
#include "bus_recorder.h"
#include "desktop_item_bus.h"
#include "platform/qt/shell/desktop/clock_icon.h"
#include "platform/qt/shell/desktop/desktop_status_item.h"
#include "platform/qt/shell/desktop/qt_menu.h"
#include "platform/qt/shell/desktop/theme_icon.h"
#include "qt_test_support.h"
#include "support/fake_application.h"
#include "support/fake_platform.h"
#include "support/temp_folder.h"

namespace horalet::testing {
namespace {

using platform::shell::ItemState;
using platform::shell::MenuItem;
using namespace std::chrono_literals;

const QString kItemPath = QStringLiteral("/StatusNotifierItem");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kMenuPath = QStringLiteral("/MenuBar");
const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");

// The menu's owner: fills the menu in before each opening and records the
// commands its items run.
class MenuOwner final : public platform::shell::MenuDelegate {
public:
    void menuWillOpen(platform::shell::Menu&) override
    {
        ++openings;
        header->setTitle("opened " + std::to_string(openings));
        login->setState(ItemState::on);
    }
    MenuItem::Action recording(std::string command)
    {
        return [this, command = std::move(command)] { actions.push_back(command); };
    }

    std::shared_ptr<MenuItem> header = std::make_shared<MenuItem>("9月_22日", nullptr, "");
    std::shared_ptr<MenuItem> login = std::make_shared<MenuItem>("开机自动启动", recording("toggleLogin"), "");
    int openings = 0;
    std::vector<std::string> actions;
};

class StatusItemTest : public ::testing::Test, protected DesktopItemBus {
protected:
    StatusItemTest()
    {
        watcher.setHostRegistered(true, false);
        guide.setSource(
            [] {
                return std::vector<std::string>{"1:00", "22:58:58", "9:05"};
            },
            platform.store.didChange, zoneChanged);
    }

    std::shared_ptr<platform::qt::DesktopStatusItem> makeItem(platform::qt::StatusWindowOptions window = {})
    {
        auto item = std::make_shared<platform::qt::DesktopStatusItem>(
            platform::qt::StatusItemParts{
                itemBus, guide, themeIcon, QStringList(), [this] { owner.actions.push_back("middle click"); }, window},
            service);
        auto menu = std::make_shared<platform::shell::Menu>();
        menu->setDelegate(&owner);
        owner.header->setEnabled(false);
        menu->addItem(owner.header);
        menu->addItem(MenuItem::separatorItem());
        menu->addItem(std::make_shared<MenuItem>("设置…", owner.recording("openSettings"), ","));
        menu->addItem(owner.login);
        menu->addItem(std::make_shared<MenuItem>(
            "退出", [this] { application.terminate(); }, "q"));
        item->setMenu(menu);
        item->button()->setTitle("23:47:05");
        return item;
    }

    QDBusMessage callItem(const QString& path, const QString& interface, const QString& method, QVariantList args)
    {
        QDBusMessage message = QDBusMessage::createMethodCall(service, path, interface, method);
        message.setArguments(args);
        return PrivateBus::call(panelBus, message);
    }

    QVariant itemProperty(const QString& name)
    {
        const QDBusMessage reply = callItem(kItemPath, QStringLiteral("org.freedesktop.DBus.Properties"),
            QStringLiteral("Get"), {kItemInterface, name});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << name.toStdString();
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    FakeApplication application;
    MenuOwner owner;
    TempFolder icons;
    platform::qt::ThemeIcon themeIcon = platform::qt::provideThemeIcon(icons.path());
};

TEST_F(StatusItemTest, RegistersWithTheWatcherAndAgainWheneverItRestarts)
{
    watcher.start();
    const auto item = makeItem();
    ASSERT_TRUE(spinUntil([&] { return watcher.registrations.size() == 1; }));
    const QString registered = itemBus.baseService() + kItemPath;
    EXPECT_EQ(watcher.registrations.first(), registered);
    EXPECT_TRUE(panelBus.interface()->isServiceRegistered(service)) << "the item keeps its well-known name too";
    ASSERT_TRUE(spinUntil([&] { return item->hadHost(); }));
    EXPECT_FALSE(item->showsWindow());

    watcher.stop();
    watcher.start();
    ASSERT_TRUE(spinUntil([&] { return watcher.registrations.size() == 2; }));
    EXPECT_EQ(watcher.registrations.last(), registered);
    EXPECT_FALSE(item->showsWindow()) << "a quick restart of the panel does not bring the window";
}

TEST_F(StatusItemTest, WithoutAHostAWindowShowsTheTitleAndGivesWayWhenAWatcherStartsLate)
{
    const auto item = makeItem();
    ASSERT_TRUE(spinUntil([&] { return item->showsWindow(); }));
    EXPECT_EQ(item->statusWindow()->title(), QStringLiteral("23:47:05"));
    item->button()->setTitle("23:47:06");
    EXPECT_EQ(item->statusWindow()->title(), QStringLiteral("23:47:06"));

    watcher.start();
    ASSERT_TRUE(spinUntil([&] { return watcher.registrations.size() == 1; }));
    EXPECT_TRUE(spinUntil([&] { return !item->showsWindow(); }));
}

TEST_F(StatusItemTest, AWindowTheUserChoseShowsBesideAHostAndTheItemKeepsOffTheBus)
{
    watcher.setHostRegistered(true, false);
    watcher.start();
    const auto item = makeItem({nullptr, true});
    EXPECT_TRUE(item->showsWindow());
    EXPECT_EQ(item->statusWindow()->title(), QStringLiteral("23:47:05"));
    // An item on the bus takes its name as it is made.
    EXPECT_FALSE(panelBus.interface()->isServiceRegistered(service).value()) << "never two clocks at once";
}

TEST_F(StatusItemTest, AWindowThatWaitsForAHostGivesWayWhenTheHostArrives)
{
    watcher.setHostRegistered(false, false);
    watcher.start();
    const auto item = makeItem();
    ASSERT_TRUE(spinUntil([&] { return item->showsWindow(); }));
    watcher.setHostRegistered(true, true);
    EXPECT_TRUE(spinUntil([&] { return !item->showsWindow(); }));
}

TEST_F(StatusItemTest, ExportsThePropertiesPanelsReadWithTheirTypes)
{
    watcher.start();
    const auto item = makeItem();
    EXPECT_EQ(itemProperty(QStringLiteral("Id")).toString(), QStringLiteral("horalet"));
    EXPECT_EQ(itemProperty(QStringLiteral("Category")).toString(), QStringLiteral("ApplicationStatus"));
    EXPECT_EQ(itemProperty(QStringLiteral("Status")).toString(), QStringLiteral("Active"));
    EXPECT_EQ(itemProperty(QStringLiteral("Title")).toString(), QStringLiteral("23:47:05"));
    EXPECT_EQ(itemProperty(QStringLiteral("XAyatanaLabel")).toString(), QStringLiteral("23:47:05"));
    EXPECT_EQ(itemProperty(QStringLiteral("XAyatanaLabelGuide")).toString(), QStringLiteral("22:58:58"));
    EXPECT_TRUE(itemProperty(QStringLiteral("ItemIsMenu")).toBool());
    EXPECT_EQ(itemProperty(QStringLiteral("Menu")).value<QDBusObjectPath>().path(), kMenuPath);
    EXPECT_EQ(itemProperty(QStringLiteral("IconName")).toString(), QStringLiteral("horalet"));
    EXPECT_EQ(itemProperty(QStringLiteral("IconThemePath")).toString(), QString::fromStdString(icons.path()));

    const auto toolTip = itemProperty(QStringLiteral("ToolTip")).value<QDBusArgument>();
    EXPECT_EQ(toolTip.currentSignature(), QStringLiteral("(sa(iiay)ss)"));
    const auto pixmaps = itemProperty(QStringLiteral("IconPixmap")).value<QDBusArgument>();
    EXPECT_EQ(pixmaps.currentSignature(), QStringLiteral("a(iiay)"));

    const QDBusMessage introspection
        = callItem(kItemPath, QStringLiteral("org.freedesktop.DBus.Introspectable"), QStringLiteral("Introspect"), {});
    const QString xml = introspection.arguments().value(0).toString();
    EXPECT_TRUE(xml.contains(QStringLiteral("XAyatanaNewLabel")));
    for (const char* method : {"Activate", "ContextMenu", "SecondaryActivate", "Scroll", "ProvideXdgActivationToken"}) {
        EXPECT_TRUE(xml.contains(QStringLiteral("<method name=\"%1\">").arg(QLatin1String(method)))) << method;
    }
    EXPECT_FALSE(xml.contains(QStringLiteral("deleteLater")));
}

// Hosts that do not draw the exported menu (MATE's left click, swaybar)
// ask the item to show it at the click; it pops up the program's own menu
// there, filled in the same way.
TEST_F(StatusItemTest, ActivateAndContextMenuPopUpTheFilledInMenuAtTheClick)
{
    watcher.start();
    const auto item = makeItem();
    for (const char* method : {"Activate", "ContextMenu"}) {
        const int before = owner.openings;
        const QDBusMessage reply = callItem(kItemPath, kItemInterface, QLatin1String(method), {120, 200});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << method << reply.errorMessage().toStdString();
        ASSERT_TRUE(spinUntil([] { return QApplication::activePopupWidget() != nullptr; })) << method;
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << method;
        EXPECT_TRUE(menu->isVisible()) << method;
        EXPECT_EQ(menu->pos(), QPoint(120, 200)) << method;
        EXPECT_EQ(owner.openings, before + 1) << method << ": the menu was filled in before it showed";
        EXPECT_EQ(menu->actions().first()->text(), QStringLiteral("opened %1").arg(before + 1)) << method;
        menu->close();
        ASSERT_TRUE(spinUntil([] { return QApplication::activePopupWidget() == nullptr; })) << method;
    }
}

TEST_F(StatusItemTest, MiddleClickOpensSettingsAndTheOtherCallsAreAnswered)
{
    watcher.start();
    const auto item = makeItem();
    const QDBusMessage middle = callItem(kItemPath, kItemInterface, QStringLiteral("SecondaryActivate"), {5, 6});
    EXPECT_EQ(middle.type(), QDBusMessage::ReplyMessage) << middle.errorMessage().toStdString();
    EXPECT_EQ(owner.actions, (std::vector<std::string>{"middle click"}));

    const QDBusMessage scroll
        = callItem(kItemPath, kItemInterface, QStringLiteral("Scroll"), {120, QStringLiteral("vertical")});
    EXPECT_EQ(scroll.type(), QDBusMessage::ReplyMessage) << scroll.errorMessage().toStdString();
    const QDBusMessage token
        = callItem(kItemPath, kItemInterface, QStringLiteral("ProvideXdgActivationToken"), {QStringLiteral("token-1")});
    EXPECT_EQ(token.type(), QDBusMessage::ReplyMessage) << token.errorMessage().toStdString();
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    EXPECT_EQ(owner.actions.size(), 1U);
}

TEST_F(StatusItemTest, EveryNewTitleIsSignalledWithTheLabelAndItsGuide)
{
    watcher.start();
    BusRecorder labels(panelBus, kItemPath, kItemInterface, QStringLiteral("XAyatanaNewLabel"));
    const auto item = makeItem();
    item->button()->setTitle("23:47:06");
    item->button()->setTitle("23:47:07");
    ASSERT_TRUE(spinUntil([&] { return labels.messages.size() == 3; }));
    EXPECT_EQ(
        labels.messages.last().arguments(), (QVariantList{QStringLiteral("23:47:07"), QStringLiteral("22:58:58")}));
}

// The face takes the place of the plain icon only where a panel shows the
// notifier item's icon alone: never for a window, nor while Plasma's own
// widget shows the clock and the tray tucks the item away.
TEST_F(StatusItemTest, TheFaceIsDrawnOnlyWhileAPanelShowsTheItemsIconAlone)
{
    watcher.start();
    TempFolder config;
    const ScopedEnvironmentVariable configHome("XDG_CONFIG_HOME", config.path().c_str());
    const std::string layout = config.file("plasma-org.kde.plasma.desktop-appletsrc");
    writeFile(layout, std::string("[Containments][2][Applets][16]\nplugin=") + build::kPlasmaWidgetId + "\n");
    // The face needs no menu: the items here have none.
    const auto itemAt = [this](platform::qt::StatusWindowOptions window, const QStringList& desktops) {
        auto item = std::make_unique<platform::qt::DesktopStatusItem>(
            platform::qt::StatusItemParts{itemBus, guide, themeIcon, desktops, [] {}, window}, service);
        item->setGlance({10, 8, "Wednesday"});
        return item;
    };
    const auto showsFace
        = [](const platform::qt::DesktopStatusItem& item) { return item.notifierItem().iconName().isEmpty(); };
    const struct {
        const char* where;
        platform::qt::StatusWindowOptions window;
        QStringList desktops;
        bool face;
    } cases[] = {
        {"on a panel", {}, {}, true},
        {"in the window the user chose", {nullptr, true}, {}, false},
        {"behind Plasma's widget", {}, {QStringLiteral("KDE")}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(showsFace(*itemAt(c.window, c.desktops)), c.face) << c.where;
    }

    const auto item = itemAt({}, {QStringLiteral("KDE")});
    writeFile(layout, "[Containments][2][Applets][16]\nplugin=org.kde.plasma.digitalclock\n");
    EXPECT_TRUE(spinUntil([&] { return showsFace(*item); })) << "the widget gone, the tray shows the item's icon";
}

TEST_F(StatusItemTest, TheLayoutCarriesTheItemsWithStableIdsAndTheirProperties)
{
    watcher.start();
    const auto item = makeItem();
    const QDBusMessage reply = callItem(kMenuPath, kMenuInterface, QStringLiteral("GetLayout"), {0, -1, QStringList()});
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    ASSERT_EQ(reply.signature(), QStringLiteral("u(ia{sv}av)"));
    const auto layout = qdbus_cast<platform::qt::DBusMenuLayoutItem>(reply.arguments().value(1));
    ASSERT_EQ(layout.children.size(), 5);
    for (int index = 0; index < 5; ++index) {
        EXPECT_EQ(layout.children[index].id, index + 1);
    }
    const auto& header = layout.children[0].properties;
    EXPECT_EQ(header.value(QStringLiteral("label")).toString(), QStringLiteral("opened 1"))
        << "the texts filled in at opening are current in the layout";
    EXPECT_FALSE(header.value(QStringLiteral("enabled")).toBool());
    EXPECT_EQ(layout.children[1].properties.value(QStringLiteral("type")).toString(), QStringLiteral("separator"));
    const auto shortcut
        = qdbus_cast<platform::qt::DBusMenuShortcut>(layout.children[2].properties.value(QStringLiteral("shortcut")));
    EXPECT_EQ(shortcut, (platform::qt::DBusMenuShortcut{{QStringLiteral("Control"), QStringLiteral(",")}}));
    const auto& login = layout.children[3].properties;
    EXPECT_EQ(login.value(QStringLiteral("toggle-type")).toString(), QStringLiteral("checkmark"));
    EXPECT_EQ(login.value(QStringLiteral("toggle-state")).metaType(), QMetaType::fromType<int>());
    EXPECT_EQ(login.value(QStringLiteral("toggle-state")).toInt(), 1);

    owner.header->setTitle("a_b");
    const QDBusMessage label
        = callItem(kMenuPath, kMenuInterface, QStringLiteral("GetProperty"), {1, QStringLiteral("label")});
    EXPECT_EQ(label.arguments().value(0).value<QDBusVariant>().variant().toString(), QStringLiteral("a__b"));
    const QDBusMessage group = callItem(kMenuPath, kMenuInterface, QStringLiteral("GetGroupProperties"),
        {QVariant::fromValue(QList<int>{3, 5}), QStringList{QStringLiteral("label")}});
    EXPECT_EQ(group.signature(), QStringLiteral("a(ia{sv})"));
    const auto items = qdbus_cast<platform::qt::DBusMenuItemList>(group.arguments().value(0));
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[1].properties, (QVariantMap{{QStringLiteral("label"), QStringLiteral("退出")}}));
}

TEST_F(StatusItemTest, AboutToShowFillsTheMenuInAndAnnouncesTheChangedItems)
{
    watcher.start();
    const auto item = makeItem();
    spinUntil([&] { return watcher.registrations.size() == 1; });
    owner.login->setState(ItemState::off);
    spinFor(20ms);
    BusRecorder updates(panelBus, kMenuPath, kMenuInterface, QStringLiteral("ItemsPropertiesUpdated"));
    const int before = owner.openings;

    const QDBusMessage reply = callItem(kMenuPath, kMenuInterface, QStringLiteral("AboutToShow"), {0});
    EXPECT_TRUE(reply.arguments().value(0).toBool());
    EXPECT_EQ(owner.openings, before + 1);
    ASSERT_TRUE(spinUntil([&] { return !updates.messages.isEmpty(); }));
    const auto updated = qdbus_cast<platform::qt::DBusMenuItemList>(updates.messages.last().arguments().value(0));
    QVariantMap loginChange;
    QString headerLabel;
    for (const auto& entry : updated) {
        if (entry.id == 4) {
            loginChange = entry.properties;
        }
        if (entry.id == 1) {
            headerLabel = entry.properties.value(QStringLiteral("label")).toString();
        }
    }
    EXPECT_EQ(headerLabel, QStringLiteral("opened %1").arg(before + 1));
    EXPECT_EQ(loginChange.value(QStringLiteral("toggle-state")).toInt(), 1);

    const QDBusMessage opened = callItem(kMenuPath, kMenuInterface, QStringLiteral("Event"),
        {0, QStringLiteral("opened"), QVariant::fromValue(QDBusVariant(0)), 0U});
    EXPECT_EQ(opened.type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(owner.openings, before + 2);
}

TEST_F(StatusItemTest, ClickedItemsRunTheirActionsAndQuitReachesTheApplication)
{
    watcher.start();
    const auto item = makeItem();
    const auto click = [&](int id) {
        return callItem(kMenuPath, kMenuInterface, QStringLiteral("Event"),
            {id, QStringLiteral("clicked"), QVariant::fromValue(QDBusVariant(0)), 0U});
    };
    EXPECT_EQ(click(3).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(click(4).type(), QDBusMessage::ReplyMessage);
    EXPECT_TRUE(spinUntil([&] { return owner.actions.size() == 2; }));
    EXPECT_EQ(owner.actions, (std::vector<std::string>{"openSettings", "toggleLogin"}));

    click(5);
    EXPECT_TRUE(spinUntil([&] { return application.terminations() == 1; }));
    EXPECT_EQ(click(99).type(), QDBusMessage::ErrorMessage);
}

// Panels that look the icon up by name in the theme and its theme path
// (the Ayatana ones) find it there even when the program is not installed.
TEST(ThemeIcon, TheThemePathHoldsTheIconWhereAThemeLookupFindsIt)
{
    TempFolder folder;
    const std::string file = folder.file("hicolor/scalable/apps/horalet.svg");
    const auto icon = platform::qt::provideThemeIcon(folder.path());
    EXPECT_EQ(icon.name, QStringLiteral("horalet"));
    EXPECT_EQ(icon.themePath, QString::fromStdString(folder.path()));
    EXPECT_TRUE(QSvgRenderer(QString::fromStdString(file)).isValid());

    const QStringList searchPaths = QIcon::themeSearchPaths();
    const QString themeName = QIcon::themeName();
    QIcon::setThemeSearchPaths({icon.themePath});
    QIcon::setThemeName(QStringLiteral("hicolor"));
    const QIcon found = QIcon::fromTheme(icon.name);
    EXPECT_FALSE(found.isNull());
    EXPECT_FALSE(found.pixmap(22, 22).isNull());
    QIcon::setThemeSearchPaths(searchPaths);
    QIcon::setThemeName(themeName);

    // An icon left by an older version is replaced.
    std::ofstream(file) << "<svg/>";
    platform::qt::provideThemeIcon(folder.path());
    std::ifstream written(file);
    const std::string contents((std::istreambuf_iterator<char>(written)), std::istreambuf_iterator<char>());
    EXPECT_EQ(QByteArray::fromStdString(contents), platform::qt::clockIconSvg());
}

TEST(ThemeIcon, AFolderThatCannotBeWrittenLeavesThePixmapsToThePanel)
{
    TempFolder folder;
    std::ofstream(folder.file("file")) << "not a folder";
    const auto icon = platform::qt::provideThemeIcon(folder.file("file"));
    EXPECT_TRUE(icon.themePath.isEmpty());
    EXPECT_TRUE(icon.name.isEmpty()) << "not installed in the system's theme either";
}

// The pixmaps are what KDE and others draw: big-endian ARGB at the usual
// sizes, with a light face and a dark rim so one of them stands out on any
// panel.
TEST(ClockIcon, PixmapsAreBigEndianArgbWithALightFaceAndADarkRim)
{
    const auto pixmaps = platform::qt::clockIconPixmaps();
    ASSERT_EQ(pixmaps.size(), 4);
    for (const auto& pixmap : pixmaps) {
        EXPECT_EQ(pixmap.width, pixmap.height);
        EXPECT_EQ(pixmap.bytes.size(), pixmap.width * pixmap.height * 4);
    }
    const auto& icon = pixmaps[1];
    ASSERT_EQ(icon.width, 22);
    const auto pixel = [&icon](int x, int y) {
        const auto* argb = reinterpret_cast<const unsigned char*>(icon.bytes.constData()) + (y * icon.width + x) * 4;
        return std::array<int, 4>{argb[0], argb[1], argb[2], argb[3]};
    };
    EXPECT_EQ(pixel(0, 0)[0], 0) << "a transparent corner";
    const auto face = pixel(7, 14);
    EXPECT_EQ(face[0], 255);
    EXPECT_GT(face[1] + face[2] + face[3], 3 * 200);
    const auto rim = pixel(11, 1);
    EXPECT_GT(rim[0], 200);
    EXPECT_LT(rim[1] + rim[2] + rim[3], 3 * 60);
}

TEST(QtMenu, OpeningFillsTheMenuInAndChoosingRunsTheAction)
{
    MenuOwner owner;
    auto menu = std::make_shared<platform::shell::Menu>();
    menu->setDelegate(&owner);
    menu->addItem(owner.header);
    menu->addItem(owner.login);
    platform::qt::QtMenu shown(menu);
    menu->setChangeListener([&](const MenuItem& item) { shown.itemChanged(item); });

    Q_EMIT shown.widget().aboutToShow();
    const auto actions = shown.widget().actions();
    ASSERT_EQ(actions.size(), 2);
    EXPECT_EQ(actions[0]->text(), QStringLiteral("opened 1"));
    EXPECT_TRUE(actions[1]->isChecked());
    owner.header->setHidden(true);
    EXPECT_FALSE(actions[0]->isVisible());

    actions[1]->trigger();
    EXPECT_TRUE(spinUntil([&] { return owner.actions.size() == 1; }));
}

} // namespace
} // namespace horalet::testing
