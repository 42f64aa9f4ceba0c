#include "RunGuard.h"

#include <QCryptographicHash>
#include <QtEndian>

#include <cstring>

namespace {
RunGuard *g_instance = nullptr;
}

QString RunGuard::makeIpcKey(const QString &key, const QString &salt)
{
    QByteArray data = key.toUtf8();
    data.append(salt.toUtf8());
    return QString::fromLatin1(QCryptographicHash::hash(data, QCryptographicHash::Sha1).toHex());
}

RunGuard::RunGuard(const QString &baseKey)
    : key(baseKey),
      memLockKey(makeIpcKey(baseKey, QStringLiteral("_memLockKey"))),
      sharedmemKey(makeIpcKey(baseKey, QStringLiteral("_sharedmemKey"))),
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

bool RunGuard::tryStartAsPrimary()
{
    if (!sharedMem.isAttached()) {
        memLock.acquire();
        if (sharedMem.attach()) {
            sharedMem.detach();
            memLock.release();
            forwardToPrimary();
            return false;
        }
        memLock.release();
    }

    memLock.acquire();
    if (sharedMem.create(kBlockSize, QSharedMemory::ReadWrite)) {
        sharedMem.lock();
        std::memset(sharedMem.data(), 0, kBlockSize);
        sharedMem.unlock();
        memLock.release();
        m_isPrimary = true;
        return true;
    }
    memLock.release();

    forwardToPrimary();
    memLock.acquire();
    if (sharedMem.isAttached())
        sharedMem.detach();
    memLock.release();
    return false;
}

void RunGuard::forwardToPrimary()
{
    memLock.acquire();
    if (!sharedMem.attach()) {
        memLock.release();
        return;
    }
    sharedMem.lock();
    if (incomingFilePath.isEmpty() || incomingFilePath.size() > kMaxPathChars)
        incomingFilePath = QString::fromLatin1(kJustFocus);

    const QByteArray request = incomingFilePath.toUtf8();
    auto *block = static_cast<uchar *>(sharedMem.data());
    if (!request.isEmpty() && request.size() <= kMaxRequestBytes) {
        std::memset(block, 0, kBlockSize);
        qToLittleEndian<quint16>(quint16(request.size()), block);
        std::memcpy(block + 2, request.constData(), size_t(request.size()));
    } else {
        std::memset(block, 0, kBlockSize);
    }
    sharedMem.unlock();
    sharedMem.detach();
    memLock.release();
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
