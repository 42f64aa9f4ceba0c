import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/dialogs"
import "qrc:/ARDIX/qml/dialogs/logs/LogTimeEstimate.js" as Estimate
import "qrc:/ARDIX/qml/dialogs/logs/WifiRules.js" as WifiRules
import "qrc:/ARDIX/qml/dialogs/logs/LapTexts.js" as LapTexts

// The log settings dialog over a real settings tree, its record-time estimate, and the rules of
// the WiFi page and the laps window.
Item {
    id: top
    width: 900
    height: 562

    ArdixKernel { id: realKernel }
    QtObject {
        id: stubKernel
        property int applied: 0
        signal newConfigDownloadedFromArdix()
        function applyNewArdixSettings() { applied += 1 }
    }
    Component {
        id: dialogComponent
        LogsSettingsDialog { kernel: stubKernel; window: null }
    }

    TestCase {
        name: "LogsSettings"
        when: windowShown

        function init() {
            DevSettings.dash = realKernel.currentArdixSettings
            realKernel.currentArdixSettings.reloadFromStruct()
            stubKernel.applied = 0
        }

        // A stored lap gain/loss trigger shows as such and can be chosen again.
        function test_gainLossTrigger() {
            const logs = realKernel.currentArdixSettings.commonSettings.logsSettings
            logs.logTrigger1SourceId = ArdixEnums.Module_GPS_GainLoss
            const dialog = createTemporaryObject(dialogComponent, top)
            const combo = findChild(dialog, "trigger1SourceCombo")
            verify(combo)
            compare(combo.currentText, "GPS: отставание/опережение круга")
        }

        function test_estimate_data() {
            return [
                { tag: "nothing logged", std: 0, custom: 0, modules: 0, rate: 10, size: 2, files: 3, perFile: "00:00:00", total: "00:00:00" },
                { tag: "two sensors and GPS", std: 6, custom: 0, modules: 4, rate: 10, size: 2, files: 3, perFile: "00:37:59", total: "01:53:58" },
                { tag: "with the PDM record", std: 6, custom: 0, modules: 12, rate: 50, size: 24, files: 20, perFile: "00:19:35", total: "06:31:59" },
                { tag: "sensor bit 31", std: 0x80000000, custom: 0, modules: 0, rate: 10, size: 1, files: 2, perFile: "02:54:45", total: "05:49:31" },
                { tag: "custom sensors, hours past a day", std: 0, custom: 3, modules: 0, rate: 25, size: 4, files: 5, perFile: "03:53:01", total: "19:25:05" }
            ]
        }
        function test_estimate(d) {
            const e = Estimate.estimate(d.std, d.custom, d.modules, d.rate, d.size, d.files)
            compare(e.perFile, d.perFile)
            compare(e.total, d.total)
            compare(Estimate.estimateText(e), "± вместимость файла  " + d.perFile + "  общая  " + d.total)
        }

        function test_wifiRules() {
            for (const [pass, ok] of [["1234567", false], ["12345678", true], ["Секрет_123", true],
                                      ["12345678901", false], ["1234 5678", false], ["", false]])
                compare(WifiRules.isValidPassword(pass), ok, pass)
            for (const [name, ok] of [["", false], ["   ", false], [" a ", true], ["12345678901234", true],
                                      ["123456789012345", false]])
                compare(WifiRules.isValidName(name), ok, name)
            compare(WifiRules.parseDeviceData("Ardix_1:12345678"), { ssid: "Ardix_1", pass: "12345678" })
            compare(WifiRules.parseDeviceData("<div>a:b</div>"), null)
            compare(WifiRules.parseDeviceData("no colon"), null)
            compare(WifiRules.form(" Pit ", "12345678"), { wifi_ap_psw: "12345678", wifi_ap_ssid: "Pit", wifi_newcfg: "0x2ffff" })
            compare(WifiRules.resultText(0), "Ошибка (0)")
            compare(WifiRules.urlHost("::1"), "[::1]")
        }

        function test_lapTexts() {
            compare(LapTexts.lapDiffText(83456, 83456), "Лучший круг")
            compare(LapTexts.lapDiffText(84000, 83456), "+0.544")
            compare(LapTexts.startLineText(55.5, 37.25, 93.6349), "Lat: 55.5000000\nLon: 37.2500000\nCourse: 93.63")
            const r = { logRate: 25, version: 1, lapsCount: 3, bestLapMsec: 80000, bestLapString: "1:20.000",
                        lapsList: [{ isLapValid: true, lapTimeMsecs: 80000, finishTime: "12:00:00", finishDate: "01 Jun 24" },
                                   { isLapValid: false, lapTimeMsecs: 0 },
                                   { isLapValid: true, lapTimeMsecs: 80000, finishTime: "12:05:00", finishDate: "01 Jun 24" }] }
            compare(LapTexts.headerText(r), "Частота: 25Гц\nВерсия: 1\nКол-во кругов: 3")
            compare(LapTexts.bestLapIndex(r), 2) // the last of equal times
            compare(LapTexts.bestLapText(r), "1:20.000\n\nВремя финиша\n12:00:00\n01 Jun 24")
            compare(LapTexts.exportFormats(false).map(f => f.text),
                    ["формат CSV (Epifan, EcuEdit, ...)", "формат CSV + сжатие gzip", "формат elog(Ardix)", "формат LD(I2)"])
            compare(LapTexts.exportFormats(true).length, 3)
        }

        function test_cancelPutsTheSettingsBack() {
            const logs = DevSettings.dash.commonSettings.logsSettings
            const modules = logs.modules
            const dialog = createTemporaryObject(dialogComponent, top)
            verify(dialog)
            const gps = findChild(dialog, "logGps")
            verify(gps)
            const before = findChild(dialog, "estimateText").text
            gps.forceActiveFocus() // below the fold of the test window: the keyboard reaches it
            keyClick(Qt.Key_Space)
            compare((logs.modules >> 2) & 1, ((modules >> 2) & 1) ^ 1)
            verify(DevSettings.dash.commonSettingsHasChanges)
            verify(findChild(dialog, "estimateText").text !== before)
            dialog.cancelButton.clicked()
            compare(logs.modules, modules)
            verify(!DevSettings.dash.commonSettingsHasChanges)
            compare(stubKernel.applied, 0)
        }

        function test_saveWritesTheShownRateAndApplies() {
            const logs = DevSettings.dash.commonSettings.logsSettings
            logs.rateHz = 30 // stored by an older firmware; not offered any more
            logs.stdSensors = 0
            logs.customSensors = 0
            logs.modules = 0
            const dialog = createTemporaryObject(dialogComponent, top)
            compare(findChild(dialog, "rateCombo").currentText, "10 Гц")
            compare(findChild(dialog, "estimateText").text, "± вместимость файла  00:00:00  общая  00:00:00")
            dialog.saveButton.clicked()
            compare(logs.rateHz, 10)
            verify(DevSettings.dash.commonSettingsHasChanges)
            compare(stubKernel.applied, 1)
        }
    }
}
