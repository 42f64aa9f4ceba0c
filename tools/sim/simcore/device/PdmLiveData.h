#pragma once
// The PDM's live values: the 400-byte real-time block, board information and raw ADC readings,
// moving with time so that a client sees something alive.

#include <QByteArray>
#include <QRandomGenerator>

class PdmLiveData
{
public:
    static constexpr int RealtimeSize = 400;
    static constexpr int BoardInfoSize = 172;
    static constexpr int AdcRawSize = 2 * (20 + 30);
    static constexpr int Outputs = 30;
    static constexpr int Inputs = 20;

    explicit PdmLiveData(quint32 seed, quint32 serial = 0) : m_rng(seed), m_serial(serial) {}

    // Values at elapsedMs since the loop started; engineRpm drives the load a little.
    QByteArray realtimeBlock(int elapsedMs, double engineRpm = 2500);
    QByteArray boardInfo(quint8 boardVersion) const;
    QByteArray adcRaw(int elapsedMs);

private:
    QRandomGenerator m_rng;
    quint32 m_serial;
};
