#pragma once

// The laps window's track map and delta plot: LapSeries computed on a pool thread, handed to
// the interface as point lists already scaled to the size of the item that draws them.

#include "logs/laps/LapSeries.h"

#include <QFutureWatcher>
#include <QObject>
#include <QVariant>

namespace ardix::laps {

class LapPlot : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool loading READ loading NOTIFY changed)
    Q_PROPERTY(bool ready READ ready NOTIFY changed)
    Q_PROPERTY(int lapCount READ lapCount NOTIFY changed)
    Q_PROPERTY(int bestLap READ bestLap NOTIFY changed)
    Q_PROPERTY(bool hasTrack READ hasTrack NOTIFY changed)
    Q_PROPERTY(bool hasStartLine READ hasStartLine NOTIFY changed)
    Q_PROPERTY(double maxDistance READ maxDistance NOTIFY changed)
    Q_PROPERTY(int deltaRangeMs READ deltaRangeMs NOTIFY changed)
public:
    explicit LapPlot(QObject *parent = nullptr);
    ~LapPlot() override;

    bool loading() const { return m_watcher.isRunning(); }
    bool ready() const { return m_ready; }
    int lapCount() const { return int(m_series.laps.size()); }
    int bestLap() const { return m_series.bestEntry; }
    bool hasTrack() const { return m_series.track.size() > 1; }
    bool hasStartLine() const { return m_series.lineValid; }
    double maxDistance() const { return m_series.maxDistance; }
    int deltaRangeMs() const { return deltaAxisRangeMs(m_series.maxAbsDeltaMs); }
    const LapSeries &series() const { return m_series; }

    // Reads the log (a local path or a file URL) and computes its series in the background; the
    // start point is the dash settings' one, used when the log carries none (as findLapsInLog).
    Q_INVOKABLE void load(const QString &path, double settingsLat, double settingsLon, double settingsCourse);

    // Point lists for QtQuick.Shapes' PathPolyline, in the coordinates of a w × h item: the map
    // keeps north up and the aspect ratio, `margin` pixels inside the item.
    Q_INVOKABLE QVariant trackPath(double w, double h, double margin) const;
    Q_INVOKABLE QVariant lapPath(int entry, double w, double h, double margin) const;
    Q_INVOKABLE QVariant startLinePath(double w, double h, double margin) const;
    // Lap distance 0..maxDistance across, gain/loss ±deltaRangeMs up (loss) and down (gain).
    Q_INVOKABLE QVariant deltaPath(int entry, double w, double h) const;
    Q_INVOKABLE bool hasDelta(int entry) const;
    // The last gain/loss value of a lap in ms (0 when it has none).
    Q_INVOKABLE int finalDeltaMs(int entry) const;
    // Gain/loss of a lap at a lap distance, interpolated; NaN where the lap has none.
    Q_INVOKABLE double deltaAt(int entry, double distance) const;
    // Where a lap was at a lap distance, on the map of trackPath; (-1, -1) when unknown.
    Q_INVOKABLE QPointF lapPointAt(int entry, double distance, double w, double h, double margin) const;
    // The lap distance of the lap's point nearest a map point; -1 when the lap has no path.
    Q_INVOKABLE double lapDistanceAt(int entry, double x, double y, double w, double h, double margin) const;

Q_SIGNALS:
    void changed();

private:
    QList<QPointF> toMap(const QList<QPointF> &points, double w, double h, double margin) const;
    const LapShape *shape(int entry) const;

    QFutureWatcher<LapSeries> m_watcher;
    LapSeries m_series;
    bool m_ready = false;
};

} // namespace ardix::laps
