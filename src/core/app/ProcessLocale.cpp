#include "ProcessLocale.h"

#include <QLocale>

void applyProcessLocale()
{
    QLocale::setDefault(QLocale::c());
}
