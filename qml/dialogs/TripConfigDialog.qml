import QtQuick
import ARDIX 1.0
import "../myComponents"

// The two trip counters of the dash. The device reports its odometer; a trip shows the distance
// since the odometer reading stored when it was last reset.
BasicDialog {
    id: root
    objectName: "tripConfigDialog"
    title: qsTr("Одометр")
    backgroundItemWidth: 760 * ps
    backgroundItemHeight: 480 * ps

    readonly property var dash: DevSettings.dash
    readonly property var common: dash ? dash.commonSettings : null
    readonly property real ps: AppStyle.pixelScale
    readonly property var timer: window && window.tripRequestTimer !== undefined ? window.tripRequestTimer : null
    readonly property int firstRequestMs: 1000
    readonly property int repeatRequestMs: 1500
    property bool odometerKnown: false
    property real odometer: 0 // 0.1 km

    // Config byte of the mode on screen, in the current skin's settings.
    readonly property int modeConfigIndex: ArdixEnums.Mode_0_Config + (kernel ? kernel.curSkinMode : 0)
    readonly property int modeConfig: {
        if (!common)
            return 0
        const skins = common.skinsSettings
        const skin = skins && common.currSkin < skins.length ? skins[common.currSkin] : null
        return skin && modeConfigIndex < skin.length ? skin[modeConfigIndex] : 0
    }
    readonly property bool tripShown: (modeConfig >> ArdixEnums.ModeConfig_IsTripOn) & 1

    function tripKm(resetAt) {
        if (!odometerKnown)
            return "---"
        return (Math.max(0, odometer - resetAt) / 10).toFixed(1)
    }
    function requestTrip(interval) {
        if (!timer)
            return
        timer.interval = interval
        timer.restart()
    }
    function resetTrip(name) {
        if (!odometerKnown || !common)
            return
        common[name] = odometer
        dash.commonSettingsHasChanges = true
        if (kernel)
            kernel.applyNewArdixSettings()
    }

    Component.onCompleted: requestTrip(firstRequestMs)
    Component.onDestruction: if (timer) timer.stop()

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onTripValueRecieved(trip) {
            root.odometer = trip
            root.odometerKnown = true
            root.requestTrip(root.repeatRequestMs)
        }
    }

    component TripRow: Row {
        id: tripRow
        property string label: ""
        property string field: ""
        spacing: 16 * root.ps
        Text {
            width: 220 * root.ps
            anchors.verticalCenter: parent.verticalCenter
            text: tripRow.label
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicTitleSize
        }
        Text {
            objectName: tripRow.objectName + "Value"
            width: 200 * root.ps
            anchors.verticalCenter: parent.verticalCenter
            text: root.tripKm(root.common ? root.common[tripRow.field] : 0) + qsTr(" км")
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicTitleSize
        }
        FlatButton {
            objectName: tripRow.objectName + "Reset"
            width: 200 * root.ps
            height: AppStyle.comboHeight
            enabled: root.odometerKnown
            text: qsTr("Сбросить")
            onClicked: root.resetTrip(tripRow.field)
        }
    }

    Text {
        objectName: "titleText"
        anchors.horizontalCenter: parent.horizontalCenter
        y: 24 * root.ps
        text: root.title.toUpperCase()
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize
    }

    Column {
        anchors.centerIn: parent
        spacing: 20 * root.ps
        TripRow { objectName: "tripA"; label: qsTr("Одометр А"); field: "tripA" }
        TripRow { objectName: "tripB"; label: qsTr("Одометр B"); field: "tripB" }
        CheckBoxNuvo {
            objectName: "showTrip"
            text: qsTr("показывать одометр")
            checked: root.tripShown
            onToggled: {
                if (!root.kernel)
                    return
                const bit = 1 << ArdixEnums.ModeConfig_IsTripOn
                root.kernel.saveNewSkinSettings(root.modeConfigIndex, checked ? (root.modeConfig | bit) : (root.modeConfig & ~bit))
                checked = Qt.binding(() => root.tripShown)
            }
        }
    }
}
