#include "settings/dash/ArdixSettings.h"

#include "settings/ArdixEnums.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/dash/DashLayout.h"
#include "settings/layout/Crc32Words.h"
#include "settings/layout/FieldCodec.h"
#include "settings/layout/LittleEndian.h"

using namespace dashLayout;

namespace {
const QString kNoSensorName = QStringLiteral("---");
constexpr uint16_t kEnableBit = 1u << 0;
constexpr uint16_t kCustomBit = 1u << 1;
constexpr uint16_t kPackedConfigMask = 0x007F; // bits 7..15 are written as 0
constexpr uint8_t kEcuSource = ArdixEnums::InputSourceEcu;
} // namespace

ArdixSettings::ArdixSettings(QObject *parent, SettingsValueStore *store)
    : QObject(parent)
    , m_skinsPos(kSkins, QList<QList<uint8_t>>(kModes, QList<uint8_t>(kCells, 0)))
    , m_commonSettings(new ThePreferenceTransport(store, this))
    , m_extra(new ArdixExtraSettings(this))
{
    m_sensors = ArdixCatalogue::createStandardSensors(this, this);
    m_customSensors = ArdixCatalogue::createCustomSensors(this, this);
    for (int i = 0; i < kCustomAnalogSensors; ++i)
        m_customAnalogSensors.append(new TheCustomAnalogSensor(this));
    connect(m_extra, &ArdixExtraSettings::hasChangesUpdated, this, [this](bool v) {
        Q_EMIT extraSettingsUpdated();
        if (v && !m_hasChanges)
            setHasChanges(true);
    });
}

bool ArdixSettings::isRu() const { return m_commonSettings->isRu() != 0; }

int ArdixSettings::currEcuProtocol() const { return m_commonSettings->currEcuProtocol(); }

void ArdixSettings::setSkinsPos(const SkinsPos &value)
{
    if (value == m_skinsPos)
        return;
    m_skinsPos = value;
    Q_EMIT dataChanged();
}

bool ArdixSettings::setSkinCell(int skin, int mode, int cell, uint8_t sensorId)
{
    if (skin < 0 || skin >= kSkins || mode < 0 || mode >= kModes || cell < 0 || cell >= kCells)
        return false;
    if (m_skinsPos[skin][mode][cell] != sensorId) {
        m_skinsPos[skin][mode][cell] = sensorId;
        Q_EMIT dataChanged();
    }
    return true;
}

// ---- change flags ----

bool ArdixSettings::setPartFlag(bool &flag, bool value, void (ArdixSettings::*notify)())
{
    if (flag == value)
        return false;
    flag = value;
    Q_EMIT(this->*notify)();
    if (value && !m_hasChanges)
        setHasChanges(true);
    return true;
}

void ArdixSettings::setSkinsPosHasChanges(bool v) { setPartFlag(m_skinsPosHasChanges, v, &ArdixSettings::skinsPosUpdated); }
void ArdixSettings::setSensorsHasChanges(bool v) { setPartFlag(m_sensorsHasChanges, v, &ArdixSettings::sensorsUpdated); }
void ArdixSettings::setCustomSensorsHasChanges(bool v)
{
    setPartFlag(m_customSensorsHasChanges, v, &ArdixSettings::customSensorsUpdated);
}
void ArdixSettings::setCommonSettingsHasChanges(bool v)
{
    setPartFlag(m_commonSettingsHasChanges, v, &ArdixSettings::commonSettingsUpdated);
}
void ArdixSettings::setCustomAnalogSensorsHasChanges(bool v)
{
    setPartFlag(m_customAnalogSensorsHasChanges, v, &ArdixSettings::customAnalogSensorsUpdated);
}

bool ArdixSettings::extraSettingsHasChanges() const { return m_extra->hasChanges(); }

void ArdixSettings::setExtraSettingsHasChanges(bool value) { m_extra->setHasChanges(value); }

void ArdixSettings::setHasChanges(bool value)
{
    if (value != m_hasChanges) {
        m_hasChanges = value;
        Q_EMIT hasChangesUpdated();
    }
    if (value)
        return;
    setSkinsPosHasChanges(false);
    setSensorsHasChanges(false);
    setCustomSensorsHasChanges(false);
    setCommonSettingsHasChanges(false);
    setCustomAnalogSensorsHasChanges(false);
    m_extra->setHasChanges(false);
}

uint8_t ArdixSettings::changeMask() const
{
    uint8_t mask = 0;
    auto put = [&mask](bool on, DashPart p) {
        if (on)
            mask |= uint8_t(1u << int(p));
    };
    put(m_skinsPosHasChanges, DashPart::SkinsPos);
    put(m_sensorsHasChanges, DashPart::Sensors);
    put(m_customSensorsHasChanges, DashPart::CustomSensors);
    put(m_commonSettingsHasChanges, DashPart::Common);
    put(m_customAnalogSensorsHasChanges, DashPart::CustomAnalogSensors);
    put(extraSettingsHasChanges(), DashPart::Extra);
    return mask;
}

// ---- slots ----

void ArdixSettings::setCurrEcu(uint8_t e)
{
    if (m_commonSettings->currEcuProtocol() == e)
        return;
    m_commonSettings->setCurrEcuProtocol(e);
    setCommonSettingsHasChanges(true);
    for (TheSensorConfig *s : std::as_const(m_sensors)) {
        if (s->inputDataSource() != kEcuSource || s->ecuProtocolsSupport().contains(int(e)))
            continue;
        s->setInputDataSource(0);
        s->setInputSourceIndex(0);
        s->setConfig(uint16_t(s->config() & ~kEnableBit));
        setSensorsHasChanges(true);
    }
}

void ArdixSettings::setIsRu(uint8_t newIsRu)
{
    if (m_commonSettings->isRu() == newIsRu)
        return;
    m_commonSettings->setIsRu(newIsRu);
    Q_EMIT dataChanged();
    setCommonSettingsHasChanges(true);
    for (TheSensorConfig *s : std::as_const(m_sensors))
        Q_EMIT s->dataChanged();
}

void ArdixSettings::setSensorHasChanges(uint8_t sensId)
{
    if (sensId > 99)
        setCustomSensorsHasChanges(true);
    else
        setSensorsHasChanges(true);
}

QList<uint8_t> ArdixSettings::getActiveSensorsList()
{
    QList<uint8_t> ids;
    for (const TheSensorConfig *s : std::as_const(m_sensors))
        if (s->enable())
            ids.append(s->sensorID());
    for (const TheSensorConfig *s : std::as_const(m_customSensors))
        if (s->enable())
            ids.append(s->sensorID());
    return ids;
}

void ArdixSettings::reloadFromStruct()
{
    if (m_image)
        loadFromImage(m_image);
}

QString ArdixSettings::getSensorName(uint8_t sensID)
{
    if (sensID < m_sensors.size())
        return m_sensors[sensID]->sensorName();
    if (sensID >= kCustomSensorFirstId && sensID - kCustomSensorFirstId < m_customSensors.size())
        return m_customSensors[sensID - kCustomSensorFirstId]->sensorName();
    return kNoSensorName;
}

// ---- load ----

void ArdixSettings::loadSensorList(const QList<TheSensorConfig *> &list, const unsigned char *records)
{
    const layout::Table table = sensorTable();
    for (int i = 0; i < list.size(); ++i) {
        TheSensorConfig *s = list[i];
        const unsigned char *rec = records + i * kSensorRecordSize;
        const bool custom = layout::readLE<uint16_t>(rec + 2) & kCustomBit;
        const bool rpm = s->sensorID() == ArdixEnums::EngineRpm_index;
        layout::loadRecord(s, table, rec, [custom, rpm](const layout::Field &f) {
            switch (f.tag) {
            case SensorPackOnly: return false;
            case SensorCustomOnly: return custom;
            case SensorCustomOrRpm: return custom || rpm;
            default: return true;
            }
        });
        Q_EMIT s->dataChanged();
    }
}

void ArdixSettings::load(const unsigned char *block)
{
    SkinsPos cells = m_skinsPos;
    for (int s = 0; s < kSkins; ++s)
        for (int m = 0; m < kModes; ++m)
            for (int c = 0; c < kCells; ++c)
                cells[s][m][c] = block[kSkinsPosOffset + s * kModes * kCells + m * kCells + c];
    m_skinsPos = cells;

    loadSensorList(m_sensors, block + kSensorsOffset);
    loadSensorList(m_customSensors, block + kCustomSensorsOffset);

    const unsigned char *common = block + kCommonOffset;
    layout::loadRecord(m_commonSettings, commonTable(), common);
    layout::loadRecord(m_commonSettings->logsSettings(), logsTable(), common + kLogsOffset);
    layout::loadRecord(m_commonSettings->gpsAccelerationMeasureSettings(), gpsTable(), common + kGpsOffset);
    m_commonSettings->setSettingsChecksum(layout::readLE<uint32_t>(common + kCommonChecksumOffset));
    Q_EMIT m_commonSettings->logsSettings()->dataChanged();
    Q_EMIT m_commonSettings->gpsAccelerationMeasureSettings()->dataChanged();
    Q_EMIT m_commonSettings->dataChanged();

    for (int i = 0; i < m_customAnalogSensors.size(); ++i) {
        TheCustomAnalogSensor *a = m_customAnalogSensors[i];
        layout::loadRecord(a, customAnalogTable(), block + kCustomAnalogOffset + i * kCustomAnalogRecordSize);
        if (a->tableSize() < TheCustomAnalogSensor::kMinTableSize)
            a->setTableSize(TheCustomAnalogSensor::kMinTableSize);
        Q_EMIT a->dataChanged();
    }

    m_extra->reloadFromStruct(block + kExtraOffset);

    Q_EMIT dataChanged();
    setHasChanges(false);
}

void ArdixSettings::loadFromImage(const DashSettingsImage *image)
{
    if (!image)
        return;
    m_image = image;
    load(image->data());
}

// ---- pack ----

void ArdixSettings::packSkinsPos(DashSettingsImage &image) const
{
    unsigned char *p = image.data() + kSkinsPosOffset;
    for (int s = 0; s < kSkins; ++s)
        for (int m = 0; m < kModes; ++m)
            for (int c = 0; c < kCells; ++c)
                p[s * kModes * kCells + m * kCells + c] = m_skinsPos.value(s).value(m).value(c);
}

void ArdixSettings::packSensorList(const QList<TheSensorConfig *> &list, unsigned char *records)
{
    const layout::Table table = sensorTable();
    for (int i = 0; i < list.size() && i < kSensorsPerList; ++i) {
        TheSensorConfig *s = list[i];
        const uint16_t withEnable = uint16_t((s->config() & ~kEnableBit) | (s->enable() ? kEnableBit : 0));
        s->setConfig(withEnable);
        unsigned char *rec = records + i * kSensorRecordSize;
        layout::packRecord(s, table, rec);
        layout::writeLE<uint16_t>(rec + 2, uint16_t(withEnable & kPackedConfigMask));
    }
}

void ArdixSettings::packSensors(DashSettingsImage &image) { packSensorList(m_sensors, image.data() + kSensorsOffset); }

void ArdixSettings::packCustomSensors(DashSettingsImage &image)
{
    packSensorList(m_customSensors, image.data() + kCustomSensorsOffset);
}

void ArdixSettings::packCommon(DashSettingsImage &image)
{
    unsigned char *common = image.data() + kCommonOffset;
    layout::packRecord(m_commonSettings, commonTable(), common);
    layout::packRecord(m_commonSettings->logsSettings(), logsTable(), common + kLogsOffset);
    layout::packRecord(m_commonSettings->gpsAccelerationMeasureSettings(), gpsTable(), common + kGpsOffset);
    const uint32_t crc = crc32Words(common, kCommonChecksumOffset);
    layout::writeLE<uint32_t>(common + kCommonChecksumOffset, crc);
    m_commonSettings->setSettingsChecksum(crc);
}

void ArdixSettings::packCustomAnalogSensors(DashSettingsImage &image) const
{
    for (int i = 0; i < m_customAnalogSensors.size(); ++i)
        layout::packRecord(m_customAnalogSensors[i], customAnalogTable(),
                           image.data() + kCustomAnalogOffset + i * kCustomAnalogRecordSize);
}

void ArdixSettings::packExtra(DashSettingsImage &image) { m_extra->pack(image.data() + kExtraOffset); }

void ArdixSettings::packPart(DashPart part, DashSettingsImage &image)
{
    switch (part) {
    case DashPart::SkinsPos: packSkinsPos(image); break;
    case DashPart::Sensors: packSensors(image); break;
    case DashPart::CustomSensors: packCustomSensors(image); break;
    case DashPart::Common: packCommon(image); break;
    case DashPart::CustomAnalogSensors: packCustomAnalogSensors(image); break;
    case DashPart::Extra: packExtra(image); break;
    }
}
