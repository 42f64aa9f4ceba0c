#include "link/dispatch/LogDownload.h"

#include "link/LinkConstants.h"
#include "link/dispatch/CompressedEnvelope.h"
#include "link/dispatch/DispatchTexts.h"
#include "settings/ArdixEnums.h"

#include <QCoreApplication>
#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLogDownload, "ardix.link.logs", QtWarningMsg)

namespace {
constexpr uint kProgressDone = 100;
constexpr int kListEntryBytes = 9;

uint percentOf(quint32 received, quint32 total)
{
    const uint percent = total ? uint(quint64(received) * 100u / total) : 0u;
    return percent == 0 ? 1u : percent;
}
} // namespace

LogDownload::LogDownload(LinkPort &link, LogStorePort &store, QObject *parent)
    : QObject(parent), m_link(link), m_store(store)
{
}

void LogDownload::sendDirect(uint command, quint32 parameter)
{
    m_link.sendToArdix(LinkConst::CommandMessage, command, parameter);
}

void LogDownload::requested(uint index, const QString &serialHash, const QByteArray &deviceList)
{
    m_index = int(index);
    m_serialHash = serialHash;
    m_deviceList = deviceList;
}

QByteArray LogDownload::listUpTo(const QByteArray &deviceList, int index)
{
    const qsizetype end = qsizetype(index + 1) * kListEntryBytes;
    return index >= 0 && deviceList.size() >= end ? deviceList.left(end) : QByteArray();
}

void LogDownload::started()
{
    m_buffer.clear();
    std::optional<Kept> kept = std::move(m_kept);
    m_kept.reset();
    const bool sameFile = kept && !m_serialHash.isEmpty() && kept->serialHash == m_serialHash
                          && kept->index == m_index && !kept->listPrefix.isEmpty()
                          && kept->listPrefix == listUpTo(m_deviceList, m_index);
    if (!sameFile)
        return;
    // The dash starts the file from its beginning; the first block's offset tells it to go on
    // from what is held instead.
    m_buffer = std::move(kept->bytes);
    m_total = kept->total;
    if (m_name.isEmpty())
        m_name = kept->name;
    qCInfo(lcLogDownload) << "going on with" << m_name << "from" << m_buffer.size() << "of" << m_total;
    Q_EMIT progressMoving(percentOf(bytesReceived(), m_total));
}

void LogDownload::totalAnnounced(quint32 total)
{
    if (!m_buffer.isEmpty() && total != m_total) {
        // Not the file whose start we hold.
        qCInfo(lcLogDownload) << "file size changed from" << m_total << "to" << total << ", starting over";
        m_buffer.clear();
    }
    m_total = total;
}

void LogDownload::deviceListArrived(const QByteArray &deviceList, const QString &serialHash)
{
    if (!m_kept)
        return;
    m_listSinceDrop = deviceList;
    tryToGoOn(serialHash);
}

void LogDownload::deviceIdentified(const QString &serialHash)
{
    if (m_kept)
        tryToGoOn(serialHash);
}

void LogDownload::tryToGoOn(const QString &serialHash)
{
    // Both the dash's name and its list as it is now are needed: the list may come first.
    if (!m_kept || !m_listSinceDrop || serialHash.isEmpty() || m_link.logDataTimerActive())
        return;
    if (serialHash != m_kept->serialHash || listUpTo(*m_listSinceDrop, m_kept->index) != m_kept->listPrefix) {
        qCInfo(lcLogDownload) << "kept download dropped: another dash or another file";
        m_kept.reset();
        return;
    }
    if (m_link.ardixStatus() != LinkConst::ardixOnline)
        return;
    m_name = m_kept->name;
    m_listSinceDrop.reset(); // asked once per list
    m_link.sendToArdixQueue(LinkConst::CommandMessage, ArdixEnums::GetLogFile, uint(m_kept->index));
}

bool LogDownload::canKeep() const
{
    return m_offsets && !m_buffer.isEmpty() && bytesReceived() < m_total && m_index >= 0 && !m_serialHash.isEmpty()
           && !listUpTo(m_deviceList, m_index).isEmpty();
}

void LogDownload::keep()
{
    Kept k;
    k.bytes = m_buffer;
    k.total = m_total;
    k.index = m_index;
    k.name = m_name;
    k.serialHash = m_serialHash;
    k.listPrefix = listUpTo(m_deviceList, m_index);
    const uint percent = percentOf(bytesReceived(), m_total);
    finish();
    m_kept = std::move(k);
    m_listSinceDrop.reset();
    Q_EMIT showInfoMessage(QCoreApplication::translate("KernelText", PausedText).arg(percent));
}

void LogDownload::block(const QByteArray &bytes, quint32 parameter, int dashFirmwareNumber)
{
    const auto length = quint32(bytes.size());
    m_offsets = dashFirmwareNumber > OffsetFirmwareNumber;
    if (m_offsets) {
        if (parameter < length)
            return;
        if (parameter - length != bytesReceived()) {
            // Out of order or a repeat: make the device go on from what we hold.
            sendDirect(ArdixEnums::LogPacketCrcBAD, bytesReceived());
            return;
        }
        if (m_total == 0)
            return;
    } else if (m_total == 0) {
        if (parameter == 0)
            return;
        m_total = parameter;
    }
    accept(bytes);
}

void LogDownload::accept(const QByteArray &bytes)
{
    if (m_buffer.isEmpty())
        m_startedAt = QDateTime::currentDateTimeUtc();
    m_buffer.append(bytes);
    sendDirect(ArdixEnums::LogPacketVerify, bytesReceived());
    m_retries = 0;
    if (bytesReceived() < m_total) {
        m_link.restartLogDataTimer(BlockTimeoutMs);
        Q_EMIT progressMoving(percentOf(bytesReceived(), m_total));
        return;
    }
    complete();
}

void LogDownload::complete()
{
    m_link.stopLogDataTimer();
    m_link.restartCheckOnline(CheckOnlineMs);
    qCInfo(lcLogDownload) << "log of" << m_buffer.size() << "bytes in"
                          << m_startedAt.msecsTo(QDateTime::currentDateTimeUtc()) << "ms";
    if (envelope::unpacks(m_buffer, MaxBodyBytes)) {
        if (save())
            Q_EMIT localLogsFileListUpdateSignal();
        else
            Q_EMIT showInfoMessage(QString::fromUtf8(DispatchText::LogSaveFailed));
    } else {
        Q_EMIT showInfoMessage(QString::fromUtf8(DispatchText::LogTransferFailed));
    }
    finish();
}

bool LogDownload::save()
{
    return m_store.saveDownloadedLog(m_name, m_buffer);
}

void LogDownload::timeout()
{
    ++m_retries;
    if (m_retries <= MaxResumes && m_link.ardixStatus() != LinkConst::ardixOffline) {
        sendDirect(ArdixEnums::LogPacketCrcBAD, bytesReceived());
        return;
    }
    if (canKeep()) {
        keep();
        return;
    }
    finish();
    Q_EMIT showInfoMessage(QString::fromUtf8(DispatchText::LogGaveUp));
}

void LogDownload::finish()
{
    m_total = 0;
    m_retries = 0;
    m_name.clear();
    m_buffer.clear();
    m_index = -1;
    m_link.stopLogDataTimer();
    m_link.dropQueuedLogRequests();
    Q_EMIT progressMoving(kProgressDone);
}
