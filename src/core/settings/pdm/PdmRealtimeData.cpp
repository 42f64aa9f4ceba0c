#include "settings/pdm/PdmRealtimeData.h"

#include <QtEndian>

using namespace PdmRealtimeLayout;

PdmRealtimeData::PdmRealtimeData(QObject *parent)
    : QObject(parent), m_payload(qsizetype(PayloadSize), '\0')
{
}

bool PdmRealtimeData::loadFromPayload(const QByteArray &payload)
{
    if (payload.size() != qsizetype(PayloadSize))
        return false;
    m_payload = payload;
    Q_EMIT dataChanged();
    return true;
}

void PdmRealtimeData::reset()
{
    m_payload.fill('\0');
    Q_EMIT dataChanged();
}

bool PdmRealtimeData::getFuncState(uint8_t f) const
{
    const auto word = quint32(value(PdmRealtimeLayout::functionsState, f / 32));
    return (word >> (f % 32)) & 1u;
}

qint64 PdmRealtimeData::value(Index index, std::size_t element) const
{
    const Field &f = fields[index];
    const auto *p = reinterpret_cast<const uchar *>(m_payload.constData()) + f.offset
                    + element * kindSize(f.kind);
    switch (f.kind) {
    case Kind::U8:
        return *p;
    case Kind::U16:
        return qFromLittleEndian<quint16>(p);
    case Kind::I16:
        return qFromLittleEndian<qint16>(p);
    case Kind::U32:
        return qFromLittleEndian<quint32>(p);
    }
    return 0;
}
