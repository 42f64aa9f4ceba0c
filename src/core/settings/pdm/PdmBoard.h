#pragma once
// The static description of the PDM boards (variants 1 and 2) and the decoding of the board
// information the PDM reports.
#include <QByteArray>
#include <QVariantMap>

namespace PdmBoard {

constexpr int OutputsCount = 30;
constexpr int InputsCount = 20;
constexpr int BootInputIndex = 19;
// Empty-named outputs are reset with this variant's currents when the settings are applied.
constexpr int ResetVariant = 2;

// Recommended current (A) of an output (0-based) on a board variant; 0 beyond the board's outputs.
int recommendedCurrent(int variant, int output);
int maxCurrent(int variant, int output);

// Keys "outputsCount", "inputsCount", "bootInputIndex", "outputsRecommendedCurrent",
// "outputsMaxCurrent", "isOutputPwm", "outputPins", "inputsAvailableModes", "inputsPins".
// Any variant other than 2 gets variant 1.
QVariantMap description(int variant);

// Keys "channelsOffsets", "vBat", "boardVer", "boardOptions", "boardSerial" from a
// BoardInfoData_MessageType payload; a payload shorter than 172 bytes gives zeros.
QVariantMap boardInfo(const QByteArray &payload, int outputsCount = OutputsCount);

} // namespace PdmBoard
