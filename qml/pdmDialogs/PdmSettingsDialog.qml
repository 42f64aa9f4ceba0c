import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"

// The PDM settings menu, first page of the settings stack for the PDM.
BasicDialog {
    id: root
    objectName: "pdmSettingsDialog"
    fullScreen: true
    title: "Настройки PDM"
    customBackButtonFunction: true

    readonly property var pdm: DevSettings.pdm
    readonly property var other: pdm ? pdm.other : null
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === ArdixEnums.ardixOnline
    readonly property real ps: AppStyle.pixelScale

    readonly property var canSpeedNames: ["125 kbps", "250 kbps", "500 kbps", "1 Mbit"]
    readonly property var ecuEntries: kernel ? kernel.ecuList_PDM : []
    // Shown by the device when its PWM frequency is left at 0.
    readonly property int pwmDefaultFreq: 17000

    applyButtonRight.visible: pdm !== null && pdm.hasChanges
    headerInfoText: pdm ? "использовано операций " + pdm.activePdmFunctions + " / " + MyDefines.max_PDM_FUNCTIONS_COUNT : ""
    onAccepted: applySettings()

    function applySettings() {
        if (kernel)
            kernel.applyNewPdmSettings()
    }

    function rebuildMenu() {
        menuList.rebuild()
    }

    function ask(props, handlers) {
        return window ? window.createDialog(props, handlers) : null
    }

    function openNotAvailable(title) {
        const view = root.StackView.view
        if (view && typeof view.openNotAvailable === "function")
            return view.openNotAvailable(title)
        const c = Qt.createComponent("../dialogs/NotAvailablePage.qml")
        return c.createObject(window ? window.contentItem : root.parent, { title: title, window: window, kernel: kernel })
    }

    function customBackButtonAction() {
        if (!pdm || !pdm.hasChanges) {
            destroyBasicDialog()
            return
        }
        ask({ dialogTitle: "Внимание", dialogText: "Применить изменения?", acceptBtnText: "Применить",
              cancelBtnText: "Нет, Удалить", cancelBtnColor: "#975a5a", isCancelBtnVisible: true,
              isExitBtnVisible: true },
            { accepted: function() { root.applySettings(); root.destroyBasicDialog() },
              canceled: function() { root.pdm.reloadFromStruct(); root.destroyBasicDialog() } })
    }

    function masterSwitchDescription() {
        if (!other)
            return ""
        const enabled = (other.pdmOtherSettingConfigBits
                         & (1 << ArdixEnums.PdmOtherSettingsConfigBits_isMasterShutdownFunctionEnabled)) !== 0
        if (!enabled)
            return " условие не назначено"
        const description = window && typeof window.getPdmFunctionDescription === "function"
                ? window.getPdmFunctionDescription(other.masterShutdownFunctionId) : ""
        return "Все выходы, будут выключены при условии:" + (description ? "\n" + description : "")
    }

    function setOther(name, value) {
        if (other[name] === value)
            return
        other[name] = value
        pdm.otherHasChanges = true
    }

    function resetSettings() {
        AppSettings.canInputMessagesIdFormatIsHex = []
        AppSettings.canOutputMessagesIdFormatIsHex = []
        if (!kernel)
            return
        kernel.loadDefaultPdmSettings(true)
        kernel.newConfigDownloadedFromArdix()
    }

    function showFile(isImport) {
        if (window)
            window.showFileDialog(ArdixEnums.Device_Pmx, ArdixEnums.Settings_FileType, isImport, "")
    }

    function ecuIndexOf(protocol) {
        for (let i = 0; i < ecuEntries.length; ++i)
            if (ecuEntries[i].idd === protocol)
                return i
        return -1
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

            SettingsRow {
                rowId: ArdixEnums.PdmSettings_CurrentState
                title: "Текущее состояние"
                onClicked: root.openNotAvailable(title)
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Inputs
                title: "Входы"
                onClicked: root.openNotAvailable(title)
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Outputs
                title: "Выходы"
                onClicked: root.openNotAvailable(title)
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Keypad
                title: "Кейпад"
                onClicked: root.openNotAvailable(title)
            }
            SettingsRow {
                objectName: "row_PdmSettings_MasterSwitch"
                rowId: ArdixEnums.PdmSettings_MasterSwitch
                title: "Размыкатель   ->"
                height: Math.max(Math.round(AppStyle.basicRowHeight * 0.9), Math.ceil(masterText.implicitHeight + 20 * root.ps))
                onClicked: root.openNotAvailable("Размыкатель")
                Text {
                    id: masterText
                    objectName: "masterSwitchText"
                    width: menuList.width * 0.6
                    text: root.masterSwitchDescription()
                    color: "#1A1A1A"
                    wrapMode: Text.WordWrap
                    font.pixelSize: AppStyle.basicFontSize * 0.9
                }
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_GlobalFunctions
                title: "Глобальные функции и счетчики"
                onClicked: root.openNotAvailable(title)
            }
            SettingsRow {
                objectName: "row_PdmSettings_Ecu"
                rowId: ArdixEnums.PdmSettings_Ecu
                title: "Can связь, скорость   ->"
                clickable: false
                MenuComboBox {
                    objectName: "pdmCanSpeedCombo"
                    width: 170 * root.ps
                    accessibleName: "Can скорость"
                    model: root.canSpeedNames
                    currentIndex: root.other ? root.other.canbusBaud : -1
                    onActivated: (index) => root.setOther("canbusBaud", index)
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: " Ecu   ->  "
                    color: "#1A1A1A"
                    font.pixelSize: AppStyle.basicFontSize
                }
                MenuComboBox {
                    objectName: "pdmEcuCombo"
                    width: 300 * root.ps
                    accessibleName: "Протокол Ecu"
                    model: root.ecuEntries.map(e => e.name)
                    currentIndex: root.other ? root.ecuIndexOf(root.other.ecuProtocol) : -1
                    onActivated: (index) => root.setOther("ecuProtocol", root.ecuEntries[index].idd)
                }
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_CanInput
                title: "Can прием  ->"
                clickable: false
                Repeater {
                    model: [{ text: "CAN Фильтры", page: "Can прием: фильтры" },
                            { text: "CAN Цифровые\nвходы(биты)", page: "Can прием: цифровые входы" },
                            { text: "Прием\nданных", page: "Can прием: прием данных" }]
                    FlatButton {
                        required property var modelData
                        width: 190 * root.ps
                        height: AppStyle.basicRowHeight * 0.75
                        fontSize: AppStyle.basicFontSize
                        text: modelData.text
                        accessibleName: modelData.page
                        onClicked: root.openNotAvailable(modelData.page)
                    }
                }
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_CanOutput
                title: "Can передача"
                onClicked: root.openNotAvailable(title)
            }
            SettingsRow {
                objectName: "row_PdmSettings_Pwm"
                rowId: ArdixEnums.PdmSettings_Pwm
                title: "Частота PWM выходов"
                clickable: false
                MenuSpinBox {
                    objectName: "pwmSpin"
                    from: 2
                    to: 25000
                    smallStep: 1
                    bigStep: 100
                    bigStepFrom: 100
                    suffix: "Гц"
                    accessibleName: "Частота PWM выходов, Гц"
                    value: root.other ? (root.other.pwmFreq === 0 ? root.pwmDefaultFreq : root.other.pwmFreq) : root.pwmDefaultFreq
                    onValueModified: (newValue) => root.setOther("pwmFreq", newValue)
                }
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Wifi
                title: "WIFI"
                onClicked: root.openNotAvailable(title)
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Update
                title: "Обновление прошивки PDM"
                onClicked: root.StackView.view.openPage("dialogs/UpdateDialog.qml", { parentDevice: ArdixEnums.Device_Pmx })
            }
            SettingsRow {
                objectName: "row_PdmSettings_Password"
                rowId: ArdixEnums.PdmSettings_Password
                title: root.other && root.other.isPasswordProtectionSet ? "Парольная защита настроек уже установлена"
                                                                        : "Установить парольную защиту настроек"
                onClicked: {
                    if (!root.kernel)
                        return
                    if (root.other && root.other.isPasswordProtectionSet)
                        root.kernel.showSyncDiaglog(true)
                    else
                        root.kernel.showPdmSettingsPasswordDialog(true)
                }
            }
            SettingsRow {
                objectName: "row_PdmSettings_ResetSettings"
                rowId: ArdixEnums.PdmSettings_ResetSettings
                title: "Сбросить настройки PDM"
                onClicked: root.ask({ dialogText: "Вы действительно хотите сбросить настройки PDM?",
                                      isCancelBtnVisible: true },
                                    function() { root.resetSettings() })
            }
            SettingsRow {
                objectName: "row_PdmSettings_LoadSettingsFromFile"
                rowId: ArdixEnums.PdmSettings_LoadSettingsFromFile
                title: "Загрузить настройки PDM из файла"
                onClicked: root.showFile(true)
            }
            SettingsRow {
                objectName: "row_PdmSettings_SaveSettingToFile"
                rowId: ArdixEnums.PdmSettings_SaveSettingToFile
                title: "Сохранить настройки PDM в файл"
                onClicked: root.showFile(false)
            }
        }
    }
}
