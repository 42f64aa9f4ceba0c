#include "settings/diff/SettingsDiff.h"

#include "settings/dash/DashLayout.h"
#include "settings/diff/FieldValue.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/persistence/DashBlockDefaults.h"

#include <QJsonArray>

#include <algorithm>
#include <array>
#include <cstring>

namespace settingsDiff {
namespace {

const unsigned char *bytesOf(const QByteArray &b) { return reinterpret_cast<const unsigned char *>(b.constData()); }

bool sizeFits(BlockKind kind, qsizetype size)
{
    return kind == BlockKind::Pdm ? size == qsizetype(PdmLayout::BlockSize)
                                  : size == dashLayout::kBlockSize || size == dashLayout::kShortBlockSize;
}

// Zeros as long as the largest block, to stand for an empty record and to compare a listing
// against, without a block-sized allocation per call.
const unsigned char *zeros()
{
    static constexpr std::size_t kLargest = std::max<std::size_t>(PdmLayout::BlockSize, dashLayout::kBlockSize);
    static const std::array<unsigned char, kLargest> kZeros{};
    return kZeros.data();
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

// The bytes every part of the record covers are equal on both sides, so no field differs.
bool sameBytes(const RecordSpec &spec, const unsigned char *a, const unsigned char *b, int blockSize)
{
    for (const RecordPart &part : spec.parts) {
        const int size = part.table.recordSize;
        if (part.offset < 0 || size < 0 || part.offset + size > blockSize
            || std::memcmp(a + part.offset, b + part.offset, std::size_t(size)) != 0)
            return false;
    }
    return true;
}

bool isText(const ElementRef &e) { return e.field->kind == layout::Kind::Text; }

bool needsEscape(char16_t u)
{
    // C0, DEL, C1 (a lone 0x9B starts a sequence on some terminals) and the line separators.
    return u == u'"' || u == u'\\' || u < 0x20 || (u >= 0x7F && u <= 0x9F) || u == 0x2028 || u == 0x2029;
}

// Backslash escapes for what a terminal or a reader of the text would take as structure.
QString escaped(const QString &text)
{
    if (std::none_of(text.cbegin(), text.cend(), [](QChar c) { return needsEscape(c.unicode()); }))
        return text;
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        switch (u) {
        case u'"': out += QLatin1String("\\\""); continue;
        case u'\\': out += QLatin1String("\\\\"); continue;
        case u'\n': out += QLatin1String("\\n"); continue;
        case u'\r': out += QLatin1String("\\r"); continue;
        case u'\t': out += QLatin1String("\\t"); continue;
        default: break;
        }
        if (needsEscape(u))
            out += QStringLiteral("\\u%1").arg(uint(u), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out;
}

QString valueText(const FieldChange &f, const QString &value)
{
    if (f.isText && value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
        return QLatin1Char('"') + escaped(value.mid(1, value.size() - 2)) + QLatin1Char('"');
    return escaped(value);
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
    if (kind == BlockKind::Dash && before.size() != after.size())
        return compare(kind, persistence::dashBlockAsLoaded(before), persistence::dashBlockAsLoaded(after));
    const QList<RecordSpec> specs = kind == BlockKind::Dash ? dashRecords(int(before.size())) : pdmRecords();
    for (const RecordSpec &spec : specs) {
        // Most records of two versions of a block are the same.
        if (sameBytes(spec, bytesOf(before), bytesOf(after), int(before.size())))
            continue;
        const bool wasEmpty = spec.isEmpty && spec.isEmpty(bytesOf(before));
        const bool isEmpty = spec.isEmpty && spec.isEmpty(bytesOf(after));
        if (wasEmpty && isEmpty)
            continue;
        const Side a{bytesOf(before), wasEmpty && spec.emptyReadsAsZero ? zeros() : bytesOf(before), int(before.size())};
        const Side b{bytesOf(after), isEmpty && spec.emptyReadsAsZero ? zeros() : bytesOf(after), int(after.size())};
        RecordDiff diff;
        diff.group = spec.group;
        diff.record = titleOf(spec, isEmpty ? a.block : b.block);
        diff.change = wasEmpty ? RecordChange::Added : isEmpty ? RecordChange::Removed : RecordChange::Changed;
        forEachElement(spec, [&](const RecordPart &part, const ElementRef &e) {
            if (sameElement(e, a.values + part.offset, b.values + part.offset))
                return;
            diff.fields.append(FieldChange{part.prefix + elementName(e), valueOf(spec, part, e, a, kind),
                                           valueOf(spec, part, e, b, kind), isText(e)});
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
    const Side side{bytesOf(block), bytesOf(block), int(block.size())};
    const QList<RecordSpec> specs = kind == BlockKind::Dash ? dashRecords(int(block.size())) : pdmRecords();
    for (const RecordSpec &spec : specs) {
        // A record never filled in says nothing.
        if (sameBytes(spec, side.values, zeros(), int(block.size())))
            continue;
        if (spec.isEmpty && spec.isEmpty(side.block))
            continue;
        bool allZero = true;
        forEachElement(spec, [&](const RecordPart &part, const ElementRef &e) {
            if (allZero && !sameElement(e, side.values + part.offset, zeros() + part.offset))
                allZero = false;
        });
        if (allZero)
            continue;
        RecordDiff r;
        r.group = spec.group;
        r.record = titleOf(spec, side.block);
        forEachElement(spec, [&](const RecordPart &part, const ElementRef &e) {
            r.fields.append(FieldChange{part.prefix + elementName(e), QString(), valueOf(spec, part, e, side, kind),
                                        isText(e)});
        });
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
            text += QStringLiteral("[%1]\n").arg(escaped(group));
        }
        QString mark;
        if (!isListing)
            mark = r.change == RecordChange::Added ? QStringLiteral("+ ")
                 : r.change == RecordChange::Removed ? QStringLiteral("- ") : QStringLiteral("~ ");
        text += mark + escaped(r.record) + QLatin1Char('\n');
        for (const FieldChange &f : r.fields)
            text += isListing ? QStringLiteral("    %1 = %2\n").arg(escaped(f.field), valueText(f, f.after))
                              : QStringLiteral("    %1: %2 -> %3\n")
                                    .arg(escaped(f.field), valueText(f, f.before), valueText(f, f.after));
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
