// The log view's numbers: every min/max the pyramid gives equals a plain scan, columns and the
// cursor readout of a log with known values, the distance axis, laps, and the map <-> cursor link.

#include "ElogTestBuilder.h"
#include "TrackBuilder.h"

#include "logs/view/LogViewData.h"
#include "logs/view/PlotStrip.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace logview;

namespace {

constexpr uint8_t kOilPressure = 1; // hundredths, "kPa"
constexpr uint8_t kRpm = 16;

LogViewData load(const elogtest::ElogBuilder &b)
{
    ElogReadResult read = parseElogBody(b.body(), QStringLiteral("t.elog"));
    LogViewData data;
    if (read.ok())
        data.load(std::move(read.data), LogExportContext::builtinCatalogue());
    return data;
}

// 10 Hz, 1000 records: RPM counts up by one per record, oil pressure is 12.34 kPa then 56.78.
LogViewData rampLog()
{
    std::vector<int16_t> rpm(1000), oil(1000);
    for (int i = 0; i < 1000; ++i) {
        rpm[size_t(i)] = int16_t(i);
        oil[size_t(i)] = i < 500 ? 1234 : 5678;
    }
    return load(elogtest::ElogBuilder().rate(10).records(1000).sensor(kRpm, rpm).sensor(kOilPressure, oil));
}

} // namespace

class TstLogView : public QObject
{
    Q_OBJECT
private slots:
    void pyramidEqualsScan_data();
    void pyramidEqualsScan();
    void pyramidRandomRanges();
    void channelsNamedAsExports();
    void columnsOfKnownValues_data();
    void columnsOfKnownValues();
    void cursorReadout_data();
    void cursorReadout();
    void stripHasOnePairPerColumn();
    void distanceAxis();
    void lapsAndMapLink();
};

void TstLogView::pyramidEqualsScan_data()
{
    QTest::addColumn<uint>("first");
    QTest::addColumn<uint>("last");
    QTest::newRow("empty") << 5u << 5u;
    QTest::newRow("one sample") << 17u << 18u;
    QTest::newRow("inside one bucket") << 3u << 12u;
    QTest::newRow("bucket edges exactly") << 16u << 64u;
    QTest::newRow("ragged both ends") << 15u << 1039u;
    QTest::newRow("whole") << 0u << 5000u;
    QTest::newRow("partial last bucket") << 4990u << 5000u;
    QTest::newRow("beyond the end") << 4000u << 9000u;
}

void TstLogView::pyramidEqualsScan()
{
    QFETCH(uint, first);
    QFETCH(uint, last);
    std::vector<int16_t> v(5000);
    QRandomGenerator rng(3);
    for (auto &s : v)
        s = int16_t(rng.bounded(-30000, 30000));
    MinMaxPyramid p;
    p.build({reinterpret_cast<const unsigned char *>(v.data()), 2, SampleSource::Type::Int16, 1.0f}, uint32_t(v.size()));
    QVERIFY(p.levels() >= 3);
    MinMax expect;
    for (uint i = first; i < std::min<uint>(last, 5000); ++i)
        expect.add(v[i]);
    const MinMax got = p.range(first, last);
    QCOMPARE(got.empty(), expect.empty());
    if (!expect.empty()) {
        QCOMPARE(got.min, expect.min);
        QCOMPARE(got.max, expect.max);
    }
}

void TstLogView::pyramidRandomRanges()
{
    std::vector<float> v(100003);
    QRandomGenerator rng(11);
    for (auto &s : v)
        s = float(rng.generateDouble() * 1000 - 500);
    v[777] = qQNaN(); // a missing value is skipped, not an extreme
    MinMaxPyramid p;
    p.build({reinterpret_cast<const unsigned char *>(v.data()), 4, SampleSource::Type::Float32, 1.0f}, uint32_t(v.size()));
    for (int k = 0; k < 300; ++k) {
        uint32_t a = rng.bounded(uint32_t(v.size())), b = rng.bounded(uint32_t(v.size()));
        if (a > b)
            std::swap(a, b);
        MinMax expect;
        for (uint32_t i = a; i < b; ++i)
            expect.add(v[i]);
        const MinMax got = p.range(a, b);
        QVERIFY2(got.min == expect.min && got.max == expect.max, qPrintable(QStringLiteral("%1..%2").arg(a).arg(b)));
    }
}

void TstLogView::channelsNamedAsExports()
{
    std::vector<int16_t> s(40, 0);
    const LogViewData d = load(elogtest::ElogBuilder()
                                   .rate(10)
                                   .records(40)
                                   .sensor(kRpm, s)
                                   .sensor(100, s)
                                   .customInfo(1, QByteArray("Давление"))
                                   .gps(std::vector<GpsRecord>(40, elogtest::gpsAt(55.5, 37.5))));
    QStringList names, units;
    for (const ViewChannel &c : d.channels()) {
        names << c.name;
        units << c.units;
    }
    QCOMPARE(names, (QStringList{"RPM", "Davlenie", "GpsSpeed(Knots)", "GpsCourse", "GpsAltitude", "GpsSatellites"}));
    QCOMPARE(units.first(), QStringLiteral("rpm"));
    QCOMPARE(d.channels()[1].decimals, 2); // the custom channel's attribute asks for hundredths
}

void TstLogView::columnsOfKnownValues_data()
{
    QTest::addColumn<double>("from");
    QTest::addColumn<double>("to");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("samples");
    QTest::addColumn<QList<float>>("expect"); // min, max of each column (or each sample)
    QTest::newRow("whole log in 4 columns") << 0.0 << 100.0 << 4 << false << QList<float>{0, 249, 250, 499, 500, 749, 750, 999};
    QTest::newRow("one second in 2 columns") << 10.0 << 11.0 << 2 << false << QList<float>{100, 104, 105, 109};
    QTest::newRow("zoomed past the samples") << 20.0 << 20.3 << 50 << true << QList<float>{200, 200, 201, 201, 202, 202, 203, 203};
}

void TstLogView::columnsOfKnownValues()
{
    QFETCH(double, from);
    QFETCH(double, to);
    QFETCH(int, count);
    QFETCH(bool, samples);
    QFETCH(QList<float>, expect);
    const LogViewData d = rampLog();
    const Columns c = d.columns(0, {Axis::Time, -1}, from, to, count);
    QCOMPARE(c.samples, samples);
    QList<float> got;
    for (const MinMax &m : c.values)
        got << m.min << m.max;
    QCOMPARE(got, expect);
}

void TstLogView::cursorReadout_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("rpm");
    QTest::addColumn<QString>("oil");
    QTest::newRow("start") << 0.0 << "0 rpm" << "12.34 kPa";
    QTest::newRow("between samples holds the earlier") << 12.37 << "123 rpm" << "12.34 kPa";
    QTest::newRow("where oil changes") << 50.0 << "500 rpm" << "56.78 kPa";
    QTest::newRow("last record") << 99.9 << "999 rpm" << "56.78 kPa";
    QTest::newRow("end of the axis") << 100.0 << "999 rpm" << "56.78 kPa";
}

void TstLogView::cursorReadout()
{
    QFETCH(double, seconds);
    QFETCH(QString, rpm);
    QFETCH(QString, oil);
    const LogViewData d = rampLog();
    const double record = d.recordAt({Axis::Time, -1}, seconds);
    QCOMPARE(d.valueText(0, record), rpm);
    QCOMPARE(d.valueText(1, record), oil);
    QCOMPARE(d.valueText(0, -1), QStringLiteral("—"));
}

void TstLogView::stripHasOnePairPerColumn()
{
    const LogViewData d = rampLog();
    const Columns c = d.columns(0, {Axis::Time, -1}, 0, 100, 1920);
    QCOMPARE(int(c.values.size()), 1000); // fewer samples than columns: the samples themselves
    const Columns wide = d.columns(0, {Axis::Time, -1}, 0, 100, 200);
    std::vector<Vertex> strip;
    const MinMax range{0, 999};
    appendStrip(wide, 0, 100, 200, 100, range, strip);
    QCOMPARE(int(strip.size()), 400);
    QCOMPARE(strip.front().y, 100.0f); // the lowest value at the bottom
    QCOMPARE(strip.back().y, 0.0f);    // the highest at the top
}

void TstLogView::distanceAxis()
{
    // Straight east at 10 m/s, one fix per record at 10 Hz, then standing still for 10 s.
    lapstest::Track track;
    std::vector<GpsRecord> fixes;
    std::vector<int16_t> rpm;
    for (int i = 0; i < 300; ++i) {
        const double east = std::min(i, 200) * 1.0;
        fixes.push_back(track.at(i * 100.0, 0, east, 19.4, 90));
        rpm.push_back(int16_t(i));
    }
    const LogViewData d = load(elogtest::ElogBuilder().rate(10).records(300).sensor(kRpm, rpm).gps(fixes));
    QVERIFY(d.hasDistance());
    QVERIFY(qAbs(d.totalDistance() - 200.0) < 0.5);
    const Frame f{Axis::Distance, -1};
    QVERIFY(qAbs(d.axisAt(f, 100) - 100.0) < 0.5);
    QVERIFY(qAbs(d.recordAt(f, 50.0) - 50.0) < 0.5);
    QVERIFY(qAbs(d.axisLength(f) - 200.0) < 0.5);
    // Where the car stands still many records share one distance; the column shows all of them.
    const Columns last = d.columns(0, f, 199.0, 200.0, 1);
    QCOMPARE(last.values.front().max, 299.0f);
}

void TstLogView::lapsAndMapLink()
{
    // Three laps of a 100 m-radius circle at 20 m/s (about 31.4 s each), 10 Hz.
    lapstest::Track track;
    const std::vector<GpsRecord> fixes = lapstest::circleDrive(track, 100, 90, 20, 110000, 100, 30);
    std::vector<int16_t> rpm(fixes.size(), 3000);
    const auto n = uint32_t(fixes.size());
    LogViewData d = load(elogtest::ElogBuilder()
                             .rate(10)
                             .records(n)
                             .startPoint(float(track.lat0), float(track.lon0), 90.0f)
                             .sensor(kRpm, rpm)
                             .gps(fixes));
    d.findLaps({});
    QCOMPARE(int(d.laps().size()), 3);
    for (const ViewLap &lap : d.laps()) {
        QVERIFY(lap.valid);
        QVERIFY(qAbs(int(lap.lapTimeMs) - 31416) < 100);
        // The lap spans as many records as its time says.
        QVERIFY(qAbs((lap.endRecord - lap.startRecord) / 10.0 - lap.lapTimeMs / 1000.0) < 0.2);
    }
    QVERIFY(d.bestLap() >= 0);
    const Frame lap1{Axis::Distance, 1};
    QVERIFY(qAbs(d.axisLength(lap1) - 628.3) < 5);

    // Cursor -> map -> cursor: the point a record marks leads back to that record, and of the
    // three passes over one point the one in the cursor's lap is chosen.
    for (double record : {400.0, 555.0, 700.0}) {
        const std::optional<QPointF> p = d.positionAt(record);
        QVERIFY(p);
        const std::optional<double> back = d.recordNear(*p, 5, record, 0, n);
        QVERIFY(back);
        QVERIFY2(qAbs(*back - record) <= 1, qPrintable(QString::number(*back)));
        const double lapRecords = d.laps()[0].endRecord - d.laps()[0].startRecord;
        const std::optional<double> otherLap = d.recordNear(*p, 5, record + lapRecords, 0, n);
        QVERIFY(otherLap);
        QVERIFY(qAbs(*otherLap - (record + lapRecords)) <= 2);
    }
    // Far from the track: the nearest point of all.
    QVERIFY(d.recordNear(QPointF(1e5, 1e5), 5, 0, 0, n).has_value());
}

QTEST_GUILESS_MAIN(TstLogView)
#include "tst_logview.moc"
