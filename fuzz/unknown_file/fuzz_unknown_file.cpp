// Files of unknown kind and user logos through the settings store. Input: a flags byte, then the
// payload (see FileHarness.h).

#include "FileHarness.h"

ARDIX_FILE_FUZZ_TARGET(unknownOrLogoFile)
