#pragma once
// The firmware version a device reports in the parameter of its KeepOnline answer: four
// characters such as "S185", shown as "S1.85".

#include <QString>

#include <cstdint>

struct FirmwareVersion
{
    // "S1.85" (empty when the device sent no characters).
    static QString textFromParameter(uint32_t parameter);
    // The float of characters 2 to 5 of a five-character text (1.85); 0 for any other length.
    static float number(const QString &text);
    // The integer of the last three of the four characters (185), as the dash's version number.
    static int dashNumber(const QString &text);
};
