import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../pdmDialogs"

// One global function: its name and the conditions it joins with AND / OR.
BasicDialog {
    id: root
    objectName: "globalFunctionDialog"
    fullScreen: true
    title: qsTr("Настройка функции '%1").arg(func ? func.functionName : "") + "'"

    property int functionId: -1
    readonly property var pdm: DevSettings.pdm
    readonly property var func: pdm && functionId >= 0 && functionId < pdm.functions.length ? pdm.functions[functionId] : null
    readonly property real ps: AppStyle.pixelScale

    applyButtonRight.visible: pdm !== null && pdm.hasChanges
    headerInfoText: pdm ? qsTr("использовано операций %1").arg(pdm.activePdmFunctions) + " / " + MyDefines.max_PDM_FUNCTIONS_COUNT : ""
    onAccepted: if (kernel) kernel.applyNewPdmSettings()

    PdmLogicPreview {
        id: preview
        settings: root.pdm
        kernel: root.kernel
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
            spacing: 14 * root.ps
            Row {
                spacing: 14 * root.ps
                Text {
                    text: qsTr("Имя функции")
                    height: AppStyle.textInputHeight
                    verticalAlignment: Text.AlignVCenter
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.basicFontSize
                }
                NameField {
                    objectName: "functionNameField"
                    width: 460 * root.ps
                    maxBytes: 39
                    emptyAllowed: false
                    placeholderText: ""
                    target: root.func; property: "functionName"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                    label: qsTr("Имя функции")
                }
            }
            Text {
                width: parent.width
                text: qsTr("Функция активна, когда выполнены условия:")
                color: AppStyle.primaryColor
                font.pixelSize: AppStyle.basicTitleSize
            }
            ChildFunctionsList {
                objectName: "globalFunctionChildren"
                width: parent.width
                owner: root.func
                preview: preview
                window: root.window
                kernel: root.kernel
                functionParent: ArdixEnums.FunctionParent_PdmGlobalFunction
                changeFlag: "functionsHasChanges"
            }
        }
    }
}
