// Device data (log list, reference lap, raw ADC, PDM real-time) through the dispatcher, on the fake
// ports of its own tests. Input: a flags byte, then the payload (see FileHarness.h).

#include "FileHarness.h"

ARDIX_FILE_FUZZ_TARGET(deviceData)
