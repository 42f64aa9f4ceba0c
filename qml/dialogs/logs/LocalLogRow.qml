import QtQuick
import ARDIX 1.0
import "../../myComponents"
import "LapTexts.js" as LapTexts

// A log file in the local store: a click opens its laps, the chart button its channel plots; the
// cross deletes it.
Rectangle {
    id: root
    required property int index
    required property var modelData
    readonly property real ps: AppStyle.pixelScale

    signal open()
    signal plots()
    signal remove()

    height: AppStyle.basicRowHeight
    color: mouse.pressed ? AppStyle.selectionColor : AppStyle.whiteColor
    border.color: activeFocus ? AppStyle.primaryColor : AppStyle.borderColor
    activeFocusOnTab: true
    Accessible.role: Accessible.Button
    Accessible.name: root.modelData.name
    Accessible.onPressAction: root.open()
    Keys.onReturnPressed: root.open()

    MouseArea {
        id: mouse
        anchors.fill: parent
        onClicked: root.open()
    }
    Image {
        id: timer
        x: 12 * root.ps
        anchors.verticalCenter: parent.verticalCenter
        height: parent.height * 0.45
        width: height
        sourceSize.width: width
        sourceSize.height: height
        source: "qrc:/ARDIX/images/icons/timer.svg"
        // The icon is white: a dark disc under it.
        Rectangle { anchors.fill: parent; anchors.margins: -4 * root.ps; radius: width / 2; color: AppStyle.primaryColor; z: -1 }
    }
    Text {
        id: nameText
        anchors.left: timer.right
        anchors.leftMargin: 16 * root.ps
        anchors.right: plotsButton.left
        anchors.rightMargin: 10 * root.ps
        y: 8 * root.ps
        text: root.modelData.name
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize
        elide: Text.ElideMiddle
    }
    Text {
        anchors.left: nameText.left
        anchors.right: nameText.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8 * root.ps
        text: root.modelData.date + "   " + LapTexts.sizeText(root.modelData.size)
        color: AppStyle.subtleTextColor
        font.pixelSize: AppStyle.basicFontSize
        elide: Text.ElideRight
    }
    FlatButton {
        id: plotsButton
        objectName: "plotsLog" + root.index
        anchors.right: removeButton.left
        anchors.rightMargin: 8 * root.ps
        anchors.verticalCenter: parent.verticalCenter
        height: parent.height - 16 * root.ps
        width: height
        iconSource: "qrc:/ARDIX/images/main_menu/logs.svg"
        accessibleName: qsTr("Графики")
        onClicked: root.plots()
    }
    FlatButton {
        id: removeButton
        objectName: "removeLog" + root.index
        anchors.right: parent.right
        anchors.rightMargin: 8 * root.ps
        anchors.verticalCenter: parent.verticalCenter
        height: parent.height - 16 * root.ps
        width: height
        color: AppStyle.destructiveColor
        iconSource: "qrc:/ARDIX/images/icons/close.svg"
        accessibleName: qsTr("Удалить")
        onClicked: root.remove()
    }
}
