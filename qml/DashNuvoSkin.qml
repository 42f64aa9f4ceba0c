import QtQuick
import ARDIX 1.0
import "myComponents"

// The dash's main screen: its mode, whether it is connected, and the device status labels.
Rectangle {
    id: skin
    color: "black"
    readonly property real s: ardix.skinScale
    readonly property bool isOnline: ardixKernel.ardixStatus === MyDefines.ardixOnline
    readonly property bool isDashLink: ardixKernel.deviceId === ArdixEnums.Device_Ardix7

    Rectangle {
        anchors.fill: parent
        anchors.margins: 6 * skin.s
        radius: 28 * skin.s
        color: "#0b0c0e"
        border.color: "#1f2328"
        border.width: 2 * skin.s
    }

    Column {
        anchors.centerIn: parent
        spacing: 14 * skin.s
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: "ARDIX 7"
            color: "white"
            font.pixelSize: 150 * skin.s
            font.letterSpacing: 8 * skin.s
            font.bold: true
        }
        Text {
            objectName: "dashModeLabel"
            anchors.horizontalCenter: parent.horizontalCenter
            text: ("Режим " + (ardixKernel.curSkinMode + 1)).toUpperCase()
            color: "#b6b6b6"
            font.pixelSize: 40 * skin.s
        }
        Text {
            objectName: "dashLinkState"
            anchors.horizontalCenter: parent.horizontalCenter
            visible: skin.isDashLink
            text: (skin.isOnline ? "Подключен" : "Нет связи").toUpperCase()
            color: skin.isOnline ? "#b8a870" : "#ff8c90"
            font.pixelSize: 40 * skin.s
        }
    }

    DeviceStatusLabels {
        anchors { right: parent.right; bottom: parent.bottom; margins: 18 * skin.s }
        scaleX: ardix.scaleX
        clientVersion: ardixKernel.ardixClientVersion
        serialLabel: "серийный номер Ardix: "
        serialText: ardixKernel.ardixSerialNum
        serialVisible: ardixKernel.ardixSerialNum !== 0
        wifiName: ardix.wifi_device_name
    }
}
