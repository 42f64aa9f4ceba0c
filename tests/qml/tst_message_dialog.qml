import QtQuick
import QtTest
import ARDIX 1.0
import "qrc:/ARDIX/qml/myComponents"

Item {
    id: top
    width: 900
    height: 560

    Component {
        id: dialogComponent
        MessageDialog {}
    }

    TestCase {
        name: "MessageDialog"
        when: windowShown

        property var dialog: null
        property SignalSpy acceptedSpy: SignalSpy { signalName: "accepted" }
        property SignalSpy canceledSpy: SignalSpy { signalName: "canceled" }

        function open(props) {
            dialog = createTemporaryObject(dialogComponent, top, props)
            verify(dialog)
            acceptedSpy.clear()
            canceledSpy.clear()
            acceptedSpy.target = dialog
            canceledSpy.target = dialog
            return dialog
        }
        function part(name) {
            const item = findChild(dialog, name)
            verify(item, name)
            return item
        }
        function gone() {
            return findChild(top, "messageDialog") === null
        }

        function init() {
            AppStyle.appWindowWidth = top.width
        }

        function test_textInputRefusesBlankText_data() {
            return [
                { tag: "empty", text: "" },
                { tag: "spaces", text: "    " },
                { tag: "tabs and newline", text: "\t \n" }
            ]
        }
        function test_textInputRefusesBlankText(data) {
            open({ isTextInput: true, isCancelBtnVisible: true })
            part("messageDialogInput").text = data.text
            verify(!part("messageDialogAccept").enabled)
            mouseClick(part("messageDialogAccept"))
            keyClick(Qt.Key_Return)
            keyClick(Qt.Key_Enter)
            wait(20)
            compare(acceptedSpy.count, 0)
            verify(!gone())
        }

        function test_textInputAcceptsTrimmedTextByEnter() {
            open({ isTextInput: true, isCancelBtnVisible: true, dialogText: "" })
            verify(part("messageDialogInput").activeFocus)
            keyClick(Qt.Key_Space)
            keyClick(Qt.Key_A)
            keyClick(Qt.Key_B)
            keyClick(Qt.Key_Space)
            verify(part("messageDialogAccept").enabled)
            const d = dialog
            let acceptedText = ""
            d.accepted.connect(() => { acceptedText = d.dialogText })
            keyClick(Qt.Key_Return)
            compare(acceptedSpy.count, 1)
            compare(acceptedText, "ab")
            tryVerify(gone)
        }

        // Enter may only answer where the dialog has one obvious answer and that answer is allowed.
        function test_enterAcceptsOnlyWhenAllowed_data() {
            return [
                { tag: "plain notice", props: {}, accepts: true },
                { tag: "question with cancel", props: { isCancelBtnVisible: true }, accepts: false },
                { tag: "text input with cancel", props: { isTextInput: true, dialogText: "x", isCancelBtnVisible: true }, accepts: true },
                { tag: "number input with cancel", props: { isIntInput: true, intValue: 5, isCancelBtnVisible: true }, accepts: true },
                { tag: "accept still delayed", props: { acceptBtnDelay: 5000 }, accepts: false },
                { tag: "number out of range", props: { isIntInput: true, intValue: 20, intTo: 10 }, accepts: false }
            ]
        }
        function test_enterAcceptsOnlyWhenAllowed(data) {
            open(data.props)
            keyClick(Qt.Key_Return)
            compare(acceptedSpy.count, data.accepts ? 1 : 0)
            compare(canceledSpy.count, 0)
            if (data.accepts)
                tryVerify(gone)
            else
                verify(!gone())
        }

        function test_numberBounds_data() {
            const i = { isIntInput: true, intFrom: 1, intTo: 100 }
            const f = { isFloatInput: true, floatFrom: -1.5, floatTo: 2.5, floatDec: 2 }
            return [
                { tag: "int below", props: i, text: "0", value: undefined },
                { tag: "int lower bound", props: i, text: "1", value: 1 },
                { tag: "int upper bound", props: i, text: "100", value: 100 },
                { tag: "int above", props: i, text: "101", value: undefined },
                { tag: "int negative", props: i, text: "-5", value: undefined },
                { tag: "int empty", props: i, text: "", value: undefined },
                { tag: "int fraction", props: i, text: "5.5", value: undefined },
                { tag: "float lower bound", props: f, text: "-1.5", value: -1.5 },
                { tag: "float upper bound", props: f, text: "2.50", value: 2.5 },
                { tag: "float above", props: f, text: "2.51", value: undefined },
                { tag: "float decimal comma", props: f, text: "2,25", value: 2.25 },
                { tag: "float rounded to its decimals", props: f, text: "1.234", value: 1.23 },
                { tag: "float lone point", props: f, text: ".", value: undefined },
                { tag: "float lone minus", props: f, text: "-", value: undefined }
            ]
        }
        function test_numberBounds(data) {
            open(Object.assign({ isCancelBtnVisible: true }, data.props))
            part("messageDialogInput").text = data.text
            const accept = part("messageDialogAccept")
            compare(accept.enabled, data.value !== undefined)
            const d = dialog
            let accepted = null
            d.accepted.connect(() => { accepted = data.props.isIntInput ? d.intValue : d.floatValue })
            mouseClick(accept)
            if (data.value === undefined) {
                compare(acceptedSpy.count, 0)
                return
            }
            compare(acceptedSpy.count, 1)
            compare(accepted, data.value)
        }

        function test_numberInputShowsItsBounds() {
            open({ isIntInput: true, intValue: 7, intFrom: 3, intTo: 42 })
            compare(part("messageDialogInput").text, "7")
            verify(findChild(dialog, "messageDialogBox").width >= 500 * AppStyle.pixelScale)
            compare(part("messageDialogFrom").text, "от 3")
            compare(part("messageDialogTo").text, "до 42")
        }

        function test_acceptDelay() {
            const started = Date.now()
            open({ acceptBtnDelay: 400, isCancelBtnVisible: true })
            const accept = part("messageDialogAccept")
            verify(!accept.enabled)
            mouseClick(accept)
            compare(acceptedSpy.count, 0)
            tryCompare(accept, "enabled", true, 2000)
            verify(Date.now() - started >= 380)
            mouseClick(accept)
            compare(acceptedSpy.count, 1)
            tryVerify(gone)
        }

        function test_waysToLeave_data() {
            return [
                { tag: "cancel button", act: "cancel", canceled: 1 },
                { tag: "escape", act: "escape", canceled: 0 },
                { tag: "click outside", act: "outside", canceled: 0 },
                { tag: "corner cross", act: "cross", canceled: 0 }
            ]
        }
        function test_waysToLeave(data) {
            open({ isCancelBtnVisible: true, isExitBtnVisible: true })
            if (data.act === "cancel")
                mouseClick(part("messageDialogCancel"))
            else if (data.act === "escape")
                keyClick(Qt.Key_Escape)
            else if (data.act === "outside")
                mouseClick(top, 5, 5)
            else
                mouseClick(part("messageDialogClose"))
            compare(canceledSpy.count, data.canceled)
            compare(acceptedSpy.count, 0)
            tryVerify(gone)
        }

        function test_clickInsideStays() {
            open({})
            mouseClick(part("messageDialogBox"), 5, part("messageDialogBox").height / 2)
            wait(20)
            verify(!gone())
            verify(!part("messageDialogClose").visible)
        }

        function test_wideButtonsWidenTheDialog() {
            open({ isCancelBtnVisible: true, acceptBtnText: "Применить изменения сейчас же",
                   cancelBtnText: "Нет, удалить все изменения" })
            const box = part("messageDialogBox")
            const needed = part("messageDialogAccept").width + part("messageDialogCancel").width
                           + 5 * 25 * AppStyle.pixelScale
            verify(box.width >= needed - 1, box.width + " < " + needed)
        }
    }
}
