#pragma once
// Incremental receiver: cuts an arbitrary byte stream back into frames. Pure: no socket, no
// timers. It reports through a sink, whose calls map one-to-one onto the link's timers and
// signals.

#include "link/FrameHeader.h"

#include <QByteArray>

class FrameReceiverSink
{
public:
    virtual ~FrameReceiverSink() = default;
    // A header byte was stored (restart the header-parse watchdog).
    virtual void headerByteStored() {}
    // 88 header bytes are in (stop the header-parse watchdog).
    virtual void headerCompleted() {}
    // A stored header failed its check; closeLink on the 21st in a row.
    virtual void badHeader(bool closeLink) { Q_UNUSED(closeLink); }
    virtual void commandFrame(const FrameHeader &h) { Q_UNUSED(h); }
    // A data header opened collection of a block.
    virtual void dataHeader(const FrameHeader &h) { Q_UNUSED(h); }
    // The consumer looked at bytes of the block (restart the got-header watchdog).
    virtual void dataActivity() {}
    // Block bytes were appended (restart the got-header watchdog, and the log watchdog if running).
    virtual void dataAppended(const FrameHeader &h) { Q_UNUSED(h); }
    virtual void busyBegins() {}
    virtual void progress(unsigned percent) { Q_UNUSED(percent); }
    // The whole block is in; called before dataFrame / dataFrameCrcBad.
    virtual void dataEnded(const FrameHeader &h) { Q_UNUSED(h); }
    virtual void dataFrame(const FrameHeader &h, const QByteArray &block) { Q_UNUSED(h); Q_UNUSED(block); }
    virtual void dataFrameCrcBad(const FrameHeader &h) { Q_UNUSED(h); }
    // A read that held no good header (or was empty), for the boot loader's text lines.
    virtual void unframedChunk(const QByteArray &chunk) { Q_UNUSED(chunk); }
};

class FrameReceiver
{
public:
    explicit FrameReceiver(FrameReceiverSink *sink) : m_sink(sink) {}

    // One read from the socket.
    void feed(const char *data, qsizetype size);
    void feed(const QByteArray &chunk) { feed(chunk.constData(), chunk.size()); }

    // Socket error or disconnect: forget a partial header and any block being collected.
    void reset();
    // Watchdogs: drop the partial header / leave data collection.
    void dropPartialHeader() { m_stored = 0; }
    void leaveCollection();

    bool isCollecting() const { return m_collecting; }
    int storedHeaderBytes() const { return m_stored; }
    // The action byte of the header being stored, or -1 when fewer than two bytes are in.
    int storedAction() const { return m_stored >= 2 ? m_headerBuf[1] : -1; }
    // The last good header (the one whose block is being collected, if any).
    const FrameHeader &currentHeader() const { return m_header; }
    qsizetype collectedBytes() const { return m_data.size(); }
    int badHeaderCount() const { return m_badHeaders; }
    bool halfReceived() const { return m_stored > 0 || m_collecting; }

private:
    qsizetype parseHeader(const uint8_t *p, qsizetype n);
    qsizetype consumeData(const uint8_t *p, qsizetype n);
    void finishIfComplete();
    void process(const char *data, qsizetype size);

    FrameReceiverSink *m_sink;
    HeaderBytes m_headerBuf{};
    int m_stored = 0;
    FrameHeader m_header;
    bool m_collecting = false;
    QByteArray m_data;
    std::size_t m_leadInDropped = 0;
    int m_badHeaders = 0;
    bool m_framed = false;
    bool m_feeding = false;
    bool m_resetWhileFeeding = false; // a sink call closed the link: drop the rest of the read
    QByteArray m_pending;
};
