import QtQuick
import ARDIX 1.0

// What the main screen shows until the kernel has chosen the device's screen.
Rectangle {
    color: AppStyle.blackColor
    Image {
        anchors.centerIn: parent
        width: parent.width / 4
        fillMode: Image.PreserveAspectFit
        source: "qrc:/images/splash_desktop.png"
    }
}
