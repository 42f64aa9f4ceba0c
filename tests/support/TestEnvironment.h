#pragma once
#include <QString>

namespace ArdixTest {

// Refuses to run (aborts the test binary) unless the isolated environment set by CTest is in
// place: per-test config, data and temp folders, and every device address on loopback.
// Runs automatically before main() in every test executable that links the support library.
void requireIsolatedEnvironment();

// The source tree, for tests that load fixtures or QML files.
QString sourceDir();

} // namespace ArdixTest
