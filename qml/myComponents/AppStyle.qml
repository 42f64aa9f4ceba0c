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
    readonly property real smallFontSize: 18 * pixelScale * 0.85
    readonly property color borderColor: "#b6b6b6"

    // Surfaces and text
    readonly property color pageColor: "#F4F5F7"
    readonly property color rowColor: "#ECEDEF"
    readonly property color headerColor: "#1A1A1A"
    readonly property color textColor: "#1A1A1A"
    readonly property color mutedTextColor: "#5f6670"
    readonly property color lightTextColor: whiteColor
    readonly property color placeholderColor: "#8a9097"
    readonly property color disabledTextColor: "#9a9da3"

    // Fields: the same three states on every number, text and spin box
    readonly property color fieldColor: whiteColor
    readonly property color fieldEmptyColor: "#ff7f7f"
    readonly property color fieldInvalidColor: "#fde7e7"
    readonly property color fieldInvalidTextColor: "#c62020"
    readonly property color invalidBorderColor: "#e0302a"
    readonly property color focusBorderColor: "#67c26a"
    readonly property color unitTextColor: "#6b7178"

    // Buttons by role: the action a page is for, a way back, and what destroys data
    readonly property color primaryColor: "#2385b2"
    readonly property color confirmColor: "#3f8f3a"
    readonly property color secondaryColor: "#999999"
    readonly property color secondaryTextColor: "#111111"
    readonly property color destructiveColor: "#975a5a"
    readonly property color stepperColor: "#5a6068"
    readonly property color disabledButtonColor: "#5c5c5c"

    // The palette every page draws from
    readonly property color surfaceColor: "#2a2a2a"
    readonly property color deepColor: "#111214"
    readonly property color blackColor: "#000000"
    readonly property color whiteColor: "white"
    readonly property color rowAltColor: "#e2e4e8"
    readonly property color lineColor: "#cfd2d6"
    readonly property color subtleTextColor: "#5a5d63"
    readonly property color darkGreyColor: "#3c3b40"
    readonly property color midGreyColor: "#6b6f76"
    readonly property color primaryDarkColor: "#1f6f99"
    readonly property color selectionColor: "#d5e8f2"
    readonly property color hoverColor: "#eef1f4"
    readonly property color destructiveDarkColor: "#8a3b3b"
    readonly property color acceptColor: "#67aa43"
    readonly property color liveGreenColor: "#16c72c"
    readonly property color limeColor: "#8cea00"
    readonly property color paleGreenColor: "#8fd19a"
    readonly property color shadowGreenColor: "#41693f"
    readonly property color errorColor: "#e0302a"
    readonly property color errorDarkColor: "#c60000"
    readonly property color errorLightColor: "#ff8c90"
    readonly property color warningColor: "#ffe943"
    readonly property color amberColor: "#f2c94c"
    readonly property color orangeColor: "#ff9a00"
    readonly property color bronzeColor: "#b26b23"
    readonly property color khakiColor: "#b8a870"
    readonly property color transparentColor: "#002385b2"
    readonly property color clearColor: "transparent"

    // PDM live values: an output on or a light load, a heavier load, a fault or an overload, an
    // output off, an overcurrent.
    function liveColor(level) {
        switch (level) {
        case "high": return amberColor
        case "fault": return errorColor
        case "off": return placeholderColor
        case "overcurrent": return orangeColor
        default: return liveGreenColor
        }
    }

    function buttonColor(role) {
        switch (role) {
        case "secondary": return secondaryColor
        case "destructive": return destructiveColor
        case "confirm": return confirmColor
        case "stepper": return stepperColor
        default: return primaryColor
        }
    }
    function buttonTextColor(role) {
        return role === "secondary" ? secondaryTextColor : lightTextColor
    }
}
