#include "logs/csv/OutputSink.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>

bool FileSink::open()
{
    m_file.setFileName(m_path + QStringLiteral(".%1.part").arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
    return m_file.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered);
}

bool FileSink::write(const char *data, size_t size)
{
    if (m_ok && size > 0)
        m_ok = m_file.write(data, qint64(size)) == qint64(size);
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
        discard();
        return false;
    }
    const QString part = m_file.fileName();
#ifdef Q_OS_WIN
    QFile::remove(m_path); // rename does not replace there
    const bool renamed = QFile::rename(part, m_path);
#else
    const bool renamed = ::rename(QFile::encodeName(part).constData(), QFile::encodeName(m_path).constData()) == 0;
#endif
    if (!renamed) {
        discard();
        return false;
    }
    m_file.setFileName(QString());
    return true;
}

void FileSink::discard()
{
    if (m_file.fileName().isEmpty())
        return;
    m_file.close();
    m_file.remove();
    m_file.setFileName(QString());
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
