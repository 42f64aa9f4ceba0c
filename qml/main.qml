import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "myComponents"
import "utils"
import "utils/WindowFunctions.js" as WindowFunctions
import "utils/Editing.js" as Editing

// The one window: the kernel, the main menu, the main screen (dash replica or PDM screen), the
// device selector and every surface the kernel drives by signals.
ApplicationWindow {
    id: ardix
    objectName: "ardix"

    readonly property bool isMobile: Qt.platform.os === "android" || Qt.platform.os === "ios"
    readonly property bool isTablet: width / height < 1.4
    readonly property bool isNarrowScreen: Screen.width / Screen.height > 2
    readonly property bool isIPhoneX: isNarrowScreen && Qt.platform.os === "ios"

    property string wifi_device_name: deviceWebName.name
    readonly property real menuWidth: isMobile ? Screen.width * (isNarrowScreen ? 0.10 : isTablet ? 0.08 : 0.11)
                                               : desktopMenuWidth
    readonly property int dialogsWidth: isNarrowScreen ? Math.min(width, height * 1.6) : width
    readonly property int dialogsHeight: Math.min(height, (width - menuWidth) / 1.6)
    readonly property real scaleX: AppStyle.pixelScale
    readonly property real skinScale: mainScreen.width / 1280
    property alias disabledModeMask: disabledModeMask
    property var pdmDescription: ardixKernel.pdmDescription

    property bool isSyncDialogOn: false
    property bool isLogDialogOn: false
    property bool isBusyOnScreen: false
    property bool isPdmSettingsOnScreen: false
    property bool isBlockImportDialog: false
    property var incomingFileInfo: ({})

    readonly property bool isDashInterface: AppSettings.lastDeviceIdSelected !== ArdixEnums.Device_Pmx
    readonly property bool isOnline: ardixKernel.ardixStatus === MyDefines.ardixOnline

    signal disableAllWarnings()
    signal applicationSuspended()
    signal applicationHidden()
    signal applicationActive()

    // Desktop geometry: a fixed width, the height may only grow.
    readonly property int desktopMenuWidth: 75
    readonly property int desktopWidth: Screen.width - desktopMenuWidth > 900 ? 900 : Math.round(0.7 * Screen.width)
    readonly property int desktopMinimumHeight: Math.round((desktopWidth - desktopMenuWidth) / 1.6)
    width: isMobile ? Screen.width : desktopWidth
    height: isMobile ? Screen.height : desktopMinimumHeight
    minimumWidth: isMobile ? 0 : desktopWidth
    maximumWidth: isMobile ? 16777215 : desktopWidth
    minimumHeight: isMobile ? 0 : desktopMinimumHeight
    maximumHeight: isMobile ? 16777215 : Screen.height
    visible: true
    color: AppStyle.blackColor
    title: ardixKernel.ardixStatus === MyDefines.ardixOnline ? qsTr("Подключен %1").arg(wifi_device_name) : qsTr("Оффлайн ")

    onWidthChanged: AppStyle.appWindowWidth = width

    ArdixKernel {
        id: ardixKernel
        onIncomingEvent_focusWindow_signal: windowLayout.raiseWindow()
        onNewConfigDownloadedFromArdix: ardix.checkLogsSettingsNotice()
        onShowInfoMessage: (infoMessageText) => ardix.showInfo(infoMessageText, 30000, "")
        onKillAllInfoMessageDialogs: ardix.infoQueue = []
        onNewClientVersionFound: (verNum) => ardix.showInfo(qsTr("Доступна новая версия данного приложения!\n") + "v" + verNum,
                                                            20000, WindowFunctions.clientDownloadPath(appAddresses.siteUrl, verNum, Qt.platform.os))
        onShowBusy: ardix.showBusyDialog(3000)
        onShowBusyWithTimeout: (timeoutValue) => ardix.showBusyDialog(timeoutValue)
        onShowSyncDiaglog: (extra) => ardix.showSyncDialog(extra)
        onSyncCompletedSignal: {
            if (ardixKernel.ardixStatus === MyDefines.ardixOnline && ardix.incomingFileInfo.fileName !== undefined
                    && ardix.isBlockImportDialog)
                ardix.openIncomingFileDialog(ardix.incomingFileInfo)
        }
        onIncomingFileSignal: (fileInfo) => {
            ardix.incomingFileInfo = fileInfo
            if (ardix.isMobile && ardixKernel.ardixStatus === MyDefines.ardixOffline) {
                ardix.isBlockImportDialog = true
                incomingFileTimer.restart()
                ardix.showBusyDialog(2000)
            } else {
                ardix.openIncomingFileDialog(fileInfo)
            }
        }
        onShowPdmSettingsPasswordDialog: (isSetPassword) => ardix.createObjectFrom("pdmDialogs/PdmPasswordSettingsDialog.qml", { isSetPassword: isSetPassword, kernel: ardixKernel, window: ardix })
        onArdixStatusChangedSignal: {
            deviceWebName.clear()
            if (ardixKernel.dev_conn_type === ArdixEnums.Connection_Wifi)
                deviceWebName.refresh()
        }
        onIncomingElog_signal: (elog_path) => ardix.showLapsLogDialog(elog_path, true)
        onPopUpSignal: (popUpText) => popUp.show(popUpText)
        onSkinModeChanged: disabledModeMask.recompute()
        onDeviceIdChanged: {
            disabledModeMask.recompute()
            deviceSelector.followDevice(ardixKernel.deviceId)
        }
        onConfigChangedSignal: disabledModeMask.recompute()
        Component.onCompleted: ardix.chooseInterface()
    }

    DeviceWebName { id: deviceWebName }
    AppAddresses { id: appAddresses }

    WindowLayoutUtils {
        id: windowLayout
        window: ardix
        enabled: !ardix.isMobile
    }

    Component.onCompleted: {
        AppStyle.appWindowWidth = width
        DevSettings.pdm = Qt.binding(() => ardixKernel.currentPdmSettings)
        DevSettings.dash = Qt.binding(() => ardixKernel.currentArdixSettings)
        windowLayout.restore()
        heightDemo.startIfDue()
        ardixKernel.IsMobile = isMobile
        checkLogsSettingsNotice()
    }

    onClosing: (close) => {
        if (closeGuard.allowClose)
            return
        // A value still being typed counts as a change: it is written before the question is asked.
        Editing.commitFocused(activeFocusItem)
        const dashChanged = DevSettings.dash && DevSettings.dash.hasChanges
        const pdmChanged = DevSettings.pdm && DevSettings.pdm.hasChanges
        if (!dashChanged && !pdmChanged)
            return
        close.accepted = false
        closeGuard.ask(dashChanged, pdmChanged)
    }

    QtObject {
        id: closeGuard
        property bool allowClose: false
        function quit() {
            allowClose = true
            ardix.close()
        }
        function ask(dashChanged, pdmChanged) {
            ardix.createDialog({
                dialogTitle: qsTr("Внимание"),
                dialogText: qsTr("У вас есть не сохраненные изменения\nПрименить?"),
                acceptBtnText: qsTr("Применить"),
                cancelBtnText: qsTr("Нет, Удалить"),
                cancelBtnColor: AppStyle.destructiveColor,
                isCancelBtnVisible: true,
                isExitBtnVisible: true
            }, {
                accepted: function() {
                    if (dashChanged)
                        ardixKernel.applyNewArdixSettings(false)
                    if (pdmChanged)
                        ardixKernel.applyNewPdmSettings()
                    if (ardixKernel.ardixStatus === MyDefines.ardixOffline)
                        closeGuard.quit()
                },
                canceled: function() { closeGuard.quit() }
            })
        }
    }

    // ---- Interface choice -------------------------------------------------------------------

    function chooseInterface() {
        const pdm = AppSettings.lastDeviceIdSelected === ArdixEnums.Device_Pmx
        mainScreen.source = pdm ? "pmx_logo.qml" : "DashNuvoSkin.qml"
        ardixKernel.setDeviceId(pdm ? ArdixEnums.Device_Pmx : ArdixEnums.Device_Ardix7)
    }

    function changeCurrentDeviceInterface(deviceId) {
        if (deviceId === AppSettings.lastDeviceIdSelected)
            return
        AppSettings.lastDeviceIdSelected = deviceId
        ardixKernel.setDeviceId(deviceId)
        mainScreen.source = deviceId === ArdixEnums.Device_Pmx ? "pmx_logo.qml" : "DashNuvoSkin.qml"
        disabledModeMask.recompute()
    }

    function checkLogsSettingsNotice() {
        if (!ardixKernel.IsLogsSettingsMustBeChanged)
            return
        createDialog({
            dialogTitle: qsTr("Внимание"),
            dialogText: qsTr("В текущей версии доступные частоты логирования\n изменены на 10, 25 или 50гц\nВам нужно изменить настройки логирования"),
            isCancelBtnVisible: false
        }, function() { ardix.showLogsSettingsDialog() })
    }

    // ---- Dialogs created on demand ----------------------------------------------------------

    function createObjectFrom(file, props) {
        const component = Qt.createComponent(file)
        if (component.status !== Component.Ready) {
            if (component.status === Component.Error)
                console.warn(component.errorString())
            return null
        }
        return component.createObject(dialogLayer, props)
    }

    function createDialog(props, handlers) {
        const dialog = createObjectFrom("myComponents/MessageDialog.qml", props)
        if (!dialog)
            return null
        if (typeof handlers === "function") {
            dialog.accepted.connect(function() { handlers(dialog) })
        } else if (handlers) {
            if (handlers.accepted)
                dialog.accepted.connect(function() { handlers.accepted(dialog) })
            if (handlers.canceled)
                dialog.canceled.connect(function() { handlers.canceled(dialog) })
        }
        return dialog
    }

    // Messages show one at a time, above whatever is open (the synchronisation question too): a
    // message that arrives while another is read waits for it to close.
    property var infoQueue: []
    property Item shownInfo: null
    function showInfo(text, timeout, downloadUrl) {
        if (shownInfo) {
            if (shownInfo.infoMessageText !== text && !infoQueue.some(m => m.text === text))
                infoQueue.push({ text: text, timeout: timeout, url: downloadUrl })
            return null
        }
        shownInfo = createObjectFrom("myComponents/InfoDialog.qml", {
            infoMessageText: text,
            busyTimeout: timeout,
            ignoreHideBusy: true,
            downloadUrl: downloadUrl,
            kernel: ardixKernel,
            window: ardix
        })
        if (shownInfo)
            shownInfo.dismissed.connect(ardix.showNextInfo)
        return shownInfo
    }
    function showNextInfo() {
        shownInfo = null
        const next = infoQueue.shift()
        if (next)
            Qt.callLater(() => ardix.showInfo(next.text, next.timeout, next.url))
    }

    function infoDialog(text) {
        return showInfo(text, 30000, "")
    }

    function showBusyDialog(timeout) {
        if (isBusyOnScreen)
            return
        isBusyOnScreen = true
        const dialog = createObjectFrom("myComponents/InfoDialog.qml", {
            infoMessageText: "",
            busyTimeout: timeout,
            kernel: ardixKernel,
            window: ardix
        })
        if (!dialog)
            isBusyOnScreen = false
    }

    function showSyncDialog(extra) {
        if (isSyncDialogOn) {
            if (syncDialogRef.dialog)
                syncDialogRef.dialog.update(extra)
            return
        }
        isSyncDialogOn = true
        syncDialogRef.dialog = createObjectFrom("dialogs/SyncDialog.qml", {
            extra: extra,
            kernel: ardixKernel,
            window: ardix
        })
        if (!syncDialogRef.dialog)
            isSyncDialogOn = false
    }
    QtObject {
        id: syncDialogRef
        property var dialog: null
    }

    function openSettings() {
        return createObjectFrom("Settings.qml", { kernel: ardixKernel, window: ardix })
    }

    function modeMenuShow() {
        return createObjectFrom("dialogs/SkinModeSettingsDialog.qml", { kernel: ardixKernel, window: ardix })
    }
    function sensorMenuShow(parent_id, availableStdSensors, availableCustomSensors, isCircuitSensorsAvailable) {
        return createObjectFrom("dialogs/SensorMenu.qml", {
            kernel: ardixKernel, window: ardix, parent_id: parent_id, availableStdSensors: availableStdSensors,
            availableCustomSensors: availableCustomSensors, isCircuitSensorsAvailable: isCircuitSensorsAvailable
        })
    }
    function warningDialogShow(currIndex) {
        return createObjectFrom("dialogs/WarningDialog.qml", { kernel: ardixKernel, window: ardix, currIndex: currIndex })
    }
    function showRpmWarningDialog() {
        return createObjectFrom("dialogs/RpmWarningDialog.qml", { kernel: ardixKernel, window: ardix })
    }
    function oilPressureWarningDialogShow() {
        return createObjectFrom("dialogs/OilPressureWarningDialog.qml", { kernel: ardixKernel, window: ardix })
    }
    function gearSettingsDialogShow() {
        return createObjectFrom("dialogs/GearSettingsDialog.qml", { kernel: ardixKernel, window: ardix })
    }
    function showLogsSettingsDialog() {
        return createObjectFrom("dialogs/LogsSettingsDialog.qml", { kernel: ardixKernel, window: ardix })
    }
    function showTripConfigDialog() {
        return createObjectFrom("dialogs/TripConfigDialog.qml", { kernel: ardixKernel, window: ardix })
    }
    function showLapsLogDialog(logPath, isExternalFile) {
        return createObjectFrom("dialogs/LapsLogDialog.qml", { kernel: ardixKernel, window: ardix, logPath: logPath,
                                                               isExternalFile: isExternalFile })
    }
    function showLogViewDialog(logPath) {
        return createObjectFrom("dialogs/logs/LogViewDialog.qml", { kernel: ardixKernel, window: ardix, logPath: logPath })
    }
    function showLogsDialog() {
        if (isLogDialogOn)
            return null
        return createObjectFrom("dialogs/LogsDialog.qml", { kernel: ardixKernel, window: ardix })
    }
    function showBrightnessDialog() {
        return createObjectFrom("dialogs/lightPwmDialog.qml", { kernel: ardixKernel, window: ardix })
    }
    function showPdmRealtimeDialog() {
        return createObjectFrom("pdmDialogs/PdmRealtimeDataDialog.qml", { kernel: ardixKernel, window: ardix })
    }

    function warningDialogClosed() { warningsOffTimer.restart() }

    // ---- Files ------------------------------------------------------------------------------

    function showFileDialog(devId, fileType, isImport, fileName) {
        let name = fileName
        if (!isImport && fileType === ArdixEnums.Settings_FileType && wifi_device_name.length > 0)
            name = WindowFunctions.exportFileName(wifi_device_name, fileName)
        if (isMobile) {
            if (isImport) {
                ardixKernel.loadDataFromFile("openDialog", devId, fileType)
            } else {
                createDialog({ dialogTitle: qsTr("Введите имя файла"), dialogText: name, isTextInput: true,
                               isCancelBtnVisible: true },
                             function(dialog) { ardixKernel.exportFile(dialog.dialogText, devId, fileType) })
            }
            return
        }
        settingsFileDialog().openFor(devId, fileType, isImport, name)
    }

    // Made on first use: most sessions never open a file.
    property var fileDialog: null
    function settingsFileDialog() {
        if (!fileDialog)
            fileDialog = createObjectFrom("myComponents/SettingsFileDialog.qml", { kernel: ardixKernel, window: ardix })
        return fileDialog
    }

    function openIncomingFileDialog(fileInfo) {
        isBlockImportDialog = false
        incomingFileTimer.stop()
        createDialog({
            dialogTitle: qsTr("Внимание"),
            dialogText: WindowFunctions.incomingFileText(fileInfo),
            isCancelBtnVisible: true
        }, {
            accepted: function() {
                ardix.createObjectFrom("dialogs/SettingsFilePreviewDialog.qml", { kernel: ardixKernel, window: ardix,
                                       fileUrl: fileInfo.url, deviceId: fileInfo.deviceId, fileType: fileInfo.fileType })
            },
            canceled: function() { ardixKernel.ios_stop_securityScope(fileInfo.url) }
        })
    }

    // ---- Logic descriptions and keypads ------------------------------------------------------

    readonly property var keypadTypes: WindowFunctions.keypadTypes
    function getKeypadName(k, settings) { return WindowFunctions.keypadName(k, settings) }
    function createNewFuncId(funcList) {
        const id = WindowFunctions.firstFreeFunction(funcList)
        if (id < 0)
            infoDialog(qsTr("Лимит доступного количества функций исчерпан, %1").arg(funcList.length))
        return id
    }
    function getPdmFunctionDescription(id) { return ardixKernel.logic.get_func_description(id) }
    function getChannelName(type, channel) {
        return ardixKernel.logic.get_channel_name(type, channel, 0)
    }
    function getGlobalFuncDescription(list, id) {
        return list && id >= 0 && id < list.length ? ardixKernel.logic.get_func_description(id) : ""
    }
    function getCounterDescription(list, id) {
        return list && id >= 0 && id < list.length ? ardixKernel.logic.get_func_description(id) : ""
    }

    // ---- Timers of the window ---------------------------------------------------------------

    Timer {
        id: incomingFileTimer
        interval: 2000
        onTriggered: {
            ardixKernel.hideBusy()
            ardix.openIncomingFileDialog(ardix.incomingFileInfo)
        }
    }
    Timer {
        id: warningsOffTimer
        interval: 1500
        onTriggered: ardix.disableAllWarnings()
    }
    property alias tripRequestTimer: tripRequestTimer
    Timer {
        id: tripRequestTimer
        interval: 1000
        onTriggered: ardixKernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetTrip, 0)
    }
    property alias logListRequestTimer: logListRequestTimer
    Timer {
        id: logListRequestTimer
        interval: 1000
        onTriggered: ardixKernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetLogFilesList, 1)
    }
    property alias pdmRealtimeKeepAliveTimer: pdmRealtimeKeepAliveTimer
    // Whoever shows PDM live data keeps it coming: started afresh (count 0) on each message, stopped
    // when the view goes.
    function pdmLiveKeepAlive(on) {
        if (on) {
            pdmRealtimeKeepAliveTimer.errorCount = 0
            pdmRealtimeKeepAliveTimer.interval = 1000
            pdmRealtimeKeepAliveTimer.restart()
        } else {
            pdmRealtimeKeepAliveTimer.stop()
        }
    }
    Timer {
        id: pdmRealtimeKeepAliveTimer
        property int errorCount: 0
        interval: 1000
        repeat: true
        onRunningChanged: {
            errorCount = 0
            if (running)
                interval = 1000
        }
        onTriggered: {
            if (ardixKernel.ardixStatus === MyDefines.ardixOffline)
                return
            if (errorCount > 0)
                ardixKernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.PdmStartRealTimeDataLoop, 1)
            errorCount += 1
            interval = errorCount > 10 ? 6000 : 1500
        }
    }

    // ---- Layout -----------------------------------------------------------------------------

    MainMenu {
        id: mainMenu
        x: ardix.isIPhoneX ? 30 : 0
        width: ardix.menuWidth
        height: parent.height
        kernel: ardixKernel
        window: ardix
        minimumWindowHeight: ardix.isMobile ? height : ardix.desktopMinimumHeight
    }

    Rectangle {
        visible: ardix.isIPhoneX
        width: 30
        height: parent.height
        color: AppStyle.textColor
    }

    Loader {
        id: mainScreen
        objectName: "mainScreen"
        readonly property real freeWidth: ardix.width - ardix.menuWidth - mainMenu.x
        width: ardix.width - ardix.height * 1.6 > ardix.menuWidth - 1 ? ardix.height * 1.6 : ardix.width - ardix.menuWidth
        height: width / 1.6
        x: freeWidth > width ? (freeWidth - width) / 2 + ardix.menuWidth + mainMenu.x : ardix.width - width
        y: (ardix.height - height) / 2
        // Chosen once the kernel is up (chooseInterface). Built in the background: the window shows
        // at once with its menu, the screen follows a few frames later.
        asynchronous: true
    }

    DisabledModeMask {
        id: disabledModeMask
        x: mainMenu.x + ardix.menuWidth
        width: ardix.width - x
        height: ardix.height
        kernel: ardixKernel
        // Only a selector the user opened dims the screen: one always shown (a tall window) leaves it usable.
        selectorOpen: deviceSelector.isActive && !deviceSelector.isAlwaysOnDisplay
        isDash: ardix.isDashInterface
        // Over the skin header's own settings icon.
        readonly property rect skinIcon: mainScreen.item && mainScreen.item.settingsIconRect !== undefined
                                         ? mainScreen.item.settingsIconRect : Qt.rect(0, 0, 59 * ardix.skinScale, 59 * ardix.skinScale)
        settingsIconX: mainScreen.x - x + skinIcon.x
        settingsIconY: mainScreen.y + skinIcon.y
        iconSize: skinIcon.width
        onCloseSelector: deviceSelector.close()
        onOpenModeSettings: ardix.modeMenuShow()
    }

    DeviceSelector {
        id: deviceSelector
        x: mainMenu.x + ardix.menuWidth
        width: ardix.width - x
        scaleX: ardix.scaleX
        isAlwaysOnDisplay: !ardix.isMobile && ardix.height - ardix.minimumHeight > 2 * barHeight
        onDeviceChosen: (deviceId) => ardix.changeCurrentDeviceInterface(deviceId)
        onDeviceSelectorChanged: disabledModeMask.recompute()
    }

    // Dynamic dialogs and the settings stack live above the screen and the menu.
    // A log dropped on the window opens in the log view; other files are not taken.
    DropArea {
        objectName: "logDropArea"
        anchors.fill: parent
        keys: ["text/uri-list"]
        function logPaths(urls) {
            const out = []
            for (let i = 0; i < urls.length; ++i) {
                const u = String(urls[i])
                if (u.startsWith("file:") && u.toLowerCase().endsWith(".elog"))
                    out.push(decodeURIComponent(u.replace(/^file:\/\/(\/[A-Za-z]:)?/, (m, drive) => drive ? drive.slice(1) : "")))
            }
            return out
        }
        onEntered: (drag) => { drag.accepted = logPaths(drag.urls).length > 0 }
        onDropped: (drop) => {
            const paths = logPaths(drop.urls)
            if (paths.length === 0)
                return
            drop.acceptProposedAction()
            for (let i = 0; i < paths.length; ++i)
                ardix.showLogViewDialog(paths[i])
        }
    }

    Item {
        id: dialogLayer
        objectName: "dialogLayer"
        anchors.fill: parent
        z: 10
    }

    PopUpMessage {
        id: popUp
        z: 20
    }

    HeightDemo {
        id: heightDemo
        window: ardix
        enabled: !ardix.isMobile
    }

    Label {
        visible: ardixKernel.IsDEBUG
        anchors.centerIn: parent
        z: 100
        text: "DEBUG"
        color: AppStyle.errorColor
        rotation: 25
        opacity: 0.05
        font.pixelSize: 300 * ardix.scaleX
    }
    flags: ardixKernel.IsDEBUG && Qt.platform.os !== "windows" ? (Qt.Window | Qt.WindowStaysOnTopHint) : Qt.Window
}
