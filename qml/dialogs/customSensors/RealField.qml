import QtQuick
import ARDIX 1.0
import "../../myComponents"
import "../../utils/InputRules.js" as Rules

// A decimal field over a float value (a coefficient or a table point): shows `shown` and reports
// a valid entry through `committed`, leaving the write to the page, since the shared field stores
// integers. An invalid text stays red and reports nothing; leaving the field without typing
// reports nothing either, so a value that changed meanwhile is not overwritten.
FloatTextField {
    id: field
    property real shown: 0
    signal committed(real value)

    floatFrom: -99999
    floatTo: 99999
    Binding { target: field; property: "floatValue"; value: field.shown }
    // A table switched between volts and ohms shows its points with the new decimals.
    onFloatDecChanged: if (!activeFocus) text = Rules.floatText(floatValue, floatDec)
    property bool edited: false
    onTextEdited: edited = true
    onEditingFinished: {
        if (!edited || !parsed.valid)
            return
        edited = false
        field.committed(parsed.value)
    }
}
