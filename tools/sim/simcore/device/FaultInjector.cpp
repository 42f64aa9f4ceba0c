#include "simcore/device/FaultInjector.h"

#include <algorithm>

void FaultInjector::schedule(SimFault fault, int action, int type)
{
    m_scheduled.append({fault, action, type});
}

bool FaultInjector::takeScheduled(SimFault fault, int action, int type)
{
    for (int i = 0; i < m_scheduled.size(); ++i) {
        const Scheduled &s = m_scheduled[i];
        if (s.fault == fault && (s.action < 0 || s.action == action) && (s.type < 0 || s.type == type)) {
            m_scheduled.removeAt(i);
            return true;
        }
    }
    return false;
}

SimFault FaultInjector::forFrame(int action, int type)
{
    for (SimFault f : {SimFault::Drop, SimFault::Corrupt, SimFault::Delay, SimFault::Stall, SimFault::Disconnect})
        if (takeScheduled(f, action, type))
            return f;
    if (roll(m_rates.disconnect))
        return SimFault::Disconnect;
    if (roll(m_rates.stall))
        return SimFault::Stall;
    if (roll(m_rates.drop))
        return SimFault::Drop;
    if (roll(m_rates.corrupt))
        return SimFault::Corrupt;
    if (roll(m_rates.delay))
        return SimFault::Delay;
    return SimFault::None;
}

bool FaultInjector::takeResend(int type)
{
    return takeScheduled(SimFault::Resend, 0, type) || roll(m_rates.resend);
}

bool FaultInjector::takeBadRealtime()
{
    return takeScheduled(SimFault::BadRealtime, 0, 14) || roll(m_rates.badRealtime);
}

QByteArray FaultInjector::dropSpan(const QByteArray &bytes)
{
    if (bytes.isEmpty())
        return bytes;
    const int at = int(m_rng.bounded(quint32(bytes.size())));
    const int len = std::min(int(bytes.size()) - at, 1 + int(m_rng.bounded(16u)));
    QByteArray out = bytes;
    out.remove(at, len);
    return out;
}

QByteArray FaultInjector::corruptByte(const QByteArray &bytes, int from)
{
    if (bytes.size() <= from)
        from = 0;
    if (bytes.isEmpty())
        return bytes;
    QByteArray out = bytes;
    const int at = from + int(m_rng.bounded(quint32(bytes.size() - from)));
    out[at] = char(quint8(out[at]) ^ quint8(1 + m_rng.bounded(255u)));
    return out;
}

int FaultInjector::cutPoint(int headerLen, int size)
{
    if (size > headerLen + 1)
        return headerLen + 1 + int(m_rng.bounded(quint32(size - headerLen - 1)));
    return 1 + int(m_rng.bounded(quint32(std::max(1, size - 1))));
}

int FaultInjector::delayMs()
{
    return 1 + int(m_rng.bounded(quint32(std::max(1, m_rates.delayMs))));
}

int FaultInjector::resendParameter()
{
    m_resendCycle = m_resendCycle % 3 + 1;
    return m_resendCycle;
}
