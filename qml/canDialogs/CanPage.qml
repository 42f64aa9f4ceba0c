import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// Base of the CAN pages: which device they serve, its CAN settings, the change flag every editor
// raises and the header's apply.
BasicDialog {
    id: root
    fullScreen: true

    property int parentDev: ArdixEnums.Device_Ardix7
    readonly property bool isPdm: parentDev === ArdixEnums.Device_Pmx
    readonly property var device: isPdm ? DevSettings.pdm : DevSettings.dash
    // The object whose customCanHasChanges marks the CAN settings changed.
    readonly property var flagOwner: isPdm ? DevSettings.pdm : (DevSettings.dash ? DevSettings.dash.extra : null)
    readonly property var can: flagOwner ? flagOwner.customCan : null
    readonly property string changeFlag: "customCanHasChanges"
    readonly property real ps: AppStyle.pixelScale

    applyButtonRight.visible: device !== null && device.hasChanges
    onAccepted: apply()
    function apply() {
        if (!kernel)
            return
        if (isPdm)
            kernel.applyNewPdmSettings()
        else
            kernel.applyNewArdixSettings()
    }
    function changed() {
        if (flagOwner)
            flagOwner.customCanHasChanges = true
    }

    function openPage(path, props) {
        const view = root.StackView.view
        if (view && typeof view.openPage === "function")
            return view.openPage(path, props)
        return null
    }
}
