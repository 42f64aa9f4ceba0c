#pragma once
#include <QObject>
#include <QSharedMemory>
#include <QString>
#include <QSystemSemaphore>

// Keeps one client per desktop user. A second start writes its request (a file path, or
// "just_focus") into a small shared block and exits; the primary polls the block.
//
// Block layout (1024 bytes): u16 little-endian length N at 0, then N bytes of UTF-8, rest zero.
// A request is valid only for 1 <= N <= 999. Locks are always taken in the same order: the
// system semaphore first (attach/create/detach), then the block's own lock (its bytes).
class RunGuard : public QObject
{
    Q_OBJECT
public:
    static constexpr int kBlockSize = 1024;
    static constexpr int kMaxRequestBytes = 999;
    static constexpr int kMaxPathChars = 1000;
    static constexpr const char *kJustFocus = "just_focus";
    static constexpr const char *kBaseKey = "ardix_mem_key";

    explicit RunGuard(const QString &baseKey = QString::fromLatin1(kBaseKey));
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

    QString key;
    QString memLockKey;
    QString sharedmemKey;
    QString incomingFilePath;
    bool m_isPrimary = false;
    QSharedMemory sharedMem;
    QSystemSemaphore memLock;
};
