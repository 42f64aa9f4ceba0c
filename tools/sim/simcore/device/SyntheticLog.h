#pragma once
// Synthetic dash logs: a car lapping the simulated circuit, written in the dash's log format
// (the file bytes are exactly what the dash sends and the client stores as ".elog").

#include <QByteArray>
#include <QList>
#include <QtGlobal>

struct SyntheticLogOptions
{
    quint8 version = 1;         // 0: old layout (no size table, GPS at the record rate)
    quint8 logRate = 25;        // records per second
    int gpsRateHz = 10;         // GPS samples per second (version 1 and later)
    int laps = 2;               // flying laps after a short idle and a standing start
    double idleSeconds = 4;
    quint32 startTime = 1717243200; // UTC seconds since 1970 of the first record
    quint32 seed = 1;           // sensor noise and lap-to-lap variation
    bool customChannels = true; // two custom sensors (ids 100, 101) with names
    bool pdmChannel = false;    // the PDM's 336-byte record at the record rate
    bool startLine = true;      // start line in the header
};

struct SyntheticLog
{
    QByteArray body;  // uncompressed
    QByteArray file;  // 4-byte big-endian length + zlib stream of the body
    quint32 startTime = 0;
    quint32 endTime = 0;
    quint32 records = 0;
    QList<quint8> channelIds;
    QList<double> lapTimes; // seconds, flying laps in order
};

SyntheticLog makeSyntheticLog(const SyntheticLogOptions &options);
// The exact bytes of the ".elog" file.
QByteArray makeSyntheticElog(const SyntheticLogOptions &options);

// The dash's reference lap: a flying lap of the circuit traced at gpsRateHz, as the raw bytes the
// client keeps (not compressed); the lap ends at startTime + its lap time.
QByteArray makeSyntheticRefLap(quint32 startTime = 1717243200, int gpsRateHz = 10);

// One entry of the dash's list of logs: fill percentage, start and end time (UTC seconds).
QByteArray logListEntry(quint8 percent, quint32 start, quint32 end);
