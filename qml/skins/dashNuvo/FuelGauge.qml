import QtQuick
import ARDIX 1.0

// The main mode's fuel gauge: a segmented bar filled to the level, a pump picture, and a warning
// picture that blinks while the cell is warning.
BasicSensorItem {
    id: fuel
    width: 435 * s
    height: 232 * s
    fixedSensor: ArdixEnums.FuelLevel_index
    isCanChangeSensID: false
    readonly property real level: Math.max(0, Math.min(100, sensorValue))

    Image {
        id: pump
        x: 0; y: 70 * fuel.s
        width: 56 * fuel.s; height: width
        source: "qrc:/ARDIX/images/skins/dash_nuvo/main/fuel.svg"
        sourceSize: Qt.size(width, height)
    }
    Text {
        anchors { left: pump.right; leftMargin: 12 * fuel.s; verticalCenter: pump.verticalCenter }
        text: fuel.isRu ? "уровень\nтоплива" : "fuel\nlevel"
        color: AppStyle.placeholderColor
        font.pixelSize: 22 * fuel.s
        lineHeight: 0.9
    }
    Image {
        id: warningPicture
        x: 250 * fuel.s; y: 70 * fuel.s
        width: 56 * fuel.s; height: width
        source: "qrc:/ARDIX/images/icons/warning.svg"
        sourceSize: Qt.size(width, height)
        opacity: 0
        SequentialAnimation on opacity {
            running: fuel.warningActive
            loops: Animation.Infinite
            alwaysRunToEnd: true
            NumberAnimation { to: 1; duration: 500 }
            NumberAnimation { to: 0; duration: 300 }
        }
    }
    Item {
        id: bar
        x: 0; y: 150 * fuel.s
        width: 300 * fuel.s; height: 46 * fuel.s
        Rectangle { anchors.fill: parent; color: AppStyle.surfaceColor; radius: 6 * fuel.s }
        Rectangle {
            width: parent.width * fuel.level / 100
            height: parent.height
            radius: 6 * fuel.s
            color: fuel.level < 20 ? AppStyle.errorColor : AppStyle.warningColor
            Behavior on width { NumberAnimation { duration: 2000 } }
        }
        Repeater { // segment gaps
            model: 9
            Rectangle { x: (index + 1) * bar.width / 10 - width / 2; width: 4 * fuel.s; height: bar.height; color: AppStyle.blackColor }
        }
    }
    Text {
        anchors { right: bar.right; bottom: bar.top; bottomMargin: 4 * fuel.s }
        text: fuel.sensorValue + "%"
        color: AppStyle.whiteColor
        font.pixelSize: 34 * fuel.s
    }
}
