import QtQuick
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A decimal number with at most floatDec decimals between floatFrom and floatTo; a comma counts as
// a point. Bound to a setting stored as an integer × `scale` (e.g. 100), it writes the rounded raw
// value; bound to a 32-bit float setting (`float32`), it writes the value as typed, and a value the
// float already holds changes nothing. A page that writes by itself binds `floatValue` and handles
// `valueCommitted`. An invalid text stays red and writes nothing.
InputField {
    id: root
    property real floatValue: 0.001
    property real floatFrom: 0.001
    property real floatTo: 10000
    property int floatDec: 3
    property var target: null
    property string property: ""
    property real scale: 1
    property bool float32: false
    property var flagTarget: null
    property var changeFlag: ""

    signal validFloatEntered(real value)
    // A typed, valid value once the user is done with it (bound or not).
    signal valueCommitted(real value)

    readonly property bool bound: target !== null && target !== undefined && property !== ""
    property var editTarget: null
    readonly property var parsed: Rules.parseFloatText(text, floatFrom, floatTo, floatDec)
    textValid: parsed.valid
    rangeText: Rules.rangeText(Rules.floatText(floatFrom, floatDec).replace(/\.?0+$/, ""),
                               Rules.floatText(floatTo, floatDec).replace(/\.?0+$/, ""), unit)
               + (floatDec > 0 ? qsTr(", до %1").arg(floatDec) + qsTr(" знаков после точки") : "")
    maximumLength: 12
    inputMethodHints: Qt.ImhFormattedNumbersOnly
    validator: RegularExpressionValidator { regularExpression: /-?\d*([.,]\d*)?/ }

    readonly property var boundValue: bound ? target[property] : undefined
    function show() {
        if (bound && boundValue !== undefined)
            floatValue = Rules.fromRaw(boundValue, scale)
        text = Rules.floatText(floatValue, floatDec)
    }
    onBoundValueChanged: if (!edited) show()
    onFloatValueChanged: if (!edited) text = Rules.floatText(floatValue, floatDec)
    onFloatDecChanged: if (!edited) text = Rules.floatText(floatValue, floatDec)
    onTargetChanged: {
        if (edited)
            commitEdit()
        discardEdit()
    }
    Component.onCompleted: show()

    onTextEdited: {
        if (!edited) {
            edited = true
            editTarget = target
        }
        if (text.indexOf(",") >= 0) {
            const pos = cursorPosition
            text = text.replace(",", ".")
            cursorPosition = pos
        }
        const p = Rules.parseFloatText(text, floatFrom, floatTo, floatDec)
        if (p.valid) {
            // A page that binds the value keeps its binding: only a bound field holds it itself.
            if (bound)
                floatValue = p.value
            validFloatEntered(p.value)
        }
    }
    function commitEdit() {
        if (!edited)
            return true
        const p = Rules.parseFloatText(text, floatFrom, floatTo, floatDec)
        if (!p.valid)
            return false
        edited = false
        const t = editTarget
        editTarget = null
        if (t && property !== "") {
            if (!float32)
                Rules.commit(t, property, Rules.toRaw(p.value, scale), flagTarget, changeFlag)
            else if (Math.fround(p.value) !== Math.fround(t[property]))
                Rules.commit(t, property, p.value, flagTarget, changeFlag)
        }
        valueCommitted(p.value)
        show()
        return true
    }
    function discardEdit() {
        edited = false
        editTarget = null
        show()
    }
}
