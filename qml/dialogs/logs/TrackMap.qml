import QtQuick
import QtQuick.Shapes
import ARDIX 1.0

// The circuit from the log's GPS, north up: every lap in grey, the chosen lap in yellow, the start
// line in red, the cursor's place on the chosen lap; a click on the map moves the cursor there.
Rectangle {
    id: root
    property var plot: null
    property int lap: -1
    // Lap distance of the cursor in metres; below 0: none.
    property real cursorDistance: -1
    signal distanceClicked(real distance)
    readonly property point cursorPoint: ready && cursorDistance >= 0
                                         ? plot.lapPointAt(lap, cursorDistance, width, height, margin) : Qt.point(-1, -1)
    readonly property real margin: 12 * AppStyle.pixelScale
    readonly property bool ready: plot !== null && plot.ready
    color: AppStyle.deepColor
    border.color: AppStyle.surfaceColor
    Accessible.role: Accessible.Graphic
    Accessible.name: qsTr("Карта трассы")

    Shape {
        anchors.fill: parent
        visible: root.ready && root.plot.hasTrack
        ShapePath {
            strokeColor: AppStyle.subtleTextColor
            strokeWidth: 2
            fillColor: AppStyle.clearColor
            joinStyle: ShapePath.RoundJoin
            PathPolyline { path: root.ready ? root.plot.trackPath(root.width, root.height, root.margin) : [] }
        }
        ShapePath {
            strokeColor: AppStyle.amberColor
            strokeWidth: 3
            fillColor: AppStyle.clearColor
            joinStyle: ShapePath.RoundJoin
            PathPolyline { path: root.ready ? root.plot.lapPath(root.lap, root.width, root.height, root.margin) : [] }
        }
        ShapePath {
            strokeColor: AppStyle.errorColor
            strokeWidth: 5
            fillColor: AppStyle.clearColor
            capStyle: ShapePath.RoundCap
            PathPolyline { path: root.ready ? root.plot.startLinePath(root.width, root.height, root.margin) : [] }
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
        anchors.fill: parent
        enabled: root.ready && root.lap >= 0
        cursorShape: Qt.CrossCursor
        onClicked: (mouse) => {
            const d = root.plot.lapDistanceAt(root.lap, mouse.x, mouse.y, root.width, root.height, root.margin)
            if (d >= 0)
                root.distanceClicked(d)
        }
    }
    Text {
        anchors.centerIn: parent
        width: parent.width * 0.9
        visible: !root.ready || !root.plot.hasTrack
        text: root.plot && root.plot.loading ? "..." : qsTr("нет данных GPS")
        color: AppStyle.midGreyColor
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: AppStyle.basicFontSize
    }
}
