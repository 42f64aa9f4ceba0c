// Flashing against boot loaders as strict as the devices: success only when the device holds the
// whole file, no count carried from one run into the next, no damaged file sent, no frame in the
// packet stream, and an ending for every silence.
#include "FlashRig.h"

#include "link/flash/FlashTexts.h"
#include "settings/ArdixEnums.h"
#include "simcore/device/SimBootLoader.h"

#include <QCoreApplication>

using flashtest::Rig;

namespace {
const QString kSuccess = QString::fromUtf8(FlashText::Success);
const QString kFailed = QString::fromUtf8(FlashText::Failed);
const QString kWriteError = QString::fromUtf8(FlashText::OtherDashError);

SimOptions dashBoot(bool flashReady, QList<FlashFault> faults = {})
{
    SimOptions o;
    o.role = SimRole::DashBoot;
    o.bootSaysFlashReady = flashReady;
    o.flashFaults = faults;
    o.bootPacketTimeoutMs = 300;
    return o;
}

bool waitForEnd(Rig &rig, int ms)
{
    return rig.waitFor([&] { return !rig.messages.isEmpty(); }, ms);
}

// Whatever the ending, it must agree with what the device holds.
void checkOutcome(Rig &rig, const QString &expected)
{
    QCOMPARE(rig.messages.first(), expected);
    QCOMPARE(rig.progressValues().last(), 100u);
    if (expected == kSuccess) {
        QCOMPARE(rig.deviceHeldImageAtSuccess, QList<bool>{true});
        QVERIFY(rig.waitFor([&] { return rig.sim.firmwareText() == "S186"; }, 5000));
    } else {
        QTest::qWait(300);
        QCOMPARE(rig.successes(), 0);
        QCOMPARE(rig.sim.firmwareText(), QByteArray("S185"));
    }
}
} // namespace

class TstFlashStrict : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
        QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    }

    // Runs of an eight-packet file into the dash boot loader, with and without FLASHREADY (the
    // boot-wait path), broken off and started again in the ways a device does it. Each row gives
    // the ending and the connections the run took (a re-dial adds one).
    void runsStartFromNothing_data()
    {
        QTest::addColumn<bool>("flashReady");
        QTest::addColumn<QList<FlashFault>>("faults");
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("connections");
        using F = FlashFault;
        // Packets 0-4 in, five TIMEOUT:5, a re-dial; then the device takes 0-2 and gives up.
        const QList<F> reported{{F::Drop, 5, 5, 0}, {F::Abort, 3, 1, 0}};
        for (bool ready : {false, true}) {
            const char *path = ready ? "flashready" : "boot wait";
            QTest::addRow("%s: five timeouts, re-dial, three packets, error", path) << ready << reported << kWriteError << 2;
            QTest::addRow("%s: five timeouts, re-dial, whole file", path)
                << ready << QList<F>{{F::Drop, 5, 5, 0}} << kSuccess << 2;
            QTest::addRow("%s: four timeouts, no re-dial", path) << ready << QList<F>{{F::Drop, 5, 4, 0}} << kSuccess << 1;
            QTest::addRow("%s: disconnect at packet 5, whole file", path)
                << ready << QList<F>{{F::Disconnect, 5, 1, 0}} << kSuccess << 2;
        }
        // A device that times out after every re-dial is given up after the third.
        QTest::newRow("timeouts for ever") << true << QList<F>{{F::Drop, 2, 1000, 0}} << kFailed << 4;
    }
    void runsStartFromNothing()
    {
        QFETCH(bool, flashReady);
        QFETCH(QList<FlashFault>, faults);
        QFETCH(QString, text);
        QFETCH(int, connections);
        Rig rig(dashBoot(flashReady, faults), "S186", 8);
        QSignalSpy connected(&rig.sim, &DeviceSimulator::clientConnected);
        rig.kernel->flashFirmware(rig.fileName);
        QVERIFY(waitForEnd(rig, 60000));
        // Counted at the ending: a failure after re-dials may have dialled once more.
        const qsizetype seen = connected.size();
        checkOutcome(rig, text);
        if (text == kFailed)
            QVERIFY2(seen == connections || seen == connections + 1, QByteArray::number(seen));
        else
            QCOMPARE(seen, connections);
        QCOMPARE(rig.sim.rejectedPackets(), 0);
    }

    // After an error the user tries again: the second run counts from nothing.
    void errorThenAgain()
    {
        Rig rig(dashBoot(false, {{FlashFault::Abort, 4, 1, 0}}), "S186", 8);
        rig.kernel->flashFirmware(rig.fileName);
        QVERIFY(waitForEnd(rig, 30000));
        checkOutcome(rig, kWriteError);

        rig.messages.clear();
        rig.kernel->flashFirmware(rig.fileName);
        rig.sim.dropClient(); // the device restarts into its boot loader
        QVERIFY(waitForEnd(rig, 30000));
        checkOutcome(rig, kSuccess);
    }

    // The name carries the file's MD5: a file that does not match is refused before the device
    // is asked to take anything.
    void damagedFileIsRefused_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("damage");
        for (SimRole role : {SimRole::Pdm, SimRole::DashBoot}) {
            const char *name = role == SimRole::Pdm ? "pdm" : "dash boot loader";
            QTest::addRow("%s: truncated", name) << int(role) << QStringLiteral("truncate");
            QTest::addRow("%s: one byte changed", name) << int(role) << QStringLiteral("flip");
        }
    }
    void damagedFileIsRefused()
    {
        QFETCH(int, role);
        QFETCH(QString, damage);
        SimOptions o;
        o.role = SimRole(role);
        Rig rig(o);
        QByteArray bytes = rig.image;
        if (damage == QLatin1String("truncate"))
            bytes.chop(4096);
        else
            bytes[bytes.size() / 2] = char(bytes.at(bytes.size() / 2) ^ 0x01);
        QFile f(FirmwareCatalog::localFolder() + rig.fileName);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(bytes);
        f.close();

        const int ready = o.role == SimRole::Pdm ? ArdixEnums::ardixOnline : ArdixEnums::ardixBootOnline;
        QVERIFY(rig.waitFor([&] { return rig.kernel->ardixStatus() == ready; }, 8000));
        rig.kernel->flashFirmware(rig.fileName);
        QCOMPARE(rig.messages, QStringList{QString::fromUtf8(FlashText::DamagedFile)});
        QTest::qWait(1500);
        QVERIFY(rig.sim.framesOf(1, ArdixEnums::PrepareToFlash).isEmpty());
        QVERIFY(!rig.trace.join(QLatin1Char('\n')).contains(QLatin1String("FLASH")));
        QCOMPARE(rig.kernel->ardixStatus(), ready);
    }

    // A file damaged before it was named (its MD5 is its own) passes the client's check; the
    // device verifies the whole image before it confirms the last packet and refuses it.
    void imageFailingItsOwnCheck_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<QString>("text");
        QTest::newRow("dash") << int(SimRole::DashBoot) << kWriteError;
        QTest::newRow("pdm") << int(SimRole::PdmBoot) << QString::fromUtf8(FlashText::BadFirmware);
    }
    void imageFailingItsOwnCheck()
    {
        QFETCH(int, role);
        QFETCH(QString, text);
        SimOptions o = dashBoot(true);
        o.role = SimRole(role);
        Rig rig(o);
        QByteArray damaged = rig.image;
        damaged[damaged.size() - 10] = char(damaged.at(damaged.size() - 10) ^ 0x01);
        const QString name = SimFirmwareServer::fileName(flashtest::kindOf(o.role), "S186", damaged);
        QFile f(FirmwareCatalog::localFolder() + name);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(damaged);
        f.close();
        rig.sim.setExpectedFirmware(damaged);

        rig.kernel->flashFirmware(name);
        QVERIFY(waitForEnd(rig, 30000));
        QFile::remove(f.fileName());
        checkOutcome(rig, text);
        QVERIFY(rig.sim.firmwareReceived().isEmpty());
    }

    // Boot-loader lines that reach the client in two reads are each read once and whole.
    void linesSplitAcrossReads()
    {
        SimOptions o = dashBoot(true);
        o.bootLineSplitMs = 30;
        Rig rig(o);
        rig.kernel->flashFirmware(rig.fileName);
        QVERIFY(waitForEnd(rig, 30000));
        checkOutcome(rig, kSuccess);
        QCOMPARE(rig.sim.rejectedPackets(), 0);
    }

    // The queue's KeepOnline of a fresh connection goes out on the next 400 ms tick: by then the
    // packets flow, and one frame among them would shift every byte the device counts.
    void noFrameAmongPackets_data()
    {
        QTest::addColumn<bool>("flashReady");
        QTest::addColumn<QList<FlashFault>>("faults");
        QTest::newRow("first connection") << true << QList<FlashFault>{};
        QTest::newRow("after a re-dial") << true << QList<FlashFault>{{FlashFault::Drop, 1, 5, 0}};
        QTest::newRow("boot wait, after a disconnect") << false << QList<FlashFault>{{FlashFault::Disconnect, 2, 1, 0}};
    }
    void noFrameAmongPackets()
    {
        QFETCH(bool, flashReady);
        QFETCH(QList<FlashFault>, faults);
        SimOptions o = dashBoot(flashReady, faults);
        o.bootAnswerDelayMs = 150; // the run outlasts a queue tick
        Rig rig(o, "S186", 6);
        rig.kernel->flashFirmware(rig.fileName);
        // A shifted stream never realigns: stop at the first packet the device refuses.
        QVERIFY(rig.waitFor([&] { return !rig.messages.isEmpty() || rig.sim.rejectedPackets() > 0; }, 40000));
        QCOMPARE(rig.sim.rejectedPackets(), 0);
        checkOutcome(rig, kSuccess);
    }

    // The dash boot loader names the device by the same serial hash its application sends: the
    // catalogue asks the server for this device's files by it.
    void bootLoaderSerialHashIsTheDevicesHash()
    {
        SimFirmwareServer server;
        QVERIFY(server.listen(0));
        qputenv("ARDIX_FIRMWARE_URL", "http://127.0.0.1:" + QByteArray::number(server.port()) + "/firmware/");
        SimOptions o = dashBoot(true);
        Rig rig(o);
        qputenv("ARDIX_FIRMWARE_URL", "http://127.0.0.1:9/firmware/");
        QVERIFY(rig.waitFor([&] { return rig.kernel->ardixStatus() == ArdixEnums::ardixBootOnline; }, 8000));

        const auto catalogueRequest = [&]() -> QByteArray {
            for (const QByteArray &r : server.requests())
                if (r.contains("listFirmwares"))
                    return r;
            return {};
        };
        QElapsedTimer asked;
        QVERIFY(rig.waitFor([&] {
            if (!asked.isValid() || asked.elapsed() > 300) {
                rig.kernel->webServerFileListRequest();
                asked.start();
            }
            return !catalogueRequest().isEmpty();
        }, 8000));
        QVERIFY2(catalogueRequest().contains("serial=" + SimBootLoader::serialHash(o.serial) + "&"), catalogueRequest());
    }

    // A boot loader that goes silent after the request to flash ends the run with a message
    // (watchdog), on every path, instead of leaving the progress where it was.
    void silentBootLoaderEnds_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<bool>("flashReady");
        QTest::newRow("dash, boot wait") << int(SimRole::DashBoot) << false;
        QTest::newRow("dash, flashready") << int(SimRole::DashBoot) << true;
        QTest::newRow("pdm") << int(SimRole::PdmBoot) << true;
    }
    void silentBootLoaderEnds()
    {
        QFETCH(int, role);
        QFETCH(bool, flashReady);
        SimOptions o = dashBoot(flashReady, {{FlashFault::Mute, 0, 1, 0}});
        o.role = SimRole(role);
        Rig rig(o);
        rig.kernel->flashFirmware(rig.fileName);
        QVERIFY(waitForEnd(rig, 30000));
        checkOutcome(rig, kFailed);
        QVERIFY(rig.kernel->ardixStatus() != ArdixEnums::ardixReflash);
    }
};

QTEST_MAIN(TstFlashStrict)
#include "tst_flash_strict.moc"
