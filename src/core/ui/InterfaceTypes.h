#pragma once

// Registers the interface's helper types (window layout, device web page name) with the
// declarative engine under the module ARDIX 1.0.
void registerInterfaceTypes();
