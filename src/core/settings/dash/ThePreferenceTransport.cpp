#include "settings/dash/ThePreferenceTransport.h"

#include "settings/dash/GpsAccelerationMeasureSettings.h"
#include "settings/dash/LogsSettings.h"

ThePreferenceTransport::ThePreferenceTransport(SettingsValueStore *store, QObject *parent)
    : QObject(parent)
    , m_logsSettings(new LogsSettings(this))
    , m_gps(new GpsAccelerationMeasureSettings(store, this))
{
    m_isRu = 1; // Russian until a block says otherwise
    m_skinsSettings = QList<QList<uint8_t>>(10, QList<uint8_t>(24, 0));
    m_inputExtraPortAssigment = QList<uint8_t>(2, 0);
    m_inputCaptureCorrection = QList<uint32_t>(4, 0);
    m_gearRatios = QList<uint16_t>(24, 0);
    m_inputPortAssigment = QList<uint8_t>(4, 0);
    m_fansSettings = QList<QList<uint8_t>>(3, QList<uint8_t>(5, 0));
    m_userPasswordHash = QByteArray(32, '\0');
    m_input16ChannelModuleSettings = QList<uint8_t>(16, 0);
    m_oilPressWarningLevels = QList<uint16_t>(20, 0);
    m_output3ChannelModuleSettings = QList<QList<uint8_t>>(3, QList<uint8_t>(5, 0));
    m_pdmsSerial = QList<uint16_t>(3, 0);
}

int ThePreferenceTransport::skinSetting(int skin, int index) const
{
    if (skin < 0 || skin >= m_skinsSettings.size() || index < 0 || index >= m_skinsSettings[skin].size())
        return -1;
    return m_skinsSettings[skin][index];
}

bool ThePreferenceTransport::setSkinSetting(int skin, int index, uint8_t value)
{
    if (skin < 0 || skin >= m_skinsSettings.size() || index < 0 || index >= m_skinsSettings[skin].size())
        return false;
    if (m_skinsSettings[skin][index] != value) {
        m_skinsSettings[skin][index] = value;
        Q_EMIT dataChanged();
    }
    return true;
}
