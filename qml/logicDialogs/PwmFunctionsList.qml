import QtQuick
import ARDIX 1.0
import "../myComponents"
import "../utils/PdmFunctionChoices.js" as Choices
import "../utils/PdmDialogs.js" as Dialogs

// The conditions that set a PWM output's duty: sixteen places, each empty or holding a function
// that can be switched on and off, moved and removed.
Column {
    id: root
    property var output: null
    property var pdm: DevSettings.pdm
    property var preview: null
    property var window: null
    property var kernel: null
    readonly property real ps: AppStyle.pixelScale
    readonly property var order: output ? output.pwmFunctionsOrder : []
    readonly property int activeBits: output ? output.pwmFunctionsActiveBits : 0
    readonly property var used: {
        const out = []
        for (let k = 0; k < order.length; ++k)
            if (order[k] !== 0)
                out.push(k)
        return out
    }
    spacing: 6 * ps

    function changed() {
        pdm.outputsHasChanges = true
        pdm.functionsHasChanges = true
    }

    function add() {
        let slot = -1
        for (let k = 0; k < order.length && slot < 0; ++k)
            if (order[k] === 0)
                slot = k
        if (slot < 0)
            return
        const id = Dialogs.newFunctionId(window, pdm.functions)
        if (id < 0)
            return
        const d = Dialogs.openModal(window, "logicDialogs/InternalFunctionSettingsDialog.qml", {
            thisFunctionId: id, isAddNew: true, functionParent: ArdixEnums.FunctionParent_PdmOutput, kernel: kernel, window: window })
        if (d)
            d.functionSaved.connect(function(fid) {
                const o = root.output.pwmFunctionsOrder
                o[slot] = fid
                root.output.pwmFunctionsOrder = o
                root.output.pwmFunctionsActiveBits = (root.output.pwmFunctionsActiveBits | (1 << slot)) >>> 0
                root.changed()
            })
    }

    function remove(k) {
        const id = order[k]
        if (!output.removePwmFunc(k))
            return
        const f = pdm.functions[id]
        if (f && Choices.bitSet(f.configBits, ArdixEnums.FunctionIsInternal)
                && !Choices.bitSet(f.configBits, ArdixEnums.FunctionIsGlobal))
            f.reset()
        changed()
    }

    Repeater {
        model: root.used
        Rectangle {
            id: entry
            required property var modelData
            readonly property int slot: modelData
            width: root.width
            height: Math.max(AppStyle.basicRowHeight * 0.8, descr.implicitHeight + 16 * root.ps)
            color: AppStyle.whiteColor
            border.color: AppStyle.lineColor
            radius: 4
            CheckBoxNuvo {
                id: activeCheck
                anchors.left: parent.left
                anchors.leftMargin: 8 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                text: ""
                Accessible.name: qsTr("Активна")
                target: root.output; property: "pwmFunctionsActiveBits"; bit: entry.slot
                flagTarget: root.pdm; changeFlag: "outputsHasChanges"
            }
            Text {
                id: descr
                anchors.left: activeCheck.right
                anchors.right: buttons.left
                anchors.rightMargin: 10 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                text: "PWM " + (entry.slot + 1) + ". " + (root.preview && root.preview.revision >= 0 ? root.preview.description(root.order[entry.slot]) : "")
                color: AppStyle.textColor
                wrapMode: Text.WordWrap
                font.pixelSize: AppStyle.basicFontSize * 0.9
            }
            Row {
                id: buttons
                anchors.right: parent.right
                anchors.rightMargin: 8 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                spacing: 6 * root.ps
                FlatButton {
                    width: 52 * root.ps; height: 44 * root.ps; text: "▲"; accessibleName: qsTr("Вверх")
                    enabled: entry.slot > 0
                    onClicked: if (root.output.moveUpPwmFunc(entry.slot)) root.changed()
                }
                FlatButton {
                    width: 52 * root.ps; height: 44 * root.ps; text: "▼"; accessibleName: qsTr("Вниз")
                    enabled: entry.slot < root.order.length - 1
                    onClicked: if (root.output.moveDownPwmFunc(entry.slot)) root.changed()
                }
                FlatButton {
                    width: 120 * root.ps; height: 44 * root.ps; text: qsTr("Изменить")
                    onClicked: Dialogs.openModal(root.window, "logicDialogs/InternalFunctionSettingsDialog.qml", {
                        thisFunctionId: root.order[entry.slot], functionParent: ArdixEnums.FunctionParent_PdmOutput,
                        kernel: root.kernel, window: root.window })
                }
                FlatButton {
                    width: 110 * root.ps; height: 44 * root.ps; color: AppStyle.destructiveColor; text: qsTr("Удалить")
                    onClicked: root.remove(entry.slot)
                }
            }
        }
    }

    FlatButton {
        visible: root.used.length < 16
        width: 300 * root.ps
        height: 50 * root.ps
        color: AppStyle.confirmColor
        text: qsTr("+ Добавить PWM условие")
        onClicked: root.add()
    }
}
