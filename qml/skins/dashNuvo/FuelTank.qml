import QtQuick
import ARDIX 1.0

// The round mode's fuel level: an upright tank filled to the level, with the number and "%".
Item {
    id: tank
    property real s: 1
    property int level: 0 // -1: no sensor
    Rectangle {
        id: body
        width: parent.height * 0.55
        height: parent.height
        radius: 8 * tank.s
        color: AppStyle.clearColor
        border.color: AppStyle.placeholderColor
        border.width: 3 * tank.s
        Rectangle {
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 6 * tank.s }
            height: Math.max(0, Math.min(100, tank.level)) / 100 * (parent.height - 12 * tank.s)
            radius: 4 * tank.s
            color: tank.level >= 0 && tank.level < 20 ? AppStyle.errorColor : AppStyle.warningColor
        }
    }
    Text {
        anchors { left: body.right; leftMargin: 12 * tank.s; verticalCenter: parent.verticalCenter }
        text: tank.level < 0 ? "?" : tank.level + "%"
        color: AppStyle.whiteColor
        font.pixelSize: 54 * tank.s
        font.bold: true
    }
}
