.pragma library
.import "ChannelRules.js" as Channels

// What the all-sensors page offers a sensor: its sources, the channels of a source and the
// calibration tables that fit an analog input. Codes are the device's (ArdixEnums; a test holds
// them together).

var InputSourceNo = 0
var InputSourceEcu = 1
var InputSourceAnalog = 2
var InputSourceFrequency = 3
var InputSourceDigital_IO = 4
var InputSourceCustomAnalog = 5
var InputSourceCalculated = 7
var InputSourceEgtModule = 9
var InputSourceCustomCan = 10

var ExhaustTemp_index = 6
var EngineRpm_index = 16
var Speed_index = 17
var Gear_index = 19
var ExhaustTemp2_index = 22

var Disabled_CustomAnalogType = 0
var TableResistance_CustomAnalogType = 3
var CanData_CustomAnalogType = 5
// Analog inputs 0 to 5 read 0-5 V; the others read a resistance.
var VoltageInputs = 6
// Preset groups of resistive sensors (thermistors and varistors).
var ResistiveGroups = [4, 8, 10]
var SamsonasGroup = 10

function sourcesFor(sensor, ecuProtocol, ecuName) {
    const id = sensor.sensorID
    const custom = sensor.custom || id >= 100
    const out = [{ text: qsTr("Нет(другое)"), value: InputSourceNo }]
    if (id !== Speed_index && id !== EngineRpm_index)
        out.push({ text: qsTr("Аналоговый датчик"), value: InputSourceAnalog })
    if (id === Speed_index || id === EngineRpm_index || (custom && sensor.analogGroup === 0))
        out.push({ text: qsTr("Импульсный датчик"), value: InputSourceFrequency })
    if (!custom && (id === ExhaustTemp_index || id === ExhaustTemp2_index))
        out.push({ text: qsTr("EGT CAN модуль"), value: InputSourceEgtModule })
    if (!custom && id === Gear_index) {
        out.push({ text: qsTr("Расчет из скорости и оборотов"), value: InputSourceCalculated })
        out.push({ text: qsTr("Цифровые входы"), value: InputSourceDigital_IO })
    }
    const ecus = sensor.ecuProtocolsSupport
    if (ecus && ecus.indexOf(ecuProtocol) >= 0)
        out.push({ text: "ECU " + ecuName, value: InputSourceEcu })
    out.push({ text: "CAN", value: InputSourceCustomCan })
    return out
}

// The entry a stored source shows as: a user table counts as an analog sensor.
function shownSource(source) {
    return source === InputSourceCustomAnalog ? InputSourceAnalog : source
}

function needsChannel(source) {
    source = shownSource(source)
    return source === InputSourceAnalog || source === InputSourceFrequency || source === InputSourceCustomCan
}

// The kernel gives the inputs' descriptions in their source words; they are translated here, in
// the binding that shows them, so that they follow a change of language.
function inputDescription(text) {
    return text ? qsTranslate("DashDescription", text) : ""
}

function analogChannels(description) {
    const a = description && description.analogInputs ? description.analogInputs : null
    const out = []
    for (let i = 0; a && i < a.pin.length; ++i)
        out.push({ text: qsTr("Пин %1").arg(a.pin[i]) + ", " + inputDescription(a.description[i]), value: i })
    return out
}

function frequencyChannels(description, ctx) {
    const f = description && description.freqInputs ? description.freqInputs : null
    const out = []
    for (let i = 0; f && i < f.pin.length; ++i) {
        const input = f.inputIndex ? f.inputIndex[i] : i
        const busy = Channels.inputBusyInfo(ctx, input, -1, -1)
        out.push({ text: qsTr("Пин %1").arg(f.pin[i]) + ", " + inputDescription(f.description[i]) + busy, value: input, disabled: busy !== "" })
    }
    return out
}

function canIdText(message) {
    return "0x" + Number(message.canId).toString(16).toUpperCase()
}

function canChannels(canInMessages) {
    const out = []
    for (let i = 0; i < (canInMessages ? canInMessages.length : 0); ++i)
        out.push({ text: "CAN ID " + canIdText(canInMessages[i]), value: i })
    return out
}

function channelsFor(source, description, ctx, canInMessages) {
    switch (shownSource(source)) {
    case InputSourceAnalog: return analogChannels(description)
    case InputSourceFrequency: return frequencyChannels(description, ctx)
    case InputSourceCustomCan: return canChannels(canInMessages)
    }
    return []
}

function choosePrompt(source) {
    return qsTr("<- Выберите нужный %1").arg(shownSource(source) === InputSourceCustomCan ? qsTr("CAN фильтр") : qsTr("вход"))
}

// Tables that fit analog input `input`: the group's built-in presets (resistive groups only on the
// resistance inputs, the others only on the voltage inputs; a gear sensor of the SAMSONAS group on a
// voltage input also gets its 5 V entry, table 0) and the user's tables of the same kind.
// Entries: { text, source, tableId }.
function tablesFor(sensor, input, presetNames, userTables) {
    const out = []
    const resistiveInput = input >= VoltageInputs
    const resistiveGroup = ResistiveGroups.indexOf(sensor.analogGroup) >= 0
    if (resistiveGroup === resistiveInput) {
        for (let i = 0; i < (presetNames ? presetNames.length : 0); ++i)
            out.push({ text: presetNames[i], source: InputSourceAnalog, tableId: i })
    } else if (!resistiveInput && sensor.sensorID === Gear_index && sensor.analogGroup === SamsonasGroup) {
        out.push({ text: qsTr("SAMSONAS секвентальная кпп, 5 передач(5В подключение)"), source: InputSourceAnalog, tableId: 0 })
    }
    for (let i = 0; i < (userTables ? userTables.length : 0); ++i) {
        const t = userTables[i]
        if (!t || t.sensorType === Disabled_CustomAnalogType || t.sensorType === CanData_CustomAnalogType)
            continue
        if ((t.sensorType === TableResistance_CustomAnalogType) !== resistiveInput)
            continue
        out.push({ text: qsTr("Пользовательский: %1").arg(t.name !== "" ? t.name : "#" + (i + 1)),
                   source: InputSourceCustomAnalog, tableId: i })
    }
    return out
}
