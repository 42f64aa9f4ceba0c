#pragma once
#include "settings/layout/FieldLayout.h"

namespace functionLayout {
layout::Table functionTable(); // PdmFunctionSettings, 88 bytes
}
