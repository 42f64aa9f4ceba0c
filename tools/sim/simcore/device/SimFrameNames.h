#pragma once
// Readable names of commands and data types, for the simulator's trace.

#include "simcore/SimFrame.h"

#include <QString>

namespace SimNames {

const char *command(int value);
const char *dataType(int value);
// "<- CMD KeepOnline(0) from 6 p=0 p1=0" / "-> DATA AllData(0) size=... crc=..."
QString describe(const SimFrame &f, bool incoming);

} // namespace SimNames
