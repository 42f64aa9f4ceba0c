// The log download state machine: blocks in and out of order for both firmware generations,
// resumption on silence, and the file it leaves in the local log folder.

#include "FakePorts.h"

#include "link/dispatch/DispatchTexts.h"
#include "settings/ArdixEnums.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QtTest>

using namespace ArdixEnums;

namespace {
constexpr qsizetype kPiece = 700;

// A compressed log as the device keeps it, cut into the blocks it sends.
QByteArray sampleLog()
{
    QByteArray body(20000, '\0');
    QRandomGenerator rng(7);
    for (auto &c : body)
        c = char(rng.bounded(16)); // compresses, but not to nothing
    return qCompress(body);
}

QList<QByteArray> pieces(const QByteArray &file)
{
    QList<QByteArray> out;
    for (qsizetype at = 0; at < file.size(); at += kPiece)
        out << file.mid(at, kPiece);
    return out;
}

QString logPath(const Rig &rig, const QString &name)
{
    return rig.logs.localLogsDirectory() + name + QStringLiteral(".elog");
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A download as the link starts it: GetLogFile went out, the log-data timer runs.
void start(Rig &rig, const QString &name)
{
    rig.link.status = 1;
    rig.d->setLogNameToSave(name);
    rig.link.logTimerMs = 15000;
    rig.d->onLogDownloadStarted();
}
} // namespace

class TstLogDownload : public QObject
{
    Q_OBJECT
private slots:
    void offsetsOutOfOrder();
    void oldFirmwareTotalInEveryBlock();
    void brokenLogIsNotSaved();
    void existingFileReplaced();
    void silenceResumesThenGivesUp();
    void lostLinkGivesUpAtOnce();
    void dropKeepsBytesForTheSameFile_data();
    void dropKeepsBytesForTheSameFile();
    void oldFirmwareCannotGoOn();
};

void TstLogDownload::offsetsOutOfOrder()
{
    Rig rig("S1.85");
    const QByteArray file = sampleLog();
    const QList<QByteArray> p = pieces(file);
    QVERIFY(p.size() >= 4);
    start(rig, "run 1");

    auto send = [&rig, &p](int i) {
        quint32 end = 0;
        for (int k = 0; k <= i; ++k)
            end += quint32(p[k].size());
        rig.data(LogFileData, p[i], end);
    };

    // A block before the total is known fits but is not taken.
    send(0);
    QCOMPARE(rig.d->logBytesReceived(), 0u);
    rig.command(GetLogFile, quint32(file.size()));
    send(0);
    send(2); // a block went missing: resume from what we hold
    send(1);
    send(1); // a repeat: resume again, no second append
    QCOMPARE(rig.d->logBytesReceived(), quint32(p[0].size() + p[1].size()));
    const QString held0 = QString::number(p[0].size());
    const QString held1 = QString::number(p[0].size() + p[1].size());
    QCOMPARE(rig.link.direct,
             (QStringList{"c29:" + held0, "c30:" + held0, "c29:" + held1, "c30:" + held1}));
    QCOMPARE(rig.link.logTimerMs, 5000);

    // A block whose end offset is below its own length is ignored.
    rig.data(LogFileData, p[2], 1);
    QCOMPARE(rig.d->logBytesReceived(), quint32(p[0].size() + p[1].size()));

    for (int i = 2; i < p.size(); ++i)
        send(i);

    QCOMPARE(readFile(logPath(rig, "run 1")), file);
    QCOMPARE(rig.link.direct.last(), QStringLiteral("c29:%1").arg(file.size()));
    QCOMPARE(rig.link.logTimerMs, 0);
    QCOMPARE(rig.link.checkOnlineMs, 6000);
    QCOMPARE(rig.events.last(), QStringLiteral("progress:100"));
    QVERIFY(rig.events.contains("localLogs"));
    QVERIFY(!rig.events.filter("info:").size());
    const QStringList progress = rig.events.filter("progress:");
    QCOMPARE(progress.first(), QStringLiteral("progress:%1").arg(p[0].size() * 100 / file.size()));

    // Everything is reset for the next download.
    QCOMPARE(rig.d->logBytesReceived(), 0u);
    QCOMPARE(rig.d->logNameToSave(), QString());
    QCOMPARE(rig.d->logDownload().total(), 0u);
}

void TstLogDownload::oldFirmwareTotalInEveryBlock()
{
    Rig rig("S1.10");
    const QByteArray file = sampleLog();
    const QList<QByteArray> p = pieces(file);
    start(rig, "old");

    rig.data(LogFileData, p[0], 0); // no total yet: dropped
    QCOMPARE(rig.d->logBytesReceived(), 0u);
    for (const QByteArray &b : p)
        rig.data(LogFileData, b, quint32(file.size()));
    QCOMPARE(readFile(logPath(rig, "old")), file);
    QCOMPARE(rig.link.direct.size(), p.size());
    QVERIFY(rig.link.direct.filter("c30:").isEmpty());
    // Progress never reports 0 while bytes are missing.
    QVERIFY(!rig.events.contains("progress:0"));
}

void TstLogDownload::brokenLogIsNotSaved()
{
    Rig rig("S1.85");
    start(rig, "broken");
    const QByteArray junk(1000, char(0x33));
    rig.command(GetLogFile, quint32(junk.size()));
    rig.data(LogFileData, junk, quint32(junk.size()));
    QVERIFY(!QFile::exists(logPath(rig, "broken")));
    QCOMPARE(rig.events.filter("info:"), QStringList{"info:" + QString::fromUtf8(DispatchText::LogTransferFailed)});
    QCOMPARE(rig.events.last(), QStringLiteral("progress:100"));
}

void TstLogDownload::existingFileReplaced()
{
    Rig rig("S1.85");
    QDir().mkpath(rig.logs.localLogsDirectory());
    {
        QFile old(logPath(rig, "same"));
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write(QByteArray(50000, 'o'));
    }
    const QByteArray file = qCompress(QByteArray(3000, 'z'));
    start(rig, "same");
    rig.command(GetLogFile, quint32(file.size()));
    rig.data(LogFileData, file, quint32(file.size()));
    QCOMPARE(readFile(logPath(rig, "same")), file);

    // A name that cannot be written (a folder holds it) keeps what is there and says so.
    Rig locked("S1.85");
    QVERIFY(QDir().mkpath(logPath(locked, "x")));
    start(locked, "x");
    locked.command(GetLogFile, quint32(file.size()));
    locked.data(LogFileData, file, quint32(file.size()));
    QVERIFY(QFileInfo(logPath(locked, "x")).isDir());
    QCOMPARE(locked.events.filter("info:"),
             QStringList{"info:" + QString::fromUtf8(DispatchText::LogSaveFailed)});
}

void TstLogDownload::silenceResumesThenGivesUp()
{
    Rig rig("S1.85");
    const QByteArray file = sampleLog();
    const QList<QByteArray> p = pieces(file);
    start(rig, "slow");
    rig.command(GetLogFile, quint32(file.size()));
    rig.data(LogFileData, p[0], quint32(p[0].size()));
    rig.link.direct.clear();

    for (int i = 0; i < 5; ++i)
        rig.d->logDataTimeout();
    QCOMPARE(rig.link.direct, QStringList(5, QStringLiteral("c30:%1").arg(p[0].size())));

    // Progress resets the count of resumptions.
    rig.data(LogFileData, p[1], quint32(p[0].size() + p[1].size()));
    QCOMPARE(rig.d->logDownload().retries(), 0);
    rig.link.direct.clear();
    for (int i = 0; i < 5; ++i)
        rig.d->logDataTimeout();
    QCOMPARE(rig.link.direct.size(), 5);
    QVERIFY(rig.events.filter("info:").isEmpty());

    rig.d->logDataTimeout();
    QCOMPARE(rig.link.direct.size(), 5);
    QCOMPARE(rig.events.mid(rig.events.size() - 2),
             (QStringList{"progress:100", "info:" + QString::fromUtf8(DispatchText::LogGaveUp)}));
    QCOMPARE(rig.link.logTimerMs, 0);
    QCOMPARE(rig.d->logBytesReceived(), 0u);
    QVERIFY(!QFile::exists(logPath(rig, "slow")));
}

void TstLogDownload::lostLinkGivesUpAtOnce()
{
    Rig rig("S1.85");
    start(rig, "lost");
    rig.link.status = 0;
    rig.d->logDataTimeout();
    QVERIFY(rig.link.direct.isEmpty());
    QCOMPARE(rig.events.last(), "info:" + QString::fromUtf8(DispatchText::LogGaveUp));
}

namespace {
QByteArray serialBlock(char fill) { return QByteArray(64, fill); }

QByteArray listOf(const QList<quint32> &starts)
{
    QByteArray list;
    for (quint32 start : starts) {
        list.append(char(40));
        for (quint32 v : {start, start + 600})
            for (int i = 0; i < 4; ++i)
                list.append(char(v >> (8 * i)));
    }
    return list;
}

// The dash answers who it is and what it holds, as after (re)connecting.
void identify(Rig &rig, char serial, const QByteArray &list, bool listFirst = false)
{
    rig.link.status = 1;
    if (listFirst)
        rig.data(LogsFileListData, list);
    rig.data(ArdixSerialNumData, serialBlock(serial), 70123);
    if (!listFirst)
        rig.data(LogsFileListData, list);
}

void requestFile(Rig &rig, uint index)
{
    rig.link.logTimerMs = 15000;
    rig.d->onLogFileRequested(index);
    rig.d->onLogDownloadStarted();
}
} // namespace

void TstLogDownload::dropKeepsBytesForTheSameFile_data()
{
    QTest::addColumn<char>("serialBack");
    QTest::addColumn<QByteArray>("listBack");
    QTest::addColumn<bool>("sizeChanged");
    QTest::addColumn<bool>("goesOn");
    QTest::addColumn<bool>("listFirst");
    const QByteArray list = listOf({1700000000, 1700001000});
    QTest::newRow("same dash, same list") << 'a' << list << false << true << false;
    QTest::newRow("list before the dash's name") << 'a' << list << false << true << true;
    QTest::newRow("a log added after it") << 'a' << listOf({1700000000, 1700001000, 1700002000}) << false << true << false;
    QTest::newRow("another dash") << 'b' << list << false << false << false;
    QTest::newRow("the file is another one") << 'a' << listOf({1700000000, 1700001500}) << false << false << false;
    QTest::newRow("a file before it went") << 'a' << listOf({1700001000}) << false << false << false;
    QTest::newRow("same entry, other size") << 'a' << list << true << true << false;
}

void TstLogDownload::dropKeepsBytesForTheSameFile()
{
    QFETCH(char, serialBack);
    QFETCH(QByteArray, listBack);
    QFETCH(bool, sizeChanged);
    QFETCH(bool, goesOn);
    QFETCH(bool, listFirst);
    Rig rig("S1.85");
    const QByteArray file = sampleLog();
    const QList<QByteArray> p = pieces(file);
    identify(rig, 'a', listOf({1700000000, 1700001000}));
    rig.d->setLogNameToSave("kept");
    requestFile(rig, 1);
    rig.command(GetLogFile, quint32(file.size()));
    const quint32 held = quint32(p[0].size() + p[1].size());
    rig.data(LogFileData, p[0], quint32(p[0].size()));
    rig.data(LogFileData, p[1], held);

    // The link goes: the bytes stay, nothing lands in the local folder.
    rig.link.status = 0;
    rig.d->logDataTimeout();
    QVERIFY(rig.d->logDownload().hasKeptDownload());
    QCOMPARE(rig.d->logDownload().keptBytes(), held);
    QCOMPARE(rig.d->logBytesReceived(), 0u);
    QCOMPARE(rig.link.logTimerMs, 0);
    const uint percent = held * 100 / quint32(file.size());
    QCOMPARE(rig.events.mid(rig.events.size() - 2),
             (QStringList{"progress:100", "info:" + QString::fromUtf8(LogDownload::PausedText).arg(percent)}));
    QVERIFY(QDir(rig.logs.localLogsDirectory()).entryList(QDir::Files).isEmpty());

    rig.link.queued.clear();
    identify(rig, serialBack, listBack, listFirst);
    if (!goesOn) {
        QVERIFY(!rig.link.queued.contains("c27:1"));
        QVERIFY(!rig.d->logDownload().hasKeptDownload());
        return;
    }
    QVERIFY(rig.link.queued.contains("c27:1"));
    QCOMPARE(rig.d->logNameToSave(), QStringLiteral("kept"));

    // The link sends it: the progress goes on from what is held.
    rig.events.clear();
    rig.link.direct.clear();
    requestFile(rig, 1);
    QCOMPARE(rig.events.first(), QStringLiteral("progress:%1").arg(percent));
    const QByteArray sent = sizeChanged ? qCompress(QByteArray(30000, 'n')) : file;
    rig.command(GetLogFile, quint32(sent.size()));
    // The dash starts from the beginning; the client tells it where to go on from.
    const QList<QByteArray> q = pieces(sent);
    rig.data(LogFileData, q[0], quint32(q[0].size()));
    quint32 at = sizeChanged ? quint32(q[0].size()) : held;
    if (!sizeChanged)
        QCOMPARE(rig.link.direct.first(), QStringLiteral("c30:%1").arg(held));
    while (at < quint32(sent.size())) {
        const QByteArray b = sent.mid(at, kPiece);
        at += quint32(b.size());
        rig.data(LogFileData, b, at);
    }
    QCOMPARE(readFile(logPath(rig, "kept")), sent);
    QVERIFY(!rig.d->logDownload().hasKeptDownload());
}

void TstLogDownload::oldFirmwareCannotGoOn()
{
    Rig rig("S1.10"); // blocks carry no offsets: the dash could not be told where to go on from
    const QByteArray file = sampleLog();
    identify(rig, 'a', listOf({1700000000}));
    rig.d->setLogNameToSave("old");
    requestFile(rig, 0);
    rig.data(LogFileData, pieces(file).first(), quint32(file.size()));
    rig.link.status = 0;
    rig.d->logDataTimeout();
    QVERIFY(!rig.d->logDownload().hasKeptDownload());
    QCOMPARE(rig.events.last(), "info:" + QString::fromUtf8(DispatchText::LogGaveUp));
}

QTEST_GUILESS_MAIN(TstLogDownload)
#include "tst_logdownload.moc"
