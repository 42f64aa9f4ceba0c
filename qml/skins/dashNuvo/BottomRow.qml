import QtQuick
import ARDIX 1.0

// Cells 0 to 5 across the bottom of modes 0 and 1, spread by the dash's own formula; cells past
// the mode's count fade out and stop taking clicks.
Item {
    id: row
    property var kernel: null
    property var window: null
    property int mode: 0
    property int count: 0
    property real s: 1
    readonly property var layout: SkinGeometry.bottomRow(width, s, count)
    width: 1280 * s
    height: 179 * s

    Repeater {
        model: 6
        WarningButtonRedRect {
            objectName: "rowCell" + index
            kernel: row.kernel
            window: row.window
            skinMode: row.mode
            skinPos: index
            s: row.s
            transformOrigin: Item.TopLeft
            scale: row.layout.scale
            x: row.layout.start + index * row.layout.step
            opacity: index < row.count ? 1 : 0
            enabled: index < row.count
            Behavior on x { NumberAnimation { duration: 300 } }
            Behavior on scale { NumberAnimation { duration: 300 } }
            Behavior on opacity { NumberAnimation { duration: 300 } }
        }
    }
}
