#pragma once
// Records of the user CAN settings, shared by the dash's extra settings and the PDM's CAN block.

#include "settings/layout/FieldLayout.h"

namespace canLayout {

constexpr int kInMessageSize = 8;
constexpr int kOutMessageSize = 200;
constexpr int kOutDataOffset = 8; // data items within a transmitted message
constexpr int kOutDataItems = 16;
constexpr int kOutDataSize = 12;
constexpr int kDigitalInputSize = 36;
constexpr int kFrameIdMaskSize = 8;

static_assert(kOutDataOffset + kOutDataItems * kOutDataSize == kOutMessageSize);

layout::Table inMessageTable();
layout::Table outMessageTable(); // header; the items are packed by outDataTable()
layout::Table outDataTable();
layout::Table digitalInputTable();

} // namespace canLayout
