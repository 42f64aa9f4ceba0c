import QtQuick
import ARDIX 1.0
import "../myComponents"

// Stands in for a settings page that a later version of the client brings.
BasicDialog {
    id: root
    fullScreen: true

    Text {
        objectName: "notAvailableText"
        anchors.centerIn: parent
        width: parent.width * 0.8
        text: "Этот раздел появится в одной из следующих версий клиента"
        color: "#1A1A1A"
        wrapMode: Text.WordWrap
        horizontalAlignment: Text.AlignHCenter
        font.pixelSize: AppStyle.basicTitleSize
    }
}
