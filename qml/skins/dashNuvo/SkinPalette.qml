pragma Singleton
import QtQuick

// The dash's own colours, as its screen draws them: the replica uses these and nothing else, so
// that it looks like the device, not like the client around it.
QtObject {
    // Text and lines
    readonly property color value: "white"
    readonly property color background: "black"
    readonly property color label: "#84868F"
    readonly property color gaugeName: "#868686"
    readonly property color frame: "#3C3B40"
    // Cells
    readonly property color cellFill: "#121316"
    readonly property color cellRed: "#e9454a"
    readonly property color warningRed: "#ff4747"
    readonly property color preWarningYellow: "#fff157"
    readonly property color peakYellow: "#ffe843"
    readonly property color barYellow: "#ffe943"
    readonly property color track: "#1b1c20"
    readonly property color tableBarEmpty: "#2a2f37"
    // Tachometers
    readonly property color tachGreen: "#6ec419"
    readonly property color tachEdge: "#2c2d33"
    readonly property color tachOutline: "#0a0a0a"
    readonly property color roundTachOutline: "#101010"
    readonly property color roundTachBand: "#5c5b60"
    readonly property color roundTachTicks: Qt.rgba(0x4a / 255, 0x49 / 255, 0x4e / 255, 0.7)
    readonly property color roundTachArrow: "#121313"
    readonly property color lampYellow: "#feca41"
    readonly property color lampRed: "#dd2c1c"
    // Circle gauge
    readonly property color dialDisc: "#000000"
    readonly property color dialRing: "#ddd"
    readonly property color dialTicks: "#505256"
    readonly property color needle: "#ff5a36"
    readonly property color needleCap: "#222"
    readonly property color barDisc: "#151515"
    readonly property color barRing: "#2a2b30"
    readonly property color gaugeYellow: "#fec939"
    // Drive train
    readonly property color driveOn: "#67B43F"
    readonly property color driveOff: "#3B3C41"
    readonly property color driveActive: "#EF7F1A"
    // Timing mode
    readonly property color gpsSpeed: "#FFE640"
    readonly property color runDone: "#94e001"
    readonly property color runPartial: "#ff9a00"
    readonly property color gForce: "#8cea00"
}
