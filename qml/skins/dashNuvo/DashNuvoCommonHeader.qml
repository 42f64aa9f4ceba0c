import QtQuick
import ARDIX 1.0

// The strip across the top of every mode: the warning lamps as the dash lays them out, the logo,
// and the settings icon that opens the mode's settings.
Item {
    id: header
    property real s: 1
    property int mode: 0
    property var window: null
    property bool settingsHidden: false
    readonly property bool isRound: mode === 1
    width: 1280 * s
    height: 120 * s

    readonly property string icons: "qrc:/ARDIX/images/icons/"
    readonly property string skinIcons: "qrc:/ARDIX/images/skins/dash_nuvo/main/"
    readonly property real lamp: 46 * s
    readonly property real pitch: 64 * s

    component Lamp: Image {
        property string picture: ""
        width: header.lamp
        height: header.lamp
        source: picture
        sourceSize: Qt.size(width, height)
        fillMode: Image.PreserveAspectFit
        opacity: 0.9
    }
    // The lamps that move between the round mode and the others glide there.
    component MovingLamp: Lamp {
        Behavior on x { NumberAnimation { duration: 300 } }
        Behavior on y { NumberAnimation { duration: 300 } }
    }

    // Left half, left to right; in the round mode three of them stand down the left edge.
    Lamp { x: 24 * header.s; y: 34 * header.s; picture: header.skinIcons + "povorotnik_l.svg" }
    Lamp { x: 24 * header.s + header.pitch; y: 34 * header.s; picture: header.icons + "abs.svg" }
    MovingLamp {
        x: header.isRound ? 52 * header.s : 24 * header.s + 2 * header.pitch
        y: header.isRound ? 115 * header.s : 34 * header.s
        picture: header.icons + "4WD_error.svg"
    }
    MovingLamp {
        x: header.isRound ? 58 * header.s : 24 * header.s + 3 * header.pitch
        y: header.isRound ? 170 * header.s : 34 * header.s
        picture: header.icons + "rocket.svg"
    }
    MovingLamp {
        x: header.isRound ? 58 * header.s : 24 * header.s + 4 * header.pitch
        y: header.isRound ? 250 * header.s : 34 * header.s
        picture: header.icons + "doors.svg"
    }
    MovingLamp {
        x: 24 * header.s + (header.isRound ? 2 : 5) * header.pitch
        y: 34 * header.s
        picture: header.icons + "brakes.svg"
    }

    // Right half, right to left.
    Repeater {
        model: [header.skinIcons + "povorotnik_p.svg", header.skinIcons + "check_engine.svg",
                header.icons + "oilPressure_red.svg", header.skinIcons + "fari_b.svg",
                header.skinIcons + "fari_d.svg", header.icons + "nos.svg"]
        Lamp {
            x: header.width - 24 * header.s - header.lamp - index * header.pitch
            y: 34 * header.s
            picture: modelData
        }
    }

    Text {
        id: logo
        anchors { horizontalCenter: parent.horizontalCenter; verticalCenter: parent.verticalCenter }
        text: "ARDIX"
        color: AppStyle.whiteColor
        font.pixelSize: 36.3 * header.s
        font.italic: true
        font.letterSpacing: 2 * header.s
    }
    // Where the settings icon sits, for the window's mask to put its own icon on top of it.
    readonly property rect settingsIconRect: Qt.rect(x + settingsIcon.x, y + settingsIcon.y, settingsIcon.width, settingsIcon.height)

    Image {
        id: settingsIcon
        objectName: "skinModeSettings"
        visible: !header.settingsHidden
        anchors { right: logo.left; rightMargin: 24 * header.s; verticalCenter: logo.verticalCenter }
        width: 59 * header.s
        height: width
        sourceSize: Qt.size(width, height)
        source: header.icons + "settings_yellow.svg"
        opacity: settingsArea.pressed ? 0.5 : 1
        Accessible.role: Accessible.Button
        Accessible.name: qsTr("Настройки режима")
        MouseArea {
            id: settingsArea
            anchors.fill: parent
            anchors.margins: -8 * header.s
            onClicked: if (header.window) header.window.modeMenuShow()
        }
    }
}
