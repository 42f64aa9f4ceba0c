import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/InputRules.js" as Rules

// A name kept in a fixed UTF-8 field of the device: at most `maxBytes` bytes (a Cyrillic letter
// takes two). A longer name stays red with its limit beside it and is not written, so the device
// never gets it cut. Written trimmed when the user leaves the field. Bound to one setting with
// `target` and `property`, or, for a page that writes by itself, shown from `textValue` and handed
// over through `valueCommitted`.
InputField {
    id: root
    property var target: null
    property string property: ""
    property string textValue: ""
    property int maxBytes: 31
    property var flagTarget: null
    property var changeFlag: ""
    // Empty is a normal state ("без имени") for most names, so the field stays white.
    property bool emptyAllowed: true

    signal valueCommitted(string value)

    readonly property bool bound: target !== null && target !== undefined && property !== ""
    property var editTarget: null
    readonly property string trimmed: text.trim()
    textValid: Rules.utf8Length(trimmed) <= maxBytes && (emptyAllowed || trimmed.length > 0)
    rangeText: (emptyAllowed ? "" : qsTr("не пустое, ")) + Rules.bytesText(maxBytes)
    horizontalAlignment: TextInput.AlignLeft
    leftPadding: 10 * AppStyle.pixelScale
    placeholderText: qsTr("без имени")
    placeholderTextColor: AppStyle.placeholderColor

    background: Rectangle {
        color: !root.textValid ? AppStyle.fieldInvalidColor
                               : (root.text.length === 0 && !root.emptyAllowed ? AppStyle.fieldEmptyColor : AppStyle.fieldColor)
        radius: 3
        border.width: root.activeFocus || !root.textValid ? 2 : 1
        border.color: !root.textValid ? AppStyle.invalidBorderColor
                                      : root.activeFocus ? AppStyle.focusBorderColor : AppStyle.borderColor
    }

    readonly property var boundValue: bound ? target[property] : undefined
    function show() {
        text = bound ? (boundValue !== undefined ? boundValue : "") : textValue
    }
    onBoundValueChanged: if (!edited) show()
    onTextValueChanged: if (!edited) show()
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
    }
    function commitEdit() {
        if (!edited)
            return true
        if (!textValid)
            return false
        edited = false
        const t = editTarget
        editTarget = null
        const value = trimmed
        if (t && property !== "")
            Rules.commit(t, property, value, flagTarget, changeFlag)
        valueCommitted(value)
        show()
        return true
    }
    function discardEdit() {
        edited = false
        editTarget = null
        show()
    }
}
