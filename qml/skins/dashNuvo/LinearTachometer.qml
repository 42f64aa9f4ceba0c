import QtQuick
import QtQuick.Shapes
import ARDIX 1.0

// The main mode's tachometer strip: a band rising along a curve, filled to the red-lamp threshold,
// a tick every 100 rpm, an arrow and a number every 1000.
BasicSensorItem {
    id: tach
    width: 1170 * s
    height: 298 * s
    fixedSensor: ArdixEnums.EngineRpm_index
    isCanChangeSensID: false
    clickWidthRatio: 0.9
    clickHeightRatio: 0.35

    readonly property int maximum: sensor ? sensor.maxPossibleValue : 0
    readonly property real fill: maximum > 0 ? Math.min(1, sensorMaxValue / maximum) : 0
    // Upper and lower edges of the band, quadratic curves in reference units.
    readonly property var upper: [Qt.point(0, 120), Qt.point(420, 20), Qt.point(1168, 8)]
    readonly property var lower: [Qt.point(0, 190), Qt.point(430, 88), Qt.point(1168, 76)]

    function curve(p, t) {
        const a = (1 - t) * (1 - t), b = 2 * (1 - t) * t, c = t * t
        return Qt.point((a * p[0].x + b * p[1].x + c * p[2].x) * s, (a * p[0].y + b * p[1].y + c * p[2].y) * s)
    }
    function band(t0, t1) {
        const pts = []
        const n = 48
        for (let i = 0; i <= n; ++i)
            pts.push(curve(upper, t0 + (t1 - t0) * i / n))
        for (let i = n; i >= 0; --i)
            pts.push(curve(lower, t0 + (t1 - t0) * i / n))
        pts.push(pts[0])
        return pts
    }
    function ticks() {
        const lines = []
        if (maximum <= 0 || maximum > 20000)
            return lines
        for (let r = 100; r < maximum; r += 100) {
            const t = r / maximum
            const p = curve(lower, t)
            const len = (r % 1000 === 0 ? 26 : 12) * s
            lines.push([p, Qt.point(p.x, p.y - len)])
        }
        return lines
    }

    Shape {
        anchors.fill: parent
        ShapePath {
            fillColor: AppStyle.surfaceColor
            strokeColor: AppStyle.surfaceColor
            strokeWidth: 2 * tach.s
            PathPolyline { path: tach.band(0, 1) }
        }
        ShapePath {
            fillColor: AppStyle.limeColor
            strokeColor: AppStyle.clearColor
            PathPolyline { path: tach.band(0, tach.fill) }
        }
        ShapePath {
            strokeColor: AppStyle.deepColor
            strokeWidth: 2 * tach.s
            fillColor: AppStyle.clearColor
            PathMultiline { paths: tach.ticks() }
        }
    }
    readonly property int thousands: maximum > 0 && maximum <= 20000 ? Math.floor(maximum / 1000) : 0
    function thousandAt(i) {
        return curve(lower, (i + 1) * 1000 / maximum)
    }
    // An arrow under each thousand, all in one path.
    function arrowsPath() {
        let path = ""
        for (let i = 0; i < thousands; ++i) {
            const p = thousandAt(i)
            const top = p.y + 2 * s, bottom = top + 14 * s
            path += "M " + p.x + " " + top + " L " + (p.x + 9 * s) + " " + bottom + " L " + (p.x - 9 * s) + " " + bottom + " Z "
        }
        return path
    }
    Shape {
        anchors.fill: parent
        ShapePath {
            fillColor: AppStyle.whiteColor
            strokeColor: AppStyle.clearColor
            PathSvg { path: tach.arrowsPath() }
        }
    }
    Repeater { // a number every 1000 rpm
        model: tach.thousands
        Text {
            readonly property point at: tach.thousandAt(index)
            x: at.x - width / 2
            y: at.y - 64 * tach.s
            text: index + 1
            color: AppStyle.whiteColor
            style: Text.Outline
            styleColor: AppStyle.deepColor
            font.pixelSize: 34 * tach.s
        }
    }
    BlinkLayer {
        anchors { top: parent.top; right: parent.right }
        width: parent.width * 0.9
        height: parent.height * 0.35
        radius: 10 * tach.s
        peak: 0.5
        active: tach.warningActive
    }
}
