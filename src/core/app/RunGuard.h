#pragma once
#include <QObject>
#include <QSharedMemory>
#include <QString>
#include <QSystemSemaphore>

#include <chrono>

// Keeps one client per desktop user. A second start writes its request (a file path, or
// "just_focus") into a small shared block and exits; the primary polls the block.
//
// Block layout (1024 bytes): u16 little-endian length N at 0, then N bytes of UTF-8, rest zero.
// A request is valid only for 1 <= N <= 999. Locks are always taken in the same order: the
// system semaphore first (attach/create/detach), then the block's own lock (its bytes).
//
// Only a primary keeps the block attached between calls, so a block that nobody else holds was
// left by a dead instance (System V segments outlive their processes, and a new key file can reuse
// the inode, hence the key, of a removed one): it is dropped and this process starts. A second
// start leaves only once the primary has taken its request; when that cannot be confirmed it
// starts on its own rather than leave the user with nothing.
class RunGuard : public QObject
{
    Q_OBJECT
public:
    static constexpr int kBlockSize = 1024;
    static constexpr int kMaxRequestBytes = 999;
    static constexpr int kMaxPathChars = 1000;
    static constexpr const char *kJustFocus = "just_focus";
    static constexpr const char *kBaseKey = "ardix_mem_key";
    // The primary polls every second once its interface is up; loading can take a while.
    static constexpr std::chrono::milliseconds kHandOverTimeout{15000};
    static constexpr std::chrono::milliseconds kHandOverPoll{50};

    explicit RunGuard(const QString &baseKey = QString::fromLatin1(kBaseKey),
                      std::chrono::milliseconds handOverTimeout = kHandOverTimeout);
    ~RunGuard() override;

    // The process-wide guard, or null when the process has none (tests of the kernel).
    static RunGuard *instance();

    static QString makeIpcKey(const QString &key, const QString &salt);

    bool tryStartAsPrimary();
    void forwardToPrimary();
    QString takeIncomingRequest();
    bool isPrimary() const { return m_isPrimary; }

public slots:
    void setIncomingFilePath(char *path);
    void setIncomingFilePath(QString path);

private:
    enum class Holder { None, Live, Unreachable };
    enum class HandOver { Taken, HolderGone, NotTaken };

    Holder attachToHolder();
    HandOver handOver();
    bool writeRequest(); // false when nothing was written (no primary, or too long to send)

    QString key;
    QString memLockKey;
    QString sharedmemKey;
    QString incomingFilePath;
    bool m_isPrimary = false;
    std::chrono::milliseconds m_handOverTimeout;
    QSharedMemory sharedMem;
    QSystemSemaphore memLock;
};
