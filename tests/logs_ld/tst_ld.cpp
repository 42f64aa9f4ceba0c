#include "ElogTestBuilder.h"
#include "TrackBuilder.h"

#include "logs/csv/OutputSink.h"
#include "logs/elog/ElogReader.h"
#include "logs/ld/LdExport.h"

#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <map>

using namespace ardix::ld;
using lapstest::Track;

namespace {

// Reads an ".ld" file back from the layout alone: header area, the linked channel headers, and
// every channel's samples.
struct LdChannelRead
{
    quint32 at, previous, next, dataOffset, count;
    quint16 id, typeClass, size, rate, decimals;
    QByteArray name, shortName, units;
    std::vector<qint64> samples;
};

struct LdFileRead
{
    QByteArray bytes;
    std::vector<LdChannelRead> channels;

    quint32 u32(qint64 at) const { return qFromLittleEndian<quint32>(bytes.constData() + at); }
    quint16 u16(qint64 at) const { return qFromLittleEndian<quint16>(bytes.constData() + at); }
    QByteArray text(qint64 at, int size) const
    {
        const QByteArray field = bytes.mid(at, size);
        return field.left(int(qstrnlen(field.constData(), uint(size))));
    }
    const LdChannelRead *byName(const QByteArray &name) const
    {
        for (const auto &c : channels)
            if (c.name == name)
                return &c;
        return nullptr;
    }
};

LdFileRead readLd(const QByteArray &bytes)
{
    LdFileRead f;
    f.bytes = bytes;
    quint32 at = f.u32(0x08);
    while (at != 0 && at + 124 <= quint32(bytes.size())) {
        LdChannelRead c{};
        c.at = at;
        c.previous = f.u32(at);
        c.next = f.u32(at + 4);
        c.dataOffset = f.u32(at + 8);
        c.count = f.u32(at + 12);
        c.id = f.u16(at + 0x10);
        c.typeClass = f.u16(at + 0x12);
        c.size = f.u16(at + 0x14);
        c.rate = f.u16(at + 0x16);
        c.decimals = f.u16(at + 0x1E);
        c.name = f.text(at + 0x20, 32);
        c.shortName = f.text(at + 0x40, 8);
        c.units = f.text(at + 0x48, 12);
        for (quint32 i = 0; i < c.count && c.dataOffset + (i + 1) * c.size <= quint32(bytes.size()); ++i) {
            const char *p = bytes.constData() + c.dataOffset + i * c.size;
            c.samples.push_back(c.size == 4 ? qint64(qFromLittleEndian<qint32>(p)) : qint64(qFromLittleEndian<qint16>(p)));
        }
        f.channels.push_back(c);
        at = c.next;
    }
    return f;
}

std::vector<int16_t> ramp(int n, int start = 0)
{
    std::vector<int16_t> v(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        v[size_t(i)] = int16_t(start + i);
    return v;
}

ElogData parse(const elogtest::ElogBuilder &builder, const QString &name = QStringLiteral("outing.elog"))
{
    ElogReadResult r = parseElogBody(builder.body(), name);
    if (!r.ok())
        qFatal("test log does not parse: %s", qPrintable(r.message()));
    return std::move(r.data);
}

QByteArray exportBytes(const ElogData &log, const LogExportContext &ctx, LdExport **keep = nullptr)
{
    static ExportStamp stamp{QStringLiteral("14/06/2024"), QStringLiteral("10:11:12"), QStringLiteral("outing.elog")};
    auto *exporter = new LdExport(log, ctx, stamp);
    QByteArray out;
    exporter->write([&](const char *d, qsizetype n) {
        out.append(d, n);
        return true;
    });
    if (out.size() != exporter->fileSize())
        qFatal("file size differs from the plan");
    if (keep)
        *keep = exporter;
    else
        delete exporter;
    return out;
}

constexpr float kLineCourse = 30.0f;

// A track whose origin is exactly the start point a log can hold (floats).
Track lineTrack()
{
    Track t;
    t.lat0 = double(float(t.lat0));
    t.lon0 = double(float(t.lon0));
    return t;
}

// A car crossing the start line (course 30) at record `r`: record r-1 is 0.6 m short of it,
// record r 0.5 m past it; every other record is far away. Record i is stamped i × stepMs.
GpsRecord nearLine(const Track &track, double tMs, int offset)
{
    if (offset == -1)
        return track.onHeading(tMs, -0.6, kLineCourse, 10, kLineCourse);
    if (offset == 0)
        return track.onHeading(tMs, 0.5, kLineCourse, 10, kLineCourse);
    return track.at(tMs, 400, 300, 10, 200);
}

std::vector<GpsRecord> crossingsAt(const Track &track, int records, const std::vector<int> &at, double stepMs)
{
    std::vector<GpsRecord> out;
    for (int i = 0; i < records; ++i) {
        int offset = 1;
        for (int r : at)
            if (i == r - 1 || i == r)
                offset = i - r;
        out.push_back(nearLine(track, i * stepMs, offset));
    }
    return out;
}

} // namespace

class TestLd : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void headerAreaAndChannelList();
    void slowChannelsLeftOut();
    void namesCutAtCharacterBoundary();
    void beaconMarker_data();
    void beaconMarker();
    void lapMarkersCounted();
    void moreLapsThanByteCounters();
    void lapThinning_data();
    void lapThinning();
    void convertWritesWholeFileOrNothing();
    void convertKeepsUsersFiles();
};

void TestLd::headerAreaAndChannelList()
{
    Track track;
    const int n = 200;
    std::vector<GpsRecord> gps;
    for (int i = 0; i < n; ++i)
        gps.push_back(track.at(i * 100.0, i * 2.0, 0, 12.5 + i, 45.25));
    elogtest::ElogBuilder b;
    b.version(1).rate(10).records(n);
    b.sensor(1, ramp(n, 1000)).sensor(2, ramp(n, -40)).sensor(16, ramp(n, 3000));
    b.channel(100, elogtest::int16Samples(ramp(n, 7))).customInfo(1, QByteArray("Давление"));
    b.sensor(17, ramp(n, 50)).gps(gps);
    b.channel(elog::Module_Time, QByteArray(n * 8, '\0'));
    b.channel(elog::Module_GPS_GainLoss, elogtest::int16Samples(ramp(n, -100)));
    const ElogData log = parse(b);
    LogExportContext ctx = LogExportContext::builtinCatalogue();
    ctx.dashSerialNum = 12345;

    const LdFileRead f = readLd(exportBytes(log, ctx));
    QCOMPARE(f.u32(0x00), 0x40u);
    QCOMPARE(f.u32(0x08), 0x3448u);
    QCOMPARE(f.u32(0x0C), 0x3448u + 124u * 17u);
    QCOMPARE(f.u32(0x24), 0x6E2u);
    QCOMPARE(f.u16(0x42), quint16(0x4240));
    QCOMPARE(f.u16(0x44), quint16(0x000F));
    QCOMPARE(f.u32(0x46), 12007u);
    QCOMPARE(f.text(0x4A, 8), QByteArray("ADL"));
    QCOMPARE(f.u32(0x52), 0x00800000u);
    QCOMPARE(f.u32(0x56), 17u);
    QCOMPARE(f.u32(0x5A), 0x00010064u);
    QCOMPARE(f.text(0x5E, 16), QByteArray("14/06/2024"));
    QCOMPARE(f.text(0x7E, 16), QByteArray("10:11:12"));
    QCOMPARE(f.text(0x9E, 64), QByteArray("Driver"));
    QCOMPARE(f.text(0xDE, 64), QByteArray("Ardix 12345"));
    QCOMPARE(f.text(0x15E, 64), QByteArray("Place"));
    QCOMPARE(f.u32(0x5DE), 0x00D20822u);
    QCOMPARE(f.bytes.at(0x5E4), '2');
    QCOMPARE(f.text(0x624, 64), QByteArray("shortComment"));
    QCOMPARE(f.text(0x6E2, 64), QByteArray("event"));
    QCOMPARE(f.text(0x722, 64), QByteArray("outing.elog"));
    QCOMPARE(f.text(0x762, 1024), QByteArray("Comment"));
    QCOMPARE(f.text(0x1336, 3102), QByteArray("venue2"));
    QCOMPARE(f.text(0x1F54, 64), QByteArray("car2"));
    QCOMPARE(f.text(0x1F94, 132), QByteArray("carDesc"));
    QCOMPARE(f.text(0x2018, 64), QByteArray("car3"));
    QCOMPARE(f.bytes.mid(0x2058, 0x3448 - 0x2058), QByteArray(0x3448 - 0x2058, '\0'));

    // 5 sensors, 11 GPS-derived channels, the gain/loss module: linked in file order.
    QCOMPARE(f.channels.size(), size_t(17));
    QCOMPARE(f.channels.front().previous, 0u);
    QCOMPARE(f.channels.front().next, 0x34C4u);
    QCOMPARE(f.channels.back().next, 0u);
    quint32 data = 0x3448 + 124 * 17;
    for (size_t k = 0; k < f.channels.size(); ++k) {
        const auto &c = f.channels[k];
        QCOMPARE(c.at, 0x3448u + 124u * quint32(k));
        if (k > 0)
            QCOMPARE(c.previous, f.channels[k - 1].at);
        QCOMPARE(c.dataOffset, data);
        QCOMPARE(c.count, quint32(n));
        QCOMPARE(c.rate, quint16(10));
        QCOMPARE(c.samples.size(), size_t(n));
        data += c.size * c.count;
    }
    QCOMPARE(qint64(data), qint64(f.bytes.size()));

    const std::vector<QByteArray> names{"Eng Oil Pres", "Eng Oil Temp", "Engine RPM", "Davlenie", "Ground Speed",
                                        "GPS Sats Used", "GPS Altitude", "GPS Latitude", "GPS Longitude",
                                        "GPS Heading", "GPS Time", "GPS Date", "GPS Speed", "Beacon",
                                        "GainLoss_Log", "Lap Distance", "GainLoss_Dash"};
    const std::vector<quint16> ids{14, 20101, 1, 0, 121, 8067, 8099, 8112, 8113, 8115, 8116, 8117, 8162, 110, 10000, 125, 10001};
    const std::vector<quint16> decimals{2, 0, 0, 2, 0, 0, 1, 7, 7, 2, 3, 0, 1, 0, 3, 0, 3};
    const std::vector<quint16> classes{3, 3, 3, 3, 3, 5, 5, 5, 5, 5, 5, 5, 5, 0, 3, 3, 3};
    for (size_t k = 0; k < names.size(); ++k) {
        QCOMPARE(f.channels[k].name, names[k]);
        QCOMPARE(f.channels[k].id, ids[k]);
        QCOMPARE(f.channels[k].decimals, decimals[k]);
        QCOMPARE(f.channels[k].typeClass, classes[k]);
        QCOMPARE(f.channels[k].size, quint16(classes[k] == 5 ? 4 : 2));
    }
    QCOMPARE(f.channels[0].units, QByteArray("kPa"));
    QCOMPARE(f.channels[0].shortName, QByteArray("OP"));
    QCOMPARE(f.channels[3].shortName, QByteArray("Davleni")); // 8-byte field
    QCOMPARE(f.byName("GPS Speed")->units, QByteArray("km/h"));

    // Samples: sensors as stored, GPS values from the records.
    QCOMPARE(f.channels[0].samples[5], 1005);
    QCOMPARE(f.channels[1].samples[0], -40);
    QCOMPARE(f.channels[3].samples[199], 206);
    QCOMPARE(f.byName("GainLoss_Dash")->samples[3], -97);
    const auto &g = gps[150];
    QCOMPARE(f.byName("GPS Sats Used")->samples[150], 9);
    QCOMPARE(f.byName("GPS Altitude")->samples[150], 1234);
    QCOMPARE(f.byName("GPS Latitude")->samples[150], qint64(g.latitude() * 1e7));
    QCOMPARE(f.byName("GPS Longitude")->samples[150], qint64(g.longitude() * 1e7));
    QCOMPARE(f.byName("GPS Heading")->samples[150], 4525);
    QCOMPARE(f.byName("GPS Time")->samples[150], 10 * 10000000 + 0 * 100000 + 15 * 1000 + 0);
    QCOMPARE(f.byName("GPS Date")->samples[150], 14 * 10000 + 6 * 100 + 24);
    QCOMPARE(f.byName("GPS Speed")->samples[150], qint64((12.5 + 150) * 18.52));
    QCOMPARE(f.byName("Beacon")->samples[150], 2); // no start line anywhere: no crossing
    QCOMPARE(f.byName("Lap Distance")->samples[150], 0);
}

void TestLd::slowChannelsLeftOut()
{
    Track track;
    const int n = 100;
    std::vector<GpsRecord> slowGps;
    for (int i = 0; i < n / 5; ++i)
        slowGps.push_back(track.at(i * 500.0, 0, 0, 10, 0));
    elogtest::ElogBuilder b;
    b.version(1).rate(50).records(n);
    b.sensor(16, ramp(n)).sensor(3, ramp(n / 5)).sensor(17, ramp(n)).gps(slowGps);
    const ElogData log = parse(b);
    QByteArray bytes = exportBytes(log, LogExportContext::builtinCatalogue());
    const LdFileRead f = readLd(bytes);
    // The slow sensor is left out; the slow GPS keeps its 11 channels at its own 10 Hz.
    QCOMPARE(f.u32(0x56), 13u);
    QCOMPARE(f.channels.size(), size_t(13));
    QCOMPARE(f.channels[0].name, QByteArray("Engine RPM"));
    QCOMPARE(f.channels[1].name, QByteArray("Ground Speed"));
    for (size_t k = 0; k < 2; ++k) {
        QCOMPARE(f.channels[k].count, quint32(n));
        QCOMPARE(f.channels[k].rate, quint16(50));
        QCOMPARE(f.channels[k].samples[57], 57);
    }
    for (size_t k = 2; k < 13; ++k) {
        QCOMPARE(f.channels[k].count, quint32(n / 5));
        QCOMPARE(f.channels[k].rate, quint16(10));
    }
    QCOMPARE(f.channels[2].name, QByteArray("GPS Sats Used"));
    QCOMPARE(f.byName("GPS Time")->samples[19], f.byName("GPS Time")->samples[0] + 19 * 500);
    QCOMPARE(bytes.size(), 0x3448 + 124 * 13 + 2 * 2 * n + (8 * 4 + 3 * 2) * (n / 5));
}

void TestLd::namesCutAtCharacterBoundary()
{
    const int n = 4;
    elogtest::ElogBuilder b;
    b.version(1).rate(10).records(n);
    b.sensor(16, ramp(n));
    // Nine "Щ" and two "€": 24 bytes stored, 33 after transliteration (SHH × 9 + € €).
    b.channel(101, elogtest::int16Samples(ramp(n))).customInfo(0, QString::fromUtf8("ЩЩЩЩЩЩЩЩЩ€€").toUtf8());
    const ElogData log = parse(b);
    LogExportContext ctx = LogExportContext::builtinCatalogue();
    ctx.sensors[16].ldName = QStringLiteral("1Обороты коленчатого вала"); // 2-byte letters from byte 1

    const LdFileRead f = readLd(exportBytes(log, ctx));
    QCOMPARE(f.channels.size(), size_t(2));
    // 31 bytes would split "т": 30 are kept.
    QCOMPARE(f.channels[0].name, QStringLiteral("1Обороты коленча").toUtf8());
    QCOMPARE(f.channels[1].name, QByteArray("SHHSHHSHHSHHSHHSHHSHHSHHSHH") + QStringLiteral("€").toUtf8());
    QCOMPARE(f.channels[1].shortName, QByteArray("SHHSHHS"));
    QCOMPARE(f.channels[1].decimals, quint16(0)); // attribute 0
    QCOMPARE(f.channels[1].id, quint16(0));
}

void TestLd::beaconMarker_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<int>("markerAt");
    QTest::newRow("record 57") << 57 << 50;
    QTest::newRow("record 60") << 60 << 60;
}

void TestLd::beaconMarker()
{
    QFETCH(int, record);
    QFETCH(int, markerAt);
    const Track track = lineTrack();
    const int n = 120;
    elogtest::ElogBuilder b;
    b.version(1).rate(10).records(n).startPoint(float(track.lat0), float(track.lon0), kLineCourse);
    b.gps(crossingsAt(track, n, {record}, 100));
    const ElogData log = parse(b);
    LdExport *exporter = nullptr;
    const LdFileRead f = readLd(exportBytes(log, LogExportContext::builtinCatalogue(), &exporter));
    std::unique_ptr<LdExport> owner(exporter);
    QCOMPARE(exporter->crossings().size(), size_t(1));
    QCOMPARE(exporter->crossings()[0].record, uint32_t(record));
    // 0.6 m short of the line at 10 knots: 116.6 ms.
    const int crossingMs = exporter->crossings()[0].interpolatedMs;
    QVERIFY2(qAbs(crossingMs - 116) <= 2, qPrintable(QString::number(crossingMs)));

    const auto &beacon = f.byName("Beacon")->samples;
    const auto u16 = [&](int i) { return quint16(beacon[size_t(i)]); };
    QCOMPARE(u16(markerAt), quint16(55536));
    QCOMPARE(u16(markerAt + 1), quint16(32769));
    const int t = (record - markerAt) * 100;
    QCOMPARE(u16(markerAt + 2), quint16(record == markerAt ? 16384 : 16384 + 1000 + t - crossingMs));
    int idle = 0;
    for (qint64 s : beacon)
        idle += s == 2 ? 1 : 0;
    QCOMPARE(idle, n - 3);
}

void TestLd::lapMarkersCounted()
{
    // Start at record 57, a lap ending at 357, then a 61 s silence and a restart at 1000: the
    // valid lap counts the marker up, the break entry down.
    const Track track = lineTrack();
    const int n = 1100;
    auto gps = crossingsAt(track, n, {57, 357, 1000}, 100);
    for (int i = 500; i < n; ++i) {
        const double t = 500 * 100.0 + 61000 + (i - 500) * 100.0;
        gps[size_t(i)] = nearLine(track, t, i == 999 ? -1 : (i == 1000 ? 0 : 1));
    }
    elogtest::ElogBuilder b;
    b.version(1).rate(10).records(n).startPoint(float(track.lat0), float(track.lon0), kLineCourse);
    b.gps(gps);
    const ElogData log = parse(b);
    LdExport *exporter = nullptr;
    const LdFileRead f = readLd(exportBytes(log, LogExportContext::builtinCatalogue(), &exporter));
    std::unique_ptr<LdExport> owner(exporter);
    QCOMPARE(exporter->crossings().size(), size_t(3));
    const auto &beacon = f.byName("Beacon")->samples;
    QCOMPARE(quint16(beacon[50]), quint16(55536));
    QCOMPARE(quint16(beacon[350]), quint16(55537));
    QCOMPARE(quint16(beacon[1000]), quint16(55536)); // down again after the break entry
    QCOMPARE(quint16(beacon[1002]), quint16(16384));
}

void TestLd::moreLapsThanByteCounters()
{
    // 300 laps of 21 s: markers keep counting past what an 8-bit counter holds.
    const Track track = lineTrack();
    const int laps = 300, spacing = 210, n = spacing * (laps + 1) + 20;
    std::vector<int> at;
    for (int k = 0; k <= laps; ++k)
        at.push_back(10 + spacing * k);
    elogtest::ElogBuilder b;
    b.version(1).rate(10).records(n).startPoint(float(track.lat0), float(track.lon0), kLineCourse);
    b.gps(crossingsAt(track, n, at, 100));
    const ElogData log = parse(b);
    LdExport *exporter = nullptr;
    const LdFileRead f = readLd(exportBytes(log, LogExportContext::builtinCatalogue(), &exporter));
    std::unique_ptr<LdExport> owner(exporter);
    QCOMPARE(exporter->crossings().size(), size_t(laps + 1));
    const auto &beacon = f.byName("Beacon")->samples;
    QCOMPARE(quint16(beacon[size_t(at.back())]), quint16(55536 + laps));
    QCOMPARE(quint16(beacon[size_t(at.back()) + 1]), quint16(32769));
}

void TestLd::lapThinning_data()
{
    QTest::addColumn<double>("stepMs");
    QTest::addColumn<QList<int>>("dropped");
    // 650 records from crossing to crossing; the GPS says the lap took 64.2 s (or 58 s).
    QTest::newRow("drop 8, step 80") << 64200.6 / 650 << QList<int>{160, 240, 320, 400, 480, 560, 640, 720};
    QTest::newRow("10 % or more: kept whole") << 58000.6 / 650 << QList<int>{};
}

void TestLd::lapThinning()
{
    QFETCH(double, stepMs);
    QFETCH(QList<int>, dropped);
    const Track track = lineTrack();
    const int n = 900;
    elogtest::ElogBuilder b;
    b.version(1).rate(10).records(n).startPoint(float(track.lat0), float(track.lon0), kLineCourse);
    b.sensor(16, ramp(n)).gps(crossingsAt(track, n, {100, 750}, stepMs));
    b.channel(elog::Module_GPS_GainLoss, elogtest::int16Samples(ramp(n, 1)));
    const ElogData log = parse(b);
    LdExport *exporter = nullptr;
    const LdFileRead f = readLd(exportBytes(log, LogExportContext::builtinCatalogue(), &exporter));
    std::unique_ptr<LdExport> owner(exporter);

    QList<int> droppedRecords;
    for (uint32_t r : exporter->droppedRecords())
        droppedRecords.append(int(r));
    QCOMPARE(droppedRecords, dropped);
    const quint32 count = quint32(n - dropped.size());
    QCOMPARE(exporter->sampleCount(), count);
    for (const auto &c : f.channels)
        QCOMPARE(c.count, count);

    // Every channel loses the same records: the RPM ramp and the module's values skip them, and
    // so do the GPS times.
    const auto &rpm = f.byName("Engine RPM")->samples;
    const auto &module = f.byName("GainLoss_Dash")->samples;
    const auto &time = f.byName("GPS Time")->samples;
    std::vector<qint64> expected;
    for (int i = 0; i < n; ++i)
        if (!dropped.contains(i))
            expected.push_back(i);
    QCOMPARE(rpm, expected);
    for (size_t j = 0; j < expected.size(); ++j)
        QCOMPARE(module[j], expected[j] + 1);
    const GpsRecord at170 = track.at(170 * stepMs, 0, 0, 0, 0);
    const qint64 timeOf170 = at170.hours * 10000000LL + at170.minutes * 100000 + at170.seconds * 1000
                             + at170.microseconds / 1000;
    QCOMPARE(time[size_t(std::find(expected.begin(), expected.end(), 170) - expected.begin())], timeOf170);
}

void TestLd::convertWritesWholeFileOrNothing()
{
    const int n = 50;
    elogtest::ElogBuilder b;
    b.version(1).rate(10).records(n).sensor(16, ramp(n));
    QTemporaryDir dir;
    const QString input = b.write(dir.path(), QStringLiteral("run.elog"));
    QStringList events;
    LogReporter reporter;
    reporter.onHideBusy = [&] { events << QStringLiteral("hide"); };
    reporter.onShowInfoMessage = [&](const QString &t) { events << t; };
    reporter.onProgressMoving = [&](unsigned p) { events << QString::number(p); };
    reporter.onFinishLogExport = [&](const QString &p) { events << QStringLiteral("finish ") + p; };
    const LogExportContext ctx = LogExportContext::builtinCatalogue();

    const QString output = dir.filePath(QStringLiteral("run.ld"));
    QCOMPARE(convertElogToLD(input, output, ctx, reporter), 1);
    QCOMPARE(events, (QStringList{"1", "hide", "100", "finish " + output}));
    QFile out(output);
    QVERIFY(out.open(QIODevice::ReadOnly));
    const LdFileRead f = readLd(out.readAll());
    QCOMPARE(f.text(0x722, 64), QByteArray("run.elog"));
    QCOMPARE(f.channels.size(), size_t(1));
    QCOMPARE(f.channels[0].samples[49], 49);

    events.clear();
    const QString blocked = dir.filePath(QStringLiteral("missing-folder/run.ld"));
    QCOMPARE(convertElogToLD(input, blocked, ctx, reporter), 0);
    QCOMPARE(events.size(), 2);
    QCOMPARE(events.at(0), QStringLiteral("hide"));
    QVERIFY2(events.at(1).startsWith(writeFailedText(QString())) && events.at(1).contains(QLatin1String("No such file")), qPrintable(events.at(1)));
    QVERIFY(!QFile::exists(blocked));

    events.clear();
    QCOMPARE(convertElogToLD(dir.filePath(QStringLiteral("none.elog")), output, ctx, reporter), 0);
    QVERIFY(events.contains(QStringLiteral("Похоже файл не найден")));
    QVERIFY(!events.contains(QStringLiteral("100")));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files), (QStringList{"run.elog", "run.ld"})); // no leftovers
}

void TestLd::convertKeepsUsersFiles()
{
    QTemporaryDir dir;
    QStringList messages, reasons;
    LogReporter reporter;
    reporter.onShowInfoMessage = [&](const QString &t) { messages << t; };
    reporter.onFailureReason = [&](const QString &t) { reasons << t; };
    const LogExportContext ctx = LogExportContext::builtinCatalogue();
    const QString output = dir.filePath(QStringLiteral("run.ld"));
    const auto writeFile = [](const QString &path, const QByteArray &bytes) {
        QFile f(path);
        return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
    };
    const auto readFile = [](const QString &path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };

    // A log whose record count no channel carries is refused; the good export stays.
    QVERIFY(writeFile(output, "good"));
    const QString hostile = elogtest::ElogBuilder().records(0xffffffffu).sensor(16, {1, 2}).write(dir.path(), "hostile.elog");
    QCOMPARE(convertElogToLD(hostile, output, ctx, reporter), 0);
    QCOMPARE(messages, QStringList{QStringLiteral("Похоже файл поврежден")});
    QCOMPARE(reasons.size(), 1);
    QCOMPARE(readFile(output), QByteArray("good"));

    // A part file that a killed export left is cleared by the next export of that file.
    const QString input = elogtest::ElogBuilder().rate(10).records(3).sensor(16, {1, 2, 3}).write(dir.path(), "run.elog");
    QVERIFY(writeFile(output + QStringLiteral(".part"), "half"));
    QCOMPARE(convertElogToLD(input, output, ctx, reporter), 1);
    QVERIFY(!QFile::exists(output + QStringLiteral(".part")));
    QCOMPARE(readLd(readFile(output)).channels.size(), size_t(1));

    // Write failures say why; the output is never the log itself.
    messages.clear();
    reasons.clear();
    QCOMPARE(convertElogToLD(input, dir.filePath(QStringLiteral("missing-folder/run.ld")), ctx, reporter), 0);
    QCOMPARE(convertElogToLD(input, input, ctx, reporter), 0);
    QCOMPARE(messages, (QStringList{writeFailedText(reasons.value(0)), writeFailedText(reasons.value(1))}));
    QCOMPARE(reasons.size(), 2);
    QVERIFY2(reasons[0].contains(QLatin1String("No such file")), qPrintable(reasons[0]));
    QCOMPARE(reasons[1], kReplacesInputReason);
    QVERIFY(readElog(input).ok());
}

QTEST_GUILESS_MAIN(TestLd)
#include "tst_ld.moc"
