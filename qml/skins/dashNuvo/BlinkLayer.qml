import QtQuick
import ARDIX 1.0

// The red pulse of a cell whose dialog is open: up in 500 ms, down in 300 ms, again while active.
Rectangle {
    id: blink
    property bool active: false
    property real peak: 1
    color: AppStyle.errorColor
    opacity: 0
    visible: active || opacity > 0
    SequentialAnimation on opacity {
        running: blink.active
        loops: Animation.Infinite
        alwaysRunToEnd: true
        NumberAnimation { to: blink.peak; duration: 500 }
        NumberAnimation { to: 0; duration: 300 }
    }
}
