// The dash's settings over a real link: handshake, sync answers, download, one-part upload, the
// short block of older settings, start line calibration and the device's resend requests.
#include "E2eRig.h"

#include "settings/dash/GpsAccelerationMeasureSettings.h"
#include "settings/dash/ThePreferenceTransport.h"

#include <QDateTime>
#include <QSignalSpy>

#include <algorithm>
#include <QtEndian>
#include <QTest>

using namespace e2e;

namespace {

constexpr quint8 Dash = 0;
constexpr quint8 AllData = 0, AllSensorData = 2, DashExtraSettingsData = 21;
constexpr quint8 AskResendPrevPacket = 15, VerifiedOk = 18, StartLineCalibration = 66;
constexpr int ShortBlock = 16588;
constexpr int SensorsAt = 2040, SensorsSize = 1920, SensorRecord = 60, WarningValueMaxAt = 34;

const QString Synced = QStringLiteral("Подключен и синхронизирован");

int dataFramesAt(const DeviceSimulator &sim)
{
    int n = 0;
    for (const SimFrame &f : sim.received())
        n += f.action == 0;
    return n;
}

} // namespace

class TestE2eDash : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }

    void syncedDashTakesOnlyTheChangedPart()
    {
        Rig r;
        // Nothing has run yet: the device is given the client's block before the first answer.
        r.sim.setDashBlock(storedDashBlock());
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 8000);
        QVERIFY(r.popUps.contains(QStringLiteral("есть связь")));
        QCOMPARE(r.popUps.count(Synced), 1);
        QCOMPARE(asked.count(), 0);
        QCOMPARE(r.kernel->deviceId(), 0);
        QCOMPARE(r.kernel->currFirmwareVersion(), QStringLiteral("S1.85"));
        QCOMPARE(r.kernel->ardixSerialNum(), r.sim.options().serial);

        // One warning threshold changes: only the sensors go out, and the device ends up with
        // exactly the client's block, confirmed by the sync check that follows the upload.
        r.sim.clearReceived();
        synced.clear();
        const QByteArray before = r.sim.dashBlock();
        TheSensorConfig *sensor = r.kernel->currentArdixSettings()->sensors().at(3);
        sensor->setWarningValueMax(quint16(sensor->warningValueMax() + 7));
        r.kernel->currentArdixSettings()->setSensorsHasChanges(true);
        r.kernel->applyNewArdixSettings();
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 6000);
        QCOMPARE(r.sim.framesOf(0, AllSensorData).size(), 1);
        QCOMPARE(dataFramesAt(r.sim), 1);
        const QByteArray after = r.sim.dashBlock();
        QCOMPARE(after, storedDashBlock());
        QVERIFY(after.mid(SensorsAt, SensorsSize) != before.mid(SensorsAt, SensorsSize));
        QCOMPARE(after.left(SensorsAt), before.left(SensorsAt));
        QCOMPARE(after.mid(SensorsAt + SensorsSize), before.mid(SensorsAt + SensorsSize));
        QCOMPARE(r.popUps.count(Synced), 2);
        // The check that confirmed it came after the upload and carried the local time.
        const QList<SimFrame> &in = r.sim.received();
        const auto upload = std::find_if(in.begin(), in.end(), [](const SimFrame &f) { return f.action == 0; });
        const auto check = std::find_if(upload, in.end(), [](const SimFrame &f) { return f.action == 1 && f.type == 4; });
        QVERIFY(check != in.end());
        const QDateTime now = QDateTime::currentDateTime();
        QVERIFY(qAbs(qint64(check->parameter) - (now.toSecsSinceEpoch() + now.offsetFromUtc())) < 10);

        // The start line the dash reports (55 degrees 45.12345 minutes) is applied and uploaded.
        QByteArray aux(64, '\0');
        qToLittleEndian<qint32>(554512345, aux.data());
        qToLittleEndian<qint32>(-374512345, aux.data() + 4);
        qToLittleEndian<qint32>(12345, aux.data() + 8);
        synced.clear();
        r.sim.send(deviceCommand(Dash, StartLineCalibration, 0, aux));
        QTRY_VERIFY_WITH_TIMEOUT(r.messages.contains(QStringLiteral("Настройки стартовой линии применены")), 3000);
        const GpsAccelerationMeasureSettings *gps =
            r.kernel->currentArdixSettings()->commonSettings()->gpsAccelerationMeasureSettings();
        QVERIFY2(qAbs(gps->startPointLat() - 55.7520575) < 1e-5, qPrintable(QString::number(gps->startPointLat(), 'f', 7)));
        QVERIFY2(qAbs(gps->startPointLon() + 37.7520575) < 1e-5, qPrintable(QString::number(gps->startPointLon(), 'f', 7)));
        QVERIFY(qAbs(gps->startPointCourse() - 123.45) < 1e-3);
        QVERIFY(!r.messages.contains(QStringLiteral("Не удалось распознать курс, калибровку нужно делать в движении!")));
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 6000);
        QCOMPARE(r.sim.dashBlock(), storedDashBlock());
    }

    void differentDashAsksOnceThenDownloads()
    {
        Rig r;
        // The device's sensor 3 warns one step lower than the client's.
        QByteArray deviceBlock = storedDashBlock();
        const int warningAt = SensorsAt + 3 * SensorRecord + WarningValueMaxAt;
        const quint16 clientWarning = qFromLittleEndian<quint16>(deviceBlock.constData() + warningAt);
        const quint16 deviceWarning = clientWarning > 0 ? clientWarning - 1 : 1;
        qToLittleEndian<quint16>(deviceWarning, deviceBlock.data() + warningAt);
        r.sim.setDashBlock(deviceBlock);
        QCOMPARE(r.kernel->currentArdixSettings()->sensors().at(3)->warningValueMax(), clientWarning);
        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QSignalSpy downloaded(r.kernel.get(), &ArdixKernel::newConfigDownloadedFromArdix);
        QTRY_VERIFY_WITH_TIMEOUT(asked.count() >= 1, 8000);
        QTest::qWait(2500); // a few keep-online rounds: the question is not repeated
        QCOMPARE(asked.count(), 1);
        QCOMPARE(asked.at(0).at(0).toBool(), false);
        QCOMPARE(synced.count(), 0);
        QVERIFY(!r.popUps.contains(Synced));

        r.kernel->sendToArdixQueue(1, 5, 0); // the user picks download
        QTRY_VERIFY_WITH_TIMEOUT(downloaded.count() >= 1 && synced.count() >= 1, 6000);
        QVERIFY(r.popUps.contains(QStringLiteral("все настройки загружены из ardix")));
        QCOMPARE(storedDashBlock().size(), deviceBlock.size());
        // Whatever the load corrects goes back up: both sides agree in the end.
        QTRY_COMPARE_WITH_TIMEOUT(storedDashBlock(), r.sim.dashBlock(), 4000);
        QCOMPARE(storedDashBlock().mid(SensorsAt, SensorsSize), deviceBlock.mid(SensorsAt, SensorsSize));
        QCOMPARE(r.kernel->currentArdixSettings()->sensors().at(3)->warningValueMax(), deviceWarning);
    }

    void shortBlockFromNewFirmwareGetsExtraSettings()
    {
        Rig r;
        r.sim.setDashBlock(storedDashBlock());
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 8000);

        // Firmware 1.85 sending a block without extra settings (as an old dash would).
        QByteArray shortBlock = r.sim.dashBlock().left(ShortBlock);
        shortBlock[SensorsAt + 20] = char(shortBlock[SensorsAt + 20] ^ 0x33);
        r.sim.setDashBlock(shortBlock + QByteArray(28876 - ShortBlock, '\0')); // no extra settings either
        r.sim.clearReceived();
        synced.clear();
        r.sim.send(deviceData(Dash, AllData, shortBlock));
        QTRY_COMPARE_WITH_TIMEOUT(r.sim.framesOf(0, DashExtraSettingsData).size(), 1, 4000);
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 6000);
        QCOMPARE(r.sim.dashBlock(), storedDashBlock());
        const QByteArray stored = storedDashBlock();
        QCOMPARE(stored.size(), 28876);
        QCOMPARE(qFromLittleEndian<quint32>(stored.constData() + ShortBlock), 0x70809000u);
        QCOMPARE(stored.mid(SensorsAt, SensorsSize), shortBlock.mid(SensorsAt, SensorsSize));
        QCOMPARE(r.sim.framesOf(0, AllData).size(), 0);
    }

    void oldFirmwareKnowsOnlyTheShortBlock()
    {
        SimOptions o;
        o.firmware = "S094"; // 0.94: no extra settings on this dash
        o.webPort = -1;
        Rig r(o);
        QByteArray deviceBlock = storedDashBlock().left(ShortBlock);
        deviceBlock[SensorsAt + 3 * SensorRecord + WarningValueMaxAt] ^= 0x01;
        r.sim.setDashBlock(deviceBlock);
        QObject::connect(r.kernel.get(), &ArdixKernel::showSyncDiaglog, r.kernel.get(),
                         [&r](bool) { r.kernel->applyNewArdixSettings(true); }, Qt::QueuedConnection);
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        // The whole upload is the short block, and the sync check covers just that much.
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 8000);
        QCOMPARE(r.sim.framesOf(0, AllData).size(), 1);
        QCOMPARE(r.sim.dashBlock(), storedDashBlock().left(ShortBlock));
        QCOMPARE(r.sim.framesOf(1, AskResendPrevPacket).size(), 0);

        // Extra settings alone cannot go to this dash: the user is told, nothing is sent.
        r.sim.clearReceived();
        r.kernel->currentArdixSettings()->setExtraSettingsHasChanges(true);
        r.kernel->applyNewArdixSettings();
        QTRY_VERIFY_WITH_TIMEOUT(r.messages.contains(QStringLiteral(
            "Версия прошивки Ardix устарела, новые настройки не будут применены.\n\nВам нужно выполнить обновление.")), 2000);
        QTest::qWait(1000);
        QCOMPARE(dataFramesAt(r.sim), 0);
    }

    void thirdResendRequestShowsItsMessage()
    {
        Rig r;
        QVERIFY(r.waitOnline());
        const QString ups303 = QStringLiteral("Упс #303\nчто-то идет не так\nпроверьте соответсвие версий \n"
                                              "возможно требуется обновление ");
        // Any other command in between starts the count again.
        r.sim.send(deviceCommand(Dash, AskResendPrevPacket, 2));
        r.sim.send(deviceCommand(Dash, AskResendPrevPacket, 2));
        r.sim.send(deviceCommand(Dash, VerifiedOk, 0));
        r.sim.send(deviceCommand(Dash, AskResendPrevPacket, 2));
        QTest::qWait(300);
        QCOMPARE(r.messages.count(ups303), 0);

        r.sim.send(deviceCommand(Dash, AskResendPrevPacket, 2));
        r.sim.send(deviceCommand(Dash, AskResendPrevPacket, 2));
        r.sim.send(deviceCommand(Dash, AskResendPrevPacket, 2));
        QTRY_COMPARE_WITH_TIMEOUT(r.messages.count(ups303), 1, 2000);
        QTest::qWait(1500);
        QCOMPARE(r.messages.count(ups303), 1);
        QCOMPARE(r.kernel->ardixStatus(), 1);
    }
};

QTEST_GUILESS_MAIN(TestE2eDash)
#include "tst_e2e_dash.moc"
