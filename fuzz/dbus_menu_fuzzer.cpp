// The panel's calls into the program over D-Bus: the dbusmenu methods and
// the status item's properties, each with arguments from the input,
// delivered by QtDBus over a private peer-to-peer connection exactly as a
// panel's calls arrive, so the handlers run with their D-Bus context.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusServer>
#include <QDBusVariant>
#include <cstdlib>
#include <memory>
#include <optional>

#include "fuzz_fields.h"
#include "platform/qt/shell/desktop/dbus_menu_exporter.h"
#include "platform/qt/shell/desktop/status_notifier_item.h"
#include "platform/shell/menu.h"

namespace {

using namespace horalet::platform;

enum Field { method, first, second, third, fourth, fieldCount };

const QString kMenuInterface = QStringLiteral("com.canonical.dbusmenu");
const QString kItemInterface = QStringLiteral("org.kde.StatusNotifierItem");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

// Fills the header in at every opening, from the input, as the clock
// fills in the date.
class HeaderDelegate final : public shell::MenuDelegate {
public:
    void menuWillOpen(shell::Menu& menu) override { menu.items().front()->setTitle(header); }
    std::string header;
};

struct Rig {
    Rig()
    {
        menu = std::make_shared<shell::Menu>();
        for (const char* title : {"header", "local_time", "安装更新", "设置…", "检查更新", "登录时打开", "退出"}) {
            menu->addItem(std::make_shared<shell::MenuItem>(
                title, [this] { ++performed; }, title[0] == 'h' ? "" : "q"));
        }
        menu->addItem(shell::MenuItem::separatorItem());
        menu->items()[2]->setHidden(true);
        menu->items()[5]->setState(shell::ItemState::on);
        menu->items()[4]->setEnabled(false);
        menu->setDelegate(&delegate);
        exporter = std::make_unique<qt::DBusMenuExporter>(menu);
        menu->setChangeListener([this](const shell::MenuItem& changed) { exporter->itemChanged(changed); });
        item = std::make_unique<qt::StatusNotifierItem>(QStringLiteral("horalet"),
            qt::ThemeIcon{QStringLiteral("horalet"), QString()}, qt::StatusIconPixmapList{},
            QDBusObjectPath(qt::DBusMenuExporter::objectPath()), qt::StatusItemClicks{[](const QPoint&) {}, [] {}});

        QObject::connect(&server, &QDBusServer::newConnection, [this](const QDBusConnection& connection) {
            serverSide = connection;
            serverSide->registerObject(qt::DBusMenuExporter::objectPath(), exporter.get(),
                QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals
                    | QDBusConnection::ExportAllProperties);
            serverSide->registerObject(qt::StatusNotifierItem::objectPath(), item.get(),
                QDBusConnection::ExportAllProperties | QDBusConnection::ExportAllSignals);
        });
        client = QDBusConnection::connectToPeer(server.address(), QStringLiteral("panel"));
        while (!serverSide) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }

    int performed = 0;
    HeaderDelegate delegate;
    std::shared_ptr<shell::Menu> menu;
    std::unique_ptr<qt::DBusMenuExporter> exporter;
    std::unique_ptr<qt::StatusNotifierItem> item;
    QDBusServer server{QStringLiteral("unix:tmpdir=/tmp")};
    std::optional<QDBusConnection> serverSide;
    QDBusConnection client{QString()};
};

int number(const std::string& text)
{
    return static_cast<int>(std::strtoll(text.c_str(), nullptr, 0));
}

QString string(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QStringList strings(const std::string& text)
{
    return text.empty() ? QStringList{} : string(text).split(QLatin1Char(','));
}

QList<int> numbers(const std::string& text)
{
    QList<int> values;
    for (const QString& part : strings(text)) {
        values.append(part.toInt());
    }
    return values;
}

QDBusMessage call(const QString& path, const QString& interface, const QString& name, const QVariantList& args)
{
    QDBusMessage message = QDBusMessage::createMethodCall(QString(), path, interface, name);
    message.setArguments(args);
    return message;
}

QDBusMessage messageFor(const std::vector<std::string>& in)
{
    const QString menuPath = qt::DBusMenuExporter::objectPath();
    const QString itemPath = qt::StatusNotifierItem::objectPath();
    const unsigned char selector = in[method].empty() ? 0 : static_cast<unsigned char>(in[method][0]);
    switch (selector % 11) {
    case 0:
        return call(menuPath, kMenuInterface, QStringLiteral("GetLayout"),
            {number(in[first]), number(in[second]), strings(in[third])});
    case 1:
        return call(menuPath, kMenuInterface, QStringLiteral("GetGroupProperties"),
            {QVariant::fromValue(numbers(in[first])), strings(in[second])});
    case 2:
        return call(menuPath, kMenuInterface, QStringLiteral("GetProperty"), {number(in[first]), string(in[second])});
    case 3:
        return call(menuPath, kMenuInterface, QStringLiteral("Event"),
            {number(in[first]), string(in[second]), QVariant::fromValue(QDBusVariant(string(in[third]))),
                static_cast<uint>(number(in[fourth]))});
    case 4: {
        qt::DBusMenuEventList events;
        const QList<int> ids = numbers(in[first]);
        const QStringList names = strings(in[second]);
        for (qsizetype i = 0; i < ids.size(); ++i) {
            events.append(qt::DBusMenuEvent{
                ids[i], i < names.size() ? names[i] : QString(), QDBusVariant(QVariant(0)), static_cast<uint>(i)});
        }
        return call(menuPath, kMenuInterface, QStringLiteral("EventGroup"), {QVariant::fromValue(events)});
    }
    case 5:
        return call(menuPath, kMenuInterface, QStringLiteral("AboutToShow"), {number(in[first])});
    case 6:
        return call(
            menuPath, kMenuInterface, QStringLiteral("AboutToShowGroup"), {QVariant::fromValue(numbers(in[first]))});
    case 7:
        return call(menuPath, kProperties, QStringLiteral("Get"), {string(in[first]), string(in[second])});
    case 8:
        return call(itemPath, kProperties, QStringLiteral("Get"), {kItemInterface, string(in[first])});
    case 9:
        return call(selector & 0x80 ? itemPath : menuPath, kProperties, QStringLiteral("GetAll"), {string(in[first])});
    default:
        // Arguments of the wrong types for a method that exists.
        return call(menuPath, kMenuInterface, string(in[first]), {string(in[second]), number(in[third])});
    }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QCoreApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Rig rig;
    const std::vector<std::string> in = horalet::fuzz::fields(data, size, fieldCount);
    rig.delegate.header = in[fourth];
    const QDBusMessage reply = rig.client.call(messageFor(in), QDBus::BlockWithGui, 5000);
    if (reply.type() == QDBusMessage::ErrorMessage
        && reply.errorName() == QStringLiteral("org.freedesktop.DBus.Error.NoReply")) {
        std::abort();
    }
    // Let the chosen item run and the changes go out.
    QCoreApplication::processEvents();
    return 0;
}
