#pragma once
// The PDM's live values: the 400-byte real-time block, board information and raw ADC readings,
// moving with time so that a client sees something alive.

#include <QByteArray>
#include <QRandomGenerator>

#include <array>

class PdmLiveData
{
public:
    static constexpr int RealtimeSize = 400;
    static constexpr int BoardInfoSize = 172;
    static constexpr int AdcRawSize = 2 * (20 + 30);
    static constexpr int Outputs = 30;
    static constexpr int Inputs = 20;

    explicit PdmLiveData(quint32 seed, quint32 serial = 0) : m_rng(seed), m_serial(serial) {}

    // Values at elapsedMs since the loop started; engineRpm drives the load a little. With the
    // PDM's settings block, outputs that have conditions follow them instead of the demo pattern.
    QByteArray realtimeBlock(int elapsedMs, double engineRpm = 2500, const QByteArray &settings = {});
    QByteArray boardInfo(quint8 boardVersion) const;
    QByteArray adcRaw(int elapsedMs);

    static constexpr int Functions = 200;

private:
    // What a condition needs besides the settings: the inputs and outputs as they stand now.
    struct LiveState
    {
        quint32 inputs = 0;
        quint32 outputs = 0;
        quint32 canDi = 0;
        const quint16 *currents = nullptr;
    };
    // A condition's debounced state: its settled value and since when the raw value differs.
    struct Debounce
    {
        bool state = false;   // settled value
        bool raw = false;     // last undebounced value, for edges
        bool toggled = false; // state of a toggle condition
        int since = -1;
    };

    bool evaluateChildren(const QByteArray &settings, int countAt, int opsAt, int orderAt,
                          const LiveState &in, int ms, int depth);
    bool evaluateFunction(const QByteArray &settings, int id, const LiveState &in, int ms, int depth);
    quint32 applyConditions(const QByteArray &settings, quint32 outputs, const LiveState &in, int ms);

    QRandomGenerator m_rng;
    quint32 m_serial;
    std::array<Debounce, Functions> m_debounce{};
    std::array<bool, Functions> m_evaluated{};
    std::array<bool, Functions> m_value{};
    std::array<quint32, 8> m_functionsState{};
    quint32 m_lastOutputs = 0;
};
