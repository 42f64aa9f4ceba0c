import QtQuick
import QtQuick.Controls
import ARDIX 1.0

// The settings stack over the whole window. Its first page is the dash menu or, for the PDM, the
// PDM menu. Back pops one page; at the first page it closes the stack.
StackView {
    id: root
    anchors.fill: parent
    z: 50

    property var window: typeof ardix !== "undefined" ? ardix : null
    property var kernel: typeof ardixKernel !== "undefined" ? ardixKernel : null
    // Taken once: the device choice may change while the stack is open.
    property bool isPdm: false
    property bool closing: false

    signal closed()

    // Pushes a page file (relative to qml/) with its arguments; every page gets the window and
    // the kernel.
    function openPage(path, props) {
        const args = Object.assign({ window: root.window, kernel: root.kernel }, props || {})
        return push(Qt.resolvedUrl(path), args)
    }

    function closeStack() {
        if (closing)
            return
        closing = true
        closed()
        root.destroy()
    }

    function back() {
        if (currentItem && typeof currentItem.requestClose === "function")
            currentItem.requestClose()
        else if (depth > 1)
            pop()
        else
            closeStack()
    }

    focus: true
    Keys.onEscapePressed: (event) => { event.accepted = true; back() }
    Keys.onBackPressed: (event) => { event.accepted = true; back() }

    Component.onCompleted: {
        isPdm = AppSettings.lastDeviceIdSelected === ArdixEnums.Device_Pmx
        if (isPdm) {
            if (window)
                window.isPdmSettingsOnScreen = true
            openPage("pdmDialogs/PdmSettingsDialog.qml")
        } else {
            openPage("dialogs/BasicSettingsDialog.qml")
        }
    }
    Component.onDestruction: {
        if (isPdm && window)
            window.isPdmSettingsOnScreen = false
    }

    pushEnter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 200 } }
    pushExit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 200 } }
    popEnter: Transition { NumberAnimation { property: "opacity"; from: 0; to: 1; duration: 200 } }
    popExit: Transition { NumberAnimation { property: "opacity"; from: 1; to: 0; duration: 200 } }
}
