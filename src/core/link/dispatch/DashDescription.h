#pragma once
// Pin-out of the dash board the interface shows next to the inputs: one constant map for boards
// of version 4 and later, one for the earlier boards.

#include <QVariantMap>

QVariantMap dashDescription(unsigned boardVersion);
