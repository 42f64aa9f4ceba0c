#include "ui/SettingsFieldLabels.h"

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
    {"skinsPos", "Ячейка экрана"},
    {"currSkin", "Скин"},
    {"can1BaudId", "Can 1 Скорость"},
    {"currEcuProtocol", "Протокол ECU"},
    {"isRu", "Язык"},
    {"skinsSettings", "Настройки экрана"},
    {"ewp_minDuty", "Помпа: мин. заполнение"},
    {"ewp_TargetTemp", "Помпа: целевая температура"},
    {"ewp_PID_Kp", "Помпа: Kp"},
    {"ewp_PID_Ki", "Помпа: Ki"},
    {"ewp_PID_Kd", "Помпа: Kd"},
    {"lcdPwmDuty", "Мин. яркость экрана"},
    {"shiftLightPwmDuty", "Мин. яркость светодиодов"},
    {"autoBrightness", "Автояркость"},
    {"lightSensorSensivity", "Чувствительность датчика света"},
    {"animationsOnOff", "Анимация"},
    {"tripA", "Одометр А"},
    {"tripB", "Одометр B"},
    {"settingsVer", "Версия настроек"},
    {"ardixSerialNum", "Серийный номер Ardix"},
    {"secondArdixSerialNum", "Серийный номер второго Ardix"},
    {"offsetFromUtc_seconds", "Часовой пояс, с"},
    {"inputExtraPortAssigment", "Доп. вход"},
    {"inputCaptureCorrection", "Коеффициент импульсного входа"},
    {"gearsCount", "Количество передач"},
    {"diffRatio", "Главная пара"},
    {"wheelCircleLenght", "Длина окружности колеса"},
    {"gearRatios", "Передаточное число"},
    {"inputPortAssigment", "Цифровой вход"},
    {"fansSettings", "Выход"},
    {"fuelLevelApproxTime", "Время усреднения уровня топлива"},
    {"userLabel", "Подпись"},
    {"userLogin", "Логин"},
    {"userPasswordHash", "Пароль"},
    {"fuelPressDiffBoost", "Давление топлива относительно наддува"},
    {"fuelType_stoichiometry", "Стехиометрия"},
    {"input16ChannelModuleSettings", "Модуль входов: вход"},
    {"oilPressWarningLevels", "Мин. давление масла, диапазон"},
    {"output3ChannelModuleSettings", "Модуль выходов: выход"},
    {"egt2canSensorsCount", "Модуль EGT: датчиков"},
    {"deviceName", "Имя устройства"},
    {"pdmsSerial", "Серийный номер PDM"},
    // logging
    {"rateHz", "частота"},
    {"maxFilesCount", "макс. кол-во файлов"},
    {"logFileSizeMB", "макс. размер файла"},
    {"logPauseDelay", "пауза выкл."},
    {"logTrigger1SourceId", "Триггер 1"},
    {"logTrigger2SourceId", "Триггер 2"},
    {"trigger1Value", "Триггер 1: значение"},
    {"trigger2Value", "Триггер 2: значение"},
    {"stdSensors", "Записываемые показатели"},
    {"customSensors", "Записываемые свои показатели"},
    {"modules", "Записываемые модули"},
    // GPS module
    {"userSpeedRanges", "Разгон"},
    {"userDistanceRanges", "Дистанция"},
    {"userBreakingSpeed", "Торможение"},
    {"accXCalibrationValue", "Калибровка акселерометра X"},
    {"accYCalibrationValue", "Калибровка акселерометра Y"},
    {"accZCalibrationValue", "Калибровка акселерометра Z"},
    {"startPointLat", "Стартовая линия: широта"},
    {"startPointLon", "Стартовая линия: долгота"},
    {"startPointCourse", "Стартовая линия: курс"},
    // sensors
    {"sensorID", "Номер показателя"},
    {"analogGroup", "Тип"},
    {"customShortName", "Название"},
    {"analogTableID", "Тарировка"},
    {"inputDataSource", "Источник"},
    {"inputSourceIndex", "Вход"},
    {"unitsID", "Единицы"},
    {"preWarningValue", "Предупреждение заранее"},
    {"warningValueMax", "Порог предупреждения (макс.)"},
    {"warningValueMin", "Порог предупреждения (мин.)"},
    {"maxPossibleValue", "Максимум шкалы"},
    {"minPossibleValue", "Минимум шкалы"},
    {"sensorNoWarningTime", "Без предупреждений после пуска"},
    {"sensorAutoWarningOffDelay", "Автоотключение предупреждения"},
    // custom analog sensors
    {"name", "Название"},
    {"sensorType", "Тип"},
    {"tableSize", "Точек в таблице"},
    {"rangeTolerance", "Допуск"},
    {"linearA", "a"},
    {"linearB", "b"},
    {"analogTable", "Точка"},
    // channel bindings (lamps, actions, CAN)
    {"inChannelType", "Тип канала"},
    {"inChannel", "Канал"},
    {"isInverse", "Инвертированный"},
    {"isPullUp", "Подтяжка"},
    {"config", "Флаги"},
    {"configBits", "Флаги"},
    {"frameId", "CAN ID"},
    {"isIdExtended", "Расширенный ID"},
    {"isMessageEnabled", "Включено"},
    {"isInputEnabled", "Включен"},
    {"rateMillis", "Период, мс"},
    {"timeoutMillis", "Таймаут, мс"},
    {"dataByteIndex", "Байт"},
    {"dataBitIndex", "Бит"},
    {"dataMask", "Маска"},
    {"dataValueMultiplier", "Множитель"},
    {"dataValueDivider", "Делитель"},
    {"dataValueOffset", "Оффсет"},
    {"dataValueOnTimeout", "Значение при таймауте"},
    {"isSetValueOnTimeout", "Установить значение при таймауте"},
    {"isSetupByMask", "По маске"},
    {"isSwapBytes", "Старший байт первый"},
    {"isSignedValue", "Со знаком"},
    {"isSize16Bit", "16 бит"},
    {"canInMessageIndex", "Сообщение"},
    {"inputName", "Название"},
    {"destinationSensId", "Показатель"},
    {"analogTableId", "Тарировка"},
    {"frameSize", "Длина пакета"},
    {"userData", "Данные"},
    {"frameIdPosition", "Позиция ID в пакете"},
    {"isFrameSet", "Пакет задан"},
    {"dataSize", "Размер данных"},
    {"constantData", "Постоянные данные"},
    {"isResetOnTimeout", "Сброс при таймауте"},
    {"isSetOnTimeout", "Установка при таймауте"},
    {"canInMessagesFrameIdMask", "Маска идентификаторов"},
    // keypads
    {"keypadType", "Модель кейпада"},
    {"canId", "CAN ID"},
    {"keypadSerial", "Кейпад ID"},
    {"keypadConfigBits", "Флаги кейпада"},
    {"ledsAndWs2812bBrightness", "Яркость"},
    {"redColor", "Красный"},
    {"greenColor", "Зеленый"},
    {"blueColor", "Синий"},
    {"buttonsNames", "Кнопка"},
    // PDM
    {"outputName", "Название"},
    {"functionName", "Название"},
    {"conditionOperator", "Условие"},
    {"trueDelayHystOrFlash", "Задержка включения"},
    {"falseDelayHystOrFlash", "Задержка выключения"},
    {"constValueToCompareWith", "Значение"},
    {"constMinValueToCompareWith", "Минимум"},
    {"constMaxValueToCompareWith", "Максимум"},
    {"additionalInChannelType", "Доп. тип канала"},
    {"additionalInChannel", "Доп. канал"},
    {"additionalConstValueToCompareWith", "Доп. значение"},
    {"operatorsBetweenFunctions", "Связка условий"},
    {"functionsOrder", "Условие"},
    {"functionsCount", "Условий"},
    {"maxCurrent", "Макс. ток"},
    {"minCurrent", "Мин. ток"},
    {"maxInrushCurrent", "Макс. пусковой ток"},
    {"inrushDelay", "Время пускового тока"},
    {"retryCount", "Попыток перезапуска"},
    {"retryDelay", "Пауза перед перезапуском"},
    {"minDuty", "Мин. заполнение ШИМ"},
    {"pwmFreq", "Частота ШИМ"},
    {"canbusBaud", "Скорость CAN"},
    {"ecuProtocol", "Протокол ECU"},
    {"ardixSerial", "Серийный номер Ardix"},
    {"pdmSerialNumber", "Серийный номер PDM"},
    {"tic124InputsConfig", "Вход"},
    {"tic124InputsNames", "Название входа"},
    {"masterShutdownFunctionId", "Главный выключатель"},
    {"masterRetryFunctionId", "Сброс аварий"},
    {"pdmSleepFunctionId", "Сон PDM"},
    {"pdmOtherSettingConfigBits", "Флаги PDM"},
    {"isThisTestSettings", "Тестовые настройки"},
    {"isPasswordProtectionSet", "Защита паролем"},
    {"passwordHash", "Пароль"},
    {"pwmFunctionsOrder", "ШИМ: условие"},
    {"pwmFunctionsActiveBits", "ШИМ: активные условия"},
    {"redFunctionsActiveBits", "Красный: активные условия"},
    {"greenFunctionsActiveBits", "Зеленый: активные условия"},
    {"blueFunctionsActiveBits", "Синий: активные условия"},
    {"ledRedFunction", "Красный: условие"},
    {"ledGreenFunction", "Зеленый: условие"},
    {"ledBlueFunction", "Синий: условие"},
    {"currentStateOveride_InChannelType", "Переопределение состояния: тип канала"},
    {"listIndex", "Позиция в списке"},
    {"src_dev", "Источник"},
};

const QHash<QString, QString> &labels()
{
    static const QHash<QString, QString> table = [] {
        QHash<QString, QString> t;
        for (const FieldLabel &l : kLabels)
            t.insert(QString::fromLatin1(l.field), QString::fromUtf8(l.label));
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
    QStringList numbers;
    for (auto it = index.globalMatch(segment); it.hasNext();)
        numbers << QString::number(it.next().captured(1).toInt() + 1);
    return numbers.isEmpty() ? *found : *found + QLatin1Char(' ') + numbers.join(QLatin1Char('.'));
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
