import QtQuick
import ARDIX 1.0
import "../../myComponents"

// A log file on the dash: its number, when it was recorded, how full it is, and a download button.
Rectangle {
    id: root
    required property int index
    required property var modelData
    property bool busy: false
    readonly property real ps: AppStyle.pixelScale
    readonly property bool hasDates: modelData.startDate !== ""

    signal download()

    height: AppStyle.basicRowHeight
    color: busy ? AppStyle.selectionColor : AppStyle.whiteColor
    border.color: AppStyle.borderColor
    opacity: enabled || busy ? 1 : 0.6

    Accessible.role: Accessible.ListItem
    Accessible.name: numberText.text + " " + datesText.text

    Text {
        id: numberText
        x: 14 * root.ps
        y: 8 * root.ps
        text: qsTr("Лог #%1").arg(root.index + 1)
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize
    }
    Text {
        id: datesText
        anchors.left: numberText.left
        anchors.right: button.left
        anchors.rightMargin: 10 * root.ps
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 8 * root.ps
        text: root.hasDates ? root.modelData.startDate + " " + root.modelData.startTime + "  —  "
                              + root.modelData.endDate + " " + root.modelData.endTime
                            : qsTr("время записи не известно")
        color: AppStyle.subtleTextColor
        font.pixelSize: AppStyle.basicFontSize
        elide: Text.ElideRight
    }
    // How full the file is.
    Rectangle {
        anchors.left: numberText.right
        anchors.leftMargin: 16 * root.ps
        anchors.right: button.left
        anchors.rightMargin: 10 * root.ps
        anchors.verticalCenter: numberText.verticalCenter
        height: 10 * root.ps
        radius: height / 2
        color: AppStyle.rowAltColor
        Rectangle {
            width: parent.width * Math.max(0, Math.min(100, root.modelData.percent)) / 100
            height: parent.height
            radius: height / 2
            color: AppStyle.primaryColor
        }
        Text {
            anchors.right: parent.right
            anchors.bottom: parent.top
            text: root.modelData.percent + "%"
            color: AppStyle.subtleTextColor
            font.pixelSize: AppStyle.basicFontSize * 0.8
        }
    }
    FlatButton {
        id: button
        objectName: "downloadLog" + root.index
        anchors.right: parent.right
        anchors.rightMargin: 8 * root.ps
        anchors.verticalCenter: parent.verticalCenter
        height: parent.height - 16 * root.ps
        width: height * 1.3
        color: AppStyle.confirmColor
        iconSource: "qrc:/ARDIX/images/icons/cloud.svg"
        accessibleName: qsTr("Скачать")
        onClicked: root.download()
    }
}
