#include "settings/layout/FieldCodec.h"

#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"

#include <QByteArray>
#include <QLoggingCategory>
#include <QMetaProperty>
#include <QMutex>
#include <QObject>
#include <QSequentialIterable>
#include <QVariant>

#include <algorithm>
#include <cstring>
#include <map>
#include <tuple>
#include <type_traits>
#include <vector>

Q_LOGGING_CATEGORY(lcLayout, "ardix.settings.layout", QtWarningMsg)

namespace layout {
namespace {

QMetaProperty propertyOf(const QObject *obj, const char *name)
{
    const QMetaObject *mo = obj->metaObject();
    const int i = mo->indexOfProperty(name);
    return i < 0 ? QMetaProperty() : mo->property(i);
}

// The property of each field of a table on one class (invalid where the field has none), looked
// up by name once: records are loaded and packed by the hundred, and a look-up by name (and, for
// an enumeration, of its type by name) cost more than the values themselves.
const std::vector<QMetaProperty> &propertiesOf(const QMetaObject *mo, const Table &table)
{
    using Key = std::tuple<const QMetaObject *, const Field *, int>;
    static QBasicMutex mutex;
    static std::map<Key, std::vector<QMetaProperty>> cache; // never erased: references stay valid
    const QMutexLocker lock(&mutex);
    auto [it, isNew] = cache.try_emplace(Key{mo, table.fields, table.count});
    if (isNew) {
        it->second.reserve(std::size_t(table.count));
        for (const Field &f : table) {
            const int i = f.writesProperty() ? mo->indexOfProperty(f.name) : -1;
            it->second.push_back(i < 0 ? QMetaProperty() : mo->property(i));
        }
    }
    return it->second;
}

QVariant numberAs(QMetaType t, qint64 v, float d, bool isFloat)
{
    switch (t.id()) {
    case QMetaType::Bool: return QVariant(isFloat ? d != 0 : v != 0);
    case QMetaType::UChar: return QVariant::fromValue<uchar>(uchar(v));
    case QMetaType::SChar: return QVariant::fromValue<signed char>((signed char)(v));
    case QMetaType::Char: return QVariant::fromValue<char>(char(v));
    case QMetaType::Short: return QVariant::fromValue<short>(short(v));
    case QMetaType::UShort: return QVariant::fromValue<ushort>(ushort(v));
    case QMetaType::Int: return QVariant(int(v));
    case QMetaType::UInt: return QVariant(uint(v));
    case QMetaType::Long: return QVariant::fromValue<long>(long(v));
    case QMetaType::ULong: return QVariant::fromValue<ulong>(ulong(v));
    case QMetaType::LongLong: return QVariant(qlonglong(v));
    case QMetaType::ULongLong: return QVariant(qulonglong(v));
    case QMetaType::Float: return QVariant(isFloat ? d : float(v)); // keeps NaN payloads
    case QMetaType::Double: return QVariant(isFloat ? double(d) : double(v));
    default: return isFloat ? QVariant(d) : QVariant(qlonglong(v));
    }
}

template<typename Raw>
Raw rawAt(const unsigned char *p, int i) { return readLE<Raw>(p + i * int(sizeof(Raw))); }

// Builds the nested list for an array field with element type T (one of the candidates below).
template<typename Raw, typename T>
QVariant buildList(const Field &f, const unsigned char *p)
{
    const int d0 = f.dims[0], d1 = f.dims[1], d2 = f.dims[2];
    switch (f.rank()) {
    case 1: {
        QList<T> l;
        l.reserve(d0);
        for (int i = 0; i < d0; ++i)
            l.append(T(rawAt<Raw>(p, i)));
        return QVariant::fromValue(l);
    }
    case 2: {
        QList<QList<T>> l;
        l.reserve(d0);
        for (int i = 0; i < d0; ++i) {
            QList<T> row;
            row.reserve(d1);
            for (int j = 0; j < d1; ++j)
                row.append(T(rawAt<Raw>(p, i * d1 + j)));
            l.append(row);
        }
        return QVariant::fromValue(l);
    }
    default: {
        QList<QList<QList<T>>> l;
        l.reserve(d0);
        for (int i = 0; i < d0; ++i) {
            QList<QList<T>> plane;
            for (int j = 0; j < d1; ++j) {
                QList<T> row;
                row.reserve(d2);
                for (int k = 0; k < d2; ++k)
                    row.append(T(rawAt<Raw>(p, (i * d1 + j) * d2 + k)));
                plane.append(row);
            }
            l.append(plane);
        }
        return QVariant::fromValue(l);
    }
    }
}

template<typename T>
QMetaType listType(int rank)
{
    switch (rank) {
    case 1: return QMetaType::fromType<QList<T>>();
    case 2: return QMetaType::fromType<QList<QList<T>>>();
    default: return QMetaType::fromType<QList<QList<QList<T>>>>();
    }
}

QVariantList variantListOf(const Field &f, const unsigned char *p, int level, int &index)
{
    QVariantList l;
    const int n = f.dims[level];
    for (int i = 0; i < n; ++i) {
        if (level + 1 < f.rank()) {
            l.append(QVariant(variantListOf(f, p, level + 1, index)));
        } else {
            const int at = index++;
            switch (f.kind) {
            case Kind::U8: l.append(uint(rawAt<uint8_t>(p, at))); break;
            case Kind::I8: l.append(int(rawAt<int8_t>(p, at))); break;
            case Kind::U16: l.append(uint(rawAt<uint16_t>(p, at))); break;
            case Kind::I16: l.append(int(rawAt<int16_t>(p, at))); break;
            case Kind::U32: l.append(uint(rawAt<uint32_t>(p, at))); break;
            case Kind::I32: l.append(int(rawAt<int32_t>(p, at))); break;
            default: l.append(rawAt<float>(p, at)); break;
            }
        }
    }
    return l;
}

template<typename Raw>
QVariant arrayFor(const Field &f, QMetaType target, const unsigned char *p)
{
    const int r = f.rank();
    if (target == listType<Raw>(r))
        return buildList<Raw, Raw>(f, p);
    if (target == listType<int>(r))
        return buildList<Raw, int>(f, p);
    if (target == listType<uint>(r))
        return buildList<Raw, uint>(f, p);
    if (target == listType<qreal>(r))
        return buildList<Raw, qreal>(f, p);
    int index = 0;
    return QVariant(variantListOf(f, p, 0, index));
}

// Calls `fn` with a value of the raw type a numeric field kind stores (floats for the rest).
template<typename Fn>
auto withRawType(Kind k, Fn &&fn)
{
    switch (k) {
    case Kind::U8: return fn(uint8_t{});
    case Kind::I8: return fn(int8_t{});
    case Kind::U16: return fn(uint16_t{});
    case Kind::I16: return fn(int16_t{});
    case Kind::U32: return fn(uint32_t{});
    case Kind::I32: return fn(int32_t{});
    default: return fn(float{});
    }
}

QVariant arrayFor(const Field &f, QMetaType target, const unsigned char *p)
{
    return withRawType(f.kind, [&](auto raw) { return arrayFor<decltype(raw)>(f, target, p); });
}

bool arrayTypeSupported(const Field &f, QMetaType target)
{
    const int r = f.rank();
    auto rawList = [&]() -> QMetaType {
        switch (f.kind) {
        case Kind::U8: return listType<uint8_t>(r);
        case Kind::I8: return listType<int8_t>(r);
        case Kind::U16: return listType<uint16_t>(r);
        case Kind::I16: return listType<int16_t>(r);
        case Kind::U32: return listType<uint32_t>(r);
        case Kind::I32: return listType<int32_t>(r);
        default: return listType<float>(r);
        }
    };
    return target == rawList() || target == listType<int>(r) || target == listType<uint>(r)
        || target == listType<qreal>(r) || target == QMetaType::fromType<QVariantList>();
}

void flatten(const QVariant &v, int depth, QVariantList &out)
{
    if (depth == 0) {
        out.append(v);
        return;
    }
    if (!v.canView<QSequentialIterable>())
        return;
    const QSequentialIterable it = v.value<QSequentialIterable>();
    for (auto i = it.constBegin(); i != it.constEnd(); ++i)
        flatten(*i, depth - 1, out);
}

void writeInteger(Kind k, unsigned char *p, qint64 v)
{
    switch (k) {
    case Kind::U8: writeLE<uint8_t>(p, uint8_t(v)); break;
    case Kind::I8: writeLE<int8_t>(p, int8_t(v)); break;
    case Kind::U16: writeLE<uint16_t>(p, uint16_t(v)); break;
    case Kind::I16: writeLE<int16_t>(p, int16_t(v)); break;
    case Kind::U32: writeLE<uint32_t>(p, uint32_t(v)); break;
    case Kind::I32: writeLE<int32_t>(p, int32_t(v)); break;
    default: writeLE<float>(p, float(double(v))); break;
    }
}

void writeNumber(Kind k, unsigned char *p, const QVariant &v)
{
    if (k == Kind::F32)
        writeLE<float>(p, v.metaType().id() == QMetaType::Float ? v.value<float>() : v.toFloat());
    else
        writeInteger(k, p, v.toLongLong());
}

// One element of a typed list: integers as they are, reals the way QVariant converts them.
template<typename T>
void writeElement(Kind k, unsigned char *p, T v)
{
    if constexpr (std::is_integral_v<T>)
        writeInteger(k, p, qint64(v));
    else
        writeNumber(k, p, QVariant::fromValue(v));
}

// Visits the leaves of a nested list in order, numbering them across rows as a flat array.
template<typename T, typename Visit>
void forEachLeaf(const QList<T> &l, int &index, const Visit &visit)
{
    for (const T &v : l)
        visit(index++, v);
}

template<typename T, typename Visit>
void forEachLeaf(const QList<QList<T>> &l, int &index, const Visit &visit)
{
    for (const QList<T> &row : l)
        forEachLeaf(row, index, visit);
}

// Packs an array field from a list of T nested as deep as the field's rank, leaf by leaf without a
// QVariant per element; false when `v` holds another type. Rows of any length are packed one after
// the other, and what the list lacks is zero (or left alone for a held-entries-only field).
template<typename T>
bool packListOf(const Field &f, const QVariant &v, unsigned char *p)
{
    const int rank = f.rank();
    if (v.metaType() != listType<T>(rank))
        return false;
    const int es = f.elementSize();
    const int count = f.count();
    int held = 0;
    const auto put = [&](int i, T x) {
        if (i < count)
            writeElement(f.kind, p + i * es, x);
    };
    switch (rank) {
    case 1: forEachLeaf(*static_cast<const QList<T> *>(v.constData()), held, put); break;
    case 2: forEachLeaf(*static_cast<const QList<QList<T>> *>(v.constData()), held, put); break;
    default: forEachLeaf(*static_cast<const QList<QList<QList<T>>> *>(v.constData()), held, put); break;
    }
    const int n = f.heldOnly ? std::min(count, held) : count;
    if (held < n)
        std::memset(p + held * es, 0, std::size_t(n - held) * std::size_t(es));
    return true;
}

template<typename Raw>
bool packTypedList(const Field &f, const QVariant &v, unsigned char *p)
{
    return packListOf<Raw>(f, v, p) || packListOf<int>(f, v, p) || packListOf<uint>(f, v, p)
        || packListOf<qreal>(f, v, p);
}

bool packTypedList(const Field &f, const QVariant &v, unsigned char *p)
{
    return withRawType(f.kind, [&](auto raw) { return packTypedList<decltype(raw)>(f, v, p); });
}

qint64 readInteger(Kind k, const unsigned char *p)
{
    switch (k) {
    case Kind::U8: return readLE<uint8_t>(p);
    case Kind::I8: return readLE<int8_t>(p);
    case Kind::U16: return readLE<uint16_t>(p);
    case Kind::I16: return readLE<int16_t>(p);
    case Kind::U32: return readLE<uint32_t>(p);
    case Kind::I32: return readLE<int32_t>(p);
    default: return 0;
    }
}

void write(QObject *obj, const QMetaProperty &prop, const QVariant &v, const Field &f)
{
    if (!prop.write(obj, v))
        qCWarning(lcLayout) << obj->metaObject()->className() << "cannot take field" << f.name
                            << "as" << v.metaType().name();
}

} // namespace

void loadRecord(QObject *obj, const Table &table, const unsigned char *record, const FieldFilter &accept)
{
    const std::vector<QMetaProperty> &props = propertiesOf(obj->metaObject(), table);
    for (int fi = 0; fi < table.count; ++fi) {
        const Field &f = table.fields[fi];
        if (!f.writesProperty() || (accept && !accept(f)))
            continue;
        const QMetaProperty &prop = props[std::size_t(fi)];
        if (!prop.isValid()) {
            qCWarning(lcLayout) << obj->metaObject()->className() << "has no property" << f.name;
            continue;
        }
        const unsigned char *p = record + f.offset;
        switch (f.kind) {
        case Kind::Text:
            if (f.rank() == 0) {
                write(obj, prop, loadText(p, f.size), f);
            } else {
                QStringList l;
                for (int i = 0; i < f.dims[0]; ++i)
                    l.append(loadText(p + i * f.size, f.size));
                write(obj, prop, l, f);
            }
            break;
        case Kind::Bytes:
            write(obj, prop, QByteArray(reinterpret_cast<const char *>(p), f.size), f);
            break;
        case Kind::Bits: {
            const qint64 v = (*p >> f.bit) & ((1 << f.width) - 1);
            write(obj, prop, numberAs(prop.metaType(), v, 0, false), f);
            break;
        }
        default:
            if (f.rank() > 0)
                write(obj, prop, arrayFor(f, prop.metaType(), p), f);
            else if (f.kind == Kind::F32)
                write(obj, prop, numberAs(prop.metaType(), 0, readLE<float>(p), true), f);
            else
                write(obj, prop, numberAs(prop.metaType(), readInteger(f.kind, p), 0, false), f);
            break;
        }
    }
}

void packRecord(const QObject *obj, const Table &table, unsigned char *record, const FieldFilter &accept)
{
    const std::vector<QMetaProperty> &props = propertiesOf(obj->metaObject(), table);
    for (int fi = 0; fi < table.count; ++fi) {
        const Field &f = table.fields[fi];
        if (f.kind == Kind::Nested || (accept && !accept(f)))
            continue;
        unsigned char *p = record + f.offset;
        if (f.kind == Kind::Zero) {
            std::memset(p, 0, std::size_t(f.size) * std::size_t(f.count()));
            continue;
        }
        if (f.kind == Kind::ZeroBits) {
            *p = uchar(*p & ~(((1 << f.width) - 1) << f.bit));
            continue;
        }
        const QMetaProperty &prop = props[std::size_t(fi)];
        if (!prop.isValid()) {
            qCWarning(lcLayout) << obj->metaObject()->className() << "has no property" << f.name;
            continue;
        }
        const QVariant v = prop.read(obj);
        switch (f.kind) {
        case Kind::Text:
            if (f.rank() == 0) {
                packText(p, f.size, v.toString());
            } else {
                const QStringList l = v.toStringList();
                for (int i = 0; i < f.dims[0]; ++i)
                    packText(p + i * f.size, f.size, i < l.size() ? l[i] : QString());
            }
            break;
        case Kind::Bytes: {
            const QByteArray b = v.toByteArray();
            const int n = std::min(int(b.size()), f.size);
            std::memcpy(p, b.constData(), std::size_t(n));
            std::memset(p + n, 0, std::size_t(f.size - n));
            break;
        }
        case Kind::Bits: {
            const int mask = ((1 << f.width) - 1) << f.bit;
            const int value = int(v.toLongLong() << f.bit) & mask;
            *p = uchar((*p & ~mask) | value);
            break;
        }
        default:
            if (f.rank() > 0) {
                if (packTypedList(f, v, p))
                    break;
                QVariantList flat;
                flatten(v, f.rank(), flat);
                const int es = f.elementSize();
                const int n = f.heldOnly ? std::min(f.count(), int(flat.size())) : f.count();
                for (int i = 0; i < n; ++i)
                    writeNumber(f.kind, p + i * es, i < flat.size() ? flat[i] : QVariant(0));
            } else {
                writeNumber(f.kind, p, v);
            }
            break;
        }
    }
}

QStringList bindingProblems(const QObject *obj, const Table &table)
{
    QStringList problems;
    const QString cls = QString::fromLatin1(obj->metaObject()->className());
    for (const Field &f : table) {
        if (!f.name)
            continue;
        const QMetaProperty prop = propertyOf(obj, f.name);
        const QString where = cls + QLatin1Char('.') + QLatin1String(f.name);
        if (!prop.isValid()) {
            problems << where + QStringLiteral(": no such property");
            continue;
        }
        if (f.kind == Kind::Nested)
            continue;
        if (!prop.isWritable())
            problems << where + QStringLiteral(": not writable");
        const QMetaType t = prop.metaType();
        bool ok = true;
        switch (f.kind) {
        case Kind::Text:
            ok = f.rank() == 0 ? t == QMetaType::fromType<QString>() : t == QMetaType::fromType<QStringList>();
            break;
        case Kind::Bytes: ok = t == QMetaType::fromType<QByteArray>(); break;
        default:
            ok = f.rank() > 0 ? arrayTypeSupported(f, t)
                              : (t.flags() & QMetaType::IsEnumeration) || QMetaType::canConvert(QMetaType::fromType<qlonglong>(), t);
            break;
        }
        if (!ok)
            problems << where + QStringLiteral(": type ") + QLatin1String(t.name()) + QStringLiteral(" does not fit");
    }
    return problems;
}

} // namespace layout
