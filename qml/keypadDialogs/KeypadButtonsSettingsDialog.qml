import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../pdmDialogs"
import "../utils/PdmFunctionChoices.js" as Choices
import "../utils/PdmDialogs.js" as Dialogs
import "../utils/KeypadRules.js" as KeypadRules

// The buttons of one keypad: their names and, on the PDM, the condition that lights each colour.
BasicDialog {
    id: root
    objectName: "keypadButtonsSettingsDialog"
    fullScreen: true
    title: qsTr("Кейпад %1").arg(keypadIndex + 1) + qsTr(": кнопки")

    property int parentDev: ArdixEnums.Device_Ardix7
    property int keypadIndex: 0
    readonly property bool isPdm: parentDev === ArdixEnums.Device_Pmx
    readonly property var owner: isPdm ? DevSettings.pdm : (DevSettings.dash ? DevSettings.dash.extra : null)
    readonly property var device: isPdm ? DevSettings.pdm : DevSettings.dash
    readonly property var keypad: owner && keypadIndex < owner.keypads.length ? owner.keypads[keypadIndex] : null
    readonly property real ps: AppStyle.pixelScale
    readonly property var colours: [{ name: qsTr("Красный"), fn: "ledRedFunction", bits: "redFunctionsActiveBits", c: AppStyle.errorColor },
                                    { name: qsTr("Зеленый"), fn: "ledGreenFunction", bits: "greenFunctionsActiveBits", c: AppStyle.acceptColor },
                                    { name: qsTr("Синий"), fn: "ledBlueFunction", bits: "blueFunctionsActiveBits", c: AppStyle.primaryColor }]

    applyButtonRight.visible: device !== null && device.hasChanges
    onAccepted: if (kernel) { if (isPdm) kernel.applyNewPdmSettings(); else kernel.applyNewArdixSettings() }

    PdmLogicPreview {
        id: preview
        settings: root.isPdm ? DevSettings.pdm : null
        kernel: root.kernel
    }

    function hasLamp(colour, b) { return ((keypad[colour.bits] >> b) & 1) === 1 }

    function setLamp(colour, b, id) {
        const list = keypad[colour.fn]
        list[b] = id
        keypad[colour.fn] = list
        keypad[colour.bits] = id >= 0 ? (keypad[colour.bits] | (1 << b)) : (keypad[colour.bits] & ~(1 << b))
        owner.keypadsHasChanges = true
        owner.functionsHasChanges = true
    }

    function editLamp(colour, b) {
        const isNew = !hasLamp(colour, b)
        const id = isNew ? Dialogs.newFunctionId(window, DevSettings.pdm.functions) : keypad[colour.fn][b]
        if (id < 0)
            return
        const d = Dialogs.openModal(window, "logicDialogs/InternalFunctionSettingsDialog.qml", {
            thisFunctionId: id, isAddNew: isNew, functionParent: ArdixEnums.FunctionParent_PdmKeypad, kernel: kernel, window: window })
        if (d && isNew)
            d.functionSaved.connect(function(fid) { root.setLamp(colour, b, fid) })
    }

    function removeLamp(colour, b) {
        const f = DevSettings.pdm.functions[keypad[colour.fn][b]]
        if (f && Choices.bitSet(f.configBits, ArdixEnums.FunctionIsInternal))
            f.reset()
        const list = keypad[colour.fn]
        list[b] = 0
        keypad[colour.fn] = list
        keypad[colour.bits] = keypad[colour.bits] & ~(1 << b)
        owner.keypadsHasChanges = true
        owner.functionsHasChanges = true
    }

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        objectName: "buttonsList"
        // A row per button the model really has.
        model: root.keypad ? (KeypadRules.buttonsCount(root.keypad.keypadType) || root.keypad.buttonsNames.length) : 0
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        delegate: Rectangle {
            id: row
            required property int index
            width: list.width
            height: Math.max(AppStyle.basicRowHeight, lamps.implicitHeight + 16 * root.ps)
            color: AppStyle.pageColor
            Rectangle { anchors.bottom: parent.bottom; width: parent.width; height: 1; color: AppStyle.lineColor }
            Text {
                id: number
                x: 25 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                width: 130 * root.ps
                text: qsTr("Кнопка #%1").arg(row.index + 1)
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize
            }
            NameField {
                id: nameField
                objectName: "buttonNameField_" + row.index
                anchors.left: number.right
                anchors.verticalCenter: parent.verticalCenter
                width: 300 * root.ps
                textValue: root.keypad ? root.keypad.buttonsNames[row.index] : ""
                label: qsTr("Имя кнопки %1").arg(row.index + 1)
                // The keypad is captured when typing starts: a name typed for one keypad stays its own.
                property var typedKeypad: null
                onTextEdited: if (typedKeypad === null) typedKeypad = root.keypad
                onValueCommitted: (v) => {
                    const keypad = typedKeypad || root.keypad
                    typedKeypad = null
                    if (!keypad)
                        return
                    const names = keypad.buttonsNames
                    if (names[row.index] === v)
                        return
                    names[row.index] = v
                    keypad.buttonsNames = names
                    root.owner.keypadsHasChanges = true
                }
            }
            Column {
                id: lamps
                visible: root.isPdm
                anchors.left: nameField.right
                anchors.leftMargin: 16 * root.ps
                anchors.right: parent.right
                anchors.rightMargin: 16 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                spacing: 4 * root.ps
                Repeater {
                    model: root.isPdm ? root.colours : []
                    Row {
                        id: lampRow
                        required property var modelData
                        readonly property bool set: root.keypad !== null && root.hasLamp(modelData, row.index)
                        spacing: 8 * root.ps
                        width: lamps.width
                        Rectangle {
                            width: 14 * root.ps; height: 30 * root.ps; radius: 3
                            color: lampRow.modelData.c
                            opacity: lampRow.set ? 1 : 0.3
                        }
                        Text {
                            width: lamps.width - 240 * root.ps
                            anchors.verticalCenter: parent.verticalCenter
                            text: lampRow.set ? (preview.revision >= 0 ? preview.description(root.keypad[lampRow.modelData.fn][row.index]) : "")
                                              : lampRow.modelData.name + qsTr(": не горит")
                            color: lampRow.set ? AppStyle.textColor : AppStyle.disabledTextColor
                            elide: Text.ElideRight
                            font.pixelSize: AppStyle.basicFontSize * 0.8
                        }
                        FlatButton {
                            width: 110 * root.ps; height: 32 * root.ps
                            text: lampRow.set ? qsTr("Изменить") : qsTr("Условие")
                            accessibleName: lampRow.modelData.name + qsTr(", кнопка %1").arg(row.index + 1)
                            onClicked: root.editLamp(lampRow.modelData, row.index)
                        }
                        FlatButton {
                            visible: lampRow.set
                            width: 100 * root.ps; height: 32 * root.ps; color: AppStyle.destructiveColor; text: qsTr("Удалить")
                            onClicked: root.removeLamp(lampRow.modelData, row.index)
                        }
                    }
                }
            }
        }
    }
}
