#include "logs/laps/GPS.h"

#include <QFile>

GPS::GPS(QObject *parent) : QObject(parent) {}

void GPS::loadRefLap() {}

void GPS::eraseRefLap()
{
    reset();
    QFile::remove(QString::fromLatin1(kRefLapCachePath));
}

void GPS::onLapRunningStateChanged(bool newState)
{
    Q_EMIT lapRunningStateChanged(newState);
}
