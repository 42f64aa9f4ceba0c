import QtQuick
import ARDIX 1.0
import "../myComponents"

// Switches the shown mode on or off and makes it the one the dash starts with.
BasicDialog {
    id: dialog
    objectName: "skinModeSettingsDialog"
    title: qsTr("Режим %1").arg(mode + 1)
    backgroundItemWidth: 620 * AppStyle.pixelScale
    backgroundItemHeight: 330 * AppStyle.pixelScale

    readonly property int mode: kernel ? kernel.curSkinMode : 0
    property int revision: 0
    readonly property int enabledBits: setting(ArdixEnums.ModesEnabled, revision)
    readonly property int defaultMode: setting(ArdixEnums.DefaultMode, revision)
    readonly property bool isEnabled: ((enabledBits >> mode) & 1) === 1
    readonly property bool isDefault: defaultMode === mode

    function setting(index, rev) {
        if (!kernel || !DevSettings.dash || !DevSettings.dash.commonSettings)
            return 0
        return Math.max(0, DevSettings.dash.commonSettings.skinSetting(kernel.curSkinNum, index))
    }
    function toggle() {
        const disabling = isEnabled
        const bits = disabling ? enabledBits & ~(1 << mode) : enabledBits | (1 << mode)
        kernel.saveNewSkinSettings(ArdixEnums.ModesEnabled, bits)
        if (disabling)
            destroyBasicDialog()
    }
    function makeDefault() {
        kernel.saveNewSkinSettings(ArdixEnums.DefaultMode, mode)
        destroyBasicDialog()
    }

    Connections {
        target: dialog.kernel
        ignoreUnknownSignals: true
        function onConfigChangedSignal() { dialog.revision++ }
        function onSkinModeChanged() { dialog.revision++ }
    }

    Column {
        anchors.centerIn: parent
        width: parent.width * 0.8
        spacing: 24 * AppStyle.pixelScale
        Text {
            width: parent.width
            horizontalAlignment: Text.AlignHCenter
            text: (qsTr("Режим %1").arg(dialog.mode + 1)).toUpperCase()
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicTitleSize
        }
        FlatButton {
            objectName: "toggleModeButton"
            width: parent.width
            height: 70 * AppStyle.pixelScale
            enabled: !dialog.isDefault
            color: dialog.isDefault ? AppStyle.surfaceColor : dialog.isEnabled ? AppStyle.errorColor : AppStyle.acceptColor
            text: (dialog.isEnabled ? qsTr("сделать не активным") : qsTr("сделать активным")).toUpperCase()
            onClicked: dialog.toggle()
        }
        FlatButton {
            objectName: "defaultModeButton"
            width: parent.width
            height: 70 * AppStyle.pixelScale
            enabled: dialog.isEnabled && !dialog.isDefault
            color: enabled ? AppStyle.primaryColor : AppStyle.surfaceColor
            text: (dialog.isDefault ? qsTr("этот режим активный при включении") : qsTr("сделать по умолчанию")).toUpperCase()
            onClicked: dialog.makeDefault()
        }
    }
}
