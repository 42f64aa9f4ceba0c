#include "RunGuard.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QFile>
#include <QThread>
#include <QtEndian>

#include <cstring>
#include <optional>

#if defined(Q_OS_UNIX) && !defined(QT_POSIX_IPC)
#include <sys/ipc.h>
#include <sys/shm.h>
#include <unistd.h>
#define ARDIX_SYSV_SHM 1
#endif

namespace {
RunGuard *g_instance = nullptr;

// How many handles the attached block has, ours included; empty when the system cannot tell.
std::optional<int> attachCount(const QSharedMemory &mem)
{
#ifdef ARDIX_SYSV_SHM
    // The System V key comes from the key file and the project id 'Q', as QSharedMemory makes it.
    const key_t sysvKey = ::ftok(QFile::encodeName(mem.nativeKey()).constData(), 'Q');
    if (sysvKey == -1)
        return std::nullopt;
    const int id = ::shmget(sysvKey, 0, 0);
    shmid_ds ds{};
    if (id == -1 || ::shmctl(id, IPC_STAT, &ds) != 0)
        return std::nullopt;
    // Attaching is serialised by the semaphore: the last attach is ours if this is our block.
    if (ds.shm_lpid != ::getpid())
        return std::nullopt;
    return int(ds.shm_nattch);
#else
    Q_UNUSED(mem);
    return std::nullopt;
#endif
}
} // namespace

QString RunGuard::makeIpcKey(const QString &key, const QString &salt)
{
    QByteArray data = key.toUtf8();
    data.append(salt.toUtf8());
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
}

RunGuard::RunGuard(const QString &baseKey, std::chrono::milliseconds handOverTimeout)
    : key(baseKey),
      memLockKey(makeIpcKey(baseKey, QStringLiteral("_memLockKey"))),
      sharedmemKey(makeIpcKey(baseKey, QStringLiteral("_sharedmemKey"))),
      m_handOverTimeout(handOverTimeout),
      sharedMem(sharedmemKey),
      memLock(memLockKey, 1, QSystemSemaphore::Open)
{
    if (!g_instance)
        g_instance = this;

    // Attaching and dropping a throw-away handle lets the system reclaim a block that a crashed
    // instance left behind (System V segments outlive their processes).
    memLock.acquire();
    {
        QSharedMemory stale(sharedmemKey);
        if (stale.attach())
            stale.detach();
    }
    memLock.release();
}

RunGuard::~RunGuard()
{
    memLock.acquire();
    if (sharedMem.isAttached())
        sharedMem.detach();
    memLock.release();
    if (g_instance == this)
        g_instance = nullptr;
}

RunGuard *RunGuard::instance()
{
    return g_instance;
}

void RunGuard::setIncomingFilePath(char *path)
{
    incomingFilePath = QString::fromLocal8Bit(path);
}

void RunGuard::setIncomingFilePath(QString path)
{
    incomingFilePath = path;
}

// Under memLock. Leaves sharedMem attached only when another process holds the block too.
RunGuard::Holder RunGuard::attachToHolder()
{
    if (!sharedMem.attach())
        return sharedMem.error() == QSharedMemory::NotFound ? Holder::None : Holder::Unreachable;
    if (sharedMem.size() < kBlockSize) {
        // Not a block of ours (another program's, whose key file shares our key's inode bits):
        // never write into it.
        sharedMem.detach();
        return Holder::Unreachable;
    }
    if (attachCount(sharedMem) == 1) {
        // Nobody else holds it: a dead instance's block. The last detach removes it.
        sharedMem.detach();
        return Holder::None;
    }
    return Holder::Live;
}

bool RunGuard::tryStartAsPrimary()
{
    if (m_isPrimary)
        return true;
    // A stale block whose key file had gone (a new file got its inode, hence its key) shows only
    // once create() has made the file again: the next round drops it and creates ours. A primary
    // that exits while we hand over also costs a round.
    constexpr int kRounds = 3;
    for (int round = 0; round < kRounds; ++round) {
        memLock.acquire();
        const Holder holder = attachToHolder();
        if (holder == Holder::None && sharedMem.create(kBlockSize, QSharedMemory::ReadWrite)) {
            sharedMem.lock();
            std::memset(sharedMem.data(), 0, kBlockSize);
            sharedMem.unlock();
            memLock.release();
            m_isPrimary = true;
            return true;
        }
        if (sharedMem.isAttached())
            sharedMem.detach();
        memLock.release();

        if (holder == Holder::Unreachable)
            break; // a block we may not open (another user's): nobody to hand over to
        if (holder == Holder::Live) {
            const HandOver result = handOver();
            if (result == HandOver::Taken)
                return false;
            if (result == HandOver::NotTaken)
                break;
        }
    }
    // Start without the block: a window without hand-over beats no window at all.
    m_isPrimary = true;
    return true;
}

// Writes the request, then waits until the primary has taken it (the block is cleared).
RunGuard::HandOver RunGuard::handOver()
{
    const bool wrote = writeRequest();
    QDeadlineTimer deadline(m_handOverTimeout);
    for (;;) {
        memLock.acquire();
        const Holder holder = attachToHolder();
        int pending = 0;
        if (holder == Holder::Live) {
            sharedMem.lock();
            pending = qFromLittleEndian<quint16>(sharedMem.constData());
            sharedMem.unlock();
            sharedMem.detach();
        }
        memLock.release();

        if (holder != Holder::Live)
            return HandOver::HolderGone;
        // A request too long to send leaves nothing to confirm: a live holder is all we can know.
        if (pending == 0 || !wrote)
            return HandOver::Taken;
        if (deadline.hasExpired())
            return HandOver::NotTaken;
        QThread::msleep(static_cast<unsigned long>(kHandOverPoll.count()));
    }
}

void RunGuard::forwardToPrimary()
{
    writeRequest();
}

bool RunGuard::writeRequest()
{
    memLock.acquire();
    if (!sharedMem.attach()) {
        memLock.release();
        return false;
    }
    if (sharedMem.size() < kBlockSize) {
        sharedMem.detach();
        memLock.release();
        return false;
    }
    sharedMem.lock();
    if (incomingFilePath.isEmpty() || incomingFilePath.size() > kMaxPathChars)
        incomingFilePath = QString::fromLatin1(kJustFocus);

    const QByteArray request = incomingFilePath.toUtf8();
    auto *block = static_cast<uchar *>(sharedMem.data());
    std::memset(block, 0, kBlockSize);
    const bool fits = !request.isEmpty() && request.size() <= kMaxRequestBytes;
    if (fits) {
        qToLittleEndian<quint16>(quint16(request.size()), block);
        std::memcpy(block + 2, request.constData(), size_t(request.size()));
    }
    sharedMem.unlock();
    sharedMem.detach();
    memLock.release();
    return fits;
}

QString RunGuard::takeIncomingRequest()
{
    if (!incomingFilePath.isEmpty()) {
        const QString own = incomingFilePath;
        incomingFilePath.clear();
        return own;
    }
    QString result;
    if (!m_isPrimary)
        return result;

    memLock.acquire();
    if (sharedMem.isAttached()) {
        sharedMem.lock();
        auto *block = static_cast<uchar *>(sharedMem.data());
        const int n = qFromLittleEndian<quint16>(block);
        if (n >= 1 && n <= kMaxRequestBytes)
            result = QString::fromUtf8(reinterpret_cast<const char *>(block + 2), n);
        std::memset(block, 0, kBlockSize);
        sharedMem.unlock();
    }
    memLock.release();
    return result;
}
