.pragma library

// What every way out of a page does with the value being typed: the editor holding the focus is
// committed first, and an editor whose typed text is not valid stops the action with a message
// that names it and its range. Editors are the items with `isEditor` (the shared fields).

// The editor an item belongs to (the focus may sit in a part of it, e.g. a spin box's text).
function editorOf(item) {
    for (let it = item; it; it = it.parent)
        if (it.isEditor === true)
            return it
    return null
}

// Commits the editor that holds the focus; false when its text is invalid.
function commitFocused(focusItem) {
    const editor = editorOf(focusItem)
    return editor ? editor.commitEdit() : true
}

// The first editor under `root` whose typed text could not be written, or null.
function firstInvalid(root) {
    if (!root)
        return null
    const stack = [root]
    while (stack.length > 0) {
        const it = stack.pop()
        if (it.isEditor === true && it.hasPendingInvalid === true && it.visible)
            return it
        const kids = it.children
        if (kids)
            for (let i = kids.length - 1; i >= 0; --i)
                stack.push(kids[i])
    }
    return null
}

// Drops every typed-but-unwritten text under `root` (a page cancelled or left without it).
function discardAll(root) {
    if (!root)
        return
    const stack = [root]
    while (stack.length > 0) {
        const it = stack.pop()
        if (it.isEditor === true && typeof it.discardEdit === "function")
            it.discardEdit()
        const kids = it.children
        if (kids)
            for (let i = 0; i < kids.length; ++i)
                stack.push(kids[i])
    }
}

function invalidMessage(editor) {
    const name = editor.label !== "" ? editor.label : qsTr("Значение")
    return "«" + name.replace(/\n/g, " ") + "»: " + editor.rangeText
}
