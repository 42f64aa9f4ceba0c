import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The dash settings menu, first page of the settings stack.
BasicDialog {
    id: root
    objectName: "basicSettingsDialog"
    fullScreen: true
    title: "меню настроек"
    customBackButtonFunction: true

    readonly property var dash: DevSettings.dash
    readonly property var common: dash ? dash.commonSettings : null
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    readonly property real ps: AppStyle.pixelScale

    // How to fit the GPS module, shown when it is switched on.
    property var gpsHintPictures: ["qrc:/ARDIX/images/hints/gps_hints/gps_hint_1.png",
                                   "qrc:/ARDIX/images/hints/gps_hints/gps_hint_2.png",
                                   "qrc:/ARDIX/images/hints/gps_hints/gps_hint_3.png"]

    readonly property var canSpeedNames: ["CAN 1: Не используется", "CAN 1: 125 kbps", "CAN 1: 250 kbps",
                                          "CAN 1: 500 kbps", "CAN 1: 1 Mbit/s"]
    readonly property var egtNames: ["нет", "1 датчик", "2 датчика", "3 датчика", "4 датчика", "5 датчиков",
                                     "6 датчиков", "7 датчиков", "8 датчиков"]
    readonly property string logoInfoText: "Допустимы файлы формата SVG,\nразмером не более 30 кБайт\n\nизображение автоматически\n выставляется в центр экрана\n\nразмер экрана 1024 x 600 пикселей\n(в старых моделях 1280 x 800)"
    readonly property string notConnectedText: "Нужно быть подключенным к Ardix"

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
        ask({ dialogTitle: "Внимание", dialogText: "Применить изменения?", acceptBtnText: "Применить",
              cancelBtnText: "Нет, Удалить", cancelBtnColor: AppStyle.destructiveColor, isCancelBtnVisible: true,
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
                title: "Язык"
                clickable: false
                MenuComboBox {
                    objectName: "languageCombo"
                    width: 200 * root.ps
                    accessibleName: "Язык"
                    model: ["Русский", "English"]
                    currentIndex: root.common && root.common.isRu ? 0 : 1
                    onActivated: (index) => root.dash.setIsRu(index === 0 ? 1 : 0)
                }
            }
            SettingsRow {
                objectName: "row_Settings_Warnings"
                rowId: ArdixEnums.Settings_Warnings
                title: "Предупреждения"
                onClicked: root.StackView.view.openPage("dialogs/SensorsByInputType.qml", { setWarnings: true })
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_SensorsInputConfig
                title: "Настройка данных всех показателей"
                onClicked: root.StackView.view.openPage("dialogs/AllSensorsConfigDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_LampsConfig"
                rowId: ArdixEnums.Settings_LampsConfig
                title: "Настройка значков индикаторов(лампы)"
                onClicked: root.StackView.view.openPage("dialogs/LampsConfigDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_Keypad"
                rowId: ArdixEnums.Settings_Keypad
                title: "Кейпад"
                showNewBadge: AppSettings.ardix_keypad_new_cnt < 5
                onClicked: {
                    AppSettings.ardix_keypad_new_cnt += 1
                    if (root.StackView.view) root.StackView.view.openPage("keypadDialogs/KeypadSettingsDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
                }
            }
            SettingsRow {
                objectName: "row_Settings_Ecu"
                rowId: ArdixEnums.Settings_Ecu
                title: "Связь с Ecu, CAN 1 или RS232"
                onClicked: if (ecuCombo.currentIndex > 0) root.StackView.view.openPage("dialogs/SensorsByInputType.qml", { setEcu: true })
                MenuComboBox {
                    id: ecuCombo
                    objectName: "ecuCombo"
                    width: 400 * root.ps
                    accessibleName: "Протокол Ecu"
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
                title: "Can 1 Скорость"
                clickable: false
                MenuComboBox {
                    id: canCombo
                    objectName: "canSpeedCombo"
                    width: 260 * root.ps
                    accessibleName: "Can 1 Скорость"
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
                title: "Can 1 прием ->"
                clickable: false
                FlatButton {
                    width: 170 * root.ps
                    height: AppStyle.basicRowHeight * 0.75
                    fontSize: AppStyle.basicFontSize
                    text: "  Фильтры"
                    accessibleName: "Can 1 прием: фильтры"
                    onClicked: if (root.StackView.view) root.StackView.view.openPage("canDialogs/CanInputMessagesDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
                }
                FlatButton {
                    width: 170 * root.ps
                    height: AppStyle.basicRowHeight * 0.75
                    fontSize: AppStyle.basicFontSize
                    text: "  Цифровые\n  входы(биты)"
                    accessibleName: "Can 1 прием: цифровые входы"
                    onClicked: if (root.StackView.view) root.StackView.view.openPage("canDialogs/CanDigitalInputsDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
                }
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_CanBus_Transmit
                title: "Can 1 передача"
                onClicked: if (root.StackView.view) root.StackView.view.openPage("canDialogs/CanOutputMessagesDialog.qml", { parentDev: ArdixEnums.Device_Ardix7 })
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_ArdixActions
                title: "Встроенные функции и действия"
                showNewBadge: AppSettings.ardix_actions_new_cnt < 5
                onClicked: {
                    AppSettings.ardix_actions_new_cnt += 1
                    root.StackView.view.openPage("dialogs/ActionsConfigDialog.qml")
                }
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_Outputs
                title: "Выходы для вентиляторов и прочего"
                onClicked: root.StackView.view.openPage("dialogs/OutputPortConfigDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_UserSensors"
                rowId: ArdixEnums.Settings_UserSensors
                title: "Пользовательские датчики"
                onClicked: root.StackView.view.openPage("dialogs/CustomAnalogSensorDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_UserGauges"
                rowId: ArdixEnums.Settings_UserGauges
                title: "Пользовательские показатели"
                onClicked: root.StackView.view.openPage("dialogs/UserCustomSensorDialog.qml")
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_Wifi
                title: "WIFI"
                onClicked: root.StackView.view.openPage("dialogs/Wifi.qml", { parentDevice: ArdixEnums.Device_Ardix7 })
            }
            SettingsRow {
                rowId: ArdixEnums.Settings_Updates
                title: "Обновление прошивки Ardix"
                onClicked: root.StackView.view.openPage("dialogs/UpdateDialog.qml", { parentDevice: ArdixEnums.Device_Ardix7 })
            }
            SettingsRow {
                objectName: "row_Settings_ModuleDigitalInputs"
                rowId: ArdixEnums.Settings_ModuleDigitalInputs
                title: "Модуль расширения логических входов"
                onClicked: root.StackView.view.openPage("dialogs/ButtonsSetupDialog.qml")
            }
            SettingsRow {
                objectName: "row_Settings_ModuleGPS"
                rowId: ArdixEnums.Settings_ModuleGPS
                title: "Модуль GPS, CAN 2"
                onClicked: {
                    if (gpsCheck.checked)
                        root.openGpsPage()
                    else
                        root.setGpsModule(true)
                }
                MenuCheckBox {
                    id: gpsCheck
                    objectName: "gpsCheck"
                    accessibleName: "Модуль GPS"
                    checked: root.dash ? root.isGpsModuleOn() : false
                    onToggled: root.setGpsModule(checked)
                }
            }
            SettingsRow {
                objectName: "row_Settings_ModuleEGT"
                rowId: ArdixEnums.Settings_ModuleEGT
                title: "Модуль EGT -> CAN 1 или CAN 2"
                clickable: false
                MenuComboBox {
                    objectName: "egtCombo"
                    width: 200 * root.ps
                    accessibleName: "Модуль EGT"
                    model: root.egtNames
                    currentIndex: root.common ? Math.min(root.common.egt2canSensorsCount, root.egtNames.length - 1) : 0
                    onActivated: (index) => root.setEgtSensorsCount(index)
                }
            }
            SettingsRow {
                objectName: "row_Settings_RESET"
                rowId: ArdixEnums.Settings_RESET
                title: "Сбросить настройки Ardix"
                onClicked: root.ask({ dialogText: "Вы действительно хотите сбросить настройки Ardix?",
                                      isCancelBtnVisible: true },
                                    function() { root.resetSettings() })
            }
            SettingsRow {
                objectName: "row_Settings_ImportFile"
                rowId: ArdixEnums.Settings_ImportFile
                title: "Загрузить настройки Ardix из файла"
                onClicked: root.showFile(ArdixEnums.Settings_FileType, true)
            }
            SettingsRow {
                objectName: "row_Settings_ExportFile"
                rowId: ArdixEnums.Settings_ExportFile
                title: "Сохранить настройки Ardix в файл"
                onClicked: root.showFile(ArdixEnums.Settings_FileType, false)
            }
            SettingsRow {
                objectName: "row_Settings_Logo"
                rowId: ArdixEnums.Settings_Logo
                title: "Логотип, заставка"
                clickable: false
                FlatButton {
                    objectName: "logoImportButton"
                    width: 150 * root.ps
                    height: AppStyle.basicRowHeight * 0.65
                    text: "Загрузить"
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
                    text: "Удалить"
                    onClicked: {
                        if (!root.isConnected) {
                            root.ask({ dialogText: root.notConnectedText })
                            return
                        }
                        root.ask({ dialogText: "Вы действительно хотите удалить заставку?", isCancelBtnVisible: true },
                                 function() {
                                     root.kernel.sendToArdixQueue(ArdixEnums.CommandMessage, ArdixEnums.RemoveUserLogo, 0)
                                 })
                    }
                }
                FlatButton {
                    objectName: "logoInfoButton"
                    width: AppStyle.basicRowHeight * 0.65
                    height: width
                    color: "transparent"
                    iconSource: "qrc:/ARDIX/images/icons/info.svg"
                    iconScale: 0.9
                    accessibleName: "О заставке"
                    onClicked: root.showLogoInfo()
                }
            }
            SettingsRow {
                objectName: "row_Settings_History"
                title: "История настроек"
                onClicked: if (root.StackView.view) root.StackView.view.openPage("dialogs/SettingsHistoryDialog.qml", { pdm: false })
            }
        }
    }
}
