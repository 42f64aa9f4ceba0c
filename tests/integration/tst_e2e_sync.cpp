// Settings sync against a device that sends what it should not: blocks of the wrong size, a PDM
// block whose own checksum word is stale, stray log blocks, and a link that cannot be opened.
// The device's settings must survive, and a failure must never be announced as a success.
#include "E2eRig.h"

#include "settings/ArdixEnums.h"
#include "settings/pdm/PdmOtherSettings.h"
#include "simcore/SimFrame.h"

#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

using namespace e2e;

namespace {

constexpr quint8 DashSender = 0, PdmSender = 4;
constexpr quint8 AllData = 0, LogFileData = 7, PdmCommonSettings = 13;
constexpr quint8 KeepOnline = 0, GetSettings = 5, GetLogFilesList = 26, GetLogFile = 27;
constexpr quint8 LogPacketVerify = 29, LogPacketCrcBAD = 30;
constexpr int PdmBlockSize = 40960;
constexpr int PdmDeviceNameOffset = 84;
// Dash block: the common record starts at 5880; skinsSettings (24 bytes per skin) at +4, the
// skin's default mode is its byte 2; settingsVer at +268.
constexpr int DashSkin0DefaultMode = 5880 + 4 + 2;
constexpr int DashSettingsVer = 5880 + 268;

const QString NoConnection = QStringLiteral("нет связи c\nустройством");
const QString PdmLoaded = QStringLiteral("все настройки загружены из PDM");

SimOptions pdmOptions()
{
    SimOptions o;
    o.role = SimRole::Pdm;
    o.firmware = "P120";
    o.serial = 4711;
    o.webPort = -1;
    return o;
}

SimOptions dashOptions()
{
    SimOptions o;
    o.webPort = -1;
    return o;
}

int countOf(const QStringList &list, const QString &text)
{
    return int(list.count(text));
}

// The kernel's own dash block as a ".ardix7" file, changed by `edit` on the way.
QString dashFileWith(ArdixKernel &kernel, const QTemporaryDir &dir, const std::function<void(QByteArray &)> &edit)
{
    const QString path = dir.filePath(QStringLiteral("edited.ardix7"));
    kernel.exportFile(path, ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        return {};
    QByteArray block = qUncompress(in.readAll());
    in.close();
    edit(block);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return {};
    out.write(qCompress(block));
    return path;
}

// Frames of one kind the device got from index `fromIndex` of what it received.
int framesAfter(const QList<SimFrame> &in, quint8 action, quint8 type, int fromIndex)
{
    int n = 0;
    for (int i = fromIndex; i < in.size(); ++i)
        n += in[i].action == action && in[i].type == type;
    return n;
}

} // namespace

class TestE2eSync : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { setUpApplication(); }

    void pdmBlockWithAStaleWordIsKept()
    {
        Rig r(pdmOptions());
        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QSignalSpy downloaded(r.kernel.get(), &ArdixKernel::newConfigDownloadedFromArdix);
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 8000);

        // A name changed on the device without its word refreshed: the frame vouches for the bytes.
        QByteArray block = r.sim.pdmBlock();
        const QByteArray name("Device edit");
        block.replace(PdmDeviceNameOffset, name.size() + 1, name + '\0');
        QVERIFY(qFromLittleEndian<quint32>(block.constData()) != SimCodec::wordCrc(block.mid(4)));
        r.sim.clearReceived();
        r.sim.send(deviceData(PdmSender, PdmCommonSettings, block));
        QTRY_COMPARE_WITH_TIMEOUT(downloaded.count(), 1, 4000);
        QTest::qWait(1500); // a few queue ticks for an upload that must not happen

        QByteArray sealed = block;
        qToLittleEndian<quint32>(SimCodec::wordCrc(block.mid(4)), sealed.data());
        QCOMPARE(storedPdmBlock(), sealed);
        QCOMPARE(r.kernel->currentPdmSettings()->other()->deviceName(), QString::fromLatin1(name));
        QCOMPARE(r.sim.framesOf(0, PdmCommonSettings).size(), 0);
        QCOMPARE(countOf(r.popUps, PdmLoaded), 1);
    }

    void pdmDownloadIsHandledOnce()
    {
        Rig r(pdmOptions());
        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QSignalSpy downloaded(r.kernel.get(), &ArdixKernel::newConfigDownloadedFromArdix);
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 8000);
        synced.clear();

        r.kernel->sendToArdixQueue(1, GetSettings, 0);
        QTRY_COMPARE_WITH_TIMEOUT(downloaded.count(), 1, 4000);
        QTest::qWait(500);
        QCOMPARE(downloaded.count(), 1);
        QCOMPARE(synced.count(), 1);
        QCOMPARE(countOf(r.popUps, PdmLoaded), 1);
        QCOMPARE(storedPdmBlock(), r.sim.pdmBlock());
    }

    void wrongSizeSettingsBlockIsRefused_data()
    {
        QTest::addColumn<bool>("pdm");
        QTest::addColumn<int>("size");
        QTest::newRow("PDM, short") << true << PdmBlockSize - 4;
        QTest::newRow("PDM, long") << true << PdmBlockSize + 4;
        QTest::newRow("dash, between the two forms") << false << 20000;
        QTest::newRow("dash, longer than the full form") << false << 28876 + 4;
    }

    void wrongSizeSettingsBlockIsRefused()
    {
        QFETCH(bool, pdm);
        QFETCH(int, size);
        Rig r(pdm ? pdmOptions() : dashOptions());
        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 8000);
        QSignalSpy downloaded(r.kernel.get(), &ArdixKernel::newConfigDownloadedFromArdix);
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        const QByteArray storedBefore = pdm ? storedPdmBlock() : storedDashBlock();
        const int messagesBefore = int(r.messages.size());

        r.sim.send(pdm ? deviceData(PdmSender, PdmCommonSettings, QByteArray(size, char(0x5A)))
                       : deviceData(DashSender, AllData, QByteArray(size, char(0x5A))));
        QTRY_COMPARE_WITH_TIMEOUT(int(r.messages.size()), messagesBefore + 1, 4000);
        QTest::qWait(500);

        QCOMPARE(pdm ? storedPdmBlock() : storedDashBlock(), storedBefore);
        QCOMPARE(downloaded.count(), 0);
        QCOMPARE(synced.count(), 0);
        for (const QString &p : std::as_const(r.popUps))
            QVERIFY2(!p.startsWith(QStringLiteral("все настройки загружены")), qPrintable(p));
        QCOMPARE(r.kernel->ardixStatus(), 1);
    }

    void dashLoadNeverUploadsToAPdm()
    {
        QTemporaryDir dir;
        Rig r(pdmOptions());
        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 8000);
        r.sim.clearReceived();

        // A file that needs a correction on load, then an explicit full apply.
        const QString path = dashFileWith(*r.kernel, dir, [](QByteArray &b) { b[DashSettingsVer] = 0; });
        QVERIFY(!path.isEmpty());
        r.kernel->loadDataFromFile(path, ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType);
        r.kernel->applyNewArdixSettings(true);
        QTest::qWait(2000);

        QCOMPARE(quint8(storedDashBlock().at(DashSettingsVer)), quint8(1)); // the load did correct it
        for (const SimFrame &f : r.sim.received())
            QVERIFY2(f.action != 0, qPrintable(QStringLiteral("data frame %1 went to the PDM").arg(f.type)));
        QCOMPARE(r.kernel->ardixStatus(), 1);
    }

    void skinModeFromAFileSurvivesTheNextConnection()
    {
        QTemporaryDir dir;
        Rig r(dashOptions());
        QCOMPARE(r.kernel->ardixStatus(), 0); // nothing has run yet: the load happens offline
        QSignalSpy modeChanged(r.kernel.get(), &ArdixKernel::skinModeChanged);
        const QString path = dashFileWith(*r.kernel, dir, [](QByteArray &b) { b[DashSkin0DefaultMode] = 3; });
        QVERIFY(!path.isEmpty());
        r.kernel->loadDataFromFile(path, ArdixEnums::Device_Ardix7, ArdixEnums::Settings_FileType);
        QCOMPARE(r.kernel->curSkinMode(), 3);
        QCOMPARE(r.sim.skinMode(), quint8(0));

        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QTRY_VERIFY_WITH_TIMEOUT(asked.count() + synced.count() >= 1, 8000);
        QCOMPARE(r.kernel->curSkinMode(), 3);
        for (const QList<QVariant> &args : std::as_const(modeChanged))
            QCOMPARE(args.at(0).toInt(), 3);

        // Only that one answer is skipped: the next one is the device's again.
        r.kernel->sendToArdixQueue(1, 4, 0);
        QTRY_COMPARE_WITH_TIMEOUT(r.kernel->curSkinMode(), 0, 4000);
    }

    void noLogResumeAfterTheDownloadEnds()
    {
        SimOptions o = dashOptions();
        o.logCount = 1;
        o.logChunkSize = 2048;
        Rig r(o);
        QVERIFY(r.waitOnline());
        QSignalSpy listed(r.kernel.get(), &ArdixKernel::logsFileListUpdateSignal);
        QSignalSpy saved(r.kernel.get(), &ArdixKernel::localLogsFileListUpdateSignal);
        r.kernel->sendToArdixQueue(1, GetLogFilesList, 1);
        QTRY_VERIFY_WITH_TIMEOUT(listed.count() >= 1, 4000);

        // The first block stalls half-way: the client asks to go on, and gets the whole file.
        r.sim.faults().schedule(SimFault::Stall, 0, LogFileData);
        r.kernel->setLogNameToSave(QStringLiteral("stalled"));
        r.sim.clearReceived();
        r.kernel->sendToArdixQueue(1, GetLogFile, 0);
        QTRY_VERIFY_WITH_TIMEOUT(saved.count() >= 1, 40000);
        QVERIFY(r.sim.framesOf(1, LogPacketCrcBAD).size() >= 1);

        const int done = int(r.sim.received().size());
        QTest::qWait(2500);
        QCOMPARE(framesAfter(r.sim.received(), 1, LogPacketCrcBAD, done), 0);
        QVERIFY(framesAfter(r.sim.received(), 1, KeepOnline, done) >= 1);
        QVERIFY(r.messages.isEmpty());
    }

    void badLogBlockOutsideADownloadIsIgnored()
    {
        Rig r(dashOptions());
        QSignalSpy asked(r.kernel.get(), &ArdixKernel::showSyncDiaglog);
        QTRY_COMPARE_WITH_TIMEOUT(asked.count(), 1, 8000);
        r.sim.clearReceived();

        SimFrame stray = deviceData(DashSender, LogFileData, QByteArray(2048, char(0x33)), 2048);
        SimCodec::HeaderOptions bad;
        bad.corruptDataCrc = true;
        r.sim.sendRaw(SimCodec::frame(stray, true, bad));
        QTest::qWait(3000);

        // The link goes on as before: nothing asked for, the queue moving (a loaded machine may take
        // a moment longer for the second keep-alive).
        QTRY_VERIFY_WITH_TIMEOUT(r.sim.framesOf(1, KeepOnline).size() >= 2, 6000);
        QCOMPARE(r.sim.framesOf(1, LogPacketCrcBAD).size(), 0);
        QVERIFY(r.messages.isEmpty());
        QCOMPARE(r.kernel->ardixStatus(), 1);
    }

    void refusedConnectionIsAnnouncedOnlyAFewTimes()
    {
        QSettings().clear();
        QTcpServer probe;
        QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
        const quint16 port = probe.serverPort();
        probe.close(); // nothing listens there now: every dial is refused at once
        qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
        qputenv("ARDIX_DEVICE_PORT", QByteArray::number(port));
        ArdixKernel kernel;
        QStringList popUps;
        QObject::connect(&kernel, &ArdixKernel::popUpSignal, [&](const QString &t) { popUps.append(t); });

        for (int i = 0; i < 16; ++i) {
            kernel.wifi_keepOnlineTimeout();
            QTest::qWait(80);
        }
        QVERIFY2(countOf(popUps, NoConnection) >= 1, qPrintable(popUps.join(QLatin1Char('|'))));
        // Seven refusals and the seventh search attempt at most.
        QVERIFY2(countOf(popUps, NoConnection) <= 8, qPrintable(QString::number(countOf(popUps, NoConnection))));

        // After a connection has been made, a loss is reported again.
        QTcpServer device;
        QVERIFY(device.listen(QHostAddress::LocalHost, port));
        QTRY_VERIFY_WITH_TIMEOUT(device.hasPendingConnections(), 4000); // the next keep-online tick
        QTcpSocket *peer = device.nextPendingConnection();
        QVERIFY(peer);
        device.close();
        popUps.clear();
        peer->abort();
        for (int i = 0; i < 4; ++i) {
            kernel.wifi_keepOnlineTimeout();
            QTest::qWait(80);
        }
        QVERIFY2(countOf(popUps, NoConnection) >= 1, qPrintable(popUps.join(QLatin1Char('|'))));
    }
};

QTEST_GUILESS_MAIN(TestE2eSync)
#include "tst_e2e_sync.moc"
