// The running Horalet clock's text in the panel (Plasma 5). The text comes
// from the program itself: the status notifier engine that Plasma's tray
// also uses follows the item's title signal, so nothing here polls or
// starts a process. A left click asks the item to pop up Horalet's own
// menu at the widget, a middle click its settings window; the right click
// stays Plasma's, for the widget's own menu.
import QtQuick 2.15
import QtQuick.Layouts 1.15
import org.kde.plasma.plasmoid 2.0
import org.kde.plasma.core 2.0 as PlasmaCore
import org.kde.plasma.components 3.0 as PlasmaComponents3

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
    Plasmoid.toolTipMainText: itemSource ? clockText : "Horalet"
    Plasmoid.toolTipSubText: itemSource ? "" : "Horalet 没有在运行"
    Plasmoid.icon: applicationId

    PlasmaCore.DataSource {
        id: items
        engine: "statusnotifieritem"
        connectedSources: sources
    }

    function callItem(operationName, point) {
        const service = items.serviceForSource(itemSource);
        const operation = service.operationDescription(operationName);
        operation.x = Math.round(point.x);
        operation.y = Math.round(point.y);
        service.startOperationCall(operation);
    }

    Plasmoid.fullRepresentation: MouseArea {
        id: area

        readonly property bool vertical: Plasmoid.formFactor === PlasmaCore.Types.Vertical

        Layout.minimumWidth: vertical ? -1 : label.steadyWidth
        Layout.preferredWidth: Layout.minimumWidth
        Layout.maximumWidth: Layout.minimumWidth
        Layout.minimumHeight: vertical ? label.implicitHeight : -1
        Layout.fillHeight: !vertical
        Layout.fillWidth: vertical

        acceptedButtons: Qt.LeftButton | Qt.MiddleButton
        enabled: root.itemSource !== ""
        onClicked: mouse => {
            // The click's own screen point, as Plasma's tray passes it: a
            // menu popped up there opens away from the panel's edge.
            root.callItem(mouse.button === Qt.MiddleButton ? "SecondaryActivate" : "Activate",
                          area.mapToGlobal(mouse.x, mouse.y));
        }

        PlasmaComponents3.Label {
            id: label

            // The width only grows while the text keeps its shape, so the
            // panel does not shift as proportional digits change each second;
            // a different format starts afresh.
            property real steadyWidth: 0
            property string shape: ""

            anchors.centerIn: parent
            width: parent.vertical ? parent.width : steadyWidth
            text: root.itemSource ? root.clockText : "Horalet"
            opacity: root.itemSource ? 1 : 0.6
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: parent.vertical ? Text.WrapAtWordBoundaryOrAnywhere : Text.NoWrap
            maximumLineCount: parent.vertical ? 3 : 1
            elide: Text.ElideNone

            function measure() {
                const textShape = text.replace(/[0-9]/g, "0");
                if (textShape !== shape) {
                    shape = textShape;
                    steadyWidth = 0;
                }
                steadyWidth = Math.max(steadyWidth, implicitWidth + PlasmaCore.Units.smallSpacing * 2);
            }

            onImplicitWidthChanged: measure()
            onTextChanged: measure()
        }
    }
}
