#include "TrackBuilder.h"

#include "logs/laps/GPS.h"
#include "logs/laps/LapRecords.h"
#include "settings/layout/Crc32Words.h"
#include "logs/laps/LapService.h"
#include "settings/ArdixEnums.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace ardix::laps;

class TestLapRecords : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void crc32WordsVectors();
    void startLineRecordLayout();
    void startLineRejects();
    void startLineForeignNames_data();
    void startLineForeignNames();
    void startLineFileRoundTrip();
    void refLapLayout();
    void serviceReferenceLap();
    void serviceStartLine();
};

void TestLapRecords::crc32WordsVectors()
{
    const uchar zero[4] = {0, 0, 0, 0};
    const uchar word[6] = {0x78, 0x56, 0x34, 0x12, 0xAA, 0xBB}; // trailing bytes are not a word
    QCOMPARE(::crc32Words(zero, 4), 0xC704DD7Bu);
    QCOMPARE(::crc32Words(word, 6), 0xDF8A8A2Bu);
    QCOMPARE(::crc32Words(word, 3), 0xFFFFFFFFu);
}

void TestLapRecords::startLineRecordLayout()
{
    // 30 Cyrillic letters are 60 bytes: the name keeps 29 of them (58 bytes) and its terminator.
    const QString longName(30, QChar(0x0416));
    const QByteArray bytes = packStartLine({longName, 55.5f, 37.25f, 181.5f, 0});
    QCOMPARE(bytes.size(), 76);
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    QCOMPARE(qstrnlen(bytes.constData(), 60), 58u);
    QCOMPARE(bytes.mid(0, 58), QString(29, QChar(0x0416)).toUtf8());
    QCOMPARE(qFromLittleEndian<float>(p + 60), 55.5f);
    QCOMPARE(qFromLittleEndian<float>(p + 64), 37.25f);
    QCOMPARE(qFromLittleEndian<float>(p + 68), 181.5f);
    QCOMPARE(qFromLittleEndian<quint32>(p + 72), crc32Words(p, 72));

    const auto parsed = parseStartLine(bytes);
    QVERIFY(parsed);
    QCOMPARE(parsed->name, QString(29, QChar(0x0416)));
    QCOMPARE(parsed->latitude, 55.5f);
    QCOMPARE(parsed->course, 181.5f);
}

void TestLapRecords::startLineRejects()
{
    QByteArray bytes = packStartLine({QStringLiteral("Трасса"), 1, 2, 3, 0});
    QVERIFY(parseStartLine(bytes));
    QVERIFY(!parseStartLine(bytes.left(75)));
    bytes[61] = char(bytes[61] ^ 1);
    QVERIFY(!parseStartLine(bytes)); // checksum no longer matches
}

// A record written elsewhere: the name field's 60 bytes as given, the rest zero, a valid checksum.
static QByteArray foreignStartLine(const QByteArray &nameField)
{
    QByteArray bytes(kStartLineRecordSize, '\0');
    bytes.replace(0, int(nameField.size()), nameField);
    auto *p = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint32>(crc32Words(p, kStartLineCrcOffset), p + kStartLineCrcOffset);
    return bytes;
}

void TestLapRecords::startLineForeignNames_data()
{
    QTest::addColumn<QByteArray>("nameField");
    QTest::addColumn<QString>("name");
    QTest::newRow("60 letters, no terminator") << QByteArray(60, 'A') << QString(59, QLatin1Char('A'));
    QTest::newRow("30 Cyrillic letters, no terminator")
        << QString(30, QChar(0x0416)).toUtf8() << QString(29, QChar(0x0416));
    // A bad byte reads as U+FFFD, three bytes: it no longer fits after 57 others.
    QTest::newRow("bad byte at the end") << QByteArray(57, 'a') + "\xB4" << QString(57, QLatin1Char('a'));
    QTest::newRow("bad byte that fits") << QByteArray("ab\xB4") << QStringLiteral("ab\uFFFD");
    // Short mixed text repeated over the whole field, bad bytes included.
    const QByteArray unit = QByteArray("\xD0\xA1\xD1\x82\xD0\xB0\xD1\x80/\xB4" "B");
    QByteArray repeated;
    while (repeated.size() < 60)
        repeated += unit;
    QTest::newRow("repeated text with bad bytes")
        << repeated.left(60)
        << QStringLiteral("Стар/\uFFFDBСтар/\uFFFDBСтар/\uFFFDBСтар/\uFFFDBСта");
}

void TestLapRecords::startLineForeignNames()
{
    QFETCH(QByteArray, nameField);
    QFETCH(QString, name);
    const auto parsed = parseStartLine(foreignStartLine(nameField));
    QVERIFY(parsed);
    QCOMPARE(parsed->name, name);
    // What was read is what a file written from it holds.
    const auto again = parseStartLine(packStartLine(*parsed));
    QVERIFY(again);
    QCOMPARE(again->name, name);
}

void TestLapRecords::startLineFileRoundTrip()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("line.esl"));
    QVERIFY(writeStartLineFile(path, {QStringLiteral("Смоленское кольцо"), 54.8f, 32.1f, 270.0f, 0}));
    QFile f(path);
    QVERIFY(f.open(QIODevice::ReadOnly));
    QCOMPARE(qUncompress(f.readAll()).size(), 76); // the compressed envelope of the record
    const auto back = readStartLineFile(path);
    QVERIFY(back);
    QCOMPARE(back->name, QStringLiteral("Смоленское кольцо"));
    QCOMPARE(back->longitude, 32.1f);

    QFile junk(dir.filePath(QStringLiteral("junk.esl")));
    QVERIFY(junk.open(QIODevice::WriteOnly));
    junk.write(qCompress(QByteArray(80, 'x')));
    junk.close();
    QVERIFY(!readStartLineFile(junk.fileName()));
    QVERIFY(!readStartLineFile(dir.filePath(QStringLiteral("missing.esl"))));
}

void TestLapRecords::refLapLayout()
{
    RefLap lap;
    lap.head = {65432, 55.1, 37.2, 90.5, 123456, 0};
    lap.points = {{0, 720, 1.5, 55.10001, 37.20001}, {100, -3, 3.5, 55.10002, 37.20002}};
    const QByteArray bytes = packRefLap(lap);
    QCOMPARE(bytes.size(), 48 + 30 * 2);
    const auto *p = reinterpret_cast<const uchar *>(bytes.constData());
    QCOMPARE(qFromLittleEndian<quint32>(p + 0), 65432u);
    QCOMPARE(qFromLittleEndian<quint32>(p + 4), 0u);
    QCOMPARE(qFromLittleEndian<double>(p + 24), 90.5);
    QCOMPARE(qFromLittleEndian<quint32>(p + 32), 123456u);
    QCOMPARE(qFromLittleEndian<quint32>(p + 36), 2u);
    QCOMPARE(qFromLittleEndian<qint32>(p + 48 + 4), 100);            // elapsed of point 1
    QCOMPARE(qFromLittleEndian<qint16>(p + 48 + 8 + 2), qint16(-3)); // speed of point 1
    QCOMPARE(qFromLittleEndian<double>(p + 48 + 12), 1.5);           // distance of point 0
    QCOMPARE(qFromLittleEndian<double>(p + 48 + 28 + 8), 55.10002);  // latitude of point 1
    QCOMPARE(qFromLittleEndian<double>(p + 48 + 44 + 8), 37.20002);  // longitude of point 1

    const auto back = parseRefLap(bytes);
    QVERIFY(back);
    QCOMPARE(back->points.size(), 2);
    QCOMPARE(back->points.at(1).longitude, 37.20002);
    QVERIFY(!parseRefLap(bytes.left(48)));
    QVERIFY(!parseRefLap(bytes.left(100))); // the trace does not fit
}

void TestLapRecords::serviceReferenceLap()
{
    QSettings store;
    store.clear();
    lapstest::Track track;
    GPS gps;
    bool connected = false;
    QList<QByteArray> sent;
    StartPoint dash{float(track.lat0), float(track.lon0), 90.0f};
    LapHost host;
    host.dashStartPoint = [&] { return dash; };
    host.isDashConnected = [&] { return connected; };
    host.sendRefLap = [&](const QByteArray &bytes) { sent.append(bytes); };
    LapService service(&gps, &store, host);
    QSignalSpy received(&service, &LapService::refLapDataRecieved);
    QSignalSpy info(&service, &LapService::showInfoMessage);

    QCOMPARE(service.getRefLapInfo(), (QVariantMap{{"isLapExist", false}}));
    service.setRefLapLogFileData(); // nothing analysed yet: nothing stored
    QCOMPARE(received.count(), 0);

    gps.setupStartLine(track.lat0, track.lon0, 90);
    for (const auto &r : lapstest::circleDrive(track, 100, 90, 20, 1500 + 31416 + 500))
        gps.processRecord(r);
    QCOMPARE(gps.laps().size(), 1);

    service.setRefLapLogFileData();
    QCOMPARE(received.count(), 1);
    QCOMPARE(info.takeLast().at(0).toString(), QStringLiteral("Настройки лучшего круга загружены"));
    QVERIFY(sent.isEmpty());
    QCOMPARE(store.value("refLapData").toByteArray(), qUncompress(gps.bestLapData()));
    connected = true;
    service.setRefLapLogFileData();
    QCOMPARE(sent, QList<QByteArray>{gps.bestLapData()});

    QVariantMap refInfo = service.getRefLapInfo();
    QCOMPARE(refInfo.value("isLapExist").toBool(), true);
    QCOMPARE(refInfo.value("lapTimeString").toString(), gps.bestLapFullText());
    QCOMPARE(refInfo.value("startPointLat").toFloat(), float(track.lat0));
    QCOMPARE(refInfo.value("startPointCourse").toFloat(), 90.0f);
    QCOMPARE(refInfo.value("isStartPointValid").toBool(), true);
    QVERIFY(!refInfo.value("finishTime").toString().isEmpty());
    dash.course = 91;
    QCOMPARE(service.getRefLapInfo().value("isStartPointValid").toBool(), false);

    QCOMPARE(qUncompress(service.exportPayload(ArdixEnums::RefLap_FileType)), store.value("refLapData").toByteArray());
    QCOMPARE(service.exportPayload(ArdixEnums::RefLapInLog_FileType), gps.bestLapData());

    QList<StartPoint> applied;
    LapHost host2 = host;
    host2.applyDashStartPoint = [&](const StartPoint &p) { applied.append(p); };
    LapService service2(&gps, &store, host2);
    service2.applyStartLineFromRefLap();
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied.at(0).lat, float(track.lat0));
    QCOMPARE(applied.at(0).course, 90.0f);
}

void TestLapRecords::serviceStartLine()
{
    QSettings store;
    store.clear();
    GPS gps;
    QList<StartPoint> applied;
    LapHost host;
    host.dashStartPoint = [] { return StartPoint{50.5f, 30.25f, 12.0f}; };
    host.applyDashStartPoint = [&](const StartPoint &p) { applied.append(p); };
    LapService service(&gps, &store, host);
    QSignalSpy info(&service, &LapService::showInfoMessage);

    auto line = parseStartLine(qUncompress(service.exportPayload(ArdixEnums::StartLine_FileType)));
    QVERIFY(line);
    QCOMPARE(line->name, QStringLiteral("без имени"));
    QCOMPARE(line->latitude, 50.5f);
    QVERIFY(service.exportPayload(ArdixEnums::StartLineInLog_FileType).isEmpty());

    service.setStartLineLogFileData(QStringLiteral("Из лога"), 1.5f, 2.5f, 3.5f, false);
    QVERIFY(applied.isEmpty());
    QCOMPARE(info.count(), 0);
    line = parseStartLine(qUncompress(service.exportPayload(ArdixEnums::StartLineInLog_FileType)));
    QVERIFY(line);
    QCOMPARE(line->name, QStringLiteral("Из лога"));
    QCOMPARE(line->course, 3.5f);

    service.setStartLineLogFileData(QStringLiteral("Применить"), 1.5f, 2.5f, 3.5f, true);
    QCOMPARE(applied.size(), 1);
    QCOMPARE(applied.at(0).lon, 2.5f);
    QCOMPARE(store.value("startPointName").toString(), QStringLiteral("Применить"));
    QCOMPARE(info.takeLast().at(0).toString(), QStringLiteral("Настройки стартовой линии применены"));
    QCOMPARE(LapService::getGpsDistance(0, 0, 0, 1), geodesicDistance(0, 0, 0, 1));
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    TestLapRecords test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_lap_records.moc"
