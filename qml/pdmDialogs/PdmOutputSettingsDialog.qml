import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../logicDialogs"

// One PDM output: its name, current limits, restarts, PWM, and the conditions that switch it.
BasicDialog {
    id: root
    objectName: "pdmOutputSettingsDialog"
    fullScreen: true
    title: qsTr("Настройка выхода #%1").arg(outputIndex + 1)

    property int outputIndex: 0
    readonly property var pdm: DevSettings.pdm
    readonly property var output: pdm && outputIndex >= 0 && outputIndex < pdm.outputs.length ? pdm.outputs[outputIndex] : null
    readonly property real ps: AppStyle.pixelScale
    readonly property var description: kernel ? kernel.pdmDescription : ({})
    readonly property int maxAmps: (description.outputsMaxCurrent || [])[outputIndex] || 30
    readonly property bool canPwm: !!(description.isOutputPwm || [])[outputIndex]
    readonly property bool isPwm: output !== null && ((output.configBits >> ArdixEnums.OutputPwmModeActive) & 1) === 1

    applyButtonRight.visible: pdm !== null && pdm.hasChanges
    headerInfoText: pdm ? qsTr("использовано операций %1").arg(pdm.activePdmFunctions) + " / " + MyDefines.max_PDM_FUNCTIONS_COUNT : ""
    onAccepted: if (kernel) kernel.applyNewPdmSettings()

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() { nameField.text = root.output ? root.output.outputName : "" }
    }

    PdmLogicPreview {
        id: preview
        settings: root.pdm
        kernel: root.kernel
    }

    component Label: Text {
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        verticalAlignment: Text.AlignVCenter
        height: AppStyle.textInputHeight
    }
    component Section: Text {
        color: AppStyle.primaryColor
        font.pixelSize: AppStyle.basicTitleSize
        font.capitalization: Font.AllUppercase
        topPadding: 10 * root.ps
    }

    Flickable {
        id: flick
        anchors.fill: parent
        anchors.leftMargin: 25 * root.ps
        anchors.rightMargin: 25 * root.ps
        contentHeight: form.implicitHeight + 40 * root.ps
        clip: true
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        Column {
            id: form
            y: 16 * root.ps
            width: flick.width
            spacing: 12 * root.ps

            Row {
                spacing: 14 * root.ps
                Label { text: qsTr("Имя выхода"); width: 230 * root.ps }
                NameField {
                    id: nameField
                    objectName: "outputNameField"
                    width: 420 * root.ps
                    target: root.output; property: "outputName"
                    flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                    label: qsTr("Имя выхода")
                }
                Label { text: qsTr("пин %1").arg((root.description.outputPins || [])[root.outputIndex] || ""); color: AppStyle.subtleTextColor }
            }

            Section { text: qsTr("Токи и перезапуски") }
            // A grid, so that the fields line up in columns at every width.
            Grid {
                width: parent.width
                spacing: 14 * root.ps
                columns: Math.max(1, Math.floor((width + spacing) / (334 * root.ps)))
                Row {
                    spacing: 10 * root.ps
                    Label { text: qsTr("Макс. ток, А"); width: 200 * root.ps }
                    IntTextField {
                        label: qsTr("Макс. ток, А")
                        objectName: "maxCurrentField"
                        width: 110 * root.ps
                        intFrom: 1; intTo: root.maxAmps
                        target: root.output; property: "maxCurrent"
                        flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                    }
                }
                Row {
                    spacing: 10 * root.ps
                    Label { text: qsTr("Мин. ток, А"); width: 200 * root.ps }
                    IntTextField {
                        label: qsTr("Мин. ток, А")
                        width: 110 * root.ps
                        intFrom: 0; intTo: root.maxAmps
                        target: root.output; property: "minCurrent"
                        flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                    }
                }
                Row {
                    spacing: 10 * root.ps
                    Label { text: qsTr("Пусковой ток, А"); width: 200 * root.ps }
                    IntTextField {
                        label: qsTr("Пусковой ток, А")
                        width: 110 * root.ps
                        intFrom: 0; intTo: 250
                        target: root.output; property: "maxInrushCurrent"
                        flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                    }
                }
                Row {
                    spacing: 10 * root.ps
                    Label { text: qsTr("Время пуска, мс"); width: 200 * root.ps }
                    IntTextField {
                        label: qsTr("Время пуска, мс")
                        width: 110 * root.ps
                        intFrom: 0; intTo: 65535
                        target: root.output; property: "inrushDelay"
                        flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                    }
                }
                Row {
                    spacing: 10 * root.ps
                    Label { text: qsTr("Перезапусков"); width: 200 * root.ps }
                    IntTextField {
                        label: qsTr("Перезапусков")
                        width: 110 * root.ps
                        intFrom: 0; intTo: 250
                        target: root.output; property: "retryCount"
                        flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                    }
                }
                Row {
                    spacing: 10 * root.ps
                    Label { text: qsTr("Пауза, мс"); width: 200 * root.ps }
                    IntTextField {
                        label: qsTr("Пауза, мс")
                        width: 110 * root.ps
                        intFrom: 0; intTo: 65535
                        target: root.output; property: "retryDelay"
                        flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                    }
                }
            }
            Flow {
                width: parent.width
                spacing: 24 * root.ps
                CheckBoxNuvo {
                    text: qsTr("Выключать размыкателем")
                    target: root.output; property: "configBits"; bit: ArdixEnums.OutputShutdownWithMasterShutdown
                    flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                }
                CheckBoxNuvo {
                    text: qsTr("Работает во сне")
                    target: root.output; property: "configBits"; bit: ArdixEnums.OutputStayAliveDuringStandby
                    flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                }
                CheckBoxNuvo {
                    objectName: "pwmModeCheck"
                    visible: root.canPwm
                    text: qsTr("Режим PWM")
                    target: root.output; property: "configBits"; bit: ArdixEnums.OutputPwmModeActive
                    flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                }
            }

            Section { text: qsTr("Условия включения") }
            Text {
                visible: root.output !== null && root.output.functionsCount === 0
                text: qsTr("Выход не включится, пока не назначено ни одного условия")
                color: AppStyle.midGreyColor
                font.pixelSize: AppStyle.basicFontSize * 0.9
            }
            ChildFunctionsList {
                objectName: "outputFunctions"
                width: parent.width
                owner: root.output
                preview: preview
                window: root.window
                kernel: root.kernel
                functionParent: ArdixEnums.FunctionParent_PdmOutput
                changeFlag: "outputsHasChanges"
                // An output without a name goes to the device as unused: naming it keeps the condition.
                onAppended: {
                    if (root.output.outputName.length > 0)
                        return
                    root.output.outputName = qsTr("Выход %1").arg(root.outputIndex + 1)
                    nameField.text = root.output.outputName
                }
            }

            Section { visible: root.isPwm; text: qsTr("Управление PWM") }
            Row {
                visible: root.isPwm
                spacing: 10 * root.ps
                Label { text: qsTr("Мин. заполнение, %"); width: 230 * root.ps }
                IntTextField {
                    label: qsTr("Мин. заполнение, %")
                    width: 110 * root.ps
                    intFrom: 0; intTo: 100
                    target: root.output; property: "minDuty"
                    flagTarget: root.pdm; changeFlag: "outputsHasChanges"
                }
            }
            PwmFunctionsList {
                visible: root.isPwm
                width: parent.width
                output: root.output
                preview: preview
                window: root.window
                kernel: root.kernel
            }
        }
    }
}
