#include "SysvIpc.h"
#include "app/RunGuard.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSharedMemory>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <QtEndian>

#include <chrono>
#include <cstdio>

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

// Another instance in a child process of this test: a primary that polls for requests as the
// client does and prints each one, or one that holds the block and never takes anything.
class Instance
{
public:
    Instance(const char *mode, const QString &key) : key(key), semaphoresBefore(sysvipc::allSemaphores())
    {
        process.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(mode), key});
    }
    ~Instance()
    {
        process.kill();
        process.waitForFinished(5000);
        // A block the killed child left and no test start took over: the last detach removes it.
        {
            RawBlock left(key);
            if (left.attach())
                left.mem.detach();
        }
        // So do the semaphores it made (this test's temp folder is its own).
        sysvipc::removeSemaphoresMadeSince(QDir::tempPath(), semaphoresBefore);
    }
    bool waitReady() { return QTest::qWaitFor([this] { return output().contains(QLatin1String("ready\n")); }, 10000); }
    QString output()
    {
        text += QString::fromUtf8(process.readAllStandardOutput());
        return text;
    }
    QString key;
    QSet<int> semaphoresBefore;
    QProcess process;
    QString text;
};

QString keyFileOf(const QString &base)
{
    return QSharedMemory(RunGuard::makeIpcKey(base, QStringLiteral("_sharedmemKey"))).nativeKey();
}

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
            secondary.forwardToPrimary();
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
        secondary.forwardToPrimary();

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

    // Another program's live block under our key (its key file shares our key's inode bits): the
    // client starts on its own and writes nothing into it.
    void foreignBlockOfAnotherSizeIsLeftAlone()
    {
        const QString key = freshKey();
        RawBlock foreign(key);
        QVERIFY(foreign.mem.create(16));
        foreign.mem.lock();
        std::memset(foreign.mem.data(), 0xAB, 16);
        foreign.mem.unlock();

        RunGuard next(key);
        next.setIncomingFilePath(QStringLiteral("/run.ardix7"));
        QVERIFY(next.tryStartAsPrimary());
        QVERIFY(next.isPrimary());
        next.forwardToPrimary();

        foreign.mem.lock();
        const QByteArray bytes(static_cast<const char *>(foreign.mem.constData()), 16);
        foreign.mem.unlock();
        QCOMPARE(bytes, QByteArray(16, char(0xAB)));
    }

    void secondStartLeavesOnceThePrimaryTookItsRequest()
    {
        const QString key = freshKey();
        Instance primary("--primary", key);
        QVERIFY(primary.waitReady());

        RunGuard second(key);
        second.setIncomingFilePath(QStringLiteral("/tmp/Заезд.elog"));
        QVERIFY(!second.tryStartAsPrimary());
        QVERIFY(!second.isPrimary());
        QTRY_VERIFY(primary.output().contains(QStringLiteral("took /tmp/Заезд.elog\n")));
    }

    void startsWhenNoLivePrimaryTakesTheRequest_data()
    {
        QTest::addColumn<QString>("holderMode");
        QTest::addColumn<bool>("killHolder");
        QTest::addColumn<bool>("keyFileInodeReused");
        QTest::addColumn<bool>("ownsBlock");

        QTest::newRow("primary killed") << "--primary" << true << false << true;
        // A temp cleaner removed the key file and a new file got its inode, hence the old key.
        QTest::newRow("primary killed, key file removed, inode reused") << "--primary" << true << true << true;
        QTest::newRow("holder alive but never takes a request") << "--hold" << false << false << false;
    }

    void startsWhenNoLivePrimaryTakesTheRequest()
    {
        QFETCH(QString, holderMode);
        QFETCH(bool, killHolder);
        QFETCH(bool, keyFileInodeReused);
        QFETCH(bool, ownsBlock);

        const QString key = freshKey();
        Instance holder(holderMode.toLatin1().constData(), key);
        QVERIFY(holder.waitReady());
        if (killHolder) {
            holder.process.kill();
            QVERIFY(holder.process.waitForFinished(5000));
        }

        const QString keyFile = keyFileOf(key);
        const QString movedAway = keyFile + QStringLiteral(".gone");
        if (keyFileInodeReused)
            QVERIFY(QFile::rename(keyFile, movedAway));
        RunGuard next(key, std::chrono::milliseconds(500));
        if (keyFileInodeReused)
            QVERIFY(QFile::rename(movedAway, keyFile)); // same inode, same System V key

        QVERIFY(next.tryStartAsPrimary());
        QVERIFY(next.isPrimary());
        if (!ownsBlock)
            return;
        // The block is really ours: a later start hands over to this process.
        RunGuard later(key);
        later.setIncomingFilePath(QStringLiteral("/later.ardix7"));
        later.forwardToPrimary();
        QCOMPARE(next.takeIncomingRequest(), QStringLiteral("/later.ardix7"));
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
    if (argc == 3 && (qstrcmp(argv[1], "--primary") == 0 || qstrcmp(argv[1], "--hold") == 0)) {
        static RunGuard guard(QString::fromLocal8Bit(argv[2]));
        if (!guard.tryStartAsPrimary())
            return 1;
        std::printf("ready\n");
        std::fflush(stdout);
        if (qstrcmp(argv[1], "--primary") == 0) {
            auto *poll = new QTimer(&app);
            QObject::connect(poll, &QTimer::timeout, [] {
                const QString request = guard.takeIncomingRequest();
                if (!request.isEmpty()) {
                    std::printf("took %s\n", request.toUtf8().constData());
                    std::fflush(stdout);
                }
            });
            poll->start(100);
        }
        return app.exec();
    }
    TestRunGuard test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_runguard.moc"
