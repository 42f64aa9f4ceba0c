#pragma once
// The dash settings tree: skin cells, standard and custom sensors, common settings, custom analog
// sensors and extra settings, mirrored from the dash settings block, with one change flag per part.
// Objects are created once with their fixed list lengths and refilled on every load.

#include "settings/SensorContext.h"
#include "settings/TheSensorConfig.h"
#include "settings/dash/ArdixExtraSettings.h"
#include "settings/dash/DashSettingsImage.h"
#include "settings/dash/TheCustomAnalogSensor.h"
#include "settings/dash/ThePreferenceTransport.h"

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>

class SettingsValueStore;

using SkinsPos = QList<QList<QList<uint8_t>>>;

class ArdixSettings : public QObject, public SensorContext
{
    Q_OBJECT
    Q_PROPERTY(SkinsPos skinsPos READ skinsPos WRITE setSkinsPos NOTIFY dataChanged)
    Q_PROPERTY(QList<TheSensorConfig *> sensors READ sensors NOTIFY dataChanged)
    Q_PROPERTY(QList<TheSensorConfig *> customSensors READ customSensors NOTIFY dataChanged)
    Q_PROPERTY(ThePreferenceTransport *commonSettings READ commonSettings NOTIFY dataChanged)
    Q_PROPERTY(QList<TheCustomAnalogSensor *> customAnalogSensors READ customAnalogSensors NOTIFY dataChanged)
    Q_PROPERTY(ArdixExtraSettings *extra READ extra NOTIFY dataChanged)
    Q_PROPERTY(bool hasChanges READ hasChanges WRITE setHasChanges NOTIFY hasChangesUpdated)
    Q_PROPERTY(bool skinsPosHasChanges READ skinsPosHasChanges WRITE setSkinsPosHasChanges NOTIFY skinsPosUpdated)
    Q_PROPERTY(bool sensorsHasChanges READ sensorsHasChanges WRITE setSensorsHasChanges NOTIFY sensorsUpdated)
    Q_PROPERTY(bool customSensorsHasChanges READ customSensorsHasChanges WRITE setCustomSensorsHasChanges
                   NOTIFY customSensorsUpdated)
    Q_PROPERTY(bool commonSettingsHasChanges READ commonSettingsHasChanges WRITE setCommonSettingsHasChanges
                   NOTIFY commonSettingsUpdated)
    Q_PROPERTY(bool customAnalogSensorsHasChanges READ customAnalogSensorsHasChanges
                   WRITE setCustomAnalogSensorsHasChanges NOTIFY customAnalogSensorsUpdated)
    Q_PROPERTY(bool extraSettingsHasChanges READ extraSettingsHasChanges WRITE setExtraSettingsHasChanges
                   NOTIFY extraSettingsUpdated)

public:
    // `store` backs the start line's name (null: the application's own store) and must outlive
    // this object.
    explicit ArdixSettings(QObject *parent = nullptr, SettingsValueStore *store = nullptr);

    // SensorContext
    bool isRu() const override;
    int currEcuProtocol() const override;

    SkinsPos skinsPos() const { return m_skinsPos; }
    void setSkinsPos(const SkinsPos &value);
    // One cell; false when out of range. Does not raise the change flag.
    bool setSkinCell(int skin, int mode, int cell, uint8_t sensorId);
    QList<TheSensorConfig *> sensors() const { return m_sensors; }
    QList<TheSensorConfig *> customSensors() const { return m_customSensors; }
    ThePreferenceTransport *commonSettings() const { return m_commonSettings; }
    QList<TheCustomAnalogSensor *> customAnalogSensors() const { return m_customAnalogSensors; }
    ArdixExtraSettings *extra() const { return m_extra; }

    bool hasChanges() const { return m_hasChanges; }
    void setHasChanges(bool value);
    bool skinsPosHasChanges() const { return m_skinsPosHasChanges; }
    void setSkinsPosHasChanges(bool value);
    bool sensorsHasChanges() const { return m_sensorsHasChanges; }
    void setSensorsHasChanges(bool value);
    bool customSensorsHasChanges() const { return m_customSensorsHasChanges; }
    void setCustomSensorsHasChanges(bool value);
    bool commonSettingsHasChanges() const { return m_commonSettingsHasChanges; }
    void setCommonSettingsHasChanges(bool value);
    bool customAnalogSensorsHasChanges() const { return m_customAnalogSensorsHasChanges; }
    void setCustomAnalogSensorsHasChanges(bool value);
    bool extraSettingsHasChanges() const;
    void setExtraSettingsHasChanges(bool value);

    // Bit (int)DashPart set for every part flag that is raised.
    uint8_t changeMask() const;

    // Refills every object from `image` (which the kernel owns and keeps alive), remembers it for
    // reloadFromStruct, and clears every change flag.
    void loadFromImage(const DashSettingsImage *image);
    const DashSettingsImage *loadedImage() const { return m_image; }

    // Packing into a block; each writes only what its records' tables cover.
    void packSkinsPos(DashSettingsImage &image) const;
    void packSensors(DashSettingsImage &image);       // recomputes `enable` into config bit 0
    void packCustomSensors(DashSettingsImage &image); // likewise
    void packCommon(DashSettingsImage &image);        // with a fresh checksum
    void packCustomAnalogSensors(DashSettingsImage &image) const;
    void packExtra(DashSettingsImage &image);
    void packPart(DashPart part, DashSettingsImage &image);

public Q_SLOTS:
    void setCurrEcu(uint8_t e);
    void setIsRu(uint8_t newIsRu);
    void setSensorHasChanges(uint8_t sensId);
    QList<uint8_t> getActiveSensorsList();
    void reloadFromStruct();
    QString getSensorName(uint8_t sensID);

Q_SIGNALS:
    void dataChanged();
    void hasChangesUpdated();
    void skinsPosUpdated();
    void sensorsUpdated();
    void customSensorsUpdated();
    void customAnalogSensorsUpdated();
    void commonSettingsUpdated();
    void extraSettingsUpdated();

private:
    bool setPartFlag(bool &flag, bool value, void (ArdixSettings::*notify)());
    void loadSensorList(const QList<TheSensorConfig *> &list, const unsigned char *records);
    void packSensorList(const QList<TheSensorConfig *> &list, unsigned char *records);
    void load(const unsigned char *block);

    const DashSettingsImage *m_image = nullptr;
    SkinsPos m_skinsPos;
    QList<TheSensorConfig *> m_sensors;
    QList<TheSensorConfig *> m_customSensors;
    ThePreferenceTransport *m_commonSettings;
    QList<TheCustomAnalogSensor *> m_customAnalogSensors;
    ArdixExtraSettings *m_extra;
    bool m_hasChanges = false;
    bool m_skinsPosHasChanges = false;
    bool m_sensorsHasChanges = false;
    bool m_customSensorsHasChanges = false;
    bool m_commonSettingsHasChanges = false;
    bool m_customAnalogSensorsHasChanges = false;
};
