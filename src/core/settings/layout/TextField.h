#pragma once
// Fixed-width UTF-8 text fields of the settings blocks.

#include <QString>

namespace layout {

// Bytes up to the first NUL (or the whole field) decoded as UTF-8.
QString loadText(const unsigned char *field, int fieldSize);

// A text that fits is copied with its NUL and the bytes after it are left alone; a longer one is cut
// to at most fieldSize - 1 bytes, never inside a character, and closed with a NUL.
void packText(unsigned char *field, int fieldSize, const QString &text);

} // namespace layout
