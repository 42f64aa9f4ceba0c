import QtQuick
import ARDIX 1.0

// A titled box of the laps window; its children go under the title.
Rectangle {
    id: root
    property string title: ""
    default property alias content: body.data
    readonly property real ps: AppStyle.pixelScale
    color: AppStyle.whiteColor
    border.color: AppStyle.borderColor

    Text {
        id: titleText
        x: 10 * root.ps
        y: 6 * root.ps
        width: parent.width - 20 * root.ps
        text: root.title.toUpperCase()
        color: AppStyle.primaryColor
        font.pixelSize: AppStyle.basicFontSize * 0.85
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }
    Item {
        id: body
        anchors.top: titleText.bottom
        anchors.topMargin: 4 * root.ps
        anchors.left: parent.left
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.margins: 10 * root.ps
    }
}
