#pragma once
// The records of the dash and PDM blocks as the diff walks them: where each record sits, which
// field tables describe it (the same tables that load and pack it), and how the interface names it.
// Nothing here describes a byte: positions come from the layout constants, fields from the tables.

#include "settings/layout/FieldLayout.h"

#include <QList>
#include <QString>
#include <functional>

namespace settingsDiff {

enum class BlockKind { Dash, Pdm };

// One field table placed in the block; a record may be spread over several (a PDM input's config
// and name sit in separate arrays, a transmitted CAN message carries 16 data items).
struct RecordPart
{
    layout::Table table;
    int offset = 0;  // of the table's record within the block
    QString prefix;  // put before the field names of this part
};

struct RecordSpec
{
    QString group;
    QString label;
    QList<RecordPart> parts;
    // Fields the client does not take from this record (e.g. a standard sensor's stored name).
    std::function<bool(const layout::Field &)> accept;
    // A record that holds nothing (an unused function slot): its appearance or loss is reported as
    // a whole-record change. Reads only the record's own parts: records whose parts hold the same
    // bytes on both sides are not asked.
    std::function<bool(const unsigned char *block)> isEmpty;
    // The device stores an empty record as zeros whatever its other bytes hold.
    bool emptyReadsAsZero = false;
    // The user's own name of the record, shown beside the label.
    std::function<QString(const unsigned char *block)> userName;
    // Display divisor of a field that depends on the record itself (a float sensor's levels x 100).
    std::function<int(const layout::Field &, const unsigned char *block)> divisor;
    // A lamp's record is titled by the lamp's name in the interface language of the moment, so that
    // the lists below can be built once.
    int lampIndex = -1;
};

// The record's label with its user name, as a block names it: "Выход 3 «Вентилятор»".
QString titleOf(const RecordSpec &spec, const unsigned char *block);

// The records of a block of `blockSize` bytes (a 16,588-byte dash block has no extra settings).
// Built on first use and shared afterwards.
QList<RecordSpec> dashRecords(int blockSize);
QList<RecordSpec> pdmRecords();

} // namespace settingsDiff
