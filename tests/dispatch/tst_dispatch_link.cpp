// The dispatcher wired to the real link against the in-process fake dash over loopback: the
// start-of-link handshake and one log download with a block out of order, end to end.

#include "FakePorts.h"

#include "link/DeviceLink.h"
#include "link/dispatch/DeviceLinkPort.h"
#include "settings/ArdixEnums.h"
#include "simcore/SimPeer.h"

#include <QFile>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

using namespace ArdixEnums;

namespace {
constexpr quint32 kS185 = 'S' | ('1' << 8) | ('8' << 16) | ('5' << 24);
constexpr quint32 kSerial = 4242;
constexpr qsizetype kPiece = 900;

// A dash that identifies itself, says the settings agree, and serves one log whose third block
// overtakes the second the first time round.
struct FakeDashDevice
{
    QByteArray log;
    bool swapped = false;

    void sendBlock(SimPeer &peer, qsizetype at) const
    {
        const QByteArray block = log.mid(at, kPiece);
        peer.sendData(LogFileData, block, 0, quint32(at + block.size()));
    }
    void sendFrom(SimPeer &peer, qsizetype at) const
    {
        for (; at < log.size(); at += kPiece)
            sendBlock(peer, at);
    }
    void answer(SimPeer &peer, const SimFrame &f)
    {
        if (f.action != 1)
            return;
        switch (f.type) {
        case KeepOnline:
            peer.sendCommand(KeepOnline, kS185, 0, f.parameter1);
            break;
        case SerialHashRequest: {
            SimFrame serial;
            serial.action = 0;
            serial.type = ArdixSerialNumData;
            serial.parameter = kSerial;
            serial.parameter1 = 4;
            serial.data = QByteArray(64, char(0xC3));
            peer.sendRaw(SimCodec::frame(serial, true));
            break;
        }
        case CheckSettingsSync:
            peer.sendCommand(CheckSettingsSync, 1, 0, 255);
            break;
        case GetLogFile:
            peer.sendCommand(GetLogFile, quint32(log.size()));
            sendBlock(peer, 0);
            sendBlock(peer, 2 * kPiece);
            swapped = true;
            break;
        case LogPacketCrcBAD:
            sendFrom(peer, qsizetype(f.parameter));
            break;
        default:
            break;
        }
    }
};
} // namespace

class TstDispatchLink : public QObject
{
    Q_OBJECT
private slots:
    void handshakeAndLogDownload();
    void skinModeFromFileHoldsUntilTheLinkDrops();
};

void TstDispatchLink::handshakeAndLogDownload()
{
    FakeDashDevice device;
    QByteArray body(30000, '\0');
    QRandomGenerator rng(11);
    for (auto &c : body)
        c = char(rng.bounded(32));
    device.log = qCompress(body);
    QVERIFY(device.log.size() > 3 * kPiece);

    SimPeer peer;
    QVERIFY(peer.listen());
    peer.setResponder([&device](SimPeer &p, const SimFrame &f) { device.answer(p, f); });

    ZeroImageProvider images;
    DeviceLink link(QStringLiteral("127.0.0.1"), peer.port());
    link.setImageProvider(&images);
    DeviceLinkPort linkPort(link);
    FakeDash dash;
    FakePdm pdm;
    FakeStore store;
    FakeLogs logs;
    MessageDispatcher dispatcher({linkPort, dash, pdm, store, logs});
    connectDispatcherToLink(link, dispatcher);
    QSignalSpy synced(&dispatcher, &MessageDispatcher::syncCompletedSignal);
    QSignalSpy saved(&dispatcher, &MessageDispatcher::localLogsFileListUpdateSignal);

    link.start();
    // A second KeepOnline answer may ask for the serial twice; one sync is what counts.
    QTRY_VERIFY_WITH_TIMEOUT(synced.size() >= 1, 8000);
    QCOMPARE(link.ardixStatus(), int(ardixOnline));
    QVERIFY(link.isSynced());
    QCOMPARE(dispatcher.currFirmwareVersion(), QStringLiteral("S1.85"));
    QCOMPARE(dispatcher.serialHash(), QStringLiteral("C3").repeated(64));
    QCOMPARE(dispatcher.ardixSerialNum(), kSerial);
    QCOMPARE(dispatcher.ardixBoardVer(), 4u);

    dispatcher.setLogNameToSave(QStringLiteral("track day"));
    link.sendToArdixQueue(CommandMessage, GetLogFile, 0);
    QTRY_COMPARE_WITH_TIMEOUT(saved.size(), 1, 8000);
    QVERIFY(device.swapped);
    QFile file(logs.localLogsDirectory() + QStringLiteral("track day.elog"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), device.log);

    // The overtaking block made the client ask to go on from the first block's end.
    const QList<SimFrame> resumes = peer.framesOf(1, LogPacketCrcBAD);
    QVERIFY(!resumes.isEmpty());
    QCOMPARE(resumes.first().parameter, quint32(kPiece));
    QCOMPARE(peer.framesOf(1, LogPacketVerify).last().parameter, quint32(device.log.size()));
    QVERIFY(!link.logDataTimer()->isActive());
}

// The mode a loaded file chose waits for the device's next sync answer across a connection, and
// is forgotten when an online link is lost.
void TstDispatchLink::skinModeFromFileHoldsUntilTheLinkDrops()
{
    DeviceLink link(QStringLiteral("127.0.0.1"), 1); // never dialled here
    Rig rig;
    connectDispatcherToLink(link, *rig.d);
    rig.d->setSkinModeFromFile(true);
    link.setArdixStatus(ardixOnline);
    QVERIFY(rig.d->skinModeFromFile());
    link.setArdixStatus(ardixOffline);
    QVERIFY(!rig.d->skinModeFromFile());

    rig.d->setSkinModeFromFile(true);
    link.setArdixStatus(ardixOnline);
    rig.command(CheckSettingsSync, 1, 3);
    QCOMPARE(rig.dash.skinMode, 0);
    QVERIFY(!rig.d->skinModeFromFile());
}

QTEST_GUILESS_MAIN(TstDispatchLink)
#include "tst_dispatch_link.moc"
