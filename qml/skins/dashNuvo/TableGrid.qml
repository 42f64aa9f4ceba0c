import QtQuick
import ARDIX 1.0

// The grid of modes 2 and 3 under its header row: 90 % of the width, columns and rows by the cell
// count; a count it has no grid for keeps the last grid.
Item {
    id: table
    property var kernel: null
    property var window: null
    property int mode: 2
    property int count: 0
    property real s: 1
    property bool peaks: false
    property Component headerCells
    property var grid: ({ columns: 4, rows: 3, heightRatio: 0.55, fixedHeader: true })
    readonly property int shownCount: grid.columns * grid.rows
    readonly property real gridWidth: width * 0.9
    readonly property real cellWidth: gridWidth / grid.columns
    readonly property real cellHeight: cellWidth * grid.heightRatio
    readonly property real gridHeight: cellHeight * grid.rows
    readonly property real headerHeight: grid.fixedHeader ? 180 * s : cellHeight
    readonly property real headerTop: peaks && !grid.fixedHeader ? headerHeight * (grid.rows * grid.columns === 8 ? 0.1 : 0.2) : 0
    readonly property real gridTop: headerTop + headerHeight
                                    + (grid.fixedHeader ? 0.02 * gridHeight
                                                        : (height - headerTop - headerHeight - gridHeight) / 2)

    onCountChanged: {
        const g = SkinGeometry.tableGrid(count)
        if (g.columns !== undefined)
            grid = g
    }

    Loader {
        x: (table.width - table.gridWidth) / 2
        y: table.headerTop
        width: table.gridWidth
        height: table.headerHeight
        sourceComponent: table.headerCells
    }
    Repeater {
        model: table.grid.rows
        Rectangle {
            x: (table.width - table.gridWidth) / 2
            y: table.gridTop + index * table.cellHeight
            width: table.gridWidth
            height: 2 * table.s
            color: AppStyle.placeholderColor
            opacity: 0.4
        }
    }
    Repeater {
        model: table.shownCount
        Loader {
            x: (table.width - table.gridWidth) / 2 + (index % table.grid.columns) * table.cellWidth
            y: table.gridTop + Math.floor(index / table.grid.columns) * table.cellHeight + 2 * table.s
            width: table.cellWidth
            height: table.cellHeight - 4 * table.s
            sourceComponent: table.peaks ? peakCell : tableCell
            property int cellIndex: index
        }
    }
    Component {
        id: tableCell
        NuvoTableCell {
            objectName: "tableCell" + parent.cellIndex
            s: table.s; kernel: table.kernel; window: table.window; skinMode: table.mode; skinPos: parent.cellIndex
            availableStdSensors: allStdBut([ArdixEnums.AWD_Indicator_index])
        }
    }
    Component {
        id: peakCell
        NuvoPeaksTableCell {
            objectName: "tableCell" + parent.cellIndex
            s: table.s; kernel: table.kernel; window: table.window; skinMode: table.mode; skinPos: parent.cellIndex
        }
    }
}
