// Feeds the frame receiver with arbitrary streams cut into arbitrary reads, with watchdog
// resets in between. Half of the inputs are turned into well-formed (or slightly broken)
// frames first, so that the data paths are reached despite the header checksum.

#include "link/FrameReceiver.h"
#include "settings/layout/Crc32Words.h"

#include <algorithm>

#include <cstdint>
#include <cstdlib>
#include <vector>

using namespace LinkConst;

namespace {

struct Checker : FrameReceiverSink
{
    FrameReceiver *rx = nullptr;
    void check() const
    {
        if (rx->storedHeaderBytes() < 0 || rx->storedHeaderBytes() >= int(HeaderSize))
            std::abort();
        if (rx->isCollecting() && std::size_t(rx->collectedBytes()) > rx->currentHeader().dataSize)
            std::abort();
        if (rx->badHeaderCount() >= BadHeadersBeforeClose)
            std::abort();
    }
    void headerByteStored() override { check(); }
    void dataAppended(const FrameHeader &) override { check(); }
    void dataFrame(const FrameHeader &h, const QByteArray &b) override
    {
        if (std::size_t(b.size()) != h.dataSize)
            std::abort();
    }
    void progress(unsigned p) override
    {
        if (p > 100)
            std::abort();
    }
};

class Bytes
{
public:
    Bytes(const uint8_t *d, std::size_t n) : m_d(d), m_n(n) {}
    bool empty() const { return m_pos >= m_n; }
    uint8_t u8() { return empty() ? 0 : m_d[m_pos++]; }
    uint16_t u16() { return uint16_t(u8() | u8() << 8); }
    std::size_t left() const { return m_n - m_pos; }
    const uint8_t *take(std::size_t n)
    {
        const uint8_t *p = m_d + m_pos;
        m_pos += n;
        return p;
    }

private:
    const uint8_t *m_d;
    std::size_t m_n;
    std::size_t m_pos = 0;
};

std::vector<uint8_t> framesFrom(Bytes &in)
{
    std::vector<uint8_t> out;
    while (in.left() >= 6 && out.size() < (1u << 20)) {
        FrameHeader h;
        h.action = in.u8() & 1;
        h.dataOrCommand = in.u8();
        h.sender = in.u8() % 7;
        const uint16_t size = in.u16() % 4096;
        const uint8_t flags = in.u8();
        h.parameter1 = flags;
        const std::size_t have = std::min<std::size_t>(size, in.left());
        const uint8_t *payload = in.take(have);
        const uint32_t crc = crc32Words(payload, have);
        h.dataSize = h.action == FlashData ? uint32_t(have) : 0;
        h.dataCrc = (flags & 1) ? crc ^ 1 : crc;
        if (flags & 2)
            h.dataSize = 0xFFFFFFFFu - flags;
        HeaderBytes hb = encodeHeader(h);
        if (flags & 4)
            hb[83] = 0;
        if (flags & 8)
            hb[86] ^= 0x10;
        out.insert(out.end(), hb.begin(), hb.end());
        if (h.action == FlashData && h.sender == Device_Ardix7 && !(flags & 16))
            out.insert(out.end(), DashLeadInSize, uint8_t(flags));
        if (h.action == FlashData)
            out.insert(out.end(), payload, payload + have);
    }
    return out;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, std::size_t size)
{
    if (size < 4)
        return 0;
    Bytes in(data, size);
    const uint8_t mode = in.u8();
    const uint8_t cutSeed = in.u8();
    const uint8_t resetSeed = in.u8();

    std::vector<uint8_t> stream;
    if (mode & 1) {
        stream = framesFrom(in);
    } else {
        const std::size_t n = in.left();
        const uint8_t *p = in.take(n);
        stream.assign(p, p + n);
    }

    Checker sink;
    FrameReceiver rx(&sink);
    sink.rx = &rx;

    // Cut the stream into reads of pseudo-random sizes; now and then a watchdog fires.
    uint32_t state = 0x9E3779B9u ^ (uint32_t(cutSeed) << 8) ^ resetSeed;
    std::size_t pos = 0;
    while (pos < stream.size()) {
        state = state * 1664525u + 1013904223u;
        const std::size_t maxRead = (mode & 2) ? 3 : 3000;
        const std::size_t len = std::min<std::size_t>(1 + (state >> 8) % maxRead, stream.size() - pos);
        rx.feed(reinterpret_cast<const char *>(stream.data() + pos), qsizetype(len));
        pos += len;
        sink.check();
        if (resetSeed && (state >> 24) % 251 == resetSeed % 251) {
            switch ((state >> 4) & 3) {
            case 0: rx.reset(); break;
            case 1: rx.leaveCollection(); break;
            case 2: rx.dropPartialHeader(); break;
            default: rx.feed(nullptr, 0); break;
            }
        }
    }
    return 0;
}
