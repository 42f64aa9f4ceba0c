#pragma once
// The outgoing queue: first in, first out, one frame per tick. The rules about what may be
// queued and what a sent entry means for the busy indicator and for waiting live here; the
// tick itself (timers, socket) is DeviceLink's.

#include "link/LinkConstants.h"

#include <QList>

struct QueueEntry
{
    uint8_t action = 0;
    uint8_t dataOrCommand = 0;
    uint32_t parameter = 0;

    bool operator==(const QueueEntry &o) const
    {
        return action == o.action && dataOrCommand == o.dataOrCommand && parameter == o.parameter;
    }
    bool isKeepOnline() const
    {
        return action == LinkConst::CommandMessage && dataOrCommand == LinkConst::KeepOnline;
    }
    bool isData() const { return action == LinkConst::FlashData; }
    bool isCommand(uint8_t c) const
    {
        return action == LinkConst::CommandMessage && dataOrCommand == c;
    }
};

class SendQueue
{
public:
    enum class Added { Appended, AlreadyFirst, Refused };

    Added enqueue(const QueueEntry &e);
    bool isEmpty() const { return m_entries.isEmpty(); }
    qsizetype size() const { return m_entries.size(); }
    QueueEntry takeFirst() { return m_entries.takeFirst(); }
    void clear() { m_entries.clear(); }
    // Drops every queued command with this code.
    void removeCommand(uint8_t command)
    {
        m_entries.removeIf([command](const QueueEntry &e) { return e.isCommand(command); });
    }
    const QList<QueueEntry> &entries() const { return m_entries; }

    // Awaiting a reply, with its countdown of queue ticks.
    bool awaitingReply() const { return m_awaiting; }
    unsigned countdown() const { return m_countdown; }
    void setAwaitingReply()
    {
        m_awaiting = true;
        m_countdown = LinkConst::ReplyCountdownTicks;
    }
    void clearAwaitingReply()
    {
        m_awaiting = false;
        m_countdown = LinkConst::ReplyCountdownTicks;
    }
    // One tick of waiting; false when the wait is over.
    bool countDown()
    {
        if (m_countdown == 0)
            return false;
        --m_countdown;
        return true;
    }

    static bool wantsBusyIndicator(const QueueEntry &e);
    static bool expectsReply(const QueueEntry &e);

private:
    QList<QueueEntry> m_entries;
    bool m_awaiting = false;
    unsigned m_countdown = LinkConst::ReplyCountdownTicks;
};
