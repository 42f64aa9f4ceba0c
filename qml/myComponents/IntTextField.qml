import QtQuick
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A whole number between intFrom and intTo. Bound to one setting with `target` and `property`
// (shown divided by `scale`), it writes the setting and raises `changeFlag` of `flagTarget`; a page
// that writes by itself binds `intValue` and handles `valueCommitted`. An invalid text stays red
// and writes nothing.
InputField {
    id: root
    property int intValue: 0
    property int intFrom: 0
    property int intTo: 250
    property var target: null
    property string property: ""
    property real scale: 1
    property var flagTarget: null
    property var changeFlag: ""

    // Each valid text as it is typed, and the value once written.
    signal validIntEntered(int value)
    signal valueCommitted(int value)

    readonly property bool bound: target !== null && target !== undefined && property !== ""
    // The record the typed text belongs to: a text typed for one record never lands in the next.
    property var editTarget: null
    readonly property var parsed: Rules.parseIntText(text, intFrom, intTo)
    textValid: parsed.valid
    rangeText: Rules.rangeText(intFrom, intTo, unit)
    inputMethodHints: Qt.ImhDigitsOnly
    validator: RegularExpressionValidator { regularExpression: root.intFrom < 0 ? /-?\d{0,10}/ : /\d{0,10}/ }

    readonly property var boundValue: bound ? target[property] : undefined
    function show() {
        if (bound && boundValue !== undefined)
            intValue = Math.round(Rules.fromRaw(boundValue, scale))
        text = intValue
    }
    onBoundValueChanged: if (!edited) show()
    onIntValueChanged: if (!edited) text = intValue
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
        // The text as it stands now, with the key just typed.
        const p = Rules.parseIntText(text, intFrom, intTo)
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
        const p = Rules.parseIntText(text, intFrom, intTo)
        if (!p.valid)
            return false
        edited = false
        if (editTarget && property !== "")
            Rules.commit(editTarget, property, Rules.toRaw(p.value, scale), flagTarget, changeFlag)
        editTarget = null
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
