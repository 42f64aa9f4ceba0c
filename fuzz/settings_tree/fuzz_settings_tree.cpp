// Dash and PDM blocks into the settings trees and out through the apply step, twice: the same
// bytes come out. Input: a flags byte, then the payload (see FileHarness.h).

#include "FileHarness.h"

ARDIX_FILE_FUZZ_TARGET(settingsTree)
