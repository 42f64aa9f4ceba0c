#include "settings/diff/FieldValue.h"

#include <QCoreApplication>

#include "settings/ArdixEnums.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/catalogue/Vocabularies.h"
#include "settings/dash/DashLayout.h"
#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"

#include <QMetaEnum>
#include <cstring>
#include <iterator>
#include <limits>
#include <optional>

namespace settingsDiff {
namespace {

using layout::Kind;

const unsigned char *elementAt(const ElementRef &e, const unsigned char *record)
{
    return record + e.field->offset + e.index * e.field->elementSize();
}

// Values the interface shows divided (ratios x 1000, pressures and the stoichiometric ratio x 100).
int fixedDivisor(const char *name)
{
    static const struct { const char *name; int divisor; } kScaled[] = {
        {"fuelType_stoichiometry", 100}, {"oilPressWarningLevels", 100},
        {"gearRatios", 1000},           {"diffRatio", 1000},
        {"inputCaptureCorrection", 1000},
    };
    for (const auto &s : kScaled)
        if (std::strcmp(s.name, name) == 0)
            return s.divisor;
    return 1;
}

bool isMask(QLatin1String name)
{
    return name == QLatin1String("config") || name.endsWith(QLatin1String("Bits"))
        || name == QLatin1String("animationsOnOff") || name == QLatin1String("modules")
        || name == QLatin1String("stdSensors") || name == QLatin1String("customSensors")
        || name == QLatin1String("autoBrightness") || name == QLatin1String("operatorsBetweenFunctions")
        || name == QLatin1String("canId");
}

bool holdsSensorId(QLatin1String name)
{
    return name == QLatin1String("skinsPos") || name == QLatin1String("logTrigger1SourceId")
        || name == QLatin1String("logTrigger2SourceId") || name == QLatin1String("destinationSensId");
}

// The value as a choice; nothing for one that does not fit an int (a u32 of a damaged block), which
// no list of choices reaches.
std::optional<int> choiceIndex(double v)
{
    if (!(v >= double(std::numeric_limits<int>::min()) && v <= double(std::numeric_limits<int>::max())))
        return std::nullopt;
    return int(v);
}

// A dash value that stands for a choice, by the choice's name (empty when it names none).
QString dashChoiceName(QLatin1String name, int v)
{
    if (name == QLatin1String("inputDataSource"))
        return ArdixCatalogue::inputSourceTitle(v);
    if (name == QLatin1String("analogGroup"))
        return ArdixCatalogue::analogGroupsNames().value(v);
    if (name == QLatin1String("can1BaudId")) {
        static const char *const speeds[] = {"не используется", "125 kbps", "250 kbps", "500 kbps", "1 Mbit/s"};
        const qint64 i = qint64(v) - ArdixEnums::CanbusBaud_Disable;
        return i >= 0 && i < qint64(std::size(speeds)) ? QString::fromUtf8(speeds[i]) : QString();
    }
    return {};
}

QString sensorNameOf(int id, const unsigned char *block, int blockSize)
{
    if (const ArdixCatalogue::SensorInfo *info = ArdixCatalogue::sensorInfo(id))
        return info->name(true);
    const int custom = id - dashLayout::kCustomSensorFirstId;
    if (custom >= 0 && custom < dashLayout::kSensorsPerList
        && blockSize >= dashLayout::kCustomSensorsOffset + dashLayout::kSensorsSize) {
        const layout::Table t = dashLayout::sensorTable();
        const QString name = fieldText(t, block + dashLayout::kCustomSensorsOffset
                                              + custom * dashLayout::kSensorRecordSize,
                                       "customShortName");
        if (!name.isEmpty())
            return name;
    }
    return QString();
}

QString numberText(double v, int divisor)
{
    if (divisor <= 1)
        return QString::number(qint64(v));
    return QString::number(v / divisor, 'f', divisor >= 1000 ? 3 : 2);
}

} // namespace

QByteArray elementKey(const ElementRef &e, const unsigned char *record)
{
    const layout::Field &f = *e.field;
    const unsigned char *p = elementAt(e, record);
    switch (f.kind) {
    case Kind::Text:
        return layout::loadText(p, f.size).toUtf8();
    case Kind::Bits:
        return QByteArray(1, char((record[f.offset] >> f.bit) & ((1 << f.width) - 1)));
    default:
        return QByteArray(reinterpret_cast<const char *>(p), f.elementSize());
    }
}

bool sameElement(const ElementRef &e, const unsigned char *a, const unsigned char *b)
{
    const layout::Field &f = *e.field;
    const unsigned char *pa = elementAt(e, a);
    const unsigned char *pb = elementAt(e, b);
    switch (f.kind) {
    case Kind::Text: {
        const auto length = [&f](const unsigned char *p) {
            const auto *nul = static_cast<const unsigned char *>(std::memchr(p, 0, std::size_t(f.size)));
            return nul ? int(nul - p) : f.size;
        };
        const int la = length(pa);
        if (la == length(pb) && std::memcmp(pa, pb, std::size_t(la)) == 0)
            return true;
        // Other bytes may still decode to the same text (two malformed sequences).
        return layout::loadText(pa, f.size) == layout::loadText(pb, f.size);
    }
    case Kind::Bits: {
        const int mask = ((1 << f.width) - 1) << f.bit;
        return (a[f.offset] & mask) == (b[f.offset] & mask);
    }
    default:
        return std::memcmp(pa, pb, std::size_t(f.elementSize())) == 0;
    }
}

QString elementName(const ElementRef &e)
{
    const layout::Field &f = *e.field;
    QString name = QString::fromLatin1(f.name);
    const int rank = f.rank();
    if (rank == 0)
        return name;
    int idx[3] = {0, 0, 0};
    int rest = e.index;
    for (int d = rank - 1; d >= 0; --d) {
        idx[d] = rest % f.dims[d];
        rest /= f.dims[d];
    }
    if (name == QLatin1String("skinsSettings")) {
        const QMetaEnum keys = QMetaEnum::fromType<ArdixEnums::SkinSettingsIndexes>();
        if (const char *key = keys.valueToKey(idx[1]))
            return QStringLiteral("skinsSettings[%1].%2").arg(idx[0]).arg(QLatin1String(key));
    }
    for (int d = 0; d < rank; ++d)
        name += QLatin1Char('[') + QString::number(idx[d]) + QLatin1Char(']');
    return name;
}

double elementNumber(const ElementRef &e, const unsigned char *record)
{
    const layout::Field &f = *e.field;
    const unsigned char *p = elementAt(e, record);
    switch (f.kind) {
    case Kind::U8: return *p;
    case Kind::I8: return int8_t(*p);
    case Kind::U16: return layout::readLE<uint16_t>(p);
    case Kind::I16: return layout::readLE<int16_t>(p);
    case Kind::U32: return layout::readLE<uint32_t>(p);
    case Kind::I32: return layout::readLE<int32_t>(p);
    case Kind::F32: return layout::readLE<float>(p);
    case Kind::Bits: return (record[f.offset] >> f.bit) & ((1 << f.width) - 1);
    default: return 0;
    }
}

QString elementText(const ElementRef &e, const unsigned char *record)
{
    return e.field->kind == Kind::Text ? layout::loadText(elementAt(e, record), e.field->size) : QString();
}

QString displayValue(const ElementRef &e, const unsigned char *record, const unsigned char *block,
                     BlockKind kind, int blockSize, int divisor)
{
    const layout::Field &f = *e.field;
    const QLatin1String name(f.name);
    switch (f.kind) {
    case Kind::Text:
        return QLatin1Char('"') + elementText(e, record) + QLatin1Char('"');
    case Kind::Bytes: {
        const QByteArray raw(reinterpret_cast<const char *>(elementAt(e, record)), f.size);
        if (raw.count('\0') == raw.size())
            return QStringLiteral("—");
        return raw.left(4).toHex() + QCoreApplication::translate("FieldValue", "… (%1 байт)").arg(f.size);
    }
    case Kind::Bits:
        if (f.width == 1)
            return elementNumber(e, record) != 0 ? QCoreApplication::translate("FieldValue", "да") : QCoreApplication::translate("FieldValue", "нет");
        return QString::number(qint64(elementNumber(e, record)));
    case Kind::F32: {
        const float v = layout::readLE<float>(elementAt(e, record));
        return QString::number(double(v), 'g', 7);
    }
    default:
        break;
    }
    const double v = elementNumber(e, record);
    // Every kind left is an integer of at most 32 bits: exact in a double and in a qint64.
    const std::optional<int> index = choiceIndex(v);
    if (kind == BlockKind::Dash && holdsSensorId(name)) {
        const QString sensor = index ? sensorNameOf(*index, block, blockSize) : QString();
        if (v == 0 || sensor.isEmpty())
            return QString::number(qint64(v));
        return QStringLiteral("%1 (%2)").arg(qint64(v)).arg(sensor);
    }
    if (kind == BlockKind::Dash && index) {
        const QString choice = dashChoiceName(name, *index);
        if (!choice.isEmpty())
            return QStringLiteral("%1 (%2)").arg(qint64(v)).arg(choice);
    }
    if (index && (name == QLatin1String("currEcuProtocol") || name == QLatin1String("ecuProtocol"))) {
        if (const ArdixCatalogue::EcuProtocolInfo *ecu = ArdixCatalogue::ecuProtocolInfo(*index))
            return QStringLiteral("%1 (%2)").arg(qint64(v)).arg(QString::fromUtf8(ecu->name));
    }
    if (isMask(name) && f.kind != Kind::I8 && f.kind != Kind::I16) {
        // The element's own bits: a negative I32 mask shows as its two's complement.
        const int bits = f.elementSize() * 8;
        const quint64 raw = quint64(qint64(v)) & (bits >= 64 ? ~quint64(0) : (quint64(1) << bits) - 1);
        return QStringLiteral("0x") + QStringLiteral("%1").arg(raw, f.elementSize() * 2, 16, QLatin1Char('0')).toUpper();
    }
    return numberText(v, divisor > 1 ? divisor : fixedDivisor(f.name));
}

double fieldNumber(const layout::Table &table, const unsigned char *record, const char *name)
{
    for (const layout::Field &f : table)
        if (f.name && std::strcmp(f.name, name) == 0)
            return elementNumber(ElementRef{&f, 0}, record);
    return 0;
}

QString fieldText(const layout::Table &table, const unsigned char *record, const char *name)
{
    for (const layout::Field &f : table)
        if (f.name && std::strcmp(f.name, name) == 0)
            return elementText(ElementRef{&f, 0}, record);
    return QString();
}

} // namespace settingsDiff
