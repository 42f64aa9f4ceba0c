import QtQuick
import ARDIX 1.0

// The top-left corner of the main mode: the gear as a large letter, the drive train as its picture,
// a plus sign while empty.
BasicSensorItem {
    id: corner
    width: 120 * s
    height: 120 * s
    availableStdSensors: [ArdixEnums.Gear_index, ArdixEnums.AWD_Indicator_index]
    availableCustomSensors: []
    isCircuitSensorsAvailable: false
    // Its own plus sign says it is empty.
    showEmptyLook: false

    Text {
        visible: corner.sensID === ArdixEnums.Gear_index
        anchors.centerIn: parent
        text: SkinGeometry.gearText(corner.sensorValue)
        color: AppStyle.whiteColor
        font.pixelSize: 130 * corner.s
    }
    Loader {
        active: corner.sensID === ArdixEnums.AWD_Indicator_index
        anchors.centerIn: parent
        height: parent.height * 0.9
        width: height * 0.75
        sourceComponent: AwdPicture {}
    }
    Text {
        visible: corner.sensID !== ArdixEnums.Gear_index && corner.sensID !== ArdixEnums.AWD_Indicator_index
        anchors.centerIn: parent
        text: "+"
        color: AppStyle.placeholderColor
        font.pixelSize: 110 * corner.s
    }
    BlinkLayer { anchors.fill: parent; radius: 12 * corner.s; active: corner.warningActive }
}
