import QtQuick
import ARDIX 1.0
import "LapTexts.js" as LapTexts

// One entry of the laps list: a lap (time, finish, difference to the best) or a half-height break.
Rectangle {
    id: root
    required property int index
    required property var modelData
    property int bestMsec: 0
    property bool selected: false
    readonly property real ps: AppStyle.pixelScale
    readonly property bool isLap: modelData.isLapValid
    readonly property bool isBest: isLap && modelData.lapTimeMsecs === bestMsec

    signal chosen()

    height: isLap ? AppStyle.basicRowHeight : AppStyle.basicRowHeight / 2
    color: selected ? AppStyle.selectionColor : (isLap ? AppStyle.whiteColor : AppStyle.rowAltColor)
    border.color: selected ? AppStyle.primaryColor : AppStyle.borderColor
    border.width: selected ? 2 : 1
    activeFocusOnTab: isLap
    Accessible.role: Accessible.ListItem
    Accessible.name: isLap ? (index + 1) + " " + modelData.lapTimeString : qsTr("Не полный круг")
    Keys.onReturnPressed: if (isLap) root.chosen()

    MouseArea {
        anchors.fill: parent
        enabled: root.isLap
        onClicked: root.chosen()
    }
    Text {
        id: number
        x: 10 * root.ps
        width: 34 * root.ps
        anchors.verticalCenter: parent.verticalCenter
        text: root.index + 1
        color: AppStyle.midGreyColor
        font.pixelSize: AppStyle.basicFontSize
    }
    Text {
        visible: !root.isLap
        anchors.left: number.right
        anchors.verticalCenter: parent.verticalCenter
        text: qsTr("Не полный круг")
        color: AppStyle.midGreyColor
        font.pixelSize: AppStyle.basicFontSize
    }
    Text {
        id: time
        visible: root.isLap
        anchors.left: number.right
        y: 6 * root.ps
        text: root.modelData.lapTimeString
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize
    }
    Text {
        visible: root.isLap
        anchors.right: parent.right
        anchors.rightMargin: 10 * root.ps
        anchors.baseline: time.baseline
        text: LapTexts.lapDiffText(root.modelData.lapTimeMsecs, root.bestMsec)
        color: root.isBest ? AppStyle.confirmColor : AppStyle.destructiveColor
        font.pixelSize: AppStyle.basicFontSize
    }
    Text {
        visible: root.isLap
        anchors.left: number.right
        anchors.right: parent.right
        anchors.bottom: parent.bottom
        anchors.bottomMargin: 6 * root.ps
        text: LapTexts.finishText(root.modelData)
        color: AppStyle.subtleTextColor
        font.pixelSize: AppStyle.basicFontSize * 0.85
        elide: Text.ElideRight
    }
}
