import QtQuick
import ARDIX 1.0

// The PMX word mark, drawn with the interface font so that it stays sharp at any size.
Item {
    id: logo
    implicitHeight: subtitle.y + subtitle.height
    height: implicitHeight

    Text {
        id: word
        anchors.horizontalCenter: parent.horizontalCenter
        y: 0
        text: "PMX"
        color: AppStyle.whiteColor
        font.pixelSize: logo.width * 0.30
        font.letterSpacing: logo.width * 0.02
        font.bold: true
    }
    Rectangle {
        anchors { horizontalCenter: parent.horizontalCenter; top: word.bottom; topMargin: logo.width * 0.005 }
        width: word.width * 0.92
        height: Math.max(2, logo.width * 0.012)
        gradient: Gradient {
            orientation: Gradient.Horizontal
            GradientStop { position: 0.0; color: AppStyle.transparentColor }
            GradientStop { position: 0.5; color: AppStyle.primaryColor }
            GradientStop { position: 1.0; color: AppStyle.transparentColor }
        }
    }
    Text {
        id: subtitle
        anchors { horizontalCenter: parent.horizontalCenter; top: word.bottom; topMargin: logo.width * 0.03 }
        text: "POWER DISTRIBUTION MODULE"
        color: AppStyle.borderColor
        font.pixelSize: logo.width * 0.035
        font.letterSpacing: logo.width * 0.006
    }
}
