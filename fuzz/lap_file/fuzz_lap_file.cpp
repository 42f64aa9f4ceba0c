// Start line and reference lap files through their readers, the settings store and the lap service.
// Input: a flags byte, then the payload (see FileHarness.h).

#include "FileHarness.h"

ARDIX_FILE_FUZZ_TARGET(lapFile)
