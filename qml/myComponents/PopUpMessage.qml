import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/KernelTexts.js" as KernelTexts

// A short notice that rises in at the bottom centre, over the status line and clear of the header's
// icons and of every dialog's buttons, stays a moment and sinks out again. It never takes clicks, so
// it can sit above everything.
Item {
    id: root
    objectName: "popUpMessage"

    property string text: qsTr("нет связи c\nустройством")
    readonly property int dropDuration: 800
    property int stayDuration: 2000
    readonly property int riseDuration: 800
    readonly property bool showing: visible

    readonly property real ps: AppStyle.pixelScale
    readonly property real shownY: parent ? parent.height - height - 6 * ps : 0
    readonly property real hiddenY: parent ? parent.height + 2 * ps : 0

    width: parent ? parent.width * 0.3 : 0
    height: width / 6
    x: parent ? (parent.width - width) / 2 : 0
    y: hiddenY
    z: 2000
    visible: false

    Accessible.role: Accessible.AlertMessage
    Accessible.name: text

    // A new notice while one is up replaces its text and keeps the box down for a full stay.
    function show(newText) {
        if (newText !== undefined && String(newText).length > 0)
            text = newText
        riseAnimation.stop()
        visible = true
        if (dropAnimation.running)
            return
        if (y === shownY) {
            stayTimer.restart()
            return
        }
        dropAnimation.from = y
        dropAnimation.start()
    }

    NumberAnimation {
        id: dropAnimation
        target: root
        property: "y"
        to: root.shownY
        duration: root.dropDuration
        easing.type: Easing.OutElastic
        onFinished: stayTimer.restart()
    }

    Timer {
        id: stayTimer
        interval: root.stayDuration
        onTriggered: {
            riseAnimation.from = root.y
            riseAnimation.start()
        }
    }

    NumberAnimation {
        id: riseAnimation
        target: root
        property: "y"
        to: root.hiddenY
        duration: root.riseDuration
        easing.type: Easing.InElastic
        onFinished: root.visible = false
    }

    Rectangle {
        anchors.fill: parent
        color: AppStyle.blackColor
        opacity: 0.7
        radius: parent.width * 0.05
    }

    Rectangle {
        anchors.fill: parent
        color: AppStyle.clearColor
        border.color: AppStyle.whiteColor
        border.width: Math.max(1, root.ps)
        radius: parent.width * 0.05
    }

    Image {
        id: icon
        anchors { left: parent.left; leftMargin: parent.height * 0.3; verticalCenter: parent.verticalCenter }
        height: parent.height * 0.6
        width: height
        sourceSize: Qt.size(width, height)
        source: "qrc:/ARDIX/images/icons/wifi.svg"
    }

    Label {
        objectName: "popUpText"
        anchors {
            left: icon.right; leftMargin: parent.height * 0.25
            right: parent.right; rightMargin: parent.height * 0.3
            top: parent.top; bottom: parent.bottom; topMargin: 2 * root.ps; bottomMargin: 2 * root.ps
        }
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        color: AppStyle.whiteColor
        text: KernelTexts.shown(root.text).toUpperCase()
        fontSizeMode: Text.Fit
        minimumPixelSize: 8
        font.pixelSize: root.height * 0.36
        lineHeight: 0.9
    }
}
