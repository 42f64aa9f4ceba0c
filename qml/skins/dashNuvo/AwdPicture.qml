import QtQuick
import ARDIX 1.0
import QtQuick.Shapes

// The drive train as the dash draws it: four wheels, two axles, three differentials; the rear
// wheels driven.
Item {
    id: awd
    objectName: "driveTrain"
    property color onColor: AppStyle.acceptColor
    property color offColor: AppStyle.darkGreyColor
    property color activeColor: AppStyle.orangeColor
    readonly property real u: Math.min(width / 48, height / 64)
    Item {
        width: 48 * awd.u; height: 64 * awd.u
        anchors.centerIn: parent
        Repeater {
            model: [[2, 4, 0], [38, 4, 0], [2, 44, 1], [38, 44, 1]]
            Rectangle {
                x: modelData[0] * awd.u; y: modelData[1] * awd.u
                width: 8 * awd.u; height: 16 * awd.u; radius: 2 * awd.u
                color: modelData[2] ? awd.onColor : awd.offColor
            }
        }
        Rectangle { x: 10 * awd.u; y: 10.5 * awd.u; width: 28 * awd.u; height: 3 * awd.u; color: awd.offColor }
        Rectangle { x: 10 * awd.u; y: 50.5 * awd.u; width: 28 * awd.u; height: 3 * awd.u; color: awd.onColor }
        Rectangle { x: 22.5 * awd.u; y: 12 * awd.u; width: 3 * awd.u; height: 40 * awd.u; color: awd.onColor }
        Repeater {
            model: [[12, awd.offColor], [32, awd.activeColor], [52, awd.onColor]]
            Rectangle {
                x: 19 * awd.u; y: (modelData[0] - 5) * awd.u
                width: 10 * awd.u; height: width; radius: width / 2
                color: modelData[1]
            }
        }
    }
}
