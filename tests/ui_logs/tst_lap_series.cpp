// The laps window's map and delta series on a synthetic circle whose lap times are known: every
// lap is measured against the log's best lap, laps before it included.
#include "TrackBuilder.h"

#include "ElogTestBuilder.h"
#include "logs/elog/ElogReader.h"
#include "logs/laps/LapPlot.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

using namespace ardix::laps;
using lapstest::Track;

namespace {

constexpr double kRadius = 100;
const double kLap = 2 * M_PI * kRadius; // 628.3 m

// 30 m before the line, then laps at the given speeds (m/s) (speeds change on 100 ms samples,
// so lap times are good to a few tens of ms), then 3 s more.
std::vector<GpsRecord> drive(const Track &track, const std::vector<double> &lapSpeeds)
{
    std::vector<lapstest::Leg> legs;
    double lead = 30 / lapSpeeds.front() * 1000;
    for (double v : lapSpeeds) {
        legs.push_back({lead + kLap / v * 1000, v});
        lead = 0;
    }
    legs.push_back({3000, lapSpeeds.back()});
    return lapstest::circleLegs(track, kRadius, 90, 30, legs);
}

ElogData logOf(const std::vector<GpsRecord> &records, bool withStartLine = true)
{
    Track track;
    elogtest::ElogBuilder b;
    b.rate(10).records(uint32_t(records.size())).gps(records);
    if (withStartLine)
        b.startPoint(float(track.lat0), float(track.lon0), 90);
    const ElogReadResult read = decodeElogFile(b.file(), QStringLiteral("circle.elog"));
    if (!read.ok())
        qFatal("test log not readable: %s", qPrintable(read.detail));
    return read.data;
}

// Gain/loss at lap distance d of a lap at `v` against the best lap at `best`, in ms.
double expectedDelta(double d, double v, double best) { return (d / v - d / best) * 1000; }

double deltaAt(const LapShape &lap, double distance)
{
    for (const QPointF &p : lap.delta)
        if (p.x() >= distance)
            return p.y();
    return qQNaN();
}

} // namespace

class TestLapSeries : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyLapAgainstTheBestOfTheLog()
    {
        Track track;
        // The best lap is the second: the first is measured against a lap that came after it.
        const std::vector<double> speeds{20, 21, 19};
        const LapSeries s = computeLapSeries(logOf(drive(track, speeds)), {});
        QVERIFY(s.lineValid);
        QCOMPARE(s.laps.size(), 3);
        QCOMPARE(s.bestEntry, 1);
        for (int i = 0; i < 3; ++i) {
            const LapShape &lap = s.laps[i];
            QCOMPARE(lap.entry, i);
            QVERIFY(lap.valid);
            QVERIFY2(qAbs(double(lap.lapTimeMs) - kLap / speeds[i] * 1000) < 50, qPrintable(QString::number(lap.lapTimeMs)));
            QVERIFY(lap.path.size() > 100);
            for (double d : {100.0, kLap / 2, kLap - 40}) {
                const double got = deltaAt(lap, d);
                const double want = expectedDelta(d, speeds[i], 21);
                QVERIFY2(qAbs(got - want) < 40, qPrintable(QStringLiteral("lap %1 at %2 m: %3 ms, want %4")
                                                             .arg(i).arg(d).arg(got).arg(want)));
            }
        }
        // The slowest lap's end decides the axis: 3.1 s lost rounds to a 5 s scale.
        QVERIFY(qAbs(s.maxAbsDeltaMs - expectedDelta(kLap, 19, 21)) < 150);
        QCOMPARE(deltaAxisRangeMs(s.maxAbsDeltaMs), 5000);
        QVERIFY(s.maxDistance > kLap - 20 && s.maxDistance <= kLap + 20);

        // The map: a circle of 200 m touching the start point, the line across it.
        QVERIFY(qAbs(s.bounds.width() - 2 * kRadius) < 3);
        QVERIFY(qAbs(s.bounds.height() - 2 * kRadius) < 25); // the line sticks out 10 m
        QVERIFY(qAbs(QLineF(s.lineA, s.lineB).length() - kStartLineLength) < 1e-9);
        QCOMPARE(s.lineA.x(), s.lineB.x()); // heading east, the line runs north-south
    }

    void breaksAndMissingLines()
    {
        Track track;
        // Two laps, a minute and more of silence, two more laps: a break entry between.
        auto records = drive(track, {20, 20});
        auto later = drive(track, {22, 22});
        for (auto r : later) {
            const double t = (r.hours * 3600000.0 + r.minutes * 60000.0 + r.seconds * 1000.0 + r.microseconds / 1000.0)
                             + 200000;
            r.hours = int(t / 3600000);
            r.minutes = int(t / 60000) % 60;
            r.seconds = int(t / 1000) % 60;
            r.microseconds = int(std::fmod(t, 1000.0) * 1000);
            records.push_back(r);
        }
        const LapSeries s = computeLapSeries(logOf(records), {});
        QVERIFY(s.laps.size() >= 4);
        int breaks = 0;
        for (const LapShape &lap : s.laps) {
            if (!lap.valid) {
                ++breaks;
                QVERIFY(lap.delta.isEmpty());
            }
        }
        QCOMPARE(breaks, 1);
        QVERIFY(s.laps[s.bestEntry].lapTimeMs < 30000); // a lap at 22 m/s

        // No start line in the log and none in the settings: the map, but no laps.
        const LapSeries bare = computeLapSeries(logOf(drive(track, {20}), false), {});
        QVERIFY(!bare.lineValid);
        QVERIFY(bare.laps.isEmpty());
        QVERIFY(bare.track.size() > 100);
        // The settings' start point stands in, as it does for the laps list.
        const LapSeries fromSettings = computeLapSeries(logOf(drive(track, {20, 20}), false),
                                                        {float(track.lat0), float(track.lon0), 90});
        QCOMPARE(fromSettings.laps.size(), 2);
    }

    void plotScalesIntoItsItem()
    {
        Track track;
        QTemporaryDir dir;
        elogtest::ElogBuilder b;
        const auto records = drive(track, {20, 21});
        b.rate(10).records(uint32_t(records.size())).gps(records).startPoint(float(track.lat0), float(track.lon0), 90);
        const QString path = b.write(dir.path(), QStringLiteral("circle.elog"));

        LapPlot plot;
        QSignalSpy changed(&plot, &LapPlot::changed);
        plot.load(QUrl::fromLocalFile(path).toString(), 0, 0, 0);
        QTRY_VERIFY(plot.ready());
        QCOMPARE(plot.lapCount(), 2);
        QCOMPARE(plot.bestLap(), 1);
        QVERIFY(plot.hasTrack() && plot.hasStartLine());

        // A square track in a 300 × 200 item keeps its shape: 180 px tall, centred across.
        const auto map = plot.trackPath(300, 200, 10).value<QList<QPointF>>();
        QVERIFY(!map.isEmpty());
        double x0 = 1e9, x1 = -1e9, y0 = 1e9, y1 = -1e9;
        for (const QPointF &p : map) {
            x0 = std::min(x0, p.x()), x1 = std::max(x1, p.x());
            y0 = std::min(y0, p.y()), y1 = std::max(y1, p.y());
        }
        QVERIFY(y0 >= 10 - 1e-6 && y1 <= 190 + 1e-6);
        QVERIFY(x1 - x0 < y1 - y0 + 1 && qAbs((x0 + x1) / 2 - 150) < 5);
        // North up: the circle lies south of the start point (the car turns right heading east).
        const auto line = plot.startLinePath(300, 200, 10).value<QList<QPointF>>();
        QCOMPARE(line.size(), 2);
        QVERIFY(line[0].y() < (y0 + y1) / 2);

        // The best lap runs along the middle of the plot; the slower lap climbs above it (loss).
        const auto best = plot.deltaPath(1, 400, 100).value<QList<QPointF>>();
        const auto slow = plot.deltaPath(0, 400, 100).value<QList<QPointF>>();
        QVERIFY(!best.isEmpty() && !slow.isEmpty());
        for (const QPointF &p : best)
            QVERIFY(qAbs(p.y() - 50) < 2);
        QVERIFY(slow.constLast().y() < 25 && slow.constLast().x() > 390);
        QVERIFY(qAbs(plot.finalDeltaMs(0) - expectedDelta(kLap, 20, 21)) < 120);
        QVERIFY(!plot.hasDelta(5));
        // At the line the plot says what the lap list says: the lap times' difference, to the ms.
        QCOMPARE(plot.finalDeltaMs(0), int(plot.series().laps[0].lapTimeMs) - int(plot.series().laps[1].lapTimeMs));
        QCOMPARE(plot.finalDeltaMs(1), 0);
        QVERIFY(qAbs(plot.deltaAt(0, kLap / 2) - expectedDelta(kLap / 2, 20, 21)) < 40);
        QVERIFY(std::isnan(plot.deltaAt(0, kLap * 3)));

        // Cursor and map: the point a lap distance marks leads back to that distance.
        for (double d : {50.0, kLap / 3, kLap * 0.8}) {
            const QPointF p = plot.lapPointAt(0, d, 300, 200, 10);
            QVERIFY(p.x() >= 0 && p.y() >= 0);
            const double back = plot.lapDistanceAt(0, p.x(), p.y(), 300, 200, 10);
            QVERIFY2(qAbs(back - d) < 4, qPrintable(QStringLiteral("%1 m came back as %2 m").arg(d).arg(back)));
        }
        QCOMPARE(plot.lapPointAt(7, 10, 300, 200, 10), QPointF(-1, -1));

        // Not a log: ready, empty, nothing to draw.
        const QString junk = elogtest::ElogBuilder::writeBytes(dir.path(), QStringLiteral("junk.elog"), "not a log");
        plot.load(junk, 0, 0, 0);
        QTRY_VERIFY(plot.ready());
        QCOMPARE(plot.lapCount(), 0);
        QVERIFY(!plot.hasTrack());
        QVERIFY(plot.trackPath(300, 200, 10).value<QList<QPointF>>().isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestLapSeries)
#include "tst_lap_series.moc"
