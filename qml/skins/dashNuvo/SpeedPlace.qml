import QtQuick
import QtQuick.Shapes
import ARDIX 1.0

// Cell 10 of the main mode: a speed sensor as a large number with its peak below, anything else as
// a red-box cell half again as large.
BasicSensorItem {
    id: place
    readonly property bool isSpeed: sensID === ArdixEnums.Speed_index || sensID === ArdixEnums.GPS_Speed_index
    width: 357 * s
    height: 268 * s
    Behavior on sensorValueFloat { NumberAnimation { duration: 2000 } }

    Text {
        objectName: "speedValue"
        visible: place.isSpeed
        anchors { right: parent.right; rightMargin: 20 * place.s; top: parent.top; topMargin: -40 * place.s }
        text: Math.round(place.sensorValueFloat)
        color: AppStyle.whiteColor
        font.pixelSize: 214 * place.s
    }
    Item {
        visible: place.isSpeed
        anchors { right: parent.right; bottom: parent.bottom; bottomMargin: 26 * place.s }
        width: 330 * place.s
        height: 58 * place.s
        Shape { // the slanted frame
            anchors.fill: parent
            ShapePath {
                strokeColor: AppStyle.whiteColor
                strokeWidth: 2 * place.s
                fillColor: AppStyle.clearColor
                startX: 18 * place.s; startY: 0
                PathLine { x: 330 * place.s; y: 0 }
                PathLine { x: 312 * place.s; y: 58 * place.s }
                PathLine { x: 0; y: 58 * place.s }
                PathLine { x: 18 * place.s; y: 0 }
            }
        }
        Row {
            anchors.centerIn: parent
            spacing: 6 * place.s
            Image {
                visible: place.sensID === ArdixEnums.GPS_Speed_index
                anchors.verticalCenter: parent.verticalCenter
                width: 30 * place.s; height: width
                source: "qrc:/ARDIX/images/skins/dash_nuvo/main/needle_gps.svg"
                sourceSize: Qt.size(width, height)
            }
            Text { text: place.isRu ? "МАКС " : "MAX"; color: AppStyle.whiteColor; font.pixelSize: 30 * place.s }
            Text { text: " 148"; color: AppStyle.warningColor; font.pixelSize: 30 * place.s }
            Text { text: place.isRu ? "КМ/Ч" : "kmph"; color: AppStyle.placeholderColor; font.pixelSize: 30 * place.s }
        }
    }
    WarningButtonRedRect {
        visible: !place.isSpeed
        s: place.s * 1.5
        // The big cell only draws; the place itself takes the click.
        enabled: false
        kernel: place.kernel
        skinMode: place.skinMode
        skinPos: place.skinPos
        warningActive: place.warningActive
    }
}
