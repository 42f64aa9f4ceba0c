#pragma once
// One user-defined analog conversion (linear or table) that sensors can read through.

#include "settings/PropertyMacros.h"

#include <QList>
#include <QObject>
#include <QString>
#include <cstdint>

class TheCustomAnalogSensor : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(QString, name, setName, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, sensorType, setSensorType, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, tableSize, setTableSize, dataChanged)
    ARDIX_PROPERTY_S(uint16_t, rangeTolerance, setRangeTolerance, dataChanged)
    ARDIX_PROPERTY_S(float, linearA, setLinearA, dataChanged)
    ARDIX_PROPERTY_S(float, linearB, setLinearB, dataChanged)
    // 32 points of (output value, input in volts or ohms)
    ARDIX_PROPERTY_S(QList<QList<float>>, analogTable, setAnalogTable, dataChanged)

public:
    static constexpr int kTablePoints = 32;
    static constexpr uint8_t kMinTableSize = 2;

    explicit TheCustomAnalogSensor(QObject *parent = nullptr) : QObject(parent)
    {
        m_analogTable = QList<QList<float>>(kTablePoints, QList<float>(2, 0.0f));
    }

Q_SIGNALS:
    void dataChanged();
};
