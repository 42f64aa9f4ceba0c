#include "logs/csv/OutputSink.h"

#include <QFileInfo>
#include <QMutex>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

namespace {

// Part files being written by this process: a second export of the same path must not take the
// first one's file for a leftover.
QMutex partsMutex;
QSet<QString> partsInUse;

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

} // namespace

bool wouldReplaceInput(const QString &input, const QString &output)
{
    const QFileInfo in(input), out(output);
    if (!in.exists() || !out.exists())
        return false;
    return in.canonicalFilePath() == out.canonicalFilePath();
}

bool FileSink::open()
{
    const QString part = m_path + kPartSuffix;
    {
        const QString key = QFileInfo(part).absoluteFilePath();
        QMutexLocker lock(&partsMutex);
        if (partsInUse.contains(key)) {
            m_error = QStringLiteral("another export is writing this file");
            return false;
        }
        partsInUse.insert(key);
        m_claimedPart = key;
    }
    // Only a killed export leaves a part file of this name behind.
    if (QFileInfo(part).isFile())
        QFile::remove(part);
    m_file.setFileName(part);
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        m_error = m_file.errorString();
        m_file.setFileName(QString());
        release();
        return false;
    }
    return true;
}

bool FileSink::write(const char *data, size_t size)
{
    // A short write is retried: the system's reason (a full disk) comes with the one that fails.
    while (m_ok && size > 0) {
        const qint64 written = m_file.write(data, qint64(size));
        if (written <= 0) {
            m_ok = false;
            m_error = m_file.errorString();
            break;
        }
        data += written;
        size -= size_t(written);
    }
    return m_ok;
}

bool FileSink::commit()
{
    if (!m_ok || !m_file.isOpen()) {
        discard();
        return false;
    }
    m_file.close();
    if (m_file.error() != QFileDevice::NoError) {
        m_error = m_file.errorString();
        discard();
        return false;
    }
    const QString part = m_file.fileName();
#ifdef Q_OS_WIN
    QFile::remove(m_path); // rename does not replace there
    const bool renamed = QFile::rename(part, m_path);
    if (!renamed)
        m_error = QStringLiteral("cannot replace %1").arg(m_path);
#else
    const bool renamed = ::rename(QFile::encodeName(part).constData(), QFile::encodeName(m_path).constData()) == 0;
    if (!renamed)
        m_error = systemError(errno);
#endif
    if (!renamed) {
        discard();
        return false;
    }
    m_file.setFileName(QString());
    release();
    return true;
}

void FileSink::discard()
{
    if (!m_file.fileName().isEmpty()) {
        m_file.close();
        m_file.remove();
        m_file.setFileName(QString());
    }
    release();
}

void FileSink::release()
{
    if (m_claimedPart.isEmpty())
        return;
    QMutexLocker lock(&partsMutex);
    partsInUse.remove(m_claimedPart);
    m_claimedPart.clear();
}

GzipSink::~GzipSink()
{
    if (m_initialised)
        deflateEnd(&m_zs);
}

bool GzipSink::open()
{
    if (deflateInit2(&m_zs, 9, Z_DEFLATED, 31, 8, Z_DEFAULT_STRATEGY) != Z_OK)
        return false;
    m_initialised = true;
    m_in.reserve(kPiece);
    m_out.resize(kPiece);
    return m_file.open();
}

bool GzipSink::deflatePiece(int flush)
{
    if (m_streamError)
        return true;
    m_zs.next_in = reinterpret_cast<Bytef *>(m_in.data());
    m_zs.avail_in = uInt(m_in.size());
    do {
        m_zs.next_out = m_out.data();
        m_zs.avail_out = uInt(m_out.size());
        const int rc = deflate(&m_zs, flush);
        if (rc == Z_STREAM_ERROR) {
            m_streamError = true;
            break;
        }
        const size_t produced = m_out.size() - m_zs.avail_out;
        if (!m_file.write(reinterpret_cast<const char *>(m_out.data()), produced))
            return false;
    } while (m_zs.avail_out == 0);
    m_in.clear();
    return true;
}

bool GzipSink::write(const char *data, size_t size)
{
    m_total += size;
    while (size > 0) {
        if (m_in.size() == kPiece && !deflatePiece(Z_NO_FLUSH))
            return false;
        const size_t take = std::min(size, kPiece - m_in.size());
        m_in.insert(m_in.end(), data, data + take);
        data += take;
        size -= take;
    }
    return true;
}

bool GzipSink::commit()
{
    if (m_total == 0 || !deflatePiece(Z_FINISH)) { // an empty text leaves no file
        m_file.discard();
        return m_total == 0;
    }
    return m_file.commit();
}
