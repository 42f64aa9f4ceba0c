import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The PDM's physical inputs: a name and how each is wired (pull-down, analog, pull-up), as far as
// the board allows for that input.
BasicDialog {
    id: root
    objectName: "pdmInputsSettingsDialog"
    fullScreen: true
    title: qsTr("Настройка физических входов PDM")

    readonly property var pdm: DevSettings.pdm
    readonly property real ps: AppStyle.pixelScale
    readonly property var description: kernel ? kernel.pdmDescription : ({})
    readonly property int inputsCount: description.inputsCount || 20

    applyButtonRight.visible: pdm !== null && pdm.hasChanges
    headerInfoText: pdm ? qsTr("использовано операций %1").arg(pdm.activePdmFunctions) + " / " + MyDefines.max_PDM_FUNCTIONS_COUNT : ""
    onAccepted: if (kernel) kernel.applyNewPdmSettings()

    // Entries of the mode combo for an input whose board allows `available` (a mask of mode bits).
    function modes(available) {
        const out = [{ text: qsTr("не активирован"), value: 0 }]
        if (available & (1 << ArdixEnums.Tic124PullDownModeBit))
            out.push({ text: qsTr("цифровой, подтяжка к массе"), value: 1 << ArdixEnums.Tic124PullDownModeBit })
        if (available & (1 << ArdixEnums.Tic124PullUpModeBit))
            out.push({ text: qsTr("цифровой, подтяжка к +12В"), value: 1 << ArdixEnums.Tic124PullUpModeBit })
        if (available & (1 << ArdixEnums.Tic124AnalogModeBit))
            out.push({ text: qsTr("аналоговый"), value: 1 << ArdixEnums.Tic124AnalogModeBit })
        return out
    }

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        model: root.inputsCount
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        delegate: SettingsRow {
            id: row
            required property int index
            readonly property var input: root.pdm ? root.pdm.inputs[index] : null
            objectName: "inputRow_" + index
            width: list.width
            clickable: false
            title: qsTr("Вход #%1").arg(index + 1) + qsTr("   пин %1").arg((root.description.inputsPins || [])[index] || "")
                   + (index === root.description.bootInputIndex ? qsTr("  (загрузчик)") : "")
            NameField {
                objectName: "inputNameField_" + row.index
                width: 330 * root.ps
                target: row.input; property: "inputName"
                flagTarget: root.pdm; changeFlag: "inputsHasChanges"
                label: qsTr("Имя входа %1").arg(row.index + 1)
            }
            MyComboBox {
                objectName: "inputModeCombo_" + row.index
                width: 330 * root.ps
                accessibleName: qsTr("Режим входа %1").arg(row.index + 1)
                model: root.modes((root.description.inputsAvailableModes || [])[row.index] || 0)
                target: row.input
                property: "config"
                flagTarget: root.pdm
                changeFlag: "inputsHasChanges"
            }
        }
    }
}
