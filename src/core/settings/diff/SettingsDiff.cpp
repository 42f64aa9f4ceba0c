#include "settings/diff/SettingsDiff.h"

#include "settings/dash/DashLayout.h"
#include "settings/diff/FieldValue.h"
#include "settings/pdm/PdmBlockLayout.h"

#include <QJsonArray>

namespace settingsDiff {
namespace {

const unsigned char *bytesOf(const QByteArray &b) { return reinterpret_cast<const unsigned char *>(b.constData()); }

bool sizeFits(BlockKind kind, qsizetype size)
{
    return kind == BlockKind::Pdm ? size == qsizetype(PdmLayout::BlockSize)
                                  : size == dashLayout::kBlockSize || size == dashLayout::kShortBlockSize;
}

// One side of a comparison: the block, or zeros where an empty record reads as zeros.
struct Side
{
    const unsigned char *block;
    const unsigned char *values;
    int size;
};

template<typename Visit>
void forEachElement(const RecordSpec &spec, Visit visit)
{
    for (const RecordPart &part : spec.parts)
        for (const layout::Field &f : part.table) {
            if (!f.writesProperty() || (spec.accept && !spec.accept(f)))
                continue;
            for (int i = 0; i < f.count(); ++i)
                visit(part, ElementRef{&f, i});
        }
}

QString valueOf(const RecordSpec &spec, const RecordPart &part, const ElementRef &e, const Side &side, BlockKind kind)
{
    const int divisor = spec.divisor ? spec.divisor(*e.field, side.values) : 1;
    return displayValue(e, side.values + part.offset, side.block, kind, side.size, divisor);
}

QString changeName(RecordChange c)
{
    switch (c) {
    case RecordChange::Added: return QStringLiteral("added");
    case RecordChange::Removed: return QStringLiteral("removed");
    default: return QStringLiteral("changed");
    }
}

} // namespace

int DiffResult::fieldCount() const
{
    int n = 0;
    for (const RecordDiff &r : records)
        n += r.fields.size();
    return n;
}

std::optional<BlockKind> kindOfSize(qsizetype size)
{
    if (sizeFits(BlockKind::Dash, size))
        return BlockKind::Dash;
    if (sizeFits(BlockKind::Pdm, size))
        return BlockKind::Pdm;
    return std::nullopt;
}

DiffResult SettingsDiff::compare(BlockKind kind, const QByteArray &before, const QByteArray &after)
{
    DiffResult out;
    out.kind = kind;
    if (!sizeFits(kind, before.size()) || !sizeFits(kind, after.size()))
        return out;
    const int common = int(qMin(before.size(), after.size()));
    const QByteArray zeros(qMax(before.size(), after.size()), '\0');
    const QList<RecordSpec> specs = kind == BlockKind::Dash ? dashRecords(common) : pdmRecords();
    for (const RecordSpec &spec : specs) {
        const bool wasEmpty = spec.isEmpty && spec.isEmpty(bytesOf(before));
        const bool isEmpty = spec.isEmpty && spec.isEmpty(bytesOf(after));
        if (wasEmpty && isEmpty)
            continue;
        const Side a{bytesOf(before), wasEmpty && spec.emptyReadsAsZero ? bytesOf(zeros) : bytesOf(before), int(before.size())};
        const Side b{bytesOf(after), isEmpty && spec.emptyReadsAsZero ? bytesOf(zeros) : bytesOf(after), int(after.size())};
        RecordDiff diff;
        diff.group = spec.group;
        diff.record = titleOf(spec, isEmpty ? a.block : b.block);
        diff.change = wasEmpty ? RecordChange::Added : isEmpty ? RecordChange::Removed : RecordChange::Changed;
        forEachElement(spec, [&](const RecordPart &part, const ElementRef &e) {
            if (elementKey(e, a.values + part.offset) == elementKey(e, b.values + part.offset))
                return;
            diff.fields.append(FieldChange{part.prefix + elementName(e), valueOf(spec, part, e, a, kind),
                                           valueOf(spec, part, e, b, kind)});
        });
        if (!diff.fields.isEmpty())
            out.records.append(diff);
    }
    return out;
}

DiffResult SettingsDiff::show(BlockKind kind, const QByteArray &block)
{
    DiffResult out;
    out.kind = kind;
    if (!sizeFits(kind, block.size()))
        return out;
    const QByteArray zeros(block.size(), '\0');
    const Side side{bytesOf(block), bytesOf(block), int(block.size())};
    const QList<RecordSpec> specs = kind == BlockKind::Dash ? dashRecords(int(block.size())) : pdmRecords();
    for (const RecordSpec &spec : specs) {
        if (spec.isEmpty && spec.isEmpty(side.block))
            continue;
        RecordDiff r;
        r.group = spec.group;
        r.record = titleOf(spec, side.block);
        bool allZero = true;
        forEachElement(spec, [&](const RecordPart &part, const ElementRef &e) {
            if (elementKey(e, side.values + part.offset) != elementKey(e, bytesOf(zeros) + part.offset))
                allZero = false;
            r.fields.append(FieldChange{part.prefix + elementName(e), QString(), valueOf(spec, part, e, side, kind)});
        });
        if (!allZero) // a record never filled in says nothing
            out.records.append(r);
    }
    return out;
}

QString SettingsDiff::toText(const DiffResult &diff, bool isListing)
{
    QString text;
    QString group;
    for (const RecordDiff &r : diff.records) {
        if (r.group != group) {
            group = r.group;
            text += QStringLiteral("[%1]\n").arg(group);
        }
        QString mark;
        if (!isListing)
            mark = r.change == RecordChange::Added ? QStringLiteral("+ ")
                 : r.change == RecordChange::Removed ? QStringLiteral("- ") : QStringLiteral("~ ");
        text += mark + r.record + QLatin1Char('\n');
        for (const FieldChange &f : r.fields)
            text += isListing ? QStringLiteral("    %1 = %2\n").arg(f.field, f.after)
                              : QStringLiteral("    %1: %2 -> %3\n").arg(f.field, f.before, f.after);
    }
    return text;
}

QJsonObject SettingsDiff::toJson(const DiffResult &diff, bool isListing)
{
    QJsonArray records;
    for (const RecordDiff &r : diff.records) {
        QJsonArray fields;
        for (const FieldChange &f : r.fields) {
            QJsonObject o{{QStringLiteral("field"), f.field}};
            if (isListing) {
                o.insert(QStringLiteral("value"), f.after);
            } else {
                o.insert(QStringLiteral("before"), f.before);
                o.insert(QStringLiteral("after"), f.after);
            }
            fields.append(o);
        }
        QJsonObject o{{QStringLiteral("group"), r.group}, {QStringLiteral("record"), r.record},
                      {QStringLiteral("fields"), fields}};
        if (!isListing)
            o.insert(QStringLiteral("change"), changeName(r.change));
        records.append(o);
    }
    QJsonObject root{{QStringLiteral("kind"), diff.kind == BlockKind::Dash ? QStringLiteral("dash") : QStringLiteral("pdm")},
                     {QStringLiteral("records"), records}};
    if (!isListing)
        root.insert(QStringLiteral("fieldCount"), diff.fieldCount());
    return root;
}

} // namespace settingsDiff
