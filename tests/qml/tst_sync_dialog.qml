import QtQuick
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/dialogs"

Item {
    id: top
    width: 900
    height: 560

    QtObject {
        id: windowStub
        property bool isSyncDialogOn: true
        property bool isMobile: false
        property string wifi_device_name: "Garage"
    }

    QtObject {
        id: kernelStub
        property int deviceId: ArdixEnums.Device_Ardix7
        property int ardixStatus: 1
        property var calls: []
        signal syncCompletedSignal()
        signal ardixStatusChangedSignal()
        signal progressMoving(int progress)
        signal newConfigDownloadedFromArdix()
        function sendToArdixQueue(action, command, parameter) { calls.push("send " + action + " " + command + " " + parameter) }
        function applyNewArdixSettings(isFull) { calls.push("applyNewArdixSettings " + isFull) }
        function applyNewPdmSettings() { calls.push("applyNewPdmSettings") }
        function loadDefaultPdmSettings(isForceReset) { calls.push("loadDefaultPdmSettings " + isForceReset) }
        onNewConfigDownloadedFromArdix: calls.push("newConfigDownloadedFromArdix")
    }

    Component {
        id: syncComponent
        SyncDialog {}
    }

    TestCase {
        name: "SyncDialog"
        when: windowShown

        property var dialog: null

        function init() {
            AppStyle.appWindowWidth = top.width
            kernelStub.deviceId = ArdixEnums.Device_Ardix7
            kernelStub.ardixStatus = 1
            kernelStub.calls = []
            windowStub.isSyncDialogOn = true
        }

        function open(props) {
            dialog = createTemporaryObject(syncComponent, top,
                                           Object.assign({ kernel: kernelStub, window: windowStub }, props || {}))
            verify(dialog)
            return dialog
        }
        function part(name, from) {
            const item = findChild(from || dialog, name)
            verify(item, name)
            return item
        }
        function isOpen() {
            return findChild(top, "syncDialog") !== null
        }
        function question() {
            return findChild(top, "messageDialog")
        }

        function test_overwriteQuestionWaitsTwoSeconds() {
            open({ extra: false })
            mouseClick(part("uploadButton"))
            verify(question())
            const started = Date.now()
            const yes = part("messageDialogAccept", question())
            compare(yes.text, "Да")
            verify(!yes.enabled)
            wait(1500)
            verify(!yes.enabled)
            mouseClick(yes)
            compare(kernelStub.calls, [])
            tryCompare(yes, "enabled", true, 3000)
            verify(Date.now() - started >= 1900)
            mouseClick(yes)
            compare(kernelStub.calls, ["applyNewArdixSettings true"])
            verify(!part("uploadButton").enabled)
            verify(!part("downloadButton").enabled)
            tryVerify(() => question() === null)
        }

        function test_overwriteQuestionNamesTheDevice() {
            open({ extra: false })
            mouseClick(part("uploadButton"))
            compare(question().dialogText,
                    "Ваши настройки на устройстве Garage будут удалены и применены новые с вашего компьютера")
            question().dismiss()
            tryVerify(() => question() === null)
            dialog.update(true)
            mouseClick(part("uploadButton"))
            compare(question().dialogText, "Ваши настройки на устройстве Garage будут удалены и применены заводские")
        }

        // What overwriting the device means depends on the form and the device.
        function test_overwriteActions_data() {
            return [
                { tag: "dash", extra: false, device: ArdixEnums.Device_Ardix7, calls: ["applyNewArdixSettings true"] },
                { tag: "pdm", extra: false, device: ArdixEnums.Device_Pmx, calls: ["applyNewPdmSettings"] },
                { tag: "pdm password reset", extra: true, device: ArdixEnums.Device_Pmx,
                  calls: ["loadDefaultPdmSettings true", "newConfigDownloadedFromArdix"] }
            ]
        }
        function test_overwriteActions(data) {
            kernelStub.deviceId = data.device
            AppSettings.canInputMessagesIdFormatIsHex = [true]
            AppSettings.canOutputMessagesIdFormatIsHex = [false, true]
            open({ extra: data.extra })
            dialog.overwriteDevice()
            compare(kernelStub.calls, data.calls)
            compare(AppSettings.canInputMessagesIdFormatIsHex.length, data.extra ? 0 : 1)
            compare(AppSettings.canOutputMessagesIdFormatIsHex.length, data.extra ? 0 : 2)
            verify(dialog.busy)
        }

        function test_downloadAndRetry() {
            open({ extra: false })
            compare(dialog.retryInterval, 10000)
            dialog.retryInterval = 300
            mouseClick(part("downloadButton"))
            compare(kernelStub.calls, ["send " + ArdixEnums.CommandMessage + " " + ArdixEnums.GetSettings + " 0"])
            verify(!part("uploadButton").enabled)
            verify(!part("downloadButton").enabled)
            mouseClick(part("downloadButton"))
            compare(kernelStub.calls.length, 1)
            tryCompare(part("downloadButton"), "enabled", true, 2000)
            verify(part("uploadButton").enabled)
        }

        function test_closingRules_data() {
            return [
                { tag: "settings in step", act: () => kernelStub.syncCompletedSignal(), closes: true },
                { tag: "dash boot loader", act: () => { kernelStub.deviceId = ArdixEnums.Device_Ardix7Boot }, closes: true },
                { tag: "pdm boot loader", act: () => { kernelStub.deviceId = ArdixEnums.Device_PmxBoot }, closes: true },
                { tag: "other family", act: () => { kernelStub.deviceId = ArdixEnums.Device_Pmx }, closes: false },
                { tag: "link dropped", act: () => { kernelStub.ardixStatus = 0; kernelStub.ardixStatusChangedSignal() }, closes: true },
                { tag: "boot status", act: () => { kernelStub.ardixStatus = 2; kernelStub.ardixStatusChangedSignal() }, closes: true },
                { tag: "still online", act: () => kernelStub.ardixStatusChangedSignal(), closes: false },
                { tag: "escape without extra", act: () => keyClick(Qt.Key_Escape), closes: false }
            ]
        }
        function test_closingRules(data) {
            open({ extra: false })
            data.act()
            wait(20)
            compare(isOpen(), !data.closes)
            compare(windowStub.isSyncDialogOn, !data.closes)
        }

        function test_closingTakesTheQuestionAlong() {
            open({ extra: false })
            mouseClick(part("uploadButton"))
            verify(question())
            kernelStub.syncCompletedSignal()
            tryVerify(() => !isOpen() && question() === null)
        }

        function test_repeatedSignalUpdatesInPlace() {
            open({ extra: false })
            dialog.retryInterval = 60000
            verify(!part("syncClose").visible)
            mouseClick(part("downloadButton"))
            verify(!part("downloadButton").enabled)
            dialog.update(true)
            verify(dialog.extra)
            verify(part("uploadButton").enabled)
            verify(part("downloadButton").enabled)
            verify(!part("syncRetryTimer").running)
            verify(part("syncClose").visible)
            verify(part("syncTitle").text.startsWith("НА PMX УСТАНОВЛЕН ПАРОЛЬ"))
            compare(part("uploadButton").text, "Сбросить настройки \nк стандартным")
            dialog.update(false)
            verify(!part("syncClose").visible)
            compare(part("uploadButton").text, "СТЕРЕТЬ НАСТРОЙКИ \nи применить новые")
        }

        function test_extraFormCanBeLeft_data() {
            return [
                { tag: "corner cross", act: () => mouseClick(part("syncClose")) },
                { tag: "escape", act: () => keyClick(Qt.Key_Escape) }
            ]
        }
        function test_extraFormCanBeLeft(data) {
            open({ extra: true })
            data.act()
            tryVerify(() => !isOpen())
            verify(!windowStub.isSyncDialogOn)
            compare(kernelStub.calls, [])
        }

        function test_titleFollowsThePlatform() {
            windowStub.isMobile = true
            open({ extra: false })
            verify(part("syncTitle").text.endsWith("ТЕКУЩИЕ С МОБИЛЬНОГО УСТРОЙСТВА?"))
            windowStub.isMobile = false
            verify(part("syncTitle").text.endsWith("ТЕКУЩИЕ С КОМПЬЮТЕРА?"))
        }

        function test_progressOnlyGrows() {
            open({ extra: false })
            const seen = []
            for (const p of [10, 5, 40]) {
                kernelStub.progressMoving(p)
                seen.push(part("syncProgress").value)
            }
            compare(seen, [10, 10, 40])
            verify(part("syncProgress").visible)
            kernelStub.progressMoving(0)
            compare(part("syncProgress").value, 0)
            kernelStub.progressMoving(30)
            kernelStub.progressMoving(100)
            verify(!part("syncProgress").visible)
        }

        // Declared inside a window without one, the dialog waits hidden for update() and only hides.
        function test_embeddedInstance() {
            dialog = createTemporaryObject(syncComponent, top, { kernel: kernelStub })
            verify(!dialog.visible)
            dialog.reopen(false)
            verify(dialog.visible)
            kernelStub.syncCompletedSignal()
            wait(20)
            verify(isOpen())
            verify(!dialog.visible)
        }
    }
}
