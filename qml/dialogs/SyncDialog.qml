import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import Qt5Compat.GraphicalEffects
import ARDIX 1.0
import "../myComponents"
import "../utils/DiffTexts.js" as DiffTexts

// Asks which settings win when the device's differ from the client's: keep the device's (download
// them) or erase them and write the client's. With `extra` it is the offer to reset a password
// protected PDM to its defaults. It stays until the two are in step, the link drops or the device
// enters its boot loader.
Item {
    id: root
    objectName: "syncDialog"
    anchors.fill: parent
    z: 900

    property bool extra: false
    property var kernel: null
    property var window: null
    // How long the buttons wait for the device before they may be used again.
    property int retryInterval: 10000
    readonly property int confirmDelay: 2000
    // The link's "online" status; its enumerator is lower-case, which QML cannot read by name.
    readonly property int statusOnline: 1

    property bool busy: false
    property bool isLoading: false
    property int progressValue: 0
    // Without a window the dialog is an embedded instance that hides instead of destroying itself
    // and waits for update() to show.
    property bool embedded: false
    property bool finished: false
    property Item question: null

    readonly property bool isMobile: window ? !!window.isMobile : false
    readonly property string deviceName: window && window.wifi_device_name ? window.wifi_device_name : ""
    readonly property bool isPdm: kernel ? kernel.deviceId === ArdixEnums.Device_Pmx : false
    readonly property real ps: AppStyle.pixelScale
    readonly property real contentWidth: width * 0.9

    readonly property string passwordText: qsTr("На PMX установлен пароль\n\n- Если пароль вам известен,\nскачайте настройки с устройста для синхронизации\nи дальнейшей настройки.\n\n- Если пароль не известен, вы можете выполнить сброс настроек\nсначала экспортируйте резервную копию ваших настроек в файл,\nподключитесь к устройству и выполните сброс настроек,\n\nпосле чего парольная защита будет снята и вы сможете загружать любой файл настроек")
    readonly property string syncText: qsTr("Синхронизация \n какие настройки вы бы хотели использовать?\n ранее сохраненные в устройстве, либо применить текущие с %1").arg(isMobile ? qsTr("мобильного устройства") : qsTr("компьютера")) + "?"

    Accessible.role: Accessible.Dialog
    Accessible.name: extra ? qsTr("На PMX установлен пароль") : qsTr("Синхронизация")

    // A repeated request while the dialog is up shows it again in its new form, ready to use.
    function update(isExtra) {
        extra = !!isExtra
        busy = false
        refreshDifferences()
        retryTimer.stop()
        closeQuestion()
        visible = true
        forceActiveFocus()
    }

    function reopen(isExtra) {
        update(isExtra)
    }

    function close() {
        if (finished)
            return
        retryTimer.stop()
        closeQuestion()
        if (embedded) {
            visible = false
            busy = false
            isLoading = false
            progressValue = 0
            return
        }
        finished = true
        destroy()
    }

    function closeQuestion() {
        if (question)
            question.dismiss()
        question = null
    }

    function waitForDevice() {
        busy = true
        retryTimer.restart()
    }

    function downloadFromDevice() {
        if (busy || !kernel)
            return
        waitForDevice()
        kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetSettings, 0)
    }

    function askToOverwrite() {
        if (busy || question)
            return
        question = questionComponent.createObject(root, {
            dialogTitle: qsTr("Вы уверены?"),
            dialogText: qsTr("Ваши настройки на устройстве %1").arg(deviceName) + qsTr(" будут удалены и применены %1").arg(extra ? qsTr("заводские") : qsTr("новые с ") + (isMobile ? qsTr("вашего телефона") : qsTr("вашего компьютера"))),
            acceptBtnText: qsTr("Да"),
            acceptBtnColor: AppStyle.destructiveColor,
            acceptBtnDelay: confirmDelay,
            isCancelBtnVisible: true
        })
        if (!question)
            return
        question.accepted.connect(overwriteDevice)
    }

    function overwriteDevice() {
        question = null
        if (!kernel)
            return
        waitForDevice()
        if (extra) {
            AppSettings.canInputMessagesIdFormatIsHex = []
            AppSettings.canOutputMessagesIdFormatIsHex = []
            kernel.loadDefaultPdmSettings(true)
            kernel.newConfigDownloadedFromArdix()
        } else if (kernel.deviceId === ArdixEnums.Device_Pmx) {
            kernel.applyNewPdmSettings()
        } else if (kernel.deviceId === ArdixEnums.Device_Ardix7) {
            kernel.applyNewArdixSettings(true)
        }
    }

    // The shown progress only grows; 0 starts over and 100 ends the transfer.
    function followProgress(progress) {
        if (progress >= 100) {
            isLoading = false
            progressValue = 0
        } else if (progress <= 0) {
            progressValue = 0
        } else {
            isLoading = true
            progressValue = Math.max(progressValue, progress)
        }
    }

    onQuestionChanged: if (!question && visible) forceActiveFocus()

    Keys.onEscapePressed: if (extra) close()
    Keys.onBackPressed: if (extra) close()

    Component.onCompleted: {
        refreshDifferences()
        if (!window) {
            embedded = true
            visible = false
        } else {
            forceActiveFocus()
        }
    }

    Component.onDestruction: {
        if (window)
            window.isSyncDialogOn = false
    }

    Timer {
        id: retryTimer
        objectName: "syncRetryTimer"
        interval: root.retryInterval
        onTriggered: root.busy = false
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onSyncCompletedSignal() { root.close() }
        function onArdixStatusChangedSignal() {
            if (root.kernel.ardixStatus !== root.statusOnline)
                root.close()
        }
        function onDeviceIdChanged() {
            const id = root.kernel.deviceId
            if (id !== ArdixEnums.Device_Ardix7 && id !== ArdixEnums.Device_Pmx)
                root.close()
        }
        function onProgressMoving(progress) { root.followProgress(progress) }
    }

    Component {
        id: questionComponent
        MessageDialog {}
    }

    // The device's block only arrives once the user chose to download it: the list shows the
    // client's settings against the last ones read from or written to this device, and says so.
    SettingsHistoryModel {
        id: history
        kernel: root.kernel
        pdm: root.isPdm
    }
    property var differences: ({ known: false, count: 0, rows: [] })
    function refreshDifferences() { differences = history.syncDifferences() }
    onVisibleChanged: if (visible) refreshDifferences()
    onExtraChanged: refreshDifferences()
    Connections {
        target: history
        function onSnapshotsChanged() { root.refreshDifferences() }
    }

    Rectangle {
        anchors.fill: parent
        color: AppStyle.blackColor
        opacity: 0.95
    }

    // Nothing under the dialog may be reached while it is up.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.AllButtons
        onWheel: (wheel) => wheel.accepted = true
    }

    ColumnLayout {
        id: layout
        width: root.contentWidth
        anchors { horizontalCenter: parent.horizontalCenter; top: parent.top; bottom: parent.bottom
                  topMargin: root.height * 0.05; bottomMargin: root.height * 0.05 }
        spacing: 10 * root.ps

        Label {
            id: title
            objectName: "syncTitle"
            readonly property real margins: closeIcon.visible ? closeIcon.width : 0
            Layout.fillWidth: true
            Layout.leftMargin: margins
            Layout.rightMargin: margins
            // The long password text shrinks rather than push the buttons off the window.
            Layout.preferredHeight: Math.min(titleMeasure.implicitHeight,
                                             layout.height - sidesMinimumHeight - progressRow.height - diffPanel.height - 3 * layout.spacing)
            readonly property real sidesMinimumHeight: 230 * root.ps
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            fontSizeMode: Text.Fit
            minimumPixelSize: 8
            color: AppStyle.whiteColor
            font.pixelSize: root.contentWidth / 15 / 2.5
            text: (root.extra ? root.passwordText : root.syncText).toUpperCase()

            Text {
                id: titleMeasure
                visible: false
                width: title.width
                wrapMode: Text.WordWrap
                font: title.font
                text: title.text
            }
        }

        Column {
            id: diffPanel
            objectName: "syncDifferences"
            visible: !root.extra
            Layout.fillWidth: true
            // Compact: the two buttons below stay on screen however long the list is.
            Layout.preferredHeight: visible ? Math.min(implicitHeight, layout.height * 0.3) : 0
            clip: true
            spacing: 4 * root.ps

            Label {
                id: diffCaption
                objectName: "syncDifferencesCaption"
                width: parent.width
                horizontalAlignment: Text.AlignHCenter
                wrapMode: Text.WordWrap
                color: AppStyle.lineColor
                font.pixelSize: AppStyle.basicFontSize
                text: !root.differences.known
                      ? qsTr("Этот клиент ещё не обменивался настройками с этим устройством: какие поля отличаются, станет видно после скачивания.")
                      : root.differences.count === 0
                        ? qsTr("С последнего обмена настройками с устройством (%1").arg(root.differences.time) + qsTr(") в этом клиенте ничего не менялось; что изменено на устройстве, станет видно после скачивания.")
                        : qsTr("С последнего обмена настройками с устройством (%1").arg(root.differences.time) + qsTr(") в этом клиенте изменено: %1").arg(DiffTexts.differences(root.differences.count))
            }
            SettingsDiffList {
                id: syncDiffList
                width: parent.width
                visible: root.differences.count > 0
                height: visible ? Math.min(contentHeight, layout.height * 0.3 - diffCaption.height - parent.spacing) : 0
                light: false
                rows: root.differences.rows || []
                beforeTitle: qsTr("на устройстве")
                afterTitle: qsTr("в этом клиенте")
            }
        }

        RowLayout {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.topMargin: 10 * root.ps
            spacing: 0

            SyncSide {
                iconSource: root.isMobile ? "qrc:/ARDIX/images/icons/phone.svg" : "qrc:/ARDIX/images/icons/computer.svg"
                iconName: root.isMobile ? qsTr("телефон") : qsTr("компьютер")
                caption: ""

                SyncButton {
                    id: uploadButton
                    objectName: "uploadButton"
                    enabled: !root.busy
                    text: root.extra ? qsTr("Сбросить настройки \nк стандартным") : qsTr("СТЕРЕТЬ НАСТРОЙКИ \nи применить новые")
                    fill: root.extra ? AppStyle.orangeColor : AppStyle.destructiveColor
                    ink: root.extra ? AppStyle.blackColor : AppStyle.whiteColor
                    onClicked: root.askToOverwrite()
                }
            }

            SyncSide {
                iconSource: root.isPdm ? "qrc:/ARDIX/images/icons/pdm_device.svg" : "qrc:/ARDIX/images/icons/dash_device.svg"
                iconName: root.isPdm ? "PDM" : "Ardix"
                caption: root.deviceName

                Item {
                    implicitWidth: downloadButton.implicitWidth
                    implicitHeight: downloadButton.implicitHeight

                    DropShadow {
                        id: pulse
                        anchors.fill: downloadButton
                        source: downloadButton
                        visible: downloadButton.enabled
                        horizontalOffset: 0
                        verticalOffset: 0
                        radius: 16 * root.ps
                        samples: 33
                        spread: 0.35
                        color: AppStyle.shadowGreenColor
                        SequentialAnimation on color {
                            running: pulse.visible && root.visible
                            loops: Animation.Infinite
                            ColorAnimation { to: AppStyle.liveGreenColor; duration: 400 }
                            ColorAnimation { to: AppStyle.shadowGreenColor; duration: 400 }
                        }
                    }

                    SyncButton {
                        id: downloadButton
                        objectName: "downloadButton"
                        anchors.fill: parent
                        enabled: !root.busy
                        text: qsTr("скачать с устройства")
                        fill: AppStyle.confirmColor
                        ink: AppStyle.whiteColor
                        onClicked: root.downloadFromDevice()
                    }
                }
            }
        }

        Item {
            id: progressRow
            Layout.fillWidth: true
            Layout.preferredHeight: 24 * root.ps
            implicitHeight: 24 * root.ps
            ProgressBar {
                id: progressBar
                objectName: "syncProgress"
                anchors.centerIn: parent
                width: root.contentWidth / 3
                height: 10 * root.ps
                visible: root.isLoading
                from: 0
                to: 100
                value: root.progressValue
                Accessible.name: qsTr("Синхронизация")
                background: Rectangle { radius: height / 2; color: AppStyle.darkGreyColor }
                contentItem: Item {
                    Rectangle {
                        width: progressBar.visualPosition * parent.width
                        height: parent.height
                        radius: height / 2
                        color: AppStyle.primaryColor
                    }
                }
            }
        }
    }

    Item {
        id: closeIcon
        objectName: "syncClose"
        visible: root.extra
        width: 60 * root.ps
        height: width
        anchors { top: parent.top; right: parent.right; margins: 15 * root.ps }
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
            onClicked: root.close()
        }
    }

    // One half of the dialog: a picture of the side, its name and the button that makes it win.
    component SyncSide: ColumnLayout {
        id: side
        property url iconSource
        property string iconName
        property string caption
        default property alias buttons: buttonHolder.data
        Layout.fillWidth: true
        Layout.fillHeight: true
        Layout.preferredWidth: 1
        spacing: 6 * AppStyle.pixelScale

        Item {
            Layout.fillWidth: true
            Layout.fillHeight: true
            Layout.minimumHeight: 40 * AppStyle.pixelScale
            Image {
                anchors.centerIn: parent
                height: Math.min(parent.height, 200 * AppStyle.pixelScale)
                width: height
                sourceSize: Qt.size(width, height)
                fillMode: Image.PreserveAspectFit
                source: side.iconSource
                Accessible.role: Accessible.Graphic
                Accessible.name: side.iconName
            }
        }
        Label {
            Layout.fillWidth: true
            Layout.preferredHeight: 50 * AppStyle.pixelScale
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            elide: Text.ElideRight
            color: AppStyle.whiteColor
            font.pixelSize: 30 * AppStyle.pixelScale
            text: side.caption
        }
        Item {
            id: buttonHolder
            Layout.alignment: Qt.AlignHCenter
            Layout.preferredWidth: childrenRect.width
            Layout.preferredHeight: childrenRect.height
        }
    }

    component SyncButton: Button {
        id: button
        property color fill
        property color ink
        implicitWidth: 320 * AppStyle.pixelScale
        implicitHeight: 90 * AppStyle.pixelScale
        Accessible.name: text
        contentItem: Label {
            text: button.text.toUpperCase()
            horizontalAlignment: Text.AlignHCenter
            verticalAlignment: Text.AlignVCenter
            wrapMode: Text.WordWrap
            color: button.enabled ? button.ink : AppStyle.secondaryColor
            font.pixelSize: AppStyle.basicFontSize * 1.1
        }
        background: Rectangle {
            radius: 10 * AppStyle.pixelScale
            color: !button.enabled ? AppStyle.darkGreyColor : button.down ? Qt.darker(button.fill, 1.3) : button.fill
            border.width: button.visualFocus ? Math.max(1, 2 * AppStyle.pixelScale) : 0
            border.color: button.ink
        }
    }
}
