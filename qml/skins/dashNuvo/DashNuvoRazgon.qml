import QtQuick
import ARDIX 1.0

// Mode 4, acceleration timing: three cells at the top, the GPS speed, and the tables the dash
// fills while driving, here with sample runs that animate in.
SkinPage {
    id: page
    mode: 4
    readonly property real sampleSpeed: sample.speed
    readonly property real sampleTime: sample.time
    readonly property real sampleDistance: sample.distance
    readonly property string kmh: isRu ? " км/ч" : " km/h"

    QtObject {
        id: sample
        property real speed: 0
        property real time: 0     // hundredths of a second
        property real distance: 0 // metres
    }
    // The sample run plays each time the page comes on show.
    ParallelAnimation {
        id: sampleRun
        running: true
        NumberAnimation { target: sample; property: "speed"; from: 0; to: 170; duration: 4000 }
        NumberAnimation { target: sample; property: "time"; from: 0; to: 1000; duration: 4000 }
        NumberAnimation { target: sample; property: "distance"; from: 0; to: 200; duration: 4000 }
    }
    onVisibleChanged: if (visible) sampleRun.restart()

    Repeater {
        model: 3
        WarningButtonRedRect {
            objectName: "cell" + index
            x: (40 + index * 265) * page.s; y: 125 * page.s
            width: 255 * page.s; height: 147 * page.s
            textScale: 0.85
            s: page.s; kernel: page.kernel; window: page.window; skinMode: page.mode; skinPos: index
        }
    }
    Column { // GPS speed
        x: 860 * page.s; y: 125 * page.s
        width: 380 * page.s
        Text { text: page.isRu ? "СКОРОСТЬ GPS" : "GPS Speed"; color: AppStyle.placeholderColor; font.pixelSize: 26 * page.s }
        Row {
            spacing: 14 * page.s
            Image {
                anchors.verticalCenter: parent.verticalCenter
                width: 34 * page.s; height: width
                source: "qrc:/ARDIX/images/skins/dash_nuvo/main/needle_gps.svg"
                sourceSize: Qt.size(width, height)
            }
            Text { anchors.verticalCenter: parent.verticalCenter; text: "12"; color: AppStyle.whiteColor; font.pixelSize: 30 * page.s }
            Text {
                anchors.verticalCenter: parent.verticalCenter
                text: page.isRu ? "МАКС" : "max"
                color: AppStyle.placeholderColor
                font.pixelSize: 26 * page.s
            }
            Text {
                text: Math.round(page.sampleSpeed)
                color: AppStyle.warningColor
                font.pixelSize: 84 * page.s
            }
        }
    }

    component Block: Column {
        property string title: ""
        spacing: 3 * page.s
        Text { text: parent.title; color: AppStyle.placeholderColor; font.pixelSize: 22 * page.s; bottomPadding: 2 * page.s }
    }
    // One measured run: its label, a bar and the result.
    component RunRow: Row {
        id: run
        property string label: ""
        property real fill: 0 // 0 to 1
        property real barWidth: 200
        property string result: "-"
        property string extra: ""
        spacing: 10 * page.s
        height: 25 * page.s
        Text { width: 120 * page.s; text: run.label; color: AppStyle.whiteColor; font.pixelSize: 21 * page.s }
        Rectangle {
            anchors.verticalCenter: parent.verticalCenter
            width: run.barWidth * page.s; height: 14 * page.s
            color: AppStyle.surfaceColor
            Rectangle {
                width: parent.width * Math.max(0, Math.min(1, run.fill))
                height: parent.height
                color: run.fill >= 1 ? AppStyle.limeColor : AppStyle.orangeColor
            }
        }
        Text { width: 80 * page.s; text: run.result; color: AppStyle.whiteColor; font.pixelSize: 21 * page.s; horizontalAlignment: Text.AlignRight }
        Text { text: run.extra; color: AppStyle.placeholderColor; font.pixelSize: 21 * page.s }
    }
    function speedFill(lower, upper) {
        return sampleSpeed <= lower ? 0 : sampleSpeed >= upper ? 1 : (sampleSpeed - lower) / (upper - lower)
    }
    function runResult(fill) {
        return fill <= 0 ? "-" : (sampleTime / 100).toFixed(2)
    }

    Column {
        x: 40 * page.s; y: 290 * page.s
        spacing: 14 * page.s
        Block {
            title: page.isRu ? "РАЗГОН" : "speed"
            Repeater {
                model: [[0, 60], [0, 100], [0, 200], [100, 200], [0, 300], [100, 300], [200, 300]]
                RunRow {
                    label: modelData[0] + " - " + modelData[1]
                    fill: page.speedFill(modelData[0], modelData[1])
                    result: page.runResult(fill)
                    extra: page.kmh
                }
            }
        }
        Block {
            title: page.isRu ? "ДОП.ЗАМЕРЫ" : "user add."
            Repeater {
                model: [[0, 90], [100, 150], [100, 180], [150, 200]]
                RunRow {
                    label: modelData[0] + " - " + modelData[1]
                    fill: page.speedFill(modelData[0], modelData[1])
                    result: page.runResult(fill)
                    extra: page.kmh
                }
            }
        }
    }
    Column {
        x: 660 * page.s; y: 290 * page.s
        spacing: 14 * page.s
        Block {
            title: page.isRu ? "ДИСТАНЦИЯ" : "distance"
            Repeater {
                model: [["60FT", 18], ["330FT", 101], ["1/8", 201], ["1000FT", 301], ["1/4", 402], ["1 km", 1000], ["1 mile", 1600]]
                RunRow {
                    label: modelData[0]
                    barWidth: 177
                    fill: page.sampleDistance / modelData[1]
                    result: page.runResult(fill)
                    extra: fill >= 1 ? Math.round(page.sampleSpeed * modelData[1] / 200) + page.kmh : ""
                }
            }
        }
        Block {
            title: page.isRu ? "ТОРМОЖЕНИЕ" : "braking"
            RunRow { label: "100 - 0"; barWidth: 177; extra: page.kmh }
        }
        Row {
            spacing: 40 * page.s
            Repeater {
                model: [[page.isRu ? "ПИКОВОЕ \nУСКОРЕНИЕ" : "MAX \naccel.", 9],
                        [page.isRu ? "ПИКОВОЕ \nТОРМОЖЕНИЕ" : "MAX \nbraking", 12]]
                Row {
                    spacing: 10 * page.s
                    Text { text: modelData[0]; color: AppStyle.placeholderColor; font.pixelSize: 20 * page.s }
                    Text { text: (modelData[1] / 10).toFixed(1) + " G"; color: AppStyle.limeColor; font.pixelSize: 34 * page.s }
                }
            }
        }
    }
}
