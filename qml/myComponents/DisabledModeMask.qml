import QtQuick
import ARDIX 1.0

// Dims the main screen while the device selector is open, and over a dash mode that is switched
// off; on the dash it carries the settings icon that opens the mode settings.
Rectangle {
    id: mask
    property var kernel
    property bool selectorOpen: false
    property bool isDash: true
    property bool modeDisabled: false
    property real settingsIconX: 0
    property real settingsIconY: 0
    property real iconSize: 59
    readonly property bool shown: selectorOpen || (isDash && modeDisabled)

    signal closeSelector()
    signal openModeSettings()

    color: AppStyle.surfaceColor
    opacity: shown ? 0.8 : 0
    visible: opacity > 0
    Behavior on opacity { NumberAnimation { duration: 600 } }

    onSelectorOpenChanged: recompute()
    onIsDashChanged: recompute()

    // Whether the current mode's bit is clear in the current skin's enabled modes.
    function recompute() {
        if (!kernel || !isDash || !DevSettings.dash || !DevSettings.dash.commonSettings) {
            modeDisabled = false
            return
        }
        const enabled = DevSettings.dash.commonSettings.skinSetting(kernel.curSkinNum, ArdixEnums.ModesEnabled)
        modeDisabled = enabled >= 0 && ((enabled >> kernel.curSkinMode) & 1) === 0
    }

    MouseArea {
        anchors.fill: parent
        enabled: mask.visible
        onClicked: mask.closeSelector()
    }

    // A switched-off mode says so, and where it is switched on.
    Rectangle {
        visible: note.visible
        anchors.centerIn: note
        width: note.width + 60 * AppStyle.pixelScale
        height: note.height + 40 * AppStyle.pixelScale
        radius: 12 * AppStyle.pixelScale
        color: AppStyle.deepColor
        border.color: AppStyle.warningColor
        border.width: 1
    }
    Column {
        id: note
        objectName: "disabledModeNote"
        visible: mask.isDash && mask.modeDisabled && !mask.selectorOpen
        anchors.centerIn: parent
        spacing: 12 * AppStyle.pixelScale
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Режим отключен")
            color: AppStyle.lightTextColor
            font.pixelSize: AppStyle.basicTitleSize * 1.4
            Accessible.role: Accessible.StaticText
            Accessible.name: text
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: qsTr("Включить его можно в настройках режима: желтая шестеренка вверху")
            color: AppStyle.warningColor
            font.pixelSize: AppStyle.basicFontSize
        }
    }

    Image {
        objectName: "maskModeSettings"
        visible: mask.isDash
        x: mask.settingsIconX
        y: mask.settingsIconY
        width: mask.iconSize
        height: width
        sourceSize: Qt.size(width, height)
        source: "qrc:/ARDIX/images/icons/settings_yellow.svg"
        opacity: iconArea.pressed ? 0.5 : 1
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Настройки режима")
        Accessible.onPressAction: mask.openModeSettings()
        activeFocusOnTab: mask.visible
        Keys.onSpacePressed: mask.openModeSettings()
        Keys.onReturnPressed: mask.openModeSettings()
        MouseArea {
            id: iconArea
            anchors.fill: parent
            onClicked: mask.openModeSettings()
        }
    }
}
