.pragma library
.import "WindowFunctions.js" as WindowFunctions

// Opens a modal dialog (a file relative to qml/) over the window; falls back to creating it
// directly when the window is a test stand-in without the window's factory.
function openModal(window, file, props) {
    if (window && typeof window.createObjectFrom === "function")
        return window.createObjectFrom(file, props)
    const c = Qt.createComponent("qrc:/ARDIX/qml/" + file)
    if (c.status !== 1) {
        console.warn(c.errorString())
        return null
    }
    return c.createObject(window && window.contentItem ? window.contentItem : null, props)
}

// The first free function slot through the window (which reports a full list), or -1. Slot 0 is
// never handed out: a 0 in a list of child functions marks an empty place.
function newFunctionId(window, functions) {
    const rest = Array.prototype.slice.call(functions, 1)
    const id = window && typeof window.createNewFuncId === "function" ? window.createNewFuncId(rest)
                                                                      : WindowFunctions.firstFreeFunction(rest)
    return id < 0 ? -1 : id + 1
}
