import QtQuick
import ARDIX 1.0
import "../utils/KernelTexts.js" as KernelTexts

// The information dialog, or with an empty text the busy dialog. With a download address it offers
// the client update instead of "Ok" and follows the download's progress.
BasicDialog {
    id: root
    Accessible.role: Accessible.AlertMessage
    Accessible.name: KernelTexts.shown(infoMessageText)

    property string infoMessageText: ""
    property int busyTimeout: 0
    property bool ignoreHideBusy: false
    property string downloadUrl: ""

    readonly property bool isBusy: infoMessageText === ""
    property bool downloading: false
    property int downloadProgress: 0

    // A download is kept open against hideBusy until it is nearly done.
    readonly property int downloadKeepOpenUntil: 90

    isModal: true
    // Above every dialog and question, the synchronisation one included.
    z: 1000
    destroyOnOverlayClick: !isBusy

    // A message read and gone: the next one may show.
    signal dismissed()
    isLoading: isBusy
    backgroundItem.color: AppStyle.clearColor

    function hideBusyReceived() {
        if (ignoreHideBusy)
            return
        if (downloading && downloadProgress <= downloadKeepOpenUntil)
            return
        destroyBasicDialog(true)
    }

    function startDownload() {
        if (kernel)
            kernel.downloadClientUpdate(downloadUrl)
        downloading = true
        isLoading = true
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onHideBusy() { root.hideBusyReceived() }
        function onKillAllInfoMessageDialogs() { root.destroyBasicDialog(true) }
        function onProgressMoving(progress) {
            if (!root.isBusy && !root.downloading)
                return
            root.downloadProgress = Math.max(root.downloadProgress, progress)
            root.progressMove(progress)
            // A finished transfer leaves nothing to wait for: no empty veil until the time-out.
            if (root.isBusy && progress >= 100)
                root.destroyBasicDialog(true)
        }
    }

    Timer {
        id: timeout
        interval: root.busyTimeout
        running: root.busyTimeout > 0
        // A running progress cannot be closed; look again a timeout later.
        onTriggered: if (!root.destroyBasicDialog()) restart()
    }

    Component.onDestruction: {
        if (isBusy && window)
            window.isBusyOnScreen = false
        if (!isBusy)
            dismissed()
    }

    Keys.onReturnPressed: (event) => { event.accepted = true; okButton.clicked() }
    Keys.onEnterPressed: (event) => { event.accepted = true; okButton.clicked() }

    Column {
        anchors.centerIn: parent
        width: parent.width
        spacing: 30 * AppStyle.pixelScale
        visible: !root.isBusy && !root.downloading

        Text {
            id: infoText
            objectName: "infoText"
            anchors.horizontalCenter: parent.horizontalCenter
            width: parent.width * 0.9
            text: KernelTexts.shown(root.infoMessageText)
            color: AppStyle.whiteColor
            wrapMode: Text.WordWrap
            horizontalAlignment: Text.AlignHCenter
            font.pixelSize: root.width / 15 / (root.infoMessageText.length > 500 ? 3.3 : 2.5)
        }
        FlatButton {
            id: okButton
            objectName: "okButton"
            anchors.horizontalCenter: parent.horizontalCenter
            width: root.width / 5
            height: root.width / 22
            color: root.downloadUrl !== "" ? AppStyle.acceptColor : AppStyle.secondaryColor
            textColor: root.downloadUrl !== "" ? AppStyle.whiteColor : AppStyle.deepColor
            text: root.downloadUrl !== "" ? qsTr("Скачать") : "Ok"
            onClicked: {
                if (root.downloadUrl !== "")
                    root.startDownload()
                else
                    root.destroyBasicDialog()
            }
        }
    }
}
