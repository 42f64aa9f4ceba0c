import QtQuick
import ARDIX 1.0

// Mode 0: the tachometer strip, fuel gauge, throttle bar, a circle gauge in the middle, the speed on
// the right, the gear in the corner and the bottom row.
SkinPage {
    id: page
    mode: 0
    readonly property var throttle: kernel ? kernel.getSensor(ArdixEnums.ThrottleLevel_index) : null

    LinearTachometer {
        objectName: "tachometer"
        x: 57 * page.s; y: 112 * page.s
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode
    }
    CornerCell {
        objectName: "cell9"
        x: 30 * page.s; y: 100 * page.s
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: 9
    }
    FuelGauge {
        objectName: "cell7"
        x: 56 * page.s; y: 242 * page.s
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: 7
    }
    Item { // throttle bar; a click asks the dash for all its data
        objectName: "throttleBar"
        x: 784 * page.s; y: 242 * page.s
        width: 442 * page.s; height: 70 * page.s
        Text {
            text: page.throttle ? page.throttle.shortSensorName.toUpperCase() : ""
            color: AppStyle.placeholderColor
            font.pixelSize: 22 * page.s
        }
        Rectangle {
            y: 32 * page.s
            width: parent.width; height: 22 * page.s; radius: 4 * page.s
            color: AppStyle.surfaceColor
            Rectangle {
                width: parent.width * Math.min(100, page.throttle ? page.throttle.maxPossibleValue : 0) / 100
                height: parent.height; radius: parent.radius
                color: AppStyle.warningColor
            }
        }
        MouseArea {
            anchors.fill: parent
            onClicked: if (page.kernel) page.kernel.sendToArdixQueue(ArdixEnums.FlashData, ArdixEnums.AllData, 0)
        }
    }
    Text { // trip counter
        objectName: "tripLabel"
        x: 884 * page.s; y: 320 * page.s
        text: (page.isRu ? "одометр " : "trip ").toUpperCase()
              + (DevSettings.dash && DevSettings.dash.commonSettings ? DevSettings.dash.commonSettings.tripA : 0)
        color: AppStyle.placeholderColor
        font.pixelSize: 24 * page.s
        MouseArea {
            anchors.fill: parent
            anchors.margins: -10 * page.s
            onClicked: if (page.window) page.window.showTripConfigDialog()
        }
    }
    DccdLamp { x: 372 * page.s; y: 362 * page.s; s: page.s }
    Rectangle { // ECU map
        x: 372 * page.s; y: 300 * page.s
        width: 85 * page.s; height: 48 * page.s
        radius: 6 * page.s
        color: AppStyle.clearColor
        border.color: AppStyle.darkGreyColor
        border.width: 2 * page.s
        Text {
            anchors.centerIn: parent
            text: (page.isRu ? "Карта" : "Map") + " 1"
            color: AppStyle.placeholderColor
            font.pixelSize: 20 * page.s
        }
    }
    WarningButtonRedRect {
        objectName: "cell6"
        x: 100 * page.s; y: 450 * page.s
        width: 300 * page.s; height: 138 * page.s
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: 6
        textScale: 0.85
        availableStdSensors: allStdBut([])
        availableCustomSensors: []
    }
    NuvoCircleGauge {
        objectName: "cell8"
        x: (1280 - 360) / 2 * page.s; y: 235 * page.s
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: 8
        availableStdSensors: allStdBut([])
        availableCustomSensors: []
        isCircuitSensorsAvailable: false
    }
    SpeedPlace {
        objectName: "cell10"
        x: 883 * page.s; y: 348 * page.s
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: 10
    }
    BottomRow {
        y: 593 * page.s
        s: page.s; kernel: page.kernel; window: page.window; mode: page.mode; count: page.cellsCount
    }
}
