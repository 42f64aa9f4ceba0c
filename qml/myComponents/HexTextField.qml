import QtQuick
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A hexadecimal number ("0x" and digits) between intFrom and intTo, shown in upper case. A value
// above intTo marks the text invalid and is not written. Binds to one setting like IntTextField.
InputField {
    id: root
    property int intValue: 0
    property int intFrom: 0
    property int intTo: 250
    property var target: null
    property string property: ""
    property var flagTarget: null
    property var changeFlag: ""
    // Digits shown at least, e.g. 4 for "0x0015".
    property int minDigits: 1
    readonly property bool isValid: parsed.valid

    signal validIntEntered(int value)
    signal valueCommitted(int value)

    readonly property bool bound: target !== null && target !== undefined && property !== ""
    property var editTarget: null
    readonly property var parsed: Rules.parseHexText(text, intFrom, intTo)
    textValid: parsed.valid
    rangeText: Rules.rangeText(hex(intFrom), hex(intTo), unit)
    validator: RegularExpressionValidator { regularExpression: /(0[xX])?[0-9a-fA-F]{0,8}/ }

    function hex(v) {
        const t = Rules.hexText(v)
        return "0x" + t.substring(2).padStart(minDigits, "0")
    }
    readonly property var boundValue: bound ? target[property] : undefined
    function show() {
        if (bound && boundValue !== undefined)
            intValue = boundValue
        text = hex(intValue)
    }
    onBoundValueChanged: if (!edited) show()
    onIntValueChanged: if (!edited) text = hex(intValue)
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
        if (text.length > 0 && !/^0[xX]/.test(text)) {
            const pos = cursorPosition
            text = "0x" + text.replace(/^[xX]/, "")
            cursorPosition = Math.min(text.length, pos + 2)
        }
        const p = Rules.parseHexText(text, intFrom, intTo)
        if (p.valid) {
            // A page that binds the value keeps its binding: only a bound field holds it itself.
            if (bound)
                intValue = p.value
            validIntEntered(p.value)
        }
    }
    function commitEdit() {
        if (!edited)
            return true
        const p = Rules.parseHexText(text, intFrom, intTo)
        if (!p.valid)
            return false
        edited = false
        const t = editTarget
        editTarget = null
        if (t && property !== "")
            Rules.commit(t, property, p.value, flagTarget, changeFlag)
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
