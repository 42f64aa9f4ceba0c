// The client against a device whose answers go wrong at a seeded rate: dropped, corrupted,
// delayed and stalled frames, dropped connections and refused uploads. Whatever happens on the
// way, what ends up on either side must be exactly right, and the client must keep going.
#include "E2eRig.h"

#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace e2e;

namespace {

constexpr quint8 PdmRealtimeData_MessageType = 14;

FaultRates roughLine()
{
    FaultRates f;
    f.drop = 0.06;
    f.corrupt = 0.08;
    f.delay = 0.15;
    f.stall = 0.03;
    f.disconnect = 0.03;
    f.resend = 0.3;
    f.delayMs = 250;
    f.stallMs = 3500;
    return f;
}

int faultsFired(const QStringList &trace)
{
    int n = 0;
    for (const QString &line : trace)
        n += line.contains(QLatin1String("fault:")) || line.contains(QLatin1String("-> CMD  AskResendPrevPacket"));
    return n;
}

} // namespace

class TestE2eFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }

    void settingsUploadEndsWithTheClientsBlock()
    {
        SimOptions o;
        // E2E_SEED replays the scenario with other faults (when hunting for a bug by hand).
        o.seed = qEnvironmentVariableIsSet("E2E_SEED") ? qEnvironmentVariableIntValue("E2E_SEED") : 20261210;
        o.faults = roughLine();
        o.webPort = -1;
        Rig r(o);
        r.sim.setDashBlock(storedDashBlock());
        // Whenever the client finds the device's settings different, the user uploads.
        QObject::connect(r.kernel.get(), &ArdixKernel::showSyncDiaglog, r.kernel.get(), [&r](bool) {
            QTimer::singleShot(0, r.kernel.get(), [&r] { r.kernel->applyNewArdixSettings(true); });
        });
        QVERIFY(r.waitOnline(20000));

        // Parts change one at a time while the line stays rough. A lost sync answer only costs
        // the confirmation, so what counts is the device's block.
        for (int round = 0; round < 8; ++round) {
            TheSensorConfig *sensor = r.kernel->currentArdixSettings()->sensors().at(5 + round);
            sensor->setWarningValueMin(quint16(sensor->warningValueMin() + 3));
            r.kernel->currentArdixSettings()->setSensorsHasChanges(true);
            r.kernel->applyNewArdixSettings(round % 3 == 2); // now and then the whole block
            QTRY_COMPARE_WITH_TIMEOUT(r.sim.dashBlock(), storedDashBlock(), 30000);
            QTest::qWait(1000); // the line idles rough between edits too
        }
        QVERIFY2(faultsFired(r.trace) >= 5, "the line was hardly rough");
        qInfo("%d faults injected", faultsFired(r.trace));

        // Once the line is clean, the client is still alive and confirms the next change.
        r.sim.faults().setRates({});
        QVERIFY(r.waitOnline(15000));
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        r.kernel->currentArdixSettings()->sensors().at(1)->setWarningValueMax(4321);
        r.kernel->currentArdixSettings()->setSensorsHasChanges(true);
        r.kernel->applyNewArdixSettings();
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 10000);
        QCOMPARE(r.sim.dashBlock(), storedDashBlock());
        QCOMPARE(r.kernel->ardixStatus(), 1);
    }

    void logDownloadSavesTheDevicesFile()
    {
        SimOptions o;
        o.seed = qEnvironmentVariableIsSet("E2E_SEED") ? qEnvironmentVariableIntValue("E2E_SEED") : 777;
        o.faults = roughLine();
        o.faults.resend = 0;
        o.faults.disconnect = 0.01; // a dropped line always costs the whole download
        o.logCount = 1;
        o.logChunkSize = 4096;
        o.webPort = -1;
        Rig r(o);
        QSignalSpy saved(r.kernel.get(), &ArdixKernel::localLogsFileListUpdateSignal);
        const QByteArray file = r.sim.logFiles().at(0);
        const QString path = QString::fromLocal8Bit(qgetenv("XDG_DATA_HOME")) + QStringLiteral("/Ardix/rough.elog");
        QFile::remove(path);

        // The user tries again after a download that gave up, as many times as it takes.
        int attempts = 0;
        while (saved.isEmpty() && attempts < 6) {
            QVERIFY(r.waitOnline(20000));
            ++attempts;
            const qsizetype messagesBefore = r.messages.size();
            r.kernel->setLogNameToSave(QStringLiteral("rough"));
            r.kernel->sendToArdixQueue(1, 27, 0);
            // Every download ends in a saved file or a message (a lost line ends in one too).
            QTRY_VERIFY_WITH_TIMEOUT(!saved.isEmpty() || r.messages.size() > messagesBefore, 90000);
        }
        QVERIFY2(!saved.isEmpty(), qPrintable(QStringLiteral("no log after %1 attempts").arg(attempts)));
        QFile local(path);
        QVERIFY(local.open(QIODevice::ReadOnly));
        QCOMPARE(local.readAll(), file);
        QVERIFY(faultsFired(r.trace) > 0);
        qInfo("%d attempts, %d faults injected; messages: %s", attempts, faultsFired(r.trace),
              qPrintable(r.messages.join(QStringLiteral(" | "))));
    }

    // Runs once per process: the client stops listening after it.
    void wrongLengthRealtimeBlockShowsItsMessageOnce()
    {
        SimOptions o;
        o.role = SimRole::Pdm;
        o.realtimeIntervalMs = 100;
        o.webPort = -1;
        Rig r(o);
        QVERIFY(r.waitOnline());
        QSignalSpy live(r.kernel.get(), &ArdixKernel::newPdmRealtimeDataRecieved);
        r.kernel->setIsPdmRealtimeModeOn(true);
        r.kernel->sendToArdixQueue(1, 44, 1);
        QTRY_VERIFY_WITH_TIMEOUT(live.count() >= 2, 3000);

        r.sim.faults().schedule(SimFault::BadRealtime, 0, PdmRealtimeData_MessageType);
        r.sim.faults().schedule(SimFault::BadRealtime, 0, PdmRealtimeData_MessageType);
        const QString text = QStringLiteral("Версия клиента и прошивки устройства несовместимы!");
        QTRY_COMPARE_WITH_TIMEOUT(r.messages.count(text), 1, 3000);
        const qsizetype liveAtMessage = live.count();
        QTest::qWait(1000);
        QCOMPARE(r.messages.count(text), 1);
        // Deaf from then on: the device keeps sending, nothing more is taken.
        QVERIFY(r.sim.realtimeLoopOn());
        QCOMPARE(live.count(), liveAtMessage);
    }
};

QTEST_GUILESS_MAIN(TestE2eFaults)
#include "tst_e2e_faults.moc"
