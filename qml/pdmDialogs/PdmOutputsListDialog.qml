import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The PDM's outputs: name, pin, current limit and what switches each one; a row opens the output.
BasicDialog {
    id: root
    objectName: "pdmOutputsListDialog"
    fullScreen: true
    title: qsTr("Список выходов PDM")

    readonly property var pdm: DevSettings.pdm
    readonly property real ps: AppStyle.pixelScale
    readonly property var description: kernel ? kernel.pdmDescription : ({})
    readonly property int outputsCount: description.outputsCount || 30

    applyButtonRight.visible: pdm !== null && pdm.hasChanges
    headerInfoText: pdm ? qsTr("использовано операций %1").arg(pdm.activePdmFunctions) + " / " + MyDefines.max_PDM_FUNCTIONS_COUNT : ""
    onAccepted: if (kernel) kernel.applyNewPdmSettings()

    PdmLogicPreview {
        id: preview
        settings: root.pdm
        kernel: root.kernel
    }

    function openOutput(i) {
        const view = root.StackView.view
        if (view && typeof view.openPage === "function")
            view.openPage("pdmDialogs/PdmOutputSettingsDialog.qml", { outputIndex: i })
    }

    function summary(o) {
        if (!o || o.functionsCount === 0)
            return qsTr("не назначено условие включения")
        const first = preview.revision >= 0 ? preview.description(o.functionsOrder[0]) : ""
        return o.functionsCount > 1 ? first + "  (+" + (o.functionsCount - 1) + ")" : first
    }

    ListView {
        id: list
        objectName: "outputsList"
        anchors.fill: parent
        clip: true
        model: root.outputsCount
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        delegate: SettingsRow {
            id: row
            required property int index
            readonly property var output: root.pdm ? root.pdm.outputs[index] : null
            objectName: "outputRow_" + index
            width: list.width
            height: Math.round(AppStyle.basicRowHeight * 1.05)
            title: qsTr("Выход #%1").arg(index + 1) + "   " + (output && output.outputName.length ? output.outputName : "------")
            onClicked: root.openOutput(index)
            Column {
                width: row.width * 0.55
                Text {
                    width: parent.width
                    text: qsTr("пин %1").arg((root.description.outputPins || [])[row.index] || "") + qsTr(",  макс. ток %1").arg(row.output ? row.output.maxCurrent : 0) + qsTr("А%1").arg((row.output && ((row.output.configBits >> ArdixEnums.OutputPwmModeActive) & 1) ? ",  PWM" : ""))
                    color: AppStyle.subtleTextColor
                    font.pixelSize: AppStyle.basicFontSize * 0.8
                    elide: Text.ElideRight
                }
                Text {
                    width: parent.width
                    text: root.summary(row.output)
                    color: row.output && row.output.functionsCount > 0 ? AppStyle.textColor : AppStyle.disabledTextColor
                    font.pixelSize: AppStyle.basicFontSize * 0.8
                    elide: Text.ElideRight
                }
            }
        }
    }
}
