import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// Picks the sensor one cell of the replica shows: the sensors the cell accepts, two to a column,
// the current one highlighted; below, removing it and its warning settings.
BasicDialog {
    id: menu
    objectName: "sensorMenu"
    title: qsTr("Выбор показателя")
    backgroundItemWidth: 1100 * AppStyle.pixelScale
    backgroundItemHeight: 560 * AppStyle.pixelScale

    property int parent_id: 0
    property var availableStdSensors: []
    property var availableCustomSensors: []
    property bool isCircuitSensorsAvailable: true

    readonly property int currentSensor: kernel ? SkinGeometry.cellSensor(DevSettings.dash, kernel.curSkinNum,
                                                                          kernel.curSkinMode, parent_id) : 0
    readonly property var current: kernel ? kernel.getSensor(currentSensor) : null
    property var choices: []

    function accepts(sensor, id) {
        return sensor.custom ? availableCustomSensors.indexOf(id) >= 0 : availableStdSensors.indexOf(id) >= 0
    }
    function buildChoices() {
        const list = []
        if (!kernel)
            return list
        const ids = SkinGeometry.activeSensors(DevSettings.dash)
        for (let i = 0; i < ids.length; ++i) {
            const sensor = kernel.getSensor(ids[i])
            if (sensor && sensor.enable && accepts(sensor, ids[i]))
                list.push({ id: ids[i], name: sensor.shortSensorName, icon: sensor.icon })
        }
        if (isCircuitSensorsAvailable) {
            const laps = kernel.circuit_sensors
            for (let j = 0; j < laps.length; ++j)
                if (laps[j].enable)
                    list.push({ id: laps[j].sensorID, name: laps[j].shortSensorName, icon: laps[j].icon })
        }
        return list
    }
    readonly property int ecuProtocol: DevSettings.dash ? DevSettings.dash.commonSettings.currEcuProtocol : 0
    // The menu lists active sensors only; a short list is explained and the way to more is offered.
    function openSensorsPage(props) {
        if (window && typeof window.openSettings === "function")
            window.openSettings().openPage(props ? "dialogs/SensorsByInputType.qml" : "dialogs/AllSensorsConfigDialog.qml", props)
        destroyBasicDialog()
    }
    function choose(id) {
        kernel.saveNewSkinPos(id, parent_id)
        destroyBasicDialog()
    }
    function openWarnings() {
        if (currentSensor === ArdixEnums.EngineRpm_index)
            window.showRpmWarningDialog()
        else if (currentSensor === ArdixEnums.OilPressure_index)
            window.oilPressureWarningDialogShow()
        else
            window.warningDialogShow(currentSensor)
        destroyBasicDialog()
    }
    Component.onCompleted: choices = buildChoices()
    Component.onDestruction: if (window) window.warningDialogClosed()
    Connections {
        target: menu.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() { menu.destroyBasicDialog(true) }
    }

    Text {
        id: menuTitle
        objectName: "sensorMenuTitle"
        anchors { left: parent.left; right: parent.right; top: parent.top; margins: 20 * AppStyle.pixelScale }
        text: menu.title.toUpperCase()
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize
        elide: Text.ElideRight
        Accessible.role: Accessible.TitleBar
    }
    SensorsHint {
        id: hint
        objectName: "sensorMenuHint"
        anchors { left: parent.left; right: parent.right; top: list.bottom; margins: 20 * AppStyle.pixelScale }
        text: qsTr("Здесь только активные показатели: показатель становится активным, когда для него выбран источник данных")
              + (menu.ecuProtocol !== 0 ? qsTr(" (например, ECU).") : ".")
        showEcu: menu.ecuProtocol !== 0
        onEcuRequested: menu.openSensorsPage({ setEcu: true })
        onAllSensorsRequested: menu.openSensorsPage(null)
    }

    ListView {
        id: list
        objectName: "sensorList"
        anchors { left: parent.left; right: parent.right; top: menuTitle.bottom; margins: 20 * AppStyle.pixelScale }
        height: 2 * rowHeight + 10 * AppStyle.pixelScale
        readonly property real rowHeight: 64 * AppStyle.pixelScale
        orientation: ListView.Horizontal
        clip: true
        spacing: 10 * AppStyle.pixelScale
        model: Math.ceil(menu.choices.length / 2)
        boundsBehavior: Flickable.StopAtBounds
        delegate: Column {
            spacing: 10 * AppStyle.pixelScale
            Repeater {
                model: menu.choices.slice(index * 2, index * 2 + 2)
                Rectangle {
                    objectName: "sensorChoice" + modelData.id
                    width: 250 * AppStyle.pixelScale
                    height: list.rowHeight
                    radius: 6 * AppStyle.pixelScale
                    color: modelData.id === menu.currentSensor ? AppStyle.amberColor : AppStyle.lineColor
                    Accessible.role: Accessible.Button
                    Accessible.name: modelData.name
                    Image {
                        id: choiceIcon
                        x: 10 * AppStyle.pixelScale
                        anchors.verticalCenter: parent.verticalCenter
                        width: 36 * AppStyle.pixelScale; height: width
                        source: modelData.icon
                        sourceSize: Qt.size(width, height)
                    }
                    Text {
                        anchors { left: choiceIcon.right; leftMargin: 10 * AppStyle.pixelScale; right: parent.right
                                  rightMargin: 8 * AppStyle.pixelScale; verticalCenter: parent.verticalCenter }
                        text: modelData.name.toUpperCase()
                        color: AppStyle.textColor
                        font.pixelSize: 18 * AppStyle.pixelScale * 1.2
                        elide: Text.ElideRight
                    }
                    MouseArea { anchors.fill: parent; onClicked: menu.choose(modelData.id) }
                }
            }
        }
        // The mouse wheel moves the list sideways.
        WheelHandler {
            onWheel: (event) => list.flick(event.angleDelta.y * 8, 0)
        }
        onCountChanged: Qt.callLater(showCurrent)
        function showCurrent() {
            for (let i = 0; i < menu.choices.length; ++i)
                if (menu.choices[i].id === menu.currentSensor)
                    positionViewAtIndex(Math.floor(i / 2), ListView.Center)
        }
    }
    Rectangle { // fading edges
        anchors { left: list.left; top: list.top; bottom: list.bottom }
        width: 40 * AppStyle.pixelScale
        visible: !list.atXBeginning
        gradient: Gradient { orientation: Gradient.Horizontal
            GradientStop { position: 0; color: AppStyle.pageColor } GradientStop { position: 1; color: AppStyle.clearColor } }
    }
    Rectangle {
        anchors { right: list.right; top: list.top; bottom: list.bottom }
        width: 40 * AppStyle.pixelScale
        visible: !list.atXEnd
        gradient: Gradient { orientation: Gradient.Horizontal
            GradientStop { position: 0; color: AppStyle.clearColor } GradientStop { position: 1; color: AppStyle.pageColor } }
    }

    Row {
        anchors { horizontalCenter: parent.horizontalCenter; bottom: parent.bottom; bottomMargin: 24 * AppStyle.pixelScale }
        spacing: 20 * AppStyle.pixelScale
        FlatButton {
            objectName: "removeSensorButton"
            visible: menu.currentSensor !== 0
            width: 260 * AppStyle.pixelScale; height: 60 * AppStyle.pixelScale
            color: AppStyle.errorColor
            text: qsTr("удалить").toUpperCase()
            onClicked: menu.choose(0)
        }
        FlatButton {
            objectName: "warningsButton"
            visible: menu.currentSensor !== 0
            enabled: menu.currentSensor < 164 && menu.current !== null && menu.current.isWarningPermit
            width: 300 * AppStyle.pixelScale; height: 60 * AppStyle.pixelScale
            text: qsTr("предупреждения").toUpperCase()
            onClicked: menu.openWarnings()
        }
        FlatButton {
            objectName: "gearSettingsButton"
            visible: menu.currentSensor === ArdixEnums.Gear_index
            width: 300 * AppStyle.pixelScale; height: 60 * AppStyle.pixelScale
            text: qsTr("Настройка передач").toUpperCase()
            onClicked: { menu.window.gearSettingsDialogShow(); menu.destroyBasicDialog() }
        }
    }
}
