import QtQuick
import ARDIX 1.0

// Mode 1: the round tachometer with speed in its centre, three cells around it, a bar gauge in the
// upper left and the bottom row.
SkinPage {
    id: page
    mode: 1
    readonly property var roundCellSensors: [ArdixEnums.Gear_index, ArdixEnums.FuelLevel_index]

    RoundTachometer {
        objectName: "tachometer"
        x: 270 * page.s; y: 140 * page.s
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode
    }
    CentreValue {
        objectName: "cell10"
        x: (640 - 210) * page.s; y: 300 * page.s
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: 10
    }
    NuvoCircleGauge {
        objectName: "cell9"
        // Between the lamps (the top row ends at 80, the left column at 104) and the rev ring, so
        // that it covers neither.
        x: 112 * page.s; y: 86 * page.s
        width: 236 * page.s
        barForm: true
        s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: 9
        availableStdSensors: allStdBut([ArdixEnums.AWD_Indicator_index, ArdixEnums.Gear_index,
                                        ArdixEnums.GSensorX_index, ArdixEnums.GSensorY_index])
        availableCustomSensors: []
    }
    Repeater {
        model: [[1040, 150, 6], [1040, 365, 7], [22, 365, 8]]
        WarningButtonRedRect {
            objectName: "cell" + modelData[2]
            x: modelData[0] * page.s; y: modelData[1] * page.s
            width: 218 * page.s; height: 164 * page.s
            textScale: 0.92
            s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: modelData[2]
            availableStdSensors: allStdBut([])
            availableCustomSensors: []
            gearLetter: modelData[2] !== 6
            fuelTank: true
        }
    }
    BottomRow {
        y: 593 * page.s
        s: page.s; kernel: page.kernel; window: page.window; mode: page.mode; count: page.cellsCount
    }
}
