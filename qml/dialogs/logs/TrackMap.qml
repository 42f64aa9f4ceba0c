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
    color: AppStyle.deepColor
    border.color: AppStyle.surfaceColor
    Accessible.role: Accessible.Graphic
    Accessible.name: "Карта трассы"

    Shape {
        anchors.fill: parent
        visible: root.ready && root.plot.hasTrack
        ShapePath {
            strokeColor: AppStyle.subtleTextColor
            strokeWidth: 2
            fillColor: "transparent"
            joinStyle: ShapePath.RoundJoin
            PathPolyline { path: root.ready ? root.plot.trackPath(root.width, root.height, root.margin) : [] }
        }
        ShapePath {
            strokeColor: AppStyle.amberColor
            strokeWidth: 3
            fillColor: "transparent"
            joinStyle: ShapePath.RoundJoin
            PathPolyline { path: root.ready ? root.plot.lapPath(root.lap, root.width, root.height, root.margin) : [] }
        }
        ShapePath {
            strokeColor: AppStyle.errorColor
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
        color: AppStyle.midGreyColor
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: AppStyle.basicFontSize
    }
}
