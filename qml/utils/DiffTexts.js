.pragma library

// Russian count forms: plural(1, "отличие", "отличия", "отличий") is "1 отличие".
function plural(n, one, few, many) {
    const tens = n % 100
    const ones = n % 10
    if (tens >= 11 && tens <= 14)
        return n + " " + many
    if (ones === 1)
        return n + " " + one
    if (ones >= 2 && ones <= 4)
        return n + " " + few
    return n + " " + many
}

function differences(n) { return plural(n, qsTr("отличие"), qsTr("отличия"), qsTr("отличий")) }
function parameters(n) { return plural(n, qsTr("параметр"), qsTr("параметра"), qsTr("параметров")) }

// The mark of a whole-record change in a difference list.
function changeText(change) {
    if (change === "added")
        return qsTr("добавлено")
    if (change === "removed")
        return qsTr("удалено")
    return ""
}
