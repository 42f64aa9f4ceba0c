#pragma once
// Assembles a log file from the device's LogFileData blocks, asks for the rest from the right
// offset when blocks go missing, and saves the finished file (still compressed, as received) into
// the local log folder. The log-data timer of the link marks a download in progress.
//
// A download the link drops out of is kept (in memory, never as a log in the folder) and goes on
// from where it stopped when the same dash is back listing the same file: the device resends
// from any offset it is asked for.

#include "link/dispatch/DispatchPorts.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QString>

#include <optional>

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

    // What the user is told when a download is kept for later (%1: percent received).
    static constexpr char PausedText[] = QT_TRANSLATE_NOOP("KernelText",
        "Связь с Ardix прервалась на %1 % загрузки лога. Загрузка продолжится с этого места, когда Ardix снова будет на связи");

    QString logNameToSave() const { return m_name; }
    void setLogNameToSave(const QString &name) { m_name = name; }
    quint32 bytesReceived() const { return quint32(m_buffer.size()); }
    quint32 total() const { return m_total; }
    int retries() const { return m_retries; }

    // GetLogFile is going out for device file `index`, to the dash identified by `serialHash`
    // whose list is `deviceList` (called just before started()).
    void requested(uint index, const QString &serialHash, const QByteArray &deviceList);
    // GetLogFile went out. A kept download of the same file from the same dash goes on.
    void started();
    // The device's GetLogFile answer: the size of the file about to come.
    void totalAnnounced(quint32 total);
    void block(const QByteArray &bytes, quint32 parameter, int dashFirmwareNumber);
    void timeout();
    // A dash's list arrived: a kept download of a file still listed there is asked for again;
    // another dash, or a list where the file is no longer the same, drops it.
    void deviceListArrived(const QByteArray &deviceList, const QString &serialHash);
    // The dash said who it is (its list may have come first).
    void deviceIdentified(const QString &serialHash);

    bool hasKeptDownload() const { return m_kept.has_value(); }
    quint32 keptBytes() const { return m_kept ? quint32(m_kept->bytes.size()) : 0; }

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
    bool canKeep() const;
    void tryToGoOn(const QString &serialHash);
    void keep();
    // The part of a device list that must not change for a kept file to go on: its own entry and
    // the ones before it (their order gives its index).
    static QByteArray listUpTo(const QByteArray &deviceList, int index);

    struct Kept
    {
        QByteArray bytes;
        quint32 total = 0;
        int index = -1;
        QString name;
        QString serialHash;
        QByteArray listPrefix;
    };

    LinkPort &m_link;
    LogStorePort &m_store;
    QByteArray m_buffer;
    quint32 m_total = 0;
    int m_retries = 0;
    QString m_name;
    QDateTime m_startedAt;
    int m_index = -1;
    QString m_serialHash;
    QByteArray m_deviceList;
    bool m_offsets = false; // the dash names block offsets, so it can resend from one
    std::optional<Kept> m_kept;
    std::optional<QByteArray> m_listSinceDrop; // the dash's list as it came after the drop
};
