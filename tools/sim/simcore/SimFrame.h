#pragma once
// The simulator's own frame codec, written from the link's header table and checksum
// description (not shared with the client, so that a mistake on one side shows up).

#include <QByteArray>
#include <QList>

struct SimFrame
{
    quint8 action = 1;        // 0 data follows, 1 command
    quint8 type = 0;          // data type or command code
    quint8 sender = 0;        // 0 dash, 4 PDM, 5 PDM boot loader, 6 client
    quint32 parameter = 0;
    quint32 dataCrc = 0;
    quint32 dataSize = 0;
    QByteArray aux = QByteArray(64, '\0');
    quint8 parameter1 = 0;
    QByteArray data;          // the block (data frames)
};

namespace SimCodec {

inline constexpr int HeaderLen = 88;
inline constexpr int DashFillerLen = 1372;

// STM32-style CRC over whole little-endian words, bit by bit.
quint32 wordCrc(const QByteArray &bytes);

struct HeaderOptions
{
    bool autoSizeAndCrc = true;   // take dataSize and dataCrc from data
    bool corruptMagic = false;
    bool corruptLineEnd = false;
    bool corruptHeaderCrc = false;
    bool corruptDataCrc = false;
};

QByteArray header(const SimFrame &f, const HeaderOptions &opt = {});
// Header, then the dash's filler when leadIn, then the block.
QByteArray frame(const SimFrame &f, bool leadIn = false, const HeaderOptions &opt = {});

// Cuts the client's stream (no filler) into frames; keeps partial input between calls.
class StreamParser
{
public:
    QList<SimFrame> feed(const QByteArray &bytes);
    int rejectedHeaders() const { return m_rejected; }

private:
    QByteArray m_buf;
    int m_rejected = 0;
};

} // namespace SimCodec
