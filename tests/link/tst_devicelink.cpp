// The link against the in-process fake device over loopback, with the real timer intervals.
// Kept to the behaviours only a live connection shows.

#include "link/DeviceLink.h"
#include "simcore/SimPeer.h"

#include <QSettings>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTimer>
#include <QtTest>

#include <memory>

using namespace LinkConst;

namespace {

struct LogBytes
{
    quint32 value = 0;
};

struct Rig
{
    SimPeer peer;
    ZeroImageProvider images;
    std::unique_ptr<DeviceLink> link;
    std::unique_ptr<QSignalSpy> popUps;
    SimPeer::Responder device;

    bool listen(quint8 sender = Device_Ardix7)
    {
        if (!peer.listen())
            return false;
        device = SimPeer::deviceResponder("S185", sender);
        peer.setResponder(device);
        link = std::make_unique<DeviceLink>(QStringLiteral("127.0.0.1"), peer.port());
        link->setImageProvider(&images);
        popUps = std::make_unique<QSignalSpy>(link.get(), &DeviceLink::popUpSignal);
        return true;
    }
    QStringList popUpTexts() const
    {
        QStringList out;
        for (const auto &args : *popUps)
            out << args.at(0).toString();
        return out;
    }
};

#define BRING_ONLINE(rig, sender)                                                                  \
    do {                                                                                           \
        QVERIFY((rig).listen(sender));                                                             \
        (rig).link->start();                                                                       \
        QTRY_COMPARE_WITH_TIMEOUT((rig).link->ardixStatus(), int(ardixOnline), 3000);              \
    } while (false)

QByteArray pattern(int n)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char(i * 13 + 1);
    return b;
}

} // namespace

class TstDeviceLink : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void dialsAndKeepsOnlineOncePerSecond();
    void onlineOnlyAfterAnswer_offlineAtOnceAfterDisconnect();
    void queueDedupAndKeepOnlineNeverBehindWork();
    void queueRulesForBusyAndReply_data();
    void queueRulesForBusyAndReply();
    void framesDroppedWhileOffline();
    void dashUploadFollowedByCheckSettingsSync();
    void queueFrozenWhileLogDataTimerRuns();
    void resendPolicy_data();
    void resendPolicy();
    void twentyOneBadHeadersCloseTheLink();
    void checkOnlineDeclaresLoss();
    void dialAttemptsAndTeachDialog();
};

void TstDeviceLink::dialsAndKeepsOnlineOncePerSecond()
{
    Rig rig;
    rig.images.m_skinMode = 2;
    BRING_ONLINE(rig, Device_Ardix7);
    QCOMPARE(rig.link->deviceId(), int(Device_Ardix7));
    QCOMPARE(rig.peer.connections(), 1);

    // The tick queues KeepOnline; the queue sends it on its next 400 ms tick and that send
    // restarts the tick, so an idle link sends one every 1.0 to 1.4 s.
    rig.peer.clearReceived();
    QTest::qWait(4600);
    const QList<SimPeer::Received> got = rig.peer.received();
    QVERIFY2(got.size() >= 3 && got.size() <= 5, qPrintable(QString::number(got.size())));
    for (int i = 0; i < got.size(); ++i) {
        QCOMPARE(got[i].frame.action, quint8(1));
        QCOMPARE(got[i].frame.type, quint8(KeepOnline));
        QCOMPARE(got[i].frame.sender, quint8(Device_ArdixClient));
        QCOMPARE(got[i].frame.parameter, quint32(ardixOnline));
        QCOMPARE(got[i].frame.parameter1, quint8(2));
        if (i > 0) {
            const qint64 gap = got[i].atMs - got[i - 1].atMs;
            QVERIFY2(gap >= 900 && gap <= 1700, qPrintable(QString::number(gap)));
        }
    }
}

void TstDeviceLink::onlineOnlyAfterAnswer_offlineAtOnceAfterDisconnect()
{
    Rig rig;
    QVERIFY(rig.listen(Device_Pmx));
    rig.peer.setSilent(true);
    QSignalSpy statusSpy(rig.link.get(), &DeviceLink::ardixStatusChanged);
    rig.link->start();

    // Connected and sending KeepOnline, but no answer: still offline.
    QTRY_VERIFY_WITH_TIMEOUT(rig.peer.count(1, KeepOnline) >= 2, 3000);
    QCOMPARE(rig.link->ardixStatus(), int(ardixOffline));
    QCOMPARE(rig.peer.framesOf(1, KeepOnline).first().parameter, quint32(ardixOffline));

    rig.peer.setSilent(false);
    QTRY_COMPARE_WITH_TIMEOUT(rig.link->ardixStatus(), int(ardixOnline), 2000);
    QCOMPARE(rig.link->deviceId(), int(Device_Pmx));

    // Peer closes in the middle of a block: offline at once, nothing half-kept.
    rig.link->sendToArdixQueue(1, 33, 0);
    rig.peer.sendRaw(SimCodec::frame([] {
                         SimFrame f;
                         f.action = 0;
                         f.type = 16;
                         f.sender = 4;
                         f.data = pattern(500);
                         return f;
                     }())
                         .left(300));
    QTRY_VERIFY_WITH_TIMEOUT(rig.link->receiver().isCollecting(), 1000);
    rig.peer.closeClient();
    QTRY_COMPARE_WITH_TIMEOUT(rig.link->ardixStatus(), int(ardixOffline), 500);
    QVERIFY(rig.link->queue().isEmpty());
    QVERIFY(!rig.link->receiver().halfReceived());
    QVERIFY(rig.popUpTexts().contains(QString::fromUtf8("отключен")));

    // The keep-online tick dials again and the next answer brings it back.
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.connections(), 2, 3000);
    QTRY_COMPARE_WITH_TIMEOUT(rig.link->ardixStatus(), int(ardixOnline), 3000);
}

void TstDeviceLink::queueDedupAndKeepOnlineNeverBehindWork()
{
    DeviceLink link(QStringLiteral("127.0.0.1"), 9);
    link.sendToArdixQueue(1, KeepOnline, 0);
    QCOMPARE(link.queue().size(), 1);         // an empty queue takes KeepOnline
    link.sendToArdixQueue(1, KeepOnline, 0);
    QCOMPARE(link.queue().size(), 1);         // same as first: nothing added
    link.sendToArdixQueue(1, 33, 0);
    link.sendToArdixQueue(1, KeepOnline, 1);  // not behind work
    QCOMPARE(link.queue().size(), 2);
    link.sendToArdixQueue(1, 33, 0);          // not first: appended
    link.sendToArdixQueue(1, 33, 1);          // other parameter: appended
    QCOMPARE(link.queue().size(), 4);
    QVERIFY(link.sendQueueTimer()->isActive());
    QCOMPARE(link.sendQueueTimer()->interval(), SendQueueMs);
}

void TstDeviceLink::queueRulesForBusyAndReply_data()
{
    QTest::addColumn<int>("action");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("reply");
    // boundaries of both exception lists
    QTest::newRow("KeepOnline") << 1 << 0 << false << false;
    QTest::newRow("SerialHashRequest") << 1 << 1 << true << true;
    QTest::newRow("SetLcdPwm") << 1 << 2 << false << false;
    QTest::newRow("SetLedsPwm") << 1 << 3 << false << false;
    QTest::newRow("CheckSettingsSync") << 1 << 4 << true << true;
    QTest::newRow("ChangeScreen") << 1 << 11 << false << false;
    QTest::newRow("PrepareToFlash") << 1 << 13 << true << false;
    QTest::newRow("VerifiedOk") << 1 << 18 << false << false;
    QTest::newRow("NoAction") << 1 << 24 << false << false;
    QTest::newRow("SetLightSensorSensivity") << 1 << 25 << false << false;
    QTest::newRow("GetLogFilesList") << 1 << 26 << false << true;
    QTest::newRow("GetLogFile") << 1 << 27 << false << true;
    QTest::newRow("ClearLogs") << 1 << 28 << true << true;
    QTest::newRow("LogPacketVerify") << 1 << 29 << false << false;
    QTest::newRow("LogPacketCrcBAD") << 1 << 30 << false << false;
    QTest::newRow("PdmStartRealTimeDataLoop") << 1 << 44 << false << true;
    QTest::newRow("DiagnosticMode") << 1 << 48 << true << true;
    QTest::newRow("PdmCalibrateOutputNegative") << 1 << 49 << false << false;
    QTest::newRow("PdmSetOutputState") << 1 << 62 << false << false;
    QTest::newRow("SettingsPasswordBad") << 1 << 63 << true << true;
    QTest::newRow("StartLineCalibration") << 1 << 66 << false << true;
    QTest::newRow("EraseRefLap") << 1 << 67 << true << true;
    QTest::newRow("GetArdixADCRawData") << 1 << 70 << false << false;
    QTest::newRow("data AllData") << 0 << 0 << false << true;
    QTest::newRow("data PdmCommonSettings") << 0 << 13 << true << true;
    QTest::newRow("data PdmDEFAULTCommonSettings") << 0 << 20 << true << true;
}

void TstDeviceLink::queueRulesForBusyAndReply()
{
    QFETCH(int, action);
    QFETCH(int, code);
    QFETCH(bool, busy);
    QFETCH(bool, reply);
    const QueueEntry e{uint8_t(action), uint8_t(code), 0};
    QCOMPARE(SendQueue::wantsBusyIndicator(e), busy);
    QCOMPARE(SendQueue::expectsReply(e), reply);
}

void TstDeviceLink::framesDroppedWhileOffline()
{
    Rig rig;
    QVERIFY(rig.listen());
    rig.peer.setSilent(true);
    rig.link->start();
    QTRY_VERIFY_WITH_TIMEOUT(rig.peer.count(1, KeepOnline) >= 1, 3000);

    rig.link->sendToArdixQueue(1, 33, 0);
    rig.link->sendToArdixQueue(0, AllSensorData, 0);
    QTRY_VERIFY_WITH_TIMEOUT(rig.link->queue().isEmpty(), 2000);
    QTest::qWait(200);
    QCOMPARE(rig.peer.count(1, 33), 0);
    QCOMPARE(rig.peer.count(0, AllSensorData), 0);
    QVERIFY(!rig.link->awaitingReply());

    // Everything goes while the selected device is the PDM boot loader.
    rig.link->setDeviceId(Device_PmxBoot);
    rig.link->sendToArdixQueue(1, 13, 0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.count(1, 13), 1, 2000);
    QCOMPARE(rig.link->ardixStatus(), int(ardixOffline));
}

void TstDeviceLink::dashUploadFollowedByCheckSettingsSync()
{
    Rig rig;
    BRING_ONLINE(rig, Device_Ardix7);
    rig.peer.clearReceived();

    rig.link->sendToArdixQueue(0, AllSensorData, 0);
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.count(1, CheckSettingsSync), 1, 3000);
    const qint64 expectedTime = DeviceLink::localSecondsSinceEpoch();

    int dataAt = -1, syncAt = -1;
    const auto got = rig.peer.received();
    for (int i = 0; i < got.size(); ++i) {
        if (got[i].frame.action == 0 && got[i].frame.type == AllSensorData)
            dataAt = i;
        if (got[i].frame.action == 1 && got[i].frame.type == CheckSettingsSync)
            syncAt = i;
    }
    QVERIFY(dataAt >= 0 && syncAt > dataAt);
    const SimFrame upload = got[dataAt].frame;
    QCOMPARE(upload.parameter, 255u);
    QCOMPARE(upload.dataCrc, SimCodec::wordCrc(upload.data));
    const SimFrame sync = got[syncAt].frame;
    QVERIFY(qAbs(qint64(sync.parameter) - expectedTime) <= 5);
    // Firmware number unknown (0) counts as below 0.945: the short image.
    QCOMPARE(sync.dataCrc, SimCodec::wordCrc(QByteArray(16588, '\0')));
    QTRY_VERIFY_WITH_TIMEOUT(rig.link->queue().isEmpty() && !rig.link->awaitingReply(), 2000);
}

void TstDeviceLink::queueFrozenWhileLogDataTimerRuns()
{
    Rig rig;
    BRING_ONLINE(rig, Device_Ardix7);
    rig.peer.setResponder([&rig](SimPeer &peer, const SimFrame &f) {
        if (f.action == 1 && f.type == GetLogFile)
            peer.sendCommand(GetLogFile, 100000);
        else
            rig.device(peer, f);
    });
    QSignalSpy started(rig.link.get(), &DeviceLink::logDownloadStarted);
    QSignalSpy progress(rig.link.get(), &DeviceLink::progressMoving);

    rig.link->sendToArdixQueue(1, GetLogFile, 3);
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.count(1, GetLogFile), 1, 2000);
    QCOMPARE(started.size(), 1);
    QCOMPARE(progress.first().at(0).toUInt(), 1u);
    QVERIFY(rig.link->logDataTimer()->isActive());
    QCOMPARE(rig.link->logDataTimer()->interval(), LogDataFirstMs);
    QCOMPARE(rig.link->checkOnlineTimer()->interval(), CheckOnlineLogMs);

    const int keepOnlines = rig.peer.count(1, KeepOnline);
    rig.link->sendToArdixQueue(1, 33, 0);
    QTest::qWait(1600);
    QCOMPARE(rig.peer.count(1, KeepOnline), keepOnlines);
    QCOMPARE(rig.peer.count(1, 33), 0);
    QCOMPARE(rig.link->ardixStatus(), int(ardixOnline));

    rig.link->logDataTimer()->stop();
    QTRY_COMPARE_WITH_TIMEOUT(rig.peer.count(1, 33), 1, 2000);
}

void TstDeviceLink::resendPolicy_data()
{
    QTest::addColumn<QString>("behaviour");
    QTest::addColumn<int>("sender");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("realtimeMode");
    QTest::addColumn<int>("waitMs");
    QTest::addColumn<int>("askResend");
    QTest::addColumn<int>("logCrcBad");
    QTest::addColumn<int>("delivered");
    QTest::addColumn<bool>("inDownload");

    QTest::newRow("good block") << QStringLiteral("good") << 4 << 16 << false << 800 << 0 << 0 << 1 << false;
    QTest::newRow("good dash block after lead-in") << QStringLiteral("good") << 0 << 16 << false << 800 << 0 << 0 << 1 << false;
    QTest::newRow("corrupt checksum") << QStringLiteral("corrupt") << 4 << 16 << false << 1200 << 1 << 0 << 0 << false;
    QTest::newRow("corrupt, PDM live mode") << QStringLiteral("corrupt") << 4 << 14 << true << 1200 << 0 << 0 << 0 << false;
    QTest::newRow("corrupt log block in a download") << QStringLiteral("corrupt") << 0 << int(LogFileData) << false << 600 << 0 << 1 << 0 << true;
    QTest::newRow("corrupt log block, no download") << QStringLiteral("corrupt") << 0 << int(LogFileData) << false << 600 << 0 << 0 << 0 << false;
    QTest::newRow("stall mid-block") << QStringLiteral("stall") << 4 << 16 << false << 3800 << 1 << 0 << 0 << false;
    QTest::newRow("stall in log block") << QStringLiteral("stall") << 4 << int(LogFileData) << false << 3800 << 0 << 1 << 0 << false;
    QTest::newRow("half a data header") << QStringLiteral("halfHeader") << 4 << 16 << false << 900 << 1 << 0 << 0 << false;
}

void TstDeviceLink::resendPolicy()
{
    QFETCH(QString, behaviour);
    QFETCH(int, sender);
    QFETCH(int, type);
    QFETCH(bool, realtimeMode);
    QFETCH(int, waitMs);
    QFETCH(int, askResend);
    QFETCH(int, logCrcBad);
    QFETCH(int, delivered);
    QFETCH(bool, inDownload);

    Rig rig;
    BRING_ONLINE(rig, quint8(sender));
    if (inDownload)
        rig.link->logDataTimer()->start(15000);
    rig.link->setSynced(true);
    rig.link->setPdmRealtimeModeOn(realtimeMode);
    // Log bytes held so far: only while a log comes in.
    const bool logRow = type == LogFileData;
    rig.link->setLogBytesProvider([logRow] { return quint32(logRow ? 4096 : 0); });
    QSignalSpy dataSpy(rig.link.get(), &DeviceLink::dataReceived);
    rig.peer.clearReceived();

    SimFrame f;
    f.action = 0;
    f.type = quint8(type);
    f.sender = quint8(sender);
    f.data = pattern(2000);
    SimCodec::HeaderOptions opt;
    opt.corruptDataCrc = behaviour == "corrupt";
    const QByteArray bytes = SimCodec::frame(f, sender == 0, opt);
    if (behaviour == "stall")
        rig.peer.sendRaw(bytes.left(bytes.size() - 700));
    else if (behaviour == "halfHeader")
        rig.peer.sendRaw(bytes.left(40));
    else
        rig.peer.sendRaw(bytes);

    QTest::qWait(waitMs);
    QCOMPARE(rig.peer.count(1, AskResendPrevPacket), askResend);
    QCOMPARE(rig.peer.count(1, LogPacketCrcBAD), logCrcBad);
    for (const SimFrame &r : rig.peer.framesOf(1, LogPacketCrcBAD))
        QCOMPARE(r.parameter, 4096u);
    QCOMPARE(int(dataSpy.size()), delivered);
    if (delivered)
        QCOMPARE(dataSpy.first().at(0).toByteArray(), pattern(2000));
    QVERIFY(!rig.link->receiver().halfReceived());
}

void TstDeviceLink::twentyOneBadHeadersCloseTheLink()
{
    Rig rig;
    BRING_ONLINE(rig, Device_Pmx);
    rig.peer.setSilent(true); // no good answers in between
    QSignalSpy gone(&rig.peer, &SimPeer::clientDisconnected);
    SimCodec::HeaderOptions opt;
    opt.corruptHeaderCrc = true;
    const QByteArray bad = SimCodec::header(SimFrame{}, opt);

    QByteArray twenty;
    for (int i = 0; i < 20; ++i)
        twenty += bad;
    rig.peer.sendRaw(twenty);
    QTRY_COMPARE_WITH_TIMEOUT(rig.link->receiver().badHeaderCount(), 20, 1000);
    QTest::qWait(100);
    QCOMPARE(gone.size(), 0);

    rig.peer.sendRaw(bad);
    QTRY_COMPARE_WITH_TIMEOUT(gone.size(), 1, 1000);
    QTRY_COMPARE_WITH_TIMEOUT(rig.link->ardixStatus(), int(ardixOffline), 1000);
}

void TstDeviceLink::checkOnlineDeclaresLoss()
{
    Rig rig;
    BRING_ONLINE(rig, Device_Ardix7);
    QCOMPARE(rig.link->checkOnlineTimer()->interval(), CheckOnlineMs);
    QSignalSpy hide(rig.link.get(), &DeviceLink::hideBusy);
    rig.popUps->clear();

    rig.link->wifi_checkOnlineTimeout();
    QCOMPARE(rig.link->ardixStatus(), int(ardixOffline));
    QVERIFY(hide.size() >= 1);
    QCOMPARE(rig.popUpTexts().first(), QString::fromUtf8("нет связи c\nустройством"));
    QVERIFY(rig.link->socket()->state() != QAbstractSocket::ConnectedState);

    // A boot loader that falls silent only drops the status.
    rig.link->setArdixStatus(ardixBootOnline);
    rig.link->wifi_checkOnlineTimeout();
    QCOMPARE(rig.link->ardixStatus(), int(ardixOffline));
}

void TstDeviceLink::dialAttemptsAndTeachDialog()
{
    // A port with nothing behind it.
    quint16 deadPort = 0;
    {
        SimPeer probe;
        QVERIFY(probe.listen());
        deadPort = probe.port();
    }
    QSettings store(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
    store.remove(QStringLiteral("teach1"));

    const auto run = [deadPort](int ticks, QStringList *popUps, QStringList *dialogs) {
        DeviceLink link(QStringLiteral("127.0.0.1"), deadPort);
        QSignalSpy pop(&link, &DeviceLink::popUpSignal);
        QSignalSpy info(&link, &DeviceLink::showInfoMessage);
        for (int i = 0; i < ticks; ++i) {
            link.wifi_keepOnlineTimeout();
            QCoreApplication::processEvents();
        }
        for (const auto &a : pop)
            *popUps << a.at(0).toString();
        for (const auto &a : info)
            *dialogs << a.at(0).toString();
        return link.connectionAttempts();
    };

    const QString searching = QString::fromUtf8("поиск устройства");
    const QString dialog = QString::fromUtf8(
        "соединение с устройством не установлено, все произведенные изменения будут применены "
        "при первом же подключении");
    for (int start = 1; start <= 4; ++start) {
        QStringList popUps, dialogs;
        QCOMPARE(run(10, &popUps, &dialogs), 7);
        QCOMPARE(popUps.count(searching), 7);
        QVERIFY(popUps.contains(QString::fromUtf8("нет связи c\nустройством")));
        // One dialog per start, for the first three starts only.
        QCOMPARE(dialogs, start <= 3 ? QStringList{dialog} : QStringList{});
        store.sync();
        QCOMPARE(store.value(QStringLiteral("teach1")).toInt(), qMin(start, 3));
    }
}

QTEST_GUILESS_MAIN(TstDeviceLink)
#include "tst_devicelink.moc"
