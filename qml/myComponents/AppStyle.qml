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
    readonly property color lightTextColor: "white"
    readonly property color placeholderColor: "#8a9097"
    readonly property color disabledTextColor: "#9a9da3"

    // Fields: the same three states on every number, text and spin box
    readonly property color fieldColor: "white"
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
