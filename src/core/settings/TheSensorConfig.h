#pragma once
// One sensor of the dash: its fixed identity (names, icon, range, ECU support, LD channel naming)
// comes from the catalogue; the user-editable part is overwritten from the device's settings.

#include "settings/PropertyMacros.h"

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <cstdint>

class SensorContext;

class TheSensorConfig : public QObject
{
    Q_OBJECT

    ARDIX_PROPERTY_S(uint8_t, sensorID, setSensorID, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, analogGroup, setAnalogGroup, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, config, setConfig, dataChanged)
    ARDIX_PROPERTY_S(QString, customShortName, setCustomShortName, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, analogTableID, setAnalogTableID, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, inputDataSource, setInputDataSource, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, inputSourceIndex, setInputSourceIndex, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, unitsID, setUnitsID, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, preWarningValue, setPreWarningValue, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, warningValueMax, setWarningValueMax, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, warningValueMin, setWarningValueMin, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, maxPossibleValue, setMaxPossibleValue, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, sensorNoWarningTime, setSensorNoWarningTime, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, sensorAutoWarningOffDelay, setSensorAutoWarningOffDelay, dataChanged)
    ARDIX_PROPERTY_S(int16_t, minPossibleValue, setMinPossibleValue, dataChanged)

    Q_PROPERTY(bool enable READ enable NOTIFY dataChanged)
    Q_PROPERTY(bool custom READ custom NOTIFY dataChanged)
    Q_PROPERTY(bool isFloat READ isFloat WRITE setIsFloat NOTIFY dataChanged)
    Q_PROPERTY(bool isWarningEnable READ isWarningEnable WRITE setIsWarningEnable NOTIFY dataChanged)
    Q_PROPERTY(bool isWarningIfMore READ isWarningIfMore WRITE setIsWarningIfMore NOTIFY dataChanged)
    Q_PROPERTY(bool isUseShiftLight READ isUseShiftLight WRITE setIsUseShiftLight NOTIFY dataChanged)
    Q_PROPERTY(bool isFullscreenWarningEnabled READ isFullscreenWarningEnabled
                   WRITE setIsFullscreenWarningEnabled NOTIFY dataChanged)

    ARDIX_PROPERTY_S(bool, frequencyCaptureSupport, setFrequencyCaptureSupport, dataChanged)
    ARDIX_PROPERTY_S(QList<int>, ecuProtocolsSupport, setEcuProtocolsSupport, dataChanged)
    ARDIX_PROPERTY_S(bool, isWarningPermit, setIsWarningPermit, dataChanged)

    Q_PROPERTY(int minValue READ minValue WRITE setMinValue)
    Q_PROPERTY(int maxValue READ maxValue WRITE setMaxValue)
    ARDIX_PROPERTY_S(QString, units, setUnits, dataChanged)
    Q_PROPERTY(QString icon READ icon)
    Q_PROPERTY(QString sensorName READ sensorName NOTIFY dataChanged)
    Q_PROPERTY(QString shortSensorName READ shortSensorName NOTIFY dataChanged)
    Q_PROPERTY(QString dataSourceName READ dataSourceName NOTIFY dataChanged)
    Q_PROPERTY(QStringList analogGroupListNames READ analogGroupListNames)

public:
    // Bits of `config`. Bit 0 is spare in the catalogue; the packer stores `enable` there.
    enum ConfigBit : uint16_t {
        EnableBit = 1u << 0,
        CustomBit = 1u << 1,
        FloatBit = 1u << 2,
        WarningEnableBit = 1u << 3,
        WarningIfMoreBit = 1u << 4,
        UseShiftLightBit = 1u << 5,
        FullscreenWarningBit = 1u << 6,
    };

    explicit TheSensorConfig(QObject *parent = nullptr);
    // A null context reads as Russian with no ECU protocol selected.
    explicit TheSensorConfig(SensorContext *context, QObject *parent = nullptr);

    SensorContext *context() const { return m_context; }
    void setContext(SensorContext *context) { m_context = context; }

    bool enable() const;

    bool custom() const { return configBit(CustomBit); }
    void setCustom(bool on) { setConfigBit(CustomBit, on); }
    bool isFloat() const { return configBit(FloatBit); }
    void setIsFloat(bool on) { setConfigBit(FloatBit, on); }
    bool isWarningEnable() const { return configBit(WarningEnableBit); }
    void setIsWarningEnable(bool on) { setConfigBit(WarningEnableBit, on); }
    bool isWarningIfMore() const { return configBit(WarningIfMoreBit); }
    void setIsWarningIfMore(bool on) { setConfigBit(WarningIfMoreBit, on); }
    bool isUseShiftLight() const { return configBit(UseShiftLightBit); }
    void setIsUseShiftLight(bool on) { setConfigBit(UseShiftLightBit, on); }
    bool isFullscreenWarningEnabled() const { return configBit(FullscreenWarningBit); }
    void setIsFullscreenWarningEnabled(bool on) { setConfigBit(FullscreenWarningBit, on); }

    int minValue() const { return m_minValue; }
    void setMinValue(int value) { m_minValue = value; }
    int maxValue() const { return m_maxValue; }
    void setMaxValue(int value) { m_maxValue = value; }

    QString icon() const { return m_icon; }
    void setIcon(const QString &icon) { m_icon = icon; }

    QString sensorName() const;
    QString shortSensorName() const;
    QString dataSourceName() const;
    // Names of the analog presets of this sensor's group; a group out of range falls back to 0.
    QStringList analogGroupListNames();

    // Identity held beside the properties (the interface reads the language-picked forms above).
    QString sensorNameRu() const { return m_sensorNameRu; }
    void setSensorNameRu(const QString &name);
    QString sensorNameEn() const { return m_sensorNameEn; }
    void setSensorNameEn(const QString &name);
    QString shortNameRu() const { return m_shortNameRu; }
    void setShortNameRu(const QString &name);
    QString shortNameEn() const { return m_shortNameEn; }
    void setShortNameEn(const QString &name);

    // Channel naming of the LD export.
    QString ldUnits() const { return m_ldUnits; }
    void setLdUnits(const QString &units) { m_ldUnits = units; }
    quint32 ldChannelId() const { return m_ldChannelId; }
    void setLdChannelId(quint32 id) { m_ldChannelId = id; }
    QString ldName() const { return m_ldName; }
    void setLdName(const QString &name) { m_ldName = name; }
    QString ldShortName() const { return m_ldShortName; }
    void setLdShortName(const QString &name) { m_ldShortName = name; }

public Q_SLOTS:
    // Resets an unnamed custom sensor's source and fits its range to its analog group.
    void setupCustomSens();

Q_SIGNALS:
    void dataChanged();

private:
    bool configBit(uint16_t mask) const { return (m_config & mask) != 0; }
    void setConfigBit(uint16_t mask, bool on);
    bool isRu() const;

    SensorContext *m_context = nullptr;
    int m_minValue = 0;
    int m_maxValue = 0;
    QString m_icon;
    QString m_sensorNameRu;
    QString m_sensorNameEn;
    QString m_shortNameRu;
    QString m_shortNameEn;
    QString m_ldUnits;
    quint32 m_ldChannelId = 0;
    QString m_ldName;
    QString m_ldShortName;
};
