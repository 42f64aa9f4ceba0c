import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../utils/WindowFunctions.js" as WindowFunctions
import "../utils/KeypadRules.js" as KeypadRules

// The keypads of the dash (two) or of the PDM (four): model, CAN id, serial, brightness and colour.
BasicDialog {
    id: root
    objectName: "keypadSettingsDialog"
    fullScreen: true
    title: qsTr("Настройки клавиатур и кейпадов")

    property int parentDev: ArdixEnums.Device_Ardix7
    readonly property bool isPdm: parentDev === ArdixEnums.Device_Pmx
    readonly property var owner: isPdm ? DevSettings.pdm : (DevSettings.dash ? DevSettings.dash.extra : null)
    readonly property var device: isPdm ? DevSettings.pdm : DevSettings.dash
    readonly property var keypads: owner ? owner.keypads : []
    property int current: 0
    readonly property var keypad: current < keypads.length ? keypads[current] : null
    readonly property int type: keypad ? keypad.keypadType : 0
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

    function changed() { if (owner) owner.keypadsHasChanges = true }

    function chooseModel(entry) {
        keypad.keypadType = entry.deviceId
        keypad.keypadConfigBits = keypad.keypadConfigBits & ~0x05
        keypad.canId = entry.canId
        changed()
    }

    // Nothing of a keypad that is not connected can be set.
    readonly property bool keypadOn: keypad !== null && ((keypad.keypadConfigBits >> (isPdm ? 2 : 0)) & 1) === 1
    function show(k) {
        current = k
        if (keypad && KeypadRules.fixBlinkMarine(keypad))
            changed()
    }
    Component.onCompleted: show(0)

    function openButtons() {
        const view = root.StackView.view
        if (view && typeof view.openPage === "function")
            view.openPage("keypadDialogs/KeypadButtonsSettingsDialog.qml", { parentDev: parentDev, keypadIndex: current })
    }

    component Label: Text {
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        verticalAlignment: Text.AlignVCenter
        height: AppStyle.textInputHeight
        width: 280 * root.ps
    }

    Column {
        id: keypadButtons
        x: 20 * root.ps
        y: 20 * root.ps
        spacing: 10 * root.ps
        Repeater {
            model: root.keypads.length
            FlatButton {
                required property int index
                objectName: "keypadButton_" + index
                width: 230 * root.ps
                height: 64 * root.ps
                role: index === root.current ? "primary" : "stepper"
                text: qsTr("Кейпад %1").arg(index + 1)
                // What was typed belongs to the keypad shown when it was typed.
                onClicked: if (index === root.current || root.commitEdits()) root.show(index)
            }
        }
    }

    Flickable {
        id: flick
        anchors.fill: parent
        anchors.leftMargin: keypadButtons.x + keypadButtons.width + 30 * root.ps
        anchors.rightMargin: 20 * root.ps
        contentHeight: form.implicitHeight + 40 * root.ps
        clip: true
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }

        Column {
            id: form
            y: 20 * root.ps
            width: flick.width
            spacing: 12 * root.ps

            Row {
                spacing: 12 * root.ps
                Label { text: qsTr("Модель кейпада") }
                MyComboBox {
                    id: modelCombo
                    objectName: "keypadModelCombo"
                    width: 470 * root.ps
                    accessibleName: qsTr("Модель кейпада")
                    model: WindowFunctions.keypadTypes.map(t => ({ text: t.text, value: t.deviceId }))
                    currentIndex: WindowFunctions.keypadTypes.findIndex(t => t.deviceId === root.type)
                    onActivated: (index) => root.chooseModel(WindowFunctions.keypadTypes[index])
                }
            }
            CheckBoxNuvo {
                objectName: "keypadEnabledCheck"
                text: qsTr("Кейпад подключен")
                target: root.keypad; property: "keypadConfigBits"; bit: root.isPdm ? 2 : 0
                flagTarget: root.owner; changeFlag: "keypadsHasChanges"
            }
            CheckBoxNuvo {
                enabled: root.keypadOn
                visible: root.isPdm && KeypadRules.isConfigurable(root.type)
                text: qsTr("Настроить этот кейпад")
                target: root.keypad; property: "keypadConfigBits"; bit: 0
                flagTarget: root.owner; changeFlag: "keypadsHasChanges"
            }
            Row {
                enabled: root.keypadOn
                spacing: 12 * root.ps
                Label { text: "CAN ID (hex)" }
                HexTextField {
                    objectName: "keypadCanIdField"
                    width: 160 * root.ps
                    label: "CAN ID"
                    intFrom: 0; intTo: 0x7FF
                    enabled: KeypadRules.isQpad(root.type)
                    target: root.keypad; property: "canId"
                    flagTarget: root.owner; changeFlag: "keypadsHasChanges"
                }
            }
            Row {
                enabled: root.keypadOn
                spacing: 12 * root.ps
                Label { text: qsTr("Кейпад ID (HEX)") }
                HexTextField {
                    objectName: "keypadSerialField"
                    width: 160 * root.ps
                    label: qsTr("Кейпад ID")
                    minDigits: 4
                    intFrom: 0; intTo: 0xFFFF
                    enabled: root.type !== ArdixEnums.Device_BMW_IDrive_Joystic
                    target: root.keypad; property: "keypadSerial"
                    flagTarget: root.owner; changeFlag: "keypadsHasChanges"
                }
            }
            Row {
                enabled: root.keypadOn
                spacing: 12 * root.ps
                visible: root.type !== ArdixEnums.Device_BMW_IDrive_Joystic
                Label { text: qsTr("Яркость подсветки") }
                MySpinBox {
                    objectName: "backlightSpin"
                    label: qsTr("Яркость подсветки")
                    minimumValue: 0; maximumValue: 15
                    value: root.keypad ? root.keypad.ledsAndWs2812bBrightness & 0x0F : 0
                    onValueModified: (v) => {
                        root.keypad.ledsAndWs2812bBrightness = (root.keypad.ledsAndWs2812bBrightness & 0xF0) | v
                        root.changed()
                    }
                }
            }
            Row {
                enabled: root.keypadOn
                spacing: 12 * root.ps
                visible: root.type !== ArdixEnums.Device_BMW_IDrive_Joystic && !KeypadRules.isQpad(root.type)
                Label { text: qsTr("Яркость индикации") }
                MySpinBox {
                    objectName: "indicationSpin"
                    label: qsTr("Яркость индикации")
                    minimumValue: 0; maximumValue: 15
                    value: root.keypad ? root.keypad.ledsAndWs2812bBrightness >> 4 : 0
                    onValueModified: (v) => {
                        root.keypad.ledsAndWs2812bBrightness = (root.keypad.ledsAndWs2812bBrightness & 0x0F) | (v << 4)
                        root.changed()
                    }
                }
            }
            Row {
                enabled: root.keypadOn
                spacing: 12 * root.ps
                visible: KeypadRules.isArdix(root.type)
                Label { text: qsTr("цвет подсветки") }
                Repeater {
                    model: [{ p: "redColor", c: AppStyle.errorColor, n: qsTr("красный") }, { p: "greenColor", c: AppStyle.acceptColor, n: qsTr("зеленый") },
                            { p: "blueColor", c: AppStyle.primaryColor, n: qsTr("синий") }]
                    Row {
                        required property var modelData
                        spacing: 4 * root.ps
                        Rectangle { width: 16 * root.ps; height: AppStyle.textInputHeight; color: modelData.c }
                        IntTextField {
                            objectName: "colorField_" + modelData.p
                            width: 90 * root.ps
                            label: qsTr("цвет подсветки: %1").arg(modelData.n)
                            intFrom: 0; intTo: 255
                            target: root.keypad; property: modelData.p
                            flagTarget: root.owner; changeFlag: "keypadsHasChanges"
                        }
                    }
                }
            }
            Row {
                enabled: root.keypadOn
                spacing: 12 * root.ps
                visible: KeypadRules.isBlinkMarine(root.type)
                Label { text: qsTr("цвет подсветки") }
                MyComboBox {
                    objectName: "blinkMarineColorCombo"
                    width: 300 * root.ps
                    accessibleName: qsTr("цвет подсветки")
                    model: KeypadRules.blinkMarineColors().map((t, i) => ({ text: t, value: i + 1 }))
                    target: root.keypad; property: "blueColor"
                    flagTarget: root.owner; changeFlag: "keypadsHasChanges"
                }
            }
            FlatButton {
                enabled: root.keypadOn
                objectName: "keypadButtonsPageButton"
                width: 260 * root.ps
                height: 56 * root.ps
                text: qsTr("кнопки")
                onClicked: root.openButtons()
            }
        }
    }
}
