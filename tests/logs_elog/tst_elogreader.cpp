#include "ElogTestBuilder.h"

#include "logs/elog/ElogEnvelope.h"
#include "logs/elog/ElogReader.h"
#include "logs/elog/GpsRecord.h"

#include <QRandomGenerator>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

#include <sys/stat.h>
#include <zlib.h>

using elogtest::ElogBuilder;

namespace {

QByteArray envelopeWithLength(uint32_t declared, const QByteArray &body)
{
    QByteArray f = qCompress(body);
    f[0] = char(declared >> 24);
    f[1] = char(declared >> 16);
    f[2] = char(declared >> 8);
    f[3] = char(declared);
    return f;
}

} // namespace

class TstElogReader : public QObject
{
    Q_OBJECT

private slots:
    void version1Tables();
    void version0Tables();
    void badInput_data();
    void badInput();
    void reportsThroughReporter();
    void envelopeLengthIsOnlyAHint();
    void aStreamPastItsDeclaredLengthStopsEarly();
    void onlyRegularFilesAreRead();
    void gpsRecordDecoding();
};

void TstElogReader::version1Tables()
{
    const GpsRecord g = elogtest::gpsAt(55.5, 37.25);
    const QByteArray body = ElogBuilder()
                                .rate(50)
                                .records(5)
                                .startPoint(55.5f, 37.25f, 90.0f)
                                .sensor(16, {1000, 1100, 1200, 1300, 1400})
                                .sensor(100, {1, 2, 3, 4, 5})
                                .channel(elog::Module_Time, QByteArray(5 * 8, '\x01'))
                                .gps({g})                                   // 1 sample in a 5-record log
                                .sensor(101, {7, 7, 7, 7, 7})
                                .customInfo(1, QByteArray("Тормоз"))
                                .customInfo(0, QByteArray())               // empty name
                                .body();
    const ElogReadResult r = parseElogBody(body, QStringLiteral("a.elog"));
    QVERIFY2(r.ok(), qPrintable(r.message()));
    const ElogData &d = r.data;
    QCOMPARE(d.version, uint8_t(1));
    QCOMPARE(d.logRate, uint8_t(50));
    QCOMPARE(d.channelCount, uint8_t(5));
    QCOMPARE(d.recordCount, 5u);
    QCOMPARE(d.startPointLat, 55.5f);
    QCOMPARE(d.startPointCourse, 90.0f);
    QCOMPARE(d.channelIds, (std::vector<uint8_t>{16, 100, 200, 202, 101}));
    QCOMPARE(d.channelSamples, (std::vector<uint32_t>{5, 5, 5, 1, 5}));
    QCOMPARE(d.slowChannels, std::vector<uint8_t>{202});
    QCOMPARE(d.customAttributes, (std::vector<uint8_t>{1, 0}));
    QCOMPARE(d.customNames, (QStringList{QStringLiteral("Тормоз"), QStringLiteral("Custom 101")}));
    QCOMPARE(d.fileName, QStringLiteral("a.elog"));

    // Blocks follow header (20), ids and sizes (5n), attributes (c) and names (24c).
    const uint32_t dataAt = 20 + 5 * 5 + 2 + 24 * 2;
    QCOMPARE(d.channelData, (std::vector<uint32_t>{dataAt, dataAt + 10, dataAt + 20, dataAt + 60, dataAt + 140}));
    QCOMPARE(d.sensorSample(0, 2), int16_t(1200));
    QCOMPARE(d.sensorSample(4, 4), int16_t(7));
    QCOMPARE(decodeGpsRecord(d.sample(3, 0)).latValue, g.latValue);
    QCOMPARE(d.channelIndex(202), 3);
    QVERIFY(d.isSlow(202) && !d.isSlow(16));
}

void TstElogReader::version0Tables()
{
    const QByteArray body = ElogBuilder().version(0).rate(25).records(3).sensor(16, {1, 2, 3}).sensor(3, {-40, 0, 90}).body();
    const ElogReadResult r = parseElogBody(body);
    QVERIFY2(r.ok(), qPrintable(r.message()));
    QCOMPARE(r.data.channelData, (std::vector<uint32_t>{9, 15}));
    QCOMPARE(r.data.sensorSample(1, 0), int16_t(-40));
    QVERIFY(r.data.slowChannels.empty());
    QCOMPARE(r.data.startPointLat, 0.0f);
}

void TstElogReader::badInput_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("error");
    QTest::addColumn<QString>("reason"); // a fragment of the precise cause

    const QByteArray good = ElogBuilder().records(2).sensor(16, {1, 2}).body();
    const auto e = [](ElogError x) { return int(x); };
    const QString compressed = QStringLiteral("compressed");

    QTest::newRow("empty file") << QByteArray() << e(ElogError::Corrupt) << compressed;
    QTest::newRow("uncompressed body") << good << e(ElogError::Corrupt) << compressed;
    QTest::newRow("garbage stream") << QByteArray("\x00\x00\x00\x40garbage-garbage-garbage", 27) << e(ElogError::Corrupt)
                                    << QStringLiteral("compressed data is damaged");
    QTest::newRow("truncated stream") << qCompress(good).left(qCompress(good).size() / 2) << e(ElogError::Corrupt) << compressed;
    QTest::newRow("hostile declared length") << envelopeWithLength(0x7fffffff, good) << e(ElogError::Corrupt)
                                             << QStringLiteral("2147483647");
    QTest::newRow("empty body") << qCompress(QByteArray()) << e(ElogError::Corrupt) << compressed;

    // A body too short for any header, or one without channels or records, is not a log to convert.
    QTest::newRow("short body") << qCompress(QByteArray("\x01\x32\x05", 3)) << e(ElogError::ShortBody)
                                << QStringLiteral("3 bytes");
    QTest::newRow("v1 no channels") << ElogBuilder().records(0).file() << e(ElogError::NoChannels) << QStringLiteral("no channels");
    QTest::newRow("v1 no channels, 0xFFFFFFFF records") << ElogBuilder().records(0xffffffffu).file()
                                                       << e(ElogError::NoChannels) << QStringLiteral("no channels");
    QTest::newRow("v1 no records") << ElogBuilder().records(0).sensor(16, {}).file() << e(ElogError::NoRecords)
                                   << QStringLiteral("no records");
    QTest::newRow("v0 no channels, 0xFFFFFFFF records") << ElogBuilder().version(0).records(0xffffffffu).file()
                                                       << e(ElogError::NoChannels) << QStringLiteral("no channels");
    QTest::newRow("v0 no records") << ElogBuilder().version(0).records(0).sensor(16, {}).file() << e(ElogError::NoRecords)
                                   << QStringLiteral("no records");
    // A patched record count that no channel's data carries.
    QTest::newRow("record count no channel holds") << ElogBuilder().records(0xffffffffu).sensor(16, {1, 2}).file()
                                                   << e(ElogError::RecordCount) << QStringLiteral("4294967295 records");
    QTest::newRow("only slow channels") << ElogBuilder().records(5).gps({GpsRecord()}).sensor(16, {1, 2}).file()
                                        << e(ElogError::RecordCount) << QStringLiteral("5 records");

    QTest::newRow("v1 shorter than header") << qCompress(QByteArray("\x01\x32\x00\x00\x00\x00\x00\x00\x00\x00", 10))
                                            << e(ElogError::SizeTable) << QStringLiteral("body holds 10");
    QByteArray noTables = good.left(20);
    noTables[2] = 3; // three channels promised, no tables
    QTest::newRow("v1 tables cut") << qCompress(noTables) << e(ElogError::SizeTable) << QStringLiteral("35 bytes");
    QTest::newRow("size table one byte more") << ElogBuilder().records(2).channel(16, elogtest::int16Samples({1, 2}), 1).file()
                                              << e(ElogError::SizeTable) << QStringLiteral("30 bytes");
    QTest::newRow("size table one byte less") << ElogBuilder().records(2).channel(16, elogtest::int16Samples({1, 2}), -1).file()
                                              << e(ElogError::SizeTable) << QStringLiteral("28 bytes");
    QTest::newRow("v1 rate 0") << ElogBuilder().rate(0).records(2).sensor(16, {1, 2}).file() << e(ElogError::ZeroRate)
                               << QStringLiteral("rate");
    QTest::newRow("channel 201") << ElogBuilder().records(0).sensor(16, {}).channel(201, {}).file() << e(ElogError::BadChannel)
                                 << QStringLiteral("201");
    QTest::newRow("channel 0") << ElogBuilder().records(1).channel(0, QByteArray(2, 0)).file() << e(ElogError::BadChannel)
                               << QStringLiteral("channel 0");
    QTest::newRow("channel 250") << ElogBuilder().records(1).channel(250, QByteArray(2, 0)).file() << e(ElogError::BadChannel)
                                 << QStringLiteral("250");

    QTest::newRow("v0 tables do not fit") << qCompress(QByteArray("\x00\x32\x09\x01\x00\x00\x00\x10", 8))
                                          << e(ElogError::BadTables) << QStringLiteral("9 channels");
    QTest::newRow("v0 rate 0") << ElogBuilder().version(0).rate(0).records(1).sensor(16, {1}).file() << e(ElogError::ZeroRate)
                               << QStringLiteral("rate");
    QTest::newRow("v0 sizes do not add up") << ElogBuilder().version(0).records(3).sensor(16, {1, 2}).file()
                                            << e(ElogError::Version0Sizes) << QStringLiteral("14 bytes");
    QTest::newRow("v0 channel 201") << ElogBuilder().version(0).records(0).channel(201, {}).file() << e(ElogError::BadChannel)
                                    << QStringLiteral("201");
    QTest::newRow("v0 huge record count") << ElogBuilder().version(0).records(0xffffffffu).sensor(202, {}).file()
                                          << e(ElogError::Version0Sizes) << QStringLiteral("343597383608 bytes");
}

void TstElogReader::badInput()
{
    QFETCH(QByteArray, file);
    QFETCH(int, error);
    QFETCH(QString, reason);
    const ElogReadResult r = decodeElogFile(file, QStringLiteral("x.elog"));
    QCOMPARE(int(r.error), error);
    QVERIFY2(r.detail.contains(reason), qPrintable(r.detail));
}

void TstElogReader::reportsThroughReporter()
{
    QTemporaryDir dir;
    const QString bad = ElogBuilder().records(1).channel(201, {}).write(dir.path(), QStringLiteral("bad.elog"));
    QStringList events;
    LogReporter reporter;
    reporter.onHideBusy = [&] { events << QStringLiteral("hideBusy"); };
    reporter.onShowInfoMessage = [&](const QString &t) { events << t; };
    reporter.onFailureReason = [&](const QString &t) { events << QStringLiteral("reason: ") + t; };

    QVERIFY(!readElog(bad, reporter).ok());
    QCOMPARE(events, (QStringList{QStringLiteral("hideBusy"),
                                  QStringLiteral("Похоже файл поврежден, либо имеет другую версию #1203"),
                                  QStringLiteral("reason: channel 201 cannot be logged")}));
    events.clear();
    QVERIFY(!readElog(dir.filePath(QStringLiteral("missing.elog")), reporter).ok());
    QCOMPARE(events.mid(0, 2), (QStringList{QStringLiteral("hideBusy"), QStringLiteral("Похоже файл не найден")}));
    QVERIFY2(events.value(2).contains(QLatin1String("No such file")), qPrintable(events.join('|')));
    events.clear();
    // A folder is not a log, whatever its name.
    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.elog")));
    QVERIFY(!readElog(dir.filePath(QStringLiteral("folder.elog")), reporter).ok());
    QCOMPARE(events.value(1), QStringLiteral("Похоже файл не найден"));
    QVERIFY2(events.value(2).contains(QLatin1String("directory")), qPrintable(events.join('|')));
    events.clear();
    const QString good = ElogBuilder().records(1).sensor(16, {5}).write(dir.path(), QStringLiteral("good.elog"));
    const ElogReadResult r = readElog(good, reporter);
    QVERIFY(r.ok());
    QCOMPARE(r.data.fileName, QStringLiteral("good.elog"));
    QVERIFY(events.isEmpty());
}

void TstElogReader::envelopeLengthIsOnlyAHint()
{
    QByteArray body(100000, '\0');
    for (int i = 0; i < body.size(); ++i)
        body[i] = char(i * 7);
    const QByteArray near = body.left(int(elog::kDeclaredLengthSlack) / 2);
    QCOMPARE(elog::inflateEnvelope(envelopeWithLength(10, near)), near);      // a little past the declared length
    QCOMPARE(elog::inflateEnvelope(envelopeWithLength(200000, body)), body);  // shrinks to the real one
    QVERIFY(elog::inflateEnvelope(envelopeWithLength(1000, body), 50000).isEmpty()); // never past the cap
    QVERIFY(elog::inflateEnvelope(envelopeWithLength(10, body)).isEmpty());  // nor far past the declared length
}

// A small declared body in front of a stream that expands to hundreds of megabytes: the inflater
// stops just past the declared length instead of at the reader's gigabyte.
void TstElogReader::aStreamPastItsDeclaredLengthStopsEarly()
{
    QByteArray stream;
    {
        z_stream zs{};
        QCOMPARE(deflateInit(&zs, 9), Z_OK);
        const QByteArray zeros(1 << 20, '\0');
        QByteArray chunk(1 << 16, '\0');
        for (int mb = 0; mb < 200; ++mb) {
            zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(zeros.constData()));
            zs.avail_in = uInt(zeros.size());
            const int flush = mb == 199 ? Z_FINISH : Z_NO_FLUSH;
            do {
                zs.next_out = reinterpret_cast<Bytef *>(chunk.data());
                zs.avail_out = uInt(chunk.size());
                deflate(&zs, flush);
                stream.append(chunk.constData(), chunk.size() - int(zs.avail_out));
            } while (zs.avail_out == 0);
        }
        deflateEnd(&zs);
    }
    constexpr uint32_t kDeclared = 2832;
    const QByteArray file = QByteArray("\x00\x00\x0b\x10", 4) + stream;
    const elog::Inflated r = elog::inflateEnvelopeBounded(file);
    QVERIFY(r.body.isEmpty());
    QCOMPARE(r.limit, int64_t(kDeclared) + elog::kDeclaredLengthSlack);
    QVERIFY2(r.produced <= r.limit, qPrintable(QString::number(r.produced)));
    QVERIFY2(r.why.contains(QLatin1String("expands past")), qPrintable(r.why));
    const ElogReadResult read = decodeElogFile(file);
    QCOMPARE(read.error, ElogError::Corrupt);
}

// A pipe or a device is not a log: refused at once, never read (or opened) without end.
void TstElogReader::onlyRegularFilesAreRead()
{
    QTemporaryDir dir;
    const QString pipe = dir.filePath(QStringLiteral("pipe.elog"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    for (const QString &path : {pipe, QStringLiteral("/dev/zero")}) {
        const ElogReadResult r = readElog(path);
        QCOMPARE(r.error, ElogError::FileNotFound);
        QVERIFY2(r.detail.contains(QLatin1String("not a regular file")), qPrintable(r.detail));
    }
}

void TstElogReader::gpsRecordDecoding()
{
    struct Case { int32_t value, scale; double degrees; };
    const Case cases[] = {
        {55305000, 10000, 55.0 + 30.5 / 60.0},  // 5530.5000
        {3715000, 1000, 37.0 + 15.0 / 60.0},    // 3715.000
        {-5530500, 1000, -(55.0 + 30.5 / 60.0)},
        {0, 1, 0.0},
    };
    for (const Case &c : cases)
        QCOMPARE(elog::nmeaDegrees(c.value, c.scale), c.degrees);
    QVERIFY(std::isnan(elog::nmeaDegrees(55305000, 0)));

    GpsRecord g;
    g.speedValue = 1234;
    g.courseValue = 9000;
    QCOMPARE(g.speedKnots(), 0.0); // scale 0
    QCOMPARE(g.course(), 0.0);
    g.speedScale = 100;
    QCOMPARE(g.speedKnots(), 12.34);

    // The table drives both directions: random bytes survive decode -> encode -> decode, and the
    // narrow fields land where the record keeps them.
    uchar raw[elog::kGpsRecordSize];
    for (uchar &b : raw)
        b = uchar(QRandomGenerator::global()->bounded(256));
    raw[73] = 14;
    raw[76] = 0x38; // -200 tenths
    raw[77] = 0xff;
    const GpsRecord a = decodeGpsRecord(raw);
    QCOMPARE(a.satellites, 14);
    QCOMPARE(a.altitudeTenths, -200);
    uchar again[elog::kGpsRecordSize] = {};
    encodeGpsRecord(a, again);
    const GpsRecord b = decodeGpsRecord(again);
    QCOMPARE(std::memcmp(&a, &b, sizeof a), 0);
    QCOMPARE(std::memcmp(raw, again, 64), 0);
}

QTEST_GUILESS_MAIN(TstElogReader)
#include "tst_elogreader.moc"
