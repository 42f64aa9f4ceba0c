#include "link/dispatch/LogDownload.h"

#include "link/LinkConstants.h"
#include "link/dispatch/CompressedEnvelope.h"
#include "link/dispatch/DispatchTexts.h"
#include "settings/ArdixEnums.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcLogDownload, "ardix.link.logs", QtWarningMsg)

namespace {
constexpr char kLogSuffix[] = ".elog";
constexpr uint kProgressDone = 100;
} // namespace

LogDownload::LogDownload(LinkPort &link, LogStorePort &store, QObject *parent)
    : QObject(parent), m_link(link), m_store(store)
{
}

void LogDownload::sendDirect(uint command, quint32 parameter)
{
    m_link.sendToArdix(LinkConst::CommandMessage, command, parameter);
}

void LogDownload::started()
{
    m_buffer.clear();
}

void LogDownload::block(const QByteArray &bytes, quint32 parameter, int dashFirmwareNumber)
{
    const auto length = quint32(bytes.size());
    if (dashFirmwareNumber > OffsetFirmwareNumber) {
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
        const uint percent = uint(quint64(bytesReceived()) * 100u / m_total);
        Q_EMIT progressMoving(percent == 0 ? 1u : percent);
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
    finish();
    Q_EMIT showInfoMessage(QString::fromUtf8(DispatchText::LogGaveUp));
}

void LogDownload::finish()
{
    m_total = 0;
    m_retries = 0;
    m_name.clear();
    m_buffer.clear();
    m_link.stopLogDataTimer();
    m_link.dropQueuedLogRequests();
    Q_EMIT progressMoving(kProgressDone);
}
