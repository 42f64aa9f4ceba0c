// The simulated boot loaders are as strict as the devices the flashing tests stand in for: a raw
// client on loopback sees what a careless one would break on.
#include "link/flash/FirmwarePacket.h"
#include "simcore/SimFrame.h"
#include "simcore/device/DeviceSimulator.h"
#include "simcore/device/SimFirmware.h"

#include <QElapsedTimer>
#include <QTcpSocket>
#include <QTest>

#include <optional>

namespace {
constexpr quint8 PrepareToFlash = 13, VerifiedOk = 18, CheckSettingsSync = 4, DeviceSerialNum = 36,
                 ReadyToFlash = 37, FlashPacketVerify = 39;

class Peer
{
public:
    explicit Peer(quint16 port)
    {
        m_socket.connectToHost(QStringLiteral("127.0.0.1"), port);
        m_socket.waitForConnected(2000);
    }

    void write(const QByteArray &bytes) { m_socket.write(bytes); }
    void command(quint8 type, quint32 parameter = 0)
    {
        SimFrame f;
        f.type = type;
        f.sender = 6;
        f.parameter = parameter;
        SimCodec::HeaderOptions o;
        o.autoSizeAndCrc = false;
        m_socket.write(SimCodec::frame(f, false, o));
    }

    // The next text line, or nothing within the time.
    QByteArray line(int ms = 1000)
    {
        QElapsedTimer t;
        t.start();
        while (true) {
            const qsizetype end = m_in.indexOf("\r\n");
            if (end >= 0) {
                const QByteArray l = m_in.left(end);
                m_in.remove(0, end + 2);
                return l;
            }
            if (t.elapsed() > ms)
                return {};
            read(20);
        }
    }

    std::optional<SimFrame> frame(int ms = 1000)
    {
        QElapsedTimer t;
        t.start();
        while (t.elapsed() <= ms) {
            if (!m_frames.isEmpty())
                return m_frames.takeFirst();
            read(20);
            m_frames += m_parser.feed(m_in);
            m_in.clear();
        }
        return std::nullopt;
    }

private:
    void read(int ms)
    {
        QTest::qWait(ms);
        m_in += m_socket.readAll();
    }

    QTcpSocket m_socket;
    QByteArray m_in;
    SimCodec::StreamParser m_parser;
    QList<SimFrame> m_frames;
};

SimOptions bootOptions(SimRole role, bool flashReady = true)
{
    SimOptions o;
    o.role = role;
    o.webPort = -1;
    o.logCount = 0;
    o.bootPacketTimeoutMs = 300;
    o.bootSaysFlashReady = flashReady;
    return o;
}
} // namespace

class TstSimBootLoaders : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A command line counts itself in its last byte; the dash boot loader answers only lines
    // whose count fits, and the older one says nothing after FLASH until a packet is due.
    void dashLines_data()
    {
        QTest::addColumn<bool>("flashReady");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QByteArray>("answer");
        QTest::newRow("connect") << true << QByteArray("CONNECT\x07\r\n") << QByteArray("BOOT:S1.85");
        QTest::newRow("connect, wrong count") << true << QByteArray("CONNECT\x08\r\n") << QByteArray();
        QTest::newRow("connect after noise") << true << QByteArray("\x68\x01zzCONNECT\x07\r\n") << QByteArray("BOOT:S1.85");
        QTest::newRow("flash") << true << QByteArray("123456FLASH\x0B\r\n") << QByteArray("FLASHREADY:123456");
        QTest::newRow("flash, wrong count") << true << QByteArray("123456FLASH\x0C\r\n") << QByteArray();
        QTest::newRow("flash, no digits") << true << QByteArray("FLASH\x05\r\n") << QByteArray();
        QTest::newRow("flash, older boot loader") << false << QByteArray("123456FLASH\x0B\r\n") << QByteArray("TIMEOUT:0");
    }
    void dashLines()
    {
        QFETCH(bool, flashReady);
        QFETCH(QByteArray, sent);
        QFETCH(QByteArray, answer);
        DeviceSimulator sim(bootOptions(SimRole::DashBoot, flashReady));
        QVERIFY(sim.start());
        Peer peer(sim.port());
        QVERIFY(peer.line().startsWith("bootloader:"));
        peer.write(sent);
        QCOMPARE(peer.line(), answer);
    }

    // Bytes are counted from the FLASH line: a stray frame before a packet spoils it and every
    // packet after it, however often it is sent again.
    void strayBytesAreNeverSkipped_data()
    {
        QTest::addColumn<QByteArray>("stray");
        QTest::addColumn<QByteArray>("first");
        QTest::addColumn<QByteArray>("second");
        QTest::newRow("clean") << QByteArray() << QByteArray("DONE:0") << QByteArray("DONE:1");
        QTest::newRow("a frame first") << SimCodec::frame(SimFrame{}) << QByteArray("BADCRC:0") << QByteArray("BADCRC:0");
    }
    void strayBytesAreNeverSkipped()
    {
        QFETCH(QByteArray, stray);
        QFETCH(QByteArray, first);
        QFETCH(QByteArray, second);
        DeviceSimulator sim(bootOptions(SimRole::DashBoot));
        QVERIFY(sim.start());
        const QByteArray image = SimFirmware::make(SimFirmware::Kind::Dash, "S186", 164 + 3 * 40960);
        Peer peer(sim.port());
        QVERIFY(peer.line().startsWith("bootloader:"));
        peer.write(flash::flashLine(uint32_t(image.size())));
        QVERIFY(peer.line().startsWith("FLASHREADY"));

        peer.write(stray + flash::preparePacket(image, 0, flash::DashBootGeometry));
        QCOMPARE(peer.line(), first);
        const uint32_t next = first == "DONE:0" ? 1 : 0;
        peer.write(flash::preparePacket(image, next, flash::DashBootGeometry));
        QCOMPARE(peer.line(), second);
        QCOMPARE(sim.rejectedPackets(), stray.isEmpty() ? 0 : 2);
    }

    // The PDM boot loader flashes only after the serial number step, answers nothing it does
    // not know, and says VerifiedOk once, for a whole image that passed its check.
    void pdmStepsAndVerifiedImage()
    {
        DeviceSimulator sim(bootOptions(SimRole::PdmBoot));
        QVERIFY(sim.start());
        const QByteArray image = SimFirmware::make(SimFirmware::Kind::Pdm, "S186", 112 + 22528 + 99);
        Peer peer(sim.port());
        peer.command(PrepareToFlash, quint32(image.size()));
        peer.command(CheckSettingsSync);
        QVERIFY(!peer.frame(500));

        peer.command(DeviceSerialNum);
        QCOMPARE(peer.frame()->type, DeviceSerialNum);
        peer.command(PrepareToFlash, quint32(image.size()));
        QCOMPARE(peer.frame()->type, ReadyToFlash);
        for (uint32_t i = 0; i < 2; ++i) {
            peer.write(flash::preparePacket(image, i, flash::PdmBootGeometry));
            const auto verify = peer.frame();
            QVERIFY(verify);
            QCOMPARE(verify->type, FlashPacketVerify);
            QCOMPARE(verify->parameter, i);
        }
        QCOMPARE(peer.frame()->type, VerifiedOk);
        QCOMPARE(sim.firmwareReceived(), image);
    }
};

QTEST_MAIN(TstSimBootLoaders)
#include "tst_sim_bootloaders.moc"
