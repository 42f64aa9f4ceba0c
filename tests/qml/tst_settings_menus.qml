import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml"

// The settings stack and its two menus over a real kernel's settings objects (the kernel dials
// only the loopback address of the test environment, where nothing answers).
Item {
    id: top
    width: 900
    height: 562

    ArdixKernel { id: realKernel }

    Item {
        id: stubWindow
        anchors.fill: parent
        readonly property Item contentItem: stubWindow
        property bool isSyncDialogOn: false
        property bool isBusyOnScreen: false
        property bool isPdmSettingsOnScreen: false
        property bool isMobile: false
        property var dialogs: []
        property var fileDialogs: []
        function createDialog(props, handlers) {
            dialogs.push({ props: props, handlers: handlers })
            return {}
        }
        function showFileDialog(devId, fileType, isImport, fileName) {
            fileDialogs.push([devId, fileType, isImport, fileName])
        }
        function getPdmFunctionDescription(id) { return "функция " + id }
        function lastDialog() { return dialogs[dialogs.length - 1] }
        function accept(d) {
            if (typeof d.handlers === "function")
                d.handlers()
            else
                d.handlers.accepted()
        }
    }

    Component {
        id: settingsComponent
        Settings { objectName: "settings"; window: stubWindow; kernel: realKernel }
    }
    SignalSpy { id: passwordSpy; target: realKernel; signalName: "showPdmSettingsPasswordDialog" }
    SignalSpy { id: syncSpy; target: realKernel; signalName: "showSyncDiaglog" }
    SignalSpy { id: downloadedSpy; target: realKernel; signalName: "newConfigDownloadedFromArdix" }

    TestCase {
        id: tc
        name: "SettingsMenus"
        when: windowShown

        readonly property var dash: realKernel.currentArdixSettings
        readonly property var pdm: realKernel.currentPdmSettings

        function initTestCase() {
            DevSettings.dash = realKernel.currentArdixSettings
            DevSettings.pdm = realKernel.currentPdmSettings
        }

        function init() {
            stubWindow.dialogs = []
            stubWindow.fileDialogs = []
            dash.reloadFromStruct()
            pdm.reloadFromStruct()
            verify(!dash.hasChanges)
            verify(!pdm.hasChanges)
        }

        function openSettings(deviceId) {
            AppSettings.lastDeviceIdSelected = deviceId
            const s = createTemporaryObject(settingsComponent, stubWindow)
            tryCompare(s, "busy", false)
            tryCompare(s.currentItem, "opacity", 1)
            waitForRendering(s)
            return s
        }

        // Tab focus scrolls a row into view; then the mouse clicks it like a user would.
        function clickRow(row) {
            row.forceActiveFocus()
            waitForRendering(row)
            const p = row.mapToItem(top, row.width / 2, row.height / 2)
            verify(p.y > 0 && p.y < top.height, row.title + " in view")
            mouseClick(top, row.width / 2 + 1, p.y)
        }

        function closed() {
            return findChild(stubWindow, "settings") === null
        }

        // A real user's path to a combo entry: focus it and step with the arrow keys.
        function chooseWithKeys(combo, index) {
            combo.forceActiveFocus()
            verify(combo.activeFocus)
            for (let i = 0; i < combo.count && combo.currentIndex < index; ++i)
                keyClick(Qt.Key_Down)
            for (let i = 0; i < combo.count && combo.currentIndex > index; ++i)
                keyClick(Qt.Key_Up)
            compare(combo.currentIndex, index)
        }

        function test_canSpeedComboWritesTheCommonSettings_data() {
            return [
                { tag: "disabled", index: 0, baud: ArdixEnums.CanbusBaud_Disable },
                { tag: "125 kbps", index: 1, baud: ArdixEnums.CanbusBaud_125kbps },
                { tag: "500 kbps", index: 3, baud: ArdixEnums.CanbusBaud_500kbps }
            ]
        }
        function test_canSpeedComboWritesTheCommonSettings(data) {
            const s = openSettings(ArdixEnums.Device_Ardix7)
            const menu = s.currentItem
            const combo = findChild(menu, "canSpeedCombo")
            compare(combo.currentIndex, dash.commonSettings.can1BaudId + 1)
            compare(combo.count, 5)
            verify(!menu.applyButtonRight.visible)
            chooseWithKeys(combo, data.index)
            compare(dash.commonSettings.can1BaudId, data.baud)
            verify(dash.commonSettingsHasChanges)
            verify(dash.hasChanges)
            verify(menu.applyButtonRight.visible)
            // The header's apply sends the change away and lowers the flags.
            mouseClick(menu.applyButtonRight)
            tryVerify(() => !dash.hasChanges, 2000)
            compare(dash.commonSettings.can1BaudId, data.baud)
        }

        function test_backWithChangesAsks_data() {
            return [{ tag: "Нет, Удалить", accept: false }, { tag: "Применить", accept: true }]
        }
        function test_backWithChangesAsks(data) {
            const s = openSettings(ArdixEnums.Device_Ardix7)
            const menu = s.currentItem
            const before = dash.commonSettings.can1BaudId
            const wanted = before === ArdixEnums.CanbusBaud_250kbps ? 3 : 2
            chooseWithKeys(findChild(menu, "canSpeedCombo"), wanted)
            verify(dash.hasChanges)
            mouseClick(menu.backButton)
            compare(stubWindow.dialogs.length, 1)
            const question = stubWindow.lastDialog()
            compare(question.props.dialogTitle, "Внимание")
            compare(question.props.dialogText, "Применить изменения?")
            compare(question.props.acceptBtnText, "Применить")
            compare(question.props.cancelBtnText, "Нет, Удалить")
            compare(question.props.cancelBtnColor, "#975a5a")
            verify(question.props.isExitBtnVisible)
            verify(!closed())
            if (data.accept)
                question.handlers.accepted()
            else
                question.handlers.canceled()
            // Either way the changes are gone from the flags; only applying keeps the value.
            verify(!dash.hasChanges)
            compare(dash.commonSettings.can1BaudId, data.accept ? wanted - 1 : before)
            tryVerify(closed, 1000)
        }

        function test_backWithoutChangesClosesAtOnce() {
            openSettings(ArdixEnums.Device_Ardix7)
            keyClick(Qt.Key_Escape)
            tryVerify(closed, 1000)
            compare(stubWindow.dialogs.length, 0)
        }

        function test_rowPushesItsPageAndBackReturns() {
            const s = openSettings(ArdixEnums.Device_Ardix7)
            clickRow(findChild(s.currentItem, "row_Settings_UserGauges"))
            tryCompare(s, "depth", 2)
            tryCompare(s, "busy", false)
            compare(s.currentItem.title, "добавить свои показатели и настроить их")
            keyClick(Qt.Key_Escape)
            tryCompare(s, "depth", 1)
            verify(!closed())
        }

        function test_keypadRowCountsVisits() {
            AppSettings.ardix_keypad_new_cnt = 4
            const s = openSettings(ArdixEnums.Device_Ardix7)
            const row = findChild(s.currentItem, "row_Settings_Keypad")
            verify(row.showNewBadge)
            clickRow(row)
            compare(AppSettings.ardix_keypad_new_cnt, 5)
            verify(!row.showNewBadge)
            AppSettings.ardix_keypad_new_cnt = 0
        }

        function test_egtModuleMovesTheExhaustSensors_data() {
            return [
                { tag: "none", index: 0, first: ArdixEnums.InputSourceNo, second: ArdixEnums.InputSourceNo },
                { tag: "one", index: 1, first: ArdixEnums.InputSourceEgtModule, second: ArdixEnums.InputSourceNo },
                { tag: "three", index: 3, first: ArdixEnums.InputSourceEgtModule, second: ArdixEnums.InputSourceEgtModule }
            ]
        }
        function test_egtModuleMovesTheExhaustSensors(data) {
            const exhaust = dash.sensors[ArdixEnums.ExhaustTemp_index]
            const exhaust2 = dash.sensors[ArdixEnums.ExhaustTemp2_index]
            // Start from both on the module, so that every row moves something.
            exhaust.inputDataSource = ArdixEnums.InputSourceEgtModule
            exhaust2.inputDataSource = data.index === 3 ? ArdixEnums.InputSourceNo : ArdixEnums.InputSourceEgtModule
            const s = openSettings(ArdixEnums.Device_Ardix7)
            const combo = findChild(s.currentItem, "egtCombo")
            compare(combo.model[3], "3 датчика")
            chooseWithKeys(combo, data.index === 0 ? 1 : 0) // away first, so the wanted entry is a change
            chooseWithKeys(combo, data.index)
            compare(dash.commonSettings.egt2canSensorsCount, data.index)
            compare(exhaust.inputDataSource, data.first)
            compare(exhaust2.inputDataSource, data.second)
            verify(dash.sensorsHasChanges)
            verify(dash.commonSettingsHasChanges)
        }

        function test_gpsModuleCheckBox() {
            const ids = [ArdixEnums.GPS_Speed_index, ArdixEnums.GSensorX_index, ArdixEnums.GSensorY_index]
            for (const id of ids)
                dash.sensors[id].inputDataSource = ArdixEnums.InputSourceNo
            const s = openSettings(ArdixEnums.Device_Ardix7)
            const check = findChild(s.currentItem, "gpsCheck")
            verify(!check.checked)
            check.forceActiveFocus()
            waitForRendering(check)
            mouseClick(check)
            for (const id of ids)
                compare(dash.sensors[id].inputDataSource, ArdixEnums.InputSourceGpsModule)
            verify(check.checked)
            verify(dash.sensorsHasChanges)
            // Switching it on shows how to fit the module; its button leads to the module's page.
            const hint = findChild(s.parent, "gpsHintDialog")
            verify(hint)
            mouseClick(findChild(hint, "hintOkButton"))
            tryCompare(s, "depth", 2)
            compare(s.currentItem.title, "Модуль GPS, CAN 2")
            s.pop(null, StackView.Immediate)
            tryVerify(() => findChild(s.parent, "gpsHintDialog") === null, 1000)
            // Once on, the row itself opens the page.
            clickRow(findChild(s.currentItem, "row_Settings_ModuleGPS"))
            tryCompare(s, "depth", 2)
            compare(s.currentItem.title, "Модуль GPS, CAN 2")
            s.pop(null, StackView.Immediate)
            check.forceActiveFocus()
            waitForRendering(check)
            mouseClick(check)
            for (const id of ids)
                compare(dash.sensors[id].inputDataSource, ArdixEnums.InputSourceNo)
            verify(!check.checked)
        }

        function test_languageCombo() {
            const s = openSettings(ArdixEnums.Device_Ardix7)
            const combo = findChild(s.currentItem, "languageCombo")
            const wasRu = dash.commonSettings.isRu !== 0
            chooseWithKeys(combo, wasRu ? 1 : 0)
            compare(dash.commonSettings.isRu !== 0, !wasRu)
            verify(dash.commonSettingsHasChanges)
        }

        function test_fileRowsAndLogoNeedsALink() {
            const s = openSettings(ArdixEnums.Device_Ardix7)
            const menu = s.currentItem
            clickRow(findChild(menu, "row_Settings_ImportFile"))
            clickRow(findChild(menu, "row_Settings_ExportFile"))
            compare(stubWindow.fileDialogs, [[ArdixEnums.Device_Ardix7, ArdixEnums.Settings_FileType, true, ""],
                                            [ArdixEnums.Device_Ardix7, ArdixEnums.Settings_FileType, false, ""]])
            verify(realKernel.ardixStatus !== ArdixEnums.ardixOnline)
            findChild(menu, "logoImportButton").clicked()
            findChild(menu, "logoRemoveButton").clicked()
            compare(stubWindow.fileDialogs.length, 2)
            compare(stubWindow.dialogs.length, 2)
            for (const d of stubWindow.dialogs)
                compare(d.props.dialogText, "Нужно быть подключенным к Ardix")
        }

        function test_resetAsksThenResets() {
            AppSettings.canInputMessagesIdFormatIsHexDash = [true]
            const s = openSettings(ArdixEnums.Device_Ardix7)
            clickRow(findChild(s.currentItem, "row_Settings_RESET"))
            const question = stubWindow.lastDialog()
            compare(question.props.dialogText, "Вы действительно хотите сбросить настройки Ardix?")
            verify(question.props.isCancelBtnVisible)
            compare(AppSettings.canInputMessagesIdFormatIsHexDash.length, 1)
            stubWindow.accept(question)
            compare(AppSettings.canInputMessagesIdFormatIsHexDash.length, 0)
            verify(!dash.hasChanges)
            verify(findChild(s.currentItem, "canSpeedCombo") !== null) // the menu is rebuilt
        }

        function test_pdmMenuMarksTheWindowAndWritesOtherSettings() {
            const s = openSettings(ArdixEnums.Device_Pmx)
            const menu = s.currentItem
            compare(menu.objectName, "pdmSettingsDialog")
            verify(stubWindow.isPdmSettingsOnScreen)
            compare(menu.headerInfoText, "использовано операций " + pdm.activePdmFunctions + " / 200")

            const speed = findChild(menu, "pdmCanSpeedCombo")
            chooseWithKeys(speed, pdm.other.canbusBaud === 1 ? 2 : 1)
            compare(pdm.other.canbusBaud, speed.currentIndex)
            verify(pdm.otherHasChanges)
            verify(pdm.hasChanges)

            const ecu = findChild(menu, "pdmEcuCombo")
            chooseWithKeys(ecu, 2)
            compare(pdm.other.ecuProtocol, realKernel.ecuList_PDM[2].idd)

            keyClick(Qt.Key_Escape)
            const question = stubWindow.lastDialog()
            compare(question.props.dialogText, "Применить изменения?")
            question.handlers.canceled()
            verify(!pdm.hasChanges)
            tryVerify(closed, 1000)
            verify(!stubWindow.isPdmSettingsOnScreen)
        }

        function test_pwmSteps() {
            pdm.other.pwmFreq = 0
            const s = openSettings(ArdixEnums.Device_Pmx)
            const spin = findChild(s.currentItem, "pwmSpin")
            compare(spin.value, 17000)
            const steps = [[99, "up", 100], [100, "up", 200], [200, "down", 100], [100, "down", 99],
                           [150, "down", 100], [2, "down", 2], [25000, "up", 25000]]
            for (const [from, dir, to] of steps) {
                pdm.other.pwmFreq = from
                compare(spin.value, from)
                spin.field.forceActiveFocus()
                keyClick(dir === "up" ? Qt.Key_Up : Qt.Key_Down)
                compare(pdm.other.pwmFreq, to, from + " " + dir)
            }
            // An out-of-range entry is marked and not taken.
            spin.field.selectAll()
            keyClick(Qt.Key_3); keyClick(Qt.Key_0); keyClick(Qt.Key_0); keyClick(Qt.Key_0); keyClick(Qt.Key_0)
            verify(!spin.field.textValid)
            keyClick(Qt.Key_Return)
            compare(pdm.other.pwmFreq, 25000)
        }

        function test_pdmPasswordRow_data() {
            return [{ tag: "not set", isSet: false }, { tag: "set", isSet: true }]
        }
        function test_pdmPasswordRow(data) {
            pdm.other.isPasswordProtectionSet = data.isSet
            passwordSpy.clear()
            syncSpy.clear()
            const s = openSettings(ArdixEnums.Device_Pmx)
            const row = findChild(s.currentItem, "row_PdmSettings_Password")
            compare(row.title, data.isSet ? "Парольная защита настроек уже установлена"
                                          : "Установить парольную защиту настроек")
            row.clicked()
            compare(passwordSpy.count, data.isSet ? 0 : 1)
            compare(syncSpy.count, data.isSet ? 1 : 0)
            if (data.isSet)
                compare(syncSpy.signalArguments[0][0], true)
            else
                compare(passwordSpy.signalArguments[0][0], true)
        }

        function test_masterSwitchDescription() {
            const s = openSettings(ArdixEnums.Device_Pmx)
            const text = findChild(s.currentItem, "masterSwitchText")
            pdm.other.pdmOtherSettingConfigBits = 0
            compare(text.text, " условие не назначено")
            pdm.other.masterShutdownFunctionId = 7
            pdm.other.pdmOtherSettingConfigBits = 1 << ArdixEnums.PdmOtherSettingsConfigBits_isMasterShutdownFunctionEnabled
            compare(text.text, "Все выходы, будут выключены при условии:\nфункция 7")
        }

        function test_pdmResetEmitsTheDownloadSignal() {
            AppSettings.canOutputMessagesIdFormatIsHex = [true, false]
            const s = openSettings(ArdixEnums.Device_Pmx)
            downloadedSpy.clear()
            clickRow(findChild(s.currentItem, "row_PdmSettings_ResetSettings"))
            const question = stubWindow.lastDialog()
            compare(question.props.dialogText, "Вы действительно хотите сбросить настройки PDM?")
            stubWindow.accept(question)
            compare(AppSettings.canOutputMessagesIdFormatIsHex.length, 0)
            compare(downloadedSpy.count, 1)
        }

        function cleanupTestCase() {
            AppSettings.lastDeviceIdSelected = ArdixEnums.Device_Ardix7
        }
    }
}
