#include "simcore/SimFrame.h"

#include <array>

namespace {

void putU32(QByteArray &b, int at, quint32 v)
{
    b[at] = char(v & 0xFF);
    b[at + 1] = char((v >> 8) & 0xFF);
    b[at + 2] = char((v >> 16) & 0xFF);
    b[at + 3] = char((v >> 24) & 0xFF);
}

quint32 getU32(const QByteArray &b, int at)
{
    return quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8
           | quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24;
}

} // namespace

namespace SimCodec {

quint32 wordCrc(const QByteArray &bytes)
{
    // A word is folded in MSB first, 32 shifts of the register, taken a byte (8 shifts) at a
    // time from a table: the bitwise loop cost the boot loader about a millisecond per packet.
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 b = 0; b < 256; ++b) {
            quint32 c = b << 24;
            for (int bit = 0; bit < 8; ++bit)
                c = (c & 0x80000000u) ? (c << 1) ^ 0x04C11DB7u : (c << 1);
            t[b] = c;
        }
        return t;
    }();
    quint32 c = 0xFFFFFFFFu;
    const int words = int(bytes.size() / 4);
    for (int i = 0; i < words; ++i) {
        c ^= getU32(bytes, i * 4);
        for (int step = 0; step < 4; ++step)
            c = (c << 8) ^ table[c >> 24];
    }
    return c;
}

QByteArray header(const SimFrame &f, const HeaderOptions &opt)
{
    QByteArray h(HeaderLen, '\0');
    h[0] = opt.corruptMagic ? 'H' : 'h';
    h[1] = char(f.action);
    h[2] = char(f.type);
    h[3] = char(f.sender);
    putU32(h, 4, f.parameter);
    quint32 crc = opt.autoSizeAndCrc ? wordCrc(f.data) : f.dataCrc;
    if (opt.corruptDataCrc)
        crc ^= 0x5A5A5A5Au;
    putU32(h, 8, crc);
    putU32(h, 12, opt.autoSizeAndCrc ? quint32(f.data.size()) : f.dataSize);
    for (int i = 0; i < 64 && i < f.aux.size(); ++i)
        h[16 + i] = f.aux[i];
    h[80] = char(f.parameter1);
    h[81] = 0;
    h[82] = opt.corruptLineEnd ? '\n' : '\r';
    h[83] = opt.corruptLineEnd ? '\r' : '\n';
    quint32 hc = wordCrc(h.left(84));
    if (opt.corruptHeaderCrc)
        hc += 1;
    putU32(h, 84, hc);
    return h;
}

QByteArray frame(const SimFrame &f, bool leadIn, const HeaderOptions &opt)
{
    QByteArray out = header(f, opt);
    if (f.action == 0) {
        if (leadIn)
            out.append(QByteArray(DashFillerLen, char(0xAA)));
        out.append(f.data);
    }
    return out;
}

QList<SimFrame> StreamParser::feed(const QByteArray &bytes)
{
    m_buf.append(bytes);
    QList<SimFrame> out;
    for (;;) {
        const int start = int(m_buf.indexOf('h'));
        if (start < 0) {
            m_buf.clear();
            break;
        }
        if (start > 0)
            m_buf.remove(0, start);
        if (m_buf.size() < HeaderLen)
            break;
        const QByteArray h = m_buf.left(HeaderLen);
        const bool ok = h[82] == '\r' && h[83] == '\n' && getU32(h, 84) == wordCrc(h.left(84))
                        && quint8(h[1]) <= 1;
        if (!ok) {
            ++m_rejected;
            m_buf.remove(0, 1);
            continue;
        }
        SimFrame f;
        f.action = quint8(h[1]);
        f.type = quint8(h[2]);
        f.sender = quint8(h[3]);
        f.parameter = getU32(h, 4);
        f.dataCrc = getU32(h, 8);
        f.dataSize = getU32(h, 12);
        f.aux = h.mid(16, 64);
        f.parameter1 = quint8(h[80]);
        const qsizetype need = HeaderLen + (f.action == 0 ? qsizetype(f.dataSize) : 0);
        if (m_buf.size() < need)
            break;
        if (f.action == 0)
            f.data = m_buf.mid(HeaderLen, qsizetype(f.dataSize));
        m_buf.remove(0, need);
        out.append(f);
    }
    return out;
}

} // namespace SimCodec
