// Feeds the frame receiver a stream of segments: well-formed frames built with the header codec,
// and garbage (raw bytes, or frames with one thing wrong) in between. Segments are cut into reads
// of pseudo-random sizes, and the sink behaves like the link: it reads the socket again from inside
// its callbacks (those bytes queue behind the read being handled), and it closes the link (reset)
// on the 21st bad header and now and then on other events.
//
// Delivery is checked, not just survival: after a pause (the link's watchdogs empty a partial
// header), a well-formed frame that no close interrupted arrives exactly once, in its place in the
// stream, with its header and bytes intact. Garbage may deliver whatever happens to check out, but
// never a block that does not match its header.

#include "link/FrameHeader.h"
#include "link/FrameReceiver.h"
#include "settings/layout/Crc32Words.h"

#include <QByteArray>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <vector>

using namespace LinkConst;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_receiver: %s\n", what);
    std::abort();
}

constexpr std::size_t kMaxGoodPayload = 4096;
constexpr int kMaxSegments = 64;

class Bytes
{
public:
    Bytes(const uint8_t *d, std::size_t n) : m_d(d), m_n(n) {}
    bool empty() const { return m_pos >= m_n; }
    std::size_t left() const { return m_n - m_pos; }
    uint8_t u8() { return empty() ? 0 : m_d[m_pos++]; }
    uint16_t u16() { return uint16_t(u8() | u8() << 8); }
    uint32_t u32() { return uint32_t(u16()) | uint32_t(u16()) << 16; }
    QByteArray take(std::size_t n)
    {
        n = std::min(n, left());
        const QByteArray out(reinterpret_cast<const char *>(m_d + m_pos), qsizetype(n));
        m_pos += n;
        return out;
    }

private:
    const uint8_t *m_d;
    std::size_t m_n;
    std::size_t m_pos = 0;
};

struct Delivery
{
    FrameHeader header;
    QByteArray block;
    bool crcBad = false;
};

struct Segment
{
    bool good = false;
    QByteArray bytes;
    Delivery expected; // good segments only
};

QByteArray headerBytes(const FrameHeader &h, bool raw = false)
{
    const HeaderBytes hb = raw ? encodeHeaderRaw(h) : encodeHeader(h);
    return QByteArray(reinterpret_cast<const char *>(hb.data()), qsizetype(hb.size()));
}

uint8_t senderFrom(unsigned pick, Bytes &in)
{
    switch (pick & 3) {
    case 0: return Device_Ardix7; // its data frames carry the lead-in
    case 1: return Device_Pmx;
    case 2: return Device_ArdixClient;
    default: return in.u8();
    }
}

Segment goodFrame(uint8_t tag, Bytes &in)
{
    Segment s;
    s.good = true;
    FrameHeader h;
    h.action = (tag & 2) ? CommandMessage : FlashData;
    h.sender = senderFrom(tag >> 2, in);
    h.dataOrCommand = in.u8();
    h.parameter = in.u32();
    h.parameter1 = in.u8();
    h.auxData[0] = in.u8();
    QByteArray payload;
    if (h.action == FlashData) {
        payload = in.take(in.u16() % kMaxGoodPayload);
        h.dataSize = uint32_t(payload.size());
        h.dataCrc = crc32Words(payload.constData(), std::size_t(payload.size()));
    }
    s.bytes = headerBytes(h);
    if (h.action == FlashData && h.sender == Device_Ardix7)
        s.bytes.append(QByteArray(qsizetype(DashLeadInSize), char(in.u8())));
    s.bytes.append(payload);
    h.headerCrc = decodeHeader(reinterpret_cast<const uint8_t *>(s.bytes.constData())).headerCrc;
    s.expected = {h, payload, false};
    return s;
}

// Raw bytes, or a frame with one fault: a wrong block checksum, an absurd size, a broken line end or
// header checksum, a header cut short.
Segment garbage(uint8_t tag, Bytes &in)
{
    Segment s;
    if (!(tag & 2)) {
        s.bytes = in.take((tag & 4) ? in.u16() : in.u8());
        return s;
    }
    FrameHeader h;
    h.action = (tag >> 3) & 1;
    h.sender = senderFrom(tag >> 4, in);
    h.dataOrCommand = in.u8();
    const QByteArray payload = in.take(in.u16() % kMaxGoodPayload);
    h.dataSize = h.action == FlashData ? uint32_t(payload.size()) : 0;
    h.dataCrc = crc32Words(payload.constData(), std::size_t(payload.size()));
    const uint8_t fault = in.u8();
    switch (fault % 6) {
    case 0: h.dataCrc ^= 1u << (fault % 32); break;
    case 1: h.dataSize = MaxDataSize + fault; break;
    case 2: h.dataSize = in.u32(); break;
    default: break;
    }
    QByteArray head = headerBytes(h);
    if (fault % 6 == 3)
        head[83] = 0; // line end
    if (fault % 6 == 4)
        head[in.u8() % int(HeaderSize)] ^= char(1 + (fault >> 3)); // any byte: the header checksum fails
    if (fault % 6 == 5)
        head.truncate(in.u8() % int(HeaderSize));
    s.bytes = head;
    if (h.action == FlashData && h.sender == Device_Ardix7)
        s.bytes.append(QByteArray(qsizetype(DashLeadInSize), char(fault)));
    if (h.action == FlashData)
        s.bytes.append(payload);
    return s;
}

class Rng
{
public:
    explicit Rng(uint32_t seed) : m_state(seed ^ 0x9E3779B9u) {}
    uint32_t next()
    {
        m_state = m_state * 1664525u + 1013904223u;
        return m_state >> 8;
    }
    bool chance(unsigned perMille) { return next() % 1000 < perMille; }

private:
    uint32_t m_state;
};

// The link as the receiver sees it: watchdogs, reads, closes.
class Link : public FrameReceiverSink
{
public:
    Link(uint32_t seed, uint8_t chaos, bool tinyReads)
        : m_rng(seed), m_rx(this), m_feedInCallback(chaos & 0x0F), m_closeInCallback(chaos >> 4),
          m_maxRead(tinyReads ? 3 : 3000)
    {
    }

    void play(const std::vector<Segment> &segments)
    {
        for (const Segment &s : segments) {
            m_segment = &s;
            m_pos = 0;
            m_closed = false;
            m_segmentStart = m_delivered.size();
            if (s.good) {
                // Silence before the frame: the header-parse watchdog drops what was half read.
                m_rx.dropPartialHeader();
                m_rx.leaveCollection();
            }
            while (m_pos < std::size_t(s.bytes.size()) && !m_closed) {
                readOnce();
                checkState();
                if (!s.good && m_rng.chance(20))
                    watchdogOrDisconnect();
            }
            if (s.good && !m_closedBeforeDelivery)
                checkDelivered(s.expected);
            m_closedBeforeDelivery = false;
        }
    }

private:
    void readOnce()
    {
        const std::size_t len = std::min<std::size_t>(1 + m_rng.next() % m_maxRead, std::size_t(m_segment->bytes.size()) - m_pos);
        const char *p = m_segment->bytes.constData() + m_pos;
        m_pos += len;
        m_rx.feed(p, qsizetype(len));
    }

    void watchdogOrDisconnect()
    {
        switch (m_rng.next() % 3) {
        case 0: m_rx.reset(); break;
        case 1: m_rx.dropPartialHeader(); m_rx.leaveCollection(); break;
        default: m_rx.feed(nullptr, 0); break;
        }
    }

    // What the link may do from inside any callback: read the socket again, or close it.
    void meddle()
    {
        if (m_closed)
            return; // a closed socket has nothing more to read
        if (m_rng.next() % 16 < m_closeInCallback && m_rng.chance(100)) {
            close();
            return;
        }
        if (m_rng.next() % 16 < m_feedInCallback && m_pos < std::size_t(m_segment->bytes.size()))
            readOnce();
    }

    void close()
    {
        m_closed = true;
        if (m_segment->good && m_delivered.size() == m_segmentStart)
            m_closedBeforeDelivery = true;
        m_rx.reset();
    }

    void checkState() const
    {
        if (m_rx.storedHeaderBytes() < 0 || m_rx.storedHeaderBytes() >= int(HeaderSize))
            fail("stored header bytes out of range");
        if (m_rx.isCollecting() && std::size_t(m_rx.collectedBytes()) > m_rx.currentHeader().dataSize)
            fail("collected more than the header announced");
        if (m_rx.badHeaderCount() >= BadHeadersBeforeClose)
            fail("bad header count past the close");
    }

    void checkDelivered(const Delivery &want) const
    {
        if (m_delivered.size() != m_segmentStart + 1)
            fail(m_delivered.size() == m_segmentStart ? "a well-formed frame was lost" : "a well-formed frame arrived twice");
        const Delivery &got = m_delivered.back();
        if (got.crcBad)
            fail("a well-formed frame failed its block checksum");
        if (!(got.header == want.header))
            fail("a well-formed frame arrived with another header");
        if (got.block != want.block)
            fail("a well-formed frame arrived with other bytes");
    }

    void record(const FrameHeader &h, const QByteArray &block, bool crcBad)
    {
        m_delivered.push_back({h, block, crcBad});
    }

    // Once the link is closed nothing more of the read may be handled; only a block already
    // complete is still handed over.
    void afterClose() const
    {
        if (m_closed)
            fail("the receiver went on with a read after the link closed");
    }

    // FrameReceiverSink
    void headerByteStored() override { afterClose(); checkState(); meddle(); }
    void headerCompleted() override { afterClose(); meddle(); }
    void badHeader(bool closeLink) override
    {
        afterClose();
        if (m_segment->good)
            fail("a well-formed frame was taken for a bad header");
        if (closeLink)
            close(); // the real link disconnects here
        else
            meddle();
    }
    void commandFrame(const FrameHeader &h) override
    {
        afterClose();
        record(h, QByteArray(), false);
        meddle();
    }
    void dataHeader(const FrameHeader &) override { afterClose(); meddle(); }
    void dataActivity() override { afterClose(); meddle(); }
    void dataAppended(const FrameHeader &) override { afterClose(); checkState(); meddle(); }
    void progress(unsigned p) override
    {
        afterClose();
        if (p > 100)
            fail("progress past 100");
    }
    void dataEnded(const FrameHeader &) override { afterClose(); meddle(); }
    void dataFrame(const FrameHeader &h, const QByteArray &block) override
    {
        if (std::size_t(block.size()) != h.dataSize
            || crc32Words(block.constData(), std::size_t(block.size())) != h.dataCrc)
            fail("a delivered block does not match its header");
        record(h, block, false);
        meddle();
    }
    void dataFrameCrcBad(const FrameHeader &h) override
    {
        record(h, QByteArray(), true);
        meddle();
    }
    void unframedChunk(const QByteArray &) override {}

    Rng m_rng;
    FrameReceiver m_rx;
    unsigned m_feedInCallback;
    unsigned m_closeInCallback;
    std::size_t m_maxRead;
    const Segment *m_segment = nullptr;
    std::size_t m_pos = 0;
    bool m_closed = false;
    bool m_closedBeforeDelivery = false;
    std::size_t m_segmentStart = 0; // deliveries before the current segment
    std::vector<Delivery> m_delivered;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    Bytes in(data, size);
    const uint8_t flags = in.u8();
    const uint16_t seed = in.u16();
    const uint8_t chaos = in.u8();

    std::vector<Segment> segments;
    while (!in.empty() && segments.size() < kMaxSegments) {
        const uint8_t tag = in.u8();
        segments.push_back((tag & 1) ? goodFrame(tag, in) : garbage(tag, in));
    }
    Link link(uint32_t(seed) << 8 | flags, chaos, flags & 1);
    link.play(segments);
    return 0;
}
