import QtQuick
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A hexadecimal number ("0x" and digits) between intFrom and intTo, shown in upper case. A value
// above intTo marks the text invalid and keeps intValue. Binds to one setting like IntTextField.
InputField {
    id: root
    property int intValue: 0
    property int intFrom: 0
    property int intTo: 250
    property var target: null
    property string property: ""
    property var flagTarget: null
    property var changeFlag: ""
    readonly property bool isValid: parsed.valid

    signal validIntEntered(int value)

    readonly property var parsed: Rules.parseHexText(text, intFrom, intTo)
    textValid: parsed.valid
    validator: RegularExpressionValidator { regularExpression: /(0[xX])?[0-9a-fA-F]{0,8}/ }

    readonly property var boundValue: target && property !== "" ? target[property] : undefined
    onBoundValueChanged: if (boundValue !== undefined) intValue = boundValue
    Component.onCompleted: {
        if (boundValue !== undefined)
            intValue = boundValue
        text = Rules.hexText(intValue)
    }
    onIntValueChanged: if (!activeFocus || !edited) text = Rules.hexText(intValue)
    onActiveFocusChanged: if (!activeFocus && parsed.valid) text = Rules.hexText(intValue)

    onTextEdited: {
        edited = true
        if (text.length > 0 && !/^0[xX]/.test(text)) {
            const pos = cursorPosition
            text = "0x" + text.replace(/^[xX]/, "")
            cursorPosition = Math.min(text.length, pos + 2)
        }
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
            Rules.commit(target, property, parsed.value, flagTarget, changeFlag)
    }
}
