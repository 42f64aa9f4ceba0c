#include "simcore/device/PdmLiveData.h"

#include "simcore/device/DeviceBytes.h"

#include <cmath>

namespace {

using SimBytes::get;
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

// The parts of the PDM settings block the device's logic reads.
namespace Settings {
constexpr int BlockSize = 40960;
constexpr int OutputsAt = 4096;
constexpr int OutputRecord = 92;
constexpr int OutputFunctionsCount = 47;
constexpr int OutputOperators = 48;  // uint16, bit k set: child k OR child k + 1, else AND
constexpr int OutputOrder = 50;      // uint8[16] child function ids, 0 = empty
constexpr int FunctionsAt = 7040;
constexpr int FunctionRecord = 88;
constexpr int FunctionConfigBits = 40;
constexpr int FunctionChannelType = 44;
constexpr int FunctionChannel = 45;
constexpr int FunctionTrueDelay = 48;
constexpr int FunctionFalseDelay = 50;
constexpr int FunctionConstValue = 52;
constexpr int FunctionConstMax = 56;
constexpr int FunctionConstMin = 58;
constexpr int FunctionCount = 60;
constexpr int FunctionOperator = 61;
constexpr int FunctionOperators = 62;
constexpr int FunctionOrder = 64;
constexpr int MaxChildren = 16;
} // namespace Settings

// Function configuration bits.
enum FunctionBit : quint32 {
    InvertBit = 1u << 0,
    CounterBit = 1u << 1,
    GlobalBit = 1u << 6,
    MinutesBit = 1u << 12,
};

// What a condition reads.
enum ChannelType : quint8 {
    NoChannel = 0,
    DigitalInput = 1,
    OutputState = 3,
    OutputCurrent = 4,
    Constant = 6,
    GlobalFunction = 7,
    CanDigitalInput = 28,
};

// How a condition judges what it reads.
enum Operator : quint8 {
    IfTrue = 0,
    IfFalse = 1,
    IfEqual = 2,
    IfNotEqual = 3,
    IfLessThan = 4,
    IfLessThanOrEqual = 5,
    IfGreaterThan = 6,
    IfGreaterThanOrEqual = 7,
    IfFlash = 11,
    IfHysteresis = 12,
    IfToggle = 15,
};

constexpr int MaxGlobalNesting = 4;
// The output whose fault the demo shows now and then.
constexpr int FaultyOutput = 20;

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

bool PdmLiveData::evaluateChildren(const QByteArray &settings, int countAt, int opsAt, int orderAt,
                                   const LiveState &in, int ms, int depth)
{
    using namespace Settings;
    const int count = std::min<int>(get<quint8>(settings, countAt), MaxChildren);
    const quint16 ops = get<quint16>(settings, opsAt);
    bool result = false;
    bool first = true;
    for (int k = 0; k < count; ++k) {
        const int id = get<quint8>(settings, orderAt + k);
        if (id == 0 || id >= Functions)
            continue;
        const bool v = evaluateFunction(settings, id, in, ms, depth);
        if (first)
            result = v;
        else if ((ops >> (k - 1)) & 1)
            result = result || v;
        else
            result = result && v;
        first = false;
    }
    return result;
}

bool PdmLiveData::evaluateFunction(const QByteArray &settings, int id, const LiveState &in, int ms, int depth)
{
    using namespace Settings;
    if (m_evaluated[id])
        return m_value[id];
    const int at = FunctionsAt + id * FunctionRecord;
    const quint32 bits = get<quint32>(settings, at + FunctionConfigBits);
    bool value = false;
    if (bits == 0 || (bits & CounterBit)) {
        value = false;
    } else if (bits & GlobalBit) {
        value = depth < MaxGlobalNesting
                && evaluateChildren(settings, at + FunctionCount, at + FunctionOperators, at + FunctionOrder, in, ms, depth + 1);
    } else {
        const quint8 type = get<quint8>(settings, at + FunctionChannelType);
        const quint8 channel = get<quint8>(settings, at + FunctionChannel);
        const quint8 op = get<quint8>(settings, at + FunctionOperator);
        const int unit = (bits & MinutesBit) ? 60000 : 1;
        const int onDelay = get<quint16>(settings, at + FunctionTrueDelay) * unit;
        const int offDelay = get<quint16>(settings, at + FunctionFalseDelay) * unit;
        int reading = 0;
        switch (type) {
        case DigitalInput: reading = channel < 32 ? int((in.inputs >> channel) & 1) : 0; break;
        case OutputState: reading = channel < 32 ? int((in.outputs >> channel) & 1) : 0; break;
        case OutputCurrent: reading = channel < Outputs ? in.currents[channel] : 0; break;
        case Constant: reading = channel != 0; break;
        case CanDigitalInput: reading = channel < 32 ? int((in.canDi >> channel) & 1) : 0; break;
        case GlobalFunction:
            reading = depth < MaxGlobalNesting && channel < Functions && evaluateFunction(settings, channel, in, ms, depth + 1);
            break;
        default: break;
        }
        const int limit = get<quint16>(settings, at + FunctionConstValue);
        Debounce &d = m_debounce[id];
        bool raw = false;
        switch (op) {
        case IfTrue: raw = reading != 0; break;
        case IfFalse: raw = reading == 0; break;
        case IfEqual: raw = reading == limit; break;
        case IfNotEqual: raw = reading != limit; break;
        case IfLessThan: raw = reading < limit; break;
        case IfLessThanOrEqual: raw = reading <= limit; break;
        case IfGreaterThan: raw = reading > limit; break;
        case IfGreaterThanOrEqual: raw = reading >= limit; break;
        case IfHysteresis:
            raw = d.state ? reading >= get<quint16>(settings, at + FunctionConstMin)
                          : reading > get<quint16>(settings, at + FunctionConstMax);
            break;
        case IfToggle:
            if (reading != 0 && !d.raw)
                d.toggled = !d.toggled;
            d.raw = reading != 0;
            raw = d.toggled;
            break;
        case IfFlash: {
            const int period = std::max(1, onDelay + offDelay);
            value = reading != 0 && (ms % period) < std::max(1, onDelay);
            break;
        }
        default: raw = reading != 0; break;
        }
        if (op != IfFlash) {
            if ((bits & InvertBit) && op != IfToggle)
                raw = !raw;
            // The on and off delays: the raw value must hold that long before the state follows.
            if (raw == d.state) {
                d.since = -1;
            } else {
                if (d.since < 0)
                    d.since = ms;
                if (ms - d.since >= (raw ? onDelay : offDelay)) {
                    d.state = raw;
                    d.since = -1;
                }
            }
            value = d.state;
        }
    }
    m_evaluated[id] = true;
    m_value[id] = value;
    if (value)
        m_functionsState[id / 32] |= 1u << (id % 32);
    return value;
}

quint32 PdmLiveData::applyConditions(const QByteArray &settings, quint32 outputs, const LiveState &in, int ms)
{
    using namespace Settings;
    m_evaluated.fill(false);
    m_functionsState.fill(0);
    for (int o = 0; o < Outputs; ++o) {
        const int at = OutputsAt + o * OutputRecord;
        // An output without a switch-on condition stays off: the device has no reason to drive it.
        if (get<quint8>(settings, at + OutputFunctionsCount) == 0)
            outputs &= ~(1u << o);
        else if (evaluateChildren(settings, at + OutputFunctionsCount, at + OutputOperators, at + OutputOrder, in, ms, 0))
            outputs |= 1u << o;
        else
            outputs &= ~(1u << o);
    }
    // Global functions show their state even when no output uses them.
    for (int id = 1; id < Functions; ++id)
        if (get<quint32>(settings, FunctionsAt + id * FunctionRecord + FunctionConfigBits) & GlobalBit)
            evaluateFunction(settings, id, in, ms, 0);
    return outputs;
}

QByteArray PdmLiveData::realtimeBlock(int ms, double rpm, const QByteArray &settings)
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
    const quint32 canDi = blink ? 0x2 : 0x0;
    const bool hasSettings = settings.size() >= Settings::BlockSize;
    if (hasSettings) {
        // Outputs with conditions switch on this cycle's inputs and the previous cycle's outputs.
        std::array<quint16, Outputs> lastCurrents{};
        for (int o = 0; o < Outputs; ++o)
            lastCurrents[o] = (m_lastOutputs >> o) & 1 ? quint16(outputLoad(o)) : 0;
        outputs = applyConditions(settings, outputs, LiveState{inputs, m_lastOutputs, canDi, lastCurrents.data()}, ms);
        m_lastOutputs = outputs;
    }
    put<quint32>(b, OutputsStateAt, outputs);
    put<quint32>(b, OvercurrentAt, 0);
    // Only a driven output can report a fault or be pulse-width modulated.
    const bool faultPhase = int(t / 20) % 3 == 2 && ((outputs >> FaultyOutput) & 1);
    put<quint32>(b, FaultAt, faultPhase ? (1u << FaultyOutput) : 0);
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
    put<quint8>(b, RetriesAt + FaultyOutput, quint8(faultPhase ? 3 : 0));
    put<quint16>(b, TotalCurrentAt, quint16(std::min(65535, total)));
    // About 8 mV of sag per ampere drawn (total is in 0.01 A).
    put<quint16>(b, BattVoltageAt, quint16(std::lround(13900 - total * 0.08 + noise(15))));
    if ((outputs >> 28) & 1)
        put<quint8>(b, PwmDutiesAt + 28, quint8(40 + std::lround(30 * (1 + std::sin(t / 4)))));
    if ((outputs >> 29) & 1)
        put<quint8>(b, PwmDutiesAt + 29, 100);

    if (hasSettings) {
        for (int i = 0; i < 8; ++i)
            put<quint32>(b, FunctionsStateAt + 4 * i, m_functionsState[i]);
    } else {
        quint32 functions = 0x5;
        if (blink)
            functions |= 1u << 3;
        put<quint32>(b, FunctionsStateAt, functions);
    }
    put<quint8>(b, CountersAt, quint8(int(t / 5) % 256));
    put<quint32>(b, PdmFlagsAt, 0x3);
    put<quint32>(b, CanDiAt, canDi);
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
