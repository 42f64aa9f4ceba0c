import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../../myComponents"
import "../../utils/InputRules.js" as Rules
import "CustomSensorRules.js" as Custom

// A name kept in a fixed field of `maxBytes` UTF-8 bytes: a longer name stays red and is not
// written, so the device never gets it cut. Written trimmed when the user is done with it.
InputField {
    id: root
    property var target: null
    property string property: ""
    property int maxBytes: Custom.AnalogNameBytes
    property var flagTarget: null
    property var changeFlag: ""

    readonly property string trimmed: text.trim()
    textValid: Custom.utf8Length(trimmed) <= maxBytes
    horizontalAlignment: TextInput.AlignLeft
    leftPadding: 10 * AppStyle.pixelScale
    font.pixelSize: height * 0.42
    Accessible.name: placeholderText
    ToolTip.visible: !textValid && activeFocus
    ToolTip.text: "Слишком длинное название: помещается " + maxBytes + " латинских или "
                  + Math.floor(maxBytes / 2) + " русских букв"

    // Only what the user typed is written: a name changed elsewhere (new settings from the device)
    // while the field holds the focus is not overwritten by the stale text on leaving it.
    onTextEdited: edited = true

    readonly property var boundValue: target && property !== "" ? target[property] : undefined
    onBoundValueChanged: if ((!activeFocus || !edited) && boundValue !== undefined) text = boundValue
    Component.onCompleted: if (boundValue !== undefined) text = boundValue

    function save() {
        if (!edited || !textValid)
            return
        edited = false
        if (target && property !== "")
            Rules.commit(target, property, trimmed, flagTarget, changeFlag)
    }
    onEditingFinished: save()
    onActiveFocusChanged: {
        if (activeFocus)
            return
        save()
        if (!edited && boundValue !== undefined)
            text = boundValue
    }
}
