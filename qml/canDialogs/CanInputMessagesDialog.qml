import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "CanRules.js" as CanRules

// The CAN messages the device listens to (its filters): identifier, length, multiplexing and the
// time after which their inputs count as lost.
CanPage {
    id: root
    objectName: "canInputMessagesDialog"
    title: qsTr("Настройка CAN фильтров")

    readonly property var messages: can ? can.canInMessages : []
    readonly property string formatKey: CanRules.formatKey(isPdm, false)
    readonly property var hexFormats: AppSettings[formatKey]

    function isHex(i) { return CanRules.isHexAt(hexFormats, i) }
    function setHex(i, v) { AppSettings[formatKey] = CanRules.withHexAt(hexFormats, i, v) }

    // The frame-number mask of the first eight messages lives in a byte list of its own.
    function frameMask(i) {
        const m = can ? can.canInMessagesFrameIdMask : []
        return i < m.length ? m[i] : 0xFF
    }
    function setFrameMask(i, v) {
        const m = can.canInMessagesFrameIdMask
        if (i >= m.length || m[i] === v)
            return
        m[i] = v
        can.canInMessagesFrameIdMask = m
        changed()
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
            objectName: "canInMessage_" + index
            number: index + 1
            active: message ? message.isMessageEnabled : false
            headerData: [
                CheckBoxNuvo {
                    objectName: "canInEnabled_" + card.index
                    text: qsTr("Активен")
                    target: card.message; property: "isMessageEnabled"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                },
                Text {
                    height: AppStyle.checkboxHeight
                    verticalAlignment: Text.AlignVCenter
                    color: AppStyle.subtleTextColor
                    font.pixelSize: AppStyle.basicFontSize * 0.9
                    text: card.message ? (card.message.canId, card.message.isIdExtended, card.message.getCanIdStr()) : ""
                }
            ]
            CanField {
                caption: "CAN ID"
                CanIdField {
                    objectName: "canInId_" + card.index
                    message: card.message
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    isHex: root.isHex(card.index)
                    accessibleName: qsTr("CAN ID сообщения %1").arg(card.index + 1)
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
            CanField {
                caption: qsTr("таймаут, мс")
                IntTextField {
                    width: 120 * root.ps
                    intFrom: 0; intTo: 65535
                    target: card.message; property: "timeoutMillis"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Таймаут сообщения %1").arg(card.index + 1)
                }
            }
            CheckBoxNuvo {
                text: qsTr("Мультиплекс (номер кадра в байте)")
                target: card.message; property: "isFrameSet"
                flagTarget: root.flagOwner; changeFlag: root.changeFlag
            }
            CanField {
                visible: card.message ? card.message.isFrameSet : false
                caption: qsTr("номер кадра")
                MyComboBox {
                    width: 140 * root.ps
                    accessibleName: qsTr("Байт номера кадра %1").arg(card.index + 1)
                    model: CanRules.byteEntries(8)
                    target: card.message; property: "frameIdPosition"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            CanField {
                visible: (card.message ? card.message.isFrameSet : false) && card.index < 8
                caption: qsTr("маска")
                HexTextField {
                    width: 110 * root.ps
                    intFrom: 0; intTo: 0xFF
                    intValue: root.frameMask(card.index)
                    label: qsTr("Маска номера кадра %1").arg(card.index + 1)
                    onValueCommitted: (v) => root.setFrameMask(card.index, v)
                }
            }
        }
    }
}
