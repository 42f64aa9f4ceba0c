#pragma once
// Reading and writing the files the user picks. Paths arrive from the interface as file URLs or
// local paths; either works on every platform.

#include <QByteArray>
#include <QString>

namespace persistence {

// The local path of a path or file URL chosen for saving.
QString savePathFrom(const QString &urlOrPath);
// The same for loading; an encoded double quote ("%22") left in the text is decoded.
QString loadPathFrom(const QString &urlOrPath);

enum class ReadStatus { Ok, NotFound, IsDirectory, NotRegularFile, CannotOpen, TooLarge };

struct FileRead
{
    ReadStatus status = ReadStatus::NotFound;
    QByteArray bytes;
    QString error; // the system's words when the file would not open
};

// The whole file, unless it is larger than maxSize (then nothing is read). Only regular files are
// read: a pipe or a device has no size to check and may never end, or never open.
FileRead readWholeFile(const QString &path, qint64 maxSize);

// Replaces the file only once everything is written, so a failed save leaves the old file intact.
bool writeFileAtomically(const QString &path, const QByteArray &bytes);

} // namespace persistence
