#include "ui/SettingsFieldLabels.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

namespace {

struct FieldLabel
{
    const char *field;
    const char *label;
};

// Worded as the pages word them where a page shows the field.
constexpr FieldLabel kLabels[] = {
    // common settings of the dash
    {"skinsPos", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Ячейка экрана")},
    {"currSkin", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Скин")},
    {"can1BaudId", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Can 1 Скорость")},
    {"currEcuProtocol", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Протокол ECU")},
    {"isRu", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Язык")},
    {"skinsSettings", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Настройки экрана")},
    {"ModesEnabled", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Включенные режимы")},
    {"ewp_minDuty", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Помпа: мин. заполнение")},
    {"ewp_TargetTemp", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Помпа: целевая температура")},
    {"ewp_PID_Kp", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Помпа: Kp")},
    {"ewp_PID_Ki", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Помпа: Ki")},
    {"ewp_PID_Kd", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Помпа: Kd")},
    {"lcdPwmDuty", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Мин. яркость экрана")},
    {"shiftLightPwmDuty", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Мин. яркость светодиодов")},
    {"autoBrightness", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Автояркость")},
    {"lightSensorSensivity", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Чувствительность датчика света")},
    {"animationsOnOff", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Анимация")},
    {"tripA", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Одометр А")},
    {"tripB", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Одометр B")},
    {"settingsVer", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Версия настроек")},
    {"ardixSerialNum", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Серийный номер Ardix")},
    {"secondArdixSerialNum", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Серийный номер второго Ardix")},
    {"offsetFromUtc_seconds", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Часовой пояс, с")},
    {"inputExtraPortAssigment", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Доп. вход")},
    {"inputCaptureCorrection", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Коеффициент импульсного входа")},
    {"gearsCount", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Количество передач")},
    {"diffRatio", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Главная пара")},
    {"wheelCircleLenght", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Длина окружности колеса")},
    {"gearRatios", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Передаточное число")},
    {"inputPortAssigment", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Цифровой вход")},
    {"fansSettings", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Выход")},
    {"fuelLevelApproxTime", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Время усреднения уровня топлива")},
    {"userLabel", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Подпись")},
    {"userLogin", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Логин")},
    {"userPasswordHash", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Пароль")},
    {"fuelPressDiffBoost", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Давление топлива относительно наддува")},
    {"fuelType_stoichiometry", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Стехиометрия")},
    {"input16ChannelModuleSettings", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Модуль входов: вход")},
    {"oilPressWarningLevels", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Мин. давление масла, диапазон")},
    {"output3ChannelModuleSettings", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Модуль выходов: выход")},
    {"egt2canSensorsCount", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Модуль EGT: датчиков")},
    {"deviceName", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Имя устройства")},
    {"pdmsSerial", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Серийный номер PDM")},
    // logging
    {"rateHz", QT_TRANSLATE_NOOP("SettingsFieldLabels", "частота")},
    {"maxFilesCount", QT_TRANSLATE_NOOP("SettingsFieldLabels", "макс. кол-во файлов")},
    {"logFileSizeMB", QT_TRANSLATE_NOOP("SettingsFieldLabels", "макс. размер файла")},
    {"logPauseDelay", QT_TRANSLATE_NOOP("SettingsFieldLabels", "пауза выкл.")},
    {"logTrigger1SourceId", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Триггер 1")},
    {"logTrigger2SourceId", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Триггер 2")},
    {"trigger1Value", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Триггер 1: значение")},
    {"trigger2Value", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Триггер 2: значение")},
    {"stdSensors", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Записываемые показатели")},
    {"customSensors", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Записываемые свои показатели")},
    {"modules", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Записываемые модули")},
    // GPS module
    {"userSpeedRanges", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Разгон")},
    {"userDistanceRanges", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Дистанция")},
    {"userBreakingSpeed", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Торможение")},
    {"accXCalibrationValue", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Калибровка акселерометра X")},
    {"accYCalibrationValue", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Калибровка акселерометра Y")},
    {"accZCalibrationValue", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Калибровка акселерометра Z")},
    {"startPointLat", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Стартовая линия: широта")},
    {"startPointLon", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Стартовая линия: долгота")},
    {"startPointCourse", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Стартовая линия: курс")},
    // sensors
    {"sensorID", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Номер показателя")},
    {"analogGroup", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Тип")},
    {"customShortName", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Название")},
    {"analogTableID", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Тарировка")},
    {"inputDataSource", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Источник")},
    {"inputSourceIndex", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Вход")},
    {"unitsID", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Единицы")},
    {"preWarningValue", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Предупреждение заранее")},
    {"warningValueMax", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Порог предупреждения (макс.)")},
    {"warningValueMin", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Порог предупреждения (мин.)")},
    {"maxPossibleValue", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Максимум шкалы")},
    {"minPossibleValue", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Минимум шкалы")},
    {"sensorNoWarningTime", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Без предупреждений после пуска")},
    {"sensorAutoWarningOffDelay", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Автоотключение предупреждения")},
    // custom analog sensors
    {"name", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Название")},
    {"sensorType", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Тип")},
    {"tableSize", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Точек в таблице")},
    {"rangeTolerance", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Допуск")},
    {"linearA", "a"},
    {"linearB", "b"},
    {"analogTable", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Точка")},
    // channel bindings (lamps, actions, CAN)
    {"inChannelType", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Тип канала")},
    {"inChannel", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Канал")},
    {"isInverse", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Инвертированный")},
    {"isPullUp", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Подтяжка")},
    {"config", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Флаги")},
    {"configBits", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Флаги")},
    {"frameId", "CAN ID"},
    {"isIdExtended", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Расширенный ID")},
    {"isMessageEnabled", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Включено")},
    {"isInputEnabled", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Включен")},
    {"rateMillis", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Период, мс")},
    {"timeoutMillis", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Таймаут, мс")},
    {"dataByteIndex", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Байт")},
    {"dataBitIndex", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Бит")},
    {"dataMask", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Маска")},
    {"dataValueMultiplier", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Множитель")},
    {"dataValueDivider", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Делитель")},
    {"dataValueOffset", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Оффсет")},
    {"dataValueOnTimeout", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Значение при таймауте")},
    {"isSetValueOnTimeout", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Установить значение при таймауте")},
    {"isSetupByMask", QT_TRANSLATE_NOOP("SettingsFieldLabels", "По маске")},
    {"isSwapBytes", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Старший байт первый")},
    {"isSignedValue", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Со знаком")},
    {"isSize16Bit", QT_TRANSLATE_NOOP("SettingsFieldLabels", "16 бит")},
    {"canInMessageIndex", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Сообщение")},
    {"inputName", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Название")},
    {"destinationSensId", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Показатель")},
    {"analogTableId", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Тарировка")},
    {"frameSize", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Длина пакета")},
    {"userData", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Данные")},
    {"frameIdPosition", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Позиция ID в пакете")},
    {"isFrameSet", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Пакет задан")},
    {"dataSize", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Размер данных")},
    {"constantData", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Постоянные данные")},
    {"isResetOnTimeout", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Сброс при таймауте")},
    {"isSetOnTimeout", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Установка при таймауте")},
    {"canInMessagesFrameIdMask", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Маска идентификаторов")},
    // keypads
    {"keypadType", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Модель кейпада")},
    {"canId", "CAN ID"},
    {"keypadSerial", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Кейпад ID")},
    {"keypadConfigBits", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Флаги кейпада")},
    {"ledsAndWs2812bBrightness", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Яркость")},
    {"redColor", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Красный")},
    {"greenColor", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Зеленый")},
    {"blueColor", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Синий")},
    {"buttonsNames", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Кнопка")},
    // PDM
    {"outputName", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Название")},
    {"functionName", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Название")},
    {"conditionOperator", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Условие")},
    {"trueDelayHystOrFlash", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Задержка включения")},
    {"falseDelayHystOrFlash", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Задержка выключения")},
    {"constValueToCompareWith", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Значение")},
    {"constMinValueToCompareWith", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Минимум")},
    {"constMaxValueToCompareWith", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Максимум")},
    {"additionalInChannelType", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Доп. тип канала")},
    {"additionalInChannel", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Доп. канал")},
    {"additionalConstValueToCompareWith", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Доп. значение")},
    {"operatorsBetweenFunctions", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Связка условий")},
    {"functionsOrder", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Условие")},
    {"functionsCount", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Условий")},
    {"maxCurrent", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Макс. ток")},
    {"minCurrent", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Мин. ток")},
    {"maxInrushCurrent", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Макс. пусковой ток")},
    {"inrushDelay", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Время пускового тока")},
    {"retryCount", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Попыток перезапуска")},
    {"retryDelay", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Пауза перед перезапуском")},
    {"minDuty", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Мин. заполнение ШИМ")},
    {"pwmFreq", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Частота ШИМ")},
    {"canbusBaud", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Скорость CAN")},
    {"ecuProtocol", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Протокол ECU")},
    {"ardixSerial", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Серийный номер Ardix")},
    {"pdmSerialNumber", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Серийный номер PDM")},
    {"tic124InputsConfig", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Вход")},
    {"tic124InputsNames", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Название входа")},
    {"masterShutdownFunctionId", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Главный выключатель")},
    {"masterRetryFunctionId", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Сброс аварий")},
    {"pdmSleepFunctionId", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Сон PDM")},
    {"pdmOtherSettingConfigBits", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Флаги PDM")},
    {"isThisTestSettings", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Тестовые настройки")},
    {"isPasswordProtectionSet", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Защита паролем")},
    {"passwordHash", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Пароль")},
    {"pwmFunctionsOrder", QT_TRANSLATE_NOOP("SettingsFieldLabels", "ШИМ: условие")},
    {"pwmFunctionsActiveBits", QT_TRANSLATE_NOOP("SettingsFieldLabels", "ШИМ: активные условия")},
    {"redFunctionsActiveBits", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Красный: активные условия")},
    {"greenFunctionsActiveBits", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Зеленый: активные условия")},
    {"blueFunctionsActiveBits", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Синий: активные условия")},
    {"ledRedFunction", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Красный: условие")},
    {"ledGreenFunction", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Зеленый: условие")},
    {"ledBlueFunction", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Синий: условие")},
    {"currentStateOveride_InChannelType", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Переопределение состояния: тип канала")},
    {"listIndex", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Позиция в списке")},
    {"src_dev", QT_TRANSLATE_NOOP("SettingsFieldLabels", "Источник")},
};

const QHash<QString, const char *> &labels()
{
    static const QHash<QString, const char *> table = [] {
        QHash<QString, const char *> t;
        for (const FieldLabel &l : kLabels)
            t.insert(QString::fromLatin1(l.field), l.label);
        return t;
    }();
    return table;
}

// "gearRatios[2]" -> "Передаточное число 3"; a name the table lacks stays as it is.
QString segmentLabel(const QString &segment, bool *known)
{
    static const QRegularExpression index(QStringLiteral("\\[(\\d+)\\]"));
    const int bracket = int(segment.indexOf(QLatin1Char('[')));
    const QString base = bracket < 0 ? segment : segment.left(bracket);
    const auto found = labels().constFind(base);
    if (found == labels().constEnd())
        return segment;
    *known = true;
    // Translated when asked for, so that a change of language shows at once.
    const QString label = QCoreApplication::translate("SettingsFieldLabels", *found);
    QStringList numbers;
    for (auto it = index.globalMatch(segment); it.hasNext();)
        numbers << QString::number(it.next().captured(1).toInt() + 1);
    return numbers.isEmpty() ? label : label + QLatin1Char(' ') + numbers.join(QLatin1Char('.'));
}

} // namespace

QString settingsFieldLabel(const QString &field)
{
    bool known = false;
    QStringList parts;
    for (const QString &segment : field.split(QLatin1Char('.')))
        parts << segmentLabel(segment, &known);
    return known ? parts.join(QStringLiteral(" · ")) : field;
}
