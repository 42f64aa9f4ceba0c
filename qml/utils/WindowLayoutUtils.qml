import QtQuick
import ARDIX 1.0

// Restores the window where it was (clamped to the screen it overlaps most), saves its position
// and height half a second after they change, and brings it to the front when a second start
// hands over a file.
Item {
    id: utils
    property var window
    property bool restored: false

    WindowLayoutHelper { id: helper }

    function restore() {
        if (!enabled || !window)
            return
        const screens = []
        let own = 0
        for (let i = 0; i < Qt.application.screens.length; ++i) {
            const s = Qt.application.screens[i]
            screens.push({ x: s.virtualX, y: s.virtualY, width: s.width, height: s.height })
            if (s.name === window.screen.name)
                own = i
        }
        const r = helper.restoredRect(window.width, AppSettings.app_x, AppSettings.app_y, AppSettings.app_height,
                                      screens, own)
        // A first start opens at the minimum height, centred: the height demonstration plays there.
        const firstStart = AppSettings.app_x === -1 || AppSettings.app_y === -1 || AppSettings.app_height === -1
        const height = firstStart ? window.minimumHeight : Math.max(window.minimumHeight, r.height)
        window.x = r.x
        window.y = firstStart ? r.y + Math.round((r.height - height) / 2) : r.y
        window.height = height
        restored = true
    }

    function save() {
        if (!restored || !window || !window.visible)
            return
        AppSettings.app_x = window.x
        AppSettings.app_y = window.y
        AppSettings.app_height = window.height
    }

    function raiseWindow() {
        if (!window)
            return
        if (window.visibility === Window.Minimized)
            window.showNormal()
        if (!window.active) {
            window.show()
            window.raise()
            window.requestActivate()
        }
    }

    Timer {
        id: saveTimer
        interval: 500
        onTriggered: utils.save()
    }

    Connections {
        target: utils.window
        enabled: utils.enabled
        function onHeightChanged() { saveTimer.restart() }
        function onXChanged() { saveTimer.restart() }
        function onYChanged() { saveTimer.restart() }
    }

    Component.onDestruction: save()
}
