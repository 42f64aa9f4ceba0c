#include "link/FrameReceiver.h"

#include "settings/layout/Crc32Words.h"

#include <algorithm>

using namespace LinkConst;

namespace {
bool showsProgress(uint8_t type) { return type == AllData || type == PdmCommonSettings; }
} // namespace

void FrameReceiver::reset()
{
    if (m_feeding) {
        m_resetWhileFeeding = true;
        m_pending.clear();
    }
    m_stored = 0;
    leaveCollection();
}

void FrameReceiver::leaveCollection()
{
    m_collecting = false;
    m_data = QByteArray();
    m_leadInDropped = 0;
}

void FrameReceiver::feed(const char *data, qsizetype size)
{
    // A sink call may end up reading the socket again; queue such bytes behind this read.
    if (m_feeding) {
        m_pending.append(data, size);
        return;
    }
    m_feeding = true;
    m_resetWhileFeeding = false;
    process(data, size);
    while (!m_pending.isEmpty() && !m_resetWhileFeeding) {
        const QByteArray next = std::exchange(m_pending, QByteArray());
        process(next.constData(), next.size());
    }
    m_feeding = false;
}

void FrameReceiver::process(const char *data, qsizetype size)
{
    m_framed = false;
    const auto *p = reinterpret_cast<const uint8_t *>(data);
    qsizetype pos = 0;
    while (pos < size) {
        qsizetype used = 0;
        if (m_collecting) {
            if (m_header.action != FlashData)
                break;
            used = consumeData(p + pos, size - pos);
        } else {
            used = parseHeader(p + pos, size - pos);
        }
        if (used == 0 || m_resetWhileFeeding)
            break;
        pos += used;
    }
    if (size == 0 || !m_framed)
        m_sink->unframedChunk(QByteArray(data, size));
}

qsizetype FrameReceiver::parseHeader(const uint8_t *p, qsizetype n)
{
    for (qsizetype i = 0; i < n; ++i) {
        const uint8_t b = p[i];
        if (m_stored == 0 && b != Magic)
            continue;
        if (m_stored == 1 && b >= 2) {
            m_stored = 0; // not an action byte: drop the 0x68, skip this byte too
            continue;
        }
        m_headerBuf[std::size_t(m_stored++)] = b;
        if (m_stored < int(HeaderSize)) {
            m_sink->headerByteStored();
            if (m_resetWhileFeeding)
                return i + 1;
            continue;
        }

        m_sink->headerCompleted();
        if (m_resetWhileFeeding)
            return i + 1;
        m_stored = 0;
        const bool good = checkHeader(m_headerBuf.data()) == HeaderCheck::Ok;
        const FrameHeader h = decodeHeader(m_headerBuf.data());
        if (!good || h.dataSize > MaxDataSize) {
            const bool close = ++m_badHeaders >= BadHeadersBeforeClose;
            if (close)
                m_badHeaders = 0;
            leaveCollection();
            m_sink->badHeader(close);
            if (m_resetWhileFeeding)
                return i + 1;
            continue;
        }

        m_badHeaders = 0;
        m_framed = true;
        m_header = h;
        leaveCollection();
        if (h.action == CommandMessage) {
            m_sink->commandFrame(h);
        } else {
            m_collecting = true;
            m_sink->dataHeader(h);
            finishIfComplete();
        }
        return i + 1;
    }
    return n;
}

qsizetype FrameReceiver::consumeData(const uint8_t *p, qsizetype n)
{
    m_sink->dataActivity();
    if (m_resetWhileFeeding)
        return 0;
    qsizetype i = 0;
    if (m_header.sender == Device_Ardix7 && m_leadInDropped < DashLeadInSize) {
        const auto skip = std::min<qsizetype>(qsizetype(DashLeadInSize - m_leadInDropped), n);
        m_leadInDropped += std::size_t(skip);
        i += skip;
    }
    const qsizetype remaining = qsizetype(m_header.dataSize) - m_data.size();
    const qsizetype take = std::min(remaining, n - i);
    if (take > 0) {
        if (showsProgress(m_header.dataOrCommand)) {
            if (m_data.isEmpty())
                m_sink->busyBegins();
            auto percent = uint8_t(uint64_t(m_data.size()) * 100u / m_header.dataSize);
            m_sink->progress(percent == 0 ? 1u : percent);
        }
        m_data.append(reinterpret_cast<const char *>(p + i), take);
        i += take;
        m_sink->dataAppended(m_header);
    }
    finishIfComplete();
    return i;
}

void FrameReceiver::finishIfComplete()
{
    if (!m_collecting)
        return;
    const bool leadInDone = m_header.sender != Device_Ardix7 || m_leadInDropped >= DashLeadInSize;
    if (!leadInDone || m_data.size() != qsizetype(m_header.dataSize))
        return;

    const FrameHeader h = m_header;
    const QByteArray block = std::exchange(m_data, QByteArray());
    leaveCollection();
    if (showsProgress(h.dataOrCommand))
        m_sink->progress(100);
    m_sink->dataEnded(h);
    if (crc32Words(block.constData(), std::size_t(block.size())) == h.dataCrc)
        m_sink->dataFrame(h, block);
    else
        m_sink->dataFrameCrcBad(h);
}
