import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "sensors/SensorBinding.js" as Binding

// One check box per sensor: with setWarnings whether its warning is on; with setEcu whether it is
// read from the ECU (taking a sensor away from another source asks first).
BasicDialog {
    id: root
    objectName: "sensorsByInputType"
    fullScreen: true
    property bool setWarnings: false
    property bool setEcu: false

    readonly property var dash: DevSettings.dash
    readonly property int ecuProtocol: dash ? dash.commonSettings.currEcuProtocol : 0
    readonly property string ecuName: kernel && ecuProtocol < kernel.ecuList_Ardix.length
                                      ? kernel.ecuList_Ardix[ecuProtocol].name : ""
    readonly property real ps: AppStyle.pixelScale
    // Re-read when new settings arrive.
    property int revision: 0

    title: setWarnings ? qsTr("Активируйте и настройте предупреждения по желаемым показателям")
                       : qsTr("Показатели от ECU: %1").arg(ecuName)

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: if (kernel) kernel.applyNewArdixSettings()

    // Taken on open and when new settings arrive, so that an edit never rebuilds the list.
    property var shownSensors: []
    Component.onCompleted: shownSensors = sensorsShown()
    onRevisionChanged: shownSensors = sensorsShown()

    function sensorsShown() {
        if (!dash)
            return []
        const out = []
        if (setWarnings) {
            for (const id of dash.getActiveSensorsList()) {
                const s = sensor(id)
                if (s && s.isWarningPermit)
                    out.push(s)
            }
        } else {
            for (const s of dash.sensors.concat(dash.customSensors)) {
                if (s.sensorName !== "" && s.ecuProtocolsSupport.indexOf(ecuProtocol) >= 0)
                    out.push(s)
            }
        }
        return out
    }

    function sensor(id) {
        return kernel ? kernel.getSensor(id) : (id >= 100 ? dash.customSensors[id - 100] : dash.sensors[id])
    }

    function moveToEcu(s) {
        Binding.releaseCanInputs(dash.extra, s.sensorID)
        s.inputDataSource = ArdixEnums.InputSourceEcu
        s.inputSourceIndex = 0
        dash.setSensorHasChanges(s.sensorID)
    }

    function takeFromEcu(s, on) {
        if (!on) {
            s.inputDataSource = ArdixEnums.InputSourceNo
            dash.setSensorHasChanges(s.sensorID)
            return
        }
        if (s.inputDataSource === ArdixEnums.InputSourceNo || s.inputDataSource === ArdixEnums.InputSourceEcu
                || !window || typeof window.createDialog !== "function") {
            moveToEcu(s)
            return
        }
        window.createDialog({ dialogText: qsTr("Показатель \"%1").arg(s.sensorName) + qsTr("\" сейчас получает данные: %1").arg(s.dataSourceName) + qsTr("\n\nБрать его от ECU?"),
                              isCancelBtnVisible: true },
                            { accepted: function() { root.moveToEcu(s) } })
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() { root.revision += 1 }
    }

    Text {
        anchors.centerIn: parent
        visible: list.count === 0
        width: parent.width * 0.8
        horizontalAlignment: Text.AlignHCenter
        wrapMode: Text.WordWrap
        text: root.setWarnings ? qsTr("Нет активных показателей с предупреждениями")
                               : qsTr("Выбранный протокол ECU не передает ни одного показателя")
        color: AppStyle.textColor
        font.pixelSize: AppStyle.basicTitleSize
    }

    SensorsHint {
        id: hint
        objectName: "warningsHint"
        visible: root.setWarnings
        anchors { left: parent.left; right: parent.right; bottom: parent.bottom; margins: 10 * root.ps }
        text: qsTr("Здесь только активные показатели с предупреждениями: показатель становится активным, когда для него выбран источник данных.")
        showEcu: root.ecuProtocol !== 0
        onEcuRequested: root.StackView.view.openPage("dialogs/SensorsByInputType.qml", { setEcu: true })
        onAllSensorsRequested: root.StackView.view.openPage("dialogs/AllSensorsConfigDialog.qml")
    }

    ListView {
        id: list
        anchors { left: parent.left; right: parent.right; top: parent.top; bottom: hint.visible ? hint.top : parent.bottom }
        clip: true
        boundsBehavior: Flickable.StopAtBounds
        spacing: 2
        model: root.shownSensors
        ScrollBar.vertical: ScrollBar { policy: list.contentHeight > list.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }
        delegate: Rectangle {
            id: sensorRow
            required property var modelData
            required property int index
            objectName: "sensorRow_" + modelData.sensorID
            width: list.width - 14 * root.ps
            height: Math.round(AppStyle.basicRowHeight * 0.9)
            color: index % 2 ? AppStyle.rowColor : AppStyle.pageColor
            Text {
                anchors.left: parent.left
                anchors.leftMargin: 20 * root.ps
                anchors.right: check.left
                anchors.verticalCenter: parent.verticalCenter
                text: sensorRow.modelData.sensorName
                color: AppStyle.textColor
                elide: Text.ElideRight
                font.pixelSize: AppStyle.basicFontSize
            }
            Text {
                anchors.right: check.left
                anchors.rightMargin: 20 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                visible: root.setEcu && !check.checked && sensorRow.modelData.inputDataSource !== ArdixEnums.InputSourceNo
                text: sensorRow.modelData.dataSourceName
                color: AppStyle.midGreyColor
                font.pixelSize: AppStyle.basicFontSize * 0.85
            }
            CheckBoxNuvo {
                id: check
                objectName: "sensorCheck"
                anchors.right: parent.right
                anchors.rightMargin: 20 * root.ps
                anchors.verticalCenter: parent.verticalCenter
                width: 260 * root.ps
                text: root.setWarnings ? qsTr("предупреждение") : qsTr("от ECU")
                Accessible.name: sensorRow.modelData.sensorName + ": " + text
                // Warnings bind to their bit; the ECU choice may ask first, so it is written by hand.
                target: root.setWarnings ? sensorRow.modelData : null
                property: root.setWarnings ? "isWarningEnable" : ""
                changeFlag: function() { root.dash.setSensorHasChanges(sensorRow.modelData.sensorID) }
                checked: root.setEcu && sensorRow.modelData.inputDataSource === ArdixEnums.InputSourceEcu
                onToggled: {
                    if (root.setEcu) {
                        root.takeFromEcu(sensorRow.modelData, checked)
                        checked = Qt.binding(() => sensorRow.modelData.inputDataSource === ArdixEnums.InputSourceEcu)
                    }
                }
            }
        }
    }
}
