#include "settings/persistence/SettingsFileIo.h"

#include "settings/LocalPath.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

namespace persistence {

QString savePathFrom(const QString &urlOrPath)
{
    return toLocalPath(urlOrPath);
}

QString loadPathFrom(const QString &urlOrPath)
{
    QString path = toLocalPath(urlOrPath);
    path.replace(QLatin1String("%22"), QLatin1String("\""));
    return path;
}

FileRead readWholeFile(const QString &path, qint64 maxSize)
{
    FileRead result;
    const QFileInfo info(path);
    if (path.isEmpty() || !info.exists()) {
        result.status = ReadStatus::NotFound;
        return result;
    }
    if (info.isDir()) {
        result.status = ReadStatus::IsDirectory;
        return result;
    }
    if (!info.isFile()) {
        result.status = ReadStatus::NotRegularFile;
        return result;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        result.status = ReadStatus::CannotOpen;
        result.error = file.errorString();
        return result;
    }
    if (file.size() > maxSize) {
        result.status = ReadStatus::TooLarge;
        return result;
    }
    // A buffer of the file's size, not of the cap (read() allocates what it is asked for); what a
    // growing file adds meanwhile comes in chunks, never past the cap.
    constexpr qint64 kChunk = 64 * 1024;
    result.bytes = file.read(file.size() + 1);
    while (result.bytes.size() <= maxSize && !file.atEnd()) {
        const QByteArray more = file.read(qMin(kChunk, maxSize + 1 - result.bytes.size()));
        if (more.isEmpty())
            break;
        result.bytes += more;
    }
    result.status = result.bytes.size() > maxSize ? ReadStatus::TooLarge : ReadStatus::Ok;
    if (result.status != ReadStatus::Ok)
        result.bytes.clear();
    return result;
}

bool writeFileAtomically(const QString &path, const QByteArray &bytes)
{
    if (path.isEmpty())
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

} // namespace persistence
