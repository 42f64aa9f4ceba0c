#pragma once

// Lap detection over a stream of GPS records: start line geometry, crossings, lap times, the
// current and best lap traces, lap distance and gain/loss against the best lap, and the beacon
// value the LD export marks crossings with. Plain C++ so that a background export can run its
// own instance; the `GPS` object wraps it for the interface thread.

#include "logs/laps/Geodesy.h"
#include "logs/elog/GpsRecord.h"
#include "logs/laps/LapRecords.h"

#include <QString>
#include <QVariantList>
#include <QVector>

#include <optional>

namespace ardix::laps {

constexpr double kStartLineLength = 20.0;        // metres
constexpr double kStartLineRadius = 20.0;        // a crossing is looked for this close to the start point
constexpr double kGapResetMs = 60000.0;          // a silent or standing car ends the lap run
constexpr double kMinLapMs = 20000.0;
constexpr double kMinStartSpeedKnots = 0.5;
constexpr double kMinLapEndSpeedKnots = 1.0;
constexpr double kMaxCourseDifference = 100.0;   // degrees
constexpr double kKnotsToMetresPerSecond = 0.51444;
constexpr double kKnotsToTenthsKmh = 18.52;
constexpr int kGainLossClampMs = 9000;
constexpr double kGainLossRefineRadius = 300.0;  // metres
constexpr int kBeaconIdle = 2;
// What a trace point holds: speed in tenths of km/h (int16), time since the lap start in ms (int32).
constexpr double kMaxTraceSpeedTenths = 32767.0;
constexpr double kMaxTraceElapsedMs = 2147483647.0;

struct LapEntry
{
    quint32 lapTimeMsecs = 0;
    QString finishTime;    // "HH:mm:ss"
    QString finishDate;    // "dd MMM yy"
    QString lapTimeString; // "m:ss.zzz"
    bool isLapValid = false;

    QVariantMap toMap() const;
};

class LapEngine
{
public:
    LapEngine() = default;
    virtual ~LapEngine() = default;

    // Clears laps and traces, then builds the 20 m line across the course through the point.
    void setupStartLine(double lat, double lon, double course);
    bool isStartLineValid() const { return m_lineValid; }
    double startLat() const { return m_startLat; }
    double startLon() const { return m_startLon; }
    double startCourse() const { return m_startCourse; }

    // Laps, best lap, traces and timing state go; the start line stays.
    void reset();

    void processRecord(const GpsRecord &fix);
    void processRecord(const uchar *record) { processRecord(decodeGpsRecord(record)); }

    // Signed distance of a point from the start line: negative before it, positive past it.
    double sideDistance(double lat, double lon) const;

    const QVector<LapEntry> &laps() const { return m_laps; }
    QVariantList lapsList() const;
    quint32 bestLapTime() const { return m_bestLapTime; }
    const QString &bestLapText() const { return m_bestLapText; }
    const QString &bestLapFullText() const { return m_bestLapFullText; }
    const QString &lastLapText() const { return m_lastLapText; }
    // The best lap as a reference lap record, compressed; empty when no lap was completed.
    QByteArray bestLapData() const;
    const QVector<RefLapPoint> &bestLapTrace() const { return m_bestTrace; }
    const QVector<RefLapPoint> &currentTrace() const { return m_trace; }
    // Measure gain/loss against this lap (the best of a whole log, say) until a lap faster than
    // `lapTimeMs` replaces it. Set after setupStartLine(), which clears it.
    void useReferenceTrace(const QVector<RefLapPoint> &trace, quint32 lapTimeMs);

    bool isLapRunning() const { return m_lapStart != 0; }
    double lapDistance() const { return m_lapDistance; }
    double currentLat() const { return m_lat; }
    double currentLon() const { return m_lon; }

    // Gain/loss against the best-lap trace after the last record; nullopt when it has no value.
    // Only kept up to date while enabled (it costs a few geodesic distances per record).
    void setGainLossEnabled(bool enabled) { m_gainLossEnabled = enabled; }
    std::optional<int> gainLoss() const { return m_gainLoss; }
    QString gainLossText() const;

    // The pending crossing's interpolated time (ms after the previous point), then back to idle.
    int takeBeacon();

    // The dash's offset from UTC, added to finish times; taken as an unsigned 16-bit number.
    void setTimeOffset(qint64 offsetFromUtcSeconds) { m_timeOffset = quint16(offsetFromUtcSeconds); }
    qint32 timeOffset() const { return m_timeOffset; }

    // Engine time of a record in ms (months of 2629746 s); a month or day below 1 takes the last
    // valid one seen by this engine.
    double timeStampMs(const GpsRecord &fix);

    static QString lapTimeText(quint32 ms); // "m:ss.zzz"

protected:
    virtual void onLapRunningStateChanged(bool) {}

private:
    void resetLapState();
    bool trackSide(double ts, double speedKnots, double &crossingTime, double &newSide);
    void startLap(double crossingTime, double newSide, double ts, double speedKnots);
    void finishLap(const GpsRecord &fix, double crossingTime);
    void addTracePoint(double ts, double speedKnots);
    void updateGainLoss(double ts);
    double distanceToStart() const;
    bool courseFits(double course) const;

    // start line
    bool m_lineValid = false;
    double m_startLat = 0, m_startLon = 0, m_startCourse = 0;
    UtmFrame m_frame;
    UtmPoint m_a, m_b;
    double m_lineLength = 0;
    double m_ca = 0, m_cb = 0, m_cc = 0;
    // local metres per degree at the start point, for cheap "clearly far away" tests
    double m_metresPerDegLat = 0, m_metresPerDegLon = 0;

    // laps state
    bool m_lapRunning = false;
    double m_lapStart = 0;
    double m_prevPointTime = 0;
    double m_lastTs = 0;
    double m_prevSide = 0;
    double m_stopSince = 0;
    quint32 m_bestLapTime = 0;
    QString m_bestLapText, m_bestLapFullText;
    QString m_lastLapText = QStringLiteral("0:0.00");
    QVector<LapEntry> m_laps;
    RefLapHead m_bestLapHead;            // set with the best-lap trace
    mutable QByteArray m_bestLapData;    // packed and compressed when first asked for
    mutable bool m_bestLapDataStale = false;
    quint32 m_bestTraceTime = 0;
    QVector<RefLapPoint> m_trace, m_bestTrace;
    QVector<GeoPoint> m_bestTraceGeo; // the best-lap trace prepared for distances
    GeoPoint m_startGeo, m_pos;
    GeoAnchor m_anchor;
    double m_lapDistance = 0;
    double m_lat = 0, m_lon = 0;
    bool m_havePosition = false;
    double m_beacon = kBeaconIdle;
    bool m_gainLossEnabled = false;
    std::optional<int> m_gainLoss;
    int m_gainLossIndex = 0;

    // kept across resets
    qint32 m_timeOffset = 0;
    int m_lastMonth = 0;
    int m_lastDay = 0;
};

} // namespace ardix::laps
