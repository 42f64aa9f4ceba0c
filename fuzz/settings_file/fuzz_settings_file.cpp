// Dash and PDM settings files through the settings store, which keeps what it accepts as a whole
// block. Input: a flags byte, then the payload (see FileHarness.h).

#include "FileHarness.h"

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    initFuzzApplication(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    uint8_t flags = 0;
    QByteArray payload;
    if (splitInput(data, size, flags, payload))
        settingsFile(flags, payload);
    return 0;
}
