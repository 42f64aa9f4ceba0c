#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>

#include <cstdint>

#include "settings/pdm/PdmRealtimeLayout.h"

// One read-only property per row of the real-time table; the getter decodes from the last payload.
#define PDM_RT_VALUE(Type, name)                                                                   \
    Q_PROPERTY(Type name READ name NOTIFY dataChanged)                                             \
public:                                                                                            \
    Type name() const { return Type(value(PdmRealtimeLayout::name)); }                             \
                                                                                                   \
private:

#define PDM_RT_LIST(Type, name)                                                                    \
    Q_PROPERTY(QList<Type> name READ name NOTIFY dataChanged)                                      \
public:                                                                                            \
    QList<Type> name() const { return list<Type>(PdmRealtimeLayout::name); }                       \
                                                                                                   \
private:

// The latest live status reported by the PDM.
class PdmRealtimeData : public QObject
{
    Q_OBJECT
    PDM_RT_VALUE(uint, pdmSerialNumber)
    PDM_RT_VALUE(int, boardTemperature)
    PDM_RT_VALUE(int, stmTemperature)
    PDM_RT_VALUE(uint, totalCurrent)
    PDM_RT_VALUE(uint, battVoltage)
    PDM_RT_VALUE(uint, inputsState)
    PDM_RT_LIST(int, tic124AdcValues)
    PDM_RT_VALUE(uint, outputsState)
    PDM_RT_VALUE(uint, outputsOvercurrentFlags)
    PDM_RT_VALUE(uint, outputsFaultFlags)
    PDM_RT_LIST(int, outputsRetriesDone)
    PDM_RT_LIST(int, outputsCurrent)
    PDM_RT_LIST(int, pwmDuties)
    PDM_RT_LIST(uint, functionsState)
    PDM_RT_LIST(int, countersValue)
    PDM_RT_VALUE(uint, pdmFlags)
    PDM_RT_VALUE(uint, pdmCAN_DI)
    PDM_RT_LIST(int, pdmCAN_AI)
    PDM_RT_LIST(int, ecuSensors)

public:
    explicit PdmRealtimeData(QObject *parent = nullptr);

    // Takes a PdmRealtimeData_MessageType payload. Any size but 400 is ignored (returns false).
    bool loadFromPayload(const QByteArray &payload);

public Q_SLOTS:
    void reset();
    bool getFuncState(uint8_t f) const;

Q_SIGNALS:
    void dataChanged();

private:
    qint64 value(PdmRealtimeLayout::Index index, std::size_t element = 0) const;
    template<typename T>
    QList<T> list(PdmRealtimeLayout::Index index) const
    {
        const std::size_t n = PdmRealtimeLayout::fields[index].count;
        QList<T> out;
        out.reserve(qsizetype(n));
        for (std::size_t i = 0; i < n; ++i)
            out.append(T(value(index, i)));
        return out;
    }

    QByteArray m_payload;
};

#undef PDM_RT_VALUE
#undef PDM_RT_LIST
