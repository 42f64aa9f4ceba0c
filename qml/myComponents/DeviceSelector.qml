import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import ARDIX 1.0
import "../utils/WindowFunctions.js" as WindowFunctions

// The bar that chooses which device family the interface serves. It slides down from above the
// window; a pull tab under it opens and closes it; a connected device of the other family opens it,
// switches the interface and closes it again.
Item {
    id: selector
    property real scaleX: AppStyle.pixelScale
    property bool isAlwaysOnDisplay: false
    property bool isActive: false
    readonly property bool isOpen: isActive || isAlwaysOnDisplay
    readonly property real barHeight: 50 * scaleX
    readonly property real comboWidth: 160 * scaleX

    signal deviceChosen(int deviceId)
    signal deviceSelectorChanged()

    height: barHeight
    y: isOpen ? 0 : -barHeight
    z: 5
    Behavior on y { NumberAnimation { duration: 1000; easing.type: Easing.OutBounce } }
    onIsOpenChanged: deviceSelectorChanged()

    function open() { isActive = true }
    function close() { isActive = false; hideTimer.stop() }
    function toggle() { if (isActive) close(); else open() }

    // Called when the kernel's device changes: a device of the other family takes the interface.
    function followDevice(deviceId) {
        const family = WindowFunctions.deviceFamily(deviceId)
        if (family === AppSettings.lastDeviceIdSelected)
            return
        open()
        combo.syncing = true
        combo.currentIndex = family === ArdixEnums.Device_Pmx ? 1 : 0
        combo.syncing = false
        deviceChosen(family)
        hideTimer.restart()
    }

    Component.onCompleted: {
        combo.syncing = true
        combo.currentIndex = AppSettings.lastDeviceIdSelected === ArdixEnums.Device_Pmx ? 1 : 0
        combo.syncing = false
        if (AppSettings.deviceSelectorStartupShowCount < 50) {
            AppSettings.deviceSelectorStartupShowCount += 1
            open()
            hideTimer.restart()
        }
    }

    Timer {
        id: hideTimer
        interval: 1200
        onTriggered: selector.isActive = false
    }

    Rectangle {
        anchors.fill: parent
        color: AppStyle.textColor

        Row {
            anchors.centerIn: parent
            spacing: 16 * selector.scaleX
            Label {
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Устройство:").toUpperCase()
                color: AppStyle.whiteColor
                font.pixelSize: AppStyle.basicFontSize
            }
            ComboBox {
                id: combo
                objectName: "deviceCombo"
                property bool syncing: false
                width: selector.comboWidth
                height: Math.min(55 * selector.scaleX, selector.barHeight - 4)
                anchors.verticalCenter: parent.verticalCenter
                font.pixelSize: AppStyle.basicFontSize
                textRole: "text"
                valueRole: "deviceId"
                model: [
                    { text: "Ardix", deviceId: ArdixEnums.Device_Ardix7 },
                    { text: "PMX", deviceId: ArdixEnums.Device_Pmx }
                ]
                Accessible.name: qsTr("Устройство")
                // Dark like the bar it sits in.
                contentItem: Text {
                    leftPadding: 10 * selector.scaleX
                    rightPadding: 4 * selector.scaleX
                    text: combo.displayText
                    font: combo.font
                    color: AppStyle.lightTextColor
                    verticalAlignment: Text.AlignVCenter
                    elide: Text.ElideRight
                }
                background: Rectangle {
                    color: combo.pressed ? AppStyle.midGreyColor : AppStyle.surfaceColor
                    border.color: combo.visualFocus ? AppStyle.primaryColor : AppStyle.midGreyColor
                    border.width: combo.visualFocus ? 2 : 1
                    radius: 4
                }
                onActivated: (index) => {
                    if (syncing)
                        return
                    selector.deviceChosen(model[index].deviceId)
                    selector.close()
                }
            }
        }
    }

    // The pull tab hangs under the bar, right of centre, under the combo.
    Item {
        id: pullTab
        objectName: "selectorPullTab"
        visible: !selector.isAlwaysOnDisplay
        width: 56 * selector.scaleX
        height: 28 * selector.scaleX
        x: (selector.width + selector.comboWidth) / 2 - width
        y: selector.height
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Выбор устройства")
        Accessible.onPressAction: selector.toggle()
        activeFocusOnTab: true
        Keys.onSpacePressed: selector.toggle()
        Keys.onReturnPressed: selector.toggle()

        Rectangle {
            anchors.fill: parent
            visible: pullTab.activeFocus
            color: AppStyle.clearColor
            border.color: AppStyle.primaryColor
            border.width: 2
            radius: 3
        }

        Shape {
            anchors.fill: parent
            ShapePath {
                fillColor: AppStyle.textColor
                strokeColor: AppStyle.clearColor
                startX: 0; startY: 0
                PathLine { x: pullTab.width; y: 0 }
                PathLine { x: pullTab.width * 0.8; y: pullTab.height }
                PathLine { x: pullTab.width * 0.2; y: pullTab.height }
                PathLine { x: 0; y: 0 }
            }
        }
        Image {
            anchors.centerIn: parent
            width: parent.height * 0.9
            height: width
            sourceSize: Qt.size(width, height)
            source: "qrc:/ARDIX/images/icons/drop_arrow.svg"
            rotation: selector.isOpen ? 180 : 0
            Behavior on rotation { NumberAnimation { duration: 500 } }
        }
        MouseArea {
            anchors.fill: parent
            property bool toggledByDrag: false
            onPressed: toggledByDrag = false
            onPositionChanged: (mouse) => {
                if (!toggledByDrag && !contains(Qt.point(mouse.x, mouse.y))) {
                    toggledByDrag = true
                    selector.toggle()
                }
            }
            onReleased: (mouse) => {
                if (!toggledByDrag)
                    selector.toggle()
            }
        }
    }
}
