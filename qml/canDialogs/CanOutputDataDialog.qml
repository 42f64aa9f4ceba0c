import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "CanRules.js" as CanRules
import "../utils/PdmFunctionChoices.js" as Choices

// What one transmitted message carries: up to 16 values, each from a source of the device, placed
// at a byte (and bit) of the frame and scaled on the way out.
CanPage {
    id: root
    objectName: "canOutputDataDialog"
    title: qsTr("Настройка передачи данных по Can")

    property int messageIndex: 0
    readonly property var message: can && messageIndex < can.canOutMessages.length ? can.canOutMessages[messageIndex] : null
    readonly property var items: message ? message.userData : []
    readonly property var sources: CanRules.outputSources(isPdm)
    headerInfoText: message ? qsTr("сообщение #%1").arg(messageIndex + 1) + "  " + CanRules.idText(message.canId, true) : ""

    function channels(type) {
        if (type === ArdixEnums.ChannelType_DisabledFunction || type === ArdixEnums.ChannelType_Constant)
            return []
        return isPdm ? Choices.channels(DevSettings.pdm, kernel, type, -1, -1)
                     : CanRules.dashChannels(DevSettings.dash, kernel, type)
    }
    // A new source starts at its first channel, as a bit when it is one, else as a 16-bit value.
    function setSource(item, type) {
        if (!item || item.inChannelType === type)
            return
        const offered = channels(type)
        item.inChannelType = type
        item.inChannel = offered.length > 0 ? offered[0].value : 0
        item.dataSize = CanRules.isBitSource(type) ? 0 : 2
        if (item.dataValueMultiplier === 0 && item.dataValueDivider === 0) {
            item.dataValueMultiplier = 1
            item.dataValueDivider = 1
        }
        changed()
    }
    function remove(i) {
        if (!message)
            return
        message.removeUserDataAt(i)
        changed()
    }

    ListView {
        id: list
        anchors.fill: parent
        clip: true
        model: root.items.length
        ScrollBar.vertical: ScrollBar { policy: ScrollBar.AsNeeded }
        delegate: CanCard {
            id: card
            required property int index
            readonly property var item: root.items[index]
            readonly property int type: item ? item.inChannelType : 0
            readonly property bool isBit: item ? item.dataSize === 0 : false
            objectName: "canOutData_" + index
            number: index + 1
            active: type !== ArdixEnums.ChannelType_DisabledFunction
            headerData: [
                MyComboBox {
                    objectName: "canOutDataSource_" + card.index
                    width: 330 * root.ps
                    accessibleName: qsTr("Источник данных %1").arg(card.index + 1)
                    model: root.sources
                    currentIndex: root.sources.findIndex(s => s.value === card.type)
                    onActivated: (i) => root.setSource(card.item, root.sources[i].value)
                },
                FlatButton {
                    visible: card.active
                    width: 150 * root.ps
                    height: AppStyle.comboHeight
                    fontSize: AppStyle.basicFontSize * 0.9
                    color: AppStyle.destructiveColor
                    text: qsTr("УДАЛИТЬ")
                    accessibleName: qsTr("Удалить данные %1").arg(card.index + 1)
                    onClicked: root.remove(card.index)
                }
            ]
            CanField {
                visible: card.type !== ArdixEnums.ChannelType_Constant
                caption: qsTr("канал")
                MyComboBox {
                    objectName: "canOutDataChannel_" + card.index
                    width: 330 * root.ps
                    accessibleName: qsTr("Канал данных %1").arg(card.index + 1)
                    model: root.channels(card.type)
                    focusHighlight: currentIndex < 0
                    target: card.item; property: "inChannel"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            CanField {
                visible: card.type === ArdixEnums.ChannelType_Constant
                caption: qsTr("значение")
                IntTextField {
                    width: 120 * root.ps
                    intFrom: -32768; intTo: 32767
                    target: card.item; property: "constantData"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Константа данных %1").arg(card.index + 1)
                }
            }
            CanField {
                caption: qsTr("размер")
                MyComboBox {
                    objectName: "canOutDataSize_" + card.index
                    width: 130 * root.ps
                    accessibleName: qsTr("Размер данных %1").arg(card.index + 1)
                    model: CanRules.dataSizes()
                    target: card.item; property: "dataSize"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            CanField {
                caption: qsTr("байт")
                MyComboBox {
                    objectName: "canOutDataByte_" + card.index
                    width: 140 * root.ps
                    accessibleName: qsTr("Байт данных %1").arg(card.index + 1)
                    model: CanRules.byteEntries(8)
                    target: card.item; property: "dataByteIndex"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            Text {
                objectName: "canOutDataPlacement_" + card.index
                readonly property string problem: card.item && root.message
                                                  ? CanRules.placementProblem(root.message.frameSize, card.item.dataSize, card.item.dataByteIndex) : ""
                visible: problem !== ""
                height: AppStyle.comboHeight
                verticalAlignment: Text.AlignVCenter
                text: problem
                color: AppStyle.errorColor
                font.pixelSize: AppStyle.basicFontSize * 0.9
            }
            CanField {
                visible: card.isBit
                caption: qsTr("бит")
                MyComboBox {
                    width: 100 * root.ps
                    accessibleName: qsTr("Бит данных %1").arg(card.index + 1)
                    model: CanRules.rangeEntries(0, 7)
                    target: card.item; property: "dataBitIndex"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                }
            }
            CheckBoxNuvo {
                visible: !card.isBit
                text: qsTr("со знаком")
                target: card.item; property: "isSignedValue"
                flagTarget: root.flagOwner; changeFlag: root.changeFlag
            }
            CheckBoxNuvo {
                visible: card.item ? card.item.dataSize === 2 : false
                text: qsTr("MS first, старший байт первый")
                target: card.item; property: "isSwapBytes"
                flagTarget: root.flagOwner; changeFlag: root.changeFlag
            }
            CanField {
                visible: !card.isBit && card.type !== ArdixEnums.ChannelType_Constant
                caption: qsTr("множитель")
                IntTextField {
                    width: 110 * root.ps
                    intFrom: -32768; intTo: 32767
                    target: card.item; property: "dataValueMultiplier"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Множитель данных %1").arg(card.index + 1)
                }
            }
            CanField {
                visible: !card.isBit && card.type !== ArdixEnums.ChannelType_Constant
                caption: qsTr("делитель")
                IntTextField {
                    width: 110 * root.ps
                    intFrom: -32768; intTo: 32767
                    target: card.item; property: "dataValueDivider"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Делитель данных %1").arg(card.index + 1)
                }
            }
            CanField {
                visible: !card.isBit && card.type !== ArdixEnums.ChannelType_Constant
                caption: qsTr("оффсет")
                IntTextField {
                    width: 110 * root.ps
                    intFrom: -32768; intTo: 32767
                    target: card.item; property: "dataValueOffset"
                    flagTarget: root.flagOwner; changeFlag: root.changeFlag
                    label: qsTr("Оффсет данных %1").arg(card.index + 1)
                }
            }
        }
    }
}
