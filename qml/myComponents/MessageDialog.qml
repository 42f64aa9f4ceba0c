import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/KernelTexts.js" as KernelTexts

// A question, or a prompt for one text or number, centred over the window. It destroys itself on
// any answer; Escape, a click outside and the corner cross leave without a signal.
Item {
    id: root
    // A screen reader announces the question with its title.
    Accessible.role: Accessible.Dialog
    Accessible.name: KernelTexts.shown(dialogTitle)
    Accessible.description: KernelTexts.shown(dialogText)
    objectName: "messageDialog"
    anchors.fill: parent
    z: 1000

    property string dialogTitle: qsTr("Внимание!")
    property string dialogText: ""
    property string acceptBtnText: qsTr("Ок")
    property color acceptBtnColor: AppStyle.acceptColor
    property string cancelBtnText: qsTr("Отмена")
    // A way back looks like one: never the colour of the action it declines.
    property color cancelBtnColor: AppStyle.secondaryColor
    property int acceptBtnDelay: 0
    property bool isCancelBtnVisible: false
    property bool isTextInput: false
    property bool isIntInput: false
    property bool isFloatInput: false
    property bool isExitBtnVisible: false
    property int intValue: 0
    property real floatValue: 0
    property int intFrom: 0
    property int intTo: 10000
    property real floatFrom: 0
    property real floatTo: 10000
    property int floatDec: 2

    signal accepted()
    signal canceled()

    readonly property bool hasNumberInput: isIntInput || isFloatInput
    readonly property bool hasInput: isTextInput || hasNumberInput
    // The typed value as it would be accepted; undefined while it is not acceptable.
    readonly property var inputValue: hasInput ? parseInput(inputField.text) : null
    readonly property bool inputValid: !hasInput || inputValue !== undefined
    property bool delayPassed: false
    readonly property bool canAccept: delayPassed && inputValid

    readonly property real ps: AppStyle.pixelScale
    readonly property real margin: 25 * ps
    property bool finished: false

    function parseInput(text) {
        const t = String(text).trim()
        if (isTextInput)
            return t.length > 0 ? t : undefined
        if (isIntInput) {
            if (!/^[-+]?\d+$/.test(t))
                return undefined
            const v = parseInt(t, 10)
            return v >= intFrom && v <= intTo ? v : undefined
        }
        const s = t.replace(",", ".")
        if (!/^[-+]?(\d+\.?\d*|\.\d+)$/.test(s))
            return undefined
        const f = Number(Number(s).toFixed(floatDec))
        return f >= floatFrom && f <= floatTo ? f : undefined
    }

    function accept() {
        if (finished || !canAccept)
            return
        if (isTextInput)
            dialogText = inputValue
        else if (isIntInput)
            intValue = inputValue
        else if (isFloatInput)
            floatValue = inputValue
        finished = true
        accepted()
        destroy()
    }

    function cancel() {
        if (finished)
            return
        finished = true
        canceled()
        destroy()
    }

    function dismiss() {
        if (finished)
            return
        finished = true
        destroy()
    }

    // Enter answers for the user only where it cannot pick the wrong one of two buttons.
    function acceptByKey() {
        if (hasInput || !isCancelBtnVisible)
            accept()
    }

    Keys.onReturnPressed: acceptByKey()
    Keys.onEnterPressed: acceptByKey()
    Keys.onEscapePressed: dismiss()

    Timer {
        id: delayTimer
        interval: Math.max(1, root.acceptBtnDelay)
        onTriggered: root.delayPassed = true
    }

    Component.onCompleted: {
        if (acceptBtnDelay > 0)
            delayTimer.start()
        else
            delayPassed = true
        if (isTextInput)
            inputField.text = dialogText
        else if (isIntInput)
            inputField.text = String(intValue)
        else if (isFloatInput)
            inputField.text = floatValue.toFixed(floatDec)
        if (hasInput) {
            inputField.forceActiveFocus()
            inputField.selectAll()
        } else {
            root.forceActiveFocus()
        }
    }

    Rectangle {
        anchors.fill: parent
        color: AppStyle.blackColor
        opacity: 0.6
    }

    MouseArea {
        objectName: "messageDialogOutside"
        anchors.fill: parent
        onClicked: root.dismiss()
    }

    Rectangle {
        id: box
        objectName: "messageDialogBox"
        anchors.centerIn: parent
        readonly property real buttonsWidth: acceptButton.implicitWidth
                                             + (cancelButton.visible ? cancelButton.implicitWidth : 0)
        width: Math.min(root.width * 0.95,
                        Math.max((root.hasNumberInput ? 500 : 400) * root.ps, buttonsWidth + 5 * root.margin))
        height: Math.min(root.height * 0.95, content.implicitHeight + 2 * root.margin)
        color: AppStyle.textColor
        radius: 30 * root.ps
        border.color: AppStyle.subtleTextColor
        border.width: Math.max(1, 2 * root.ps)

        // Clicks on the box must not count as clicks outside it.
        MouseArea { anchors.fill: parent }

        Column {
            id: content
            anchors { left: parent.left; right: parent.right; top: parent.top; margins: root.margin }
            spacing: root.margin

            Label {
                objectName: "messageDialogTitle"
                width: parent.width
                leftPadding: root.isExitBtnVisible ? closeIcon.width : 0
                rightPadding: leftPadding
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: AppStyle.whiteColor
                font.pixelSize: AppStyle.basicTitleSize
                text: root.dialogTitle.toUpperCase()
                visible: text.length > 0
            }

            Label {
                objectName: "messageDialogText"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: AppStyle.rowAltColor
                font.pixelSize: AppStyle.basicFontSize * 1.1
                text: KernelTexts.shown(root.dialogText)
                visible: !root.isTextInput && text.length > 0
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: root.margin / 2
                visible: root.hasInput

                Label {
                    objectName: "messageDialogFrom"
                    anchors.verticalCenter: parent.verticalCenter
                    visible: root.hasNumberInput
                    color: AppStyle.borderColor
                    font.pixelSize: AppStyle.basicFontSize
                    text: qsTr("от %1").arg(root.isIntInput ? root.intFrom : root.floatFrom)
                }

                TextField {
                    id: inputField
                    objectName: "messageDialogInput"
                    width: root.isTextInput ? content.width : 180 * root.ps
                    height: AppStyle.textInputHeight * 1.2
                    color: AppStyle.whiteColor
                    selectionColor: AppStyle.primaryColor
                    selectedTextColor: AppStyle.whiteColor
                    font.pixelSize: AppStyle.basicFontSize * 1.2
                    horizontalAlignment: root.isTextInput ? Text.AlignLeft : Text.AlignHCenter
                    inputMethodHints: root.isIntInput ? Qt.ImhFormattedNumbersOnly
                                                      : root.isFloatInput ? Qt.ImhFormattedNumbersOnly : Qt.ImhNone
                    validator: root.isIntInput ? intValidator : root.isFloatInput ? floatValidator : null
                    Accessible.name: root.dialogTitle
                    background: Rectangle {
                        radius: 6 * root.ps
                        color: AppStyle.surfaceColor
                        border.width: Math.max(1, 2 * root.ps)
                        border.color: !root.inputValid ? AppStyle.errorColor
                                                       : inputField.activeFocus ? AppStyle.primaryColor : AppStyle.subtleTextColor
                    }
                    Keys.onReturnPressed: root.acceptByKey()
                    Keys.onEnterPressed: root.acceptByKey()
                    Keys.onEscapePressed: root.dismiss()
                }

                Label {
                    objectName: "messageDialogTo"
                    anchors.verticalCenter: parent.verticalCenter
                    visible: root.hasNumberInput
                    color: AppStyle.borderColor
                    font.pixelSize: AppStyle.basicFontSize
                    text: qsTr("до %1").arg(root.isIntInput ? root.intTo : root.floatTo)
                }
            }

            Row {
                anchors.horizontalCenter: parent.horizontalCenter
                spacing: root.margin

                DialogButton {
                    id: cancelButton
                    objectName: "messageDialogCancel"
                    visible: root.isCancelBtnVisible
                    text: root.cancelBtnText
                    fill: root.cancelBtnColor
                    ink: Qt.colorEqual(root.cancelBtnColor, AppStyle.secondaryColor) ? AppStyle.secondaryTextColor
                                                                                 : AppStyle.lightTextColor
                    onClicked: root.cancel()
                }

                DialogButton {
                    id: acceptButton
                    objectName: "messageDialogAccept"
                    enabled: root.canAccept
                    text: root.acceptBtnText
                    fill: root.acceptBtnColor
                    onClicked: root.accept()
                }
            }
        }

        Item {
            id: closeIcon
            objectName: "messageDialogClose"
            visible: root.isExitBtnVisible
            width: 56 * root.ps
            height: width
            anchors { top: parent.top; right: parent.right; margins: root.margin / 2 }
            Accessible.role: Accessible.Button
            Accessible.name: qsTr("Закрыть")
            Image {
                anchors.centerIn: parent
                width: parent.width * 0.7
                height: width
                sourceSize: Qt.size(width, height)
                source: "qrc:/ARDIX/images/icons/close.svg"
                opacity: closeArea.pressed ? 0.5 : 1
            }
            MouseArea {
                id: closeArea
                anchors.fill: parent
                onClicked: root.dismiss()
            }
        }
    }

    IntValidator {
        id: intValidator
        bottom: Math.min(root.intFrom, 0)
        top: root.intTo
    }

    // Lets the user type a partial number ("-", "1,"); the range is checked on the whole value.
    RegularExpressionValidator {
        id: floatValidator
        regularExpression: new RegExp("^[-+]?\\d*([.,]\\d{0," + Math.max(0, root.floatDec) + "})?$")
    }

    component DialogButton: Button {
        id: button
        property color fill
        property color ink: AppStyle.lightTextColor
        implicitWidth: Math.max(150 * AppStyle.pixelScale, label.implicitWidth + 50 * AppStyle.pixelScale)
        implicitHeight: 60 * AppStyle.pixelScale
        Accessible.name: text
        contentItem: Label {
            id: label
            text: button.text.toUpperCase()
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            color: button.enabled ? button.ink : AppStyle.secondaryColor
            font.pixelSize: AppStyle.basicFontSize * 1.1
        }
        background: Rectangle {
            radius: 8 * AppStyle.pixelScale
            color: !button.enabled ? AppStyle.darkGreyColor : button.down ? Qt.darker(button.fill, 1.3) : button.fill
            border.width: button.visualFocus ? Math.max(1, 2 * AppStyle.pixelScale) : 0
            border.color: AppStyle.whiteColor
        }
    }
}
