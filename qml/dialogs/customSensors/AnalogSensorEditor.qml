import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../../myComponents"
import "CustomSensorRules.js" as Custom

// One user table: its name, how it converts the input (linear or by points) and who reads it.
Flickable {
    id: editor
    property var dash: null
    property var sensor: null
    property int index: 0
    property var users: []

    readonly property real ps: AppStyle.pixelScale
    readonly property int type: sensor ? sensor.sensorType : 0
    readonly property real labelWidth: 190 * ps
    readonly property string unit: Custom.inputUnit(type)
    // Points are read through an invokable: this counter makes their fields follow the table.
    property int tableRevision: 0
    Connections {
        target: editor.sensor
        function onDataChanged() { editor.tableRevision += 1 }
    }

    function markChanged() {
        if (dash)
            dash.customAnalogSensorsHasChanges = true
    }
    function setPoint(point, column, value) {
        if (sensor && sensor.setPoint(point, column, value))
            markChanged()
    }

    clip: true
    boundsBehavior: Flickable.StopAtBounds
    contentWidth: width
    contentHeight: body.height + 20 * ps
    ScrollBar.vertical: ScrollBar { policy: editor.contentHeight > editor.height ? ScrollBar.AlwaysOn : ScrollBar.AlwaysOff }

    Column {
        id: body
        x: 16 * editor.ps
        y: 10 * editor.ps
        width: editor.width - 40 * editor.ps
        spacing: 10 * editor.ps

        Text {
            text: qsTr("Датчик #%1").arg(editor.index + 1)
            color: AppStyle.textColor
            font.pixelSize: AppStyle.basicTitleSize
        }
        Row {
            spacing: 10 * editor.ps
            Text {
                width: editor.labelWidth
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Название")
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize
            }
            NameField {
                label: qsTr("Название")
                objectName: "analogNameField"
                width: Math.min(380 * editor.ps, body.width - editor.labelWidth - 10 * editor.ps)
                placeholderText: qsTr("Название датчика")
                maxBytes: Custom.AnalogNameBytes
                target: editor.sensor
                property: "name"
                flagTarget: editor.dash
                changeFlag: "customAnalogSensorsHasChanges"
            }
        }
        Row {
            spacing: 10 * editor.ps
            Text {
                width: editor.labelWidth
                anchors.verticalCenter: parent.verticalCenter
                text: qsTr("Тип")
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize
            }
            MyComboBox {
                objectName: "analogTypeCombo"
                width: Math.min(380 * editor.ps, body.width - editor.labelWidth - 10 * editor.ps)
                accessibleName: qsTr("Тип датчика")
                model: Custom.types()
                target: editor.sensor
                property: "sensorType"
                flagTarget: editor.dash
                changeFlag: "customAnalogSensorsHasChanges"
            }
        }
        Text {
            objectName: "usersText"
            width: body.width
            wrapMode: Text.WordWrap
            text: editor.users.length > 0 ? qsTr("Используется: %1").arg(editor.users.join(", "))
                                          : qsTr("Не используется ни одним показателем")
            color: editor.users.length > 0 ? AppStyle.primaryDarkColor : AppStyle.subtleTextColor
            font.pixelSize: AppStyle.basicFontSize * 0.9
        }

        // Linear: y = a * x + b.
        Column {
            objectName: "linearBox"
            visible: editor.type === Custom.Linear5V_CustomAnalogType
            spacing: 8 * editor.ps
            Text {
                text: qsTr("y = a * x + b,   x — напряжение на входе, В")
                color: AppStyle.textColor
                font.pixelSize: AppStyle.basicFontSize
            }
            Row {
                spacing: 10 * editor.ps
                Text { width: editor.labelWidth; anchors.verticalCenter: parent.verticalCenter; text: "a"; color: AppStyle.textColor; font.pixelSize: AppStyle.basicFontSize }
                FloatTextField {
                    label: qsTr("Коэффициент a (y = a * x + b)")
                    objectName: "linearAField"
                    width: 200 * editor.ps
                    floatFrom: -99999
                    floatTo: 99999
                    floatDec: 4
                    placeholderText: "a"
                    target: editor.sensor
                    property: "linearA"
                    float32: true
                    changeFlag: function() { editor.markChanged() }
                }
            }
            Row {
                spacing: 10 * editor.ps
                Text { width: editor.labelWidth; anchors.verticalCenter: parent.verticalCenter; text: "b"; color: AppStyle.textColor; font.pixelSize: AppStyle.basicFontSize }
                FloatTextField {
                    label: qsTr("Коэффициент b (y = a * x + b)")
                    objectName: "linearBField"
                    width: 200 * editor.ps
                    floatFrom: -99999
                    floatTo: 99999
                    floatDec: 4
                    placeholderText: "b"
                    target: editor.sensor
                    property: "linearB"
                    float32: true
                    changeFlag: function() { editor.markChanged() }
                }
            }
        }

        Text {
            visible: editor.type === Custom.CanData_CustomAnalogType || editor.type === Custom.Disabled_CustomAnalogType
            width: body.width
            wrapMode: Text.WordWrap
            text: editor.type === Custom.Disabled_CustomAnalogType
                  ? qsTr("Датчик выключен: выберите тип, чтобы настроить пересчет")
                  : qsTr("Значение приходит по CAN: источник задается в «Настройка данных всех показателей»")
            color: AppStyle.subtleTextColor
            font.pixelSize: AppStyle.basicFontSize * 0.9
        }

        // Tables: points of (value, input).
        Column {
            objectName: "tableBox"
            visible: Custom.usesTable(editor.type)
            spacing: 8 * editor.ps
            width: body.width

            Row {
                spacing: 10 * editor.ps
                Text { width: editor.labelWidth; anchors.verticalCenter: parent.verticalCenter; text: qsTr("Точек в таблице"); color: AppStyle.textColor; font.pixelSize: AppStyle.basicFontSize }
                MySpinBox {
                    label: qsTr("Точек в таблице")
                    objectName: "tableSizeSpin"
                    minimumValue: Custom.MinTableSize
                    maximumValue: Custom.MaxTableSize
                    target: editor.sensor
                    property: "tableSize"
                    flagTarget: editor.dash
                    changeFlag: "customAnalogSensorsHasChanges"
                }
            }
            Row {
                visible: editor.type === Custom.RangeTable_CustomAnalogType
                spacing: 10 * editor.ps
                Text { width: editor.labelWidth; anchors.verticalCenter: parent.verticalCenter; text: qsTr("Допуск ±, мВ"); color: AppStyle.textColor; font.pixelSize: AppStyle.basicFontSize }
                IntTextField {
                    label: qsTr("Допуск ±, мВ")
                    objectName: "toleranceField"
                    width: 160 * editor.ps
                    intTo: 65535
                    target: editor.sensor
                    property: "rangeTolerance"
                    flagTarget: editor.dash
                    changeFlag: "customAnalogSensorsHasChanges"
                }
            }
            Text {
                visible: editor.type === Custom.ManualCalibration_CustomAnalogType
                width: body.width
                wrapMode: Text.WordWrap
                text: qsTr("Входы калибруются кнопками «мин» и «макс» в «Настройка данных всех показателей»")
                color: AppStyle.subtleTextColor
                font.pixelSize: AppStyle.basicFontSize * 0.9
            }
            Row {
                spacing: 10 * editor.ps
                Text { width: 60 * editor.ps; text: "№"; color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.85 }
                Text { width: 200 * editor.ps; text: qsTr("Значение"); horizontalAlignment: Text.AlignHCenter; color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.85 }
                Text { width: 200 * editor.ps; text: qsTr("Вход, %1").arg(editor.unit); horizontalAlignment: Text.AlignHCenter; color: AppStyle.subtleTextColor; font.pixelSize: AppStyle.basicFontSize * 0.85 }
            }
            Repeater {
                model: editor.sensor ? Math.max(Custom.MinTableSize, Math.min(Custom.MaxTableSize, editor.sensor.tableSize)) : 0
                delegate: Row {
                    id: pointRow
                    required property int index
                    objectName: "point_" + index
                    spacing: 10 * editor.ps
                    Text {
                        width: 60 * editor.ps
                        anchors.verticalCenter: parent.verticalCenter
                        text: pointRow.index + 1
                        color: AppStyle.textColor
                        font.pixelSize: AppStyle.basicFontSize
                    }
                    RealField {
                        objectName: "valueField"
                        width: 200 * editor.ps
                        floatDec: 3
                        placeholderText: qsTr("Точка %1").arg(pointRow.index + 1) + qsTr(": значение")
                        label: placeholderText
                        shown: editor.sensor ? (editor.tableRevision, editor.sensor.point(pointRow.index, 0)) : 0
                        onCommitted: (value) => editor.setPoint(pointRow.index, 0, value)
                    }
                    RealField {
                        objectName: "inputField"
                        width: 200 * editor.ps
                        floatFrom: 0
                        floatTo: editor.type === Custom.TableResistance_CustomAnalogType ? 9999999 : 5
                        floatDec: editor.type === Custom.TableResistance_CustomAnalogType ? 1 : 3
                        placeholderText: qsTr("Точка %1").arg(pointRow.index + 1) + qsTr(": вход")
                        label: placeholderText
                        unit: editor.type === Custom.TableResistance_CustomAnalogType ? qsTr("Ом") : qsTr("В")
                        shown: editor.sensor ? (editor.tableRevision, editor.sensor.point(pointRow.index, 1)) : 0
                        onCommitted: (value) => editor.setPoint(pointRow.index, 1, value)
                    }
                }
            }
        }
    }
}
