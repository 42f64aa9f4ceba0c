import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../pdmDialogs"
import "CanRules.js" as CanRules

// Bits of received messages used as digital inputs: which message, which byte, the mask, and what
// the input does when its message stops coming.
CanPage {
    id: root
    objectName: "canDigitalInputsDialog"
    title: qsTr("Настройка цифровых Can входов")

    readonly property var inputs: can ? can.canDigitalInputs : []
    readonly property var messageEntries: can ? (can.canInMessages.map(m => m.canId), CanRules.inMessageEntries(can)) : []

    function messageOf(input) {
        return input && can && input.canInMessageIndex < can.canInMessages.length ? can.canInMessages[input.canInMessageIndex] : null
    }

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        model: root.inputs.length
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        delegate: CanCard {
            id: card
            required property int index
            readonly property var input: root.inputs[index]
            readonly property var message: root.messageOf(input)
            objectName: "canDigitalInput_" + index
            number: index + 1
            active: input ? input.isInputEnabled : false
            headerData: [
                CheckBoxNuvo {
                    objectName: "canDiEnabled_" + card.index
                    text: qsTr("Активен")
                    target: card.input; property: "isInputEnabled"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                },
                NameField {
                    objectName: "canDiName_" + card.index
                    width: 300 * root.ps
                    label: qsTr("Имя CAN входа %1").arg(card.index + 1)
                    target: card.input; property: "inputName"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            ]
            CanField {
                caption: qsTr("сообщение")
                MyComboBox {
                    objectName: "canDiMessage_" + card.index
                    width: 260 * root.ps
                    accessibleName: qsTr("Сообщение CAN входа %1").arg(card.index + 1)
                    model: root.messageEntries
                    target: card.input; property: "canInMessageIndex"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            CanField {
                visible: card.message ? card.message.isFrameSet : false
                caption: qsTr("кадр")
                MyComboBox {
                    width: 110 * root.ps
                    accessibleName: qsTr("Номер кадра CAN входа %1").arg(card.index + 1)
                    model: CanRules.rangeEntries(0, 63)
                    target: card.input; property: "frameId"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            CanField {
                caption: qsTr("байт")
                MyComboBox {
                    objectName: "canDiByte_" + card.index
                    width: 140 * root.ps
                    accessibleName: qsTr("Байт CAN входа %1").arg(card.index + 1)
                    model: CanRules.byteEntries(8)
                    target: card.input; property: "dataByteIndex"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            CanField {
                caption: qsTr("маска")
                HexTextField {
                    objectName: "canDiMask_" + card.index
                    width: 110 * root.ps
                    intFrom: 0; intTo: 0xFF
                    target: card.input; property: "dataMask"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Маска CAN входа %1").arg(card.index + 1)
                }
            }
            CheckBoxNuvo {
                text: qsTr("по маске (все биты маски)")
                target: card.input; property: "isSetupByMask"
                flagTarget: root.flagOwner; changeFlag: root.changeFlag
            }
            CheckBoxNuvo {
                text: qsTr("сброс при таймауте")
                target: card.input; property: "isResetOnTimeout"
                flagTarget: root.flagOwner; changeFlag: root.changeFlag
            }
            CheckBoxNuvo {
                text: qsTr("установка при таймауте")
                target: card.input; property: "isSetOnTimeout"
                flagTarget: root.flagOwner; changeFlag: root.changeFlag
            }
        }
    }
}
