#pragma once
// Seeded faults on the simulated device's outgoing stream and in its answers.

#include <QByteArray>
#include <QList>
#include <QRandomGenerator>

enum class SimFault {
    None,
    Drop,        // a span of bytes of the frame never leaves
    Corrupt,     // one byte of the frame is flipped
    Delay,       // the frame (and what follows) leaves later
    Stall,       // part of the frame leaves, the rest never does, and the line goes quiet a while
    Disconnect,  // part of the frame leaves, then the connection is closed
    Resend,      // a received upload is answered with AskResendPrevPacket instead of being taken
    BadRealtime, // a real-time block of the wrong length
};

struct FaultRates
{
    double drop = 0, corrupt = 0, delay = 0, stall = 0, disconnect = 0; // per outgoing frame
    double resend = 0;      // per received settings upload
    double badRealtime = 0; // per real-time block
    int delayMs = 300;      // longest added delay
    int stallMs = 4000;     // silence after a stall
};

class FaultInjector
{
public:
    explicit FaultInjector(quint32 seed = 1, FaultRates rates = {}) : m_rng(seed), m_rates(rates) {}

    void setRates(const FaultRates &rates) { m_rates = rates; }
    const FaultRates &rates() const { return m_rates; }

    // Forces a fault on the next frame it applies to. A frame fault may be limited to frames
    // with one action and type (-1: any).
    void schedule(SimFault fault, int action = -1, int type = -1);

    // Which fault hits an outgoing frame (only frame faults: drop..disconnect).
    SimFault forFrame(int action, int type);
    // Resend for a received upload; BadRealtime for a real-time block; else None.
    bool takeResend(int type);
    bool takeBadRealtime();

    // Helpers that apply a fault to frame bytes.
    QByteArray dropSpan(const QByteArray &bytes);
    QByteArray corruptByte(const QByteArray &bytes, int from);
    int cutPoint(int headerLen, int size); // inside the data block when there is one
    int delayMs();

    int resendParameter(); // 1, 2, 3, 1, ...

private:
    struct Scheduled
    {
        SimFault fault;
        int action, type;
    };
    bool takeScheduled(SimFault fault, int action, int type);
    bool roll(double rate) { return rate > 0 && m_rng.generateDouble() < rate; }

    QRandomGenerator m_rng;
    FaultRates m_rates;
    QList<Scheduled> m_scheduled;
    int m_resendCycle = 0;
};
