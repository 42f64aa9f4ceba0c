import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// A check box for light settings rows.
CheckBox {
    id: root
    property string accessibleName: text
    implicitHeight: AppStyle.checkboxHeight
    Accessible.name: accessibleName

    indicator: Rectangle {
        implicitWidth: AppStyle.checkboxHeight * 0.8
        implicitHeight: implicitWidth
        x: root.leftPadding
        y: (root.height - height) / 2
        radius: 4
        color: root.checked ? AppStyle.primaryColor : AppStyle.whiteColor
        border.color: root.activeFocus ? AppStyle.primaryColor : AppStyle.disabledTextColor
        border.width: root.activeFocus ? 3 : 2
        Text {
            anchors.centerIn: parent
            visible: root.checked
            text: "\u2713"
            color: AppStyle.whiteColor
            font.pixelSize: parent.height * 0.8
        }
    }
    contentItem: Text {
        leftPadding: root.indicator.width + root.spacing
        text: root.text
        font.pixelSize: AppStyle.basicFontSize
        color: AppStyle.textColor
        verticalAlignment: Text.AlignVCenter
    }
}
