import QtQuick
import ARDIX 1.0
import "myComponents"
import "skins/dashNuvo"

// The dash's own screen, as an editor: one page per display mode, the common header, the cell count
// buttons and the device status labels.
Rectangle {
    id: skin
    objectName: "dashNuvoSkin"
    color: AppStyle.blackColor
    property var kernel: ardixKernel
    property var window: ardix
    readonly property real s: width / 1280
    property int mode: -1
    property int cellsCount: 0
    readonly property var pages: ["DashNuvoMain.qml", "DashNuvoRound.qml", "DashNuvoTable.qml",
                                  "DashNuvoPeaks.qml", "DashNuvoRazgon.qml"]

    // A mode's page is built the first time it shows and kept: switching back and forth (the
    // dash's button, the device's own switches) only changes which one is visible.
    function showMode(modeIndex) {
        mode = modeIndex
        shownPage = modeIndex >= 0 && modeIndex < pages.length ? modeIndex : 0
        refreshCount()
    }
    property int shownPage: -1
    function refreshCount() {
        if (!kernel || !DevSettings.dash || !DevSettings.dash.commonSettings)
            return
        cellsCount = DevSettings.dash.commonSettings.skinSetting(kernel.curSkinNum, ArdixEnums.Mode_0_CellsCount + mode)
    }
    function stepCount(plus) {
        const next = plus ? SkinGeometry.countAfterPlus(mode, cellsCount) : SkinGeometry.countAfterMinus(mode, cellsCount)
        kernel.saveNewSkinSettings(ArdixEnums.Mode_0_CellsCount + mode, next)
    }

    Component.onCompleted: showMode(kernel.curSkinMode)
    Connections {
        target: skin.kernel
        function onSkinModeChanged(modeIndex) { skin.showMode(modeIndex) }
        function onConfigChangedSignal() { skin.refreshCount() }
    }

    Item {
        id: page
        objectName: "skinPage"
        anchors.fill: parent
        // The page on show, set by its loader.
        property Item item: null
        Repeater {
            model: skin.pages.length
            // Each loader builds its page the first time it is shown, whichever of the two comes
            // first when the skin itself is built in the background.
            Loader {
                required property int index
                readonly property bool shown: index === skin.shownPage
                anchors.fill: parent
                visible: shown
                onShownChanged: build()
                Component.onCompleted: build()
                onLoaded: build()
                function build() {
                    if (shown && status === Loader.Null)
                        setSource("skins/dashNuvo/" + skin.pages[index], { kernel: skin.kernel, window: skin.window, mode: index })
                    if (shown)
                        page.item = item
                }
            }
        }
    }

    readonly property rect settingsIconRect: commonHeader.settingsIconRect
    DashNuvoCommonHeader {
        id: commonHeader
        s: skin.s
        mode: skin.mode
        window: skin.window
        settingsHidden: skin.window && skin.window.disabledModeMask ? skin.window.disabledModeMask.shown : false
    }

    // Fewer or more cells: round buttons in the strip under the bottom row, clear of the cells and
    // of the status line.
    component CountButton: Item {
        id: button
        property bool plus: true
        property bool shown: false
        readonly property real size: 56 * skin.s
        y: 800 * skin.s - size - 4 * skin.s
        width: size
        height: size
        visible: shown
        Accessible.role: Accessible.Button
        Accessible.name: plus ? qsTr("Больше ячеек") : qsTr("Меньше ячеек")
        Accessible.onPressAction: skin.stepCount(button.plus)
        Rectangle {
            anchors.fill: parent
            radius: width / 2
            color: countArea.pressed ? AppStyle.midGreyColor : AppStyle.deepColor
            border.color: countArea.containsMouse ? AppStyle.warningColor : AppStyle.lightTextColor
            border.width: 3 * skin.s
        }
        Text {
            anchors.centerIn: parent
            text: button.plus ? "+" : "\u2212"
            color: AppStyle.lightTextColor
            font.pixelSize: 44 * skin.s
        }
        MouseArea {
            id: countArea
            anchors.fill: parent
            hoverEnabled: true
            onClicked: skin.stepCount(button.plus)
        }
    }
    CountButton {
        objectName: "cellsMinus"
        plus: false
        x: 6 * skin.s
        shown: SkinGeometry.minusShown(skin.mode, skin.cellsCount)
    }
    CountButton {
        objectName: "cellsPlus"
        plus: true
        x: skin.width - width - 6 * skin.s
        shown: SkinGeometry.plusShown(skin.mode, skin.cellsCount)
    }

    DeviceStatusLabels {
        anchors { right: parent.right; bottom: parent.bottom; margins: 6 * skin.s; rightMargin: 72 * skin.s }
        scaleX: skin.window ? skin.window.scaleX : skin.s
        clientVersion: skin.kernel.ardixClientVersion
        serialLabel: qsTr("серийный номер Ardix: ")
        serialText: skin.kernel.ardixSerialNum
        serialVisible: skin.kernel.ardixSerialNum !== 0
        wifiName: skin.window ? skin.window.wifi_device_name : ""
    }
}
