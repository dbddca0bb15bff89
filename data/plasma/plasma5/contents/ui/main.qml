// The running Horalet clock's text in the panel (Plasma 5). The text comes
// from the program itself: the status notifier engine that Plasma's tray
// also uses follows the item's title signal, so nothing here polls or
// starts a process. A left click asks the item to pop up Horalet's own
// menu at the click, a middle click its settings window.
import QtQuick 2.15
import org.kde.plasma.plasmoid 2.0
import org.kde.plasma.core 2.0 as PlasmaCore

Item {
    id: root

    // The Id the program gives its status notifier item.
    readonly property string applicationId: "@HORALET_APPLICATION_ID@"

    readonly property string itemSource: {
        for (const source of items.sources) {
            const item = items.data[source];
            if (item && item.Id === applicationId) {
                return source;
            }
        }
        return "";
    }
    readonly property string clockText: itemSource ? (items.data[itemSource].Title || "") : ""

    Plasmoid.preferredRepresentation: Plasmoid.fullRepresentation
    Plasmoid.backgroundHints: PlasmaCore.Types.NoBackground
    Plasmoid.toolTipMainText: clockText || "Horalet"
    Plasmoid.toolTipSubText: clockText ? "" : "Horalet 没有在运行"
    Plasmoid.icon: applicationId

    PlasmaCore.DataSource {
        id: items
        engine: "statusnotifieritem"
        connectedSources: sources
    }

    Plasmoid.fullRepresentation: ClockText {
        clockText: root.clockText
        vertical: Plasmoid.formFactor === PlasmaCore.Types.Vertical
        color: PlasmaCore.ColorScope.textColor
        spacing: PlasmaCore.Units.smallSpacing

        onActivated: (button, screenPoint) => {
            const service = items.serviceForSource(root.itemSource);
            const operation = service.operationDescription(button === Qt.MiddleButton ? "SecondaryActivate" : "Activate");
            operation.x = Math.round(screenPoint.x);
            operation.y = Math.round(screenPoint.y);
            service.startOperationCall(operation);
        }
    }
}
