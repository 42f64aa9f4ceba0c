import QtQuick
import QtQuick.Shapes
import ARDIX 1.0
import "LapTexts.js" as LapTexts

// Time lost (up) or gained (down) along the lap against the log's best lap: every lap in grey,
// the chosen lap in yellow. Hovering places the cursor (a lap distance), whose delta is read out.
Rectangle {
    id: root
    property var plot: null
    property int lap: -1
    // Lap distance of the cursor in metres; below 0: none.
    property real cursorDistance: -1
    signal cursorRequested(real distance)
    readonly property real cursorDelta: ready && cursorDistance >= 0 ? plot.deltaAt(lap, cursorDistance) : NaN
    readonly property real ps: AppStyle.pixelScale
    readonly property bool ready: plot !== null && plot.ready
    readonly property bool hasData: ready && plot.maxDistance > 0
    color: AppStyle.deepColor
    border.color: AppStyle.surfaceColor
    Accessible.role: Accessible.Graphic
    Accessible.name: qsTr("Разница с лучшим кругом")

    Text {
        id: caption
        x: 10 * root.ps
        y: 6 * root.ps
        text: qsTr("РАЗНИЦА С ЛУЧШИМ КРУГОМ")
        color: AppStyle.borderColor
        font.pixelSize: AppStyle.basicFontSize * 0.85
    }
    Text {
        objectName: "finalDelta"
        anchors.right: parent.right
        anchors.rightMargin: 10 * root.ps
        y: caption.y
        visible: root.hasData && root.plot.hasDelta(root.lap)
        text: root.ready ? LapTexts.deltaText(root.plot.finalDeltaMs(root.lap)) : ""
        color: root.ready && root.plot.finalDeltaMs(root.lap) > 0 ? AppStyle.errorLightColor : AppStyle.paleGreenColor
        font.pixelSize: AppStyle.basicFontSize
    }

    Item {
        id: area
        x: 56 * root.ps
        y: caption.y + caption.height + 6 * root.ps
        width: parent.width - x - 10 * root.ps
        height: parent.height - y - 26 * root.ps
        visible: root.hasData

        Rectangle { width: parent.width; height: 1; y: parent.height / 2; color: AppStyle.midGreyColor }
        Rectangle { width: parent.width; height: 1; y: 0; color: AppStyle.surfaceColor }
        Rectangle { width: parent.width; height: 1; y: parent.height - 1; color: AppStyle.surfaceColor }
        Text {
            anchors.right: parent.left; anchors.rightMargin: 6 * root.ps; y: -height / 2
            text: root.ready ? LapTexts.deltaText(root.plot.deltaRangeMs) : ""
            color: AppStyle.errorLightColor; font.pixelSize: AppStyle.basicFontSize * 0.75
        }
        Text {
            anchors.right: parent.left; anchors.rightMargin: 6 * root.ps; y: parent.height / 2 - height / 2
            text: "0"
            color: AppStyle.borderColor; font.pixelSize: AppStyle.basicFontSize * 0.75
        }
        Text {
            anchors.right: parent.left; anchors.rightMargin: 6 * root.ps; y: parent.height - height / 2
            text: root.ready ? LapTexts.deltaText(-root.plot.deltaRangeMs) : ""
            color: AppStyle.paleGreenColor; font.pixelSize: AppStyle.basicFontSize * 0.75
        }
        Text {
            anchors.top: parent.bottom; anchors.topMargin: 4 * root.ps
            text: qsTr("0 м")
            color: AppStyle.borderColor; font.pixelSize: AppStyle.basicFontSize * 0.75
        }
        Text {
            anchors.top: parent.bottom; anchors.topMargin: 4 * root.ps; anchors.right: parent.right
            text: root.ready ? Math.round(root.plot.maxDistance) + qsTr(" м") : ""
            color: AppStyle.borderColor; font.pixelSize: AppStyle.basicFontSize * 0.75
        }

        // Legend, under the axis between its ends.
        Row {
            objectName: "deltaLegend"
            anchors.top: parent.bottom
            anchors.topMargin: 6 * root.ps
            anchors.horizontalCenter: parent.horizontalCenter
            spacing: 8 * root.ps
            Rectangle { width: 22 * root.ps; height: 3 * root.ps; anchors.verticalCenter: parent.verticalCenter; color: AppStyle.amberColor }
            Text {
                text: qsTr("круг %1").arg(root.lap + 1)
                color: AppStyle.borderColor; font.pixelSize: AppStyle.basicFontSize * 0.7
            }
            Rectangle { width: 22 * root.ps; height: 2 * root.ps; anchors.verticalCenter: parent.verticalCenter; color: AppStyle.mutedTextColor }
            Text {
                text: qsTr("другие круги")
                color: AppStyle.borderColor; font.pixelSize: AppStyle.basicFontSize * 0.7
            }
        }

        Repeater {
            model: root.ready ? root.plot.lapCount : 0
            delegate: Shape {
                required property int index
                anchors.fill: parent
                visible: index !== root.lap && root.plot.hasDelta(index)
                ShapePath {
                    strokeColor: AppStyle.mutedTextColor
                    strokeWidth: 1.5
                    fillColor: AppStyle.clearColor
                    PathPolyline { path: root.plot.deltaPath(index, area.width, area.height) }
                }
            }
        }
        Shape {
            anchors.fill: parent
            ShapePath {
                strokeColor: AppStyle.amberColor
                strokeWidth: 2.5
                fillColor: AppStyle.clearColor
                joinStyle: ShapePath.RoundJoin
                PathPolyline { path: root.ready ? root.plot.deltaPath(root.lap, area.width, area.height) : [] }
            }
        }

        Rectangle {
            objectName: "deltaCursor"
            visible: root.cursorDistance >= 0 && root.cursorDistance <= root.plot.maxDistance
            x: root.cursorDistance / root.plot.maxDistance * area.width
            width: 1
            height: area.height
            color: AppStyle.lightTextColor
        }
        Text {
            objectName: "deltaReadout"
            visible: root.cursorDistance >= 0 && root.cursorDistance <= root.plot.maxDistance
            x: Math.max(0, Math.min(area.width - width, root.cursorDistance / root.plot.maxDistance * area.width + 6 * root.ps))
            y: 2 * root.ps
            text: Math.round(root.cursorDistance) + qsTr(" м   %1").arg(isNaN(root.cursorDelta) ? "-.-" : LapTexts.deltaText(Math.round(root.cursorDelta)))
            color: AppStyle.lightTextColor
            font.pixelSize: AppStyle.basicFontSize * 0.8
            style: Text.Outline
            styleColor: AppStyle.deepColor
        }
        MouseArea {
            anchors.fill: parent
            hoverEnabled: true
            cursorShape: Qt.CrossCursor
            function place(x) { root.cursorRequested(Math.max(0, Math.min(1, x / width)) * root.plot.maxDistance) }
            onPositionChanged: (mouse) => place(mouse.x)
            onClicked: (mouse) => place(mouse.x)
        }
    }
    Text {
        anchors.centerIn: parent
        width: parent.width * 0.9
        visible: !root.hasData
        text: root.plot && root.plot.loading ? "..." : qsTr("нужно два круга и больше")
        color: AppStyle.midGreyColor
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pixelSize: AppStyle.basicFontSize
    }
}
