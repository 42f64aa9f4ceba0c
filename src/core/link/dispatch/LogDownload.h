#pragma once
// Assembles a log file from the device's LogFileData blocks, asks for the rest from the right
// offset when blocks go missing, and saves the finished file (still compressed, as received) into
// the local log folder. The log-data timer of the link marks a download in progress.

#include "link/dispatch/DispatchPorts.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

class LogDownload : public QObject
{
    Q_OBJECT
public:
    // Dash firmware numbers above this put the end offset of a block in its parameter; older
    // ones put the total size there.
    static constexpr int OffsetFirmwareNumber = 114;
    static constexpr int MaxResumes = 5;
    static constexpr int BlockTimeoutMs = 5000;
    static constexpr int CheckOnlineMs = 6000;
    // Logs the dash can hold are far below this; it only bounds the unpack test.
    static constexpr int64_t MaxBodyBytes = int64_t(1) << 30;

    LogDownload(LinkPort &link, LogStorePort &store, QObject *parent = nullptr);

    QString logNameToSave() const { return m_name; }
    void setLogNameToSave(const QString &name) { m_name = name; }
    quint32 bytesReceived() const { return quint32(m_buffer.size()); }
    quint32 total() const { return m_total; }
    int retries() const { return m_retries; }

    // GetLogFile went out.
    void started();
    // The device's GetLogFile answer: the size of the file about to come.
    void totalAnnounced(quint32 total) { m_total = total; }
    void block(const QByteArray &bytes, quint32 parameter, int dashFirmwareNumber);
    void timeout();

Q_SIGNALS:
    void progressMoving(uint progress);
    void showInfoMessage(const QString &text);
    void localLogsFileListUpdateSignal();

private:
    void accept(const QByteArray &bytes);
    void complete();
    bool save();
    void finish();
    void sendDirect(uint command, quint32 parameter);

    LinkPort &m_link;
    LogStorePort &m_store;
    QByteArray m_buffer;
    quint32 m_total = 0;
    int m_retries = 0;
    QString m_name;
    QDateTime m_startedAt;
};
