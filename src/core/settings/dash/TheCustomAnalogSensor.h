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

    // One coordinate of one point (column 0 the output value, 1 the input), so that the interface
    // reads and edits a point without copying the nested table through a variant.
    Q_INVOKABLE float point(int index, int column) const
    {
        if (index < 0 || index >= m_analogTable.size() || column < 0 || column >= m_analogTable[index].size())
            return 0.0f;
        return m_analogTable[index][column];
    }
    // True when the point really changed (and dataChanged was emitted).
    Q_INVOKABLE bool setPoint(int index, int column, float value)
    {
        if (index < 0 || index >= m_analogTable.size() || column < 0 || column >= m_analogTable[index].size())
            return false;
        if (m_analogTable[index][column] == value)
            return false;
        m_analogTable[index][column] = value;
        Q_EMIT dataChanged();
        return true;
    }

Q_SIGNALS:
    void dataChanged();
};
