#include "link/SendQueue.h"

using namespace LinkConst;

SendQueue::Added SendQueue::enqueue(const QueueEntry &e)
{
    if (!m_entries.isEmpty() && m_entries.first() == e)
        return Added::AlreadyFirst;
    if (e.isKeepOnline() && !m_entries.isEmpty())
        return Added::Refused;
    m_entries.append(e);
    return Added::Appended;
}

bool SendQueue::wantsBusyIndicator(const QueueEntry &e)
{
    if (e.isData())
        return e.dataOrCommand == PdmCommonSettings || e.dataOrCommand == PdmDEFAULTCommonSettings;
    if (e.action != CommandMessage)
        return false;
    const uint8_t c = e.dataOrCommand;
    if (c == SerialHashRequest)
        return true;
    if (c < CheckSettingsSync)
        return false;
    switch (c) {
    // ChangeScreen (11) gets no answer: the replica has switched already, and a spinner waiting
    // out the reply time-out would block the screen for seconds on every mode change.
    case 11: case 18: case 24: case 25: case 26: case 27: case 29: case 30: case 44: case 66: case 70:
        return false;
    default:
        return !(c >= 49 && c <= 62);
    }
}

bool SendQueue::expectsReply(const QueueEntry &e)
{
    if (e.isData())
        return true;
    if (e.action != CommandMessage)
        return false;
    const uint8_t c = e.dataOrCommand;
    switch (c) {
    case 0: case 2: case 3: case 11: case 13: case 18: case 24: case 25: case 29: case 30: case 70:
        return false;
    default:
        return !(c >= 49 && c <= 62);
    }
}
