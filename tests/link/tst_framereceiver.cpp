// The receiver fed with streams built by the simulator's own codec, cut in every way that
// matters.

#include "link/FrameReceiver.h"
#include "simcore/SimFrame.h"

#include <QtTest>

using namespace LinkConst;

namespace {

struct Recorder : FrameReceiverSink
{
    QStringList events;
    QList<FrameHeader> commands;
    QList<QPair<FrameHeader, QByteArray>> blocks;
    QList<FrameHeader> crcBad;
    QList<QByteArray> unframed;
    QList<unsigned> progressValues;
    int headerBytes = 0;
    int closes = 0;
    int bad = 0;

    void headerByteStored() override { ++headerBytes; }
    void badHeader(bool closeLink) override
    {
        ++bad;
        closes += closeLink ? 1 : 0;
        events << (closeLink ? "close" : "bad");
    }
    void commandFrame(const FrameHeader &h) override
    {
        commands << h;
        events << QString("cmd %1").arg(h.dataOrCommand);
    }
    void dataHeader(const FrameHeader &h) override { events << QString("dataHeader %1").arg(h.dataOrCommand); }
    void busyBegins() override { events << "busy"; }
    void progress(unsigned p) override { progressValues << p; }
    void dataFrame(const FrameHeader &h, const QByteArray &b) override
    {
        blocks << qMakePair(h, b);
        events << QString("data %1").arg(h.dataOrCommand);
    }
    void dataFrameCrcBad(const FrameHeader &h) override
    {
        crcBad << h;
        events << QString("crcBad %1").arg(h.dataOrCommand);
    }
    void unframedChunk(const QByteArray &c) override { unframed << c; }
};

QByteArray command(quint8 cmd, quint32 parameter = 0, quint8 sender = 4, quint8 p1 = 0)
{
    SimFrame f;
    f.action = 1;
    f.type = cmd;
    f.sender = sender;
    f.parameter = parameter;
    f.parameter1 = p1;
    return SimCodec::frame(f);
}

QByteArray data(quint8 type, const QByteArray &block, quint8 sender = 4,
                const SimCodec::HeaderOptions &opt = {})
{
    SimFrame f;
    f.action = 0;
    f.type = type;
    f.sender = sender;
    f.parameter = 0xABCD;
    f.parameter1 = 9;
    f.data = block;
    return SimCodec::frame(f, sender == 0, opt);
}

QByteArray block(int n)
{
    QByteArray b(n, '\0');
    for (int i = 0; i < n; ++i)
        b[i] = char((i * 7 + 3) & 0xFF);
    return b;
}

} // namespace

class TstFrameReceiver : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void oneFrameOneByteAtATime();
    void threeFramesInOneRead();
    void dataBlockThenNextHeaderInSameRead();
    void dashLeadInInPieces_data();
    void dashLeadInInPieces();
    void badHeaders_twentyKeepTwentyFirstCloses();
    void badHeaderKinds_data();
    void badHeaderKinds();
    void loneMagicFollowedByNonAction();
    void wrongDataCrcReportsAndRecovers();
    void absurdDataSizeIsRejected();
    void unframedChunksGoToBootLoaderText();
    void progressForSettingsBlocks();
    void resetMidFrameStartsClean();
    void closeFromASinkCallDropsTheRestOfTheRead();
    void closeWhileAHeaderIsStoredDropsTheRestOfTheRead();
};

void TstFrameReceiver::oneFrameOneByteAtATime()
{
    Recorder r;
    FrameReceiver rx(&r);
    const QByteArray stream = command(0, 0x35383153, 0, 2) + data(16, block(300));
    for (char c : stream)
        rx.feed(&c, 1);
    QCOMPARE(r.events, QStringList({"cmd 0", "dataHeader 16", "data 16"}));
    QCOMPARE(r.commands[0].parameter, 0x35383153u);
    QCOMPARE(r.commands[0].sender, uint8_t(0));
    QCOMPARE(r.commands[0].parameter1, uint8_t(2));
    QCOMPARE(r.blocks[0].second, block(300));
    QCOMPARE(r.blocks[0].first.parameter, 0xABCDu);
    QCOMPARE(r.blocks[0].first.parameter1, uint8_t(9));
    QCOMPARE(r.headerBytes, 2 * 87); // the 88th byte completes instead of restarting the watchdog
    QVERIFY(!rx.halfReceived());
}

void TstFrameReceiver::threeFramesInOneRead()
{
    Recorder r;
    FrameReceiver rx(&r);
    rx.feed(command(4, 1) + data(17, block(40)) + command(18));
    QCOMPARE(r.events, QStringList({"cmd 4", "dataHeader 17", "data 17", "cmd 18"}));
    QVERIFY(r.unframed.isEmpty());
}

void TstFrameReceiver::dataBlockThenNextHeaderInSameRead()
{
    Recorder r;
    FrameReceiver rx(&r);
    const QByteArray first = data(6, block(18));
    const QByteArray second = command(27, 5000);
    // The second read holds the block's tail and the whole next header.
    rx.feed(first.left(95));
    rx.feed(first.mid(95) + second);
    QCOMPARE(r.events, QStringList({"dataHeader 6", "data 6", "cmd 27"}));
    QCOMPARE(r.blocks[0].second, block(18));
    QCOMPARE(r.commands[0].parameter, 5000u);
}

void TstFrameReceiver::dashLeadInInPieces_data()
{
    QTest::addColumn<QList<int>>("cuts");
    QTest::newRow("whole") << QList<int>{};
    QTest::newRow("header alone") << QList<int>{88};
    QTest::newRow("lead-in in three") << QList<int>{88, 89, 600, 1200};
    QTest::newRow("lead-in end straddled") << QList<int>{88 + 1371, 88 + 1373};
    QTest::newRow("header split, lead-in split") << QList<int>{40, 100, 1460, 1461};
}

void TstFrameReceiver::dashLeadInInPieces()
{
    QFETCH(QList<int>, cuts);
    Recorder r;
    FrameReceiver rx(&r);
    const QByteArray stream = data(8, block(64), 0) + command(18, 0, 0);
    QCOMPARE(stream.size(), 88 + 1372 + 64 + 88);
    int at = 0;
    for (int cut : cuts) {
        rx.feed(stream.mid(at, cut - at));
        at = cut;
    }
    rx.feed(stream.mid(at));
    QCOMPARE(r.events, QStringList({"dataHeader 8", "data 8", "cmd 18"}));
    QCOMPARE(r.blocks[0].second, block(64));
}

void TstFrameReceiver::badHeaders_twentyKeepTwentyFirstCloses()
{
    Recorder r;
    FrameReceiver rx(&r);
    SimCodec::HeaderOptions corrupt;
    corrupt.corruptHeaderCrc = true;
    SimFrame f;
    const QByteArray bad = SimCodec::header(f, corrupt);

    for (int i = 0; i < 20; ++i)
        rx.feed(bad);
    QCOMPARE(r.bad, 20);
    QCOMPARE(r.closes, 0);
    rx.feed(bad);
    QCOMPARE(r.closes, 1);
    QCOMPARE(rx.badHeaderCount(), 0);

    // A good header in between starts the count again.
    for (int i = 0; i < 20; ++i)
        rx.feed(bad);
    rx.feed(command(18));
    for (int i = 0; i < 20; ++i)
        rx.feed(bad);
    QCOMPARE(r.closes, 1);
    QCOMPARE(r.commands.size(), 1);
}

void TstFrameReceiver::badHeaderKinds_data()
{
    QTest::addColumn<int>("kind");
    QTest::newRow("line end") << 0;
    QTest::newRow("header crc") << 1;
    QTest::newRow("truncated header then garbage") << 2;
}

void TstFrameReceiver::badHeaderKinds()
{
    QFETCH(int, kind);
    Recorder r;
    FrameReceiver rx(&r);
    SimCodec::HeaderOptions opt;
    opt.corruptLineEnd = kind == 0;
    opt.corruptHeaderCrc = kind == 1;
    QByteArray bad = SimCodec::header(SimFrame{}, opt);
    if (kind == 2)
        bad = bad.left(50) + QByteArray(38, 'x');
    // The bad header's bytes are not rescanned: a good frame right after it is found.
    rx.feed(bad + command(33, 77));
    QCOMPARE(r.bad, 1);
    QCOMPARE(r.commands.size(), 1);
    QCOMPARE(r.commands[0].parameter, 77u);
}

void TstFrameReceiver::loneMagicFollowedByNonAction()
{
    Recorder r;
    FrameReceiver rx(&r);
    // "h" then a byte >= 2 drops both; "hh" too (the second h is not a new start).
    rx.feed(QByteArray("h\x05") + QByteArray("hh") + command(18) + QByteArray("h") );
    rx.feed(QByteArray("\x07") + command(33));
    QCOMPARE(r.events, QStringList({"cmd 18", "cmd 33"}));
    QCOMPARE(r.bad, 0);
}

void TstFrameReceiver::wrongDataCrcReportsAndRecovers()
{
    Recorder r;
    FrameReceiver rx(&r);
    SimCodec::HeaderOptions opt;
    opt.corruptDataCrc = true;
    rx.feed(data(7, block(100), 4, opt) + data(7, block(100)));
    QCOMPARE(r.events, QStringList({"dataHeader 7", "crcBad 7", "dataHeader 7", "data 7"}));
}

void TstFrameReceiver::absurdDataSizeIsRejected()
{
    Recorder r;
    FrameReceiver rx(&r);
    SimFrame f;
    f.action = 0;
    f.type = 2;
    f.sender = 4;
    f.dataSize = 0xFFFFFFF0u;
    SimCodec::HeaderOptions opt;
    opt.autoSizeAndCrc = false;
    rx.feed(SimCodec::header(f, opt) + QByteArray(1000, 'z') + command(18));
    QCOMPARE(r.bad, 1);
    QVERIFY(!rx.isCollecting());
    QCOMPARE(r.commands.size(), 1);
}

void TstFrameReceiver::unframedChunksGoToBootLoaderText()
{
    Recorder r;
    FrameReceiver rx(&r);
    rx.feed(QByteArray("BOOT S1.85\r\n"));
    rx.feed(QByteArray());
    const QByteArray frame = command(18);
    rx.feed(QByteArray("junk") + frame.left(60));
    rx.feed(frame.mid(60));
    QCOMPARE(r.unframed, QList<QByteArray>({"BOOT S1.85\r\n", QByteArray(), "junk" + frame.left(60)}));
    QCOMPARE(r.commands.size(), 1);
}

void TstFrameReceiver::progressForSettingsBlocks()
{
    Recorder r;
    FrameReceiver rx(&r);
    const QByteArray stream = data(13, block(1000));
    rx.feed(stream.left(88 + 5));
    rx.feed(stream.mid(88 + 5, 500));
    rx.feed(stream.mid(88 + 505));
    QCOMPARE(r.events, QStringList({"dataHeader 13", "busy", "data 13"}));
    // before each appended chunk: stored * 100 / size, at least 1; then 100 at the end
    QCOMPARE(r.progressValues, QList<unsigned>({1, 1, 50, 100}));

    // Blocks of other types show nothing.
    Recorder other;
    FrameReceiver rx2(&other);
    rx2.feed(data(2, block(1000)));
    QVERIFY(other.progressValues.isEmpty());
    QVERIFY(!other.events.contains("busy"));
}

void TstFrameReceiver::resetMidFrameStartsClean()
{
    Recorder r;
    FrameReceiver rx(&r);
    const QByteArray d = data(13, block(500));
    rx.feed(d.left(300));
    QVERIFY(rx.isCollecting());
    rx.reset();
    rx.feed(command(18));
    rx.feed(command(0).left(30));
    QCOMPARE(rx.storedHeaderBytes(), 30);
    rx.reset();
    rx.feed(command(33));
    QCOMPARE(r.events.filter("cmd"), QStringList({"cmd 18", "cmd 33"}));
}

void TstFrameReceiver::closeFromASinkCallDropsTheRestOfTheRead()
{
    // The link closes the socket from inside a callback (21st bad header); the disconnect
    // handling resets the receiver while it is still walking the read.
    struct Closing : Recorder
    {
        FrameReceiver *rx = nullptr;
        void commandFrame(const FrameHeader &h) override
        {
            Recorder::commandFrame(h);
            if (h.dataOrCommand == 99)
                rx->reset();
        }
    } r;
    FrameReceiver rx(&r);
    r.rx = &rx;
    rx.feed(command(18) + command(99) + command(33) + data(16, block(10)));
    QCOMPARE(r.events, QStringList({"cmd 18", "cmd 99"}));
    rx.feed(command(33));
    QCOMPARE(r.events.last(), QString("cmd 33"));
}

void TstFrameReceiver::closeWhileAHeaderIsStoredDropsTheRestOfTheRead()
{
    // A close can come from any callback, not only from the 21st bad header: what follows it in the
    // read belongs to a dead connection and must not be parsed.
    struct Closing : Recorder
    {
        FrameReceiver *rx = nullptr;
        void headerByteStored() override
        {
            if (++headerBytes == 10)
                rx->reset();
        }
    } r;
    FrameReceiver rx(&r);
    r.rx = &rx;
    rx.feed(command(18) + command(33));
    QCOMPARE(r.events, QStringList());
    QCOMPARE(rx.storedHeaderBytes(), 0);
    rx.feed(command(33));
    QCOMPARE(r.events, QStringList({"cmd 33"}));
}

QTEST_GUILESS_MAIN(TstFrameReceiver)
#include "tst_framereceiver.moc"
