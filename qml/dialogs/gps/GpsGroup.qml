import QtQuick
import ARDIX 1.0

// A titled grey box of the GPS page; children stack in a column.
Rectangle {
    id: root
    property string title: ""
    default property alias content: column.data
    readonly property real ps: AppStyle.pixelScale

    color: AppStyle.rowColor
    radius: 4
    implicitHeight: titleText.height + column.height + 30 * ps

    Text {
        id: titleText
        x: 14 * root.ps
        y: 8 * root.ps
        width: parent.width - 28 * root.ps
        text: root.title
        color: AppStyle.primaryColor
        font.pixelSize: AppStyle.basicFontSize
        font.capitalization: Font.AllUppercase
        elide: Text.ElideRight
    }
    Column {
        id: column
        x: 14 * root.ps
        anchors.top: titleText.bottom
        anchors.topMargin: 8 * root.ps
        width: parent.width - 28 * root.ps
        spacing: 8 * root.ps
    }
}
