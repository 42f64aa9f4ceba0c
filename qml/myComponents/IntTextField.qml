import QtQuick
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A whole number between intFrom and intTo. Bound to one setting with `target` and `property`
// (shown divided by `scale`), it writes the setting and raises `changeFlag` of `flagTarget` only
// when the text is valid; an invalid text stays red and writes nothing.
InputField {
    id: root
    property int intValue: 0
    property int intFrom: 0
    property int intTo: 250
    property var target: null
    property string property: ""
    property int scale: 1
    property var flagTarget: null
    property var changeFlag: ""

    signal validIntEntered(int value)

    readonly property var parsed: Rules.parseIntText(text, intFrom, intTo)
    textValid: parsed.valid
    inputMethodHints: Qt.ImhDigitsOnly
    validator: RegularExpressionValidator { regularExpression: root.intFrom < 0 ? /-?\d{0,10}/ : /\d{0,10}/ }
    Accessible.name: placeholderText

    readonly property var boundValue: target && property !== "" ? target[property] : undefined
    onBoundValueChanged: if (boundValue !== undefined) intValue = Math.round(Rules.fromRaw(boundValue, scale))
    Component.onCompleted: {
        if (boundValue !== undefined)
            intValue = Math.round(Rules.fromRaw(boundValue, scale))
        text = intValue
    }
    onIntValueChanged: if (!activeFocus || !edited) text = intValue
    onActiveFocusChanged: if (!activeFocus && parsed.valid) text = intValue

    onTextEdited: {
        edited = true
        if (!parsed.valid)
            return
        intValue = parsed.value
        validIntEntered(parsed.value)
    }
    // The setting is written once the user is done (Enter, Tab, a click elsewhere), and only a
    // valid text: a half-typed number never reaches the device.
    onEditingFinished: {
        if (!edited || !parsed.valid)
            return
        edited = false
        if (target && property !== "")
            Rules.commit(target, property, Rules.toRaw(parsed.value, scale), flagTarget, changeFlag)
    }
}
