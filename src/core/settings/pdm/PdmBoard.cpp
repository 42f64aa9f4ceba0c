#include "settings/pdm/PdmBoard.h"

#include <QtEndian>

#include <array>

namespace PdmBoard {

namespace {

struct OutputRow
{
    int recommended;
    int maximum;
    bool pwm;
    const char *pin;
};

// Variant 1; variant 2 differs only where patched below.
constexpr std::array<OutputRow, OutputsCount> Variant1Outputs{{
    {20, 25, false, "A-1_10"},    {25, 30, false, "A-3_11_12"}, {20, 25, false, "A-7_16"},
    {20, 25, false, "A-9_17"},    {20, 25, false, "B-1_10"},    {20, 25, false, "B-3_12"},
    {20, 25, false, "B-7_16"},    {20, 25, false, "B-9_17"},    {8, 10, false, "A-2"},
    {8, 10, false, "A-4"},        {8, 10, false, "A-5"},        {8, 10, false, "A-6"},
    {8, 10, false, "A-8"},        {8, 10, false, "A-26"},       {8, 10, false, "A-28"},
    {8, 10, false, "A-30"},       {8, 10, false, "A-32"},       {8, 10, false, "A-34"},
    {8, 10, false, "B-2"},        {8, 10, false, "B-4"},        {8, 10, false, "B-5"},
    {8, 10, false, "B-6"},        {8, 10, false, "B-8"},        {8, 10, false, "B-26"},
    {8, 10, false, "B-28"},       {8, 10, false, "B-30"},       {8, 10, false, "B-32"},
    {8, 10, false, "B-34"},       {15, 20, true, "A-18_19"},    {15, 20, true, "B-24_25"},
}};

constexpr std::array<OutputRow, OutputsCount> variant2Outputs()
{
    auto rows = Variant1Outputs;
    rows[6] = {25, 30, false, "B-7_15_16"};
    rows[28].maximum = 25;
    rows[29].maximum = 25;
    return rows;
}
constexpr std::array<OutputRow, OutputsCount> Variant2Outputs = variant2Outputs();

const std::array<OutputRow, OutputsCount> &outputs(int variant)
{
    return variant == 2 ? Variant2Outputs : Variant1Outputs;
}

constexpr std::array<const char *, InputsCount> InputPins{
    "A-33", "A-22", "B-21", "B-20", "B-19", "B-29", "B-22", "B-23", "B-31", "B-33",
    "B-27", "B-18", "B-13", "B-11", "A-15", "A-24", "A-23", "A-27", "A-31", "A-25",
};

// Tic124ModesBits positions: pull-down 0, analog 1, pull-up 2.
int availableModes(int input)
{
    if (input < 10)
        return 7;
    if (input < 19)
        return 6;
    return 4;
}

constexpr int BoardInfoMinSize = 172;
constexpr int VBatOffset = 0;
constexpr int ChannelsOffsetsOffset = 68;
constexpr int BoardVerOffset = 136;
constexpr int BoardOptionsOffset = 140;
constexpr int BoardSerialOffset = 144;

} // namespace

int recommendedCurrent(int variant, int output)
{
    return output >= 0 && output < OutputsCount ? outputs(variant)[output].recommended : 0;
}

int maxCurrent(int variant, int output)
{
    return output >= 0 && output < OutputsCount ? outputs(variant)[output].maximum : 0;
}

QVariantMap description(int variant)
{
    QVariantList recommended, maximum, pwm, outPins, modes, inPins;
    for (const OutputRow &row : outputs(variant)) {
        recommended.append(row.recommended);
        maximum.append(row.maximum);
        pwm.append(row.pwm);
        outPins.append(QString::fromLatin1(row.pin));
    }
    for (int i = 0; i < InputsCount; ++i) {
        modes.append(availableModes(i));
        inPins.append(QString::fromLatin1(InputPins[std::size_t(i)]));
    }
    return {
        {QStringLiteral("outputsCount"), OutputsCount},
        {QStringLiteral("inputsCount"), InputsCount},
        {QStringLiteral("bootInputIndex"), BootInputIndex},
        {QStringLiteral("outputsRecommendedCurrent"), recommended},
        {QStringLiteral("outputsMaxCurrent"), maximum},
        {QStringLiteral("isOutputPwm"), pwm},
        {QStringLiteral("outputPins"), outPins},
        {QStringLiteral("inputsAvailableModes"), modes},
        {QStringLiteral("inputsPins"), inPins},
    };
}

QVariantMap boardInfo(const QByteArray &payload, int outputsCount)
{
    const bool ok = payload.size() >= BoardInfoMinSize;
    const auto *p = reinterpret_cast<const uchar *>(payload.constData());
    auto u32 = [&](int offset) -> uint { return ok ? qFromLittleEndian<quint32>(p + offset) : 0u; };

    QVariantList offsets;
    for (int i = 0; i < outputsCount; ++i) {
        const int at = ChannelsOffsetsOffset + 2 * i;
        offsets.append(ok && at + 2 <= payload.size() ? int(qFromLittleEndian<qint16>(p + at)) : 0);
    }
    return {
        {QStringLiteral("channelsOffsets"), offsets},
        {QStringLiteral("vBat"), u32(VBatOffset)},
        {QStringLiteral("boardVer"), u32(BoardVerOffset)},
        {QStringLiteral("boardOptions"), u32(BoardOptionsOffset)},
        {QStringLiteral("boardSerial"), u32(BoardSerialOffset)},
    };
}

} // namespace PdmBoard
