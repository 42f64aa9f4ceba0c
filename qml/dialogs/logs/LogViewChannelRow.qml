import QtQuick
import ARDIX 1.0

// A channel of the log: a click shows or hides its plot; beside the name, its value at the
// cursor (and the second lap's).
Rectangle {
    id: root
    required property int index
    required property var modelData
    property bool shown: false
    property string value: ""
    property string compareValue: ""
    readonly property real ps: AppStyle.pixelScale
    signal toggled()

    height: (compareValue !== "" ? 50 : 40) * ps
    color: shown ? AppStyle.selectionColor : (mouse.containsMouse ? AppStyle.hoverColor : AppStyle.whiteColor)
    border.color: activeFocus ? AppStyle.primaryColor : AppStyle.lineColor
    activeFocusOnTab: true
    Accessible.role: Accessible.CheckBox
    Accessible.checked: shown
    Accessible.name: modelData.name + (value !== "" ? " " + value : "")
    Accessible.onPressAction: root.toggled()
    Keys.onSpacePressed: root.toggled()
    Keys.onReturnPressed: root.toggled()

    MouseArea {
        id: mouse
        anchors.fill: parent
        hoverEnabled: true
        onClicked: root.toggled()
    }
    Rectangle {
        id: box
        x: 8 * root.ps
        anchors.verticalCenter: parent.verticalCenter
        width: 16 * root.ps
        height: width
        radius: 3 * root.ps
        color: root.shown ? AppStyle.primaryColor : AppStyle.whiteColor
        border.color: AppStyle.borderColor
    }
    Text {
        id: nameText
        anchors.left: box.right
        anchors.leftMargin: 8 * root.ps
        anchors.right: values.left
        anchors.rightMargin: 6 * root.ps
        anchors.verticalCenter: parent.verticalCenter
        text: root.modelData.name + (root.modelData.units !== "" ? ", " + root.modelData.units : "")
        color: AppStyle.textColor
        font.pixelSize: AppStyle.smallFontSize
        elide: Text.ElideRight
    }
    Column {
        id: values
        anchors.right: parent.right
        anchors.rightMargin: 8 * root.ps
        anchors.verticalCenter: parent.verticalCenter
        Text {
            anchors.right: parent.right
            text: root.value
            color: AppStyle.textColor
            font.pixelSize: AppStyle.smallFontSize
            font.bold: root.shown
        }
        Text {
            anchors.right: parent.right
            visible: root.compareValue !== ""
            text: root.compareValue
            color: AppStyle.primaryColor
            font.pixelSize: AppStyle.smallFontSize
        }
    }
}
