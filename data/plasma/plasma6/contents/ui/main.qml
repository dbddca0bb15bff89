// The running Horalet clock's text in the panel (Plasma 6.4 or later). The
// text comes from the program itself: the widget follows the status
// notifier item's title signal on the session bus and reads the new title,
// so nothing here polls or starts a process. A left click asks the item to
// pop up Horalet's own menu at the click, a middle click its settings
// window.
import QtQuick
import org.kde.plasma.plasmoid
import org.kde.plasma.core as PlasmaCore
import org.kde.kirigami as Kirigami
import org.kde.plasma.workspace.dbus as DBus

PlasmoidItem {
    id: root

    // The Id the program gives its status notifier item.
    readonly property string applicationId: "@HORALET_APPLICATION_ID@"
    readonly property string itemInterface: "org.kde.StatusNotifierItem"
    readonly property string watcherService: "org.kde.StatusNotifierWatcher"

    // Where Horalet's item is on the bus; empty while it is not running.
    property string itemService: ""
    property string itemPath: ""
    property string clockText: ""
    // Calls still waiting for their answers, kept from the collector.
    property var pendingCalls: []

    preferredRepresentation: fullRepresentation
    Plasmoid.backgroundHints: PlasmaCore.Types.NoBackground
    Plasmoid.icon: applicationId
    toolTipMainText: itemService && clockText ? clockText : "Horalet"
    toolTipSubText: itemService && clockText ? "" : "Horalet 没有在运行"

    function call(service, path, iface, member, args, signature, answered) {
        const reply = DBus.SessionBus.asyncCall({
            "service": service,
            "path": path,
            "iface": iface,
            "member": member,
            "arguments": args,
            "signature": signature
        } as DBus.dbusMessage);
        pendingCalls.push(reply);
        reply.finished.connect(() => {
            pendingCalls.splice(pendingCalls.indexOf(reply), 1);
            if (!reply.isError && answered) {
                answered(reply.value);
            }
        });
    }

    function readProperty(service, path, iface, name, answered) {
        call(service, path, "org.freedesktop.DBus.Properties", "Get", [iface, name], "ss", answered);
    }

    // Asks the watcher for every registered item and keeps the one whose Id
    // is Horalet's.
    function findItem() {
        readProperty(watcherService, "/StatusNotifierWatcher", watcherService, "RegisteredStatusNotifierItems", entries => {
            for (const entry of entries) {
                const slash = entry.indexOf("/");
                const service = entry.slice(0, slash);
                const path = entry.slice(slash);
                readProperty(service, path, itemInterface, "Id", id => {
                    if (id === applicationId) {
                        itemService = service;
                        itemPath = path;
                        readTitle();
                    }
                });
            }
        });
    }

    function readTitle() {
        readProperty(itemService, itemPath, itemInterface, "Title", title => {
            clockText = title;
        });
    }

    function callItem(member, point) {
        call(itemService, itemPath, itemInterface, member, [Math.round(point.x), Math.round(point.y)], "ii");
    }

    Component.onCompleted: findItem()

    DBus.SignalWatcher {
        service: root.watcherService
        path: "/StatusNotifierWatcher"
        iface: root.watcherService

        function dbusStatusNotifierItemRegistered(entry) {
            root.findItem();
        }
        function dbusStatusNotifierItemUnregistered(entry) {
            if (entry === root.itemService + root.itemPath) {
                root.itemService = "";
                root.itemPath = "";
            }
        }
    }

    DBus.SignalWatcher {
        enabled: root.itemService !== ""
        service: root.itemService
        path: root.itemPath
        iface: root.itemInterface

        function dbusNewTitle() {
            root.readTitle();
        }
    }

    fullRepresentation: ClockText {
        clockText: root.itemService ? root.clockText : ""
        vertical: Plasmoid.formFactor === PlasmaCore.Types.Vertical
        color: Kirigami.Theme.textColor
        spacing: Kirigami.Units.smallSpacing

        onActivated: (button, screenPoint) => {
            root.callItem(button === Qt.MiddleButton ? "SecondaryActivate" : "Activate", screenPoint);
        }
    }
}
