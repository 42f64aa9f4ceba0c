.pragma library

// Counts with their word in the interface language's plural forms ("1 отличие", "5 отличий").
function differences(n) { return qsTr("%n отличий", "", n) }
function parameters(n) { return qsTr("%n параметров", "", n) }

// The mark of a whole-record change in a difference list.
function changeText(change) {
    if (change === "added")
        return qsTr("добавлено")
    if (change === "removed")
        return qsTr("удалено")
    return ""
}
