import QtQuick
import ARDIX 1.0

// What every mode's page shares: the kernel and window it talks to, its mode, the reference unit,
// the language and the cell count of its mode.
Item {
    id: page
    property var kernel: null
    property var window: null
    property int mode: 0
    readonly property real s: width / 1280
    readonly property bool isRu: DevSettings.dash && DevSettings.dash.commonSettings
                                 ? DevSettings.dash.commonSettings.isRu !== 0 : true
    property int cellsCount: 0

    function refreshCount() {
        if (!kernel || !DevSettings.dash || !DevSettings.dash.commonSettings)
            return
        const v = DevSettings.dash.commonSettings.skinSetting(kernel.curSkinNum, ArdixEnums.Mode_0_CellsCount + mode)
        cellsCount = Math.max(0, v)
    }
    Component.onCompleted: refreshCount()
    onKernelChanged: refreshCount()
    Connections {
        target: page.kernel
        ignoreUnknownSignals: true
        function onConfigChangedSignal() { page.refreshCount() }
    }
}
