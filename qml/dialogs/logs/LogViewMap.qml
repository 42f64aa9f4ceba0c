import QtQuick
import QtQuick.Shapes
import ARDIX 1.0

// The track of the log, north up, with the cursor's place on it; a click moves the cursor to the
// pass nearest the click (of the lap shown, and of its passes the one nearest the cursor).
Rectangle {
    id: root
    property var model: null
    property real cursorRecord: -1
    property int lap: -1
    readonly property real margin: 12 * AppStyle.pixelScale
    readonly property bool ready: model !== null && model.ready && model.hasTrack
    readonly property point cursorPoint: ready && cursorRecord >= 0
                                         ? model.mapPoint(cursorRecord, width, height, margin) : Qt.point(-1, -1)
    signal recordClicked(real record)

    color: AppStyle.deepColor
    border.color: AppStyle.surfaceColor
    activeFocusOnTab: true
    Accessible.role: Accessible.Graphic
    Accessible.name: qsTr("Карта трассы")

    Shape {
        anchors.fill: parent
        visible: root.ready
        ShapePath {
            strokeColor: AppStyle.subtleTextColor
            strokeWidth: 2
            fillColor: AppStyle.clearColor
            joinStyle: ShapePath.RoundJoin
            PathPolyline { path: root.ready ? root.model.trackPath(root.width, root.height, root.margin) : [] }
        }
    }
    Rectangle {
        objectName: "mapCursor"
        visible: root.cursorPoint.x >= 0
        width: 14 * AppStyle.pixelScale
        height: width
        radius: width / 2
        x: root.cursorPoint.x - width / 2
        y: root.cursorPoint.y - height / 2
        color: AppStyle.amberColor
        border.color: AppStyle.deepColor
        border.width: 2
    }
    MouseArea {
        objectName: "mapArea"
        anchors.fill: parent
        enabled: root.ready
        cursorShape: Qt.CrossCursor
        onClicked: (mouse) => {
            const r = root.model.recordFromMap(mouse.x, mouse.y, root.width, root.height, root.margin,
                                               root.cursorRecord, root.lap)
            if (r >= 0)
                root.recordClicked(r)
        }
    }
    Text {
        anchors.centerIn: parent
        width: parent.width * 0.9
        visible: !root.ready
        text: root.model && root.model.loading ? "..." : qsTr("нет данных GPS")
        color: AppStyle.midGreyColor
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pixelSize: AppStyle.basicFontSize
    }
}
