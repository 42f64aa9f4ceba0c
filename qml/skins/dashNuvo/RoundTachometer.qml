import QtQuick
import QtQuick.Shapes
import ARDIX 1.0

// The round mode's tachometer: a wide ring over the upper part of a circle, filled to the red-lamp
// threshold, with the lamp bands inside it, a tick every 100 rpm and a number every 1000.
BasicSensorItem {
    id: tach
    width: 740 * s
    height: 650 * s
    fixedSensor: ArdixEnums.EngineRpm_index
    isCanChangeSensID: false

    readonly property real radius: 0.497 * width
    readonly property real ringWidth: 75 * s
    readonly property real cx: width / 2
    readonly property real startDeg: 0.92 * 180
    readonly property real sweepDeg: (2.08 - 0.92) * 180
    // The ring's start lies on y 466.
    readonly property real cy: 466 * s - radius * Math.sin(0.92 * Math.PI)
    readonly property int maximum: sensor ? sensor.maxPossibleValue : 0
    function ratio(rpm) { return maximum > 0 ? Math.max(0, Math.min(1, rpm / maximum)) : 0 }
    function angle(rpm) { return startDeg + sweepDeg * ratio(rpm) }
    function pointAt(r, deg) {
        const a = deg * Math.PI / 180
        return Qt.point(cx + r * Math.cos(a), cy + r * Math.sin(a))
    }
    function tickPaths() {
        const lines = []
        if (maximum <= 0 || maximum > 20000)
            return lines
        for (let r = 100; r < maximum; r += 100)
            lines.push([pointAt(radius, angle(r)), pointAt(radius - ringWidth, angle(r))])
        return lines
    }

    component Arc: ShapePath {
        property real r: 0
        property real from: 0
        property real sweep: 0
        property real widthPx: 0
        strokeWidth: widthPx
        fillColor: AppStyle.clearColor
        capStyle: ShapePath.FlatCap
        PathAngleArc { centerX: tach.cx; centerY: tach.cy; radiusX: r; radiusY: r; startAngle: from; sweepAngle: sweep }
    }

    Shape {
        anchors.fill: parent
        Arc { // background
            strokeColor: AppStyle.deepColor
            r: tach.radius - tach.ringWidth / 2; widthPx: tach.ringWidth + 24 * tach.s
            from: tach.startDeg - 2; sweep: tach.sweepDeg + 4
        }
        Arc {
            strokeColor: AppStyle.midGreyColor
            r: tach.radius - tach.ringWidth / 2; widthPx: tach.ringWidth
            from: tach.startDeg; sweep: tach.sweepDeg
        }
        Arc {
            strokeColor: AppStyle.limeColor
            r: tach.radius - tach.ringWidth / 2; widthPx: tach.ringWidth
            from: tach.startDeg; sweep: tach.sweepDeg * tach.ratio(tach.sensorMaxValue)
        }
        ShapePath {
            strokeColor: AppStyle.darkGreyColor
            strokeWidth: 2 * tach.s
            fillColor: AppStyle.clearColor
            PathMultiline { paths: tach.tickPaths() }
        }
        Arc { // lamp bands inside the ring
            strokeColor: AppStyle.amberColor
            r: tach.radius - tach.ringWidth - 7 * tach.s; widthPx: 11 * tach.s
            from: tach.angle(tach.sensorMinValue)
            sweep: tach.angle(tach.sensorMaxValue) - tach.angle(tach.sensorMinValue)
        }
        Arc {
            strokeColor: AppStyle.errorColor
            r: tach.radius - tach.ringWidth - 7 * tach.s; widthPx: 11 * tach.s
            from: tach.angle(tach.sensorMaxValue)
            sweep: tach.startDeg + tach.sweepDeg - tach.angle(tach.sensorMaxValue)
        }
    }
    readonly property int thousands: maximum > 0 && maximum <= 20000 ? Math.floor(maximum / 1000) : 0
    // A dark triangle at each thousand, all in one path.
    function arrowsPath() {
        let path = ""
        for (let i = 1; i <= thousands; ++i) {
            const deg = angle(i * 1000)
            const tip = pointAt(radius - ringWidth + 4 * s, deg)
            const b1 = pointAt(radius - ringWidth - 16 * s, deg - 2.2)
            const b2 = pointAt(radius - ringWidth - 16 * s, deg + 2.2)
            path += "M " + tip.x + " " + tip.y + " L " + b1.x + " " + b1.y + " L " + b2.x + " " + b2.y + " Z "
        }
        return path
    }
    Shape {
        anchors.fill: parent
        ShapePath {
            fillColor: AppStyle.deepColor
            strokeColor: AppStyle.clearColor
            PathSvg { path: tach.arrowsPath() }
        }
    }
    Repeater { // a number every 1000 rpm
        model: tach.thousands
        Text {
            readonly property point mid: tach.pointAt(tach.radius - tach.ringWidth / 2, tach.angle((index + 1) * 1000))
            x: mid.x - width / 2
            y: mid.y - height / 2
            text: index + 1
            color: AppStyle.whiteColor
            style: Text.Outline
            styleColor: AppStyle.deepColor
            font.pixelSize: 40 * tach.s
        }
    }
    BlinkLayer {
        x: tach.cx - tach.radius; y: tach.cy - tach.radius
        width: 2 * tach.radius; height: width; radius: width / 2
        peak: 0.4
        active: tach.warningActive
    }
}
