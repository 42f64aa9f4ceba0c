import QtQuick
import QtQuick.Shapes
import ARDIX 1.0

// The circuit from the log's GPS, north up: every lap in grey, the chosen lap in yellow, the start
// line in red.
Rectangle {
    id: root
    property var plot: null
    property int lap: -1
    readonly property real margin: 12 * AppStyle.pixelScale
    readonly property bool ready: plot !== null && plot.ready
    color: "#151515"
    border.color: "#333"
    Accessible.role: Accessible.Graphic
    Accessible.name: "Карта трассы"

    Shape {
        anchors.fill: parent
        visible: root.ready && root.plot.hasTrack
        ShapePath {
            strokeColor: "#5c5f66"
            strokeWidth: 2
            fillColor: "transparent"
            joinStyle: ShapePath.RoundJoin
            PathPolyline { path: root.ready ? root.plot.trackPath(root.width, root.height, root.margin) : [] }
        }
        ShapePath {
            strokeColor: "#f2c94c"
            strokeWidth: 3
            fillColor: "transparent"
            joinStyle: ShapePath.RoundJoin
            PathPolyline { path: root.ready ? root.plot.lapPath(root.lap, root.width, root.height, root.margin) : [] }
        }
        ShapePath {
            strokeColor: "#e0302a"
            strokeWidth: 5
            fillColor: "transparent"
            capStyle: ShapePath.RoundCap
            PathPolyline { path: root.ready ? root.plot.startLinePath(root.width, root.height, root.margin) : [] }
        }
    }
    Text {
        anchors.centerIn: parent
        width: parent.width * 0.9
        visible: !root.ready || !root.plot.hasTrack
        text: root.plot && root.plot.loading ? "..." : "нет данных GPS"
        color: "#6b6f76"
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: AppStyle.basicFontSize
    }
}
