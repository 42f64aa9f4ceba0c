#pragma once
// Factory contents of the dash block's records, written through the same tables as packing.

#include "settings/dash/DashSettingsImage.h"

namespace dashDefaults {

// The common record: zeroed, then the factory values (with logging and GPS), then its checksum.
void writeCommonDefaults(DashSettingsImage &image);
// The 32 custom analog sensor records: zeroed, then sensor 0, the fuel tank "Бак".
void writeCustomAnalogDefaults(DashSettingsImage &image);

} // namespace dashDefaults
