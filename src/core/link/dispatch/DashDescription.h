#pragma once
// Pin-out of the dash board the interface shows next to the inputs: one constant map for boards
// of version 4 and later, one for the earlier boards. The input descriptions are the Russian
// sources: the interface translates them where it shows them (context "DashDescription"), so that
// they follow a change of language.

#include <QVariantMap>

QVariantMap dashDescription(unsigned boardVersion);
