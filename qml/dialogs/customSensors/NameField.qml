import QtQuick
import ARDIX 1.0
import "../../myComponents"
import "CustomSensorRules.js" as Custom

// A custom sensor's or table's name: its fixed field takes `maxBytes` UTF-8 bytes.
TextSettingField {
    maxBytes: Custom.AnalogNameBytes
    font.pixelSize: height * 0.42
}
