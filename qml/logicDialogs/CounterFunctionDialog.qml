import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../pdmDialogs"
import "../utils/PdmFunctionChoices.js" as Choices

// One counter: its range and start value, the channels that count it up and down, and what
// happens at the ends of the range.
BasicDialog {
    id: root
    objectName: "counterFunctionDialog"
    backgroundItemWidth: Math.min(parent ? parent.width * 0.94 : 900, 1100 * AppStyle.pixelScale)
    backgroundItemHeight: parent ? parent.height * 0.9 : 600

    property int thisFunctionId: -1
    readonly property var pdm: DevSettings.pdm
    readonly property var func: pdm && thisFunctionId >= 0 && thisFunctionId < pdm.functions.length ? pdm.functions[thisFunctionId] : null
    readonly property real ps: AppStyle.pixelScale
    readonly property bool eepromOk: kernel === null || kernel.IsPdmEeepromOk
    // Channels that can count: anything with an on / off state.
    readonly property var countTypes: [{ text: qsTr("Нет"), value: ArdixEnums.ChannelType_DisabledFunction }].concat(
        Choices.channelTypes(false, []).filter(e => [ArdixEnums.ChannelType_Tic124LogicInput, ArdixEnums.ChannelType_PdmOutputState,
            ArdixEnums.ChannelType_GlobalFunction, ArdixEnums.ChannelType_CanbusDigitalInput, ArdixEnums.ChannelType_Keypad1,
            ArdixEnums.ChannelType_Keypad2, ArdixEnums.ChannelType_Keypad3, ArdixEnums.ChannelType_Keypad4].indexOf(e.value) >= 0))

    function changed() { pdm.functionsHasChanges = true }

    component Label: Text {
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        verticalAlignment: Text.AlignVCenter
        height: AppStyle.textInputHeight
    }
    component Bit: CheckBoxNuvo {
        target: root.func; property: "configBits"
        flagTarget: root.pdm; changeFlag: "functionsHasChanges"
    }
    component ChannelRow: Row {
        property string label
        property string typeProperty
        property string channelProperty
        spacing: 12 * root.ps
        Label { text: parent.label; width: 200 * root.ps }
        MyComboBox {
            width: 330 * root.ps
            accessibleName: parent.label
            model: root.countTypes
            target: root.func; property: parent.typeProperty
            flagTarget: root.pdm; changeFlag: "functionsHasChanges"
        }
        MyComboBox {
            width: 380 * root.ps
            accessibleName: parent.label + qsTr(", канал")
            visible: root.func && root.func[parent.typeProperty] !== ArdixEnums.ChannelType_DisabledFunction
            model: root.func ? Choices.channels(root.pdm, root.kernel, root.func[parent.typeProperty], root.thisFunctionId,
                                                root.func[parent.channelProperty]) : []
            target: root.func; property: parent.channelProperty
            flagTarget: root.pdm; changeFlag: "functionsHasChanges"
        }
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 20 * root.ps
        contentHeight: form.implicitHeight
        clip: true
        Column {
            id: form
            width: parent.width
            spacing: 12 * root.ps
            Row {
                spacing: 12 * root.ps
                Label { text: qsTr("Счетчик"); width: 200 * root.ps }
                NameField {
                    objectName: "counterNameField"
                    width: 420 * root.ps
                    maxBytes: 39
                    emptyAllowed: false
                    placeholderText: ""
                    target: root.func; property: "functionName"
                    changeFlag: root.changed
                    label: qsTr("Имя счетчика")
                }
            }
            Row {
                spacing: 12 * root.ps
                Label { text: qsTr("мин."); width: 200 * root.ps }
                IntTextField {
                    label: qsTr("мин.")
                    objectName: "counterMinField"
                    width: 110 * root.ps; intFrom: 0; intTo: 255
                    target: root.func; property: "constMinValueToCompareWith"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                }
                Label { text: qsTr("макс.") }
                IntTextField {
                    label: qsTr("макс.")
                    objectName: "counterMaxField"
                    width: 110 * root.ps; intFrom: 0; intTo: 255
                    target: root.func; property: "constMaxValueToCompareWith"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                }
                Label { text: qsTr("начальное") }
                IntTextField {
                    label: qsTr("начальное")
                    width: 110 * root.ps; intFrom: 0; intTo: 255
                    target: root.func; property: "constValueToCompareWith"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                }
            }
            ChannelRow { label: qsTr("Счет вверх"); typeProperty: "inChannelType"; channelProperty: "inChannel" }
            ChannelRow { label: qsTr("Счет вниз"); typeProperty: "additionalInChannelType"; channelProperty: "additionalInChannel" }
            Flow {
                width: parent.width
                spacing: 20 * root.ps
                Bit { text: qsTr("вверх по переднему фронту"); bit: ArdixEnums.FunctionIsInChannelRisingEdge }
                Bit { text: qsTr("вниз по переднему фронту"); bit: ArdixEnums.FunctionIsAdditionalChannelRisingEdge }
                Bit { text: qsTr("после макс. - на мин."); bit: ArdixEnums.FunctionIsWrapAroundIncrementCounter }
                Bit { text: qsTr("после мин. - на макс."); bit: ArdixEnums.FunctionIsWrapAroundDecrementCounter }
                Bit { text: qsTr("сброс на макс."); bit: ArdixEnums.FunctionIsResetCounterOnMax }
                Bit { text: qsTr("сброс на мин."); bit: ArdixEnums.FunctionIsResetCounterOnMin }
            }
            Row {
                spacing: 16 * root.ps
                Bit {
                    objectName: "counterRememberCheck"
                    text: qsTr("Запоминать состояние")
                    bit: ArdixEnums.FunctionIsStoreInEeprom
                    enabled: root.eepromOk
                }
                Text {
                    visible: !root.eepromOk
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("не доступно в данном PDM")
                    color: AppStyle.errorColor
                    font.pixelSize: AppStyle.basicFontSize
                }
            }
        }
    }
}
