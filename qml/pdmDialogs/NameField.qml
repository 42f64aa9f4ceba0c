import QtQuick
import "../myComponents"

// A name of an input, output, button or function: 31 bytes of a 32-byte device field unless told.
TextSettingField {
    maxBytes: 31
}
