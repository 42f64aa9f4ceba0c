.pragma library
.import ARDIX 1.0 as Ardix

// What the PDM condition dialog offers: channel types, channels and operators per type, and the
// configuration bits a saved condition gets. Pure functions over plain lists, tested on their own.

const E = Ardix.ArdixEnums
const FirstCustomSensor = 100
const LastCustomSensor = 129

// Operator entries are built when asked for, so that a binding that shows them follows a change
// of language.
function opTrue() { return { text: qsTr("Если да(активный)"), value: E.IfTrue } }
function opFalse() { return { text: qsTr("Если нет(не активный)"), value: E.IfFalse } }
function opToggle() { return { text: qsTr("Переключатель, циклический выбор(2 положения)"), value: E.IfToggle } }
function opFlash() { return { text: qsTr("Переключение, мигание(по времени)"), value: E.IfFlash } }
function opPulse() { return { text: qsTr("Импульс"), value: E.IfPulse } }
function valueOps() {
    return [
        { text: qsTr("Если равно"), value: E.IfEqual },
        { text: qsTr("Если не равно"), value: E.IfNotEqual },
        { text: qsTr("Если меньше"), value: E.IfLessThan },
        { text: qsTr("Если меньше или равно"), value: E.IfLessThanOrEqual },
        { text: qsTr("Если больше"), value: E.IfGreaterThan },
        { text: qsTr("Если больше или равно"), value: E.IfGreaterThanOrEqual },
        { text: qsTr("Гистерезис"), value: E.IfHysteresis }
    ]
}
function constantOps() {
    return [
        { text: qsTr("ВСЕГДА да(активный)"), value: E.IfTrue },
        { text: qsTr("ВСЕГДА нет(не активный)"), value: E.IfFalse },
        { text: qsTr("Переключение, мигание(по времени)"), value: E.IfFlash }
    ]
}

// keypadNames: the four " -> ..." suffixes of the window's getKeypadName.
function channelTypes(isMasterShutdown, keypadNames) {
    const all = [
        { text: qsTr("Цифровые входы PDM"), value: E.ChannelType_Tic124LogicInput },
        { text: qsTr("Аналоговые входы PDM"), value: E.ChannelType_Tic124AnalogInput, disabled: true },
        { text: qsTr("Состояние выходов PDM"), value: E.ChannelType_PdmOutputState },
        { text: qsTr("Ток выхода PDM"), value: E.ChannelType_OutputCurrent },
        { text: qsTr("Флаг перегрузки выхода PDM"), value: E.ChannelType_OutputOvercurrentFlag },
        { text: qsTr("Флаг ошибки выхода PDM"), value: E.ChannelType_OutputFaultFlag },
        { text: qsTr("Константы"), value: E.ChannelType_Constant },
        { text: qsTr("Счетчики"), value: E.ChannelType_GlobalCounter },
        { text: qsTr("Глобальная функция"), value: E.ChannelType_GlobalFunction },
        { text: qsTr("Данные PDM"), value: E.ChannelType_PdmData },
        { text: qsTr("Данные Ardix"), value: E.ChannelType_ArdixCanSensorsData },
        { text: qsTr("Данные ECU"), value: E.ChannelType_ECU_CanData },
        { text: qsTr("CAN (данные)"), value: E.ChannelType_CanbusInData },
        { text: qsTr("CAN (цифровые входы)"), value: E.ChannelType_CanbusDigitalInput }
    ]
    for (let k = 0; k < 4; ++k)
        all.push({ text: qsTr("Кейпад %1").arg(k + 1) + ((keypadNames && keypadNames[k]) || ""), value: E.ChannelType_Keypad1 + k })
    if (isMasterShutdown)
        return all.filter(e => e.value === E.ChannelType_Tic124LogicInput || e.value === E.ChannelType_Constant)
    return all
}

function operators(type) {
    switch (type) {
    case E.ChannelType_Tic124LogicInput:
    case E.ChannelType_CanbusDigitalInput:
    case E.ChannelType_Keypad1:
    case E.ChannelType_Keypad2:
    case E.ChannelType_Keypad3:
    case E.ChannelType_Keypad4:
        return [opTrue(), opFalse(), opToggle(), opFlash(), opPulse()]
    case E.ChannelType_PdmOutputState:
        return [opTrue(), opFalse(), opFlash(), opPulse()]
    case E.ChannelType_OutputOvercurrentFlag:
    case E.ChannelType_OutputFaultFlag:
    case E.ChannelType_GlobalFunction:
        return [opTrue(), opFalse(), opFlash()]
    case E.ChannelType_PdmData:
        return [opTrue(), opFalse()].concat(valueOps())
    case E.ChannelType_Constant:
        return constantOps()
    case E.ChannelType_Tic124AnalogInput:
    case E.ChannelType_OutputCurrent:
    case E.ChannelType_CanbusInData:
    case E.ChannelType_ArdixCanSensorsData:
    case E.ChannelType_ECU_CanData:
    case E.ChannelType_GlobalCounter:
        return valueOps()
    }
    return []
}

function isValueOperator(op) {
    return op >= E.IfEqual && op <= E.IfGreaterThanOrEqual || op === E.IfHysteresis
}

// A fresh digital input, analog input or output state starts with 100 ms of on-delay.
function initialOnDelay(type) {
    return type === E.ChannelType_Tic124LogicInput || type === E.ChannelType_Tic124AnalogInput
            || type === E.ChannelType_PdmOutputState ? 100 : 0
}

// Channels compared as value / 100 (currents, voltage).
function isFloatChannel(type, channel) {
    return type === E.ChannelType_OutputCurrent || (type === E.ChannelType_PdmData && channel === E.PdmData_BattVoltage)
}

// configBits of a saved condition from the dialog's choices.
function configBits(choice) {
    let bits = 1 << E.FunctionIsInternal
    const toggle = choice.operator === E.IfToggle
    const flash = choice.operator === E.IfFlash
    if (choice.risingEdge)
        bits |= 1 << E.FunctionIsInChannelRisingEdge
    if (toggle && choice.remember)
        bits |= 1 << E.FunctionIsStoreInEeprom
    if (toggle && choice.activeOnStart && !choice.remember)
        bits |= 1 << E.FunctionIsToggleAndIsActiveOnStart
    if (choice.invert && !flash && !toggle)
        bits |= 1 << E.FunctionIsInvert
    if (choice.minutes)
        bits |= 1 << E.FunctionIsTimeMinutes
    return bits >>> 0
}

function bitSet(value, bit) {
    return ((value >>> bit) & 1) === 1
}

// Channels of one type, as combo entries { text, value }.
function channels(pdm, kernel, t, thisFunctionId, currentChannel) {
    if (!pdm)
        return []
    const out = []
    const d = kernel ? kernel.pdmDescription : ({})
    switch (t) {
    case E.ChannelType_Tic124LogicInput:
    case E.ChannelType_Tic124AnalogInput:
        for (let i = 0; i < (d.inputsCount || 20); ++i)
            out.push({ text: qsTr("Вход #%1").arg(i + 1) + " " + pdm.inputs[i].inputName + (pdm.inputs[i].config === 0 ? qsTr(" - не активирован") : ""), value: i })
        break
    case E.ChannelType_PdmOutputState:
    case E.ChannelType_OutputCurrent:
    case E.ChannelType_OutputOvercurrentFlag:
    case E.ChannelType_OutputFaultFlag:
        for (let i = 0; i < (d.outputsCount || 30); ++i)
            out.push({ text: qsTr("Выход #%1").arg(i + 1) + " " + pdm.outputs[i].outputName, value: i })
        break
    case E.ChannelType_PdmData:
        [qsTr("Температура"), qsTr("Общий ток"), qsTr("Напряжение"), qsTr("Есть ли связь с Ardix"), qsTr("Есть ли связь с ECU")]
            .forEach((text, i) => out.push({ text: text, value: i }))
        break
    case E.ChannelType_GlobalFunction:
    case E.ChannelType_GlobalCounter: {
        const bit = t === E.ChannelType_GlobalCounter ? E.FunctionIsCounter : E.FunctionIsGlobal
        for (let i = 0; i < pdm.functions.length; ++i) {
            const f = pdm.functions[i]
            if (i !== thisFunctionId && bitSet(f.configBits, bit))
                out.push({ text: f.functionName.length ? f.functionName : "#" + (i + 1), value: i })
        }
        break
    }
    case E.ChannelType_ArdixCanSensorsData:
    case E.ChannelType_ECU_CanData: {
        const ecu = pdm.other.ecuProtocol
        for (let id = 1; id < 32; ++id) {
            const s = kernel ? kernel.getSensor(id) : null
            if (!s)
                continue
            const fits = t === E.ChannelType_ECU_CanData
                    ? (s.ecuProtocolsSupport && s.ecuProtocolsSupport.indexOf(ecu) >= 0) || currentChannel === id
                    : s.enable
            if (fits)
                out.push({ text: s.shortSensorName, value: id })
        }
        // The dash also sends the user's own sensors.
        for (let id = FirstCustomSensor; t === E.ChannelType_ArdixCanSensorsData && id <= LastCustomSensor; ++id) {
            const s = kernel ? kernel.getSensor(id) : null
            if (s && (s.enable || currentChannel === id))
                out.push({ text: s.shortSensorName !== "" ? s.shortSensorName : "#" + (id - FirstCustomSensor + 1), value: id })
        }
        break
    }
    case E.ChannelType_CanbusInData:
        for (let i = 0; i < pdm.customCan.canAnalogInputs.length; ++i)
            out.push({ text: qsTr("Данные #%1").arg(i + 1) + " " + pdm.customCan.canAnalogInputs[i].inputName, value: i })
        break
    case E.ChannelType_CanbusDigitalInput:
        for (let i = 0; i < pdm.customCan.canDigitalInputs.length; ++i)
            out.push({ text: qsTr("Вход #%1").arg(i + 1) + " " + pdm.customCan.canDigitalInputs[i].inputName, value: i })
        break
    case E.ChannelType_Keypad1:
    case E.ChannelType_Keypad2:
    case E.ChannelType_Keypad3:
    case E.ChannelType_Keypad4: {
        const k = pdm.keypads[t - E.ChannelType_Keypad1]
        for (let b = 0; b < 16; ++b)
            out.push({ text: qsTr("Кнопка #%1").arg(b + 1) + " " + (k.buttonsNames[b] || ""), value: b })
        for (let i = 0; i < 24; ++i)
            out.push({ text: qsTr("Доп. вход #%1").arg(i + 1) + " " + (k.tic124InputsNames[i] || ""), value: 16 + i })
        break
    }
    case E.ChannelType_Constant:
        out.push({ text: qsTr("Константа"), value: 1 })
        break
    }
    return out
}
