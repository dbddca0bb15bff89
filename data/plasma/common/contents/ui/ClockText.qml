// The clock's text as the panel shows it, and the clicks on it: the same in
// the widgets for Plasma 5 and Plasma 6, which differ only in how they reach
// the running program and in where Plasma keeps its colours.
import QtQuick 2.15
import QtQuick.Layouts 1.15

MouseArea {
    id: area

    // The running clock's text; empty while Horalet is not running.
    property string clockText: ""
    property bool vertical: false
    property alias color: label.color
    property real spacing: 0

    // A left or middle click, with its point on the screen.
    signal activated(int button, point screenPoint)

    Layout.minimumWidth: vertical ? -1 : label.steadyWidth
    Layout.preferredWidth: Layout.minimumWidth
    Layout.maximumWidth: Layout.minimumWidth
    Layout.minimumHeight: vertical ? label.implicitHeight : -1
    Layout.fillHeight: !vertical
    Layout.fillWidth: vertical

    // The right click stays Plasma's, for the widget's own menu.
    acceptedButtons: Qt.LeftButton | Qt.MiddleButton
    enabled: clockText !== ""
    // The click's own screen point, as Plasma's tray passes it: a menu
    // popped up there opens away from the panel's edge.
    onClicked: mouse => area.activated(mouse.button, area.mapToGlobal(mouse.x, mouse.y))

    Text {
        id: label

        // The width only grows while the text keeps its shape, so the panel
        // does not shift as proportional digits change each second; a
        // different format starts afresh.
        property real steadyWidth: 0
        property string shape: ""

        anchors.centerIn: parent
        width: area.vertical ? parent.width : steadyWidth
        text: area.clockText || "Horalet"
        opacity: area.clockText ? 1 : 0.6
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        wrapMode: area.vertical ? Text.WrapAtWordBoundaryOrAnywhere : Text.NoWrap
        maximumLineCount: area.vertical ? 3 : 1

        function measure() {
            const textShape = text.replace(/[0-9]/g, "0");
            if (textShape !== shape) {
                shape = textShape;
                steadyWidth = 0;
            }
            steadyWidth = Math.max(steadyWidth, implicitWidth + area.spacing * 2);
        }

        onImplicitWidthChanged: measure()
        onTextChanged: measure()
    }
}
