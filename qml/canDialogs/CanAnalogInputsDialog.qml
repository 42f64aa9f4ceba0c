import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../pdmDialogs"
import "CanRules.js" as CanRules

// Values decoded from received messages: where they sit in the frame, their size and byte order,
// the conversion (mask, multiplier, divider, offset) and the value held when the message is lost.
CanPage {
    id: root
    objectName: "canAnalogInputsDialog"
    title: qsTr("Настройка приема данных кан")

    readonly property var inputs: can ? can.canAnalogInputs : []
    readonly property var messageEntries: can ? (can.canInMessages.map(m => m.canId), CanRules.inMessageEntries(can)) : []

    function messageOf(input) {
        return input && can && input.canInMessageIndex < can.canInMessages.length ? can.canInMessages[input.canInMessageIndex] : null
    }
    function setFormat(input, format) {
        if (!input || CanRules.valueFormat(input) === format)
            return
        input.isSize16Bit = format >= 2
        input.isSignedValue = (format & 1) === 1
        changed()
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
            objectName: "canAnalogInput_" + index
            number: index + 1
            active: input ? input.isInputEnabled : false
            headerData: [
                CheckBoxNuvo {
                    objectName: "canAiEnabled_" + card.index
                    text: qsTr("Активен")
                    target: card.input; property: "isInputEnabled"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                },
                NameField {
                    visible: root.isPdm
                    objectName: "canAiName_" + card.index
                    width: 300 * root.ps
                    label: qsTr("Имя CAN данных %1").arg(card.index + 1)
                    target: root.isPdm ? card.input : null; property: "inputName"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            ]
            CanField {
                caption: qsTr("сообщение")
                MyComboBox {
                    objectName: "canAiMessage_" + card.index
                    width: 260 * root.ps
                    accessibleName: qsTr("Сообщение CAN данных %1").arg(card.index + 1)
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
                    accessibleName: qsTr("Номер кадра CAN данных %1").arg(card.index + 1)
                    model: CanRules.rangeEntries(0, 63)
                    target: card.input; property: "frameId"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            CanField {
                caption: qsTr("Индекс в цепочке:")
                MyComboBox {
                    objectName: "canAiByte_" + card.index
                    width: 140 * root.ps
                    accessibleName: qsTr("Байт CAN данных %1").arg(card.index + 1)
                    model: CanRules.byteEntries(8)
                    target: card.input; property: "dataByteIndex"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            MyComboBox {
                objectName: "canAiFormat_" + card.index
                width: 230 * root.ps
                accessibleName: qsTr("Размер и знак CAN данных %1").arg(card.index + 1)
                model: CanRules.valueFormats
                currentIndex: CanRules.valueFormat(card.input)
                onActivated: (i) => root.setFormat(card.input, i)
            }
            MyComboBox {
                width: 560 * root.ps
                accessibleName: qsTr("Порядок байт CAN данных %1").arg(card.index + 1)
                model: CanRules.byteOrders()
                target: card.input; property: "isSwapBytes"
                flagTarget: root.flagOwner; changeFlag: root.changeFlag
            }
            CanField {
                caption: qsTr("1.Маска")
                HexTextField {
                    objectName: "canAiMask_" + card.index
                    width: 130 * root.ps
                    intFrom: 0; intTo: 0xFFFF
                    target: card.input; property: "dataMask"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Маска CAN данных %1").arg(card.index + 1)
                }
            }
            CanField {
                caption: qsTr("2.Множитель")
                IntTextField {
                    objectName: "canAiMultiplier_" + card.index
                    width: 120 * root.ps
                    intFrom: -32768; intTo: 32767
                    target: card.input; property: "dataValueMultiplier"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Множитель CAN данных %1").arg(card.index + 1)
                }
            }
            CanField {
                caption: qsTr("3.Делитель")
                IntTextField {
                    width: 120 * root.ps
                    intFrom: -32768; intTo: 32767
                    target: card.input; property: "dataValueDivider"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Делитель CAN данных %1").arg(card.index + 1)
                }
            }
            CanField {
                caption: qsTr("4.Оффсет")
                IntTextField {
                    width: 120 * root.ps
                    intFrom: -32768; intTo: 32767
                    target: card.input; property: "dataValueOffset"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Оффсет CAN данных %1").arg(card.index + 1)
                }
            }
            CanField {
                caption: qsTr("при таймауте пакета")
                MyComboBox {
                    width: 290 * root.ps
                    accessibleName: qsTr("При таймауте пакета, данные %1").arg(card.index + 1)
                    model: [{ text: qsTr("Последнее состояние"), value: false }, { text: qsTr("установить значение:"), value: true }]
                    target: card.input; property: "isSetValueOnTimeout"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
                IntTextField {
                    visible: card.input ? card.input.isSetValueOnTimeout : false
                    width: 120 * root.ps
                    intFrom: -32768; intTo: 32767
                    target: card.input; property: "dataValueOnTimeout"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Значение при таймауте, данные %1").arg(card.index + 1)
                }
            }
        }
    }
}
