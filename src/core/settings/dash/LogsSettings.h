#pragma once
// The logging record inside the common settings.

#include "settings/PropertyMacros.h"

#include <QObject>
#include <cstdint>

class LogsSettings : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint8_t, config, setConfig, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, rateHz, setRateHz, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, maxFilesCount, setMaxFilesCount, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, logFileSizeMB, setLogFileSizeMB, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, logPauseDelay, setLogPauseDelay, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, logTrigger1SourceId, setLogTrigger1SourceId, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, logTrigger2SourceId, setLogTrigger2SourceId, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, modules, setModules, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, trigger1Value, setTrigger1Value, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, trigger2Value, setTrigger2Value, dataChanged)
    ARDIX_PROPERTY_S(uint32_t, stdSensors, setStdSensors, dataChanged)
    ARDIX_PROPERTY_S(uint32_t, customSensors, setCustomSensors, dataChanged)

public:
    explicit LogsSettings(QObject *parent = nullptr) : QObject(parent) {}

Q_SIGNALS:
    void dataChanged();
};
