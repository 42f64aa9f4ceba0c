#include "settings/DisplayLocale.h"

#include <QMutex>
#include <QMutexLocker>

namespace {
QMutex mutex;
QLocale &current()
{
    static QLocale locale = QLocale::c();
    return locale;
}
} // namespace

QLocale displayLocale()
{
    QMutexLocker lock(&mutex);
    return current();
}

void setDisplayLocale(const QLocale &locale)
{
    QMutexLocker lock(&mutex);
    current() = locale;
}
