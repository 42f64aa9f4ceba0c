import QtQuick
import ARDIX 1.0

// One channel on the shared axis: the trace (and a second lap's over it), the value range at
// the left edge, lap crossings and the cursor.
Rectangle {
    id: root
    property var model: null
    property int channel: -1
    property string name: ""
    property string units: ""
    property int axis: 0
    property int lap: -1
    property int compareLap: -1
    property real from: 0
    property real to: 1
    property real cursorX: -1
    property var marks: []
    readonly property real ps: AppStyle.pixelScale
    readonly property alias plot: trace

    color: AppStyle.deepColor
    border.color: AppStyle.surfaceColor
    Accessible.role: Accessible.Graphic
    Accessible.name: name

    function unitText(v) { return Number(v).toFixed(Math.abs(trace.shownMax - trace.shownMin) < 10 ? 2 : 0) + (units !== "" ? " " + units : "") }

    LogPlotItem {
        id: trace
        objectName: "trace"
        anchors.fill: parent
        anchors.topMargin: 4 * root.ps
        anchors.bottomMargin: 4 * root.ps
        model: root.model
        channel: root.channel
        axis: root.axis
        lap: root.lap
        compareLap: root.compareLap
        from: root.from
        to: root.to
        color: AppStyle.amberColor
        compareColor: AppStyle.primaryColor
    }
    Repeater {
        model: root.marks
        delegate: Rectangle {
            required property var modelData
            x: (modelData - root.from) / (root.to - root.from) * root.width
            visible: x >= 0 && x <= root.width
            width: 1
            height: root.height
            color: AppStyle.errorColor
            opacity: 0.7
        }
    }
    Rectangle {
        objectName: "cursorLine"
        visible: root.cursorX >= root.from && root.cursorX <= root.to
        x: (root.cursorX - root.from) / (root.to - root.from) * root.width
        width: 1
        height: root.height
        color: AppStyle.lightTextColor
    }
    component Label: Text {
        color: AppStyle.midGreyColor
        font.pixelSize: AppStyle.smallFontSize
        // Readable over the trace.
        Rectangle { anchors.fill: parent; anchors.margins: -2 * root.ps; z: -1; color: AppStyle.deepColor; opacity: 0.75 }
    }
    Label {
        x: 6 * root.ps
        y: 2 * root.ps
        text: root.name
        color: AppStyle.lightTextColor
    }
    Label {
        anchors.right: parent.right
        anchors.rightMargin: 6 * root.ps
        y: 2 * root.ps
        text: root.unitText(trace.shownMax)
    }
    Label {
        anchors.right: parent.right
        anchors.rightMargin: 6 * root.ps
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 2 * root.ps
        text: root.unitText(trace.shownMin)
    }
}
