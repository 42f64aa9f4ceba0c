#include "simcore/device/PdmLiveData.h"

#include "simcore/device/DeviceBytes.h"

#include <cmath>

namespace {

using SimBytes::put;

// Offsets of the real-time block.
enum RealtimeOffset : int {
    SerialAt = 0,
    BoardTemperatureAt = 4,
    StmTemperatureAt = 6,
    TotalCurrentAt = 8,  // 0.01 A
    BattVoltageAt = 10,  // mV
    InputsStateAt = 12,
    Tic124AdcAt = 16,    // uint16 x 24
    OutputsStateAt = 64,
    OvercurrentAt = 68,
    FaultAt = 72,
    RetriesAt = 76,      // uint8 x 32
    OutputsCurrentAt = 108, // uint16 x 32, 0.01 A
    PwmDutiesAt = 172,   // uint8 x 32
    FunctionsStateAt = 208, // uint32 x 8
    CountersAt = 240,    // uint8 x 32
    PdmFlagsAt = 272,
    CanDiAt = 276,
    CanAiAt = 280,       // int16 x 16
    EcuSensorsAt = 336,  // int16 x 32
};
static_assert(EcuSensorsAt + 64 == PdmLiveData::RealtimeSize, "real-time block ends with the ECU sensors");

// Steady load of each output in 0.01 A when on.
int outputLoad(int o)
{
    if (o < 8)
        return 600 + 150 * o;
    if (o < 28)
        return 80 + 20 * (o % 5);
    return 450;
}

} // namespace

QByteArray PdmLiveData::realtimeBlock(int ms, double rpm)
{
    QByteArray b(RealtimeSize, '\0');
    const double t = ms / 1000.0;
    auto noise = [this](double a) { return (m_rng.generateDouble() - 0.5) * 2 * a; };

    put<quint32>(b, SerialAt, m_serial);
    put<qint16>(b, BoardTemperatureAt, qint16(std::lround(34 + std::min(12.0, t / 30) + noise(0.5))));
    put<qint16>(b, StmTemperatureAt, qint16(std::lround(39 + std::min(12.0, t / 25) + noise(0.5))));

    // Inputs: a few switches that flip slowly, the rest steady.
    quint32 inputs = 0x1;
    if (int(t / 3) % 2)
        inputs |= 1u << 1;
    if (int(t / 7) % 2)
        inputs |= 1u << 4;
    put<quint32>(b, InputsStateAt, inputs);
    for (int i = 0; i < 24; ++i)
        put<quint16>(b, Tic124AdcAt + 2 * i,
                     quint16(std::lround(1200 + 800 * std::sin(t / (2 + i) + i) + noise(10) + 800)));

    // Outputs: most on, a blinker, a fan that cycles, a PWM pump.
    quint32 outputs = 0x0FFF;
    const bool blink = (ms / 500) % 2;
    if (blink)
        outputs |= 1u << 12;
    const bool fan = int(t / 10) % 2;
    if (fan)
        outputs |= 1u << 2;
    outputs |= 3u << 28;
    put<quint32>(b, OutputsStateAt, outputs);
    put<quint32>(b, OvercurrentAt, 0);
    put<quint32>(b, FaultAt, (int(t / 20) % 3 == 2) ? (1u << 20) : 0);
    int total = 0;
    for (int o = 0; o < Outputs; ++o) {
        int current = 0;
        if (outputs & (1u << o)) {
            current = outputLoad(o) + int(noise(outputLoad(o) * 0.03));
            if (o == 0)
                current += int(rpm / 10);
            if (o >= 28)
                current = current * (40 + int(30 * (1 + std::sin(t / 4)))) / 100;
        }
        total += current;
        put<quint16>(b, OutputsCurrentAt + 2 * o, quint16(std::max(0, current)));
    }
    put<quint8>(b, RetriesAt + 20, quint8((int(t / 20) % 3 == 2) ? 3 : 0));
    put<quint16>(b, TotalCurrentAt, quint16(std::min(65535, total)));
    // About 8 mV of sag per ampere drawn (total is in 0.01 A).
    put<quint16>(b, BattVoltageAt, quint16(std::lround(13900 - total * 0.08 + noise(15))));
    put<quint8>(b, PwmDutiesAt + 28, quint8(40 + std::lround(30 * (1 + std::sin(t / 4)))));
    put<quint8>(b, PwmDutiesAt + 29, 100);

    quint32 functions = 0x5;
    if (blink)
        functions |= 1u << 3;
    put<quint32>(b, FunctionsStateAt, functions);
    put<quint8>(b, CountersAt, quint8(int(t / 5) % 256));
    put<quint32>(b, PdmFlagsAt, 0x3);
    put<quint32>(b, CanDiAt, blink ? 0x2 : 0x0);
    for (int i = 0; i < 16; ++i)
        put<qint16>(b, CanAiAt + 2 * i, qint16(std::lround(100 * std::sin(t / 3 + i))));
    put<qint16>(b, EcuSensorsAt, qint16(std::lround(rpm)));
    put<qint16>(b, EcuSensorsAt + 2, qint16(std::lround(88 + std::min(6.0, t / 60))));
    return b;
}

QByteArray PdmLiveData::boardInfo(quint8 boardVersion) const
{
    QByteArray b(BoardInfoSize, '\0');
    put<quint32>(b, 0, 13850);
    for (int o = 0; o < Outputs; ++o)
        put<qint16>(b, 68 + 2 * o, qint16((o * 7) % 11 - 5));
    put<quint32>(b, 136, boardVersion);
    put<quint32>(b, 140, 0x1);
    put<quint32>(b, 144, m_serial);
    return b;
}

QByteArray PdmLiveData::adcRaw(int ms)
{
    QByteArray b(AdcRawSize, '\0');
    const double t = ms / 1000.0;
    for (int i = 0; i < Inputs + Outputs; ++i)
        put<quint16>(b, 2 * i, quint16(std::lround(2048 + 900 * std::sin(t / 5 + i) + (m_rng.generateDouble() - 0.5) * 8)));
    return b;
}
