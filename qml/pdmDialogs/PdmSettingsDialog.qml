import QtQuick
import QtQuick.Controls
import ARDIX 1.0
import "../myComponents"
import "../utils/PdmDialogs.js" as Dialogs

// The PDM settings menu, first page of the settings stack for the PDM.
BasicDialog {
    id: root
    objectName: "pdmSettingsDialog"
    fullScreen: true
    title: qsTr("Настройки PDM")
    customBackButtonFunction: true

    readonly property var pdm: DevSettings.pdm
    readonly property var other: pdm ? pdm.other : null
    readonly property bool isConnected: kernel !== null && kernel.ardixStatus === MyDefines.ardixOnline
    readonly property real ps: AppStyle.pixelScale

    readonly property var canSpeedNames: ["125 kbps", "250 kbps", "500 kbps", "1 Mbit"]
    readonly property var ecuEntries: kernel ? kernel.ecuList_PDM : []
    // Shown by the device when its PWM frequency is left at 0.
    readonly property int pwmDefaultFreq: 17000

    applyButtonRight.visible: pdm !== null && pdm.hasChanges
    headerInfoText: pdm ? qsTr("использовано операций %1").arg(pdm.activePdmFunctions) + " / " + MyDefines.max_PDM_FUNCTIONS_COUNT : ""
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

    function openPage(path, props) {
        const view = root.StackView.view
        if (view && typeof view.openPage === "function")
            return view.openPage(path, props)
        return null
    }

    function customBackButtonAction() {
        if (!pdm || !pdm.hasChanges) {
            destroyBasicDialog()
            return
        }
        ask({ dialogTitle: qsTr("Внимание"), dialogText: qsTr("Применить изменения?"), acceptBtnText: qsTr("Применить"),
              cancelBtnText: qsTr("Нет, Удалить"), cancelBtnColor: AppStyle.destructiveColor, isCancelBtnVisible: true,
              isExitBtnVisible: true },
            { accepted: function() { root.applySettings(); root.destroyBasicDialog() },
              canceled: function() { root.pdm.reloadFromStruct(); root.destroyBasicDialog() } })
    }

    function isConditionSet(bit) {
        return other !== null && (other.pdmOtherSettingConfigBits & (1 << bit)) !== 0
    }

    function conditionDescription(bit, idProperty, lead) {
        if (!other)
            return ""
        if (!isConditionSet(bit))
            return qsTr(" условие не назначено")
        // Unapplied edits are described from the edited settings; otherwise as the window does.
        const id = other[idProperty]
        const description = pdm.hasChanges ? (preview.revision >= 0 ? preview.description(id) : "")
                : window && typeof window.getPdmFunctionDescription === "function" ? window.getPdmFunctionDescription(id) : ""
        return lead + (description ? "\n" + description : "")
    }

    function masterSwitchDescription() {
        return conditionDescription(ArdixEnums.PdmOtherSettingsConfigBits_isMasterShutdownFunctionEnabled,
                                    "masterShutdownFunctionId", qsTr("Все выходы, будут выключены при условии:"))
    }

    // The master switch, error reset and sleep each hang on one condition of their own.
    function openCondition(bit, idProperty, parentType) {
        if (!pdm)
            return null
        const isNew = !isConditionSet(bit)
        const id = isNew ? Dialogs.newFunctionId(window, pdm.functions) : other[idProperty]
        if (id < 0)
            return null
        const d = Dialogs.openModal(window, "logicDialogs/InternalFunctionSettingsDialog.qml",
                                    { thisFunctionId: id, isAddNew: isNew, functionParent: parentType, kernel: kernel, window: window })
        if (d && isNew)
            d.functionSaved.connect(function(fid) {
                root.other[idProperty] = fid
                root.other.pdmOtherSettingConfigBits = root.other.pdmOtherSettingConfigBits | (1 << bit)
                root.pdm.otherHasChanges = true
            })
        return d
    }

    function clearCondition(bit, idProperty) {
        if (!isConditionSet(bit))
            return
        const f = pdm.functions[other[idProperty]]
        if (f)
            f.reset()
        other.pdmOtherSettingConfigBits = other.pdmOtherSettingConfigBits & ~(1 << bit)
        other[idProperty] = 0
        pdm.otherHasChanges = true
        pdm.functionsHasChanges = true
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

    PdmLogicPreview {
        id: preview
        settings: root.pdm
        kernel: root.kernel
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
                rowId: ArdixEnums.PdmSettings_CurrentState
                title: qsTr("Текущее состояние")
                onClicked: root.openPage("pdmDialogs/PdmRealtimeDataDialog.qml")
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Inputs
                title: qsTr("Входы")
                onClicked: root.openPage("pdmDialogs/PdmInputsSettingsDialog.qml")
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Outputs
                title: qsTr("Выходы")
                onClicked: root.openPage("pdmDialogs/PdmOutputsListDialog.qml")
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Keypad
                title: qsTr("Кейпад")
                onClicked: root.openPage("keypadDialogs/KeypadSettingsDialog.qml", { parentDev: ArdixEnums.Device_Pmx })
            }
            SettingsRow {
                objectName: "row_PdmSettings_MasterSwitch"
                rowId: ArdixEnums.PdmSettings_MasterSwitch
                title: qsTr("Размыкатель   ->")
                height: Math.max(Math.round(AppStyle.basicRowHeight * 0.9), Math.ceil(masterText.implicitHeight + 20 * root.ps))
                onClicked: root.openCondition(ArdixEnums.PdmOtherSettingsConfigBits_isMasterShutdownFunctionEnabled,
                                              "masterShutdownFunctionId", ArdixEnums.FunctionParent_PdmMasterShutdown)
                Text {
                    id: masterText
                    objectName: "masterSwitchText"
                    width: menuList.width * 0.6
                    text: root.masterSwitchDescription()
                    color: AppStyle.textColor
                    wrapMode: Text.WordWrap
                    font.pixelSize: AppStyle.basicFontSize * 0.9
                }
            }
            Repeater {
                model: [{ title: qsTr("Сброс ошибок   ->"), rowId: ArdixEnums.PdmSettings_MasterRetry, id: "masterRetryFunctionId",
                          bit: ArdixEnums.PdmOtherSettingsConfigBits_isMasterRetryFunctionIdEnabled,
                          lead: qsTr("Ошибки выходов будут сброшены при условии:") },
                        { title: qsTr("Переход в сон   ->"), rowId: -1, id: "pdmSleepFunctionId",
                          bit: ArdixEnums.PdmOtherSettingsConfigBits_isPdmSleepFunctionIdEnabled,
                          lead: qsTr("PDM перейдет в сон при условии:") }]
                SettingsRow {
                    id: condRow
                    required property var modelData
                    objectName: "row_condition_" + modelData.id
                    rowId: modelData.rowId
                    title: modelData.title
                    height: Math.max(Math.round(AppStyle.basicRowHeight * 0.9), Math.ceil(condText.implicitHeight + 20 * root.ps))
                    onClicked: root.openCondition(modelData.bit, modelData.id, ArdixEnums.FunctionParent_PdmOutput)
                    Text {
                        id: condText
                        anchors.verticalCenter: parent.verticalCenter
                        width: menuList.width * 0.6 - (clearButton.visible ? clearButton.width + 12 * root.ps : 0)
                        text: root.conditionDescription(condRow.modelData.bit, condRow.modelData.id, condRow.modelData.lead)
                        color: AppStyle.textColor
                        wrapMode: Text.WordWrap
                        font.pixelSize: AppStyle.basicFontSize * 0.9
                    }
                    FlatButton {
                        id: clearButton
                        visible: root.isConditionSet(condRow.modelData.bit)
                        anchors.verticalCenter: parent.verticalCenter
                        width: 110 * root.ps
                        height: 44 * root.ps
                        color: AppStyle.destructiveColor
                        text: qsTr("Убрать")
                        accessibleName: qsTr("Убрать условие: %1").arg(condRow.modelData.title)
                        onClicked: root.clearCondition(condRow.modelData.bit, condRow.modelData.id)
                    }
                }
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_GlobalFunctions
                title: qsTr("Глобальные функции и счетчики")
                onClicked: root.openPage("logicDialogs/GlobalFunctionsAndCountersDialog.qml")
            }
            SettingsRow {
                objectName: "row_PdmSettings_Ecu"
                rowId: ArdixEnums.PdmSettings_Ecu
                title: qsTr("Can связь, скорость   ->")
                clickable: false
                MenuComboBox {
                    objectName: "pdmCanSpeedCombo"
                    width: 170 * root.ps
                    accessibleName: qsTr("Can скорость")
                    model: root.canSpeedNames
                    currentIndex: root.other ? root.other.canbusBaud : -1
                    onActivated: (index) => root.setOther("canbusBaud", index)
                }
                Text {
                    anchors.verticalCenter: parent.verticalCenter
                    text: " Ecu   ->  "
                    color: AppStyle.textColor
                    font.pixelSize: AppStyle.basicFontSize
                }
                MenuComboBox {
                    objectName: "pdmEcuCombo"
                    width: 300 * root.ps
                    accessibleName: qsTr("Протокол Ecu")
                    model: root.ecuEntries.map(e => e.name)
                    currentIndex: root.other ? root.ecuIndexOf(root.other.ecuProtocol) : -1
                    onActivated: (index) => root.setOther("ecuProtocol", root.ecuEntries[index].idd)
                }
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_CanInput
                title: qsTr("Can прием  ->")
                clickable: false
                Repeater {
                    model: [{ text: qsTr("CAN Фильтры"), page: qsTr("Can прием: фильтры"), file: "CanInputMessagesDialog.qml" },
                            { text: qsTr("CAN Цифровые\nвходы(биты)"), page: qsTr("Can прием: цифровые входы"), file: "CanDigitalInputsDialog.qml" },
                            { text: qsTr("Прием\nданных"), page: qsTr("Can прием: прием данных"), file: "CanAnalogInputsDialog.qml" }]
                    FlatButton {
                        required property var modelData
                        width: 190 * root.ps
                        height: AppStyle.basicRowHeight * 0.75
                        fontSize: AppStyle.basicFontSize
                        text: modelData.text
                        accessibleName: modelData.page
                        onClicked: root.openPage("canDialogs/" + modelData.file, { parentDev: ArdixEnums.Device_Pmx })
                    }
                }
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_CanOutput
                title: qsTr("Can передача")
                onClicked: root.openPage("canDialogs/CanOutputMessagesDialog.qml", { parentDev: ArdixEnums.Device_Pmx })
            }
            SettingsRow {
                objectName: "row_PdmSettings_Pwm"
                rowId: ArdixEnums.PdmSettings_Pwm
                title: qsTr("Частота PWM выходов")
                clickable: false
                MenuSpinBox {
                    objectName: "pwmSpin"
                    from: 2
                    to: 25000
                    smallStep: 1
                    bigStep: 100
                    bigStepFrom: 100
                    suffix: qsTr("Гц")
                    accessibleName: qsTr("Частота PWM выходов, Гц")
                    value: root.other ? (root.other.pwmFreq === 0 ? root.pwmDefaultFreq : root.other.pwmFreq) : root.pwmDefaultFreq
                    onValueModified: (newValue) => root.setOther("pwmFreq", newValue)
                }
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Wifi
                title: "WIFI"
                onClicked: root.StackView.view.openPage("dialogs/Wifi.qml", { parentDevice: ArdixEnums.Device_Pmx })
            }
            SettingsRow {
                rowId: ArdixEnums.PdmSettings_Update
                title: qsTr("Обновление прошивки PDM")
                onClicked: root.StackView.view.openPage("dialogs/UpdateDialog.qml", { parentDevice: ArdixEnums.Device_Pmx })
            }
            SettingsRow {
                objectName: "row_PdmSettings_Password"
                rowId: ArdixEnums.PdmSettings_Password
                title: root.other && root.other.isPasswordProtectionSet ? qsTr("Парольная защита настроек уже установлена")
                                                                        : qsTr("Установить парольную защиту настроек")
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
                title: qsTr("Сбросить настройки PDM")
                onClicked: root.ask({ dialogText: qsTr("Вы действительно хотите сбросить настройки PDM?"),
                                      isCancelBtnVisible: true },
                                    function() { root.resetSettings() })
            }
            SettingsRow {
                objectName: "row_PdmSettings_LoadSettingsFromFile"
                rowId: ArdixEnums.PdmSettings_LoadSettingsFromFile
                title: qsTr("Загрузить настройки PDM из файла")
                onClicked: root.showFile(true)
            }
            SettingsRow {
                objectName: "row_PdmSettings_SaveSettingToFile"
                rowId: ArdixEnums.PdmSettings_SaveSettingToFile
                title: qsTr("Сохранить настройки PDM в файл")
                onClicked: root.showFile(false)
            }
            SettingsRow {
                objectName: "row_PdmSettings_History"
                title: qsTr("История настроек")
                onClicked: root.openPage("dialogs/SettingsHistoryDialog.qml", { pdm: true })
            }
        }
    }
}
