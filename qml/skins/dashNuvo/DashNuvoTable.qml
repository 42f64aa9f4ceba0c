import QtQuick
import ARDIX 1.0

// Mode 2: gear, rpm, throttle and speed across the top, then a table of sensors.
SkinPage {
    id: page
    mode: 2
    TableGrid {
        y: 120 * page.s
        width: parent.width
        height: parent.height - y
        s: page.s; kernel: page.kernel; window: page.window; mode: page.mode; count: page.cellsCount
        headerCells: Row {
            Repeater {
                model: [[ArdixEnums.Gear_index, 1], [ArdixEnums.EngineRpm_index, 2],
                        [ArdixEnums.ThrottleLevel_index, 1], [ArdixEnums.Speed_index, 1]]
                NuvoTableCell {
                    width: parent.parent.width * modelData[1] / 5
                    height: parent.parent.height
                    s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode
                    fixedSensor: modelData[0]
                    isCanChangeSensID: false
                    isValueLevelVisible: modelData[0] === ArdixEnums.EngineRpm_index
                                         || modelData[0] === ArdixEnums.ThrottleLevel_index
                    peakBox: modelData[0] === ArdixEnums.Speed_index
                    levelForAll: true
                }
            }
        }
    }
}
