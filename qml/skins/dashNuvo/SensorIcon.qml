import QtQuick
import ARDIX 1.0

// A sensor's picture recoloured for the dark screen (the files are drawn dark for light menus).
TintedIcon {
    color: AppStyle.placeholderColor
    visible: source.toString().length > 0
}
