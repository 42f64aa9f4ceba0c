import QtQuick
import ARDIX 1.0

// The centre of the round tachometer: speed or rpm as a large number, animated.
BasicSensorItem {
    id: centre
    width: 420 * s
    height: 260 * s
    availableStdSensors: [ArdixEnums.Speed_index, ArdixEnums.GPS_Speed_index, ArdixEnums.EngineRpm_index]
    availableCustomSensors: []
    isCircuitSensorsAvailable: false
    Behavior on sensorValueFloat { NumberAnimation { duration: 1000 } }
    Text {
        objectName: "centreValue"
        anchors { horizontalCenter: parent.horizontalCenter; top: parent.top }
        text: centre.sensID === 0 ? "+" : Math.round(centre.sensorValueFloat)
        color: AppStyle.whiteColor
        font.pixelSize: 190 * centre.s
    }
    Text {
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom }
        text: (centre.sensorName + (centre.sensorUnits.length > 0 ? " / " + centre.sensorUnits : "")).toUpperCase()
        color: AppStyle.placeholderColor
        font.pixelSize: 30 * centre.s
    }
    BlinkLayer { anchors.fill: parent; radius: 20 * centre.s; peak: 0.6; active: centre.warningActive }
}
