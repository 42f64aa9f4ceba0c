#pragma once

// Registers every object type the interface uses with the declarative engine, in the fixed order:
// the kernel, the enumerations, the HTTP helpers, the read-only model types, the list types, then
// the four interface singletons.
void registerArdixTypes();
