import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// One list of log files with its title, a text while it is empty, and buttons under it.
Item {
    id: root
    property string title: ""
    property string iconSource: ""
    property string emptyText: ""
    // The list is on its way: a spinner over the text.
    property bool loading: false
    property alias model: list.model
    property alias delegate: list.delegate
    property Component footer: null
    readonly property real listWidth: list.width - (scrollBar.visible ? scrollBar.width : 0)
    readonly property real ps: AppStyle.pixelScale
    property alias list: list

    Rectangle {
        id: titleBar
        width: parent.width
        height: 56 * root.ps
        color: AppStyle.textColor
        Image {
            id: icon
            x: 12 * root.ps
            anchors.verticalCenter: parent.verticalCenter
            height: parent.height * 0.7
            width: height
            sourceSize.width: width
            sourceSize.height: height
            source: root.iconSource
            fillMode: Image.PreserveAspectFit
        }
        Text {
            anchors.left: icon.right
            anchors.leftMargin: 12 * root.ps
            anchors.right: parent.right
            anchors.verticalCenter: parent.verticalCenter
            text: root.title.toUpperCase()
            color: AppStyle.whiteColor
            font.pixelSize: AppStyle.basicTitleSize
            elide: Text.ElideRight
        }
    }

    ListView {
        id: list
        anchors.top: titleBar.bottom
        anchors.topMargin: 6 * root.ps
        anchors.bottom: footerLoader.top
        anchors.bottomMargin: 8 * root.ps
        width: parent.width
        clip: true
        spacing: 4 * root.ps
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { id: scrollBar; policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }
    }

    BusyIndicator {
        objectName: "listLoading"
        anchors.horizontalCenter: list.horizontalCenter
        anchors.bottom: emptyLabel.top
        anchors.bottomMargin: 8 * root.ps
        width: 48 * root.ps
        height: width
        visible: root.loading
        running: visible
    }

    Text {
        id: emptyLabel
        objectName: "emptyText"
        anchors.centerIn: list
        width: list.width * 0.9
        visible: list.count === 0
        text: root.emptyText
        color: AppStyle.midGreyColor
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        font.pixelSize: AppStyle.basicTitleSize
    }

    Loader {
        id: footerLoader
        anchors.bottom: parent.bottom
        width: parent.width
        sourceComponent: root.footer
    }
}
