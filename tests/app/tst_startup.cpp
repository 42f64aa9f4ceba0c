// Start-up as a user sees it: two real client processes, and the process locale.
#include "SysvIpc.h"
#include "app/ProcessLocale.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <csignal>
#include <memory>
#include <vector>
#include <sys/shm.h>
#include <unistd.h>

namespace {

// The client logs each request it takes from the single-instance block (category ardix.kernel).
QProcessEnvironment clientEnvironment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("ardix.kernel.info=true"));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    return env;
}

class Client
{
public:
    explicit Client(const QStringList &args)
    {
        process.setProcessEnvironment(clientEnvironment());
        process.setProcessChannelMode(QProcess::SeparateChannels);
        process.start(QStringLiteral(ARDIX_EXE), args);
    }
    ~Client()
    {
        if (process.state() != QProcess::NotRunning) {
            process.terminate();
            if (!process.waitForFinished(5000))
                process.kill();
            process.waitForFinished(2000);
        }
    }
    QString log()
    {
        output += QString::fromUtf8(process.readAllStandardError());
        return output;
    }
    int requestCount(const QString &request)
    {
        return log().count(QStringLiteral("incoming request: ") + request + QLatin1Char('\n'));
    }
    QProcess process;
    QString output;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void secondStartHandsOverAndExits()
    {
        QTemporaryDir dir;
        const QString first = dir.filePath(QStringLiteral("started-with.elog"));
        const QString handed = dir.filePath(QStringLiteral("Заезд 1.ardix7"));
        QFile(first).open(QIODevice::WriteOnly);
        QFile(handed).open(QIODevice::WriteOnly);

        // The primary serves its own command-line path about a second after start.
        Client primary({first});
        QTRY_COMPARE_WITH_TIMEOUT(primary.requestCount(first), 1, 15000);

        QElapsedTimer clock;
        clock.start();
        QProcess second;
        second.setProcessEnvironment(clientEnvironment());
        second.start(QStringLiteral(ARDIX_EXE), {handed});
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);

        QTRY_COMPARE_WITH_TIMEOUT(primary.requestCount(handed), 1, 3000);
        QVERIFY(clock.elapsed() < 5000);

        // A bare second start only asks the primary to come to the front.
        QProcess third;
        third.setProcessEnvironment(clientEnvironment());
        third.start(QStringLiteral(ARDIX_EXE), QStringList());
        QVERIFY(third.waitForFinished(10000));
        QCOMPARE(third.exitCode(), 0);
        QTRY_COMPARE_WITH_TIMEOUT(primary.requestCount(QStringLiteral("just_focus")), 1, 3000);

        // Nothing is delivered twice.
        QTest::qWait(1500);
        QCOMPARE(primary.requestCount(handed), 1);
        QCOMPARE(primary.requestCount(QStringLiteral("just_focus")), 1);
        QVERIFY(primary.process.state() == QProcess::Running);
    }

    void terminationSignalsEndTheClientCleanly_data()
    {
        QTest::addColumn<int>("signalNumber");
        QTest::newRow("SIGTERM") << int(SIGTERM);
        QTest::newRow("SIGINT") << int(SIGINT);
        QTest::newRow("SIGHUP") << int(SIGHUP);
    }

    void terminationSignalsEndTheClientCleanly()
    {
        QFETCH(int, signalNumber);
        // The single-instance keys live in a temp folder of this start, apart from any other client.
        std::vector<std::unique_ptr<QTemporaryDir>> folders;
        std::unique_ptr<QProcess> client;
        QString tmp;
        QList<int> ownSemaphores;
        for (int attempt = 0; attempt < 5 && !client; ++attempt) {
            tmp = folders.emplace_back(std::make_unique<QTemporaryDir>())->path();
            const QSet<int> before = sysvipc::allSemaphores();
            QProcessEnvironment env = clientEnvironment();
            env.insert(QStringLiteral("TMPDIR"), tmp);
            client = std::make_unique<QProcess>();
            client->setProcessEnvironment(env);
            client->start(QStringLiteral(ARDIX_EXE), QStringList());
            QString log;
            QVERIFY(QTest::qWaitFor([&] {
                log += QString::fromUtf8(client->readAllStandardError());
                return log.contains(QLatin1String("device link to"));
            }, 15000));
            ownSemaphores = sysvipc::semaphoresIn(tmp);
            QVERIFY(!ownSemaphores.isEmpty());
            const bool made = std::none_of(ownSemaphores.cbegin(), ownSemaphores.cend(),
                                           [&](int id) { return before.contains(id); });
            if (!made) {
                // Its keys named semaphores that were there before it. Try again with new keys: the
                // key files keep their inodes through a second name until the test ends.
                for (const QString &file : QDir(tmp).entryList({QStringLiteral("qipc_*")}, QDir::Files)) {
                    const QByteArray path = QFile::encodeName(QDir(tmp).filePath(file));
                    QCOMPARE(::link(path.constData(), (path + ".held").constData()), 0);
                }
                qInfo("start %d opened semaphores made by others; starting again with new keys", attempt + 1);
                client->terminate();
                QVERIFY(client->waitForFinished(15000));
                client.reset();
            }
        }
        QVERIFY2(client, "every start opened semaphores left by others");

        const key_t blockKey = sysvipc::keyIn(tmp, QStringLiteral("qipc_sharedmemory_"));
        QVERIFY(blockKey != -1);
        const int blockId = ::shmget(blockKey, 0, 0);
        QVERIFY(blockId != -1);

        ::kill(pid_t(client->processId()), signalNumber);
        QVERIFY(client->waitForFinished(15000));
        QCOMPARE(client->exitStatus(), QProcess::NormalExit);
        QCOMPARE(client->exitCode(), 0);

        shmid_ds ds{};
        QCOMPARE(::shmctl(blockId, IPC_STAT, &ds), -1); // the segment is gone, not just detached
        QCOMPARE(::shmget(blockKey, 0, 0), -1);
        for (int id : std::as_const(ownSemaphores))
            QVERIFY2(!sysvipc::semaphoreExists(id), qPrintable(QStringLiteral("semaphore %1 left behind").arg(id)));
    }

    // kill -9, then a temp cleaner: the next key file may get the dead client's inode, hence the
    // System V key of its segment, which nothing removed.
    void killedClientDoesNotStopTheNextStart()
    {
        QTemporaryDir root;
        const QString tmp = root.filePath(QStringLiteral("tmp"));
        QProcessEnvironment env = clientEnvironment();
        env.insert(QStringLiteral("TMPDIR"), tmp);
        // Killed clients leave their blocks and the semaphores they made behind; whatever the next
        // starts did not reuse goes here.
        struct Leftovers
        {
            QList<int> blocks;
            QSet<int> semaphores;
            ~Leftovers()
            {
                for (int id : std::as_const(blocks))
                    ::shmctl(id, IPC_RMID, nullptr);
                for (int id : std::as_const(semaphores))
                    ::semctl(id, 0, IPC_RMID);
            }
        } leftovers;

        constexpr int kRounds = 4;
        for (int round = 0; round < kRounds; ++round) {
            QVERIFY(QDir().mkpath(tmp));
            const QSet<int> before = sysvipc::allSemaphores();
            QProcess client;
            client.setProcessEnvironment(env);
            client.start(QStringLiteral(ARDIX_EXE), QStringList());
            QString log;
            const bool up = QTest::qWaitFor([&] {
                log += QString::fromUtf8(client.readAllStandardError());
                return log.contains(QLatin1String("device link to")) || client.state() == QProcess::NotRunning;
            }, 15000);
            QVERIFY2(up && client.state() == QProcess::Running,
                     qPrintable(QStringLiteral("start %1 did not come up").arg(round + 1)));

            const int blockId = ::shmget(sysvipc::keyIn(tmp, QStringLiteral("qipc_sharedmemory_")), 0, 0);
            QVERIFY(blockId != -1);
            leftovers.blocks.append(blockId);
            for (int id : sysvipc::semaphoresIn(tmp)) {
                if (!before.contains(id))
                    leftovers.semaphores.insert(id);
            }
            client.kill();
            QVERIFY(client.waitForFinished(5000));
            QVERIFY(QDir(tmp).removeRecursively());
        }
    }

    void numbersUseTheCLocale()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        bool ok = false;
        QLocale().toDouble(QStringLiteral("1.5"), &ok);
        QVERIFY(!ok); // a decimal-comma locale refuses the dot

        applyProcessLocale();
        const double value = QLocale().toDouble(QStringLiteral("1.5"), &ok);
        QVERIFY(ok);
        QCOMPARE(value, 1.5);
        QCOMPARE(QLocale().toString(1234.5, 'f', 1), QStringLiteral("1234.5"));
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "tst_startup.moc"
