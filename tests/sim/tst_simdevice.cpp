// The simulated device, driven over loopback by a bare client written here from the frame table
// (not the simulator's codec and not the client's), so that all three must agree on the bytes.
#include "simcore/device/DeviceSimulator.h"
#include "simcore/device/PdmLiveData.h"
#include "simcore/device/SimFirmware.h"
#include "simcore/device/SimSettingsBlocks.h"
#include "simcore/device/SyntheticLog.h"

#include <QFile>
#include <QSignalSpy>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

#include <optional>

namespace {

constexpr int HeaderSize = 88;
constexpr int DashLeadIn = 1372;

quint32 le32(const QByteArray &b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

quint32 crcWords(const QByteArray &b)
{
    quint32 c = 0xFFFFFFFFu;
    for (int i = 0; i + 4 <= b.size(); i += 4) {
        c ^= le32(b, i);
        for (int k = 0; k < 32; ++k)
            c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : c << 1;
    }
    return c;
}

struct Frame
{
    quint8 action = 0, type = 0, sender = 0, parameter1 = 0;
    quint32 parameter = 0, dataCrc = 0;
    QByteArray aux, data;
};

// Just enough of the client's side of the link to talk to the device.
class RawClient
{
public:
    bool connectTo(quint16 port)
    {
        m_sock.connectToHost(QHostAddress::LocalHost, port);
        return QTest::qWaitFor([&] { return m_sock.state() == QAbstractSocket::ConnectedState; }, 3000);
    }

    void send(quint8 action, quint8 type, quint32 parameter, const QByteArray &block = {},
              quint32 dataCrc = 0, const QByteArray &aux = {})
    {
        QByteArray h(HeaderSize, '\0');
        h[0] = 0x68;
        h[1] = char(action);
        h[2] = char(type);
        h[3] = 6;
        qToLittleEndian<quint32>(parameter, h.data() + 4);
        quint32 crc = action == 0 ? crcWords(block) : dataCrc;
        if (std::exchange(spoilNextCrc, false))
            crc ^= 0x10;
        qToLittleEndian<quint32>(crc, h.data() + 8);
        qToLittleEndian<quint32>(quint32(block.size()), h.data() + 12);
        h.replace(16, aux.size(), aux);
        h[82] = '\r';
        h[83] = '\n';
        qToLittleEndian<quint32>(crcWords(h.left(84)), h.data() + 84);
        m_sock.write(h + block);
    }
    void command(quint8 cmd, quint32 parameter = 0, quint32 dataCrc = 0, const QByteArray &aux = {})
    {
        send(1, cmd, parameter, {}, dataCrc, aux);
    }

    // The next complete frame, or nothing after the time-out.
    std::optional<Frame> next(int timeoutMs = 3000)
    {
        std::optional<Frame> f;
        (void)QTest::qWaitFor([&] {
            m_buf += m_sock.readAll();
            f = take();
            return f.has_value();
        }, timeoutMs);
        return f;
    }
    // The next text line of a boot loader, without its CR LF.
    QByteArray line(int timeoutMs = 3000)
    {
        QByteArray out;
        (void)QTest::qWaitFor([&] {
            m_buf += m_sock.readAll();
            const int nl = int(m_buf.indexOf("\r\n"));
            if (nl < 0)
                return false;
            out = m_buf.left(nl);
            m_buf.remove(0, nl + 2);
            return true;
        }, timeoutMs);
        return out;
    }
    QByteArray rawFor(int ms)
    {
        QTest::qWait(ms);
        m_buf += m_sock.readAll();
        return std::exchange(m_buf, {});
    }
    QByteArray lastRaw; // the bytes of the last frame taken, lead-in included
    bool spoilNextCrc = false;
    QTcpSocket m_sock;

private:
    std::optional<Frame> take()
    {
        if (m_buf.size() < HeaderSize)
            return std::nullopt;
        Frame f;
        f.action = quint8(m_buf[1]);
        f.type = quint8(m_buf[2]);
        f.sender = quint8(m_buf[3]);
        f.parameter = le32(m_buf, 4);
        f.dataCrc = le32(m_buf, 8);
        const int size = int(le32(m_buf, 12));
        f.aux = m_buf.mid(16, 64);
        f.parameter1 = quint8(m_buf[80]);
        const int lead = f.action == 0 && f.sender == 0 ? DashLeadIn : 0;
        const int need = HeaderSize + (f.action == 0 ? lead + size : 0);
        if (m_buf.size() < need)
            return std::nullopt;
        if (quint8(m_buf[0]) != 0x68 || le32(m_buf, 84) != crcWords(m_buf.left(84)))
            return Frame{0xEE, 0xEE};
        if (f.action == 0)
            f.data = m_buf.mid(HeaderSize + lead, size);
        lastRaw = m_buf.left(need);
        m_buf.remove(0, need);
        return f;
    }
    QByteArray m_buf;
};

// The next frame; a missing one fails the test and yields a frame no check accepts.
Frame nextFrame(RawClient &client)
{
    const std::optional<Frame> f = client.next();
    if (!f)
        QTest::qFail("no frame from the device", __FILE__, __LINE__);
    return f ? *f : Frame{0xFF, 0xFF};
}

SimOptions options(SimRole role, const QByteArray &firmware = "S185", const QString &state = {})
{
    SimOptions o;
    o.role = role;
    o.firmware = firmware;
    o.stateDir = state;
    o.logCount = 2;
    o.logTemplate.laps = 1;
    return o;
}

} // namespace

class TestSimDevice : public QObject
{
    Q_OBJECT
private slots:
    void keepOnlineAnswersWithFirmware_data();
    void keepOnlineAnswersWithFirmware();
    void dashSettingsSyncUploadAndRestart_data();
    void dashSettingsSyncUploadAndRestart();
    void logListAndDownload_data();
    void logListAndDownload();
    void referenceLapAndStartLine();
    void syntheticLogIsConsistent_data();
    void syntheticLogIsConsistent();
    void pdmLiveDataAndPassword();
    void pdmOutputsFollowTheirConditions();
    void faultsSpoilTheFrame_data();
    void faultsSpoilTheFrame();
    void webPageReadsAndTakesTheForm();
    void bootLoadersTakeCheckedPackets_data();
    void bootLoadersTakeCheckedPackets();
};

void TestSimDevice::keepOnlineAnswersWithFirmware_data()
{
    QTest::addColumn<int>("role");
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<int>("sender");
    QTest::newRow("dash") << int(SimRole::Dash) << QByteArray("S185") << 0;
    QTest::newRow("pdm") << int(SimRole::Pdm) << QByteArray("P120") << 4;
    QTest::newRow("pdm boot loader") << int(SimRole::PdmBoot) << QByteArray("B101") << 5;
}

void TestSimDevice::keepOnlineAnswersWithFirmware()
{
    QFETCH(int, role);
    QFETCH(QByteArray, firmware);
    QFETCH(int, sender);
    DeviceSimulator sim(options(SimRole(role), firmware));
    QVERIFY(sim.start());
    RawClient c;
    QVERIFY(c.connectTo(sim.port()));
    c.command(0, 1);
    const Frame f = nextFrame(c);
    QCOMPARE(f.action, quint8(1));
    QCOMPARE(f.type, quint8(0));
    QCOMPARE(int(f.sender), sender);
    QByteArray text(4, '\0');
    qToLittleEndian<quint32>(f.parameter, text.data());
    QCOMPARE(text, firmware);
}

void TestSimDevice::dashSettingsSyncUploadAndRestart_data()
{
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<int>("blockSize");
    QTest::newRow("current firmware") << QByteArray("S185") << SimSettings::DashBlockSize;
    QTest::newRow("before 0.945") << QByteArray("S094") << SimSettings::DashShortBlockSize;
}

void TestSimDevice::dashSettingsSyncUploadAndRestart()
{
    QFETCH(QByteArray, firmware);
    QFETCH(int, blockSize);
    QTemporaryDir state;
    QByteArray changed;
    {
        DeviceSimulator sim(options(SimRole::Dash, firmware, state.path()));
        QVERIFY(sim.start());
        RawClient c;
        QVERIFY(c.connectTo(sim.port()));

        c.command(1); // serial hash
        Frame f = nextFrame(c);
        QCOMPARE(f.type, quint8(8));
        QCOMPARE(f.data.size(), 64);
        QCOMPARE(f.parameter, sim.options().serial);

        c.command(5); // GetSettings: the whole block after the dash's lead-in
        f = nextFrame(c);
        QCOMPARE(f.type, quint8(0));
        QCOMPARE(c.lastRaw.size(), HeaderSize + DashLeadIn + blockSize);
        QCOMPARE(f.data.size(), blockSize);
        QCOMPARE(f.dataCrc, crcWords(f.data));
        QCOMPARE(f.data, sim.dashBlock());

        c.command(4, 0, crcWords(f.data));
        QCOMPARE(nextFrame(c).parameter, 1u);
        c.command(4, 0, crcWords(f.data) ^ 1);
        QCOMPARE(nextFrame(c).parameter, 0u);

        // One part: the common settings, with a new screen brightness.
        const SimSettings::DashPart common = *SimSettings::dashPart(SimSettings::CommonSettingsData);
        changed = f.data;
        changed[common.offset + 252] = char(77);
        c.send(0, common.dataType, 255, SimSettings::gzip(changed.mid(common.offset, common.size)));
        QCOMPARE(nextFrame(c).type, quint8(18));
        QCOMPARE(sim.dashBlock(), changed);

        // Refused uploads leave the block alone: a checksum that does not match the bytes, then a
        // part of the wrong size.
        c.spoilNextCrc = true;
        c.send(0, common.dataType, 255, SimSettings::gzip(QByteArray(common.size, '\x01')));
        Frame resend = nextFrame(c);
        QCOMPARE(resend.type, quint8(15));
        QCOMPARE(resend.parameter, 1u);
        c.send(0, common.dataType, 255, SimSettings::gzip(QByteArray(100, '\x02')));
        resend = nextFrame(c);
        QCOMPARE(resend.type, quint8(15));
        QCOMPARE(resend.parameter, 2u);
        QCOMPARE(sim.dashBlock(), changed);

        // Injected resend requests cycle through their three reasons.
        for (quint32 reason : {1u, 2u, 3u}) {
            sim.faults().schedule(SimFault::Resend, 0, common.dataType);
            c.send(0, common.dataType, 255, SimSettings::gzip(QByteArray(common.size, '\x03')));
            resend = nextFrame(c);
            QCOMPARE(resend.type, quint8(15));
            QCOMPARE(resend.parameter, reason);
        }
        QCOMPARE(sim.dashBlock(), changed);
    }
    // A new run from the same folder holds the uploaded block and says it is in sync.
    DeviceSimulator again(options(SimRole::Dash, firmware, state.path()));
    QVERIFY(again.start());
    QCOMPARE(again.dashBlock(), changed);
    RawClient c;
    QVERIFY(c.connectTo(again.port()));
    c.command(4, 0, crcWords(changed));
    QCOMPARE(nextFrame(c).parameter, 1u);
}

void TestSimDevice::logListAndDownload_data()
{
    QTest::addColumn<QByteArray>("firmware");
    QTest::addColumn<bool>("offsets");
    QTest::newRow("offsets after each chunk") << QByteArray("S185") << true;
    QTest::newRow("total in each chunk") << QByteArray("S110") << false;
}

void TestSimDevice::logListAndDownload()
{
    QFETCH(QByteArray, firmware);
    QFETCH(bool, offsets);
    SimOptions o = options(SimRole::Dash, firmware);
    o.logChunkSize = 8192;
    DeviceSimulator sim(o);
    QVERIFY(sim.start());
    RawClient c;
    QVERIFY(c.connectTo(sim.port()));

    c.command(26, 1);
    const Frame list = nextFrame(c);
    QCOMPARE(list.type, quint8(6));
    QCOMPARE(list.data.size(), 18);
    QCOMPARE(list.data, sim.logList());
    QVERIFY(le32(list.data, 1) >= 1498851808u);
    QVERIFY(le32(list.data, 5) > le32(list.data, 1));

    QSignalSpy finished(&sim, &DeviceSimulator::logTransferFinished);
    c.command(27, 1);
    const Frame total = nextFrame(c);
    const QByteArray expected = sim.logFiles().at(1);
    QCOMPARE(total.type, quint8(27));
    QCOMPARE(int(total.parameter), expected.size());

    QByteArray got;
    QByteArray secondChunk;
    int chunks = 0;
    while (got.size() < expected.size()) {
        const Frame f = nextFrame(c);
        QCOMPARE(f.type, quint8(7));
        QCOMPARE(f.parameter, offsets ? quint32(got.size() + f.data.size()) : quint32(expected.size()));
        ++chunks;
        if (chunks == 2 && secondChunk.isEmpty()) {
            // Ask again from where we stand: the same chunk comes back.
            secondChunk = f.data;
            --chunks;
            c.command(30, quint32(got.size()));
            continue;
        }
        if (chunks == 2)
            QCOMPARE(f.data, secondChunk);
        got += f.data;
        c.command(29, quint32(got.size()));
    }
    QCOMPARE(got, expected);
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 2000);
    QVERIFY(!qUncompress(got).isEmpty());

    c.command(28);
    QCOMPARE(nextFrame(c).type, quint8(28));
    c.command(26, 1);
    QCOMPARE(nextFrame(c).data.size(), 0);
}

void TestSimDevice::referenceLapAndStartLine()
{
    QTemporaryDir state;
    DeviceSimulator sim(options(SimRole::Dash, "S185", state.path()));
    QVERIFY(sim.start());
    RawClient c;
    QVERIFY(c.connectTo(sim.port()));

    c.command(68);
    Frame f = nextFrame(c);
    QCOMPARE(f.type, quint8(22));
    const QByteArray lap = qUncompress(f.data);
    QVERIFY(lap.size() > 48);
    const quint32 points = le32(lap, 36);
    QCOMPARE(lap.size(), int(48 + 30 * points));
    QVERIFY(le32(lap, 0) > 60000 && le32(lap, 0) < 200000); // lap time, ms

    c.command(67);
    QCOMPARE(nextFrame(c).type, quint8(67));
    c.command(68);
    f = nextFrame(c);
    QCOMPARE(f.data, QByteArray(1, '\0'));
    DeviceSimulator again(options(SimRole::Dash, "S185", state.path()));
    QVERIFY(again.refLap().isEmpty()); // the erase is remembered

    // Start line: degrees x 10^7 + minutes x 10^5, course x 100.
    c.command(66);
    f = nextFrame(c);
    QCOMPARE(f.type, quint8(66));
    const qint32 lat = qint32(le32(f.aux, 0));
    const double deg = lat / 10000000 + double(lat % 10000000) / 6000000;
    QVERIFY(qAbs(deg - 55.566135) < 1e-5);
    QVERIFY(qint32(le32(f.aux, 8)) > 0);
}

void TestSimDevice::syntheticLogIsConsistent_data()
{
    QTest::addColumn<int>("version");
    QTest::addColumn<int>("rate");
    QTest::newRow("version 1, 25 Hz") << 1 << 25;
    QTest::newRow("version 1, 50 Hz") << 1 << 50;
    QTest::newRow("version 0, 10 Hz") << 0 << 10;
}

void TestSimDevice::syntheticLogIsConsistent()
{
    QFETCH(int, version);
    QFETCH(int, rate);
    SyntheticLogOptions o;
    o.version = quint8(version);
    o.logRate = quint8(rate);
    o.laps = 2;
    const SyntheticLog log = makeSyntheticLog(o);
    QCOMPARE(makeSyntheticElog(o), log.file); // deterministic
    QCOMPARE(qUncompress(log.file), log.body);
    QCOMPARE(log.lapTimes.size(), 2);
    for (double t : log.lapTimes)
        QVERIFY2(t > 60 && t < 200, qPrintable(QString::number(t)));

    const QByteArray &b = log.body;
    const int n = quint8(b[2]);
    QCOMPARE(quint8(b[0]), quint8(version));
    QCOMPARE(quint8(b[1]), quint8(rate));
    QCOMPARE(n, log.channelIds.size());
    const int gps = int(log.channelIds.indexOf(202));
    const int rpm = int(log.channelIds.indexOf(16));
    QVERIFY(gps >= 0 && rpm >= 0);
    qint64 dataAt = 0;
    QList<int> sizes;
    if (version == 0) {
        const quint32 records = le32(b, 3);
        QCOMPARE(records, log.records);
        dataAt = 7 + n;
        for (quint8 id : log.channelIds)
            sizes.append(int(records) * (id == 200 ? 8 : id == 202 ? 80 : 2));
    } else {
        int custom = 0;
        for (int i = 0; i < n; ++i) {
            sizes.append(int(le32(b, 20 + n + 4 * i)));
            custom += quint8(b[20 + i]) >= 100 && quint8(b[20 + i]) <= 131;
        }
        dataAt = 20 + 5 * n + 25 * custom;
        QCOMPARE(le32(b, 16), log.records);
        // GPS at 10 Hz is a slow channel; sensors run at the record rate.
        QCOMPARE(sizes[rpm], int(log.records) * 2);
        QVERIFY(qAbs(sizes[gps] / 80 - int(log.records) * 10 / rate) <= 1);
        QVERIFY(QByteArray(b.constData() + 20 + 5 * n + custom, 24).startsWith("Brake pressure"));
    }
    qint64 total = dataAt;
    for (int s : sizes)
        total += s;
    QCOMPARE(total, qint64(b.size()));

    // Engine speed and positions stay plausible.
    qint64 at = dataAt;
    for (int i = 0; i < rpm; ++i)
        at += sizes[i];
    for (int i = 0; i < sizes[rpm] / 2; ++i) {
        const qint16 v = qFromLittleEndian<qint16>(b.constData() + at + 2 * i);
        QVERIFY2(v >= 850 && v <= 7600, qPrintable(QString::number(v)));
    }
    at = dataAt;
    for (int i = 0; i < gps; ++i)
        at += sizes[i];
    for (int i = 0; i < sizes[gps] / 80; i += 50) {
        const qint32 lat = qFromLittleEndian<qint32>(b.constData() + at + 80 * i + 20);
        const qint32 scale = qFromLittleEndian<qint32>(b.constData() + at + 80 * i + 24);
        const double deg = lat / (scale * 100) + double(lat % (scale * 100)) / (scale * 60.0);
        QVERIFY(qAbs(deg - 55.5661) < 0.02);
    }
}

void TestSimDevice::pdmLiveDataAndPassword()
{
    SimOptions o = options(SimRole::Pdm, "P120");
    o.realtimeIntervalMs = 50;
    DeviceSimulator sim(o);
    QVERIFY(sim.start());
    RawClient c;
    QVERIFY(c.connectTo(sim.port()));

    c.command(36);
    QCOMPARE(nextFrame(c).parameter, o.serial);
    c.command(43, 0, crcWords(sim.pdmBlock()));
    const Frame sync = nextFrame(c);
    QCOMPARE(sync.parameter, 1u);
    QCOMPARE(sync.parameter1 & 1, 1);

    c.command(44, 1);
    const Frame a = nextFrame(c);
    QTest::qWait(300);
    Frame b = a;
    for (int i = 0; i < 3; ++i)
        b = nextFrame(c);
    QCOMPARE(a.type, quint8(14));
    QCOMPARE(a.sender, quint8(4));
    QCOMPARE(a.data.size(), 400);
    QCOMPARE(b.data.size(), 400);
    QCOMPARE(le32(a.data, 0), o.serial);
    QVERIFY(a.data != b.data);
    sim.faults().schedule(SimFault::BadRealtime);
    bool sawShort = false;
    for (int i = 0; i < 5 && !sawShort; ++i)
        sawShort = nextFrame(c).data.size() != 400;
    QVERIFY(sawShort);
    c.command(44, 0);
    QTRY_VERIFY_WITH_TIMEOUT(!sim.realtimeLoopOn(), 1000);
    c.rawFor(150);

    c.command(56);
    const Frame info = nextFrame(c);
    QCOMPARE(info.type, quint8(16));
    QVERIFY(info.data.size() >= 172);
    QCOMPARE(le32(info.data, 144), o.serial);

    // With a password set, only the right hash in auxData gets the block.
    const QByteArray hash = QByteArray(64, '\x5A');
    sim.setPdmPassword(hash);
    c.command(5);
    const Frame refused = nextFrame(c);
    QCOMPARE(refused.type, quint8(63));
    QCOMPARE(refused.parameter, 0u);
    c.command(5, 0, 0, hash);
    const Frame block = nextFrame(c);
    QCOMPARE(block.type, quint8(13));
    QCOMPARE(block.data, sim.pdmBlock());
    QCOMPARE(le32(block.data, 0), crcWords(block.data.mid(4)));
}

// The live outputs are the device's own: an output with no switch-on condition is off and draws
// nothing (no fault, no duty), however long the loop runs; one given a condition follows it.
void TestSimDevice::pdmOutputsFollowTheirConditions()
{
    constexpr int OutputsStateAt = 64, FaultAt = 72, TotalCurrentAt = 8, OutputsCurrentAt = 108, PwmDutiesAt = 172;
    constexpr int OutputsAt = 4096, OutputRecord = 92, FunctionsAt = 7040, FunctionRecord = 88;
    QByteArray settings = SimSettings::defaultPdmBlock(7);
    PdmLiveData live(1, 7);
    for (int ms = 0; ms <= 70000; ms += 2500) {
        const QByteArray b = live.realtimeBlock(ms, 2500, settings);
        QCOMPARE(le32(b, OutputsStateAt), 0u);
        QCOMPARE(le32(b, FaultAt), 0u);
        QCOMPARE(qFromLittleEndian<quint16>(b.constData() + TotalCurrentAt), quint16(0));
        for (int o = 0; o < 30; ++o) {
            QCOMPARE(qFromLittleEndian<quint16>(b.constData() + OutputsCurrentAt + 2 * o), quint16(0));
            QCOMPARE(quint8(b.at(PwmDutiesAt + o)), quint8(0));
        }
    }

    // Output 4 switched on by "always on" (function 1: a constant, if true).
    const int f = FunctionsAt + FunctionRecord;
    qToLittleEndian<quint32>(0x80, settings.data() + f + 40);
    settings[f + 44] = 6;
    settings[f + 45] = 1;
    settings[f + 61] = 0;
    settings[OutputsAt + 3 * OutputRecord + 47] = 1;
    settings[OutputsAt + 3 * OutputRecord + 50] = 1;
    PdmLiveData conditioned(1, 7);
    const QByteArray b = conditioned.realtimeBlock(1000, 2500, settings);
    QCOMPARE(le32(b, OutputsStateAt), 1u << 3);
    QVERIFY(qFromLittleEndian<quint16>(b.constData() + OutputsCurrentAt + 6) > 0);
    QCOMPARE(qFromLittleEndian<quint16>(b.constData() + TotalCurrentAt), qFromLittleEndian<quint16>(b.constData() + OutputsCurrentAt + 6));
}

void TestSimDevice::faultsSpoilTheFrame_data()
{
    QTest::addColumn<int>("fault");
    QTest::newRow("drop") << int(SimFault::Drop);
    QTest::newRow("corrupt") << int(SimFault::Corrupt);
    QTest::newRow("stall") << int(SimFault::Stall);
    QTest::newRow("disconnect") << int(SimFault::Disconnect);
}

void TestSimDevice::faultsSpoilTheFrame()
{
    QFETCH(int, fault);
    SimOptions o = options(SimRole::Dash);
    o.faults.stallMs = 300;
    DeviceSimulator sim(o);
    QVERIFY(sim.start());
    RawClient c;
    QVERIFY(c.connectTo(sim.port()));
    const int clean = HeaderSize + DashLeadIn + SimSettings::DashBlockSize;

    sim.faults().schedule(SimFault(fault), 0, 0);
    c.command(4, 0, 0); // a command answer is not hit by a fault meant for data
    QCOMPARE(nextFrame(c).type, quint8(4));
    c.command(5);
    const QByteArray raw = c.rawFor(400);
    QVERIFY(!raw.isEmpty());
    if (SimFault(fault) == SimFault::Disconnect) {
        QVERIFY(raw.size() < clean);
        QTRY_COMPARE_WITH_TIMEOUT(c.m_sock.state(), QAbstractSocket::UnconnectedState, 2000);
        return;
    }
    // Asked to resend, the device sends the same block again, whole this time.
    c.command(15);
    const Frame again = nextFrame(c);
    QCOMPARE(again.type, quint8(0));
    QCOMPARE(again.data, sim.dashBlock());
    QCOMPARE(c.lastRaw.size(), clean);
    if (SimFault(fault) == SimFault::Corrupt)
        QCOMPARE(raw.size(), clean);
    else
        QVERIFY(raw.size() < clean);
    QVERIFY(raw != c.lastRaw);
}

void TestSimDevice::webPageReadsAndTakesTheForm()
{
    QTemporaryDir state;
    DeviceSimulator sim(options(SimRole::Dash, "S185", state.path()));
    QVERIFY(sim.start());
    QVERIFY(sim.webPort() != 0);
    auto request = [&](const QByteArray &text) {
        QTcpSocket s;
        s.connectToHost(QHostAddress::LocalHost, sim.webPort());
        QByteArray reply;
        (void)QTest::qWaitFor([&] { return s.state() == QAbstractSocket::ConnectedState; }, 2000);
        s.write(text);
        (void)QTest::qWaitFor([&] {
            reply += s.readAll();
            return s.state() == QAbstractSocket::UnconnectedState;
        }, 2000);
        return reply + s.readAll();
    };
    QByteArray r = request("GET /getData.htm HTTP/1.1\r\nHost: x\r\nContent-Encoding: UTF-8\r\n\r\n");
    QVERIFY(r.startsWith("HTTP/1.0 200"));
    QVERIFY(r.endsWith("\r\n\r\nArdix_70123:12345678"));

    const QByteArray body = "wifi_ap_psw=new%20pass1&wifi_ap_ssid=%D0%A2rack&wifi_newcfg=0x2ffff";
    r = request("POST /timeout.htm HTTP/1.0\r\nHost: 127.0.0.1\r\n"
                "Content-Type: application/x-www-form-urlencoded;charset=UTF-8\r\nContent-Length: "
                + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
    QVERIFY(r.startsWith("HTTP/1.0 200"));
    QCOMPARE(sim.wifiName(), QString::fromUtf8("\xD0\xA2rack"));
    QCOMPARE(sim.wifiPassword(), QStringLiteral("new pass1"));
    DeviceSimulator again(options(SimRole::Dash, "S185", state.path()));
    QCOMPARE(again.wifiPassword(), QStringLiteral("new pass1"));

    r = request("POST /timeout.htm HTTP/1.0\r\nContent-Length: 5\r\n\r\na=b&c");
    QVERIFY(r.startsWith("HTTP/1.0 400"));
}

void TestSimDevice::bootLoadersTakeCheckedPackets_data()
{
    QTest::addColumn<bool>("dash");
    QTest::newRow("dash boot loader, text lines") << true;
    QTest::newRow("PDM boot loader, frames") << false;
}

void TestSimDevice::bootLoadersTakeCheckedPackets()
{
    QFETCH(bool, dash);
    const int header = dash ? 164 : 112;
    const int payload = dash ? 40960 : 22528;
    // An image the boot loader can verify as a whole once it is in.
    const QByteArray firmware = SimFirmware::make(dash ? SimFirmware::Kind::Dash : SimFirmware::Kind::Pdm, "S186",
                                                  header + payload + 100);
    auto packet = [&](int i) {
        const int offset = header + i * payload;
        const QByteArray chunk = firmware.mid(offset, qMin(payload, int(firmware.size()) - offset));
        QByteArray d(16, '\0');
        qToLittleEndian<qint32>(i, d.data());
        qToLittleEndian<qint32>(qint32(chunk.size()), d.data() + 4);
        qToLittleEndian<quint32>(chunk.size() > payload / 2 ? crcWords(chunk.left(payload / 2)) : 0, d.data() + 8);
        qToLittleEndian<quint32>(crcWords(chunk), d.data() + 12);
        return (i == 0 ? firmware.left(header) : QByteArray()) + d + chunk;
    };

    QTemporaryDir state;
    DeviceSimulator sim(options(dash ? SimRole::DashBoot : SimRole::PdmBoot, "S185", state.path()));
    QVERIFY(sim.start());
    RawClient c;
    QVERIFY(c.connectTo(sim.port()));
    // Each boot loader's way of saying "ready" and "packet i taken / bad".
    auto accepted = [&](quint32 i, bool good) {
        if (dash)
            return c.line() == (good ? "DONE:" : "BADCRC:") + QByteArray::number(i);
        const Frame f = nextFrame(c);
        return f.sender == 5 && f.type == (good ? 39 : 41) && f.parameter == i;
    };
    if (dash) {
        const QByteArray hello = c.line();
        QVERIFY(hello.startsWith("bootloader:"));
        QCOMPARE(hello.size(), 11 + 128);
        c.m_sock.write("CONNECT\x07\r\n");
        QCOMPARE(c.line(), QByteArray("BOOT:S1.85"));
        const QByteArray flash = QByteArray::number(firmware.size()) + "FLASH";
        c.m_sock.write(flash + char(flash.size()) + "\r\n");
        QCOMPARE(c.line(), "FLASHREADY:" + QByteArray::number(firmware.size()));
    } else {
        c.command(36); // the serial number first, as the device requires
        QCOMPARE(nextFrame(c).type, quint8(36));
        c.command(13, quint32(firmware.size()));
        const Frame ready = nextFrame(c);
        QCOMPARE(ready.type, quint8(37));
        QCOMPARE(int(ready.parameter), firmware.size());
    }
    c.m_sock.write(packet(0));
    QVERIFY(accepted(0, true));
    QByteArray spoiled = packet(1);
    spoiled[spoiled.size() - 1] = char(spoiled.back() ^ 1);
    c.m_sock.write(spoiled);
    QVERIFY(accepted(1, false));
    QCOMPARE(sim.firmwareReceived(), QByteArray());
    c.m_sock.write(packet(1));
    QVERIFY(accepted(1, true));
    QCOMPARE(sim.firmwareReceived(), firmware);
    QTRY_COMPARE_WITH_TIMEOUT(c.m_sock.state(), QAbstractSocket::UnconnectedState, 2000);
    QVERIFY(QFile::exists(state.filePath("firmware.bin")));
    // It comes back as the device itself.
    RawClient after;
    QVERIFY(after.connectTo(sim.port()));
    after.command(0);
    QCOMPARE(nextFrame(after).sender, quint8(dash ? 0 : 4));
}

QTEST_GUILESS_MAIN(TestSimDevice)
#include "tst_simdevice.moc"
