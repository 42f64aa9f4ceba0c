.pragma library

// What the custom sensor pages show and check: the conversion types of a user table, which
// sensors read through a table, the raw input readings, names that fit their byte fields and
// the free custom sensor entries. Codes are the device's (ArdixEnums; a test holds them together).

var Disabled_CustomAnalogType = 0
var Linear5V_CustomAnalogType = 1
var Table5V_CustomAnalogType = 2
var TableResistance_CustomAnalogType = 3
var ManualCalibration_CustomAnalogType = 4
var CanData_CustomAnalogType = 5
var RangeTable_CustomAnalogType = 6

var InputSourceCustomAnalog = 5

var MinTableSize = 2
var MaxTableSize = 32
// Name fields keep one byte for the terminating NUL.
var AnalogNameBytes = 31
var SensorNameBytes = 23
// The device names custom sensors 100 to 129.
var CustomSensorFirstId = 100
var CustomSensorsUsable = 30

// Analog inputs 0 to 5 read 0-5 V in mV; the others read a resistance in ohms.
var VoltageInputs = 6
var OpenCircuitOhms = 2200000

// Built when asked for, so that a binding that shows them follows a change of language.
function types() {
    return [
        { text: qsTr("Выключен"), value: Disabled_CustomAnalogType },
        { text: qsTr("Линейный 0-5В (y = a * x + b)"), value: Linear5V_CustomAnalogType },
        { text: qsTr("Таблица 0-5В"), value: Table5V_CustomAnalogType },
        { text: qsTr("Таблица сопротивлений"), value: TableResistance_CustomAnalogType },
        { text: qsTr("Калибровка мин / макс"), value: ManualCalibration_CustomAnalogType },
        { text: qsTr("Данные CAN"), value: CanData_CustomAnalogType },
        { text: qsTr("Датчик положения (диапазоны)"), value: RangeTable_CustomAnalogType }
    ]
}

function typeText(type) {
    const all = types()
    for (let i = 0; i < all.length; ++i)
        if (all[i].value === type)
            return all[i].text
    return qsTr("Тип %1").arg(type)
}

function usesTable(type) {
    return type === Table5V_CustomAnalogType || type === TableResistance_CustomAnalogType
        || type === ManualCalibration_CustomAnalogType || type === RangeTable_CustomAnalogType
}

function inputUnit(type) {
    return type === TableResistance_CustomAnalogType ? qsTr("Ом") : qsTr("В")
}

function analogName(table, index) {
    return table && table.name !== "" ? table.name : qsTr("без имени")
}

// Names of the standard and custom sensors that read through user table `index`.
function tableUsers(sensors, customSensors, index) {
    const out = []
    const lists = [sensors || [], customSensors || []]
    for (const list of lists)
        for (let i = 0; i < list.length; ++i) {
            const s = list[i]
            if (s && s.inputDataSource === InputSourceCustomAnalog && s.analogTableID === index)
                out.push(s.sensorName !== "" ? s.sensorName : "#" + s.sensorID)
        }
    return out
}

function rawValueText(index, value) {
    if (index < VoltageInputs)
        return (value / 1000).toFixed(2) + qsTr(" В")
    if (value > OpenCircuitOhms)
        return qsTr("> 2 МОм")
    return (value / 1000).toFixed(2) + qsTr(" кОм")
}

// One row per analog input of the dash description, or none when the reading does not match it.
// The kernel's descriptions are source texts, translated here.
function rawInputRows(values, description) {
    const a = description && description.analogInputs ? description.analogInputs : null
    if (!a || !a.pin || !values || values.length !== a.pin.length)
        return []
    const out = []
    for (let i = 0; i < values.length; ++i)
        out.push({ pin: a.pin[i], description: a.description && a.description[i] ? qsTranslate("DashDescription", a.description[i]) : "",
                  value: rawValueText(i, values[i]) })
    return out
}

// A custom sensor is in use while it has a name or a source.
function isCustomInUse(sensor) {
    return sensor.customShortName !== "" || sensor.inputDataSource !== 0
}

function firstFreeCustom(customSensors) {
    const n = Math.min(customSensors ? customSensors.length : 0, CustomSensorsUsable)
    for (let i = 0; i < n; ++i)
        if (!isCustomInUse(customSensors[i]))
            return i
    return -1
}

function customInUseCount(customSensors) {
    let n = 0
    const count = Math.min(customSensors ? customSensors.length : 0, CustomSensorsUsable)
    for (let i = 0; i < count; ++i)
        if (isCustomInUse(customSensors[i]))
            ++n
    return n
}
