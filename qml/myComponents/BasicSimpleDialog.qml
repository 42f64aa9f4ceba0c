import QtQuick
import ARDIX 1.0

// A light overlay for pictures and short notes: Escape, Back, a click outside or the corner icon
// fade it out and destroy it.
Item {
    id: root
    anchors.fill: parent
    z: 100

    property real contentWidth: width * 0.6
    property real contentHeight: height * 0.6
    property alias contentItem: contentItem
    property alias cornerCloseIcon: cornerCloseIcon
    default property alias content: contentItem.data

    signal hidden()

    function hideThisDialog() {
        if (!fadeOut.running)
            fadeOut.start()
    }

    opacity: 0
    Component.onCompleted: {
        fadeIn.start()
        forceActiveFocus()
    }
    NumberAnimation { id: fadeIn; target: root; property: "opacity"; to: 1; duration: 200 }
    SequentialAnimation {
        id: fadeOut
        ScriptAction { script: fadeIn.stop() }
        NumberAnimation { target: root; property: "opacity"; to: 0; duration: 200 }
        ScriptAction { script: { root.hidden(); root.destroy() } }
    }

    Keys.onEscapePressed: (event) => { event.accepted = true; hideThisDialog() }
    Keys.onBackPressed: (event) => { event.accepted = true; hideThisDialog() }

    Rectangle {
        anchors.fill: parent
        color: AppStyle.blackColor
        opacity: 0.7
        MouseArea {
            anchors.fill: parent
            onWheel: (wheel) => wheel.accepted = true
            onClicked: root.hideThisDialog()
        }
    }

    Item {
        id: contentItem
        anchors.centerIn: parent
        width: root.contentWidth
        height: root.contentHeight
        MouseArea { anchors.fill: parent }
    }

    FlatButton {
        id: cornerCloseIcon
        width: 60 * AppStyle.pixelScale
        height: width
        radius: width / 2
        x: Math.min(root.width - width, contentItem.x + contentItem.width - width / 2)
        y: Math.max(0, contentItem.y - height / 2)
        color: AppStyle.surfaceColor
        border.color: AppStyle.secondaryColor
        border.width: 1
        iconSource: "qrc:/ARDIX/images/icons/close.svg"
        accessibleName: qsTr("Закрыть")
        onClicked: root.hideThisDialog()
    }
}
