import QtQuick
import ARDIX 1.0
import "myComponents"

// The PDM's main screen: its logo, whether it is connected, and the device status labels.
Rectangle {
    id: screen
    color: "black"
    readonly property real s: ardix.scaleX
    readonly property bool isPdmLink: ardixKernel.deviceId === ArdixEnums.Device_Pmx
    readonly property bool isOnline: ardixKernel.ardixStatus === MyDefines.ardixOnline

    Text {
        objectName: "pdmLinkState"
        visible: screen.isPdmLink
        anchors { horizontalCenter: parent.horizontalCenter; bottom: logo.top; bottomMargin: 12 * screen.s }
        text: (screen.isOnline ? qsTr("Подключен") : qsTr("Нет связи")).toUpperCase()
        color: screen.isOnline ? "#b8a870" : "#ff8c90"
        font.pixelSize: 30 * screen.s
    }

    PmxLogo {
        id: logo
        anchors.centerIn: parent
        width: parent.width * 0.8
        opacity: 0.95
        MouseArea {
            anchors.fill: parent
            enabled: ardixKernel.IsDEBUG
            onClicked: ardixKernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetSettings, 0)
        }
    }

    DeviceStatusLabels {
        anchors { right: parent.right; bottom: parent.bottom; margins: 12 * screen.s }
        scaleX: screen.s
        clientVersion: ardixKernel.ardixClientVersion
        serialLabel: qsTr("серийный номер PDM: ")
        serialText: ardixKernel.pdmSerialNum > 0 ? ardixKernel.pdmSerialNum : "----"
        wifiName: ardix.wifi_device_name
    }
}
