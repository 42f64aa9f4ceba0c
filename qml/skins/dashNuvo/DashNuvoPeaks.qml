import QtQuick
import ARDIX 1.0

// Mode 3: the highest values the dash keeps, rpm, throttle and speed across the top.
SkinPage {
    id: page
    mode: 3
    TableGrid {
        y: 120 * page.s
        width: parent.width
        height: parent.height - y
        peaks: true
        s: page.s; kernel: page.kernel; window: page.window; mode: page.mode; count: page.cellsCount
        headerCells: Row {
            Item { width: parent.parent.width * 2 / 5; height: parent.parent.height }
            Repeater {
                model: [ArdixEnums.EngineRpm_index, ArdixEnums.ThrottleLevel_index, ArdixEnums.Speed_index]
                NuvoPeaksTableCell {
                    width: parent.parent.width / 5
                    height: parent.parent.height
                    s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode
                    fixedSensor: modelData
                    isCanChangeSensID: false
                }
            }
        }
    }
}
