.pragma library
.import ARDIX 1.0 as Ardix

// What the CAN pages share: identifier ranges, the per-message hex/decimal memory, the message
// lists offered by the input pages, and the sources a transmitted message can carry.

const E = Ardix.ArdixEnums

const StandardIdMax = 0x7FF
const ExtendedIdMax = 0x1FFFFFFF

function idMax(isExtended) {
    return isExtended ? ExtendedIdMax : StandardIdMax
}

// The AppSettings list that remembers, per message, whether its identifier is shown in hex.
function formatKey(isPdm, isOutput) {
    return (isOutput ? "canOutputMessagesIdFormatIsHex" : "canInputMessagesIdFormatIsHex") + (isPdm ? "" : "Dash")
}

// Identifiers are hex unless the user asked for decimal: a message missing from the list is hex.
function isHexAt(list, index) {
    return !list || index >= list.length || list[index] !== false
}

// A copy of `list` with entry `index` set, padded with hex entries so that it stays a plain list.
function withHexAt(list, index, isHex) {
    const out = []
    const n = Math.max(list ? list.length : 0, index + 1)
    for (let i = 0; i < n; ++i)
        out.push(i === index ? !!isHex : isHexAt(list, i))
    return out
}

function idText(id, isHex) {
    return isHex ? "0x" + (id >>> 0).toString(16).toUpperCase() : String(id >>> 0)
}

// Combo entries for the received messages an input can take its bits from.
function inMessageEntries(can) {
    const out = []
    if (!can)
        return out
    for (let i = 0; i < can.canInMessages.length; ++i) {
        const m = can.canInMessages[i]
        out.push({ text: "#" + (i + 1) + "  " + idText(m.canId, true) + (m.isMessageEnabled ? "" : qsTr(" (выкл.)")), value: i })
    }
    return out
}

function byteEntries(count) {
    const out = []
    for (let i = 0; i < count; ++i)
        out.push({ text: qsTr("байт %1").arg(i), value: i })
    return out
}

function rangeEntries(from, to) {
    const out = []
    for (let i = from; i <= to; ++i)
        out.push({ text: String(i), value: i })
    return out
}

// Size and sign of a received value, packed into one combo: index = 16 bit × 2 + signed.
const valueFormats = ["8bit(unsigned)", "8bit(signed)", "16bit(unsigned)", "16bit(signed)"].map((t, i) => ({ text: t, value: i }))
function valueFormat(input) {
    return input ? (input.isSize16Bit ? 2 : 0) + (input.isSignedValue ? 1 : 0) : 0
}

// Lists with texts are built when asked for, so that a binding that shows them follows a change
// of language.
function byteOrders() {
    return [
        { text: qsTr("младший байт первый(LS first)"), value: false },
        { text: qsTr("поменять местами(MS first, старший байт первый)"), value: true }
    ]
}

// What a transmitted data item places in the frame: one bit, a byte or a 16-bit word.
function dataSizes() {
    return [
        { text: qsTr("1 бит"), value: 0 },
        { text: qsTr("8 бит"), value: 1 },
        { text: qsTr("16 бит"), value: 2 }
    ]
}

// Sources a transmitted message can carry, per device.
function outputSources(isPdm) {
    const none = { text: qsTr("Нет"), value: E.ChannelType_DisabledFunction }
    if (!isPdm)
        return [none,
                { text: qsTr("Данные Ardix"), value: E.ChannelType_ArdixCanSensorsData },
                { text: qsTr("Цифровые входы Ardix"), value: E.ChannelType_ArdixInputsState },
                { text: qsTr("CAN цифровые входы Ardix"), value: E.ChannelType_ArdixCanbusDigitalInput },
                { text: qsTr("Константы"), value: E.ChannelType_Constant }]
    const out = [none,
                 { text: qsTr("Цифровые входы PDM"), value: E.ChannelType_Tic124LogicInput },
                 { text: qsTr("Аналоговые входы PDM"), value: E.ChannelType_Tic124AnalogInput },
                 { text: qsTr("Состояние выходов PDM"), value: E.ChannelType_PdmOutputState },
                 { text: qsTr("Ток выхода PDM"), value: E.ChannelType_OutputCurrent },
                 { text: qsTr("Глобальная функция"), value: E.ChannelType_GlobalFunction },
                 { text: qsTr("Счетчики"), value: E.ChannelType_GlobalCounter },
                 { text: qsTr("Данные PDM"), value: E.ChannelType_PdmData },
                 { text: qsTr("CAN (цифровые входы)"), value: E.ChannelType_CanbusDigitalInput },
                 { text: qsTr("Константы"), value: E.ChannelType_Constant }]
    for (let k = 0; k < 4; ++k)
        out.splice(out.length - 1, 0, { text: qsTr("Кейпад %1").arg(k + 1), value: E.ChannelType_Keypad1 + k })
    return out
}

// Sources whose value is one bit: they go into the frame as a bit unless the user widens them.
function isBitSource(type) {
    switch (type) {
    case E.ChannelType_Tic124LogicInput:
    case E.ChannelType_PdmOutputState:
    case E.ChannelType_GlobalFunction:
    case E.ChannelType_CanbusDigitalInput:
    case E.ChannelType_ArdixInputsState:
    case E.ChannelType_ArdixCanbusDigitalInput:
    case E.ChannelType_Keypad1:
    case E.ChannelType_Keypad2:
    case E.ChannelType_Keypad3:
    case E.ChannelType_Keypad4:
        return true
    }
    return false
}

// Where a data item would fall outside its message: "" when it fits, else what to tell the user.
// A bit takes its byte, 8 bits one byte, 16 bits two.
function placementProblem(frameSize, dataSize, byteIndex) {
    const bytes = dataSize === 2 ? 2 : 1
    if (frameSize === 0)
        return qsTr("длина сообщения 0: данные не передаются")
    if (byteIndex + bytes > frameSize)
        return qsTr("байты ") + byteIndex + (bytes > 1 ? "–" + (byteIndex + bytes - 1) : "")
                + qsTr(" за пределами длины сообщения (") + frameSize + qsTr(" байт)")
    return ""
}

// Data items in use: those with a source.
function usedItems(message) {
    if (!message)
        return 0
    let n = 0
    for (let i = 0; i < message.userData.length; ++i)
        if (message.userData[i].inChannelType !== E.ChannelType_DisabledFunction)
            ++n
    return n
}

// Channels of a dash source, as combo entries.
function dashChannels(dash, kernel, type) {
    const out = []
    switch (type) {
    case E.ChannelType_ArdixCanSensorsData:
        for (let id = 1; id < 32; ++id) {
            const s = kernel ? kernel.getSensor(id) : null
            if (s && s.enable)
                out.push({ text: s.shortSensorName, value: id })
        }
        break
    case E.ChannelType_ArdixInputsState: {
        const pins = kernel && kernel.ardixDescription ? (kernel.ardixDescription.DI || []) : []
        for (let i = 0; i < pins.length; ++i)
            out.push({ text: qsTr("Пин %1").arg(pins[i]) + qsTr(", вход #%1").arg(i + 1), value: i })
        break
    }
    case E.ChannelType_ArdixCanbusDigitalInput: {
        const inputs = dash && dash.extra ? dash.extra.customCan.canDigitalInputs : []
        for (let i = 0; i < inputs.length; ++i)
            out.push({ text: "#" + (i + 1) + " " + (inputs[i].inputName.length ? inputs[i].inputName : qsTr("без имени")), value: i })
        break
    }
    }
    return out
}
