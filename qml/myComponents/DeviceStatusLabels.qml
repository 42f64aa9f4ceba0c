import QtQuick
import ARDIX 1.0

// The small white labels at the bottom right of a device screen: client version, serial number
// (when known) and the device's WiFi name (when known), laid out right to left.
Row {
    id: labels
    property string clientVersion: ""
    property string serialLabel: ""
    property string serialText: ""
    property bool serialVisible: true
    property string wifiName: ""
    property real scaleX: AppStyle.pixelScale

    layoutDirection: Qt.RightToLeft
    spacing: 24 * scaleX

    Text {
        objectName: "clientVersionLabel"
        text: qsTr("версия клиента: v%1").arg(labels.clientVersion)
        color: AppStyle.whiteColor
        font.pixelSize: 17 * labels.scaleX
    }
    Text {
        objectName: "serialLabel"
        visible: labels.serialVisible
        text: labels.serialLabel + labels.serialText
        color: AppStyle.whiteColor
        font.pixelSize: 17 * labels.scaleX
    }
    Text {
        objectName: "wifiLabel"
        visible: labels.wifiName.length > 0
        text: "WIFI SSID: " + labels.wifiName
        color: AppStyle.whiteColor
        font.pixelSize: 17 * labels.scaleX
    }
}
