import QtQuick
import ARDIX 1.0
import "../../myComponents"

// One (from, to) pair of a nested list setting of the GPS record. The list is written back whole,
// as the settings object takes it. A pair whose start is not below its end is framed red.
Row {
    id: root
    property var gps: null
    property var dash: null
    property string listName: ""
    property int pairIndex: 0
    property string label: ""
    property string units: ""
    property int maxValue: 500
    readonly property real ps: AppStyle.pixelScale

    readonly property var pair: gps && listName !== "" && pairIndex < gps[listName].length ? gps[listName][pairIndex] : [0, 0]
    readonly property bool inverted: pair[1] !== 0 && pair[0] >= pair[1]

    function setValue(which, value) {
        if (!gps)
            return
        const all = Array.from(gps[listName], p => Array.from(p))
        if (all[pairIndex][which] === value)
            return
        all[pairIndex][which] = value
        gps[listName] = all
        if (dash)
            dash.commonSettingsHasChanges = true
    }

    spacing: 10 * ps

    component Caption: Text {
        anchors.verticalCenter: parent.verticalCenter
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
    }

    Caption { width: 170 * root.ps; text: root.label; elide: Text.ElideRight }
    Caption { width: 28 * root.ps; text: qsTr("от") }
    IntTextField {
        objectName: "fromField"
        width: 130 * root.ps
        intTo: root.maxValue
        isBad: root.inverted
        label: root.label + qsTr(" от")
        unit: root.units
        intValue: root.pair[0]
        onValueCommitted: (v) => root.setValue(0, v)
    }
    Caption { text: qsTr("до") }
    IntTextField {
        objectName: "toField"
        width: 130 * root.ps
        intTo: root.maxValue
        isBad: root.inverted
        label: root.label + qsTr(" до")
        unit: root.units
        intValue: root.pair[1]
        onValueCommitted: (v) => root.setValue(1, v)
    }
}
