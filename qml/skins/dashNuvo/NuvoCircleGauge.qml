import QtQuick
import QtQuick.Shapes
import ARDIX 1.0

// The circle gauge: a ring from straight down clockwise to the right, its scale, the warning mark,
// and either a needle (default) or a yellow bar (`barForm`). The gear shows as a large letter, the
// drive-train indicator as its picture.
BasicSensorItem {
    id: gauge
    property bool barForm: false
    width: 360 * s
    height: width

    // Everything inside is drawn for a 360 wide gauge and scaled with the width, so that a smaller
    // gauge keeps its numbers clear of each other.
    readonly property real u: width / 360
    readonly property real c: width / 2
    readonly property real outer: c - 2 * u
    readonly property real inner: outer - 16 * u
    readonly property bool isBoost: sensID === ArdixEnums.BoostPressure_index || sensID === ArdixEnums.BoostPressure_index2
    readonly property bool isGear: sensID === ArdixEnums.Gear_index
    readonly property bool isAwd: sensID === ArdixEnums.AWD_Indicator_index
    readonly property bool isDial: !isGear && !isAwd
    readonly property var limits: sensor ? SkinGeometry.circleData(sensor) : ({ maximum: 0, mark: 0 })
    readonly property var scaleInfo: SkinGeometry.gaugeScale(limits.maximum, isFloat, isBoost)
    readonly property real unit: isFloat ? 100 : 1
    readonly property real ratio: SkinGeometry.gaugeRatio(scaleInfo, sensorValue / unit)
    readonly property real markRatio: SkinGeometry.gaugeRatio(scaleInfo, limits.mark / unit)
    readonly property real startAngle: 90 // degrees, clockwise from the right: straight down
    readonly property real sweep: 270
    readonly property real markWidth: 0.04 * u * 180 / Math.PI

    function pointAt(r, angleDeg) {
        const a = angleDeg * Math.PI / 180
        return Qt.point(c + r * Math.cos(a), c + r * Math.sin(a))
    }
    function tickPaths() {
        const lines = []
        const n = scaleInfo.linesCount
        if (n <= 0 || n > 2000)
            return lines
        const from = inner - 32 * u
        for (let i = 0; i < n; ++i) {
            const major = i % scaleInfo.subDivisions === 0
            const angle = startAngle + sweep * i / n
            lines.push([pointAt(from, angle), pointAt(inner - (major ? 10.4 : 16) * u, angle)])
        }
        return lines
    }

    Rectangle {
        id: innerDisc
        visible: gauge.isDial
        x: gauge.c - gauge.inner; y: x
        width: 2 * gauge.inner; height: width; radius: width / 2
        color: gauge.barForm ? AppStyle.deepColor : AppStyle.blackColor
    }
    BlinkLayer {
        x: gauge.barForm ? innerDisc.x : gauge.c - gauge.outer
        y: x
        width: gauge.barForm ? innerDisc.width : 2 * gauge.outer
        height: width
        radius: width / 2
        peak: 0.8
        active: gauge.warningActive
    }

    Shape {
        visible: gauge.isDial
        anchors.fill: parent
        ShapePath { // the ring
            strokeColor: gauge.barForm ? AppStyle.surfaceColor : AppStyle.lineColor
            strokeWidth: 16 * gauge.u
            fillColor: AppStyle.clearColor
            capStyle: ShapePath.FlatCap
            PathAngleArc {
                centerX: gauge.c; centerY: gauge.c
                radiusX: gauge.outer - 8 * gauge.u; radiusY: radiusX
                startAngle: gauge.startAngle
                sweepAngle: gauge.sweep
            }
        }
        ShapePath { // ticks
            strokeColor: AppStyle.midGreyColor
            strokeWidth: 2 * gauge.u
            fillColor: AppStyle.clearColor
            PathMultiline { paths: gauge.tickPaths() }
        }
        ShapePath { // the value bar of the bar form
            strokeColor: gauge.barForm && gauge.sensorValue !== 0 ? AppStyle.amberColor : AppStyle.clearColor
            strokeWidth: 16 * gauge.u
            fillColor: AppStyle.clearColor
            capStyle: ShapePath.FlatCap
            PathAngleArc {
                centerX: gauge.c; centerY: gauge.c
                radiusX: gauge.outer - 8 * gauge.u; radiusY: radiusX
                startAngle: gauge.startAngle
                sweepAngle: gauge.sweep * gauge.ratio
            }
        }
        ShapePath { // the warning mark, a thin wedge ending at the threshold
            strokeColor: gauge.limits.mark !== 0 ? AppStyle.errorColor : AppStyle.clearColor
            strokeWidth: 16 * gauge.u
            fillColor: AppStyle.clearColor
            capStyle: ShapePath.FlatCap
            PathAngleArc {
                centerX: gauge.c; centerY: gauge.c
                radiusX: gauge.outer - 8 * gauge.u; radiusY: radiusX
                startAngle: Math.max(gauge.startAngle, gauge.startAngle + gauge.sweep * gauge.markRatio - gauge.markWidth)
                sweepAngle: Math.min(gauge.markWidth, gauge.sweep * gauge.markRatio)
            }
        }
    }

    Repeater { // labels
        model: gauge.isDial ? gauge.scaleInfo.labelsCount : 0
        Text {
            readonly property real angle: gauge.startAngle + gauge.sweep * index * gauge.scaleInfo.subDivisions
                                          / gauge.scaleInfo.linesCount
            readonly property point at: gauge.pointAt(gauge.inner - 59.2 * gauge.u, angle)
            text: SkinGeometry.gaugeLabel(gauge.scaleInfo, index)
            x: at.x - width / 2
            y: at.y - height / 2
            color: AppStyle.whiteColor
            font.pixelSize: (text.indexOf(".") >= 0 ? 25 : gauge.isBoost ? 45 : 35) * gauge.u
        }
    }

    // Needle form
    Shape {
        visible: gauge.isDial && !gauge.barForm
        x: gauge.c - 10.5 * gauge.u
        y: gauge.c - 132 * gauge.u
        width: 21 * gauge.u
        height: 132 * gauge.u
        transformOrigin: Item.Bottom
        rotation: -180 + 270 * gauge.ratio
        Behavior on rotation { NumberAnimation { duration: 2000; easing.type: Easing.OutCubic } }
        ShapePath {
            fillColor: AppStyle.errorColor
            strokeColor: AppStyle.clearColor
            startX: 0; startY: 132 * gauge.u
            PathLine { x: 10.5 * gauge.u; y: 0 }
            PathLine { x: 21 * gauge.u; y: 132 * gauge.u }
            PathLine { x: 0; y: 132 * gauge.u }
        }
    }
    Rectangle {
        visible: gauge.isDial && !gauge.barForm
        width: 34 * gauge.u; height: width; radius: width / 2
        x: gauge.c - width / 2; y: x
        color: AppStyle.surfaceColor
        border.color: AppStyle.lineColor
        border.width: 2 * gauge.u
    }
    Text {
        id: needleValue
        objectName: "gaugeValue"
        visible: gauge.isDial && !gauge.barForm
        anchors { right: parent.right; rightMargin: 10 * gauge.u; bottom: parent.bottom; bottomMargin: 24 * gauge.u }
        text: gauge.valueText
        color: AppStyle.whiteColor
        font.pixelSize: 50 * gauge.u
    }
    Text {
        visible: gauge.isDial && !gauge.barForm
        anchors { right: needleValue.right; bottom: needleValue.top }
        text: gauge.sensorName.toUpperCase()
        color: AppStyle.placeholderColor
        font.pixelSize: 20 * gauge.u
    }

    // Bar form
    Column {
        visible: gauge.isDial && gauge.barForm
        anchors.centerIn: parent
        Text {
            anchors.horizontalCenter: parent.horizontalCenter
            text: gauge.valueText
            color: AppStyle.amberColor
            font.pixelSize: (gauge.sensorValue < 1300 ? 70 : 50) * gauge.u
        }
        Text { // the name under the value
            anchors.horizontalCenter: parent.horizontalCenter
            text: gauge.sensorName.toUpperCase()
            color: AppStyle.placeholderColor
            font.pixelSize: 22 * gauge.u
        }
    }

    Text {
        visible: gauge.isGear
        anchors.centerIn: parent
        text: SkinGeometry.gearText(gauge.sensorValue)
        color: AppStyle.whiteColor
        font.pixelSize: 280 * gauge.u
    }
    Loader {
        active: gauge.isAwd
        anchors.centerIn: parent
        height: parent.height * 0.7
        width: height * 0.75
        sourceComponent: AwdPicture {}
    }
}
