import QtQuick
import ARDIX 1.0

// On the first three starts a window at its minimum height shows, by growing a little and back
// twice, that its height can change.
Item {
    id: demo
    property var window
    property real baseHeight: 0

    function startIfDue() {
        if (!enabled || !window || AppSettings.variableHeightDemoCnt >= 3 || window.height !== window.minimumHeight)
            return
        baseHeight = window.height
        delay.start()
    }

    Timer {
        id: delay
        interval: 800
        onTriggered: grow.start()
    }

    SequentialAnimation {
        id: grow
        loops: 2
        NumberAnimation { target: demo.window; property: "height"; to: demo.baseHeight + 30; duration: 300 }
        NumberAnimation { target: demo.window; property: "height"; to: demo.baseHeight; duration: 300 }
        onFinished: AppSettings.variableHeightDemoCnt += 1
    }
}
