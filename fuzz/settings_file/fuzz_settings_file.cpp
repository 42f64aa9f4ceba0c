// Dash and PDM settings files through the settings store, which keeps what it accepts as a whole
// block. Input: a flags byte, then the payload (see FileHarness.h).

#include "FileHarness.h"

ARDIX_FILE_FUZZ_TARGET(settingsFile)
