pragma Singleton
import QtQuick

QtObject {
    property real appWindowWidth: 1280
    readonly property real pixelScale: appWindowWidth / 1280
    readonly property real comboHeight: 45 * pixelScale
    readonly property real textInputHeight: 50 * pixelScale
    readonly property real checkboxHeight: 45 * pixelScale
    readonly property real spinboxHeight: 50 * pixelScale
    readonly property real basicRowHeight: 90 * pixelScale * 0.85
    readonly property real basicFontSize: 24 * pixelScale * 0.85
    readonly property real basicTitleSize: 30 * pixelScale * 0.85
    readonly property color borderColor: "#b6b6b6"
}
