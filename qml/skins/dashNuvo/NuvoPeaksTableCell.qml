import QtQuick
import ARDIX 1.0
import "SkinText.js" as SkinText

// A peaks cell: the name, then the highest value, or both extremes for sensors that go both ways.
BasicSensorItem {
    id: pc
    readonly property real namePx: Math.max(height / 8.5, 23 * s)
    readonly property bool both: sensID !== 0 && SkinText.showsMinMax(sensor, sensID)
    showMinMax: both
    function fmt(raw) { return SkinGeometry.valueText(raw, isFloat).substring(0, 4) }

    Text {
        id: name
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 8 * pc.s }
        text: pc.sensorName.toUpperCase() + (pc.sensorUnits.length > 0 ? " / " + pc.sensorUnits : "")
        color: AppStyle.placeholderColor
        font.pixelSize: pc.namePx
        elide: Text.ElideRight
    }
    Column {
        anchors { left: parent.left; right: parent.right; top: name.bottom; bottom: parent.bottom; leftMargin: 10 * pc.s }
        Repeater {
            model: pc.both ? [["MIN:", pc.sensorMinValue], ["MAX:", pc.sensorMaxValue]] : [["", pc.sensorMaxValue]]
            Row {
                height: parent.height / (pc.both ? 2 : 1)
                spacing: 10 * pc.s
                Text {
                    visible: modelData[0] !== ""
                    anchors.verticalCenter: parent.verticalCenter
                    text: modelData[0]
                    color: AppStyle.placeholderColor
                    font.pixelSize: pc.namePx
                }
                Text {
                    objectName: "peakValue"
                    anchors.verticalCenter: parent.verticalCenter
                    text: pc.fmt(modelData[1])
                    color: AppStyle.whiteColor
                    font.pixelSize: Math.min(parent.height * 0.8, pc.width * (pc.both ? 0.2 : 0.3))
                }
            }
        }
    }
    BlinkLayer { anchors.fill: parent; peak: 0.7; active: pc.warningActive }
}
