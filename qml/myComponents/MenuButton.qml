import QtQuick
import ARDIX 1.0
import QtQuick.Controls

// A square main-menu button: the icon on top, the title under it, blue while pressed.
AbstractButton {
    id: control
    property url iconSource
    implicitWidth: 75
    implicitHeight: width
    focusPolicy: Qt.StrongFocus
    Accessible.role: Accessible.Button
    Accessible.name: text.replace(/\n/g, " ")

    background: Rectangle {
        color: control.pressed ? AppStyle.primaryColor : control.visualFocus ? AppStyle.surfaceColor : AppStyle.clearColor
        radius: 4
    }
    contentItem: Item {
        Image {
            id: icon
            anchors.horizontalCenter: parent.horizontalCenter
            y: control.height * 0.02
            height: control.height * 0.62
            width: height
            source: control.iconSource
            sourceSize: Qt.size(width, height)
            fillMode: Image.PreserveAspectFit
            opacity: control.enabled ? 1 : 0.4
        }
        Text {
            anchors { left: parent.left; right: parent.right; bottom: parent.bottom }
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignBottom
            text: control.text.toUpperCase()
            color: AppStyle.whiteColor
            font.pixelSize: Math.max(8, control.width / 7)
            lineHeight: 0.9
            fontSizeMode: Text.HorizontalFit
            minimumPixelSize: 6
        }
    }
}
