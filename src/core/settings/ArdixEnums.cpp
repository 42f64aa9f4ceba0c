#include "settings/ArdixEnums.h"

#include <QMetaEnum>

namespace ArdixEnums {

QString keyName(const char *enumName, int value)
{
    const QMetaObject &mo = staticMetaObject;
    const int index = mo.indexOfEnumerator(enumName);
    if (index < 0)
        return {};
    const char *key = mo.enumerator(index).valueToKey(value);
    return key ? QString::fromLatin1(key) : QString();
}

} // namespace ArdixEnums
