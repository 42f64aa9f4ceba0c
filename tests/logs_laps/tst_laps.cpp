#include "TrackBuilder.h"

#include "ElogTestBuilder.h"
#include "logs/laps/FindLaps.h"
#include "logs/laps/GPS.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <random>

using namespace ardix::laps;
using lapstest::Track;

namespace {

void feed(LapEngine &engine, const std::vector<GpsRecord> &records)
{
    for (const auto &r : records)
        engine.processRecord(r);
}

int startedCount(const QSignalSpy &spy)
{
    int n = 0;
    for (const auto &args : spy)
        n += args.at(0).toBool() ? 1 : 0;
    return n;
}

} // namespace

class TestLaps : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void circuitLapsAndTexts();
    void duplicateTimeStampIgnored();
    void gapResetsAndAddsBreakEntry();
    void badGpsRecordsAreSkipped();
    void crossingBefore20sIsNotALapEnd();
    void startSpeedGate_data();
    void startSpeedGate();
    void courseDifference_data();
    void courseDifference();
    void lapTextsFromInterpolatedCrossings();
    void gainLossAgainstBestLap();
    void beaconMarksCrossings();
    void findLapsInLogKeys_data();
    void findLapsInLogKeys();
    void geodesicDistance_data();
    void geodesicDistance();
    void shortDistancesMatchGeodesic();
    void utmZones_data();
    void utmZones();
};

void TestLaps::circuitLapsAndTexts()
{
    Track track;
    GPS gps;
    QSignalSpy running(&gps, &GPS::lapRunningStateChanged);
    gps.setupStartLine(track.lat0, track.lon0, 90);
    QVERIFY(gps.isStartLineValid());
    // R 100 m at 20 m/s: 31415.9 ms a lap; three full laps after the first crossing.
    feed(gps, lapstest::circleDrive(track, 100, 90, 20, 1500 + 3 * 31416 + 500));
    QCOMPARE(gps.laps().size(), 3);
    for (const LapEntry &lap : gps.laps()) {
        QVERIFY(lap.isLapValid);
        QVERIFY2(qAbs(double(lap.lapTimeMsecs) - 31415.9) < 3, qPrintable(QString::number(lap.lapTimeMsecs)));
        QCOMPARE(lap.lapTimeString, LapEngine::lapTimeText(lap.lapTimeMsecs));
        QVERIFY(lap.lapTimeString.startsWith(QLatin1String("0:31.4")));
        QCOMPARE(lap.finishDate, QStringLiteral("14 Jun 24"));
        QVERIFY(lap.finishTime.startsWith(QLatin1String("10:0")));
    }
    QCOMPARE(startedCount(running), 4); // the first crossing and one per lap
    QVERIFY(gps.bestLapTime() > 0);
    QCOMPARE(gps.bestLapFullText(), LapEngine::lapTimeText(gps.bestLapTime()));

    // The best-lap data is the reference lap record of that lap.
    const auto raw = uncompressEnvelope(gps.bestLapData(), kMaxRefLapBytes);
    QVERIFY(raw);
    const auto ref = parseRefLap(*raw);
    QVERIFY(ref);
    QCOMPARE(ref->head.lapTimeMs, gps.bestLapTime());
    QCOMPARE(ref->head.startCourse, 90.0);
    QCOMPARE(ref->points.size(), gps.bestLapTrace().size());
    QVERIFY(ref->points.size() > 300);
    QVERIFY(qAbs(ref->points.constLast().lapDistance - 628.3) < 3);
    QCOMPARE(ref->points.at(10).speedTenthsKmh, qint16(720)); // 20 m/s
}

void TestLaps::duplicateTimeStampIgnored()
{
    Track track;
    GPS gps;
    QSignalSpy running(&gps, &GPS::lapRunningStateChanged);
    gps.setupStartLine(track.lat0, track.lon0, 0);
    gps.processRecord(track.at(0, -2, 0, 10, 0));
    gps.processRecord(track.at(0, 2, 0, 10, 0)); // same stamp, already past the line: ignored
    QCOMPARE(startedCount(running), 0);
    gps.processRecord(track.at(100, -1, 0, 10, 0));
    gps.processRecord(track.at(200, 1, 0, 10, 0));
    QCOMPARE(startedCount(running), 1);
}

void TestLaps::gapResetsAndAddsBreakEntry()
{
    Track track;
    GPS gps;
    gps.setupStartLine(track.lat0, track.lon0, 90);
    auto records = lapstest::circleDrive(track, 100, 90, 20, 1500 + 2 * 31416 + 15000);
    // Then 61 s of silence, and the car goes on for two more crossings.
    auto more = lapstest::circleDrive(track, 100, 90, 20, 2 * 31416 + 15000, 100, 314, 1500 + 2 * 31416 + 76000);
    records.insert(records.end(), more.begin(), more.end());
    feed(gps, records);
    const QVariantList laps = gps.lapsList();
    QCOMPARE(laps.size(), 4);
    const QVariantMap gap = laps.at(2).toMap();
    QCOMPARE(gap.value("isLapValid").toBool(), false);
    QCOMPARE(gap.value("lapTimeMsecs").toUInt(), 0u);
    QCOMPARE(gap.value("lapTimeString").toString(), QString());
    QCOMPARE(gap.value("finishTime").toString(), QString());
    QVERIFY(laps.at(3).toMap().value("isLapValid").toBool());
    QVERIFY(qAbs(laps.at(3).toMap().value("lapTimeMsecs").toDouble() - 31415.9) < 3);
}

void TestLaps::badGpsRecordsAreSkipped()
{
    Track track;
    GPS gps;
    gps.setupStartLine(track.lat0, track.lon0, 90);
    auto records = lapstest::circleDrive(track, 100, 90, 20, 1500 + 3 * 31416 + 500);
    const auto indexAt = [](double ms) { return size_t(ms / 100); };
    // Ten seconds into every lap the receiver reports 2000 knots: more than the trace can hold.
    for (int lap = 0; lap < 3; ++lap)
        records[indexAt(1500 + lap * 31416 + 10000)].speedValue = 2000 * 1000;
    feed(gps, records);
    QCOMPARE(gps.laps().size(), 3);
    for (const LapEntry &lap : gps.laps())
        QVERIFY2(lap.isLapValid && qAbs(double(lap.lapTimeMsecs) - 31415.9) < 3, qPrintable(QString::number(lap.lapTimeMsecs)));
    for (const RefLapPoint &p : gps.bestLapTrace())
        QVERIFY2(qAbs(p.speedTenthsKmh - 720) <= 1, qPrintable(QString::number(p.speedTenthsKmh)));

    // In the second lap the clock jumps a month back for one record: that lap cannot be timed,
    // the laps before and after it still count, and no trace point holds a wrapped time.
    GPS jumped;
    jumped.setupStartLine(track.lat0, track.lon0, 90);
    records = lapstest::circleDrive(track, 100, 90, 20, 1500 + 3 * 31416 + 500);
    const size_t glitch = indexAt(1500 + 31416 + 10000);
    records[glitch].month -= 1;
    for (size_t i = 0; i < records.size(); ++i) {
        jumped.processRecord(records[i]);
        if (i == glitch)
            for (const RefLapPoint &p : jumped.currentTrace())
                QVERIFY2(p.elapsedMs > -1000 && p.elapsedMs < 40000, qPrintable(QString::number(p.elapsedMs)));
    }
    const QVariantList laps = jumped.lapsList();
    QCOMPARE(laps.size(), 3);
    QVERIFY(laps.at(0).toMap().value("isLapValid").toBool());
    QVERIFY(!laps.at(1).toMap().value("isLapValid").toBool());
    QVERIFY(laps.at(2).toMap().value("isLapValid").toBool());
    QVERIFY(qAbs(laps.at(2).toMap().value("lapTimeMsecs").toDouble() - 31415.9) < 3);
}

void TestLaps::crossingBefore20sIsNotALapEnd()
{
    Track track;
    GPS gps;
    gps.setupStartLine(track.lat0, track.lon0, 90);
    // 12.6 s a turn: the crossing after one turn is too early, the one after two ends the lap.
    feed(gps, lapstest::circleDrive(track, 40, 90, 20, 1500 + 2 * 12566 + 2000));
    QCOMPARE(gps.laps().size(), 1);
    QVERIFY(qAbs(double(gps.laps().at(0).lapTimeMsecs) - 25132.7) < 3);
}

void TestLaps::startSpeedGate_data()
{
    QTest::addColumn<double>("knots");
    QTest::addColumn<bool>("starts");
    QTest::newRow("0.4 knots") << 0.4 << false;
    QTest::newRow("0.6 knots") << 0.6 << true;
}

void TestLaps::startSpeedGate()
{
    QFETCH(double, knots);
    QFETCH(bool, starts);
    Track track;
    GPS gps;
    QSignalSpy running(&gps, &GPS::lapRunningStateChanged);
    gps.setupStartLine(track.lat0, track.lon0, 45);
    const double step = knots * 0.51444; // metres a second
    for (int i = -3; i <= 3; ++i)
        gps.processRecord(track.onHeading(1000.0 * (i + 3), step * (i + 0.5), 45, knots, 45));
    QCOMPARE(startedCount(running), starts ? 1 : 0);
}

void TestLaps::courseDifference_data()
{
    QTest::addColumn<double>("startCourse");
    QTest::addColumn<double>("reportedCourse");
    QTest::addColumn<bool>("starts");
    QTest::newRow("350 vs 10") << 350.0 << 10.0 << true;
    QTest::newRow("359 vs 1") << 359.0 << 1.0 << true;
    QTest::newRow("1 vs 359") << 1.0 << 359.0 << true;
    QTest::newRow("0 vs 99") << 0.0 << 99.0 << true;
    QTest::newRow("0 vs 100") << 0.0 << 100.0 << false;
    QTest::newRow("300 vs 40") << 300.0 << 40.0 << false;
    QTest::newRow("200 vs 30") << 200.0 << 30.0 << false;
}

void TestLaps::courseDifference()
{
    QFETCH(double, startCourse);
    QFETCH(double, reportedCourse);
    QFETCH(bool, starts);
    Track track;
    GPS gps;
    QSignalSpy running(&gps, &GPS::lapRunningStateChanged);
    gps.setupStartLine(track.lat0, track.lon0, startCourse);
    for (int i = -3; i <= 3; ++i)
        gps.processRecord(track.onHeading(100.0 * (i + 3), 1.0 * i + 0.5, startCourse, 20, reportedCourse));
    QCOMPARE(startedCount(running), starts ? 1 : 0);
}

void TestLaps::lapTextsFromInterpolatedCrossings()
{
    // Two identical approaches 83456.5 ms apart give a lap of 83456 ms (truncated).
    Track track;
    GPS gps;
    gps.setupStartLine(track.lat0, track.lon0, 0);
    const double knots = 10;
    auto cross = [&](double t0) {
        gps.processRecord(track.at(t0, -0.6, 0, knots, 0));
        gps.processRecord(track.at(t0 + 100, 0.5, 0, knots, 0));
    };
    cross(0);
    for (double t = 10000; t < 80000; t += 10000)
        gps.processRecord(track.at(t, 500, 200, knots, 180)); // away from the line
    cross(83456.5);
    QCOMPARE(gps.laps().size(), 1);
    QCOMPARE(gps.laps().at(0).lapTimeMsecs, 83456u);
    QCOMPARE(gps.laps().at(0).lapTimeString, QStringLiteral("1:23.456"));
    QCOMPARE(gps.lastLapText(), QStringLiteral("1:23.45"));
    QCOMPARE(gps.bestLapText(), QStringLiteral("1:23.45"));
    QCOMPARE(gps.bestLapFullText(), QStringLiteral("1:23.456"));

    gps.reset();
    QCOMPARE(gps.lastLapText(), QStringLiteral("0:0.00"));
    QVERIFY(gps.laps().isEmpty());
    QVERIFY(gps.bestLapData().isEmpty());
}

void TestLaps::gainLossAgainstBestLap()
{
    Track track;
    LapEngine engine;
    engine.setGainLossEnabled(true);
    engine.setupStartLine(track.lat0, track.lon0, 90);
    QCOMPARE(engine.gainLossText(), QStringLiteral("--"));
    const double lap = 2 * M_PI * 100;
    const double firstLapMs = 1500 + lap / 20 * 1000; // 30 m lead, then one lap at 20 m/s
    const double halfLapMs = lap / 2 / 19 * 1000;
    const auto records = lapstest::circleLegs(track, 100, 90, 30,
                                              {{firstLapMs, 20}, {halfLapMs, 19}, {20000, 5}});
    const auto halfway = records.begin() + qsizetype((firstLapMs + halfLapMs) / 100);
    feed(engine, {records.begin(), halfway});
    QCOMPARE(engine.laps().size(), 1);
    // Half a lap, 314 m at 19 m/s against 20 m/s: about 826 ms lost.
    const double lost = (lap / 2 / 19 - lap / 2 / 20) * 1000;
    QVERIFY(engine.gainLoss().has_value());
    QVERIFY2(qAbs(*engine.gainLoss() - lost) < 30, qPrintable(QString::number(*engine.gainLoss())));
    QCOMPARE(engine.gainLossText(), QString::number(*engine.gainLoss() / 1000.0, 'f', 2));

    // Crawling on at 5 m/s, the loss passes 9 s and is held there.
    feed(engine, {halfway, records.end()});
    QCOMPARE(engine.gainLoss().value_or(0), 9000);
    QCOMPARE(engine.gainLossText(), QStringLiteral("9.0+"));
}

void TestLaps::beaconMarksCrossings()
{
    Track track;
    LapEngine engine;
    QCOMPARE(engine.takeBeacon(), 2);
    engine.setupStartLine(track.lat0, track.lon0, 0);
    engine.processRecord(track.at(0, -2.0576, 0, 10, 0)); // 400 ms before the line at 10 knots
    QCOMPARE(engine.takeBeacon(), 2);
    engine.processRecord(track.at(1000, 3, 0, 10, 0));
    const int beacon = engine.takeBeacon();
    QVERIFY2(qAbs(beacon - 400) <= 2, qPrintable(QString::number(beacon)));
    QCOMPARE(engine.takeBeacon(), 2); // read once
}

void TestLaps::findLapsInLogKeys_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<bool>("logHasStart");
    QTest::addColumn<bool>("settingsHaveStart");
    QTest::addColumn<bool>("withGps");
    QTest::addColumn<QString>("lapsError");
    QTest::addColumn<bool>("reportsLogStart");
    QTest::newRow("log start line") << 1 << true << false << true << QString() << true;
    QTest::newRow("settings start line") << 1 << false << true << true << QString() << false;
    QTest::newRow("version 0 ignores header") << 0 << true << true << true << QString() << false;
    QTest::newRow("version 0 without settings") << 0 << true << false << true << kBadStartPointText << false;
    QTest::newRow("no start line") << 1 << false << false << true << kBadStartPointText << false;
    QTest::newRow("no gps") << 1 << true << false << false << kNoGpsText << true;
}

void TestLaps::findLapsInLogKeys()
{
    QFETCH(int, version);
    QFETCH(bool, logHasStart);
    QFETCH(bool, settingsHaveStart);
    QFETCH(bool, withGps);
    QFETCH(QString, lapsError);
    QFETCH(bool, reportsLogStart);

    Track track;
    const auto records = lapstest::circleDrive(track, 100, 90, 20, 1500 + 2 * 31416 + 500);
    elogtest::ElogBuilder builder;
    builder.version(uint8_t(version)).rate(10).records(uint32_t(records.size()));
    if (logHasStart)
        builder.startPoint(float(track.lat0), float(track.lon0), 90.0f);
    std::vector<int16_t> rpm(records.size(), 3000);
    builder.sensor(16, rpm);
    if (withGps)
        builder.gps(records);
    QTemporaryDir dir;
    const QString path = builder.write(dir.path(), QStringLiteral("outing.elog"));
    const StartPoint settings = settingsHaveStart ? StartPoint{float(track.lat0), float(track.lon0), 90.0f}
                                                  : StartPoint{};
    GPS gps;
    QList<unsigned> progress;
    LogReporter reporter;
    reporter.onProgressMoving = [&](unsigned p) { progress.append(p); };
    const QVariantMap result = findLapsInLog(gps, path, settings, reporter);

    QCOMPARE(result.value("fileName").toString(), QStringLiteral("outing.elog"));
    QCOMPARE(result.value("version").toInt(), version);
    QCOMPARE(result.value("logRate").toInt(), 10);
    QVERIFY(!result.contains("fileError"));
    QCOMPARE(result.value("startPointLat").toFloat(), reportsLogStart ? float(track.lat0) : 0.0f);
    QCOMPARE(result.value("startPointCourse").toFloat(), reportsLogStart ? 90.0f : 0.0f);
    QCOMPARE(result.value("lapsError").toString(), lapsError);
    if (!lapsError.isEmpty()) {
        QVERIFY(!result.contains("lapsList"));
        return;
    }
    QCOMPARE(result.value("lapsCount").toInt(), 2);
    QCOMPARE(result.value("lapsList").toList().size(), 2);
    QCOMPARE(result.value("bestLapString").toString(), gps.bestLapFullText());
    QCOMPARE(result.value("bestLapMsec").toUInt(), gps.bestLapTime());
    QVERIFY(!progress.isEmpty());
    QCOMPARE(progress.constLast(), 100u);
    QVERIFY(!progress.contains(0u));
    for (int i = 1; i < progress.size(); ++i)
        QVERIFY(progress.at(i) > progress.at(i - 1));
}

void TestLaps::geodesicDistance_data()
{
    QTest::addColumn<double>("lat1");
    QTest::addColumn<double>("lon1");
    QTest::addColumn<double>("lat2");
    QTest::addColumn<double>("lon2");
    QTest::addColumn<double>("metres");
    QTest::addColumn<double>("tolerance");
    QTest::newRow("coincident") << 55.7 << 37.6 << 55.7 << 37.6 << 0.0 << 0.0;
    QTest::newRow("equator degree") << 0.0 << 0.0 << 0.0 << 1.0 << 111319.4908 << 1e-3;
    QTest::newRow("pole to pole") << 90.0 << 0.0 << -90.0 << 0.0 << 20003931.4586 << 1e-3;
    // Nearly antipodal: the classic iteration does not converge here.
    QTest::newRow("nearly antipodal 179.5") << 0.0 << 0.0 << 0.5 << 179.5 << 19936288.579 << 1e-2;
    QTest::newRow("nearly antipodal 179.7") << 0.0 << 0.0 << 0.5 << 179.7 << 19944127.421 << 1e-2;
    QTest::newRow("across the antimeridian") << 0.0 << 179.5 << 0.0 << -179.5 << 111319.4908 << 1e-3;
}

void TestLaps::geodesicDistance()
{
    QFETCH(double, lat1);
    QFETCH(double, lon1);
    QFETCH(double, lat2);
    QFETCH(double, lon2);
    QFETCH(double, metres);
    QFETCH(double, tolerance);
    const double d = ardix::laps::geodesicDistance(lat1, lon1, lat2, lon2);
    QVERIFY2(qAbs(d - metres) <= tolerance, qPrintable(QString::number(d, 'f', 4)));
}

void TestLaps::shortDistancesMatchGeodesic()
{
    // The engine's prepared points must measure what the geodesic measures, near and far.
    std::mt19937 random(7);
    std::uniform_real_distribution<double> unit(-1.0, 1.0);
    for (double span : {0.0005, 0.01, 0.3}) {
        for (int i = 0; i < 2000; ++i) {
            const double lat = unit(random) * 85, lon = unit(random) * 180;
            const double lat2 = lat + unit(random) * span, lon2 = lon + unit(random) * span;
            const double exact = ardix::laps::geodesicDistance(lat, lon, lat2, lon2);
            const double fast = ardix::laps::geodesicDistance(GeoPoint::at(lat, lon), GeoPoint::at(lat2, lon2));
            QVERIFY2(qAbs(fast - exact) < 1e-5, qPrintable(QStringLiteral("%1 %2 %3 %4").arg(lat).arg(lon).arg(lat2).arg(lon2)));
            // Prepared near an anchored latitude (a circuit's start line) within 0.1 degree of it.
            const GeoAnchor anchor = GeoAnchor::at(lat + unit(random) * 0.1);
            const double anchored = ardix::laps::geodesicDistance(GeoPoint::at(lat, lon, anchor),
                                                                  GeoPoint::at(lat2, lon2, anchor));
            QVERIFY2(qAbs(anchored - exact) < 1e-5, qPrintable(QString::number(anchored - exact)));
        }
    }
}

void TestLaps::utmZones_data()
{
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<int>("zone");
    QTest::newRow("plain") << 50.0 << 5.0 << 31;
    QTest::newRow("plain east") << 55.7 << 37.6 << 37;
    QTest::newRow("west coast of Norway") << 60.0 << 5.0 << 32;
    QTest::newRow("Norway band, west of 3") << 60.0 << 2.0 << 31;
    QTest::newRow("Svalbard below 9") << 78.0 << 8.0 << 31;
    QTest::newRow("Svalbard 9..21") << 78.0 << 10.0 << 33;
    QTest::newRow("Svalbard 21..33") << 78.0 << 22.0 << 35;
    QTest::newRow("Svalbard 33..42") << 78.0 << 35.0 << 37;
    QTest::newRow("longitude wraps") << 10.0 << 363.0 << 31;
}

void TestLaps::utmZones()
{
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(int, zone);
    QCOMPARE(UtmFrame::forPoint(lat, lon).zone, zone);

    // Central meridian at false easting; the south adds 10 000 km to the northing.
    const UtmFrame north = UtmFrame::forPoint(10, 3);
    const UtmFrame south = UtmFrame::forPoint(-10, 3);
    QCOMPARE(north.project(10, 3).x, 500000.0);
    QVERIFY(qAbs(north.project(10, 3).y + south.project(-10, 3).y - 10000000.0) < 1e-6);
    QVERIFY(qAbs(north.project(10, 3).y - 1105854.833 * 0.9996) < 1e-2);
}

QTEST_GUILESS_MAIN(TestLaps)
#include "tst_laps.moc"
