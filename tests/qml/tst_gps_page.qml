import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml"
import "qrc:/ARDIX/qml/dialogs"

// The GPS module page over a real kernel's settings, with a stand-in kernel for the link: what
// each editor writes, which commands go out (and that none go out offline), the reference lap
// group, and the hint the dash menu shows when the module is switched on.
Item {
    id: top
    // Tall enough for the whole page, so that clicks land without scrolling.
    width: 1280
    height: 1300

    ArdixKernel { id: realKernel }

    QtObject {
        id: link
        property int ardixStatus: MyDefines.ardixOffline
        property var sent: []
        property var refLapInfo: ({ isLapExist: false })
        property int startLineFromLapCalls: 0
        signal refLapDataRecieved()
        signal accelerometerCalibrationDataRecieved()
        function sendToArdixQueue(action, command, parameter) { sent.push(command) }
        function getRefLapInfo() { return refLapInfo }
        function applyStartLineFromRefLap() { startLineFromLapCalls++ }
        function applyNewArdixSettings() {}
    }

    Item {
        id: stubWindow
        anchors.fill: parent
        readonly property Item contentItem: stubWindow
        property bool isPdmSettingsOnScreen: false
        property bool isMobile: false
        property var dialogs: []
        property var fileDialogs: []
        function createDialog(props, handlers) {
            dialogs.push({ props: props, handlers: handlers })
            return {}
        }
        function showFileDialog(devId, fileType, isImport, fileName) {
            fileDialogs.push({ devId: devId, fileType: fileType, isImport: isImport, fileName: fileName })
        }
        function lastText() { return dialogs.length ? dialogs[dialogs.length - 1].props.dialogText : "" }
    }

    Component { id: pageComponent; GpsModuleSettings { window: stubWindow; kernel: link } }
    Component { id: settingsComponent; Settings { objectName: "settings"; window: stubWindow; kernel: realKernel } }

    TestCase {
        id: tc
        name: "GpsPage"
        when: windowShown

        readonly property var dash: realKernel.currentArdixSettings
        readonly property var gps: dash.commonSettings.gpsAccelerationMeasureSettings

        function initTestCase() {
            DevSettings.dash = realKernel.currentArdixSettings
        }

        function init() {
            stubWindow.dialogs = []
            stubWindow.fileDialogs = []
            link.sent = []
            link.ardixStatus = MyDefines.ardixOffline
            link.refLapInfo = { isLapExist: false }
            link.startLineFromLapCalls = 0
            dash.reloadFromStruct()
            dash.hasChanges = false
            dash.commonSettingsHasChanges = false
        }

        function openPage() {
            const p = createTemporaryObject(pageComponent, stubWindow)
            tryCompare(p, "opacity", 1)
            return p
        }

        function item(page, name) {
            const found = findChild(page, name)
            verify(found !== null, name)
            return found
        }

        function press(target) {
            verify(target.mapToItem(top, 0, target.height).y < top.height, "in view")
            mouseClick(target)
        }

        // The menu scrolls a focused row into view only in an active window; here it is scrolled
        // by hand.
        function scrollIntoView(target) {
            let list = target.parent
            while (list && list.contentY === undefined)
                list = list.parent
            const shift = target.mapToItem(top, 0, 0).y - list.mapToItem(top, 0, 0).y
            list.contentY = Math.max(0, Math.min(list.contentY + shift, list.contentHeight - list.height))
            waitForRendering(target)
            const p = target.mapToItem(top, 0, target.height / 2)
            verify(p.y > 0 && p.y < top.height, "in view")
        }

        function typeInto(field, text) {
            field.forceActiveFocus()
            field.selectAll()
            for (const c of text)
                keyClick(c)
            keyClick(Qt.Key_Return)
        }

        function test_configBitsFlipOneBit_data() {
            return [
                { tag: "roll-out", name: "rollOutCheck", bit: ArdixEnums.GpsModule_IsOneFootRollOut },
                { tag: "x inverted", name: "accXInvertedCheck", bit: ArdixEnums.GpsModule_IsAccXInverted },
                { tag: "z inverted", name: "accZInvertedCheck", bit: ArdixEnums.GpsModule_IsAccZInverted },
                { tag: "xy swapped", name: "accXYSwapedCheck", bit: ArdixEnums.GpsModule_IsAccXYSwaped }
            ]
        }
        function test_configBitsFlipOneBit(data) {
            gps.configBits = 0x0003 // module on, roll-out
            dash.commonSettingsHasChanges = false
            const page = openPage()
            const check = item(page, data.name)
            compare(check.checked, data.bit === ArdixEnums.GpsModule_IsOneFootRollOut)
            verify(!page.applyButtonRight.visible)
            press(check)
            compare(gps.configBits, 0x0003 ^ (1 << data.bit))
            verify(dash.commonSettingsHasChanges)
            verify(page.applyButtonRight.visible)
        }

        function test_rangeFieldsWriteTheirOwnValue_data() {
            return [
                { tag: "speed 3 from", row: "speedRange_2", field: "fromField", list: "userSpeedRanges", i: 2, j: 0, text: "60", value: 60 },
                { tag: "speed 1 to", row: "speedRange_0", field: "toField", list: "userSpeedRanges", i: 0, j: 1, text: "100", value: 100 },
                { tag: "distance 2 to", row: "distanceRange_1", field: "toField", list: "userDistanceRanges", i: 1, j: 1, text: "402", value: 402 },
                { tag: "speed too high", row: "speedRange_1", field: "toField", list: "userSpeedRanges", i: 1, j: 1, text: "501", value: -1 },
                { tag: "distance too long", row: "distanceRange_0", field: "fromField", list: "userDistanceRanges", i: 0, j: 0, text: "10001", value: -1 }
            ]
        }
        function test_rangeFieldsWriteTheirOwnValue(data) {
            const page = openPage()
            const before = Array.from(gps[data.list], p => Array.from(p))
            const field = item(item(page, data.row), data.field)
            typeInto(field, data.text)
            const after = Array.from(gps[data.list], p => Array.from(p))
            const expected = before.map(p => p.slice())
            if (data.value >= 0)
                expected[data.i][data.j] = data.value
            compare(after, expected)
            compare(dash.commonSettingsHasChanges, data.value >= 0)
            compare(field.textValid, data.value >= 0)
        }

        function test_invertedRangeIsFramed() {
            gps.userSpeedRanges = [[0, 100], [100, 200], [0, 0], [0, 0]]
            const page = openPage()
            const row = item(page, "speedRange_1")
            verify(!item(row, "fromField").isBad)
            typeInto(item(row, "fromField"), "250")
            compare(gps.userSpeedRanges[1][0], 250)
            verify(item(row, "fromField").isBad)
            verify(item(row, "toField").isBad)
            // An unused pair (0, 0) is not a fault.
            verify(!item(item(page, "speedRange_2"), "toField").isBad)
        }

        function test_startLineFields() {
            gps.startPointLat = 10
            gps.startPointLon = 20
            gps.startPointCourse = 30
            dash.commonSettingsHasChanges = false
            const page = openPage()
            const lat = item(page, "latField")
            const course = item(page, "courseField")
            compare(lat.text, "10.0000000")
            compare(course.text, "30.00")
            // Leaving a field as it is marks nothing.
            typeInto(lat, "10.0000000")
            verify(!dash.commonSettingsHasChanges)
            typeInto(lat, "55.7520575")
            compare(gps.startPointLat, Math.fround(55.7520575))
            verify(dash.commonSettingsHasChanges)
            // Too many decimals, or off the globe, is not taken.
            typeInto(item(page, "lonField"), "37.123456789")
            compare(gps.startPointLon, 20)
            typeInto(lat, "91")
            compare(gps.startPointLat, Math.fround(55.7520575))
            typeInto(course, "123.45")
            compare(gps.startPointCourse, Math.fround(123.45))
            // A calibration that lands while the page is open shows.
            gps.startPointCourse = 270.5
            compare(course.text, "270.50")
        }

        function test_deviceCommandsNeedAConnection_data() {
            return [
                { tag: "start line", button: "calibrateStartButton", command: ArdixEnums.StartLineCalibration },
                { tag: "accelerometer", button: "calibrateAccButton", command: ArdixEnums.AccelerometerCalibration },
                { tag: "reference lap", button: "refLapGetButton", command: ArdixEnums.GetRefLap }
            ]
        }
        function test_deviceCommandsNeedAConnection(data) {
            const page = openPage()
            press(item(page, data.button))
            compare(link.sent, [])
            compare(stubWindow.lastText(), "Нужно быть подключенным к Ardix")
            link.ardixStatus = MyDefines.ardixOnline
            stubWindow.dialogs = []
            press(item(page, data.button))
            compare(link.sent, [data.command])
            compare(stubWindow.dialogs.length, 0)
        }

        function test_eraseAsksFirstThenReadsTheDeviceAgain() {
            const page = openPage()
            press(item(page, "refLapEraseButton"))
            compare(stubWindow.lastText(), "Нужно быть подключенным к Ardix")
            link.ardixStatus = MyDefines.ardixOnline
            stubWindow.dialogs = []
            press(item(page, "refLapEraseButton"))
            compare(link.sent, [])
            compare(stubWindow.dialogs.length, 1)
            compare(stubWindow.lastText(), "Удалить лучший круг из памяти Ardix?")
            stubWindow.dialogs[0].handlers.accepted()
            compare(link.sent, [ArdixEnums.EraseRefLap, ArdixEnums.GetRefLap])
        }

        function test_refLapGroupFollowsTheLapKept() {
            const page = openPage()
            compare(item(page, "refLapTimeText").text, "Лучшего круга нет")
            verify(!item(page, "refLapExportButton").enabled)
            verify(!item(page, "refLapStartLineButton").visible)

            link.refLapInfo = { isLapExist: true, lapTimeString: "1:19.707", finishTime: "14:05", finishDate: "04.07.24",
                                startPointLat: 55.1, startPointLon: 37.2, startPointCourse: 90, isStartPointValid: false }
            link.refLapDataRecieved()
            compare(item(page, "refLapTimeText").text, "Время круга: 1:19.707")
            compare(item(page, "refLapFinishText").text, "Финиш: 04.07.24 14:05")
            compare(item(page, "refLapStartText").text, "Стартовая линия круга отличается от текущей")
            verify(item(page, "refLapExportButton").enabled)
            const take = item(page, "refLapStartLineButton")
            verify(take.visible)
            press(take)
            compare(link.startLineFromLapCalls, 1)

            // The match is asked again once the start line changes.
            link.refLapInfo = Object.assign({}, link.refLapInfo, { isStartPointValid: true })
            gps.startPointCourse = 90
            compare(item(page, "refLapStartText").text, "Стартовая линия круга совпадает с текущей")
            verify(!take.visible)
        }

        function test_fileButtons_data() {
            return [
                { tag: "start line in", button: "startImportButton", type: ArdixEnums.StartLine_FileType, isImport: true, name: "" },
                { tag: "start line out", button: "startExportButton", type: ArdixEnums.StartLine_FileType, isImport: false, name: "Ring 2" },
                { tag: "lap in", button: "refLapImportButton", type: ArdixEnums.RefLap_FileType, isImport: true, name: "" },
                { tag: "lap out", button: "refLapExportButton", type: ArdixEnums.RefLap_FileType, isImport: false, name: "refLap" }
            ]
        }
        function test_fileButtons(data) {
            link.refLapInfo = { isLapExist: true, lapTimeString: "1:00.000", finishTime: "", finishDate: "", isStartPointValid: true }
            const page = openPage()
            const name = item(page, "startNameField")
            typeInto(name, "Ring 2")
            compare(gps.startPointName, "Ring 2")
            press(item(page, data.button))
            compare(stubWindow.fileDialogs, [{ devId: ArdixEnums.Device_Ardix7, fileType: data.type,
                                               isImport: data.isImport, fileName: data.name }])
            // An emptied name is refused: it stays red and the stored one is kept.
            typeInto(name, " ")
            compare(gps.startPointName, "Ring 2")
            compare(name.textValid, false)
            verify(name.hasPendingInvalid)
        }

        // Switching the module on shows the hint with its three pictures; closing it opens the page.
        function test_menuHintLeadsToThePage() {
            const ids = [ArdixEnums.GPS_Speed_index, ArdixEnums.GSensorX_index, ArdixEnums.GSensorY_index]
            for (const id of ids)
                dash.sensors[id].inputDataSource = ArdixEnums.InputSourceNo
            AppSettings.lastDeviceIdSelected = ArdixEnums.Device_Ardix7
            const s = createTemporaryObject(settingsComponent, stubWindow)
            tryCompare(s, "busy", false)
            tryCompare(s.currentItem, "opacity", 1)
            waitForRendering(s)
            const check = findChild(s.currentItem, "gpsCheck")
            verify(!check.checked)
            const row = findChild(s.currentItem, "row_Settings_ModuleGPS")
            scrollIntoView(row)
            mouseClick(check)
            verify(check.checked)
            tryVerify(() => findChild(stubWindow, "gpsHintDialog") !== null)
            const hint = findChild(stubWindow, "gpsHintDialog")
            const pictures = findChild(hint, "hintPictures")
            tryCompare(pictures.children[0], "status", Image.Ready)
            const loaded = []
            for (let i = 0; i < pictures.children.length; ++i)
                if (pictures.children[i].status !== undefined)
                    loaded.push(pictures.children[i].status === Image.Ready)
            compare(loaded, [true, true, true])
            compare(s.depth, 1)
            tryCompare(hint, "opacity", 1)
            mouseClick(findChild(hint, "hintOkButton"))
            tryCompare(s, "depth", 2)
            compare(s.currentItem.objectName, "gpsModuleSettings")
            tryVerify(() => findChild(stubWindow, "gpsHintDialog") === null)

            // Already on, the row goes straight to the page.
            s.pop(null, StackView.Immediate)
            scrollIntoView(row)
            mouseClick(row, row.width / 2, row.height / 2)
            tryCompare(s, "depth", 2)
            compare(s.currentItem.objectName, "gpsModuleSettings")
            verify(findChild(stubWindow, "gpsHintDialog") === null)
        }
    }
}
