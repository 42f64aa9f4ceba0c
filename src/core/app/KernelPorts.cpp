#include "KernelPorts.h"

#include "logs/store/LogStore.h"
#include "settings/ArdixEnums.h"
#include "settings/TheSensorConfig.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/dash/DashApply.h"
#include "settings/dash/GpsAccelerationMeasureSettings.h"
#include "settings/dash/TheCustomAnalogSensor.h"
#include "settings/dash/ThePreferenceTransport.h"
#include "settings/persistence/SettingsStore.h"
#include "settings/pdm/PdmRealtimeData.h"


#include <cmath>
#include <cstring>

// --- dash -------------------------------------------------------------------------------------

DashPortAdapter::DashPortAdapter(persistence::SettingsStore &store, ArdixSettings &dash, KernelState state)
    : m_store(store), m_dash(dash), m_state(std::move(state))
{
}

QByteArray DashPortAdapter::image() const
{
    return m_store.dashImage().bytes();
}

void DashPortAdapter::writeImagePrefix(const QByteArray &bytes)
{
    DashSettingsImage &image = m_store.dashImage();
    const qsizetype n = qMin<qsizetype>(bytes.size(), image.bytes().size());
    std::memcpy(image.data(), bytes.constData(), size_t(n));
}

void DashPortAdapter::loadDefaultExtraSettings()
{
    m_store.loadDefaultExtraSettings();
}

bool DashPortAdapter::transferOldExtraSettings()
{
    return m_store.transferOldExtraSettings();
}

bool DashPortAdapter::reloadFromImage()
{
    m_store.saveDashSettings();
    return m_store.correctAndFinishDashLoad();
}

bool DashPortAdapter::hasChanges() const
{
    return m_dash.hasChanges();
}

unsigned DashPortAdapter::packChangedParts()
{
    // The dispatcher chooses what to upload; here the tree is only packed into the block.
    const DashApplyResult result = applyDashSettings(m_dash, m_store.dashImage(), true, false, QString());
    m_store.dashImage() = result.image;
    return result.changedMask;
}

int DashPortAdapter::currSkin() const
{
    return m_dash.commonSettings()->currSkin();
}

void DashPortAdapter::setPwmValue(PwmTarget target, int value)
{
    ThePreferenceTransport *common = m_dash.commonSettings();
    const auto byte = uint8_t(qBound(0, value, 255));
    switch (target) {
    case PwmTarget::LcdBrightness:
        common->setLcdPwmDuty(byte);
        break;
    case PwmTarget::LedBrightness:
        common->setShiftLightPwmDuty(byte);
        break;
    case PwmTarget::LightSensorSensivity:
        common->setLightSensorSensivity(byte);
        break;
    }
    m_dash.setCommonSettingsHasChanges(true);
}

void DashPortAdapter::setCustomAnalogPoint(int sensorIndex, int pairIndex, float value, float reading)
{
    const QList<TheCustomAnalogSensor *> sensors = m_dash.customAnalogSensors();
    if (sensorIndex < 0 || sensorIndex >= sensors.size())
        return;
    TheCustomAnalogSensor *sensor = sensors.at(sensorIndex);
    QList<QList<float>> table = sensor->analogTable();
    if (pairIndex < 0 || pairIndex >= table.size())
        return;
    table[pairIndex] = {value, reading};
    sensor->setAnalogTable(table);
    m_dash.setCustomAnalogSensorsHasChanges(true);
}

void DashPortAdapter::setAccelerometerCalibration(uint32_t value)
{
    // The dash reports its resting axes packed as two signed 16-bit values (X low, Y high).
    GpsAccelerationMeasureSettings *gps = m_dash.commonSettings()->gpsAccelerationMeasureSettings();
    gps->setAccXCalibrationValue(int16_t(value & 0xFFFFu));
    gps->setAccYCalibrationValue(int16_t(value >> 16));
    m_dash.setCommonSettingsHasChanges(true);
}

void DashPortAdapter::setStartLine(double lat, double lon, double course)
{
    GpsAccelerationMeasureSettings *gps = m_dash.commonSettings()->gpsAccelerationMeasureSettings();
    gps->setStartPointLat(float(lat));
    gps->setStartPointLon(float(lon));
    gps->setStartPointCourse(float(course));
    m_dash.setCommonSettingsHasChanges(true);
}

int DashPortAdapter::curSkinMode() const
{
    return m_state.curSkinMode ? m_state.curSkinMode() : 0;
}

void DashPortAdapter::setCurSkinMode(int mode)
{
    if (m_state.setCurSkinMode)
        m_state.setCurSkinMode(mode);
}

int DashPortAdapter::modesCount() const
{
    const ThePreferenceTransport *common = m_dash.commonSettings();
    const QList<QList<uint8_t>> skins = common->skinsSettings();
    const int skin = common->currSkin();
    if (skin < 0 || skin >= skins.size() || skins.at(skin).isEmpty())
        return 0;
    return skins.at(skin).at(ArdixEnums::ModesCount);
}

// --- PDM --------------------------------------------------------------------------------------

PdmPortAdapter::PdmPortAdapter(persistence::SettingsStore &store, PdmRealtimeData &realtime)
    : m_store(store), m_realtime(realtime)
{
}

QByteArray PdmPortAdapter::image() const
{
    return m_store.pdmBlock();
}

void PdmPortAdapter::acceptDeviceBlock(const QByteArray &block)
{
    m_store.acceptPdmBlockFromDevice(block);
}

void PdmPortAdapter::loadRealtimeData(const QByteArray &block)
{
    m_realtime.loadFromPayload(block);
}

void PdmPortAdapter::setBoardInfo(const QByteArray &bytes)
{
    m_boardInfo = bytes;
}

void PdmPortAdapter::setAdcRaw(const QByteArray &bytes)
{
    m_adcRaw = bytes;
}

// --- blocks -----------------------------------------------------------------------------------

BlocksAdapter::BlocksAdapter(persistence::SettingsStore &store, ArdixSettings &dash, KernelState state)
    : m_store(store), m_dash(dash), m_state(std::move(state))
{
}

QByteArray BlocksAdapter::dashImage() const
{
    return m_store.dashImage().bytes();
}

QByteArray BlocksAdapter::pdmImage() const
{
    return m_store.pdmBlock();
}

float BlocksAdapter::firmwareVersionNumber() const
{
    return m_state.firmwareVersionNumber ? m_state.firmwareVersionNumber() : 0.0f;
}

QByteArray BlocksAdapter::refLapData() const
{
    return m_state.refLapData ? m_state.refLapData() : QByteArray();
}

QByteArray BlocksAdapter::userLogoData() const
{
    return m_store.userLogoData();
}

int BlocksAdapter::curSkinMode() const
{
    return m_state.curSkinMode ? m_state.curSkinMode() : 0;
}

int BlocksAdapter::connectedDeviceType() const
{
    // A boot loader stands for its device (its settings are the ones shown); any other device has
    // no functions of ours to describe, and the texts say so.
    using namespace ArdixEnums;
    const int device = m_state.deviceId ? m_state.deviceId() : Device_Ardix7;
    switch (device) {
    case Device_Ardix7Boot:
        return Device_Ardix7;
    case Device_ArdixA20Boot:
        return Device_ArdixA20;
    case Device_PmxBoot:
        return Device_Pmx;
    default:
        return device;
    }
}

QByteArray BlocksAdapter::dashBlock() const
{
    return m_store.dashImage().bytes();
}

QByteArray BlocksAdapter::pdmBlock() const
{
    return m_store.pdmBlock();
}

QString BlocksAdapter::sensorShortName(uint8_t sensorId) const
{
    const TheSensorConfig *sensor = ArdixCatalogue::getSensor(sensorId, m_dash.sensors(), m_dash.customSensors(), {});
    return sensor ? sensor->shortSensorName() : QString();
}

bool BlocksAdapter::isSensorFloat(uint8_t sensorId) const
{
    const TheSensorConfig *sensor = ArdixCatalogue::getSensor(sensorId, m_dash.sensors(), m_dash.customSensors(), {});
    return sensor && sensor->isFloat();
}

bool LogStoreAdapter::saveDownloadedLog(const QString &name, const QByteArray &bytes)
{
    return m_logs.storeDownloadedLog(name, bytes);
}
