import QtQuick
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/myComponents"

// The information and busy dialog: which kernel signals close it, its time-out, and the update
// download that keeps it open.
Item {
    id: top
    width: 900
    height: 562

    QtObject {
        id: stubWindow
        property bool isSyncDialogOn: false
        property bool isBusyOnScreen: false
        property bool isMobile: false
    }
    QtObject {
        id: stubKernel
        signal hideBusy()
        signal killAllInfoMessageDialogs()
        signal progressMoving(int progress)
        property var downloads: []
        function downloadClientUpdate(url) { downloads.push(url) }
    }
    Component {
        id: infoComponent
        InfoDialog { objectName: "info"; window: stubWindow; kernel: stubKernel }
    }

    TestCase {
        name: "InfoDialog"
        when: windowShown

        function gone() {
            return findChild(top, "info") === null
        }
        function stillThere() {
            wait(300)
            verify(!gone())
        }

        function test_hideBusy_data() {
            return [
                { tag: "busy", props: { busyTimeout: 0 }, closes: true },
                { tag: "message", props: { infoMessageText: "текст" }, closes: true },
                { tag: "ignoring hideBusy", props: { infoMessageText: "текст", ignoreHideBusy: true }, closes: false }
            ]
        }
        function test_hideBusy(data) {
            const d = createTemporaryObject(infoComponent, top, data.props)
            stubKernel.hideBusy()
            if (data.closes)
                tryVerify(gone, 1000)
            else
                stillThere()
        }

        function test_killAllClosesEvenWhenIgnoringHideBusy() {
            createTemporaryObject(infoComponent, top, { infoMessageText: "текст", ignoreHideBusy: true })
            stubKernel.killAllInfoMessageDialogs()
            tryVerify(gone, 1000)
        }

        function test_busyClosesOnTimeoutAndClearsTheWindowFlag() {
            stubWindow.isBusyOnScreen = true
            const d = createTemporaryObject(infoComponent, top, { busyTimeout: 150 })
            verify(d.isLoading)
            verify(findChild(d, "busySpinner").visible)
            keyClick(Qt.Key_Escape) // a busy dialog cannot be dismissed
            wait(50)
            verify(!gone())
            tryVerify(gone, 1000)
            verify(!stubWindow.isBusyOnScreen)
        }

        function test_messageClosesWithOkOrReturn_data() {
            return [{ tag: "ok button", key: false }, { tag: "return key", key: true }]
        }
        function test_messageClosesWithOkOrReturn(data) {
            stubWindow.isBusyOnScreen = true
            const d = createTemporaryObject(infoComponent, top, { infoMessageText: "Готово" })
            tryCompare(d, "opacity", 1)
            // Shown as written: a path in a message keeps its case.
            compare(findChild(d, "infoText").text, "Готово")
            if (data.key)
                keyClick(Qt.Key_Return)
            else
                mouseClick(findChild(d, "okButton"))
            tryVerify(gone, 1000)
            verify(stubWindow.isBusyOnScreen) // only a busy dialog owns that flag
            stubWindow.isBusyOnScreen = false
        }

        function test_longTextIsSmaller() {
            const brief = createTemporaryObject(infoComponent, top, { infoMessageText: "a" })
            const lengthy = createTemporaryObject(infoComponent, top, { infoMessageText: "a".repeat(501) })
            compare(findChild(brief, "infoText").font.pixelSize, Math.floor(900 / 15 / 2.5))
            compare(findChild(lengthy, "infoText").font.pixelSize, Math.floor(900 / 15 / 3.3))
        }

        function test_downloadKeepsOpenUntilNearlyDone() {
            stubKernel.downloads = []
            const d = createTemporaryObject(infoComponent, top,
                                            { infoMessageText: "Доступна новая версия", downloadUrl: "http://127.0.0.1:9/x.dmg" })
            tryCompare(d, "opacity", 1)
            const button = findChild(d, "okButton")
            compare(button.text, "Скачать")
            mouseClick(button)
            compare(stubKernel.downloads, ["http://127.0.0.1:9/x.dmg"])
            verify(d.isLoading)
            stubKernel.progressMoving(50)
            compare(d.loadingProgressValue, 50)
            stubKernel.hideBusy()
            stillThere()
            stubKernel.progressMoving(95)
            stubKernel.hideBusy()
            tryVerify(gone, 1000)
        }
    }
}
