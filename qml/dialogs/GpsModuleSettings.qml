import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "gps"

// The GPS module on CAN 2: how its accelerometer is mounted, the acceleration and braking runs the
// dash times, the start line of lap timing and the reference lap the dash compares laps with.
// Calibrations and the reference lap live on the dash, so those buttons need a connection.
BasicDialog {
    id: root
    objectName: "gpsModuleSettings"
    fullScreen: true
    title: qsTr("Модуль GPS, CAN 2")

    readonly property var dash: DevSettings.dash
    readonly property var gps: dash ? dash.commonSettings.gpsAccelerationMeasureSettings : null
    readonly property real ps: AppStyle.pixelScale
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    readonly property string notConnectedText: qsTr("Нужно быть подключенным к Ardix")
    readonly property int maxSpeed: 500      // km/h
    readonly property int maxDistance: 10000 // m
    readonly property string refLapFileName: "refLap"

    // Read again when the device sends a lap and when the start line changes (the lap's start
    // point is compared with it).
    property int refLapRevision: 0
    readonly property var refLap: {
        refLapRevision
        if (gps) {
            gps.startPointLat
            gps.startPointLon
            gps.startPointCourse
        }
        return kernel && typeof kernel.getRefLapInfo === "function" ? kernel.getRefLapInfo() : ({ isLapExist: false })
    }
    readonly property bool hasRefLap: refLap.isLapExist === true
    // Set once the dash has sent its accelerometer readings while the page is open.
    property bool accCalibrated: false

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: if (kernel) kernel.applyNewArdixSettings()

    function tell(text) {
        if (window && typeof window.createDialog === "function")
            window.createDialog({ dialogText: text })
        else if (window && typeof window.infoDialog === "function")
            window.infoDialog(text)
    }

    // A command for the dash, or the reason it cannot go.
    function sendCommand(command) {
        if (!isConnected) {
            tell(notConnectedText)
            return false
        }
        kernel.sendToArdixQueue(ArdixEnums.CommandMessage, command, 0)
        return true
    }

    function calibrateStartLine() { sendCommand(ArdixEnums.StartLineCalibration) }
    function calibrateAccelerometer() {
        accCalibrated = false
        sendCommand(ArdixEnums.AccelerometerCalibration)
    }
    function loadRefLapFromDevice() { sendCommand(ArdixEnums.GetRefLap) }

    function eraseRefLap() {
        if (!isConnected) {
            tell(notConnectedText)
            return
        }
        if (!window || typeof window.createDialog !== "function")
            return
        window.createDialog({ dialogTitle: qsTr("Внимание"), dialogText: qsTr("Удалить лучший круг из памяти Ardix?"),
                              acceptBtnText: qsTr("Удалить"), acceptBtnColor: AppStyle.destructiveColor, isCancelBtnVisible: true },
                            { accepted: function() {
                                // Asking again right after shows what the dash keeps now.
                                if (root.sendCommand(ArdixEnums.EraseRefLap))
                                    root.kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.GetRefLap, 0)
                            } })
    }

    function startLineFromRefLap() {
        if (kernel && hasRefLap)
            kernel.applyStartLineFromRefLap()
    }

    function showFile(fileType, isImport, name) {
        if (window && typeof window.showFileDialog === "function")
            window.showFileDialog(ArdixEnums.Device_Ardix7, fileType, isImport, name)
    }

    function setStartPointName(text) {
        const name = text.trim()
        if (gps && name.length > 0 && name !== gps.startPointName)
            gps.startPointName = name
    }

    function coordText(value, dec) {
        return Number(value).toFixed(dec)
    }

    // Tab through the page: the focused editor scrolls into view.
    Connections {
        target: root.Window.window
        function onActiveFocusItemChanged() {
            const item = root.Window.activeFocusItem
            let p = item ? item.parent : null
            while (p && p !== columns)
                p = p.parent
            if (!p)
                return
            const y = item.mapToItem(columns, 0, 0).y
            if (y < flick.contentY)
                flick.contentY = y
            else if (y + item.height > flick.contentY + flick.height)
                flick.contentY = Math.min(y + item.height - flick.height, flick.contentHeight - flick.height)
        }
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onRefLapDataRecieved() { root.refLapRevision++ }
        function onAccelerometerCalibrationDataRecieved() { root.accCalibrated = true }
    }

    component Caption: Text {
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicFontSize
        verticalAlignment: Text.AlignVCenter
        elide: Text.ElideRight
    }
    component Bit: CheckBoxNuvo {
        width: parent.width
        target: root.gps; property: "configBits"
        flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
    }
    component PageButton: FlatButton {
        height: AppStyle.textInputHeight
        fontSize: AppStyle.basicFontSize
    }

    Flickable {
        id: flick
        anchors.fill: parent
        anchors.margins: 12 * root.ps
        contentHeight: columns.height
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        ScrollBar.vertical: ScrollBar { policy: flick.contentHeight > flick.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }

        Row {
            id: columns
            readonly property real columnWidth: (flick.width - spacing - 14 * root.ps) / 2
            spacing: 12 * root.ps

            Column {
                width: columns.columnWidth
                spacing: 12 * root.ps

                GpsGroup {
                    width: parent.width
                    title: qsTr("Модуль и акселерометр")
                    Bit {
                        objectName: "rollOutCheck"
                        text: qsTr("Старт замера после отката 30 см (1 фут)")
                        bit: ArdixEnums.GpsModule_IsOneFootRollOut
                    }
                    Bit {
                        objectName: "accXInvertedCheck"
                        text: qsTr("Ось X инвертирована")
                        bit: ArdixEnums.GpsModule_IsAccXInverted
                    }
                    Bit {
                        objectName: "accYInvertedCheck"
                        text: qsTr("Ось Y инвертирована")
                        bit: ArdixEnums.GpsModule_IsAccYInverted
                    }
                    Bit {
                        objectName: "accZInvertedCheck"
                        text: qsTr("Ось Z инвертирована")
                        bit: ArdixEnums.GpsModule_IsAccZInverted
                    }
                    Bit {
                        objectName: "accXYSwapedCheck"
                        text: qsTr("Поменять местами оси X и Y")
                        bit: ArdixEnums.GpsModule_IsAccXYSwaped
                    }
                }

                GpsGroup {
                    width: parent.width
                    title: qsTr("Калибровка акселерометра")
                    Caption {
                        width: parent.width
                        wrapMode: Text.WordWrap
                        elide: Text.ElideNone
                        text: qsTr("Автомобиль стоит на ровной площадке, двигатель можно не глушить")
                    }
                    Row {
                        spacing: 16 * root.ps
                        Caption {
                            objectName: "accValuesText"
                            width: parent.parent.width - calibrateAccButton.width - parent.spacing
                            height: AppStyle.textInputHeight
                            text: root.gps ? "X: " + root.gps.accXCalibrationValue + "    Y: " + root.gps.accYCalibrationValue
                                             + "    Z: " + root.gps.accZCalibrationValue
                                           : ""
                            color: root.accCalibrated ? AppStyle.confirmColor : AppStyle.textColor
                        }
                        PageButton {
                            id: calibrateAccButton
                            objectName: "calibrateAccButton"
                            width: 220 * root.ps
                            text: qsTr("Калибровать")
                            onClicked: root.calibrateAccelerometer()
                        }
                    }
                }

                GpsGroup {
                    width: parent.width
                    title: qsTr("Замеры разгона и торможения")
                    Repeater {
                        model: 4
                        RangeRow {
                            required property int index
                            objectName: "speedRange_" + index
                            pairIndex: index
                            gps: root.gps; dash: root.dash
                            listName: "userSpeedRanges"
                            label: qsTr("Разгон %1").arg(index + 1)
                            units: qsTr("км/ч")
                            maxValue: root.maxSpeed
                        }
                    }
                    Repeater {
                        model: 3
                        RangeRow {
                            required property int index
                            objectName: "distanceRange_" + index
                            pairIndex: index
                            gps: root.gps; dash: root.dash
                            listName: "userDistanceRanges"
                            label: qsTr("Дистанция %1").arg(index + 1)
                            units: qsTr("м")
                            maxValue: root.maxDistance
                        }
                    }
                    Row {
                        spacing: 10 * root.ps
                        Caption { width: 170 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Торможение") }
                        Caption { width: 28 * root.ps; height: AppStyle.textInputHeight; text: qsTr("с") }
                        IntTextField {
                            label: qsTr("Торможение с")
                            unit: qsTr("км/ч")
                            objectName: "brakingField"
                            width: 130 * root.ps
                            intTo: root.maxSpeed
                            placeholderText: qsTr("Торможение с")
                            target: root.gps; property: "userBreakingSpeed"
                            flagTarget: root.dash; changeFlag: "commonSettingsHasChanges"
                        }
                        Caption { height: AppStyle.textInputHeight; text: qsTr("до 0") }
                    }
                }
            }

            Column {
                width: columns.columnWidth
                spacing: 12 * root.ps

                GpsGroup {
                    width: parent.width
                    title: qsTr("Стартовая линия")
                    Row {
                        spacing: 10 * root.ps
                        Caption { width: 150 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Название") }
                        TextSettingField {
                            objectName: "startNameField"
                            width: parent.parent.width - 160 * root.ps
                            maxBytes: 59
                            emptyAllowed: false
                            label: qsTr("Название стартовой линии")
                            placeholderText: label
                            textValue: root.gps ? root.gps.startPointName : ""
                            onValueCommitted: (v) => root.setStartPointName(v)
                        }
                    }
                    Row {
                        spacing: 10 * root.ps
                        Caption { width: 150 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Широта") }
                        CoordinateField {
                            label: qsTr("Широта")
                            objectName: "latField"
                            width: 220 * root.ps
                            placeholderText: qsTr("Широта")
                            floatFrom: -90; floatTo: 90
                            gps: root.gps; dash: root.dash; name: "startPointLat"
                        }
                        Caption { height: AppStyle.textInputHeight; text: "°" }
                    }
                    Row {
                        spacing: 10 * root.ps
                        Caption { width: 150 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Долгота") }
                        CoordinateField {
                            label: qsTr("Долгота")
                            objectName: "lonField"
                            width: 220 * root.ps
                            placeholderText: qsTr("Долгота")
                            gps: root.gps; dash: root.dash; name: "startPointLon"
                        }
                        Caption { height: AppStyle.textInputHeight; text: "°" }
                    }
                    Row {
                        spacing: 10 * root.ps
                        Caption { width: 150 * root.ps; height: AppStyle.textInputHeight; text: qsTr("Курс") }
                        CoordinateField {
                            label: qsTr("Курс")
                            objectName: "courseField"
                            width: 220 * root.ps
                            placeholderText: qsTr("Курс")
                            floatFrom: 0; floatTo: 360; floatDec: 2
                            gps: root.gps; dash: root.dash; name: "startPointCourse"
                        }
                        Caption { height: AppStyle.textInputHeight; text: "°" }
                    }
                    Caption {
                        width: parent.width
                        wrapMode: Text.WordWrap
                        elide: Text.ElideNone
                        text: qsTr("Проезжая стартовую линию по ходу движения, нажмите:")
                    }
                    PageButton {
                        objectName: "calibrateStartButton"
                        width: parent.width
                        text: qsTr("Взять положение автомобиля")
                        onClicked: root.calibrateStartLine()
                    }
                    Row {
                        spacing: 10 * root.ps
                        PageButton {
                            objectName: "startImportButton"
                            width: (parent.parent.width - parent.spacing) / 2
                            text: qsTr("Загрузить из файла")
                            onClicked: root.showFile(ArdixEnums.StartLine_FileType, true, "")
                        }
                        PageButton {
                            objectName: "startExportButton"
                            width: (parent.parent.width - parent.spacing) / 2
                            text: qsTr("Сохранить в файл")
                            onClicked: root.showFile(ArdixEnums.StartLine_FileType, false, root.gps ? root.gps.startPointName : "")
                        }
                    }
                }

                GpsGroup {
                    width: parent.width
                    title: qsTr("Лучший круг (эталон)")
                    Caption {
                        objectName: "refLapTimeText"
                        width: parent.width
                        text: root.hasRefLap ? qsTr("Время круга: %1").arg(root.refLap.lapTimeString) : qsTr("Лучшего круга нет")
                        font.pixelSize: AppStyle.basicTitleSize
                    }
                    Caption {
                        objectName: "refLapFinishText"
                        visible: root.hasRefLap
                        width: parent.width
                        text: root.hasRefLap ? qsTr("Финиш: %1").arg(root.refLap.finishDate) + " " + root.refLap.finishTime : ""
                    }
                    Caption {
                        objectName: "refLapStartText"
                        visible: root.hasRefLap
                        width: parent.width
                        wrapMode: Text.WordWrap
                        elide: Text.ElideNone
                        text: root.refLap.isStartPointValid ? qsTr("Стартовая линия круга совпадает с текущей")
                                                            : qsTr("Стартовая линия круга отличается от текущей")
                        color: root.refLap.isStartPointValid ? AppStyle.confirmColor : AppStyle.errorColor
                    }
                    PageButton {
                        objectName: "refLapStartLineButton"
                        visible: root.hasRefLap && !root.refLap.isStartPointValid
                        width: parent.width
                        text: qsTr("Взять стартовую линию из круга")
                        onClicked: root.startLineFromRefLap()
                    }
                    Row {
                        spacing: 10 * root.ps
                        PageButton {
                            objectName: "refLapGetButton"
                            width: (parent.parent.width - parent.spacing) / 2
                            text: qsTr("Загрузить с Ardix")
                            onClicked: root.loadRefLapFromDevice()
                        }
                        PageButton {
                            objectName: "refLapEraseButton"
                            width: (parent.parent.width - parent.spacing) / 2
                            color: AppStyle.destructiveColor
                            text: qsTr("Удалить на Ardix")
                            onClicked: root.eraseRefLap()
                        }
                    }
                    Row {
                        spacing: 10 * root.ps
                        PageButton {
                            objectName: "refLapImportButton"
                            width: (parent.parent.width - parent.spacing) / 2
                            text: qsTr("Загрузить из файла")
                            onClicked: root.showFile(ArdixEnums.RefLap_FileType, true, "")
                        }
                        PageButton {
                            objectName: "refLapExportButton"
                            width: (parent.parent.width - parent.spacing) / 2
                            enabled: root.hasRefLap
                            text: qsTr("Сохранить в файл")
                            onClicked: root.showFile(ArdixEnums.RefLap_FileType, false, root.refLapFileName)
                        }
                    }
                }
            }
        }
    }
}
