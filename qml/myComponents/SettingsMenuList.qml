import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// The scrolling list of a settings menu. Its rows are built by `rowsComponent`; rebuild() makes
// them again from the settings (after a download or a reset). Keyboard focus scrolls into view.
Flickable {
    id: root
    property Component rowsComponent
    readonly property Item rows: loader.item

    function rebuild() {
        loader.active = false
        loader.active = true
    }

    contentWidth: width
    contentHeight: loader.height
    clip: true
    boundsBehavior: Flickable.StopAtBounds
    ScrollBar.vertical: ScrollBar { policy: root.contentHeight > root.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }

    Loader {
        id: loader
        width: root.width
        sourceComponent: root.rowsComponent
    }

    Connections {
        target: root.Window.window
        function onActiveFocusItemChanged() {
            const item = root.Window.activeFocusItem
            if (!item || !loader.item)
                return
            let p = item.parent
            while (p && p !== loader.item)
                p = p.parent
            if (!p)
                return
            const pos = item.mapToItem(loader.item, 0, 0)
            if (pos.y < root.contentY)
                root.contentY = pos.y
            else if (pos.y + item.height > root.contentY + root.height)
                root.contentY = Math.min(pos.y + item.height - root.height, root.contentHeight - root.height)
        }
    }
}
