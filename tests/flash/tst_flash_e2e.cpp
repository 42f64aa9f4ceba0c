// Flashing end to end: the real kernel against the simulated dash and PDM and their boot loaders.
#include "FlashRig.h"

#include "link/flash/FlashTexts.h"
#include "settings/ArdixEnums.h"

#include <QCoreApplication>
#include <QScopeGuard>

using flashtest::Rig;

namespace {
const QString kSuccess = QString::fromUtf8(flashtest::Success);

SimOptions bootLoader(SimRole role, QList<FlashFault> faults = {})
{
    SimOptions o;
    o.role = role;
    o.flashFaults = faults;
    o.bootPacketTimeoutMs = 300;
    return o;
}

// Flashing ends in a message either way; waits for the first one.
bool waitForEnd(Rig &rig, int ms = 30000)
{
    return rig.waitFor([&] { return !rig.messages.isEmpty(); }, ms);
}

// After a failed run, the same file goes in on the next try.
void flashAgainSucceeds(Rig &rig)
{
    rig.sim.setFlashFaults({});
    rig.messages.clear();
    rig.kernel->flashFirmware(rig.fileName);
    rig.sim.dropClient();
    QVERIFY2(rig.waitFor([&] { return rig.successes() == 1; }, 30000), "the second flash did not succeed");
    QVERIFY(rig.waitFor([&] { return rig.sim.firmwareText() == "S186"; }, 5000));
    QCOMPARE(rig.sim.firmwareReceived(), rig.image);
}
} // namespace

class TstFlashE2e : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
        QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    }

    // From the running application: it restarts into its boot loader, takes the file with
    // progress, restarts into the new firmware, and the client reads the new version.
    void fromApplication_data()
    {
        QTest::addColumn<int>("role");
        QTest::newRow("dash") << int(SimRole::Dash);
        QTest::newRow("pdm") << int(SimRole::Pdm);
    }
    void fromApplication()
    {
        QFETCH(int, role);
        SimOptions o;
        o.role = SimRole(role);
        Rig rig(o);
        QVERIFY(rig.waitFor([&] { return rig.kernel->ardixStatus() == ArdixEnums::ardixOnline; }, 8000));
        rig.kernel->flashFirmware(rig.fileName);

        QVERIFY2(rig.waitFor([&] { return rig.successes() == 1; }, 30000), "no success message");
        QCOMPARE(rig.sim.firmwareReceived(), rig.image);
        QCOMPARE(rig.sim.packetMismatches(), 0);
        const QList<uint> p = rig.progressValues();
        QVERIFY(p.contains(1u));
        QCOMPARE(p.last(), 100u);
        QVERIFY(std::any_of(p.begin(), p.end(), [](uint v) { return v > 1 && v < 100; }));

        const bool pdm = SimRole(role) == SimRole::Pdm;
        QVERIFY(rig.waitFor([&] {
            return (pdm ? rig.kernel->pdmCurrFirmwareVersion() : rig.kernel->currFirmwareVersion()) == QLatin1String("S1.86")
                   && rig.kernel->ardixStatus() == ArdixEnums::ardixOnline;
        }, 10000));
    }

    // Each boot loader fault ends in the expected text; recoverable ones end in success.
    void faults_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("packet");
        QTest::addColumn<int>("times");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("text");
        const int dash = int(SimRole::DashBoot), pdm = int(SimRole::PdmBoot);
        const auto t = [](const char *s) { return QString::fromUtf8(s); };
        QTest::newRow("dash: corrupt packet 2 three times") << dash << int(FlashFault::Corrupt) << 2 << 3 << 0 << kSuccess;
        QTest::newRow("dash: wrong device") << dash << int(FlashFault::WrongDevice) << 0 << 1 << 0
                                            << t("ОШИБКА, данная прошивка предназначена для другого устройства");
        QTest::newRow("dash: write error") << dash << int(FlashFault::Abort) << 1 << 1 << 0
                                           << t("ОШИБКА, при использовании WiFi рабочая дистанция ограничена, а также возможно файл поврежден");
        QTest::newRow("pdm: fifth timeout") << pdm << int(FlashFault::Drop) << 1 << 5 << 0
                                            << t("ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала. При использовании WiFi рабочая дистанция ограничена");
        QTest::newRow("pdm: four timeouts") << pdm << int(FlashFault::Drop) << 1 << 4 << 0 << kSuccess;
        QTest::newRow("pdm: abort") << pdm << int(FlashFault::Abort) << 2 << 1 << 0
                                    << t("ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала. При использовании WiFi рабочая дистанция ограничена!");
        QTest::newRow("pdm: wrong serial") << pdm << int(FlashFault::WrongDevice) << 0 << 1 << 0
                                           << t("ОШИБКА, данная прошивка предназначена для другого устройства, серийный номер не совпадает!");
        QTest::newRow("pdm: settings size") << pdm << int(FlashFault::DeviceError) << 1 << 1 << 4
                                            << t("ОШИБКА, размер настроек не соответствует версии, обновите прошивку и клиентское приложение!");
        QTest::newRow("pdm: unknown error") << pdm << int(FlashFault::DeviceError) << 1 << 1 << 9
                                            << t("ОШИБКА, при использовании WiFi рабочая дистанция ограничена, а также возможно файл поврежден!");
        QTest::newRow("pdm: silent device, watchdog") << pdm << int(FlashFault::Silence) << 1 << 1 << 0
                                                      << t("ОШИБКА, что-то пошло не так. Попробуйте отключить питание, закрыть приложение и попробовать все сначала. При использовании WiFi рабочая дистанция ограничена");
    }
    void faults()
    {
        QFETCH(int, role);
        QFETCH(int, kind);
        QFETCH(int, packet);
        QFETCH(int, times);
        QFETCH(int, code);
        QFETCH(QString, text);
        Rig rig(bootLoader(SimRole(role), {FlashFault{FlashFault::Kind(kind), packet, times, code}}));
        rig.kernel->flashFirmware(rig.fileName);
        QVERIFY(waitForEnd(rig));
        QCOMPARE(rig.messages.first(), text);
        QCOMPARE(rig.progressValues().last(), 100u);
        if (text == kSuccess) {
            QVERIFY(rig.waitFor([&] { return rig.sim.firmwareText() == "S186"; }, 5000));
            return;
        }
        QTest::qWait(300);
        QCOMPARE(rig.successes(), 0);
        QCOMPARE(rig.sim.firmwareText(), QByteArray("S185"));
        flashAgainSucceeds(rig);
    }

    // Interrupting the run at every packet in turn: success is claimed exactly when the device
    // holds the whole file and runs it; the device never reports a new version otherwise.
    void sweep_data()
    {
        QTest::addColumn<int>("role");
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("packet");
        const struct { const char *name; FlashFault::Kind kind; } kinds[] = {
            {"drop", FlashFault::Drop}, {"corrupt", FlashFault::Corrupt},
            {"disconnect", FlashFault::Disconnect}, {"abort", FlashFault::Abort},
        };
        for (SimRole role : {SimRole::DashBoot, SimRole::PdmBoot})
            for (const auto &k : kinds)
                for (int packet = 0; packet < 3; ++packet)
                    QTest::addRow("%s %s at %d", role == SimRole::DashBoot ? "dash" : "pdm", k.name, packet)
                        << int(role) << int(k.kind) << packet;
    }
    void sweep()
    {
        QFETCH(int, role);
        QFETCH(int, kind);
        QFETCH(int, packet);
        Rig rig(bootLoader(SimRole(role), {FlashFault{FlashFault::Kind(kind), packet, 1, 0}}));
        rig.kernel->flashFirmware(rig.fileName);
        QVERIFY(waitForEnd(rig));
        QTest::qWait(200);

        const bool succeeded = rig.successes() == 1;
        QVERIFY(rig.successes() <= 1);
        QCOMPARE(rig.sim.packetMismatches(), 0);
        if (succeeded) {
            QVERIFY(rig.waitFor([&] { return rig.sim.firmwareText() == "S186"; }, 5000));
            QCOMPARE(rig.sim.firmwareReceived(), rig.image);
        } else {
            QCOMPARE(FlashFault::Kind(kind), FlashFault::Abort);
            QCOMPARE(rig.sim.firmwareText(), QByteArray("S185"));
            QVERIFY(rig.sim.firmwareReceived().isEmpty());
            flashAgainSucceeds(rig);
        }
    }

    // Only an intact file of the firmware folder is flashed: anything else is refused before the
    // device is asked to take anything.
    void unusableFilesAreRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("message");
        QTest::newRow("missing") << "firmware_S1.99_1_2024-01-01_00_x.bin" << QString::fromUtf8(FlashText::NoFile);
        QTest::newRow("path out of the folder") << "../outside.bin" << QString::fromUtf8(FlashText::NoFile);
        QTest::newRow("a folder") << "folder.bin" << QString::fromUtf8(FlashText::NoFile);
    }
    void unusableFilesAreRefused()
    {
        QFETCH(QString, name);
        QFETCH(QString, message);
        SimOptions o;
        o.role = SimRole::Pdm;
        Rig rig(o);
        QVERIFY(rig.waitFor([&] { return rig.kernel->ardixStatus() == ArdixEnums::ardixOnline; }, 8000));
        // Both would flash if the name were taken as a path: a good image beside the folder, and a folder.
        const QString folder = FirmwareCatalog::localFolder();
        QVERIFY(QFile::copy(folder + rig.fileName, folder + QStringLiteral("../outside.bin")));
        QVERIFY(QDir(folder).mkpath(QStringLiteral("folder.bin")));
        const auto tidy = qScopeGuard([&] {
            QFile::remove(folder + QStringLiteral("../outside.bin"));
            QDir(folder).rmdir(QStringLiteral("folder.bin"));
        });
        rig.kernel->flashFirmware(name);
        QCOMPARE(rig.messages, QStringList{message});
        QTest::qWait(1500);
        QVERIFY(rig.sim.framesOf(1, ArdixEnums::PrepareToFlash).isEmpty());
        QVERIFY(!rig.sim.inBootLoader());
    }
};

QTEST_MAIN(TstFlashE2e)
#include "tst_flash_e2e.moc"
