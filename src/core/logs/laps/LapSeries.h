#pragma once

// What the laps window draws from a log: the car's path on a local plane with the start line,
// each lap's own path, and each lap's time gained or lost against the log's best lap along the
// lap distance. Two runs of the lap engine: the first finds the best lap, the second measures
// every lap against it (the engine alone would measure early laps against the best lap so far).

#include "logs/laps/FindLaps.h"

#include <QList>
#include <QPointF>
#include <QRectF>

struct ElogData;

namespace ardix::laps {

struct LapShape
{
    int entry = -1;          // index into the laps list of findLapsInLog
    bool valid = false;      // false for a break entry
    quint32 lapTimeMs = 0;
    QList<QPointF> path;     // metres east (x) and north (y) of the start point
    QList<double> pathDistance; // lap distance of each path point (m)
    QList<QPointF> delta;    // (lap distance m, gain/loss ms), where the engine has a value
};

struct LapSeries
{
    bool lineValid = false;
    QList<QPointF> track;    // every fix of the log, metres from the start point
    QPointF lineA, lineB;    // ends of the start line
    QRectF bounds;           // of the track and the start line
    QList<LapShape> laps;    // one per laps list entry, in order
    int bestEntry = -1;
    int maxAbsDeltaMs = 0;   // over the valid laps
    double maxDistance = 0;  // longest lap distance with a delta value
};

// Points closer than this to the last kept one are dropped: nothing a screen could show.
constexpr double kSeriesStepMetres = 2.0;

LapSeries computeLapSeries(const ElogData &log, const StartPoint &settingsStartPoint);

// A round scale for the delta axis that holds `maxAbsMs`: 0.25, 0.5, 1, 2, 5 or 9 s.
int deltaAxisRangeMs(int maxAbsMs);

} // namespace ardix::laps
