.pragma library

// What each input of the 16-input expansion module does. A channel's byte holds the function (a
// ButtonsActionIndexes value: nothing, or a lamp of the kernel's lamp table) in its low seven bits
// and "inverted" in bit 7. The numbers are the device's own codes (the same as ArdixEnums; a test
// holds them together), so that this file stays a plain library without imports.

var ChannelsCount = 16
var InvertedBit = 0x80
var FunctionMask = 0x7F

var Action_No = 0
var Lamp_User1 = 25
var Lamp_User7 = 31
var Lamp_Gear_Neutral = 32
var Lamp_Gear_Manuall = 36
var Lamp_Gear_1 = 37
var Lamp_Gear_8 = 44

// Texts are built when asked for, so that a binding that shows them follows a change of language.
function noFunctionText() {
    return qsTr("Нет")
}
function lampPrefix() {
    return qsTr("Лампа ")
}

// Short labels of the lamps that have no picture: the gear positions and the user lamps.
var GearLetters = ["N", "R", "P", "D", "M"]

function functionOf(value) {
    return value & FunctionMask
}

function isInverted(value) {
    return (value & InvertedBit) !== 0
}

function compose(fn, inverted) {
    return (fn & FunctionMask) | (inverted ? InvertedBit : 0)
}

function lampEntry(lampsInfo, fn) {
    for (let i = 0; i < (lampsInfo ? lampsInfo.length : 0); ++i)
        if (lampsInfo[i].lampIndex === fn)
            return lampsInfo[i]
    return null
}

function functionName(lampsInfo, fn) {
    if (fn === Action_No)
        return noFunctionText()
    const lamp = lampEntry(lampsInfo, fn)
    return lamp ? lampPrefix() + lamp.lampName : qsTr("функция #%1").arg(fn)
}

// The label drawn in place of a lamp's picture when the lamp has none; "" when it has one.
function lampLabel(lampIndex, icon) {
    if (icon || lampIndex === Action_No)
        return ""
    if (lampIndex >= Lamp_Gear_Neutral && lampIndex <= Lamp_Gear_Manuall)
        return GearLetters[lampIndex - Lamp_Gear_Neutral]
    if (lampIndex >= Lamp_Gear_1 && lampIndex <= Lamp_Gear_8)
        return String(lampIndex - Lamp_Gear_1 + 1)
    if (lampIndex >= Lamp_User1 && lampIndex <= Lamp_User7)
        return "U" + (lampIndex - Lamp_User1 + 1)
    return "#" + lampIndex
}

// The channel (0-based) other than `skipChannel` whose function is `fn`, or -1. "Нет" is never
// taken.
function channelHolding(values, fn, skipChannel) {
    if (fn === Action_No)
        return -1
    for (let i = 0; i < (values ? values.length : 0); ++i)
        if (i !== skipChannel && functionOf(values[i]) === fn)
            return i
    return -1
}

function takenText(channel) {
    return qsTr(" — занято входом #%1").arg(channel + 1)
}

function refusalText(lampsInfo, fn, channel) {
    return "«" + functionName(lampsInfo, fn) + qsTr("» уже назначена на вход #%1").arg(channel + 1)
}

// Combo entries {text, value, disabled} for channel `channel`: "Нет", then every lamp of the
// table in its order. A function bound to another channel is marked and cannot be chosen. A
// stored code the table does not know stays listed, so the row shows what the device holds.
function choices(lampsInfo, values, channel) {
    const out = [{ text: noFunctionText(), value: Action_No, disabled: false }]
    const prefix = lampPrefix()
    for (let i = 0; i < (lampsInfo ? lampsInfo.length : 0); ++i) {
        const fn = lampsInfo[i].lampIndex
        const holder = channelHolding(values, fn, channel)
        out.push({ text: prefix + lampsInfo[i].lampName + (holder >= 0 ? takenText(holder) : ""),
                   value: fn, disabled: holder >= 0 })
    }
    const own = values && channel < values.length ? functionOf(values[channel]) : Action_No
    if (own !== Action_No && !lampEntry(lampsInfo, own))
        out.push({ text: functionName(lampsInfo, own), value: own, disabled: false })
    return out
}

// The module's list with channel `channel` set to `fn` (keeping its inversion), or null when
// another channel already holds `fn`.
function withFunction(values, channel, fn) {
    if (channelHolding(values, fn, channel) >= 0)
        return null
    const out = values.slice()
    out[channel] = compose(fn, isInverted(out[channel]))
    return out
}

function withInverted(values, channel, inverted) {
    const out = values.slice()
    out[channel] = compose(functionOf(out[channel]), inverted)
    return out
}

function indexOfValue(entries, value) {
    for (let i = 0; i < (entries ? entries.length : 0); ++i)
        if (entries[i].value === value)
            return i
    return -1
}
