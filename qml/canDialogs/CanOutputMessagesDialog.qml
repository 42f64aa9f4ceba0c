import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "CanRules.js" as CanRules

// The CAN messages the device sends: identifier, length and period; their contents are set on
// the data page of each message.
CanPage {
    id: root
    objectName: "canOutputMessagesDialog"
    title: qsTr("Настройка передачи Can пакетов")

    readonly property var messages: can ? can.canOutMessages : []
    readonly property string formatKey: CanRules.formatKey(isPdm, true)
    readonly property var hexFormats: AppSettings[formatKey]

    function isHex(i) { return CanRules.isHexAt(hexFormats, i) }
    function setHex(i, v) { AppSettings[formatKey] = CanRules.withHexAt(hexFormats, i, v) }
    // Data items placed past the message's length are never sent.
    function itemsOutside(message) {
        let n = 0
        for (let i = 0; i < message.userData.length; ++i) {
            const d = message.userData[i]
            if (d.inChannelType !== ArdixEnums.ChannelType_DisabledFunction
                    && CanRules.placementProblem(message.frameSize, d.dataSize, d.dataByteIndex) !== "")
                ++n
        }
        return n
    }
    function openData(i) {
        return openPage("canDialogs/CanOutputDataDialog.qml", { parentDev: parentDev, messageIndex: i })
    }

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        model: root.messages.length
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        delegate: CanCard {
            id: card
            required property int index
            readonly property var message: root.messages[index]
            objectName: "canOutMessage_" + index
            number: index + 1
            active: message ? message.isMessageEnabled : false
            headerData: [
                CheckBoxNuvo {
                    objectName: "canOutEnabled_" + card.index
                    text: qsTr("Активен")
                    target: card.message; property: "isMessageEnabled"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    // A message switched on is sent every 100 ms until told otherwise, not every 0 ms.
                    onToggled: if (checked && card.message && card.message.rateMillis === 0) card.message.rateMillis = 100
                },
                Text {
                    height: AppStyle.checkboxHeight
                    verticalAlignment: Text.AlignVCenter
                    color: AppStyle.subtleTextColor
                    font.pixelSize: AppStyle.basicFontSize * 0.9
                    text: card.message ? CanRules.idText(card.message.canId, root.isHex(card.index)) + (card.message.isIdExtended ? qsTr(" (29 бит)") : "")
                                        + qsTr("   данных: %1").arg((card.message.userData.map(d => d.inChannelType), CanRules.usedItems(card.message))) : ""
                }
            ]
            CanField {
                caption: "CAN ID"
                CanIdField {
                    objectName: "canOutId_" + card.index
                    message: card.message
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    isHex: root.isHex(card.index)
                    accessibleName: qsTr("CAN ID передачи %1").arg(card.index + 1)
                    onFormatToggled: (toHex) => root.setHex(card.index, toHex)
                }
            }
            CheckBoxNuvo {
                text: qsTr("29 бит (Ext.)")
                target: card.message; property: "isIdExtended"
                flagTarget: root.flagOwner; changeFlag: root.changeFlag
            }
            CanField {
                caption: qsTr("длина")
                MyComboBox {
                    width: 110 * root.ps
                    accessibleName: qsTr("Длина сообщения %1").arg(card.index + 1)
                    model: CanRules.rangeEntries(0, 8)
                    target: card.message; property: "frameSize"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            Text {
                objectName: "canOutLengthNote_" + card.index
                readonly property int outside: card.message ? root.itemsOutside(card.message) : 0
                visible: card.message !== null && (card.message.frameSize === 0 || outside > 0)
                height: AppStyle.textInputHeight
                verticalAlignment: Text.AlignVCenter
                text: !card.message ? "" : card.message.frameSize === 0 ? qsTr("длина 0: данные не передаются")
                                                                        : qsTr("данных за пределами длины: ") + outside
                color: AppStyle.errorColor
                font.pixelSize: AppStyle.basicFontSize * 0.9
            }
            CanField {
                caption: qsTr("период, мс")
                IntTextField {
                    objectName: "canOutRate_" + card.index
                    width: 120 * root.ps
                    intFrom: 1; intTo: 65535
                    target: card.message; property: "rateMillis"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Период передачи %1").arg(card.index + 1)
                }
            }
            FlatButton {
                objectName: "canOutDataButton_" + card.index
                width: 200 * root.ps
                height: AppStyle.textInputHeight
                fontSize: AppStyle.basicFontSize
                text: qsTr("ДАННЫЕ  ->")
                accessibleName: qsTr("Данные сообщения %1").arg(card.index + 1)
                onClicked: root.openData(card.index)
            }
        }
    }
}
