import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The oil pressure warning tied to engine speed: the usual switches and one minimum pressure per
// 1000 rpm band up to the engine's maximum.
BasicDialog {
    id: dialog
    objectName: "oilPressureWarningDialog"
    title: qsTr("Настройка предупреждения по давлению масла\n с привязкой к оборотам двигателя")
    fullScreen: true
    showDialogButtons: true
    destroyOnOverlayClick: false
    readonly property var sensor: kernel ? kernel.getSensor(ArdixEnums.OilPressure_index) : null
    readonly property var rpm: kernel ? kernel.getSensor(ArdixEnums.EngineRpm_index) : null
    readonly property var common: DevSettings.dash ? DevSettings.dash.commonSettings : null
    readonly property int bandCount: {
        const bands = rpm ? Math.floor(rpm.maxPossibleValue / 1000) : 0
        const stored = common ? common.oilPressWarningLevels.length : 0
        return Math.min(bands, stored, window && window.isMobile && window.isNarrowScreen ? 15 : bands)
    }
    property var levels: []

    function load() {
        if (sensor)
            checks.load(sensor)
        levels = common ? Array.from(common.oilPressWarningLevels) : []
    }
    function save() {
        if (sensor && checks.save(sensor))
            DevSettings.dash.setSensorHasChanges(ArdixEnums.OilPressure_index)
        if (common) {
            const stored = common.oilPressWarningLevels
            let differs = false
            for (let i = 0; i < levels.length; ++i)
                if (stored[i] !== levels[i])
                    differs = true
            if (differs) {
                common.oilPressWarningLevels = levels
                DevSettings.dash.commonSettingsHasChanges = true
            }
        }
        if (DevSettings.dash && DevSettings.dash.hasChanges && StackView.view === null)
            kernel.applyNewArdixSettings()
        destroyBasicDialog()
    }
    onAccepted: save()
    Component.onCompleted: load()
    Component.onDestruction: if (window) window.warningDialogClosed()
    Connections {
        target: dialog.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() { dialog.destroyBasicDialog(true) }
    }

    Flickable {
        anchors.fill: parent
        anchors.margins: 30 * AppStyle.pixelScale
        contentHeight: content.height
        clip: true
        Column {
            id: content
            width: parent.width
            spacing: 20 * AppStyle.pixelScale
            WarningChecks {
                id: checks
                lampsText: qsTr("Предупреждать\nсветодиодными лампами")
                delayUnits: qsTr("сек")
            }
            Flow {
                width: parent.width
                spacing: 14 * AppStyle.pixelScale
                Repeater {
                    model: dialog.bandCount
                    Column {
                        spacing: 4 * AppStyle.pixelScale
                        Text {
                            id: bandTitle
                            text: (index === 0 ? qsTr("до 1000") : (index + 1) * 1000) + qsTr(" об/мин")
                            color: AppStyle.textColor
                            font.pixelSize: AppStyle.basicFontSize * 0.9
                        }
                        FloatTextField {
                            objectName: "oilLevel" + index
                            width: 150 * AppStyle.pixelScale
                            font.pixelSize: AppStyle.basicFontSize
                            label: qsTr("Давление масла %1").arg(bandTitle.text)
                            unit: dialog.sensor ? dialog.sensor.units : ""
                            floatFrom: 0; floatTo: 655.35; floatDec: 2
                            floatValue: dialog.levels[index] / 100
                            onValueCommitted: (v) => {
                                const next = Array.from(dialog.levels)
                                next[index] = Math.round(v * 100)
                                dialog.levels = next
                            }
                        }
                    }
                }
            }
        }
    }
}
