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
        color: "#1A1A1A"
        font.pixelSize: AppStyle.basicFontSize
    }

    Caption { width: 170 * root.ps; text: root.label; elide: Text.ElideRight }
    Caption { width: 28 * root.ps; text: "от" }
    IntTextField {
        objectName: "fromField"
        width: 100 * root.ps
        intTo: root.maxValue
        isBad: root.inverted
        placeholderText: root.label + " от"
        // Typing takes the field off its binding: a reload must still show.
        readonly property int shown: root.pair[0]
        intValue: shown
        onShownChanged: intValue = shown
        onEditingFinished: if (parsed.valid) root.setValue(0, parsed.value)
    }
    Caption { text: "до" }
    IntTextField {
        objectName: "toField"
        width: 100 * root.ps
        intTo: root.maxValue
        isBad: root.inverted
        placeholderText: root.label + " до"
        readonly property int shown: root.pair[1]
        intValue: shown
        onShownChanged: intValue = shown
        onEditingFinished: if (parsed.valid) root.setValue(1, parsed.value)
    }
    Caption { text: root.units }
}
