import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The dash settings menu, first page of the settings stack.
BasicDialog {
    id: root
    objectName: "basicSettingsDialog"
    fullScreen: true
    title: qsTr("меню настроек")
    customBackButtonFunction: true

    readonly property var dash: DevSettings.dash
    readonly property var common: dash ? dash.commonSettings : null
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    readonly property real ps: AppStyle.pixelScale

    // How to fit the GPS module, shown when it is switched on.
    property var gpsHintPictures: ["qrc:/ARDIX/images/hints/gps_hints/gps_hint_1.png",
                                   "qrc:/ARDIX/images/hints/gps_hints/gps_hint_2.png",
                                   "qrc:/ARDIX/images/hints/gps_hints/gps_hint_3.png"]

    readonly property var canSpeedNames: [qsTr("CAN 1: Не используется"), "CAN 1: 125 kbps", "CAN 1: 250 kbps",
                                          "CAN 1: 500 kbps", "CAN 1: 1 Mbit/s"]
    readonly property var egtNames: [qsTr("нет"), qsTr("1 датчик"), qsTr("2 датчика"), qsTr("3 датчика"), qsTr("4 датчика"), qsTr("5 датчиков"),
                                     qsTr("6 датчиков"), qsTr("7 датчиков"), qsTr("8 датчиков")]
    readonly property string logoInfoText: qsTr("Допустимы файлы формата SVG,\nразмером не более 30 кБайт\n\nизображение автоматически\n выставляется в центр экрана\n\nразмер экрана 1024 x 600 пикселей\n(в старых моделях 1280 x 800)")
    readonly property string notConnectedText: qsTr("Нужно быть подключенным к Ardix")

    applyButtonRight.visible: dash !== null && dash.hasChanges
    onAccepted: applySettings()

    function applySettings() {
        if (kernel)
            kernel.applyNewArdixSettings()
    }

    function rebuildMenu() {
        menuList.rebuild()
    }

    function ask(props, handlers) {
        return window ? window.createDialog(props, handlers) : null
    }

    // Back with unapplied changes asks first.
    function customBackButtonAction() {
        if (!dash || !dash.hasChanges) {
            destroyBasicDialog()
            return
        }
        ask({ dialogTitle: qsTr("Внимание"), dialogText: qsTr("Применить изменения?"), acceptBtnText: qsTr("Применить"),
              cancelBtnText: qsTr("Нет, Удалить"), cancelBtnColor: AppStyle.destructiveColor, isCancelBtnVisible: true,
              isExitBtnVisible: true },
            { accepted: function() { root.applySettings(); root.destroyBasicDialog() },
              canceled: function() { root.dash.reloadFromStruct(); root.destroyBasicDialog() } })
    }

    function sensor(index) {
        return dash && index < dash.sensors.length ? dash.sensors[index] : null
    }

    readonly property var gpsSensorIds: [ArdixEnums.GPS_Speed_index, ArdixEnums.GSensorX_index, ArdixEnums.GSensorY_index]

    function isGpsModuleOn() {
        if (!dash)
            return false
        for (const id of gpsSensorIds) {
            const s = sensor(id)
            if (!s || !s.enable)
                return false
        }
        return true
    }

    function setGpsModule(on) {
        for (const id of gpsSensorIds) {
            const s = sensor(id)
            if (s)
                s.inputDataSource = on ? ArdixEnums.InputSourceGpsModule : 0
        }
        dash.sensorsHasChanges = true
        if (on && gpsHintPictures.length > 0)
            showGpsHint()
    }

    function openGpsPage() {
        const view = root.StackView.view
        return view ? view.openPage("dialogs/GpsModuleSettings.qml") : null
    }

    // The hint goes above the settings stack; however it is closed, the module's page follows.
    function showGpsHint() {
        const view = root.StackView.view
        const c = Qt.createComponent("gps/GpsHintDialog.qml")
        const hint = c.createObject(view ? view.parent : (window ? window.contentItem : root), { pictures: gpsHintPictures })
        if (!hint)
            return null
        hint.hidden.connect(function() { if (view) view.openPage("dialogs/GpsModuleSettings.qml") })
        return hint
    }

    // 0 sensors take both exhaust temperatures off the module, 1 puts the first on it, 2 and more
    // put both on it.
    function setEgtSensorsCount(count) {
        common.egt2canSensorsCount = count
        dash.commonSettingsHasChanges = true
        let changed = false
        const place = function(s, onModule) {
            if (!s)
                return
            if (onModule && s.inputDataSource !== ArdixEnums.InputSourceEgtModule) {
                s.inputDataSource = ArdixEnums.InputSourceEgtModule
                changed = true
            } else if (!onModule && s.inputDataSource === ArdixEnums.InputSourceEgtModule) {
                s.inputDataSource = ArdixEnums.InputSourceNo
                changed = true
            }
        }
        place(sensor(ArdixEnums.ExhaustTemp_index), count >= 1)
        place(sensor(ArdixEnums.ExhaustTemp2_index), count >= 2)
        if (changed)
            dash.sensorsHasChanges = true
    }

    function resetSettings() {
        AppSettings.canInputMessagesIdFormatIsHexDash = []
        AppSettings.canOutputMessagesIdFormatIsHexDash = []
        if (!kernel)
            return
        kernel.resetArdixSettings()
        rebuildMenu()
        // The defaults replace everything the device holds: they go as one whole block, since no
        // single part is marked changed by a reset.
        kernel.applyNewArdixSettings(true)
        if (isConnected)
            kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.ChangeScreen, kernel.curSkinMode)
    }

    function showFile(fileType, isImport) {
        if (window)
            window.showFileDialog(ArdixEnums.Device_Ardix7, fileType, isImport, "")
    }

    function showLogoInfo() {
        const c = Qt.createComponent("../myComponents/InfoDialog.qml")
        return c.createObject(window ? window.contentItem : root,
                              { infoMessageText: logoInfoText, busyTimeout: 20000, ignoreHideBusy: true,
                                window: window, kernel: kernel })
    }

    Connections {
        target: root.kernel
        ignoreUnknownSignals: true
        function onNewConfigDownloadedFromArdix() { root.rebuildMenu() }
    }

    SettingsMenuList {
        id: menuList
        anchors.fill: parent
        rowsComponent: Column {
            width: menuList.width

            InterfaceLanguageRow {}
            SettingsRow {
                objectName: "row_Settings_Language"
                rowId: ArdixEnums.Settings_Language
                title: qsTr("Язык")
                clickable: false
                MenuComboBox {
                    objectName: "languageCombo"
                    width: 200 * root.ps
                    accessibleName: qsTr("Язык")
                    model: [qsTr("Русский"), "English"]
                    currentIndex: root.common && root.common.isRu ? 0 : 1
                    onActivated: (index) => root.dash.setIsRu(index === 0 ? 1 : 0)
                }
            }
            SettingsRow {
                objectName: "row_Settings_Warnings"
                rowId: ArdixEnums.Settings_Warnings
                title: qsTr("Предупреждения")
                onClicked: root.StackView.view.openPage("dialogs/SensorsByInputType.qml", { setWarnings: true })
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_SensorsInputConfig
                title: qsTr("Настройка данных всех показателей")
                onClicked: root.StackView.view.openPage("dialogs/AllSensorsConfigDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_LampsConfig"
                rowId: ArdixEnums.Settings_LampsConfig
                title: qsTr("Настройка значков индикаторов(лампы)")
                onClicked: root.StackView.view.openPage("dialogs/LampsConfigDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_Keypad"
                rowId: ArdixEnums.Settings_Keypad
                title: qsTr("Кейпад")
                showNewBadge: AppSettings.ardix_keypad_new_cnt < 5
                onClicked: {
                    AppSettings.ardix_keypad_new_cnt += 1
                    if (root.StackView.view) root.StackView.view.openPage("keypadDialogs/KeypadSettingsDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
                }
            }
            SettingsRow {
                objectName: "row_Settings_Ecu"
                rowId: ArdixEnums.Settings_Ecu
                title: qsTr("Связь с Ecu, CAN 1 или RS232")
                onClicked: if (ecuCombo.currentIndex > 0) root.StackView.view.openPage("dialogs/SensorsByInputType.qml", { setEcu: true })
                MenuComboBox {
                    id: ecuCombo
                    objectName: "ecuCombo"
                    width: 400 * root.ps
                    accessibleName: qsTr("Протокол Ecu")
                    model: root.kernel ? root.kernel.ecuList_Ardix.map(e => e.name) : []
                    currentIndex: root.common ? root.common.currEcuProtocol : 0
                    onActivated: (index) => {
                        root.dash.setCurrEcu(index)
                        canHint.restart()
                    }
                }
            }
            SettingsRow {
                objectName: "row_Settings_CanBus"
                rowId: ArdixEnums.Settings_CanBus
                title: qsTr("Can 1 Скорость")
                clickable: false
                MenuComboBox {
                    id: canCombo
                    objectName: "canSpeedCombo"
                    width: 260 * root.ps
                    accessibleName: qsTr("Can 1 Скорость")
                    model: root.canSpeedNames
                    // Index 0 is CanbusBaud_Disable (-1), then 125 kbps (0) onwards.
                    currentIndex: root.common ? root.common.can1BaudId - ArdixEnums.CanbusBaud_Disable : 0
                    onActivated: (index) => {
                        root.common.can1BaudId = index + ArdixEnums.CanbusBaud_Disable
                        root.dash.commonSettingsHasChanges = true
                    }
                    // A hint after an ECU change: the CAN speed usually needs a look too.
                    SequentialAnimation {
                        id: canHint
                        NumberAnimation { target: canCombo; property: "scale"; to: 1.4; duration: 600 }
                        NumberAnimation { target: canCombo; property: "scale"; to: 1; duration: 700 }
                    }
                }
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_CanInput
                title: qsTr("Can 1 прием ->")
                clickable: false
                FlatButton {
                    width: 170 * root.ps
                    height: AppStyle.basicRowHeight * 0.75
                    fontSize: AppStyle.basicFontSize
                    text: qsTr("  Фильтры")
                    accessibleName: qsTr("Can 1 прием: фильтры")
                    onClicked: if (root.StackView.view) root.StackView.view.openPage("canDialogs/CanInputMessagesDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
                }
                FlatButton {
                    width: 170 * root.ps
                    height: AppStyle.basicRowHeight * 0.75
                    fontSize: AppStyle.basicFontSize
                    text: qsTr("  Цифровые\n  входы(биты)")
                    accessibleName: qsTr("Can 1 прием: цифровые входы")
                    onClicked: if (root.StackView.view) root.StackView.view.openPage("canDialogs/CanDigitalInputsDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
                }
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_CanBus_Transmit
                title: qsTr("Can 1 передача")
                onClicked: if (root.StackView.view) root.StackView.view.openPage("canDialogs/CanOutputMessagesDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_ArdixActions
                title: qsTr("Встроенные функции и действия")
                showNewBadge: AppSettings.ardix_actions_new_cnt < 5
                onClicked: {
                    AppSettings.ardix_actions_new_cnt += 1
                    root.StackView.view.openPage("dialogs/ActionsConfigDialog.qml")
                }
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_Outputs
                title: qsTr("Выходы для вентиляторов и прочего")
                onClicked: root.StackView.view.openPage("dialogs/OutputPortConfigDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_UserSensors"
                rowId: ArdixEnums.Settings_UserSensors
                title: qsTr("Пользовательские датчики")
                onClicked: root.StackView.view.openPage("dialogs/CustomAnalogSensorDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_UserGauges"
                rowId: ArdixEnums.Settings_UserGauges
                title: qsTr("Пользовательские показатели")
                onClicked: root.StackView.view.openPage("dialogs/UserCustomSensorDialog.qml")
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_Wifi
                title: "WIFI"
                onClicked: root.StackView.view.openPage("dialogs/Wifi.qml", { parentDevice: ArdixEnums.Device_Ardix7 })
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_Updates
                title: qsTr("Обновление прошивки Ardix")
                onClicked: root.StackView.view.openPage("dialogs/UpdateDialog.qml", { parentDevice: ArdixEnums.Device_Ardix7 })
            }
            SettingsRow {
                objectName: "row_Settings_ModuleDigitalInputs"
                rowId: ArdixEnums.Settings_ModuleDigitalInputs
                title: qsTr("Модуль расширения логических входов")
                onClicked: root.StackView.view.openPage("dialogs/ButtonsSetupDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_ModuleGPS"
                rowId: ArdixEnums.Settings_ModuleGPS
                title: qsTr("Модуль GPS, CAN 2")
                onClicked: {
                    if (gpsCheck.checked)
                        root.openGpsPage()
                    else
                        root.setGpsModule(true)
                }
                MenuCheckBox {
                    id: gpsCheck
                    objectName: "gpsCheck"
                    accessibleName: qsTr("Модуль GPS")
                    checked: root.dash ? root.isGpsModuleOn() : false
                    onToggled: root.setGpsModule(checked)
                }
            }
            SettingsRow {
                objectName: "row_Settings_ModuleEGT"
                rowId: ArdixEnums.Settings_ModuleEGT
                title: qsTr("Модуль EGT -> CAN 1 или CAN 2")
                clickable: false
                MenuComboBox {
                    objectName: "egtCombo"
                    width: 200 * root.ps
                    accessibleName: qsTr("Модуль EGT")
                    model: root.egtNames
                    currentIndex: root.common ? Math.min(root.common.egt2canSensorsCount, root.egtNames.length - 1) : 0
                    onActivated: (index) => root.setEgtSensorsCount(index)
                }
            }
            SettingsRow {
                objectName: "row_Settings_RESET"
                rowId: ArdixEnums.Settings_RESET
                title: qsTr("Сбросить настройки Ardix")
                onClicked: root.ask({ dialogText: qsTr("Вы действительно хотите сбросить настройки Ardix?"),
                                      isCancelBtnVisible: true },
                                    function() { root.resetSettings() })
            }
            SettingsRow {
                objectName: "row_Settings_ImportFile"
                rowId: ArdixEnums.Settings_ImportFile
                title: qsTr("Загрузить настройки Ardix из файла")
                onClicked: root.showFile(ArdixEnums.Settings_FileType, true)
            }
            SettingsRow {
                objectName: "row_Settings_ExportFile"
                rowId: ArdixEnums.Settings_ExportFile
                title: qsTr("Сохранить настройки Ardix в файл")
                onClicked: root.showFile(ArdixEnums.Settings_FileType, false)
            }
            SettingsRow {
                objectName: "row_Settings_Logo"
                rowId: ArdixEnums.Settings_Logo
                title: qsTr("Логотип, заставка")
                clickable: false
                FlatButton {
                    objectName: "logoImportButton"
                    width: 150 * root.ps
                    height: AppStyle.basicRowHeight * 0.65
                    text: qsTr("Загрузить")
                    onClicked: {
                        if (root.isConnected)
                            root.showFile(ArdixEnums.UserLogoSvg_FileType, true)
                        else
                            root.ask({ dialogText: root.notConnectedText })
                    }
                }
                FlatButton {
                    objectName: "logoRemoveButton"
                    width: 150 * root.ps
                    height: AppStyle.basicRowHeight * 0.65
                    color: AppStyle.destructiveColor
                    text: qsTr("Удалить")
                    onClicked: {
                        if (!root.isConnected) {
                            root.ask({ dialogText: root.notConnectedText })
                            return
                        }
                        root.ask({ dialogText: qsTr("Вы действительно хотите удалить заставку?"), isCancelBtnVisible: true },
                                 function() {
                                     root.kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.RemoveUserLogo, 0)
                                 })
                    }
                }
                FlatButton {
                    objectName: "logoInfoButton"
                    width: AppStyle.basicRowHeight * 0.65
                    height: width
                    color: AppStyle.clearColor
                    iconSource: "qrc:/ARDIX/images/icons/info.svg"
                    iconScale: 0.9
                    accessibleName: qsTr("О заставке")
                    onClicked: root.showLogoInfo()
                }
            }
            SettingsRow {
                objectName: "row_Settings_History"
                title: qsTr("История настроек")
                onClicked: if (root.StackView.view) root.StackView.view.openPage("dialogs/SettingsHistoryDialog.qml", { pdm: false })
            }
        }
    }
}
