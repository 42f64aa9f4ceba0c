import QtQuick
import ARDIX 1.0

// The gear read from digital inputs: one input per gear position.
LampsConfigDialog {
    objectName: "gearDigitalInputsDialog"
    title: qsTr("Настройка передач")
    gearLamps: true
}
