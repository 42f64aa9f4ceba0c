import QtQuick
import ARDIX 1.0

// A flat rectangular button with a text (in capitals) or an icon; darker while pressed.
// Reachable by Tab, pressed by Enter, Return or Space.
Rectangle {
    id: root
    property string text: ""
    property string iconSource: ""
    property string accessibleName: text
    property color textColor: AppStyle.buttonTextColor(role)
    property real fontSize: Math.max(10, Math.min(height * 0.45, AppStyle.basicTitleSize))
    property real iconScale: 0.6
    // primary (the action a page is for), secondary (a way back), destructive, confirm, stepper
    property string role: "primary"
    readonly property bool pressed: mouse.pressed

    signal clicked()

    implicitWidth: Math.max(label.implicitWidth + 30 * AppStyle.pixelScale, height)
    implicitHeight: 50 * AppStyle.pixelScale
    color: AppStyle.buttonColor(role)
    opacity: enabled ? 1 : 0.6
    activeFocusOnTab: true

    Accessible.role: Accessible.Button
    Accessible.name: root.accessibleName
    Accessible.onPressAction: if (root.enabled) root.clicked()

    Keys.onPressed: (event) => {
        if (event.key === Qt.Key_Return || event.key === Qt.Key_Enter || event.key === Qt.Key_Space) {
            event.accepted = true
            if (root.enabled)
                root.clicked()
        }
    }
    // A button takes the focus when pressed, as a desktop button does: the field being typed in
    // is left, and so commits its value, before the button acts.
    function takeFocus() {
        if (!root.activeFocus)
            root.forceActiveFocus(Qt.MouseFocusReason)
    }

    Rectangle {
        anchors.fill: parent
        radius: root.radius
        color: AppStyle.blackColor
        opacity: mouse.pressed ? 0.25 : 0
    }
    Rectangle {
        anchors.fill: parent
        radius: root.radius
        color: AppStyle.clearColor
        border.color: AppStyle.whiteColor
        border.width: 2
        visible: root.activeFocus
    }
    Image {
        visible: root.iconSource !== ""
        anchors.centerIn: parent
        source: root.iconSource
        height: Math.min(root.width, root.height) * root.iconScale
        width: height
        sourceSize.width: width
        sourceSize.height: height
        fillMode: Image.PreserveAspectFit
    }
    Text {
        id: label
        visible: root.text !== ""
        anchors.fill: parent
        anchors.leftMargin: 6 * AppStyle.pixelScale
        anchors.rightMargin: 6 * AppStyle.pixelScale
        text: root.text
        color: root.textColor
        font.pixelSize: root.fontSize
        font.capitalization: Font.AllUppercase
        horizontalAlignment: Text.AlignHCenter
        verticalAlignment: Text.AlignVCenter
        fontSizeMode: Text.Fit
        minimumPixelSize: 8
        wrapMode: Text.NoWrap
    }
    MouseArea {
        id: mouse
        anchors.fill: parent
        enabled: root.enabled
        onPressed: root.takeFocus()
        onClicked: root.clicked()
    }
}
