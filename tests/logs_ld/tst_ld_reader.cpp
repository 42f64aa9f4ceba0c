// LD exports of simulated outings, read back by tests/logs_ld/ld_reader.py: a reader that knows
// only the file layout. A GPS slower than the log keeps its channels at its own rate.

#include "simcore/device/SyntheticLog.h"
#include "logs/elog/ElogReader.h"
#include "logs/ld/LdExport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace ardix::ld;

namespace {

constexpr int kGpsDerivedChannels = 11;

struct Read
{
    int status = -1;
    QJsonObject doc;
    QString errors;
};

Read readBack(const QString &path)
{
    QProcess p;
    p.start(QStringLiteral(PYTHON3), {QStringLiteral(LD_READER), path, QStringLiteral("--json")});
    if (!p.waitForFinished(60000))
        return {};
    return Read{p.exitCode(), QJsonDocument::fromJson(p.readAllStandardOutput()).object(),
                QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestLdReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readBackIndependently_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("logRate");
        QTest::addColumn<int>("gpsRate");
        QTest::addColumn<bool>("gpsSlow");
        QTest::newRow("50 Hz log, 10 Hz GPS") << 1 << 50 << 10 << true;
        QTest::newRow("25 Hz log, 10 Hz GPS") << 1 << 25 << 10 << true;
        QTest::newRow("10 Hz log, 10 Hz GPS") << 1 << 10 << 10 << false;
        QTest::newRow("old log, GPS at the record rate") << 0 << 25 << 25 << false;
    }

    void readBackIndependently()
    {
        QFETCH(int, version);
        QFETCH(int, logRate);
        QFETCH(int, gpsRate);
        QFETCH(bool, gpsSlow);
        SyntheticLogOptions options;
        options.version = quint8(version);
        options.logRate = quint8(logRate);
        options.gpsRateHz = gpsRate;
        options.laps = 1;
        const SyntheticLog synthetic = makeSyntheticLog(options);
        ElogReadResult read = parseElogBody(synthetic.body, QStringLiteral("outing.elog"));
        QVERIFY(read.ok());
        const ElogData &log = read.data;
        QCOMPARE(log.isSlow(elog::Module_GPS), gpsSlow);

        const ExportStamp stamp{QStringLiteral("14/06/2024"), QStringLiteral("10:11:12"), QStringLiteral("outing.elog")};
        const LdExport exporter(log, LogExportContext::builtinCatalogue(), stamp);
        QTemporaryDir dir;
        QFile file(dir.filePath(QStringLiteral("outing.ld")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(exporter.write([&](const char *d, qsizetype n) { return file.write(d, n) == n; }));
        file.close();

        const Read r = readBack(file.fileName());
        QVERIFY2(r.status == 0, qPrintable(r.errors));
        const QJsonArray channels = r.doc.value(QStringLiteral("channels")).toArray();

        int sensors = 0;
        for (size_t i = 0; i < log.channelIds.size(); ++i)
            sensors += log.channelIds[i] < elog::Module_Time && !log.isSlow(log.channelIds[i]) ? 1 : 0;
        const int gainLoss = log.hasChannel(elog::Module_GPS_GainLoss) ? 1 : 0;
        QCOMPARE(channels.size(), sensors + kGpsDerivedChannels + gainLoss);

        const quint32 gpsSamples = log.channelSamples[size_t(log.channelIndex(elog::Module_GPS))];
        int sensorIndex = 0;
        for (int k = 0; k < channels.size(); ++k) {
            const QJsonObject c = channels[k].toObject();
            const bool isGps = k >= sensors && k < sensors + kGpsDerivedChannels;
            const int rate = c.value(QStringLiteral("rate")).toInt();
            const quint32 count = quint32(c.value(QStringLiteral("sampleCount")).toInteger());
            if (isGps) {
                QCOMPARE(rate, gpsRate);
                QCOMPARE(count, gpsSamples);
                continue;
            }
            QCOMPARE(rate, logRate);
            if (k >= sensors)
                continue; // the gain/loss module
            // Sensor channels are the log's own samples, whatever the GPS does (no lap thinning in
            // these outings: the simulated GPS time agrees with the records).
            while (log.channelIds[size_t(sensorIndex)] >= elog::Module_Time || log.isSlow(log.channelIds[size_t(sensorIndex)]))
                ++sensorIndex;
            const QJsonArray samples = c.value(QStringLiteral("samples")).toArray();
            QCOMPARE(count, exporter.sampleCount());
            for (quint32 i = 0; i < count; i += 97)
                QCOMPARE(samples[int(i)].toInt(), int(log.sensorSample(sensorIndex, i)));
            ++sensorIndex;
        }

        // The track is on the map: positions move, and the beacon marks the start line.
        const auto byName = [&](const QString &name) {
            for (const QJsonValue &v : channels)
                if (v.toObject().value(QStringLiteral("name")).toString() == name)
                    return v.toObject().value(QStringLiteral("samples")).toArray();
            return QJsonArray();
        };
        const QJsonArray lat = byName(QStringLiteral("GPS Latitude"));
        QVERIFY(!lat.isEmpty() && lat.first() != lat.last());
        if (version == 0)
            return; // an old log carries no start line, and the built-in settings have none
        int markers = 0;
        for (const QJsonValue &v : byName(QStringLiteral("Beacon")))
            markers += quint16(v.toInt()) == kMarkerSecond ? 1 : 0;
        QVERIFY(markers >= int(synthetic.lapTimes.size()) + 1); // each flying lap starts and ends on the line
    }
};

QTEST_GUILESS_MAIN(TestLdReader)
#include "tst_ld_reader.moc"
