import QtQuick
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A decimal number with at most floatDec decimals between floatFrom and floatTo; a comma counts as
// a point. Bound to a setting stored as an integer × `scale` (e.g. 100), it writes the rounded raw
// value only when the text is valid; bound to a 32-bit float setting (`float32`), it writes the value
// as typed, and a value the float already holds changes nothing.
InputField {
    id: root
    property real floatValue: 0.001
    property real floatFrom: 0.001
    property real floatTo: 10000
    property int floatDec: 3
    property var target: null
    property string property: ""
    property int scale: 1
    property bool float32: false
    property var flagTarget: null
    property var changeFlag: ""

    signal validFloatEntered(real value)
    // A typed, valid value once the user is done with it (bound or not).
    signal valueCommitted(real value)

    readonly property var parsed: Rules.parseFloatText(text, floatFrom, floatTo, floatDec)
    textValid: parsed.valid
    maximumLength: 12
    inputMethodHints: Qt.ImhFormattedNumbersOnly
    validator: RegularExpressionValidator { regularExpression: /-?\d*([.,]\d*)?/ }

    readonly property var boundValue: target && property !== "" ? target[property] : undefined
    onBoundValueChanged: if (boundValue !== undefined) floatValue = Rules.fromRaw(boundValue, scale)
    Component.onCompleted: {
        if (boundValue !== undefined)
            floatValue = Rules.fromRaw(boundValue, scale)
        text = Rules.floatText(floatValue, floatDec)
    }
    onFloatValueChanged: if (!activeFocus || !edited) text = Rules.floatText(floatValue, floatDec)
    onActiveFocusChanged: if (!activeFocus && parsed.valid) text = Rules.floatText(floatValue, floatDec)

    onTextEdited: {
        edited = true
        if (text.indexOf(",") >= 0) {
            const pos = cursorPosition
            text = text.replace(",", ".")
            cursorPosition = pos
        }
        if (!parsed.valid)
            return
        floatValue = parsed.value
        validFloatEntered(parsed.value)
    }
    // The setting is written once the user is done (Enter, Tab, a click elsewhere), and only a
    // valid text: a half-typed number never reaches the device.
    onEditingFinished: {
        if (!edited || !parsed.valid)
            return
        edited = false
        if (target && property !== "") {
            if (!float32)
                Rules.commit(target, property, Rules.toRaw(parsed.value, scale), flagTarget, changeFlag)
            else if (Math.fround(parsed.value) !== Math.fround(target[property]))
                Rules.commit(target, property, parsed.value, flagTarget, changeFlag)
        }
        valueCommitted(parsed.value)
    }
}
