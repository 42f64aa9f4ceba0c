import QtQuick
import QtQuick.Controls
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/myComponents"

// The base dialog's loading state, its closing rules inside and outside the settings stack.
Item {
    id: top
    width: 900
    height: 562

    QtObject {
        id: stubWindow
        property bool isSyncDialogOn: false
        property bool isMobile: false
        property int dialogsWidth: 0
        property int dialogsHeight: 0
    }

    Component {
        id: dialogComponent
        BasicDialog { objectName: "dialog"; window: stubWindow }
    }
    Component {
        id: pageComponent
        BasicDialog { fullScreen: true; window: stubWindow }
    }
    Component {
        id: stackComponent
        StackView {
            anchors.fill: parent
            property int closeStackCalls: 0
            function closeStack() { closeStackCalls++ }
        }
    }

    TestCase {
        name: "BasicDialog"
        when: windowShown

        function gone(name) {
            return findChild(top, name) === null
        }

        function test_progressOnlyIncreasesUntilReset() {
            const d = createTemporaryObject(dialogComponent, top)
            verify(!d.isLoading)
            const steps = [[10, 10, true], [5, 10, true], [40, 40, true], [0, 0, true], [7, 7, true], [100, 0, false]]
            for (const [sent, shown, loading] of steps) {
                d.progressMove(sent)
                compare(d.loadingProgressValue, shown, "after " + sent)
                compare(d.isLoading, loading, "after " + sent)
            }
        }

        function test_spinnerAtZeroBarAbove() {
            const d = createTemporaryObject(dialogComponent, top)
            d.isLoading = true
            const spinner = findChild(d, "busySpinner")
            const bar = findChild(d, "progressBar")
            verify(spinner.visible)
            verify(!bar.visible)
            d.progressMove(20)
            verify(!spinner.visible)
            verify(bar.visible)
            compare(bar.value, 20)
        }

        function test_closingRefusedWhileProgressRuns() {
            const d = createTemporaryObject(dialogComponent, top)
            d.progressMove(30)
            verify(!d.destroyBasicDialog())
            keyClick(Qt.Key_Escape)
            wait(300)
            verify(!gone("dialog"))
            d.progressMove(100)
            verify(d.destroyBasicDialog())
            tryVerify(() => gone("dialog"), 1000)
        }

        function test_busyWithoutProgressClosesOnlyByCall() {
            const d = createTemporaryObject(dialogComponent, top)
            d.isLoading = true
            keyClick(Qt.Key_Escape)
            mouseClick(top, 5, 5)
            wait(300)
            verify(!gone("dialog"))
            verify(d.destroyBasicDialog())
            tryVerify(() => gone("dialog"), 1000)
        }

        function test_escapeAndOverlayClose_data() {
            return [
                { tag: "escape", overlayClick: false, allowOverlay: true, closes: true },
                { tag: "overlay", overlayClick: true, allowOverlay: true, closes: true },
                { tag: "overlay not allowed", overlayClick: true, allowOverlay: false, closes: false }
            ]
        }
        function test_escapeAndOverlayClose(data) {
            const d = createTemporaryObject(dialogComponent, top, { destroyOnOverlayClick: data.allowOverlay })
            verify(d.isModal)
            if (data.overlayClick)
                mouseClick(top, 5, 5)
            else
                keyClick(Qt.Key_Escape)
            if (data.closes) {
                tryVerify(() => gone("dialog"), 1000)
            } else {
                wait(300)
                verify(!gone("dialog"))
            }
        }

        function test_cornerCloseIcon_data() {
            return [
                { tag: "plain", props: {}, sync: false, shown: true },
                { tag: "with buttons", props: { showDialogButtons: true }, sync: false, shown: false },
                { tag: "full screen", props: { fullScreen: true }, sync: false, shown: false },
                { tag: "loading", props: { isLoading: true }, sync: false, shown: false },
                { tag: "sync dialog up", props: {}, sync: true, shown: false }
            ]
        }
        function test_cornerCloseIcon(data) {
            stubWindow.isSyncDialogOn = data.sync
            const d = createTemporaryObject(dialogComponent, top, data.props)
            compare(d.cornerCloseIcon.visible, data.shown)
            stubWindow.isSyncDialogOn = false
        }

        function test_buttonsAndSignals() {
            const d = createTemporaryObject(dialogComponent, top, { showDialogButtons: true, destroyOnCancel: false })
            const accepted = createTemporaryObject(spyComponent, top, { target: d, signalName: "accepted" })
            const canceled = createTemporaryObject(spyComponent, top, { target: d, signalName: "canceled" })
            tryCompare(d, "opacity", 1)
            mouseClick(d.saveButton)
            compare(accepted.count, 1)
            mouseClick(d.cancelButton)
            compare(canceled.count, 1)
            wait(300)
            verify(!gone("dialog"))
            compare(d.saveButton.width, d.backgroundItem.width / 5)
        }

        function test_stackPagePopsAndClosesStackAtDepthOne() {
            const stack = createTemporaryObject(stackComponent, top)
            const first = stack.push(pageComponent)
            const second = stack.push(pageComponent, {}, StackView.Immediate)
            verify(!second.isModal)
            compare(stack.depth, 2)
            second.backButton.clicked()
            tryCompare(stack, "depth", 1)
            compare(stack.closeStackCalls, 0)
            first.requestClose()
            tryCompare(stack, "closeStackCalls", 1)
        }

        function test_customBackAction() {
            const d = createTemporaryObject(customBackComponent, top)
            keyClick(Qt.Key_Escape)
            compare(d.backCalls, 1)
            wait(300)
            verify(d.opacity > 0)
        }
    }

    Component {
        id: spyComponent
        SignalSpy {}
    }
    Component {
        id: customBackComponent
        BasicDialog {
            window: stubWindow
            customBackButtonFunction: true
            property int backCalls: 0
            function customBackButtonAction() { backCalls++ }
        }
    }
}
