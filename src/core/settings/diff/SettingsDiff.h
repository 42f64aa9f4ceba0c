#pragma once
// What differs between two dash blocks or two PDM blocks, field by field, walked with the same
// tables that load and pack them, named and valued as the interface shows them.

#include "settings/diff/BlockSchema.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <optional>

namespace settingsDiff {

struct FieldChange
{
    QString field;
    QString before; // empty in a listing of one block
    QString after;
    bool isText = false; // before and after are quoted texts of the user's
};

enum class RecordChange { Changed, Added, Removed };

struct RecordDiff
{
    QString group;
    QString record;  // label, with the user's name of the record when it has one
    RecordChange change = RecordChange::Changed;
    QList<FieldChange> fields;
};

struct DiffResult
{
    BlockKind kind = BlockKind::Dash;
    QList<RecordDiff> records;

    bool isEmpty() const { return records.isEmpty(); }
    int fieldCount() const;
};

// The block kind a block of this size is (28,876 or 16,588: dash; 40,960: PDM).
std::optional<BlockKind> kindOfSize(qsizetype size);

class SettingsDiff
{
public:
    // Everything that differs from `before` to `after` (both of `kind`). A dash pair may mix the two
    // dash sizes: the older block then counts as the client holds it once loaded, with the extra
    // settings at their defaults. Nothing for blocks of the wrong size.
    static DiffResult compare(BlockKind kind, const QByteArray &before, const QByteArray &after);
    // Every record of one block that holds something, with all its fields (in `after`).
    static DiffResult show(BlockKind kind, const QByteArray &block);

    // Texts from the block are escaped (quotes, backslashes, control characters), so that no
    // name can forge a line, a group or a terminal sequence.
    static QString toText(const DiffResult &diff, bool isListing = false);
    static QJsonObject toJson(const DiffResult &diff, bool isListing = false);
};

} // namespace settingsDiff
