.pragma library

// Who holds a dash digital input and which channels a lamp, action or gear row may be bound to.
// The numbers below are the device's own codes (the same as ArdixEnums; a test holds them
// together), so that this file stays a plain library without imports.

var InputSourceFrequency = 3
var ChannelType_DisabledFunction = 0
var ChannelType_PdmOutputState = 3
var ChannelType_ArdixInputsState = 12
var ChannelType_Keypad1 = 15
var ChannelType_Keypad2 = 16
var ChannelType_ArdixCanbusDigitalInput = 29

// Inputs 1 and 2 are the inductive sensor inputs: they cannot read a switch.
var HiddenDashInputs = [1, 2]
var PdmOutputsCount = 30

// Texts are built when asked for, so that a binding that shows them follows a change of language.
function actionNames() {
    return [qsTr("Кнопка 3 в 1, листать, сбрасывать варнинги и пики"), qsTr("Сброс предупреждений"), qsTr("Сброс пиков"),
            qsTr("Следующий экран"), qsTr("Предыдущий экран")]
}

function actionName(index) {
    const names = actionNames()
    return index >= 0 && index < names.length ? names[index] : qsTr("действие #%1").arg(index + 1)
}

function lampName(lampsInfo, index) {
    for (let i = 0; i < (lampsInfo ? lampsInfo.length : 0); ++i)
        if (lampsInfo[i].lampIndex === index)
            return lampsInfo[i].lampName
    return qsTr("лампа #%1").arg(index + 1)
}

function holdsInput(source, input) {
    return source && source.inChannelType === ChannelType_ArdixInputsState && source.inChannel === input
}

// The first owner of dash input `input` other than the skipped lamp and action (-1: none skipped):
// { kind: "sensor" | "lamp" | "action", name, text } or null. `ctx` holds sensors, customSensors,
// lamps (indexed by lamp index), actions, lampsInfo and optionally skipSensor (a sensor that may
// keep its own input).
function inputOwner(ctx, input, skipLamp, skipAction) {
    const sensorLists = [ctx.sensors || [], ctx.customSensors || []]
    for (const list of sensorLists) {
        for (let i = 0; i < list.length; ++i) {
            const s = list[i]
            if (s && s !== ctx.skipSensor && s.inputDataSource === InputSourceFrequency && s.inputSourceIndex === input)
                return { kind: "sensor", name: s.sensorName, text: qsTr(" — занят датчиком: %1").arg(s.sensorName) }
        }
    }
    const lamps = ctx.lamps || []
    for (let i = 0; i < lamps.length; ++i) {
        if (i !== skipLamp && holdsInput(lamps[i], input)) {
            const name = lampName(ctx.lampsInfo, i)
            return { kind: "lamp", name: name, text: qsTr(" — занят индикатором: %1").arg(name) }
        }
    }
    const actions = ctx.actions || []
    for (let i = 0; i < actions.length; ++i) {
        if (i !== skipAction && holdsInput(actions[i], input)) {
            const name = actionName(i)
            return { kind: "action", name: name, text: qsTr(" — занят действием: %1").arg(name) }
        }
    }
    return null
}

function inputBusyInfo(ctx, input, skipLamp, skipAction) {
    const owner = inputOwner(ctx, input, skipLamp, skipAction)
    return owner ? owner.text : ""
}

function busyMessage(owner) {
    return qsTr("Данный вход занят: %1").arg(owner.name) + qsTr("\n\nизменения не будут сохранены")
}

// Combo entries {text, value, disabled}; `value` is the channel number within its type.
function dashInputChannels(ctx, pins, skipLamp, skipAction) {
    const out = []
    for (let i = 0; i < (pins ? pins.length : 0); ++i) {
        if (HiddenDashInputs.indexOf(i) >= 0)
            continue
        const busy = inputBusyInfo(ctx, i, skipLamp, skipAction)
        out.push({ text: qsTr("Пин %1").arg(pins[i]) + qsTr(", вход #%1").arg(i + 1) + busy, value: i, disabled: busy !== "" })
    }
    return out
}

function canInputChannels(canDigitalInputs) {
    const out = []
    for (let i = 0; i < (canDigitalInputs ? canDigitalInputs.length : 0); ++i) {
        const name = canDigitalInputs[i] ? canDigitalInputs[i].inputName : ""
        out.push({ text: "#" + (i + 1) + " " + (name && name.length > 0 ? name : qsTr("без имени")), value: i })
    }
    return out
}

function pdmOutputChannels(outputNames) {
    const out = []
    for (let n = 1; n <= PdmOutputsCount; ++n) {
        const name = outputNames && outputNames[n - 1] ? outputNames[n - 1] : ""
        out.push({ text: qsTr("Выход #%1").arg(n) + " " + name, value: n - 1 })
    }
    return out
}

function keypadChannels(buttonNames) {
    const out = []
    for (let i = 0; i < (buttonNames ? buttonNames.length : 0); ++i)
        out.push({ text: qsTr("Кнопка #%1").arg(i + 1) + " " + buttonNames[i], value: i })
    return out
}

// The channel types of the lamps page; PDM outputs only while some lamp already uses them.
function lampChannelTypes(lamps) {
    const types = [{ text: qsTr("Нет"), value: ChannelType_DisabledFunction },
                   { text: qsTr("Цифровые входы Ardix"), value: ChannelType_ArdixInputsState },
                   { text: qsTr("CAN цифровые входы Ardix"), value: ChannelType_ArdixCanbusDigitalInput }]
    for (let i = 0; i < (lamps ? lamps.length : 0); ++i) {
        if (lamps[i] && lamps[i].inChannelType === ChannelType_PdmOutputState) {
            types.push({ text: qsTr("Состояние выходов PMX"), value: ChannelType_PdmOutputState })
            break
        }
    }
    return types
}

function actionChannelTypes() {
    return [{ text: qsTr("Нет"), value: ChannelType_DisabledFunction },
            { text: qsTr("Цифровые входы Ardix"), value: ChannelType_ArdixInputsState },
            { text: qsTr("CAN цифровые входы Ardix"), value: ChannelType_ArdixCanbusDigitalInput },
            { text: qsTr("Кейпад 1"), value: ChannelType_Keypad1 },
            { text: qsTr("Кейпад 2"), value: ChannelType_Keypad2 }]
}

// Whether a stored binding still holds its own channel: false when its dash input has been taken
// by something else since (the row then asks for a new choice).
function bindingIsFree(ctx, source, skipLamp, skipAction) {
    if (!source || source.inChannelType !== ChannelType_ArdixInputsState)
        return true
    return inputOwner(ctx, source.inChannel, skipLamp, skipAction) === null
}

function indexOfValue(entries, value) {
    for (let i = 0; i < (entries ? entries.length : 0); ++i)
        if (entries[i].value === value)
            return i
    return -1
}
