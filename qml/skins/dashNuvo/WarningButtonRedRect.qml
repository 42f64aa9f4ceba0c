import QtQuick
import ARDIX 1.0

// The red-box cell: the sensor's name and icon on top, its sample value large, units beside it.
BasicSensorItem {
    id: box
    width: 238 * s
    height: 179 * s
    property real textScale: 1
    // In the round mode the gear and the fuel level have pictures of their own.
    property bool gearLetter: false
    property bool fuelTank: false
    readonly property bool isAwd: sensID === ArdixEnums.AWD_Indicator_index
    readonly property bool isGearBig: gearLetter && sensID === ArdixEnums.Gear_index
    readonly property bool isTank: fuelTank && sensID === ArdixEnums.FuelLevel_index

    Rectangle {
        anchors.fill: parent
        radius: 12 * box.s
        color: AppStyle.deepColor
        border.color: AppStyle.errorColor
        border.width: 3 * box.s
    }
    Rectangle { // the red strip that gives the cell its name
        x: 3 * box.s; y: 3 * box.s
        width: parent.width - 6 * box.s
        height: 8 * box.s
        radius: 4 * box.s
        color: AppStyle.errorColor
    }
    SensorIcon {
        id: icon
        x: 14 * box.s; y: 20 * box.s
        width: 30 * box.s * box.textScale; height: width
        source: box.sensorIcon
    }
    Text {
        objectName: "cellName"
        anchors { left: icon.visible ? icon.right : parent.left; leftMargin: icon.visible ? 8 * box.s : 14 * box.s
                  right: parent.right; rightMargin: 10 * box.s; verticalCenter: icon.verticalCenter }
        text: box.sensorName.toUpperCase()
        color: AppStyle.placeholderColor
        font.pixelSize: 24 * box.s * box.textScale
        elide: Text.ElideRight
    }
    Text {
        objectName: "cellValue"
        visible: !box.isAwd && !box.isTank
        anchors { horizontalCenter: parent.horizontalCenter; verticalCenter: parent.verticalCenter
                  verticalCenterOffset: 22 * box.s * box.textScale }
        text: box.isGearBig ? SkinGeometry.gearText(box.sensorValue) : box.valueText
        color: AppStyle.whiteColor
        // The gear letter fills the cell at its full size in every mode.
        font.pixelSize: box.isGearBig ? 165 * box.s : 84 * box.s * box.textScale
        font.bold: true
    }
    Text {
        visible: !box.isAwd && !box.isTank && !box.isGearBig
        anchors { right: parent.right; rightMargin: 12 * box.s; bottom: parent.bottom; bottomMargin: 10 * box.s }
        text: box.sensorUnits
        color: AppStyle.placeholderColor
        font.pixelSize: 22 * box.s * box.textScale
    }
    // The pictures are built only for the sensors that show them.
    Loader {
        active: box.isAwd
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 10 * box.s }
        height: parent.height * 0.68
        width: height * 0.75
        sourceComponent: AwdPicture {}
    }
    Loader {
        active: box.isTank
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 10 * box.s }
        height: parent.height * 0.66
        width: parent.width * 0.7
        sourceComponent: FuelTank {
            s: box.s
            level: box.sensID === 0 ? -1 : box.sensorValue
        }
    }
    BlinkLayer {
        anchors.fill: parent
        radius: 12 * box.s
        active: box.warningActive
    }
}
