#include "ElogTestBuilder.h"

#include "logs/store/DeviceLogList.h"
#include "app/IncomingFile.h"
#include "logs/store/LogStore.h"
#include "settings/ArdixEnums.h"
#include "settings/TheSensorConfig.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/pdm/PdmBlockLayout.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThreadPool>
#include <QUrl>
#include <QtTest>

using elogtest::ElogBuilder;

namespace {

QByteArray entry(uint8_t percent, uint32_t start, uint32_t end)
{
    QByteArray e(1, char(percent));
    elogtest::putU32(e, start);
    elogtest::putU32(e, end);
    return e;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

} // namespace

class TstLogStore : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void deviceList();
    void localListAndImport();
    void exportsAndDelete();
    void backgroundConversions();
    void downloadedLogReplacesOld();
    void incomingFiles_data();
    void incomingFiles();
    void contextCapturesSettings();

private:
    QTemporaryDir m_outside;
};

void TstLogStore::init()
{
    QDir(LogStore::localDirectory()).removeRecursively();
}

void TstLogStore::deviceList()
{
    LogStore store;
    QSignalSpy updated(&store, &LogStore::logsFileListUpdateSignal);
    QSignalSpy busy(&store, &LogStore::hideBusy);

    // 2023-11-14 22:13:20 and 23:00:00 UTC; the second entry's clock was never set.
    store.handleLogsFileListData(entry(42, 1700000000, 1700002800) + entry(7, 0, 1700000000));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(busy.count(), 1);
    QVariantList list = store.logsFilesList();
    QCOMPARE(list.size(), 2);
    QCOMPARE(list[0].toMap(), (QVariantMap{{"percent", 42}, {"startDate", "14 Nov"}, {"endDate", "14 Nov"},
                                          {"startTime", "22:13"}, {"endTime", "23:00"}}));
    QCOMPARE(list[1].toMap(), (QVariantMap{{"percent", 7}, {"startDate", ""}, {"endDate", ""},
                                          {"startTime", ""}, {"endTime", ""}}));
    QCOMPARE(devicelogs::formatList(entry(1, 1498851807, 1700000000))[0].toMap()["startDate"].toString(), QString());
    QCOMPARE(devicelogs::formatList(entry(1, 1498851808, 1498851808))[0].toMap()["startTime"].toString(), QStringLiteral("19:43"));

    // A payload that is not whole entries leaves the previous list.
    store.handleLogsFileListData(QByteArray(10, '\1'));
    QCOMPARE(updated.count(), 1);
    QCOMPARE(busy.count(), 2);
    QCOMPARE(store.logsFilesList().size(), 2);
}

void TstLogStore::localListAndImport()
{
    LogStore store;
    QSignalSpy updated(&store, &LogStore::localLogsFileListUpdateSignal);
    const QString dir = LogStore::localDirectory();
    QVERIFY(dir.endsWith(QStringLiteral("/Ardix/")));
    QVERIFY(QFileInfo(dir).isDir());

    const QString a = ElogBuilder().records(1).sensor(16, {1}).write(m_outside.path(), "a.elog");
    QCOMPARE(store.importElog(QUrl::fromLocalFile(a).toString()), QString());
    QCOMPARE(updated.count(), 1);
    QCOMPARE(readAll(dir + "a.elog"), readAll(a));

    // Same name again: nothing is copied, the name comes back with a line break.
    QVERIFY(QDir().mkpath(m_outside.filePath("other")));
    QVERIFY(writeFile(m_outside.filePath("other/a.elog"), "x"));
    QCOMPARE(store.importElog(m_outside.filePath("other/a.elog")), QStringLiteral("a.elog\n"));
    QCOMPARE(readAll(dir + "a.elog"), readAll(a));
    QCOMPARE(readAll(m_outside.filePath("other/a.elog")), QByteArray("x"));
    QCOMPARE(updated.count(), 1);

    // Only regular "*.elog" files are listed, newest first.
    QVERIFY(writeFile(dir + "b.elog", "bb"));
    QVERIFY(writeFile(dir + ".hidden.elog", "h"));
    QVERIFY(writeFile(dir + "notes.txt", "t"));
    QVERIFY(QDir(dir).mkdir("dir.elog"));
    QVERIFY(QFile::link(dir + "b.elog", dir + "link.elog"));
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    for (const char *n : {"a.elog", ".hidden.elog"}) {
        QFile f(dir + n);
        QVERIFY(f.open(QIODevice::ReadWrite));
        QVERIFY(f.setFileTime(old, QFileDevice::FileModificationTime));
    }
    const QVariantList list = store.localLogsFilesList();
    QStringList names;
    for (const QVariant &v : list)
        names << v.toMap()["name"].toString();
    QCOMPARE(names.first(), QStringLiteral("b.elog"));
    names.sort();
    QCOMPARE(names, (QStringList{".hidden.elog", "a.elog", "b.elog"}));
    const QVariantMap b = list.first().toMap();
    QCOMPARE(b["size"].toLongLong(), 2LL);
    QCOMPARE(b["apath"].toString(), QFileInfo(dir + "b.elog").absoluteFilePath());
    QVERIFY(QRegularExpression("^\\d\\d \\w+ \\d\\d:\\d\\d$").match(b["date"].toString()).hasMatch());
}

void TstLogStore::exportsAndDelete()
{
    LogStore store;
    QSignalSpy messages(&store, &LogStore::showInfoMessage);
    QSignalSpy updated(&store, &LogStore::localLogsFileListUpdateSignal);
    const QString log = ElogBuilder().records(1).sensor(16, {1}).write(LogStore::localDirectory(), "x.elog");

    const QString target = m_outside.filePath("copy.elog");
    QVERIFY(writeFile(target, "old"));
    store.exportLog_x64(log, QUrl::fromLocalFile(target).toString(), LogStore::Export_Elog, {});
    QCOMPARE(readAll(target), readAll(log));
    QCOMPARE(messages.takeFirst().at(0).toString(), QStringLiteral("Успешно экспортирован лог\n") + target);

    store.exportElog(log, m_outside.filePath("missing-dir/copy.elog"));
    // The system's own account of the failure, not a guess.
    const QString failed = messages.takeFirst().at(0).toString();
    QVERIFY2(failed.startsWith(QStringLiteral("Не удалось записать файл:\n")) && failed.contains(QLatin1String("No such file")), qPrintable(failed));
    QVERIFY(!QFileInfo::exists(m_outside.filePath("missing-dir")));

    QVERIFY(!store.exportLog_x64(log, target, 7, {}).isValid()); // unknown format: nothing
    QCOMPARE(messages.count(), 0);

    store.finishLogExport(QStringLiteral("/x/y.csv"));
    QCOMPARE(messages.takeFirst().at(0).toString(), QStringLiteral("Успешно экспортирован лог\n/x/y.csv"));

    store.deleteFileWithAbsolutePath(QUrl::fromLocalFile(log).toString());
    QVERIFY(!QFileInfo::exists(log));
    store.deleteFileWithAbsolutePath(log); // already gone: the list is refreshed anyway
    QCOMPARE(updated.count(), 2);
}

void TstLogStore::backgroundConversions()
{
    LogStore store;
    QSignalSpy messages(&store, &LogStore::showInfoMessage);
    QSignalSpy progress(&store, &LogStore::progressMoving);
    QSignalSpy busy(&store, &LogStore::hideBusy);
    const QString log = ElogBuilder().rate(10).records(2).sensor(16, {900, 950}).write(LogStore::localDirectory(), "r.elog");
    LogExportContext ctx = LogExportContext::builtinCatalogue();
    ctx.sensors[16].shortNameEn = QStringLiteral("Engine"); // the snapshot is what the task reads

    const QString csv = m_outside.filePath("r.csv");
    QFuture<int> task = store.exportLog_x64(QUrl::fromLocalFile(log).toString(), QUrl::fromLocalFile(csv).toString(),
                                            LogStore::Export_Csv, ctx);
    task.waitForFinished();
    QCOMPARE(task.result(), 1);
    QCOMPARE(readAll(csv), QByteArray("Time,Engine\n0,900\n100,950\n"));
    QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 1, 2000);
    QCOMPARE(messages.takeFirst().at(0).toString(), QStringLiteral("Успешно экспортирован лог\n") + csv);
    QCOMPARE(progress.last().at(0).toUInt(), 100u);
    QCOMPARE(busy.count(), 1);

    task = store.exportLog_x64(log, csv, LogStore::Export_CsvGzip, ctx);
    QCOMPARE(task.result(), 1);
    QVERIFY(QFileInfo::exists(csv + ".gzip"));

    // The LD format goes to whatever converter is plugged in, on the pool, with the same inputs.
    QString seenIn, seenOut;
    QString seenName;
    store.setLdConverter([&](const QString &in, const QString &out, const LogExportContext &c, const LogReporter &rep) {
        seenIn = in;
        seenOut = out;
        seenName = c.sensors[16].shortNameEn;
        rep.finishLogExport(out);
        return 1;
    });
    task = store.exportLog_x64(log, QUrl::fromLocalFile(m_outside.filePath("r.ld")).toString(), LogStore::Export_Ld, ctx);
    QCOMPARE(task.result(), 1);
    QCOMPARE(seenIn, log);
    QCOMPARE(seenOut, m_outside.filePath("r.ld"));
    QCOMPARE(seenName, QStringLiteral("Engine"));
    QTRY_COMPARE_WITH_TIMEOUT(messages.count(), 2, 2000);
}

void TstLogStore::downloadedLogReplacesOld()
{
    LogStore store;
    QVERIFY(store.storeDownloadedLog(QStringLiteral("trip"), "first"));
    QVERIFY(store.storeDownloadedLog(QStringLiteral("trip"), "second"));
    QCOMPARE(readAll(LogStore::localDirectory() + "trip.elog"), QByteArray("second"));
    QVERIFY(!store.storeDownloadedLog(QStringLiteral("no/such/dir/trip"), "x"));
}

void TstLogStore::incomingFiles_data()
{
    using namespace ArdixEnums;
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("deviceId");
    QTest::addColumn<int>("fileType");
    QTest::newRow("pmx") << "a.pmx" << int(Device_Pmx) << int(Settings_FileType);
    QTest::newRow("ardix7") << "a.ardix7" << int(Device_Ardix7) << int(Settings_FileType);
    QTest::newRow("esl") << "a.esl" << int(Device_Ardix7) << int(StartLine_FileType);
    QTest::newRow("erl") << "a.erl" << int(Device_Ardix7) << int(RefLap_FileType);
    QTest::newRow("svg") << "a.svg" << int(Device_Ardix7) << int(UserLogoSvg_FileType);
    QTest::newRow("elog") << "a.elog" << int(Device_Ardix7) << int(Elog_FileType);
    QTest::newRow("other") << "a.txt" << int(Device_All_Broadcast) << int(Unknown_FileType);
}

void TstLogStore::incomingFiles()
{
    QFETCH(QString, name);
    QFETCH(int, deviceId);
    QFETCH(int, fileType);
    const QString path = m_outside.filePath(QStringLiteral("incoming/") + name);
    QDir().mkpath(m_outside.filePath(QStringLiteral("incoming")));
    const QString url = QUrl::fromLocalFile(path).toString();
    QVERIFY(!classifyIncomingFile(url).has_value());
    QVERIFY(writeFile(path, "x"));
    const auto info = classifyIncomingFile(url);
    QVERIFY(info.has_value());
    QCOMPARE(*info, (QVariantMap{{"deviceId", deviceId}, {"fileType", fileType}, {"isImport", true},
                                 {"url", url}, {"fileName", name}}));

    LogStore store;
    QSignalSpy handed(&store, &LogStore::incomingElog_signal);
    store.handOffElog(url);
    QCOMPARE(handed.takeFirst().at(0).toString(), path);
}

void TstLogStore::contextCapturesSettings()
{
    QObject owner;
    const QList<TheSensorConfig *> standard = ArdixCatalogue::createStandardSensors(nullptr, &owner);
    TheSensorConfig custom;
    custom.setCustom(true);
    custom.setCustomShortName(QStringLiteral("Турбо"));
    const auto getSensor = [&](uint8_t id) -> const TheSensorConfig * {
        if (id < standard.size())
            return standard[id];
        return id == 100 ? &custom : nullptr;
    };
    QByteArray pdm(int(PdmLayout::BlockSize), '\0');
    pdm.replace(int(PdmLayout::InputNamesOffset), 6, "Pump 1");

    const LogExportContext ctx = LogExportContext::capture(getSensor, pdm, 1234, 55.5f, 37.5f, 90.0f);
    QVERIFY(ctx.sensor(1) && ctx.sensor(1)->isFloat);
    QCOMPARE(ctx.sensor(1)->shortNameEn, QStringLiteral("Oil press"));
    QCOMPARE(ctx.sensor(1)->ldChannelId, 14u);
    QVERIFY(ctx.sensor(31) && ctx.sensor(31)->shortNameEn.isEmpty());
    QVERIFY(!ctx.sensor(32));
    QVERIFY(ctx.sensor(100)->custom);
    QCOMPARE(ctx.sensor(100)->shortSensorName, QStringLiteral("Турбо"));
    QCOMPARE(ctx.pdmInputName(0), QStringLiteral("Pump 1"));
    QCOMPARE(ctx.pdmOutputNames.size(), 30);
    QCOMPARE(ctx.dashSerialNum, 1234u);
    QCOMPARE(ctx.startPointCourse, 90.0f);

    // The factory catalogue agrees with the live objects where the tools rely on it.
    const LogExportContext builtin = LogExportContext::builtinCatalogue();
    for (int id : {1, 11, 16, 17, 25, 164, 167})
        QCOMPARE(builtin.sensor(uint8_t(id))->shortNameEn.isEmpty(), false);
    QCOMPARE(builtin.sensor(16)->shortNameEn, ctx.sensor(16)->shortNameEn);
    QCOMPARE(builtin.sensor(167)->shortNameEn, QStringLiteral("Lap"));
}

QTEST_GUILESS_MAIN(TstLogStore)
#include "tst_logstore.moc"
