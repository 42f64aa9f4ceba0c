import QtQuick
import ARDIX 1.0

// One row of a settings menu: the title at the left, inline controls at the right. A clickable
// row turns white while pressed and is reached by Tab and pressed by Enter, Return or Space.
Rectangle {
    id: root
    property string title: ""
    property int rowId: -1
    property bool clickable: true
    property bool showNewBadge: false
    property alias titleItem: titleText
    property alias controls: controlsRow
    default property alias controlsData: controlsRow.data
    readonly property bool pressed: mouse.pressed

    signal clicked()

    width: parent ? parent.width : 0
    // Whole pixels, so that the separators of all rows look alike.
    height: Math.round(AppStyle.basicRowHeight * 0.9)
    color: mouse.pressed && clickable ? AppStyle.whiteColor : AppStyle.pageColor
    activeFocusOnTab: clickable

    Accessible.role: clickable ? Accessible.Button : Accessible.StaticText
    Accessible.name: title
    Accessible.onPressAction: if (root.clickable) root.clicked()

    Keys.onPressed: (event) => {
        if (!root.clickable)
            return
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Space) {
            event.accepted = true
            root.clicked()
        }
    }

    MouseArea {
        id: mouse
        anchors.fill: parent
        enabled: root.clickable
        onClicked: root.clicked()
    }

    Rectangle {
        anchors.bottom: parent.bottom
        width: parent.width
        height: 1
        color: AppStyle.lineColor
    }

    // Focus mark for keyboard users.
    Rectangle {
        anchors.left: parent.left
        width: 6 * AppStyle.pixelScale
        height: parent.height
        color: AppStyle.primaryColor
        visible: root.activeFocus
    }

    Text {
        id: titleText
        anchors.left: parent.left
        anchors.leftMargin: 25 * AppStyle.pixelScale
        anchors.right: badge.visible ? badge.left : controlsRow.left
        anchors.rightMargin: 15 * AppStyle.pixelScale
        anchors.verticalCenter: parent.verticalCenter
        text: root.title
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        elide: Text.ElideRight
    }

    Rectangle {
        id: badge
        visible: root.showNewBadge
        anchors.verticalCenter: parent.verticalCenter
        anchors.right: controlsRow.left
        anchors.rightMargin: 15 * AppStyle.pixelScale
        width: badgeText.implicitWidth + 16 * AppStyle.pixelScale
        height: badgeText.implicitHeight + 6 * AppStyle.pixelScale
        radius: height / 2
        color: AppStyle.errorColor
        Text {
            id: badgeText
            anchors.centerIn: parent
            text: "new"
            color: AppStyle.whiteColor
            font.pixelSize: AppStyle.basicFontSize * 0.8
            font.capitalization: Font.AllUppercase
        }
    }

    Row {
        id: controlsRow
        anchors.right: parent.right
        anchors.rightMargin: 20 * AppStyle.pixelScale
        anchors.verticalCenter: parent.verticalCenter
        spacing: 12 * AppStyle.pixelScale
    }
}
