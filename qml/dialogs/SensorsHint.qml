import QtQuick
import ARDIX 1.0
import "../myComponents"

// Why a sensor list is short, and the way to the page that makes sensors active: a sensor counts
// once it has a source (ECU, an input, CAN), which is set elsewhere.
Rectangle {
    id: hint
    property string text: ""
    // Which ways to offer; the owner opens the page.
    property bool showEcu: false
    property bool showAllSensors: true
    signal ecuRequested()
    signal allSensorsRequested()

    readonly property real ps: AppStyle.pixelScale
    implicitHeight: Math.max(note.implicitHeight, links.height) + 16 * ps
    color: AppStyle.rowAltColor
    radius: 4

    Text {
        id: note
        objectName: "sensorsHintText"
        anchors.left: parent.left
        anchors.leftMargin: 14 * hint.ps
        anchors.right: links.left
        anchors.rightMargin: 12 * hint.ps
        anchors.verticalCenter: parent.verticalCenter
        text: hint.text
        color: AppStyle.textColor
        wrapMode: Text.WordWrap
        font.pixelSize: AppStyle.basicFontSize * 0.85
    }
    Row {
        id: links
        anchors.right: parent.right
        anchors.rightMargin: 10 * hint.ps
        anchors.verticalCenter: parent.verticalCenter
        spacing: 10 * hint.ps
        FlatButton {
            objectName: "ecuSensorsLink"
            visible: hint.showEcu
            width: 230 * hint.ps
            height: AppStyle.comboHeight
            fontSize: AppStyle.basicFontSize * 0.85
            text: qsTr("Показатели от ECU")
            onClicked: hint.ecuRequested()
        }
        FlatButton {
            objectName: "allSensorsLink"
            visible: hint.showAllSensors
            width: 300 * hint.ps
            height: AppStyle.comboHeight
            fontSize: AppStyle.basicFontSize * 0.85
            text: qsTr("Источники показателей")
            onClicked: hint.allSensorsRequested()
        }
    }
}
