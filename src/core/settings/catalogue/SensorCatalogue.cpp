#include "settings/catalogue/SensorCatalogue.h"

#include "settings/ArdixEnums.h"
#include "settings/SensorContext.h"
#include "settings/TheSensorConfig.h"
#include "settings/catalogue/Vocabularies.h"

#include <iterator>
#include <utility>

namespace ArdixCatalogue {
namespace {

using namespace ArdixEnums;

// One row per standard sensor, in SensorsIndexes order. Ranges and thresholds are raw values
// (hundredths for float sensors).
// id, names RU full/short, EN full/short, icon, units, group, flags, min, max, pre, warn max, warn min,
// source, source index, frequency capture, warnings permitted, ECU protocols, LD units/name/short/id
constexpr SensorInfo kStandard[] = {
    {0, "-----", "-----", "-----", "-----", nullptr, -1, 1, 0, 0, 250, 0, 0, 0, ArdixEnums::InputSourceNo, 0, false, false,
     ecuMask({}), "", "", "", 0u},
    {1, "Давление масла", "Давл. масла", "Oil pressure", "Oil press", "oilPressure.svg", 3, 1, FloatBit|WarnBit, 0, 1200, 0, 0, 120, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({3, 4, 5, 6, 7, 9, 12, 14, 15, 18, 19, 20}), "kPa", "Eng Oil Pres", "OP", 14u},
    {2, "Температура масла", "Темп. масла", "Oil temperature", "Oil temp", "oilTemp.svg", 1, 4, WarnBit|MoreBit, -40, 250, 0, 120, 0, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 14, 15, 18, 19, 20}), "C", "Eng Oil Temp", "OT", 20101u},
    {3, "Температура ОЖ", "Темп. ОЖ", "Water Temp", "Water", "waterTemp.svg", 1, 4, WarnBit|MoreBit, -40, 250, 0, 100, 0, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}), "C", "Engine Temp", "ET", 5u},
    {4, "Давление топлива", "Давл. топл.", "Fuel pressure", "Fuel press", "fuelPressure.svg", 3, 1, FloatBit|WarnBit, 0, 1200, 0, 285, 220, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({1, 3, 4, 5, 6, 7, 8, 9, 12, 14, 15, 18, 19, 20}), "kPa", "Fuel Pres", "Fuel Pr", 12u},
    {5, "Температура топлива", "Темп. топл.", "Fuel temperature", "Fuel temp", "fuelTemp.svg", 1, 4, WarnBit|MoreBit, -40, 250, 0, 50, 0, ArdixEnums::InputSourceNo, 0, false, true,
     ecuMask({5, 6, 7, 11, 12, 13, 14, 15, 18, 19, 20}), "C", "Fuel Temp", "Fuel Te", 5u},
    {6, "Температура выхлопных газов", "Т. выхлоп", "EGT", "EGT", "EGT.svg", 1, 6, WarnBit|MoreBit, 0, 1250, 0, 950, 0, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({5, 6, 7, 11, 12, 14, 15, 18, 19, 20}), "C", "EGT", "EGT", 5u},
    {7, "Топл.воздушная смесь", "Т/В смесь", "AFR", "AFR", "afRatio.svg", 0, 5, FloatBit|MoreBit, 0, 2400, 0, 1370, 0, ArdixEnums::InputSourceEcu, 0, false, false,
     ecuMask({3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 18, 19, 20}), "LA", "Lambda 1", "Lambda", 6u},
    {8, "Топл.воздушная смесь 2", "Т/В смесь 2", "AFR 2", "AFR 2", "afRatio.svg", 0, 5, FloatBit|MoreBit, 0, 2400, 0, 1370, 0, ArdixEnums::InputSourceNo, 0, false, false,
     ecuMask({3, 4, 5, 6, 9, 15, 18}), "LA", "Lambda 2", "Lambda", 7u},
    {9, "Уровень топлива", "Ур. топл.", "Fuel Level", "Fuel lvl", "fuelLevel.svg", 4, 10, WarnBit, 0, 100, 0, 0, 30, ArdixEnums::InputSourceCustomAnalog, 6, false, true,
     ecuMask({1, 2, 15, 18}), "%", "Fuel Level", "Fuel Le", 6063u},
    {10, "Температура масла редуктора", "Темп. дифф", "Diff oil temp", "Diff oil", "rearDiffOilTemp.svg", 1, 4, WarnBit|MoreBit, -40, 250, 0, 100, 0, ArdixEnums::InputSourceNo, 0, false, true,
     ecuMask({5, 15}), "C", "Diff Oil Temp", "Diff Oi", 3080u},
    {11, "Температура масла трансмиссии", "Темп. транс.", "Transmission oil temperature", "Тrans oil", "transmissionOilTemp.svg", 1, 4, WarnBit|MoreBit, -40, 250, 0, 100, 0, ArdixEnums::InputSourceNo, 0, false, true,
     ecuMask({1, 5, 9, 10, 14, 15}), "C", "Gbox Oil Temp", "Gbox Oi", 3100u},
    {12, "Напряжение борт сети", "Напр. сети", "Battery voltage", "Battery", "batteryVoltage.svg", 5, 0, FloatBit|WarnBit, 0, 1800, 0, 0, 1100, ArdixEnums::InputSourceNo, 0, false, true,
     ecuMask({}), "V", "Bat Volts ADL", "ADL BV", 7012u},
    {13, "Давление во впускном коллекторе", "Давл. впуск", "Intake manifold air pressure", "Boost", "boost.svg", 3, 2, FloatBit|WarnBit|MoreBit, -100, 500, 0, 110, 0, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}), "kPa", "Manifold Pres", "Manifol", 3u},
    {14, "Давление во впускном коллекторе 2", "Давл. впуск 2", "Intake manifold air pressure 2", "Boost 2", "boost.svg", 3, 2, FloatBit|WarnBit|MoreBit, -100, 500, 0, 110, 0, ArdixEnums::InputSourceNo, 0, false, true,
     ecuMask({5}), "kPa", "Manifold Pres 2", "Manifol", 3u},
    {15, "Температура воздуха на впуске", "Темп. впуск", "Intake air temperature", "Intake air", "intakeAirTemp.svg", 1, 8, MoreBit, -40, 150, 0, 50, 0, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}), "C", "Air Temp Inlet", "Air Tem", 4u},
    {16, "Обороты двигателя", "Обороты", "Engine RPM", "RPM", "speed_rpm.svg", 6, 0, WarnBit|MoreBit, 0, 7000, 6000, 6800, 6500, ArdixEnums::InputSourceEcu, 0, true, true,
     ecuMask({1, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}), "rpm", "Engine RPM", "Engine", 1u},
    {17, "Скорость", "Скорость", "Speed", "Speed", "speed_rpm.svg", 7, 0, MoreBit, 0, 500, 0, 200, 0, ArdixEnums::InputSourceEcu, 1, true, true,
     ecuMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}), "km/h", "Ground Speed", "Ground", 121u},
    {18, "Дроссель", "Дроссель", "Throttle", "Throttle", "throttlePedal.svg", 4, 10, 0, 0, 100, 0, 0, 0, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20}), "%", "Throttle Pos", "TP", 2u},
    {19, "Передача", "Передача", "Gear", "Gear", "gearbox.svg", 0, 10, 0, -1, 24, 0, 0, 0, ArdixEnums::InputSourceCalculated, 17, false, false,
     ecuMask({1, 3, 4, 5, 6, 7, 9, 10, 12, 13, 14, 15, 17, 18, 19, 20}), "", "Gear", "Gear", 124u},
    {20, "Скорость GPS", "Скорость GPS", "Speed GPS", "Speed GPS", "settings/gps.svg", 0, 0, MoreBit, 0, 500, 0, 200, 0, ArdixEnums::InputSourceNo, 0, false, true,
     ecuMask({}), "km/h", "Speed GPS", "Speed GPS", 121u},
    {21, "4WD индикатор", "4WD", "4WD indication", "4WD", "awd_black.svg", 0, 0, MoreBit, 0, 65535, 0, 0, 0, ArdixEnums::InputSourceNo, 0, false, false,
     ecuMask({}), "", "", "", 0u},
    {22, "Температура выхлопных газов 2", "Т. выхлоп 2", "EGT 2", "EGT 2", "EGT.svg", 1, 6, WarnBit|MoreBit, 0, 1250, 0, 950, 0, ArdixEnums::InputSourceEcu, 0, false, true,
     ecuMask({5, 6, 18}), "C", "EGT2", "EGT2", 5u},
    {23, "Акселерометр ускорение", "Ускорение", "G Sensor X", "G Sensor X", "axis.svg", 8, 0, FloatBit|MoreBit, -800, 800, 0, 0, 0, ArdixEnums::InputSourceNo, 0, false, false,
     ecuMask({}), "G", "G Force Lat", "G Lat", 15u},
    {24, "Акселерометр боковая перегрузка", "Б. перегрузка", "G Sensor Y", "G Sensor Y", "axis.svg", 8, 0, FloatBit|MoreBit, -800, 800, 0, 0, 0, ArdixEnums::InputSourceNo, 0, false, false,
     ecuMask({}), "G", "G Force Lon", "G Lon", 16u},
    {25, "G Sensor Z", "G Sensor Z", "G Sensor Z", "G Sensor Z", "axis.svg", 8, 0, FloatBit|MoreBit, -800, 800, 0, 0, 0, ArdixEnums::InputSourceNo, 0, false, false,
     ecuMask({}), "G", "G Force Vert", "G Vert", 28u},
};
static_assert(std::size(kStandard) == StandardSensorCount);

constexpr bool rowsMatchIds()
{
    for (int i = 0; i < int(std::size(kStandard)); ++i)
        if (kStandard[i].id != i)
            return false;
    return true;
}
static_assert(rowsMatchIds(), "a row's id must equal its position");

// Lap pseudo-sensors: no units, no ECU, no warnings.
constexpr SensorInfo lapRow(int id, const char *nameRu, const char *shortRu, const char *nameEn,
                            const char *shortEn, quint16 flags)
{
    return SensorInfo{id, nameRu, shortRu, nameEn, shortEn, CircuitSensorIcon, -1, 0, flags, 0, 0, 0, 0, 0,
                      InputSourceNo, 0, false, false, 0, "", "", "", 0};
}

constexpr SensorInfo kCircuit[] = {
    lapRow(LastLapSensor_index, "Последний круг", "Посл. круг", "Last lap", "Last lap", FloatBit),
    lapRow(BestLapSensor_index, "Лучший круг", "Лучш. круг", "Best lap", "Best lap", FloatBit),
    lapRow(CurrentLapSensor_index, "Текущий круг", "Тек. круг", "Current lap", "Current lap", FloatBit),
    lapRow(LapsCountSensor_index, "Номер круга", "№ Круга", "Laps count", "Lap", 0),
    lapRow(GainLossSensor_index, "Дельта с лучшим кругом", "Дельта", "Gain/Loss", "Gain/Loss", FloatBit),
};
static_assert(std::size(kCircuit) == CircuitSensorCount);

bool contextIsRu(const SensorContext *context)
{
    return context ? context->isRu() : true;
}

} // namespace

QString SensorInfo::name(bool isRu) const
{
    return QString::fromUtf8(isRu ? nameRu : nameEn);
}

QString SensorInfo::shortName(bool isRu) const
{
    return QString::fromUtf8(isRu ? shortRu : shortEn);
}

QString SensorInfo::iconUrl() const
{
    if (!icon)
        return {};
    const QString path = QString::fromLatin1(icon);
    return path.startsWith(QLatin1String("qrc:")) ? path : QLatin1String(IconBase) + path;
}

QList<int> SensorInfo::ecuProtocolsList() const
{
    QList<int> list;
    for (int p = 0; p < 32; ++p)
        if (supportsEcu(p))
            list.append(p);
    return list;
}

bool SensorInfo::supportsEcu(int protocol) const
{
    return protocol >= 0 && protocol < 32 && (ecuProtocols & (quint32(1) << protocol)) != 0;
}

const SensorInfo *standardSensorInfo(int id)
{
    return id >= 0 && id < StandardSensorCount ? &kStandard[id] : nullptr;
}

const SensorInfo *circuitSensorInfo(int id)
{
    const int index = id - FirstCircuitSensorId;
    return index >= 0 && index < CircuitSensorCount ? &kCircuit[index] : nullptr;
}

const SensorInfo *sensorInfo(int id)
{
    if (const SensorInfo *info = standardSensorInfo(id))
        return info;
    return circuitSensorInfo(id);
}

void applySensorInfo(TheSensorConfig &sensor, const SensorInfo &info, bool isRu)
{
    sensor.setSensorID(uint8_t(info.id));
    sensor.setSensorNameRu(QString::fromUtf8(info.nameRu));
    sensor.setShortNameRu(QString::fromUtf8(info.shortRu));
    sensor.setSensorNameEn(QString::fromUtf8(info.nameEn));
    sensor.setShortNameEn(QString::fromUtf8(info.shortEn));
    sensor.setMaxPossibleValue(info.maxPossibleValue);
    sensor.setMinPossibleValue(info.minPossibleValue);
    sensor.setUnits(info.unitsIndex >= 0 ? unitsText(info.unitsIndex, isRu) : QString());
    sensor.setIsFloat(info.flags & FloatBit);
    sensor.setIsWarningEnable(info.flags & WarnBit);
    sensor.setIsWarningIfMore(info.flags & MoreBit);
    sensor.setIsUseShiftLight(false);
    sensor.setPreWarningValue(info.preWarningValue);
    sensor.setWarningValueMax(info.warningValueMax);
    sensor.setWarningValueMin(info.warningValueMin);
    sensor.setIcon(info.iconUrl());
    sensor.setAnalogGroup(info.analogGroup);
    sensor.setInputDataSource(info.inputDataSource);
    sensor.setInputSourceIndex(info.inputSourceIndex);
    sensor.setAnalogTableID(0);
    sensor.setEcuProtocolsSupport(info.ecuProtocolsList());
    sensor.setFrequencyCaptureSupport(info.frequencyCaptureSupport);
    sensor.setIsWarningPermit(info.isWarningPermit);
    sensor.setLdUnits(QString::fromLatin1(info.ldUnits));
    sensor.setLdName(QString::fromLatin1(info.ldName));
    sensor.setLdShortName(QString::fromLatin1(info.ldShortName));
    sensor.setLdChannelId(info.ldChannelId);
}

QList<TheSensorConfig *> createStandardSensors(SensorContext *context, QObject *parent)
{
    const bool isRu = contextIsRu(context);
    QList<TheSensorConfig *> list;
    list.reserve(SensorsListLength);
    for (const SensorInfo &info : kStandard) {
        auto *sensor = new TheSensorConfig(context, parent);
        applySensorInfo(*sensor, info, isRu);
        list.append(sensor);
    }
    while (list.size() < SensorsListLength)
        list.append(new TheSensorConfig(context, parent));
    return list;
}

void rebuildStandardSensors(QList<TheSensorConfig *> &sensors, SensorContext *context, QObject *parent)
{
    // The interface may still hold the old entries for the current frame.
    for (TheSensorConfig *old : std::as_const(sensors))
        old->deleteLater();
    sensors = createStandardSensors(context, parent);
}

void initCustomSensor(TheSensorConfig &sensor, int index)
{
    sensor.setSensorID(uint8_t(FirstCustomSensorId + index));
    sensor.setCustom(true);
    sensor.setIcon(QLatin1String(CustomSensorIcon));
}

QList<TheSensorConfig *> createCustomSensors(SensorContext *context, QObject *parent)
{
    QList<TheSensorConfig *> list;
    list.reserve(CustomSensorsListLength);
    for (int i = 0; i < CustomSensorsListLength; ++i) {
        auto *sensor = new TheSensorConfig(context, parent);
        initCustomSensor(*sensor, i);
        list.append(sensor);
    }
    return list;
}

QList<TheSensorConfig *> createCircuitSensors(SensorContext *context, QObject *parent)
{
    const bool isRu = contextIsRu(context);
    QList<TheSensorConfig *> list;
    list.reserve(CircuitSensorCount);
    for (const SensorInfo &info : kCircuit) {
        auto *sensor = new TheSensorConfig(context, parent);
        applySensorInfo(*sensor, info, isRu);
        list.append(sensor);
    }
    return list;
}

SensorSlot sensorSlot(int sensId)
{
    if (sensId >= 0 && sensId < SensorsListLength)
        return {SensorList::Standard, sensId};
    if (sensId >= FirstCustomSensorId && sensId <= LastCustomLookupId)
        return {SensorList::Custom, sensId - FirstCustomSensorId};
    if (sensId >= FirstCircuitSensorId && sensId <= LastCircuitLookupId)
        return {SensorList::Circuit, sensId - FirstCircuitSensorId};
    return {};
}

TheSensorConfig *getSensor(int sensId, const QList<TheSensorConfig *> &sensors,
                           const QList<TheSensorConfig *> &customSensors,
                           const QList<TheSensorConfig *> &circuitSensors)
{
    const SensorSlot slot = sensorSlot(sensId);
    const QList<TheSensorConfig *> *list = nullptr;
    switch (slot.list) {
    case SensorList::Standard: list = &sensors; break;
    case SensorList::Custom: list = &customSensors; break;
    case SensorList::Circuit: list = &circuitSensors; break;
    case SensorList::None: return nullptr;
    }
    return slot.index < list->size() ? list->at(slot.index) : nullptr;
}

SensorSnapshot snapshotOf(const TheSensorConfig &sensor)
{
    SensorSnapshot s;
    s.id = sensor.sensorID();
    s.custom = sensor.custom();
    s.isFloat = sensor.isFloat();
    s.name = sensor.sensorName();
    s.shortName = sensor.shortSensorName();
    s.units = sensor.units();
    s.ldUnits = sensor.ldUnits();
    s.ldName = sensor.ldName();
    s.ldShortName = sensor.ldShortName();
    s.ldChannelId = sensor.ldChannelId();
    return s;
}

} // namespace ArdixCatalogue
