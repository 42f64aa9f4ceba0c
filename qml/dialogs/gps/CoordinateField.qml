import QtQuick
import ARDIX 1.0
import "../../myComponents"

// A float setting of the GPS record (kept as a 32-bit float) shown with a fixed number of
// decimals. Written only when the typed value differs from what the float already holds, so that
// leaving the field untouched never marks the settings changed.
FloatTextField {
    id: root
    property var gps: null
    property var dash: null
    property string name: ""

    floatFrom: -180
    floatTo: 180
    floatDec: 7
    readonly property real shown: gps && name !== "" ? gps[name] : 0
    floatValue: shown
    onShownChanged: floatValue = shown
    onEditingFinished: {
        if (!parsed.valid || !gps || Math.fround(parsed.value) === Math.fround(gps[name]))
            return
        gps[name] = parsed.value
        if (dash)
            dash.commonSettingsHasChanges = true
    }
}
