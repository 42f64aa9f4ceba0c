import QtQuick
import ARDIX 1.0
import "../../myComponents"

// A float of the GPS record (kept as a 32-bit float) shown with a fixed number of decimals.
FloatTextField {
    property var gps: null
    property var dash: null
    property string name: ""

    floatFrom: -180
    floatTo: 180
    floatDec: 7
    float32: true
    target: gps
    property: name
    flagTarget: dash
    changeFlag: "commonSettingsHasChanges"
}
