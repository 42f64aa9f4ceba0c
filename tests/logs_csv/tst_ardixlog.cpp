// The command-line converter as a user runs it: what it refuses, what it leaves alone, and what
// it says when something fails.

#include "ElogTestBuilder.h"

#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

using elogtest::ElogBuilder;

namespace {

struct Result
{
    int exitCode = -1;
    QString out, err;
};

Result run(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral(ARDIX_LOG_TOOL), args);
    Result r;
    if (!p.waitForFinished(30000)) {
        p.kill();
        p.waitForFinished();
        r.err = QStringLiteral("<timed out>");
        return r;
    }
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    return r;
}

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray goodLog() { return ElogBuilder().records(2).sensor(16, {1, 2}).file(); }

} // namespace

class TstArdixLog : public QObject
{
    Q_OBJECT

private slots:
    void init() { QVERIFY(m_dir.isValid()); }
    void outputNeverReplacesAnInput();
    void sharedOutputsAreRefusedBeforeConverting();
    void failuresSayWhy_data();
    void failuresSayWhy();
    void aPipeIsRefusedNotWaitedOn();
    void readsEachLogOnce();

private:
    QString path(const QString &name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
};

void TstArdixLog::outputNeverReplacesAnInput()
{
    // A log named like its own output, and a log whose output is another input.
    const QString self = ElogBuilder::writeBytes(m_dir.path(), "s.csv", goodLog());
    Result r = run({"csv", self});
    QCOMPARE(r.exitCode, 2);
    QVERIFY2(r.err.contains("would replace"), qPrintable(r.err));
    QCOMPARE(readAll(self), goodLog());

    const QString other = ElogBuilder::writeBytes(m_dir.path(), "a.elog", goodLog());
    const QString named = ElogBuilder::writeBytes(m_dir.path(), "a.ld", goodLog());
    r = run({"ld", named, other});
    QCOMPARE(r.exitCode, 2);
    QCOMPARE(readAll(named), goodLog());
    QVERIFY(!QFileInfo::exists(path("a.ld.part")));
}

void TstArdixLog::sharedOutputsAreRefusedBeforeConverting()
{
    QVERIFY(QDir(m_dir.path()).mkpath("a") && QDir(m_dir.path()).mkpath("b") && QDir(m_dir.path()).mkpath("out"));
    const QString a = ElogBuilder::writeBytes(path("a"), "x.elog", goodLog());
    const QString b = ElogBuilder::writeBytes(path("b"), "x.elog", goodLog());
    for (const QString &mode : {QStringLiteral("csv"), QStringLiteral("csv.gz"), QStringLiteral("ld")}) {
        const Result r = run({mode, "-o", path("out"), a, b});
        QCOMPARE(r.exitCode, 2);
        QVERIFY2(r.err.contains("both"), qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
        QCOMPARE(QDir(path("out")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
    }
    // Different names into one folder are fine.
    const QString c = ElogBuilder::writeBytes(path("b"), "y.elog", goodLog());
    const Result r = run({"csv", "-o", path("out"), a, c});
    QCOMPARE(r.exitCode, 0);
    QCOMPARE(QDir(path("out")).entryList(QDir::Files), (QStringList{"x.csv", "y.csv"}));
}

void TstArdixLog::failuresSayWhy_data()
{
    QTest::addColumn<QByteArray>("file");  // empty: the input is a folder
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("reason");
    QTest::newRow("folder") << QByteArray() << "Похоже файл не найден" << "directory";
    QTest::newRow("damaged compressed data") << QByteArray("\x00\x00\x00\x40garbage-garbage", 19)
                                             << "Похоже файл поврежден" << "compressed data is damaged";
    // 19 bytes: a compressed body that claims 0xFFFFFFFF records and holds no samples.
    QByteArray hostile = ElogBuilder().records(0xffffffffu).file();
    QTest::newRow("hostile record count") << hostile << "Похоже файл поврежден" << "no channels";
    QTest::newRow("damaged body") << ElogBuilder().records(9).sensor(16, {1, 2}).file() << "Похоже файл поврежден"
                                  << "claims 9 records";
    QTest::newRow("no records") << ElogBuilder().records(0).sensor(16, {}).file() << "Похоже файл поврежден"
                                << "no records";
}

void TstArdixLog::failuresSayWhy()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, message);
    QFETCH(QString, reason);
    QTemporaryDir dir;
    const QString input = dir.filePath("in.elog");
    if (file.isEmpty())
        QVERIFY(QDir(dir.path()).mkdir("in.elog"));
    else
        ElogBuilder::writeBytes(dir.path(), "in.elog", file);
    for (const QString &mode : {QStringLiteral("csv"), QStringLiteral("csv.gz"), QStringLiteral("ld")}) {
        const Result r = run({mode, input});
        QCOMPARE(r.exitCode, 1);
        QVERIFY2(r.err.contains(message) && r.err.contains(reason), qPrintable(r.err));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files), file.isEmpty() ? QStringList() : QStringList{"in.elog"});
    }
}

void TstArdixLog::aPipeIsRefusedNotWaitedOn()
{
    const QString pipe = path("pipe.elog");
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    const Result r = run({QStringLiteral("csv"), pipe});
    QCOMPARE(r.exitCode, 1);
    QVERIFY2(r.err.contains(QStringLiteral("not a regular file")), qPrintable(r.err));
}

// The tool takes the custom channel names from the log it converts: one read serves both.
void TstArdixLog::readsEachLogOnce()
{
    const QString strace = QStandardPaths::findExecutable(QStringLiteral("strace"));
    if (strace.isEmpty())
        QSKIP("strace is not installed");
    const QString input = ElogBuilder::writeBytes(m_dir.path(), "once.elog", goodLog());
    const QString trace = path("trace.txt");
    for (const QString &mode : {QStringLiteral("csv"), QStringLiteral("ld")}) {
        QProcess p;
        p.start(strace, {QStringLiteral("-f"), QStringLiteral("-e"), QStringLiteral("trace=open,openat"),
                         QStringLiteral("-o"), trace, QStringLiteral(ARDIX_LOG_TOOL), mode, input});
        QVERIFY(p.waitForFinished(30000));
        if (p.exitCode() != 0 && readAll(trace).isEmpty())
            QSKIP("strace cannot trace here");
        QCOMPARE(p.exitCode(), 0);
        const QByteArray opens = readAll(trace);
        QCOMPARE(opens.count(QFile::encodeName(input) + "\""), 1);
    }
}

QTEST_GUILESS_MAIN(TstArdixLog)
#include "tst_ardixlog.moc"
