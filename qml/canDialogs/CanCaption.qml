import QtQuick
import ARDIX 1.0

// A caption in front of an editor on the CAN pages.
Text {
    color: AppStyle.textColor
    font.pixelSize: AppStyle.basicFontSize
    verticalAlignment: Text.AlignVCenter
    height: AppStyle.textInputHeight
}
