#pragma once
// What the client writes into the PDM settings block by itself: the checksum, the defaults, the
// settings password, and the copy that leaves the computer in a settings file (without password).

#include <QByteArray>
#include <QString>
#include <cstdint>

namespace persistence {

constexpr int kPdmBlockSize = 40960;
constexpr int kPdmPasswordMinLength = 3;

// Exactly one block long and its first word is the word CRC-32 of the other 40,956 bytes.
bool isValidPdmBlock(const QByteArray &block);
// Writes the word CRC-32 of bytes 4..40,959 into bytes 0..3 (the block must be full size).
void refreshPdmCrc(QByteArray &block);

// A full block of defaults for a PDM with serial number `serial`, checksum included.
QByteArray pdmDefaults(uint32_t serial);

void setPdmSerialNumber(QByteArray &block, uint32_t serial);

// SHA-512 of the password's UTF-8 bytes, no salt (64 bytes).
QByteArray pdmPasswordHash(const QString &password);
// Hash at bytes 20..83, "password set" flag, fresh checksum.
void writePdmPassword(QByteArray &block, const QByteArray &hash);
// A copy without the hash and the flag, with its own checksum.
QByteArray withoutPdmPassword(const QByteArray &block);

} // namespace persistence
