import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../utils/PdmFunctionChoices.js" as Choices

// One condition of an output, a keypad lamp, the master switch or a global function. The editors
// write straight into the function; closing without "Сохранить" puts every field back.
BasicDialog {
    id: root
    objectName: "internalFunctionSettingsDialog"
    showDialogButtons: true
    backgroundItemWidth: Math.min(parent ? parent.width * 0.94 : 900, 1100 * AppStyle.pixelScale)
    backgroundItemHeight: parent ? parent.height * 0.9 : 600

    property int thisFunctionId: -1
    property int functionParent: ArdixEnums.FunctionParent_PdmOutput
    property bool isAddNew: false
    property var pdm: DevSettings.pdm

    readonly property var func: pdm && thisFunctionId >= 0 && thisFunctionId < pdm.functions.length ? pdm.functions[thisFunctionId] : null
    readonly property bool isMasterShutdown: functionParent === ArdixEnums.FunctionParent_PdmMasterShutdown
    readonly property int minOnDelay: isMasterShutdown ? 300 : 0
    readonly property real ps: AppStyle.pixelScale
    readonly property bool eepromOk: kernel === null || kernel.IsPdmEeepromOk

    readonly property int type: func ? func.inChannelType : 0
    readonly property int op: func ? func.conditionOperator : 0
    readonly property bool isToggle: op === ArdixEnums.IfToggle
    readonly property bool isFlash: op === ArdixEnums.IfFlash
    readonly property bool isPulse: op === ArdixEnums.IfPulse
    readonly property bool isValueOp: Choices.isValueOperator(op)
    readonly property bool isFloat: Choices.isFloatChannel(type, func ? func.inChannel : 0)

    // Choices that become configuration bits on save.
    property bool risingEdge: false
    property bool remember: false
    property bool activeOnStart: false
    property bool invert: false
    property bool minutes: false

    property var saved: null
    property bool isSaved: false
    property bool flagsBefore: false
    property bool changesBefore: false
    signal functionSaved(int funcId)

    readonly property var fields: ["functionName", "configBits", "inChannelType", "inChannel", "additionalInChannelType",
        "additionalInChannel", "trueDelayHystOrFlash", "falseDelayHystOrFlash", "constValueToCompareWith",
        "additionalConstValueToCompareWith", "constMaxValueToCompareWith", "constMinValueToCompareWith",
        "conditionOperator", "src_dev"]

    function markChanged() { if (pdm) pdm.functionsHasChanges = true }

    function keypadNames() {
        const names = []
        for (let k = 0; k < 4; ++k)
            names.push(window && typeof window.getKeypadName === "function" && pdm ? window.getKeypadName(k, pdm.keypads) : "")
        return names
    }

    function channelEntries(t) {
        return Choices.channels(pdm, kernel, t, thisFunctionId, func ? func.inChannel : -1)
    }

    // The type combo writes its value before it tells us, so a change is seen against the type
    // shown before the choice, not against the function.
    property int shownType: -1
    function chooseType(t) {
        if (!func || t === shownType)
            return
        shownType = t
        func.inChannelType = t
        func.inChannel = t === ArdixEnums.ChannelType_Constant ? 1 : 0
        const ops = Choices.operators(t)
        func.conditionOperator = ops.length ? ops[0].value : ArdixEnums.IfTrue
        func.trueDelayHystOrFlash = Math.max(minOnDelay, Choices.initialOnDelay(t))
        func.falseDelayHystOrFlash = 0
        markChanged()
    }

    function save() {
        if (!func || func.inChannelType === ArdixEnums.ChannelType_DisabledFunction)
            return
        func.configBits = Choices.configBits({ operator: op, risingEdge: risingEdge, remember: remember,
                                               activeOnStart: activeOnStart, invert: invert, minutes: minutes })
        if (func.trueDelayHystOrFlash < minOnDelay)
            func.trueDelayHystOrFlash = minOnDelay
        markChanged()
        isSaved = true
        functionSaved(thisFunctionId)
        destroyBasicDialog()
    }

    onAccepted: save()

    Component.onCompleted: {
        if (!func)
            return
        flagsBefore = pdm.functionsHasChanges
        changesBefore = pdm.hasChanges
        const copy = {}
        fields.forEach(name => copy[name] = func[name])
        saved = copy
        const bits = func.configBits
        risingEdge = Choices.bitSet(bits, ArdixEnums.FunctionIsInChannelRisingEdge)
        remember = Choices.bitSet(bits, ArdixEnums.FunctionIsStoreInEeprom)
        activeOnStart = Choices.bitSet(bits, ArdixEnums.FunctionIsToggleAndIsActiveOnStart)
        invert = Choices.bitSet(bits, ArdixEnums.FunctionIsInvert)
        minutes = Choices.bitSet(bits, ArdixEnums.FunctionIsTimeMinutes)
        shownType = func.inChannelType
        if (isAddNew && func.inChannelType === ArdixEnums.ChannelType_DisabledFunction)
            chooseType(ArdixEnums.ChannelType_Tic124LogicInput)
    }
    // Closed any other way than "Сохранить": the function is as it was.
    Component.onDestruction: {
        if (isSaved || !func || !saved)
            return
        fields.forEach(name => func[name] = saved[name])
        if (!flagsBefore)
            pdm.functionsHasChanges = false
        if (!changesBefore && pdm.hasChanges)
            pdm.hasChanges = false
    }

    component Label: Text {
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        verticalAlignment: Text.AlignVCenter
        height: AppStyle.textInputHeight
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 20 * root.ps
        contentHeight: form.implicitHeight
        clip: true

        Column {
            id: form
            width: parent.width
            spacing: 14 * root.ps

            Text {
                width: parent.width
                text: root.isAddNew ? qsTr("Новое условие") : qsTr("Условие #%1").arg(root.thisFunctionId + 1)
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicTitleSize
                font.capitalization: Font.AllUppercase
            }

            Row {
                spacing: 12 * root.ps
                Label { text: qsTr("Источник"); width: 170 * root.ps }
                MyComboBox {
                    objectName: "channelTypeCombo"
                    width: 420 * root.ps
                    accessibleName: qsTr("Источник")
                    model: Choices.channelTypes(root.isMasterShutdown, root.keypadNames())
                    target: root.func
                    property: "inChannelType"
                    onActivated: (index) => { if (!model[index].disabled) root.chooseType(model[index].value) }
                }
            }
            Row {
                spacing: 12 * root.ps
                visible: root.type !== ArdixEnums.ChannelType_Constant
                Label { text: qsTr("Канал"); width: 170 * root.ps }
                MyComboBox {
                    objectName: "channelCombo"
                    width: 420 * root.ps
                    accessibleName: qsTr("Канал")
                    model: root.channelEntries(root.type)
                    target: root.func
                    property: "inChannel"
                    flagTarget: root.pdm
                    changeFlag: "functionsHasChanges"
                }
            }
            Row {
                spacing: 12 * root.ps
                Label { text: qsTr("Условие"); width: 170 * root.ps }
                MyComboBox {
                    objectName: "operatorCombo"
                    width: 420 * root.ps
                    accessibleName: qsTr("Условие")
                    model: Choices.operators(root.type)
                    target: root.func
                    property: "conditionOperator"
                    flagTarget: root.pdm
                    changeFlag: "functionsHasChanges"
                }
            }

            Row {
                spacing: 12 * root.ps
                visible: root.isValueOp && root.op !== ArdixEnums.IfHysteresis
                Label { text: qsTr("Значение"); width: 170 * root.ps }
                FloatTextField {
                    label: qsTr("Значение")
                    objectName: "compareValueField"
                    floatFrom: 0; floatTo: root.isFloat ? 655.35 : 65535; floatDec: root.isFloat ? 2 : 0
                    scale: root.isFloat ? 100 : 1
                    target: root.func; property: "constValueToCompareWith"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                }
            }
            Row {
                spacing: 12 * root.ps
                visible: root.op === ArdixEnums.IfHysteresis
                Label { text: qsTr("вкл. если >"); width: 170 * root.ps }
                FloatTextField {
                    label: qsTr("вкл. если >")
                    floatFrom: 0; floatTo: root.isFloat ? 655.35 : 65535; floatDec: root.isFloat ? 2 : 0
                    scale: root.isFloat ? 100 : 1
                    target: root.func; property: "constMaxValueToCompareWith"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                }
                Label { text: qsTr("выкл. если <") }
                FloatTextField {
                    label: qsTr("выкл. если <")
                    floatFrom: 0; floatTo: root.isFloat ? 655.35 : 65535; floatDec: root.isFloat ? 2 : 0
                    scale: root.isFloat ? 100 : 1
                    target: root.func; property: "constMinValueToCompareWith"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                }
            }

            Row {
                spacing: 12 * root.ps
                visible: root.type !== ArdixEnums.ChannelType_Constant || root.isFlash
                Label {
                    width: 170 * root.ps
                    text: root.isFlash ? qsTr("ДА, время") : root.isPulse ? qsTr("Импульс") : qsTr("Задержка вкл.")
                }
                FloatTextField {
                    objectName: "onDelayField"
                    width: 140 * root.ps
                    label: root.isFlash ? qsTr("ДА, время") : root.isPulse ? qsTr("Импульс") : qsTr("Задержка вкл.")
                    unit: qsTr("с")
                    floatFrom: root.minOnDelay / 1000; floatTo: 65.535; floatDec: 2; scale: 1000
                    target: root.func; property: "trueDelayHystOrFlash"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                }
                Label {
                    visible: !root.isPulse && !root.isToggle
                    text: root.isFlash ? qsTr("НЕТ, время") : qsTr("выкл.")
                }
                FloatTextField {
                    objectName: "offDelayField"
                    visible: !root.isPulse && !root.isToggle
                    width: 140 * root.ps
                    label: root.isFlash ? qsTr("НЕТ, время") : qsTr("Задержка выкл.")
                    unit: qsTr("с")
                    floatFrom: 0; floatTo: 65.535; floatDec: 2; scale: 1000
                    target: root.func; property: "falseDelayHystOrFlash"
                    flagTarget: root.pdm; changeFlag: "functionsHasChanges"
                }
                MyComboBox {
                    objectName: "timeUnitCombo"
                    width: 120 * root.ps
                    accessibleName: qsTr("Единицы времени")
                    model: [{ text: qsTr("сек"), value: 0 }, { text: qsTr("мин"), value: 1 }]
                    currentIndex: root.minutes ? 1 : 0
                    onActivated: (index) => root.minutes = index === 1
                }
            }

            Row {
                spacing: 12 * root.ps
                visible: root.isToggle || root.isPulse
                Label { text: qsTr("Срабатывание"); width: 170 * root.ps }
                MyComboBox {
                    objectName: "edgeCombo"
                    width: 300 * root.ps
                    accessibleName: qsTr("Срабатывание")
                    model: [{ text: qsTr("по заднему фронту") }, { text: qsTr("по переднему фронту") }]
                    currentIndex: root.risingEdge ? 1 : 0
                    onActivated: (index) => root.risingEdge = index === 1
                }
            }
            Row {
                spacing: 20 * root.ps
                visible: root.isToggle
                CheckBoxNuvo {
                    objectName: "rememberCheck"
                    text: qsTr("Запоминать состояние")
                    checked: root.remember
                    enabled: root.eepromOk
                    onToggled: root.remember = checked
                }
                Text {
                    visible: !root.eepromOk
                    anchors.verticalCenter: parent.verticalCenter
                    text: qsTr("не доступно в данном PDM")
                    color: AppStyle.errorColor
                    font.pixelSize: AppStyle.basicFontSize
                }
                CheckBoxNuvo {
                    objectName: "activeOnStartCheck"
                    text: qsTr("Активен при старте")
                    checked: root.activeOnStart
                    enabled: !root.remember
                    onToggled: root.activeOnStart = checked
                }
            }
            CheckBoxNuvo {
                objectName: "invertCheck"
                visible: !root.isFlash && !root.isToggle && root.type !== ArdixEnums.ChannelType_Constant
                text: qsTr("Инвертировать результат")
                checked: root.invert
                onToggled: root.invert = checked
            }
        }
    }
}
