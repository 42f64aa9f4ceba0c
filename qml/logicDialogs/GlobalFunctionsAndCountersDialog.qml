import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../utils/PdmFunctionChoices.js" as Choices
import "../utils/PdmDialogs.js" as Dialogs

// Global functions and counters of the PDM in their list order: add, reorder, edit, delete (after
// showing where the function is used).
BasicDialog {
    id: root
    objectName: "globalFunctionsAndCountersDialog"
    fullScreen: true
    title: qsTr("Глобальные функции и счетчики")

    readonly property var pdm: DevSettings.pdm
    readonly property real ps: AppStyle.pixelScale
    readonly property bool isFull: pdm !== null && pdm.activePdmFunctions >= MyDefines.max_PDM_FUNCTIONS_COUNT
    property var entries: []

    applyButtonRight.visible: pdm !== null && pdm.hasChanges
    headerInfoText: pdm ? qsTr("использовано операций %1").arg(pdm.activePdmFunctions) + " / " + MyDefines.max_PDM_FUNCTIONS_COUNT : ""
    onAccepted: if (kernel) kernel.applyNewPdmSettings()

    PdmLogicPreview {
        id: preview
        settings: root.pdm
        kernel: root.kernel
    }

    function refresh() {
        entries = pdm ? pdm.getGlobalFuncListOrder().map(e => e.funcId) : []
    }
    Component.onCompleted: refresh()
    StackView.onActivated: refresh()
    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() { root.refresh() }
    }

    function isCounter(id) {
        return Choices.bitSet(pdm.functions[id].configBits, ArdixEnums.FunctionIsCounter)
    }

    function add(counter) {
        if (isFull)
            return -1
        const id = Dialogs.newFunctionId(window, pdm.functions)
        if (id < 0)
            return -1
        const f = pdm.functions[id]
        f.reset()
        let n = 1
        for (let k = 0; k < entries.length; ++k)
            if (isCounter(entries[k]) === counter)
                ++n
        f.functionName = (counter ? qsTr("Счетчик ") : qsTr("Функция ")) + n
        f.configBits = (1 << (counter ? ArdixEnums.FunctionIsCounter : ArdixEnums.FunctionIsGlobal)) >>> 0
        if (counter) {
            f.constMaxValueToCompareWith = 10
            f.inChannelType = ArdixEnums.ChannelType_DisabledFunction
        } else {
            f.inChannelType = ArdixEnums.ChannelType_Constant
        }
        f.listIndex = entries.length
        if (counter)
            pdm.reindexCounters()
        pdm.functionsHasChanges = true
        refresh()
        return id
    }

    // Swaps the list places of entries k and k + step.
    function move(k, step) {
        const j = k + step
        if (j < 0 || j >= entries.length)
            return
        const a = pdm.functions[entries[k]]
        const b = pdm.functions[entries[j]]
        const t = a.listIndex
        a.listIndex = b.listIndex
        b.listIndex = t
        pdm.functionsHasChanges = true
        refresh()
    }

    function edit(id) {
        if (isCounter(id)) {
            Dialogs.openModal(window, "logicDialogs/CounterFunctionDialog.qml",
                              { thisFunctionId: id, kernel: kernel, window: window })
            return
        }
        const view = root.StackView.view
        if (view && typeof view.openPage === "function")
            view.openPage("logicDialogs/GlobalFunctionDialog.qml", { functionId: id })
    }

    function askDelete(id) {
        const usage = preview.usage(id)
        const name = pdm.functions[id].functionName
        const text = (usage.length ? usage + "\n\n" : "") + qsTr("Удалить '%1").arg(name) + "'?"
        const doDelete = function() { root.pdm.deleteGlobFunction(id); root.refresh() }
        if (window && typeof window.createDialog === "function")
            window.createDialog({ dialogTitle: qsTr("Внимание"), dialogText: text, acceptBtnText: qsTr("Удалить"),
                                  acceptBtnColor: AppStyle.destructiveColor, isCancelBtnVisible: true }, doDelete)
        else
            doDelete()
    }

    Row {
        id: addRow
        x: 25 * root.ps
        y: 14 * root.ps
        spacing: 14 * root.ps
        FlatButton {
            objectName: "addGlobalFunctionButton"
            width: 330 * root.ps; height: 52 * root.ps
            color: AppStyle.confirmColor
            enabled: !root.isFull
            text: qsTr("+ Глобальная функция")
            onClicked: root.edit(root.add(false))
        }
        FlatButton {
            objectName: "addCounterButton"
            width: 250 * root.ps; height: 52 * root.ps
            color: AppStyle.confirmColor
            enabled: !root.isFull
            text: qsTr("+ Счетчик")
            onClicked: root.edit(root.add(true))
        }
    }

    ListView {
        id: list
        objectName: "globalFunctionsList"
        anchors.fill: parent
        anchors.topMargin: addRow.y + addRow.height + 14 * root.ps
        clip: true
        model: root.entries
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        Text {
            visible: root.entries.length === 0
            anchors.centerIn: parent
            text: qsTr("нет глобальных функций и счетчиков")
            color: AppStyle.midGreyColor
            font.pixelSize: AppStyle.basicTitleSize
        }
        delegate: Rectangle {
            id: row
            required property int index
            required property var modelData
            readonly property int funcId: modelData
            readonly property var func: root.pdm.functions[funcId]
            readonly property bool counter: Choices.bitSet(func.configBits, ArdixEnums.FunctionIsCounter)
            objectName: "globalRow_" + index
            width: list.width
            height: Math.max(AppStyle.basicRowHeight, texts.implicitHeight + 16 * root.ps)
            color: AppStyle.pageColor
            Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: AppStyle.lineColor }
            Column {
                id: texts
                anchors.left: parent.left
                anchors.leftMargin: 25 * root.ps
                anchors.right: buttons.left
                anchors.rightMargin: 12 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                Text {
                    width: parent.width
                    text: (row.index + 1) + ". " + (row.counter ? qsTr("Счетчик: ") : qsTr("Функция: ")) + row.func.functionName
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.basicFontSize
                    elide: Text.ElideRight
                }
                Text {
                    width: parent.width
                    text: row.counter ? qsTr("от %1").arg(row.func.constMinValueToCompareWith) + qsTr(" до %1").arg(row.func.constMaxValueToCompareWith)
                                      : row.func.functionsCount + qsTr(" условий")
                    color: AppStyle.subtleTextColor
                    font.pixelSize: AppStyle.basicFontSize * 0.8
                }
            }
            Row {
                id: buttons
                anchors.right: parent.right
                anchors.rightMargin: 20 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6 * root.ps
                FlatButton {
                    width: 52 * root.ps; height: 44 * root.ps; text: "▲"; accessibleName: qsTr("Вверх")
                    enabled: row.index > 0
                    onClicked: root.move(row.index, -1)
                }
                FlatButton {
                    width: 52 * root.ps; height: 44 * root.ps; text: "▼"; accessibleName: qsTr("Вниз")
                    enabled: row.index < root.entries.length - 1
                    onClicked: root.move(row.index, 1)
                }
                FlatButton {
                    width: 120 * root.ps; height: 44 * root.ps; text: qsTr("Изменить")
                    onClicked: root.edit(row.funcId)
                }
                FlatButton {
                    objectName: "deleteGlobal_" + row.index
                    width: 110 * root.ps; height: 44 * root.ps; color: AppStyle.destructiveColor; text: qsTr("Удалить")
                    onClicked: root.askDelete(row.funcId)
                }
            }
        }
    }
}
