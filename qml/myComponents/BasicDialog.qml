import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../utils/Editing.js" as Editing

// The base of every page and dialog: a full-window item with its own overlay. Created outside the
// settings stack it is modal and destroys itself; pushed into the stack it pops itself.
Item {
    id: root
    // Not anchored: inside the settings stack the stack sizes its pages.
    width: parent ? parent.width : 0
    height: parent ? parent.height : 0
    z: 100

    // The window (ids `ardix` / `ardixKernel` resolve when the dialog is created in its context;
    // tests pass stubs).
    property var window: typeof ardix !== "undefined" ? ardix : null
    property var kernel: null

    property string title: ""
    property bool fullScreen: false
    property bool isModal: StackView.view === null
    property bool showDialogButtons: false
    property bool showWithAnimation: false
    property bool destroyOnCancel: true
    property bool centerButtons: true
    property string extraButton: ""
    property bool destroyOnOverlayClick: true
    property bool isLoading: false
    property string messageText: ""
    property int loadingProgressValue: 0
    property real backgroundItemWidth: 0
    property real backgroundItemHeight: 0
    // While set, a close request (Back, Escape, overlay, corner icon) only emits closeRequested().
    property bool confirmBeforeDestroy: false
    // While set, Back and Escape call the page's own customBackButtonAction().
    property bool customBackButtonFunction: false
    property string headerIcon: ""
    // A short note at the right of the header, shown while the apply button is hidden.
    property string headerInfoText: ""
    // Settings objects this dialog edits: their values on open are what Cancel puts back.
    property var snapshotTargets: []
    property var snapshots: []
    // What had the keyboard when a modal dialog opened gets it back when it goes.
    property Item focusBefore: null

    property alias header: header
    property alias backButton: backButton
    property alias backgroundItem: backgroundItem
    property alias dialogTitle: dialogTitle
    property alias dialogText: dialogText
    property alias cancelButton: cancelButton
    property alias saveButton: saveButton
    property alias applyButtonRight: applyButtonRight
    property alias extraButtonRight: extraButtonRight
    property alias cornerCloseIcon: cornerCloseIcon
    property alias contentArea: contentArea
    default property alias content: contentArea.data

    readonly property real pixelScale: AppStyle.pixelScale
    readonly property bool isClosing: fadeOut.running || closed
    property bool closed: false

    signal progressMove(int progress)
    signal accepted()
    signal canceled()
    signal extraButtonClicked()
    signal closeRequested()

    // 100 ends loading; 1..99 starts it; the shown value never goes back except by a 0.
    onProgressMove: (progress) => {
        if (progress >= 100) {
            isLoading = false
            loadingProgressValue = 0
        } else if (progress <= 0) {
            loadingProgressValue = 0
        } else {
            isLoading = true
            if (progress > loadingProgressValue)
                loadingProgressValue = progress
        }
    }

    // Every way out of the dialog goes through here first: the field being typed in is committed,
    // and a field holding an invalid text stops the way with a message naming it and its range.
    function commitEdits() {
        Editing.commitFocused(root.Window.activeFocusItem)
        const bad = Editing.firstInvalid(root)
        if (!bad)
            return true
        // The field gets the focus back once the message is read.
        bad.forceActiveFocus()
        if (root.window && typeof root.window.infoDialog === "function")
            root.window.infoDialog(Editing.invalidMessage(bad))
        return false
    }
    // Apply, Save: only with every typed value written.
    function accept() {
        if (commitEdits())
            root.accepted()
    }
    function takeSnapshots() {
        const list = []
        const targets = root.snapshotTargets || []
        for (let i = 0; i < targets.length; ++i)
            if (targets[i])
                list.push(PropertySnapshots.take(targets[i]))
        root.snapshots = list
    }
    // Cancel: nothing typed is written, and what the dialog changed goes back.
    function restoreSnapshots() {
        Editing.discardAll(root)
        for (let i = root.snapshots.length - 1; i >= 0; --i)
            root.snapshots[i].restore()
    }
    function cancel() {
        restoreSnapshots()
        root.canceled()
        if (root.destroyOnCancel)
            root.destroyBasicDialog()
    }

    function canClose() {
        return !(isLoading && loadingProgressValue > 0)
    }

    // Fades the dialog out and destroys it (modal) or pops it (stack page). Refused while a
    // progress is running, unless forced.
    function destroyBasicDialog(force) {
        if (closed || fadeOut.running)
            return true
        if (!force && !canClose())
            return false
        fadeOut.start()
        return true
    }

    // What Back, Escape, the back button, the overlay and the corner icon do.
    function requestClose() {
        if (isLoading)
            return false
        // A dialog with a Cancel button is left by it: nothing half-typed is kept.
        if (showDialogButtons && cancelButton.visible) {
            cancel()
            return true
        }
        if (!commitEdits())
            return false
        if (customBackButtonFunction && typeof root.customBackButtonAction === "function") {
            root.customBackButtonAction()
            return true
        }
        if (confirmBeforeDestroy) {
            closeRequested()
            return true
        }
        return destroyBasicDialog()
    }

    function finishClose() {
        closed = true
        const view = root.StackView.view
        if (view) {
            if (view.depth > 1 && view.currentItem === root)
                view.pop(StackView.Immediate)
            else if (typeof view.closeStack === "function")
                view.closeStack()
            else
                root.destroy()
        } else {
            if (focusBefore && focusBefore.visible)
                focusBefore.forceActiveFocus()
            root.destroy()
        }
    }

    opacity: 0
    Component.onCompleted: {
        takeSnapshots()
        fadeIn.start()
        if (showWithAnimation)
            scaleIn.start()
        if (isModal) {
            focusBefore = root.Window.activeFocusItem
            forceActiveFocus()
        }
    }
    StackView.onActivated: forceActiveFocus()

    NumberAnimation { id: fadeIn; target: root; property: "opacity"; to: 1; duration: 200 }
    NumberAnimation {
        id: scaleIn; target: backgroundItem; property: "scale"
        from: 0; to: 1; duration: 800; easing.type: Easing.OutElastic
    }
    SequentialAnimation {
        id: fadeOut
        ScriptAction { script: fadeIn.stop() }
        NumberAnimation { target: root; property: "opacity"; to: 0; duration: 200 }
        ScriptAction { script: root.finishClose() }
    }

    Keys.onEscapePressed: (event) => { event.accepted = true; requestClose() }
    Keys.onBackPressed: (event) => { event.accepted = true; requestClose() }

    Rectangle {
        id: overlay
        anchors.fill: parent
        color: AppStyle.blackColor
        opacity: 0.95
        MouseArea {
            anchors.fill: parent
            // Eats clicks and wheel so nothing under the dialog reacts.
            onWheel: (wheel) => wheel.accepted = true
            onClicked: {
                if (root.destroyOnOverlayClick && !root.isLoading)
                    root.requestClose()
            }
        }
    }

    Rectangle {
        id: header
        visible: root.fullScreen
        width: parent.width
        height: 70 * root.pixelScale
        color: AppStyle.textColor

        FlatButton {
            id: backButton
            objectName: "backButton"
            width: header.height
            height: header.height
            color: AppStyle.primaryColor
            iconSource: "qrc:/ARDIX/images/icons/back.svg"
            accessibleName: qsTr("Назад")
            onClicked: root.requestClose()
        }
        Image {
            id: headerIconImage
            visible: root.headerIcon !== ""
            source: root.headerIcon
            anchors.left: backButton.right
            anchors.leftMargin: 15 * root.pixelScale
            anchors.verticalCenter: parent.verticalCenter
            height: header.height * 0.6
            width: height
            sourceSize.width: width
            sourceSize.height: height
            fillMode: Image.PreserveAspectFit
        }
        Text {
            id: dialogTitle
            anchors.left: headerIconImage.visible ? headerIconImage.right : backButton.right
            anchors.leftMargin: 20 * root.pixelScale
            anchors.right: rightButtons.left
            anchors.rightMargin: 10 * root.pixelScale
            anchors.verticalCenter: parent.verticalCenter
            text: root.title.toUpperCase()
            color: AppStyle.whiteColor
            font.pixelSize: AppStyle.basicTitleSize
            elide: Text.ElideRight
            Accessible.role: Accessible.TitleBar
        }
        Row {
            id: rightButtons
            anchors.right: parent.right
            height: parent.height
            spacing: 2 * root.pixelScale
            Text {
                visible: root.headerInfoText !== "" && !applyButtonRight.visible
                anchors.verticalCenter: parent.verticalCenter
                rightPadding: 20 * root.pixelScale
                text: root.headerInfoText.toUpperCase()
                color: AppStyle.lineColor
                font.pixelSize: AppStyle.basicFontSize
            }
            FlatButton {
                id: extraButtonRight
                visible: root.extraButton !== ""
                width: header.height
                height: header.height
                color: AppStyle.primaryColor
                iconSource: root.extraButton === "refresh" ? "qrc:/ARDIX/images/icons/cloud.svg" : root.extraButton
                accessibleName: qsTr("Обновить")
                onClicked: root.extraButtonClicked()
            }
            FlatButton {
                id: applyButtonRight
                objectName: "applyButtonRight"
                visible: false
                width: header.height * 3
                height: header.height
                color: enabled ? AppStyle.primaryColor : AppStyle.disabledButtonColor
                text: qsTr("Применить")
                onClicked: root.accept()
            }
        }
    }

    Rectangle {
        id: backgroundItem
        readonly property real fitWidth: root.window && root.window.isMobile && root.window.dialogsWidth > 0
                                         ? root.window.dialogsWidth * 0.99 : root.width * 0.9
        readonly property real fitHeight: root.window && root.window.isMobile && root.window.dialogsHeight > 0
                                          ? root.window.dialogsHeight * 0.99 : root.height * 0.9
        x: root.fullScreen ? 0 : (root.width - width) / 2
        y: root.fullScreen ? header.height : (root.height - height) / 2
        width: root.fullScreen ? root.width
                               : (root.backgroundItemWidth > 0 ? Math.min(root.backgroundItemWidth, fitWidth) : fitWidth)
        height: root.fullScreen ? root.height - header.height
                                : (root.backgroundItemHeight > 0 ? Math.min(root.backgroundItemHeight, fitHeight) : fitHeight)
        color: root.isLoading ? AppStyle.clearColor : AppStyle.pageColor
        clip: root.fullScreen

        // Clicks inside the content never reach the overlay.
        MouseArea { anchors.fill: parent }

        Item {
            id: contentArea
            anchors.fill: parent
            anchors.bottomMargin: buttonsRow.visible ? buttonsRow.height + 2 * buttonsRow.bottomGap : 0
        }

        Text {
            id: dialogText
            visible: text !== ""
            anchors.centerIn: parent
            width: parent.width * 0.9
            text: root.messageText
            color: root.isLoading ? AppStyle.whiteColor : AppStyle.textColor
            horizontalAlignment: Text.AlignHCenter
            wrapMode: Text.WordWrap
            font.pixelSize: AppStyle.basicTitleSize
        }

        Row {
            id: buttonsRow
            readonly property real bottomGap: backgroundItem.width / 40
            visible: root.showDialogButtons
            spacing: backgroundItem.width / 40
            anchors.bottom: parent.bottom
            anchors.bottomMargin: bottomGap
            anchors.horizontalCenter: root.centerButtons ? parent.horizontalCenter : undefined
            anchors.right: root.centerButtons ? undefined : parent.right
            anchors.rightMargin: root.centerButtons ? 0 : bottomGap
            FlatButton {
                id: cancelButton
                width: backgroundItem.width / 5
                height: backgroundItem.width / 22
                objectName: "cancelButton"
                role: "secondary"
                text: qsTr("Отмена")
                onClicked: root.cancel()
            }
            FlatButton {
                id: saveButton
                width: backgroundItem.width / 5
                height: backgroundItem.width / 22
                objectName: "saveButton"
                text: qsTr("Сохранить")
                onClicked: root.accept()
            }
        }
    }

    BusyIndicator {
        objectName: "busySpinner"
        anchors.centerIn: parent
        width: 120 * root.pixelScale
        height: width
        visible: root.isLoading && root.loadingProgressValue === 0
        running: visible
    }

    Column {
        anchors.centerIn: parent
        spacing: 10 * root.pixelScale
        visible: root.isLoading && root.loadingProgressValue > 0
        ProgressBar {
            id: progressBar
            objectName: "progressBar"
            width: root.width / 3
            from: 0
            to: 100
            value: root.loadingProgressValue
        }
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: root.loadingProgressValue + " %"
            color: AppStyle.whiteColor
            font.pixelSize: AppStyle.basicFontSize
        }
    }

    FlatButton {
        id: cornerCloseIcon
        objectName: "cornerCloseIcon"
        visible: !root.showDialogButtons && !root.fullScreen && !root.isLoading
                 && !(root.window && root.window.isSyncDialogOn)
        width: 60 * root.pixelScale
        height: width
        x: backgroundItem.x + backgroundItem.width - width / 2 - 10 * root.pixelScale
        y: Math.max(0, backgroundItem.y - height / 2 + 10 * root.pixelScale)
        radius: width / 2
        color: AppStyle.surfaceColor
        border.color: AppStyle.secondaryColor
        border.width: 1
        iconSource: "qrc:/ARDIX/images/icons/close.svg"
        accessibleName: qsTr("Закрыть")
        onClicked: root.requestClose()
    }
}
