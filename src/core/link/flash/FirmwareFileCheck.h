#pragma once
// A firmware file's name carries the MD5 of its content; a file that does not match it is
// truncated or damaged, and its packets would carry checksums of the damage, which the boot
// loader accepts. Header-only, so that the firmware list can use it without the link.

#include "update/FirmwareName.h"

#include <QByteArray>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QString>

namespace flash {

enum class FileCheck {
    Intact,     // the content's MD5 is the one the name gives
    Mismatch,   // the name gives an MD5 the content does not have
    NoChecksum, // the name is not one of the six-field firmware names
    Unreadable, // missing or cannot be opened
};

// The MD5 field of a firmware file name, upper-case; empty when the name has no such field.
inline QString md5FromName(const QString &fileName)
{
    const QStringList fields = QFileInfo(fileName).fileName().split(QLatin1Char('_'));
    if (fields.size() != FirmwareName::FieldCount)
        return {};
    return fields.at(FirmwareName::Md5Field).toUpper();
}

[[nodiscard]] inline FileCheck checkAgainstName(const QString &fileName, const QByteArray &content)
{
    const QString expected = md5FromName(fileName);
    if (expected.isEmpty())
        return FileCheck::NoChecksum;
    const QByteArray md5 = QCryptographicHash::hash(content, QCryptographicHash::Md5).toHex().toUpper();
    return QString::fromLatin1(md5) == expected ? FileCheck::Intact : FileCheck::Mismatch;
}

// For the list of files offered for flashing: reads the file at path in pieces.
[[nodiscard]] inline FileCheck checkFile(const QString &path)
{
    const QString expected = md5FromName(path);
    if (expected.isEmpty())
        return FileCheck::NoChecksum;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return FileCheck::Unreadable;
    QCryptographicHash hash(QCryptographicHash::Md5);
    if (!hash.addData(&file))
        return FileCheck::Unreadable;
    return QString::fromLatin1(hash.result().toHex().toUpper()) == expected ? FileCheck::Intact
                                                                            : FileCheck::Mismatch;
}

[[nodiscard]] inline bool isIntactFirmwareFile(const QString &path)
{
    return checkFile(path) == FileCheck::Intact;
}

} // namespace flash
