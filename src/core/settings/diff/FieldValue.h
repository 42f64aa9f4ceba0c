#pragma once
// One element of a table field read from a block, and its text as the interface shows it.

#include "settings/diff/BlockSchema.h"

#include <QByteArray>
#include <QString>

namespace settingsDiff {

struct ElementRef
{
    const layout::Field *field = nullptr;
    int index = 0; // flat index into the field's array; 0 for a scalar
};

// The element's comparable value: its raw bytes for numbers and bytes, the decoded text for text
// fields (bytes after the terminator do not count), the bits for bit fields.
QByteArray elementKey(const ElementRef &e, const unsigned char *record);
// Whether the element holds the same value in two records, as their keys would tell, without
// building either key.
bool sameElement(const ElementRef &e, const unsigned char *a, const unsigned char *b);

// "gearRatios[2]", "skinsSettings[0].ModesCount".
QString elementName(const ElementRef &e);

// Numeric value of a scalar or array element (0 for text and bytes).
double elementNumber(const ElementRef &e, const unsigned char *record);
QString elementText(const ElementRef &e, const unsigned char *record);

// The text the interface shows: scaled ratios, sensor names for sensor ids, protocol names, masks
// in hex, quoted texts. `block` lets a value name what it refers to (a custom sensor's name);
// `divisor` is the record's own display scale for the field (1 when none).
QString displayValue(const ElementRef &e, const unsigned char *record, const unsigned char *block,
                     BlockKind kind, int blockSize, int divisor);

// Reads the scalar field `name` of a table placed at `record`; 0 when the table lacks it.
double fieldNumber(const layout::Table &table, const unsigned char *record, const char *name);
QString fieldText(const layout::Table &table, const unsigned char *record, const char *name);

} // namespace settingsDiff
