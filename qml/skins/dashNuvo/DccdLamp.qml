import QtQuick
import ARDIX 1.0

// The centre differential lamp: one of seven lock pictures and the automatic mode's letter.
Item {
    id: dccd
    property real s: 1
    property int picture: 0 // 0 automatic, 1 to 6 from open to locked
    width: 85 * s
    height: 64 * s
    Image {
        anchors.fill: parent
        source: "qrc:/ARDIX/images/skins/dash_nuvo/DCCD/" + (dccd.picture === 0 ? "DCCD_V0_AUTO.svg"
                                                                                : "DCCD_V0_MODE0_" + dccd.picture + ".svg")
        sourceSize: Qt.size(width, height)
    }
    Text {
        anchors { right: parent.right; rightMargin: 8 * dccd.s; top: parent.top; topMargin: 4 * dccd.s }
        text: "A"
        color: AppStyle.darkGreyColor
        font.pixelSize: 20 * dccd.s
        font.bold: true
    }
}
