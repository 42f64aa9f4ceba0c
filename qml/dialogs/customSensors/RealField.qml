import QtQuick
import ARDIX 1.0
import "../../myComponents"
import "../../utils/InputRules.js" as Rules

// A decimal field over a float value (a coefficient or a table point): shows `shown` and reports
// a typed, valid entry through `committed`, leaving the write to the page, since the shared field
// stores integers.
FloatTextField {
    id: field
    property real shown: 0
    signal committed(real value)

    floatFrom: -99999
    floatTo: 99999
    Binding { target: field; property: "floatValue"; value: field.shown }
    // A table switched between volts and ohms shows its points with the new decimals.
    onFloatDecChanged: if (!activeFocus) text = Rules.floatText(floatValue, floatDec)
    onValueCommitted: (value) => field.committed(value)
}
