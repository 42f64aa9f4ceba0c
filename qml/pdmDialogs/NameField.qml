import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// A name of an input, output, button or function: empty is a normal state ("без имени"), not an
// error, so the field stays white until it has focus.
InputField {
    id: field
    maximumLength: 31
    horizontalAlignment: TextInput.AlignLeft
    placeholderText: "без имени"
    placeholderTextColor: "#8a9097"
    background: Rectangle {
        color: "white"
        radius: 3
        border.width: field.activeFocus ? 2 : 1
        border.color: field.activeFocus ? "#67c26a" : AppStyle.borderColor
    }
}
