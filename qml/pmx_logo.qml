import QtQuick
import ARDIX 1.0
import "myComponents"

// The PDM's main screen: its logo, whether it is connected, a summary of its live values while
// connected, and the device status labels.
Rectangle {
    id: screen
    color: AppStyle.blackColor
    readonly property real s: ardix.scaleX
    readonly property bool isPdmLink: ardixKernel.deviceId === ArdixEnums.Device_Pmx
    readonly property bool isOnline: ardixKernel.ardixStatus === MyDefines.ardixOnline

    Text {
        objectName: "pdmLinkState"
        visible: screen.isPdmLink
        anchors { horizontalCenter: parent.horizontalCenter; bottom: logo.top; bottomMargin: 12 * screen.s }
        text: (screen.isOnline ? qsTr("Подключен") : qsTr("Нет связи")).toUpperCase()
        color: screen.isOnline ? AppStyle.khakiColor : AppStyle.errorLightColor
        font.pixelSize: 30 * screen.s
    }

    readonly property bool showsSummary: isPdmLink && isOnline

    PmxLogo {
        id: logo
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.verticalCenter: parent.verticalCenter
        anchors.verticalCenterOffset: screen.showsSummary ? -parent.height * 0.12 : 0
        width: parent.width * (screen.showsSummary ? 0.5 : 0.8)
        opacity: 0.95
        MouseArea {
            anchors.fill: parent
            enabled: ardixKernel.IsDEBUG
            onClicked: ardixKernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetSettings, 0)
        }
    }

    PdmHomeSummary {
        anchors { horizontalCenter: parent.horizontalCenter; top: logo.bottom; topMargin: 24 * screen.s }
        width: parent.width
        kernel: ardixKernel
        window: ardix
        dialogs: dialogLayer
        s: screen.s
        shown: screen.showsSummary && screen.visible
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
