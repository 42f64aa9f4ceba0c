import QtQuick
import ARDIX 1.0
import "../../myComponents"

// How to fit the GPS module, shown once it is switched on: three pictures side by side. However
// it is closed, the menu goes on to the module's page (`hidden`).
BasicSimpleDialog {
    id: root
    objectName: "gpsHintDialog"
    property var pictures: []
    readonly property real ps: AppStyle.pixelScale

    // As large as the window allows while three square pictures, the title and the button fit.
    readonly property real pictureSize: Math.min((width * 0.94 - 4 * gap) / 3,
                                                 height * 0.9 - titleText.height - okButton.height - 4 * gap)
    readonly property real gap: 16 * ps
    contentWidth: 3 * pictureSize + 4 * gap
    contentHeight: titleText.height + pictureSize + okButton.height + 4 * gap

    Rectangle {
        anchors.fill: parent
        color: AppStyle.textColor
        radius: 6
        border.color: AppStyle.subtleTextColor
        border.width: 1
    }
    Text {
        id: titleText
        anchors.horizontalCenter: parent.horizontalCenter
        y: root.gap
        text: qsTr("Как установить модуль GPS")
        color: AppStyle.whiteColor
        font.pixelSize: AppStyle.basicTitleSize
        font.capitalization: Font.AllUppercase
    }
    Row {
        objectName: "hintPictures"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.top: titleText.bottom
        anchors.topMargin: root.gap
        spacing: root.gap
        Repeater {
            model: root.pictures
            Image {
                required property string modelData
                width: root.pictureSize
                height: root.pictureSize
                source: modelData
                sourceSize.width: 600
                sourceSize.height: 600
                fillMode: Image.PreserveAspectFit
                smooth: true
                mipmap: true
            }
        }
    }
    FlatButton {
        id: okButton
        objectName: "hintOkButton"
        anchors.horizontalCenter: parent.horizontalCenter
        anchors.bottom: parent.bottom
        anchors.bottomMargin: root.gap
        width: 260 * root.ps
        height: AppStyle.textInputHeight
        color: AppStyle.acceptColor
        text: qsTr("Понятно")
        onClicked: root.hideThisDialog()
    }
}
