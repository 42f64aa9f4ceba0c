#include "ElogTestBuilder.h"

#include "logs/csv/CsvExport.h"
#include "logs/csv/NumberFormat.h"
#include "logs/csv/OutputSink.h"
#include "logs/csv/Transliterate.h"

#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

#include <zlib.h>

#include <csignal>
#ifdef Q_OS_LINUX
#include <sys/resource.h>
#endif

#include <limits>

using elogtest::ElogBuilder;

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray gunzip(const QByteArray &gz)
{
    z_stream zs{};
    inflateInit2(&zs, 31);
    QByteArray out;
    char buf[65536];
    zs.next_in = reinterpret_cast<Bytef *>(const_cast<char *>(gz.constData()));
    zs.avail_in = uInt(gz.size());
    int rc = Z_OK;
    while (rc == Z_OK) {
        zs.next_out = reinterpret_cast<Bytef *>(buf);
        zs.avail_out = sizeof buf;
        rc = inflate(&zs, Z_NO_FLUSH);
        out.append(buf, int(sizeof buf - zs.avail_out));
    }
    inflateEnd(&zs);
    return rc == Z_STREAM_END ? out : QByteArray("<broken gzip>");
}

struct Run
{
    int result = -1;
    QByteArray text;
    QStringList messages;
    QStringList reasons;
    QList<unsigned> progress;
    QString finishedPath;
};

Run convert(const QString &in, const QString &out, bool gzip = false,
            const LogExportContext &ctx = LogExportContext::builtinCatalogue())
{
    Run r;
    LogReporter rep;
    rep.onShowInfoMessage = [&](const QString &t) { r.messages << t; };
    rep.onFailureReason = [&](const QString &t) { r.reasons << t; };
    rep.onProgressMoving = [&](unsigned p) { r.progress << p; };
    rep.onFinishLogExport = [&](const QString &p) { r.finishedPath = p; };
    r.result = convertElogToCSV(in, out, gzip, ctx, rep);
    r.text = readAll(gzip ? out + QStringLiteral(".gzip") : out);
    return r;
}

GpsRecord sampleGps()
{
    GpsRecord g;
    g.hours = 9;
    g.minutes = 5;
    g.seconds = 7;
    g.microseconds = 120000;
    g.latValue = 55305000; // 5530.5000
    g.latScale = 10000;
    g.lonValue = -3715000; // -3715.000
    g.lonScale = 1000;
    g.speedValue = 125;    // 0.125 knots: a tie at two decimals
    g.speedScale = 1000;
    g.courseValue = 18050;
    g.courseScale = 100;
    g.day = 3;
    g.month = 7;
    g.year = 2023;
    g.satellites = 11;
    g.altitudeTenths = -15;
    return g;
}

} // namespace

class TstCsvExport : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void rpmSpeedExample();
    void timeColumn_data();
    void timeColumn();
    void floatSensors();
    void separators_data();
    void separators();
    void names();
    void gpsValues();
    void pdmValues();
    void gzipKeepsThePlainFileBeside();
    void progressAtMost100Times();
    void failures();
    void writeFailuresTellWhy();
    void unboundedLogsAreRefused_data();
    void unboundedLogsAreRefused();
    void leftoverPartFileIsRemoved();
    void numberTextMatchesFramework();
    void transliteration();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TstCsvExport::rpmSpeedExample()
{
    const QString in = ElogBuilder().rate(25).records(3).sensor(16, {1000, 1500, 2000}).sensor(17, {0, 5, 12})
                           .channel(elog::Module_Time, QByteArray(24, '\x07')).write(m_dir.path(), "a.elog");
    const Run r = convert(in, path("a.csv"));
    QCOMPARE(r.result, 1);
    QCOMPARE(r.text, QByteArray("Time,RPM,Speed\n0,1000,0\n40,1500,5\n80,2000,12\n"));
    QCOMPARE(r.messages, QStringList());
    QCOMPARE(r.finishedPath, path("a.csv"));
    QCOMPARE(r.progress.last(), 100u);
}

void TstCsvExport::timeColumn_data()
{
    QTest::addColumn<int>("rate");
    QTest::addColumn<QByteArray>("times");
    QTest::newRow("25 Hz") << 25 << QByteArray("0 40 80 120");
    QTest::newRow("30 Hz steps of 33") << 30 << QByteArray("0 33 66 99");
    QTest::newRow("1 Hz") << 1 << QByteArray("0 1000 2000 3000");
    QTest::newRow("3 Hz") << 3 << QByteArray("0 333 666 999");
}

void TstCsvExport::timeColumn()
{
    QFETCH(int, rate);
    QFETCH(QByteArray, times);
    const QString in = ElogBuilder().rate(uint8_t(rate)).records(4).sensor(18, {1, 2, 3, 4}).write(m_dir.path(), "t.elog");
    const Run r = convert(in, path("t.csv"));
    QByteArrayList got;
    for (const QByteArray &line : r.text.split('\n').mid(1, 4))
        got << line.split(',').first();
    QCOMPARE(got.join(' '), times);
}

void TstCsvExport::floatSensors()
{
    // Oil pressure is kept in hundredths; oil temperature is not.
    const QString in = ElogBuilder().records(6).sensor(1, {1200, 1234, -5, 0, 32767, -32768})
                           .sensor(2, {90, 91, -40, 0, 1, 2}).write(m_dir.path(), "f.elog");
    const Run r = convert(in, path("f.csv"));
    QCOMPARE(r.text, QByteArray("Time,Oil press,Oil temp\n0,12,90\n20,12.34,91\n40,-0.05,-40\n60,0,0\n"
                                "80,327.67,1\n100,-327.68,2\n"));
}

void TstCsvExport::separators_data()
{
    QTest::addColumn<QByteArray>("ids");
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("row");
    // Slow channels (here: GPS with one sample) and the time module add no column and no separator.
    QTest::newRow("time last") << QByteArray("16 17 200") << QByteArray("Time,RPM,Speed") << QByteArray("0,1,1");
    QTest::newRow("time in the middle") << QByteArray("16 200 17") << QByteArray("Time,RPM,Speed") << QByteArray("0,1,1");
    QTest::newRow("two channels, time last") << QByteArray("16 200") << QByteArray("Time,RPM") << QByteArray("0,1");
    QTest::newRow("slow last") << QByteArray("16 17 202") << QByteArray("Time,RPM,Speed") << QByteArray("0,1,1");
    QTest::newRow("slow in the middle") << QByteArray("16 202 17") << QByteArray("Time,RPM,Speed") << QByteArray("0,1,1");
    QTest::newRow("slow before time") << QByteArray("16 17 202 200") << QByteArray("Time,RPM,Speed") << QByteArray("0,1,1");
    QTest::newRow("gain/loss module") << QByteArray("204 16") << QByteArray("Time,,RPM") << QByteArray("0,0,1");
    QTest::newRow("only time") << QByteArray("200") << QByteArray("Time") << QByteArray("0");
}

void TstCsvExport::separators()
{
    QFETCH(QByteArray, ids);
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, row);
    ElogBuilder b;
    b.records(2);
    for (const QByteArray &id : ids.split(' ')) {
        const auto i = uint8_t(id.toInt());
        if (i == elog::Module_GPS)
            b.gps({GpsRecord()});
        else
            b.channel(i, QByteArray(2 * elog::sampleSize(i), '\0').replace(0, 1, "\x01"));
    }
    const Run r = convert(b.write(m_dir.path(), "s.elog"), path("s.csv"));
    QCOMPARE(r.result, 1);
    const QByteArrayList lines = r.text.split('\n');
    QCOMPARE(lines.value(0), header);
    QCOMPARE(lines.value(1), row);
}

void TstCsvExport::names()
{
    LogExportContext ctx = LogExportContext::builtinCatalogue();
    ctx.sensors[100].present = true;
    ctx.sensors[100].custom = true;
    ctx.sensors[100].shortSensorName = QStringLiteral("Давл, щётки");
    ctx.sensors[100].isFloat = true;
    const QString in = ElogBuilder().records(1).sensor(100, {250}).sensor(101, {3}).sensor(164, {6512}).sensor(11, {80})
                           .sensor(40, {9}).write(m_dir.path(), "n.elog");
    const Run r = convert(in, path("n.csv"), false, ctx);
    // Custom names are transliterated and lose their commas; a standard name is kept as it is.
    QCOMPARE(QString::fromUtf8(r.text),
             QStringLiteral("Time,Davl  shhyotki,Custom 1,Last lap,Тrans oil,Sensor 40\n0,2.5,3,65.12,80,9\n"));
}

void TstCsvExport::gpsValues()
{
    GpsRecord noLat = sampleGps();
    noLat.latScale = 0;
    noLat.speedScale = 0;
    noLat.microseconds = 0;
    noLat.day = 0; // no such date
    GpsRecord odd = sampleGps();
    odd.microseconds = 5000;
    odd.hours = 24; // no such time
    const QString in = ElogBuilder().records(3).gps({sampleGps(), noLat, odd}).write(m_dir.path(), "g.elog");
    const Run r = convert(in, path("g.csv"));
    QCOMPARE(r.text, QByteArray("Time,GpsLat,GpsLon,GpsSpeed(Knots),GpsCourse,GpsTime,GpsDate,GpsAltitude,GpsSatellites\n"
                                "0,55.508333,-37.250000,0.13,180.50,09:05:07.12,03.07.23,-1.00,11\n"
                                "20,nan,-37.250000,0.00,180.50,09:05:07.0,,-1.00,11\n"
                                "40,55.508333,-37.250000,0.13,180.50,,03.07.23,-1.00,11\n"));
}

void TstCsvExport::pdmValues()
{
    QByteArray rec(elog::kPdmRecordSize, '\0');
    auto put16 = [&rec](int off, uint16_t v) { rec[off] = char(v); rec[off + 1] = char(v >> 8); };
    auto put32 = [&rec](int off, uint32_t v) { for (int i = 0; i < 4; ++i) rec[off + i] = char(v >> (8 * i)); };
    put16(4, uint16_t(-12));
    put16(8, 1550);          // 15.5 A
    put16(10, 13800);        // 13.8 V
    put32(12, 0x80001);      // inputs 1 and 20
    put32(64, 0x20000000);   // output 30 on
    put32(68, 1);            // output 1 overcurrent
    put32(72, 2);            // output 2 fault
    put16(108, 15);          // 0.15 A: the stored binary value is just below the tie
    put16(108 + 2 * 29, 1234);
    rec[172] = char(77);     // output 1 cannot run PWM: written as 0
    rec[172 + 28] = char(40);
    rec[172 + 29] = char(255);

    LogExportContext ctx = LogExportContext::builtinCatalogue();
    ctx.pdmInputNames[0] = QStringLiteral("Кнопка, старт");
    ctx.pdmOutputNames[29] = QStringLiteral("Fan");
    const QString in = ElogBuilder().records(1).channel(elog::Module_PMX, rec).sensor(16, {3000}).write(m_dir.path(), "p.elog");
    const Run r = convert(in, path("p.csv"), false, ctx);
    const QByteArrayList lines = r.text.split('\n');

    QByteArrayList header = lines[0].split(',');
    QCOMPARE(header.size(), 1 + 3 + 20 + 5 * 30 + 1 + 1); // the PDM block leaves an empty column before RPM
    QCOMPARE(header[1], QByteArray("PDM_BoardTemp"));
    QCOMPARE(header[4], QByteArray("PDM_Input State #01 (Knopka  start)"));
    QCOMPARE(header[24], QByteArray("PDM_Output State #01 ()"));
    QCOMPARE(header[53], QByteArray("PDM_Output State #30 (Fan)"));
    QCOMPARE(header[173], QByteArray("PDM_Output PWM Duty #30 (Fan)"));
    QCOMPARE(header[174], QByteArray());
    QCOMPARE(header[175], QByteArray("RPM"));

    const QByteArrayList v = lines[1].split(',');
    QCOMPARE(v.size(), header.size());
    QCOMPARE(v.mid(0, 4).join(','), QByteArray("0,-12,15.5,13.8"));
    QCOMPARE(v.mid(4, 20).join(""), QByteArray("10000000000000000001"));
    QCOMPARE(v.mid(24, 30).join(""), QByteArray("000000000000000000000000000001"));
    QCOMPARE(v[54], QByteArray("0.1"));
    QCOMPARE(v[83], QByteArray("12.3"));
    QCOMPARE(v.mid(84, 30).join(""), QByteArray("100000000000000000000000000000"));
    QCOMPARE(v.mid(114, 30).join(""), QByteArray("010000000000000000000000000000"));
    QCOMPARE(v[144], QByteArray("0"));
    QCOMPARE(v[172], QByteArray("40"));
    QCOMPARE(v[173], QByteArray("255"));
    QCOMPARE(v[174], QByteArray());
    QCOMPARE(v[175], QByteArray("3000"));
}

void TstCsvExport::gzipKeepsThePlainFileBeside()
{
    ElogBuilder b;
    std::vector<int16_t> rpm;
    for (int i = 0; i < 20000; ++i)
        rpm.push_back(int16_t(800 + i % 6000));
    b.records(uint32_t(rpm.size())).sensor(16, rpm).sensor(1, rpm);
    const QString in = b.write(m_dir.path(), "z.elog");
    const Run plain = convert(in, path("plain.csv"));
    // A file of the plain name is the user's, not the export's: it stays as it was.
    QFile older(path("packed.csv"));
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("kept") == 4);
    older.close();
    const Run packed = convert(in, path("packed.csv"), true);
    QCOMPARE(packed.result, 1);
    QVERIFY(plain.text.size() > 2 * int(GzipSink::kPiece)); // several input pieces
    QCOMPARE(readAll(path("packed.csv")), QByteArray("kept"));
    QCOMPARE(packed.finishedPath, path("packed.csv.gzip"));
    QCOMPARE(packed.text.left(3), QByteArray("\x1f\x8b\x08"));
    QCOMPARE(gunzip(packed.text), plain.text);
}

void TstCsvExport::progressAtMost100Times()
{
    std::vector<int16_t> s(1000, 1);
    const QString in = ElogBuilder().records(1000).sensor(16, s).write(m_dir.path(), "pr.elog");
    const Run r = convert(in, path("pr.csv"));
    QVERIFY(r.progress.size() <= 100);
    QCOMPARE(r.progress.first(), 2u); // 0 and the starting 1 are never repeated
    QCOMPARE(r.progress.last(), 100u);
    QVERIFY(std::is_sorted(r.progress.begin(), r.progress.end()));
}

void TstCsvExport::failures()
{
    // A log the reader refuses: its message only, and no output file.
    const QString bad = ElogBuilder().records(1).channel(16, elogtest::int16Samples({1}), 1).write(m_dir.path(), "bad.elog");
    Run r = convert(bad, path("bad.csv"));
    QCOMPARE(r.result, 0);
    QCOMPARE(r.messages, QStringList{QStringLiteral("Ошибка чтения структуры файла #1201")});
    QVERIFY(!QFile::exists(path("bad.csv")));

    // An output place that cannot be written.
    const QString good = ElogBuilder().records(1).sensor(16, {1}).write(m_dir.path(), "good.elog");
    for (bool gzip : {false, true}) {
        r = convert(good, path("no/such/dir/out.csv"), gzip);
        QCOMPARE(r.result, 0);
        QCOMPARE(r.messages, QStringList{writeFailedText(r.reasons.value(0))});
        QVERIFY(r.finishedPath.isEmpty());
    }
    QVERIFY(!QFileInfo::exists(path("no")));
}

void TstCsvExport::writeFailuresTellWhy()
{
    const QString good = ElogBuilder().records(3).sensor(16, {1, 2, 3}).write(m_dir.path(), "why.elog");
    // A folder where the file should go stays a folder.
    QVERIFY(QDir(m_dir.path()).mkdir("taken.csv"));
    Run r = convert(good, path("taken.csv"));
    QCOMPARE(r.result, 0);
    QCOMPARE(r.messages, QStringList{writeFailedText(r.reasons.value(0))});
    QVERIFY2(r.reasons.join(' ').contains("directory"), qPrintable(r.reasons.join('|')));
    QVERIFY(QFileInfo(path("taken.csv")).isDir());

    r = convert(good, path("no/such/dir/out.csv"), true);
    QVERIFY2(r.reasons.join(' ').contains("No such file"), qPrintable(r.reasons.join('|')));

#ifdef Q_OS_LINUX
    // A full disk, as a limit on the size of files this process may write.
    std::vector<int16_t> many(50000, 12345);
    const QString big = ElogBuilder().records(uint32_t(many.size())).sensor(16, many).write(m_dir.path(), "big.elog");
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    r = convert(big, path("big.csv"));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.messages, QStringList{writeFailedText(r.reasons.value(0))});
    QVERIFY2(r.reasons.join(' ').contains("large"), qPrintable(r.reasons.join('|')));
    QVERIFY(!QFileInfo::exists(path("big.csv")) && !QFileInfo::exists(path("big.csv.part")));
#endif
}

void TstCsvExport::unboundedLogsAreRefused_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("gzip");
    // A record count that no channel's data carries: today's rows would come from nothing.
    const QByteArray patched = ElogBuilder().records(1000000).sensor(16, {1, 2}).file();
    const QByteArray noChannels = ElogBuilder().records(1000000).file();
    QTest::newRow("patched count") << patched << false;
    QTest::newRow("patched count, gzip") << patched << true;
    QTest::newRow("no channels") << noChannels << false;
    QTest::newRow("no records") << ElogBuilder().records(0).sensor(16, {}).file() << false;
    QTest::newRow("5-byte body") << qCompress(QByteArray("\x01\x32\x00\x00\x00", 5)) << true;
}

void TstCsvExport::unboundedLogsAreRefused()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, gzip);
    const QString in = ElogBuilder::writeBytes(m_dir.path(), "hostile.elog", file);
    // A good export of that name is there already: it must survive.
    const QString out = path("hostile.csv");
    const QString written = gzip ? out + csv::kGzipSuffix : out;
    QFile older(written);
    QVERIFY(older.open(QIODevice::WriteOnly) && older.write("good") == 4);
    older.close();
    const Run r = convert(in, out, gzip);
    QCOMPARE(r.result, 0);
    QCOMPARE(r.messages, QStringList{QStringLiteral("Похоже файл поврежден")});
    QCOMPARE(r.reasons.size(), 1);
    QCOMPARE(readAll(written), QByteArray("good"));
    QVERIFY(r.finishedPath.isEmpty());
}

void TstCsvExport::leftoverPartFileIsRemoved()
{
    // A killed export leaves its temporary file; the next export of that file clears it.
    const QString in = ElogBuilder().records(2).sensor(16, {1, 2}).write(m_dir.path(), "left.elog");
    for (const QString &name : {QStringLiteral("left.csv"), QStringLiteral("left.csv.gzip")}) {
        QFile part(path(name + ".part"));
        QVERIFY(part.open(QIODevice::WriteOnly) && part.write("half a line") > 0);
        part.close();
    }
    QCOMPARE(convert(in, path("left.csv")).result, 1);
    QCOMPARE(convert(in, path("left.csv"), true).result, 1);
    QCOMPARE(QDir(m_dir.path()).entryList({"left.*"}, QDir::Files),
             (QStringList{"left.csv", "left.csv.gzip", "left.elog"}));
}

void TstCsvExport::numberTextMatchesFramework()
{
    char buf[64];
    for (int v = std::numeric_limits<int16_t>::min(); v <= std::numeric_limits<int16_t>::max(); ++v) {
        const QByteArray got(buf, int(numfmt::appendHundredths(buf, int32_t(v)) - buf));
        if (got != QString::number(v / 100.0, 'g', 6).toLatin1())
            QFAIL(qPrintable(QStringLiteral("hundredths of %1 gave %2").arg(v).arg(QString::fromLatin1(got))));
        const numfmt::ShortText &t = numfmt::hundredthsTable()[uint16_t(v)];
        QCOMPARE(QByteArray(t.text, t.size), got);
        const numfmt::ShortText &i = numfmt::int16Table()[uint16_t(v)];
        QCOMPARE(QByteArray(i.text, i.size), QByteArray::number(v));
    }
    for (int v = 0; v <= 0xffff; ++v) {
        QByteArray got(buf, int(numfmt::appendUInt16Over100Tenths(buf, uint16_t(v)) - buf));
        QCOMPARE(got, QString::number(v / 100.0, 'f', 1).toLatin1());
        got = QByteArray(buf, int(numfmt::appendUInt16Over1000Tenths(buf, uint16_t(v)) - buf));
        QCOMPARE(got, QString::number(v / 1000.0, 'f', 1).toLatin1());
    }
    QCOMPARE(QByteArray(buf, int(numfmt::appendBitList(buf, 0x80001, 20) - buf)), QByteArray("1,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,1,"));
    // Fixed decimals: the framework rounds the exact binary value half away from zero.
    std::vector<double> values = {0.125, 0.375, -0.125, 2.5e-7, -2.5e-7, 0.0078125, 0.15, -0.0, 0.0, 1e-300,
                                  179.99999949999999, 9.999999e11, 123456.5, std::nan(""),
                                  std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};
    QRandomGenerator rng(7);
    for (int i = 0; i < 20000; ++i) {
        values.push_back((rng.generateDouble() - 0.5) * 400.0);
        values.push_back(double(int32_t(rng.generate())) / double(1 + rng.bounded(100000)));
        values.push_back(double(int(rng.bounded(200000)) - 100000) / 8.0 / 1000.0); // exact ties
    }
    for (double x : values)
        for (int d : {1, 2, 6}) {
            const QByteArray got(buf, int(numfmt::appendFixed(buf, x, d) - buf));
            const QByteArray want = QString::number(x, 'f', d).toLatin1();
            if (got != want)
                QFAIL(qPrintable(QStringLiteral("%1 with %2 decimals gave %3, want %4")
                                     .arg(x, 0, 'g', 17).arg(d).arg(QString::fromLatin1(got), QString::fromLatin1(want))));
        }
}

void TstCsvExport::transliteration()
{
    QCOMPARE(transliterate(QStringLiteral("Щука Ёж ёлка, Съешь ë ЮЯ юя Xy-1")),
             QStringLiteral("SHHuka YOzh yolka, S'esh' yo JUJA juja Xy-1"));
    QCOMPARE(csvSafeName(QStringLiteral("Жар,птица")), QStringLiteral("ZHar ptica"));
    QCOMPARE(transliterate(QStringLiteral("АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ")),
             QStringLiteral("ABVGDEZHZIYKLMNOPRSTUFHCCHSHSHH'I'EJUJA"));
}

QTEST_GUILESS_MAIN(TstCsvExport)
#include "tst_csvexport.moc"
