import QtQuick
import Qt5Compat.GraphicalEffects

// A sensor's picture recoloured for the dark screen (the files are drawn dark for light menus).
Item {
    id: icon
    property string source: ""
    property color color: "#84868F"
    visible: source.length > 0
    Image {
        id: picture
        anchors.fill: parent
        source: icon.source
        sourceSize: Qt.size(icon.width * 2, icon.height * 2)
        fillMode: Image.PreserveAspectFit
        visible: false
    }
    ColorOverlay {
        anchors.fill: parent
        source: picture
        color: icon.color
    }
}
