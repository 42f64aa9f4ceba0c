#include "app/RunGuard.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QProcess>
#include <QSharedMemory>
#include <QTest>
#include <QtEndian>

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace {

int g_keyCounter = 0;

QString freshKey()
{
    return QStringLiteral("ardix_test_%1_%2").arg(QCoreApplication::applicationPid()).arg(++g_keyCounter);
}

// A handle on the guard's block, as a misbehaving or crashed peer would hold it.
struct RawBlock
{
    explicit RawBlock(const QString &base)
        : mem(RunGuard::makeIpcKey(base, QStringLiteral("_sharedmemKey")))
    {
    }
    bool attach() { return mem.attach(); }
    void writeLength(quint16 n)
    {
        mem.lock();
        qToLittleEndian<quint16>(n, mem.data());
        std::memset(static_cast<char *>(mem.data()) + 2, 'x', 16);
        mem.unlock();
    }
    bool allZero()
    {
        mem.lock();
        const auto *p = static_cast<const uchar *>(mem.constData());
        const bool zero = std::all_of(p, p + RunGuard::kBlockSize, [](uchar b) { return b == 0; });
        mem.unlock();
        return zero;
    }
    QSharedMemory mem;
};

} // namespace

class TestRunGuard : public QObject
{
    Q_OBJECT
private slots:
    void ipcKeyIsSha1OfKeyAndSalt()
    {
        QCOMPARE(RunGuard::makeIpcKey(QStringLiteral("ardix_mem_key"), QStringLiteral("_memLockKey")),
                 QString::fromLatin1(QCryptographicHash::hash("ardix_mem_key_memLockKey",
                                                              QCryptographicHash::Sha1)
                                         .toHex()));
        QCOMPARE(RunGuard::makeIpcKey(QStringLiteral("a"), QStringLiteral("b")).size(), 40);
    }

    void requestsReachThePrimary_data()
    {
        QTest::addColumn<QStringList>("secondaryPaths");
        QTest::addColumn<QString>("expected");

        const QString cyrillicPath = QStringLiteral("/tmp/Настройки машины.ardix7");
        QTest::newRow("path") << QStringList{cyrillicPath} << cyrillicPath;
        QTest::newRow("no path asks for focus") << QStringList{QString()} << QStringLiteral("just_focus");
        QTest::newRow("later request wins")
            << QStringList{QStringLiteral("/a.elog"), QStringLiteral("/b.elog")} << QStringLiteral("/b.elog");
        QTest::newRow("999 bytes fit") << QStringList{QString(999, QLatin1Char('p'))} << QString(999, QLatin1Char('p'));
        // 1000 characters are allowed through but need 2000 bytes: dropped, block cleared.
        QTest::newRow("over-long UTF-8 dropped") << QStringList{QString(1000, QChar(0x0416))} << QString();
        QTest::newRow("1000 bytes dropped") << QStringList{QString(1000, QLatin1Char('p'))} << QString();
        QTest::newRow("over 1000 chars asks for focus")
            << QStringList{QString(1001, QLatin1Char('p'))} << QStringLiteral("just_focus");
    }

    void requestsReachThePrimary()
    {
        QFETCH(QStringList, secondaryPaths);
        QFETCH(QString, expected);

        const QString key = freshKey();
        RunGuard primary(key);
        QVERIFY(primary.tryStartAsPrimary());
        QVERIFY(primary.isPrimary());

        for (const QString &path : secondaryPaths) {
            RunGuard secondary(key);
            if (!path.isNull())
                secondary.setIncomingFilePath(path);
            QVERIFY(!secondary.tryStartAsPrimary());
            QVERIFY(!secondary.isPrimary());
        }

        QCOMPARE(primary.takeIncomingRequest(), expected);
        QCOMPARE(primary.takeIncomingRequest(), QString()); // consumed exactly once

        RawBlock block(key);
        QVERIFY(block.attach());
        QVERIFY(block.allZero());
    }

    void primaryServesItsOwnPathFirst()
    {
        const QString key = freshKey();
        RunGuard primary(key);
        primary.setIncomingFilePath(QStringLiteral("/own.pmx"));
        QVERIFY(primary.tryStartAsPrimary());

        RunGuard secondary(key);
        secondary.setIncomingFilePath(QStringLiteral("/other.pmx"));
        QVERIFY(!secondary.tryStartAsPrimary());

        QCOMPARE(primary.takeIncomingRequest(), QStringLiteral("/own.pmx"));
        QCOMPARE(primary.takeIncomingRequest(), QStringLiteral("/other.pmx"));
    }

    void badLengthFieldIsClearedAndIgnored_data()
    {
        QTest::addColumn<int>("length");
        QTest::newRow("zero") << 0;
        QTest::newRow("1000") << 1000;
        QTest::newRow("65535") << 65535;
    }

    void badLengthFieldIsClearedAndIgnored()
    {
        QFETCH(int, length);
        const QString key = freshKey();
        RunGuard primary(key);
        QVERIFY(primary.tryStartAsPrimary());

        RawBlock block(key);
        QVERIFY(block.attach());
        block.writeLength(quint16(length));
        QVERIFY(!block.allZero());

        QCOMPARE(primary.takeIncomingRequest(), QString());
        QVERIFY(block.allZero());
    }

    void staleBlockOfACrashedPrimaryDoesNotBlockTheNextStart()
    {
        const QString key = freshKey();
        QProcess holder;
        holder.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--crash-holder"), key});
        QVERIFY(holder.waitForFinished(10000));
        QCOMPARE(holder.exitCode(), 3); // created the block and died without cleaning up

        RunGuard next(key);
        QVERIFY(next.tryStartAsPrimary());
    }
};

int main(int argc, char *argv[])
{
    if (argc == 3 && qstrcmp(argv[1], "--crash-holder") == 0) {
        QSharedMemory mem(RunGuard::makeIpcKey(QString::fromLocal8Bit(argv[2]), QStringLiteral("_sharedmemKey")));
        if (!mem.create(RunGuard::kBlockSize))
            return 1;
        std::_Exit(3); // no destructors: the block outlives this process
    }
    QCoreApplication app(argc, argv);
    TestRunGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_runguard.moc"
