#include "settings/TheSensorConfig.h"

#include "settings/ArdixEnums.h"
#include "settings/SensorContext.h"
#include "settings/catalogue/AnalogPresets.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/catalogue/Vocabularies.h"

#include <QMetaObject>
#include <algorithm>

namespace {

struct ValueRange
{
    int16_t min;
    uint16_t max;
    bool isFloat;
};

ValueRange rangeOf(int standardId, bool isFloat)
{
    const ArdixCatalogue::SensorInfo *info = ArdixCatalogue::standardSensorInfo(standardId);
    return {info->minPossibleValue, info->maxPossibleValue, isFloat};
}

// A custom sensor borrows the range of the standard sensor of its own kind.
ValueRange customRangeFor(int analogGroup)
{
    using namespace ArdixEnums;
    switch (analogGroup) {
    case Liquid_pressure_analog: return rangeOf(OilPressure_index, true);
    case Map_analog: return rangeOf(BoostPressure_index, true);
    case Liquid_temperature_5V_analog:
    case Liquid_temperature_thermistor_analog: return rangeOf(WaterTemp_index, false);
    // A wideband input reads like the AFR sensor: hundredths, 0 to 24.00.
    case Wideband_analog: return rangeOf(Afr_index, true);
    case Egt_analog: return rangeOf(ExhaustTemp_index, false);
    case Air_temperature_5V_analog:
    case Air_temperature_thermistor_analog: return rangeOf(IntakeAirTemp_index, false);
    case Level_5V_analog:
    case Level_varistor_analog: return {-100, 100, false};
    case HighPressureSensors_5V: return {-32000, 32000, true};
    default: return {-32000, 32000, false};
    }
}

} // namespace

TheSensorConfig::TheSensorConfig(QObject *parent)
    : TheSensorConfig(nullptr, parent)
{
}

TheSensorConfig::TheSensorConfig(SensorContext *context, QObject *parent)
    : QObject(parent), m_context(context)
{
    m_isWarningPermit = true;
}

bool TheSensorConfig::isRu() const
{
    return m_context ? m_context->isRu() : true;
}

bool TheSensorConfig::enable() const
{
    using namespace ArdixEnums;
    if (m_sensorID >= ArdixCatalogue::FirstCircuitSensorId && m_sensorID <= ArdixCatalogue::LastCircuitLookupId)
        return true;
    if (custom())
        return m_inputDataSource != InputSourceNo || !m_customShortName.isEmpty();
    if (m_inputDataSource == InputSourceEcu) {
        const int ecu = m_context ? m_context->currEcuProtocol() : EcuNone;
        return m_ecuProtocolsSupport.contains(ecu);
    }
    return m_inputDataSource != InputSourceNo || m_sensorID == BatteryVolts_index || m_sensorID == Gear_index
        || m_sensorID == AWD_Indicator_index;
}

void TheSensorConfig::setConfigBit(uint16_t mask, bool on)
{
    if (configBit(mask) == on)
        return;
    m_config = on ? uint16_t(m_config | mask) : uint16_t(m_config & ~mask);
    Q_EMIT dataChanged();
}

QString TheSensorConfig::sensorName() const
{
    if (custom())
        return m_customShortName;
    return isRu() ? m_sensorNameRu : m_sensorNameEn;
}

QString TheSensorConfig::shortSensorName() const
{
    if (custom())
        return m_customShortName;
    return isRu() ? m_shortNameRu : m_shortNameEn;
}

QString TheSensorConfig::dataSourceName() const
{
    return ArdixCatalogue::inputSourceTitle(m_inputDataSource);
}

QStringList TheSensorConfig::analogGroupListNames()
{
    if (m_analogGroup >= ArdixCatalogue::AnalogGroupCount) {
        // Read from inside bindings: report the reset later rather than re-enter them now.
        m_analogGroup = 0;
        QMetaObject::invokeMethod(this, &TheSensorConfig::dataChanged, Qt::QueuedConnection);
    }
    return ArdixCatalogue::analogPresetNames(m_analogGroup);
}

void TheSensorConfig::setSensorNameRu(const QString &name)
{
    if (m_sensorNameRu == name)
        return;
    m_sensorNameRu = name;
    Q_EMIT dataChanged();
}

void TheSensorConfig::setSensorNameEn(const QString &name)
{
    if (m_sensorNameEn == name)
        return;
    m_sensorNameEn = name;
    Q_EMIT dataChanged();
}

void TheSensorConfig::setShortNameRu(const QString &name)
{
    if (m_shortNameRu == name)
        return;
    m_shortNameRu = name;
    Q_EMIT dataChanged();
}

void TheSensorConfig::setShortNameEn(const QString &name)
{
    if (m_shortNameEn == name)
        return;
    m_shortNameEn = name;
    Q_EMIT dataChanged();
}

void TheSensorConfig::setupCustomSens()
{
    if (m_customShortName.isEmpty()) {
        setConfigBit(EnableBit, false);
        setAnalogTableID(0);
        setInputDataSource(0);
        setInputSourceIndex(0);
    }
    const ValueRange range = customRangeFor(m_analogGroup);
    setIsFloat(range.isFloat);
    setMinPossibleValue(range.min);
    setMaxPossibleValue(range.max);
    setWarningValueMax(std::min(m_warningValueMax, m_maxPossibleValue));
    setWarningValueMin(uint16_t(std::max<int>(m_warningValueMin, m_minPossibleValue)));
}
