import QtQuick
import ARDIX 1.0

// A table cell: the name (and units), a level bar at the left and the sample value, large.
BasicSensorItem {
    id: tc
    property bool peakBox: false
    readonly property real namePx: Math.max(height / 8.5, 23 * s)
    readonly property bool isGear: sensID === ArdixEnums.Gear_index
    isValueLevelVisible: true

    Rectangle { // level bar
        id: level
        visible: tc.isValueLevelVisible
        x: 6 * tc.s
        y: 10 * tc.s
        width: tc.width * 0.08
        height: tc.height - 20 * tc.s
        color: tc.warningActive ? AppStyle.errorColor : AppStyle.warningColor
        Rectangle {
            width: parent.width
            height: parent.height * (100 - tc.valueLevel) / 100
            color: AppStyle.surfaceColor
        }
    }
    Text {
        id: name
        anchors { left: level.right; leftMargin: 10 * tc.s; right: parent.right
                  rightMargin: 6 * tc.s; top: parent.top; topMargin: 8 * tc.s }
        textFormat: Text.StyledText
        text: "<font color='#84868F'>" + tc.sensorName.toUpperCase() + "</font>"
              + (tc.sensorUnits.length > 0 ? "<font color='#ffffff'> / " + tc.sensorUnits + "</font>" : "")
        font.pixelSize: tc.namePx
        elide: Text.ElideRight
    }
    Text {
        objectName: "tableValue"
        anchors { left: level.right; right: parent.right; bottom: parent.bottom; top: name.bottom }
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.Fit
        minimumPixelSize: 10
        text: tc.valueText
        color: tc.preWarningActive && !tc.warningActive ? AppStyle.warningColor : AppStyle.whiteColor
        font.pixelSize: Math.min(0.3 * tc.width, tc.height * 0.62)
    }
    Rectangle {
        visible: tc.peakBox
        // Under the name, at the right: the name and its unit keep the whole line.
        anchors { right: parent.right; rightMargin: 8 * tc.s; top: name.bottom; topMargin: 4 * tc.s }
        width: peakText.width + 12 * tc.s; height: peakText.height + 4 * tc.s
        color: AppStyle.warningColor
        Text {
            id: peakText
            anchors.centerIn: parent
            text: tc.isRu ? "МАКС" : "MAX"
            color: AppStyle.blackColor
            font.pixelSize: 18 * tc.s
        }
    }
    BlinkLayer { anchors.fill: parent; peak: 0.7; active: tc.warningActive }
}
