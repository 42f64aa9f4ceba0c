#include "settings/diff/BlockSchema.h"

#include <QtGlobal>

#include "settings/ArdixEnums.h"
#include "settings/can/CanLayout.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/catalogue/Vocabularies.h"
#include "settings/dash/DashLayout.h"
#include "settings/dash/ExtraLayout.h"
#include "settings/diff/FieldValue.h"
#include "settings/functions/FunctionLayout.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmTables.h"

#include <QHash>
#include <QMutex>
#include <QVariantMap>
#include <cstring>

namespace settingsDiff {
namespace {

using namespace layout;

// The skin cells and the frame-id mask are plain byte arrays of the block with no record object.
constexpr Field kSkinMode[] = {u8(0, "skinsPos", dashLayout::kCells)};
static_assert(isWellFormed(kSkinMode, dashLayout::kCells));
constexpr Field kFrameIdMask[] = {u8(0, "canInMessagesFrameIdMask", canLayout::kFrameIdMaskSize)};
static_assert(isWellFormed(kFrameIdMask, canLayout::kFrameIdMaskSize));

bool named(const Field &f, const char *name) { return f.name && std::strcmp(f.name, name) == 0; }

// Checksums and the computer's clock are not settings the user changed.
bool isBookkeeping(const Field &f)
{
    return named(f, "settingsCrc") || named(f, "reserved") || named(f, "offsetFromUtc_seconds")
        || named(f, "initMarker");
}

QString numbered(const char *what, int i) { return QStringLiteral("%1 %2").arg(QString::fromUtf8(what)).arg(i + 1); }

RecordSpec record(const QString &group, const QString &label, const Table &t, int offset)
{
    RecordSpec r;
    r.group = group;
    r.label = label;
    r.parts.append(RecordPart{t, offset, QString()});
    r.accept = [](const Field &f) { return !isBookkeeping(f); };
    return r;
}

std::function<QString(const unsigned char *)> nameAt(const Table &t, int offset, const char *field)
{
    return [t, offset, field](const unsigned char *block) { return fieldText(t, block + offset, field); };
}

std::function<bool(const unsigned char *)> functionIsEmpty(int offset)
{
    const Table t = functionLayout::functionTable();
    return [t, offset](const unsigned char *block) { return fieldNumber(t, block + offset, "configBits") == 0; };
}

RecordSpec functionRecord(const QString &group, const QString &label, int offset)
{
    const Table t = functionLayout::functionTable();
    RecordSpec r = record(group, label, t, offset);
    r.isEmpty = functionIsEmpty(offset);
    r.emptyReadsAsZero = true;
    r.userName = nameAt(t, offset, "functionName");
    return r;
}

// The CAN lists both devices share, at the device's own positions.
void appendSharedCan(QList<RecordSpec> &out, const QString &group, int area, int inCount, int inAt,
                     int outCount, int outAt, int digitalCount, int digitalAt, int maskAt)
{
    for (int i = 0; i < inCount; ++i)
        out.append(record(group, numbered(QT_TRANSLATE_NOOP("BlockSchema", "Принимаемое сообщение"), i), canLayout::inMessageTable(),
                          area + inAt + i * canLayout::kInMessageSize));
    for (int i = 0; i < outCount; ++i) {
        const int at = area + outAt + i * canLayout::kOutMessageSize;
        RecordSpec r = record(group, numbered(QT_TRANSLATE_NOOP("BlockSchema", "Передаваемое сообщение"), i), canLayout::outMessageTable(), at);
        for (int k = 0; k < canLayout::kOutDataItems; ++k)
            r.parts.append(RecordPart{canLayout::outDataTable(),
                                      at + canLayout::kOutDataOffset + k * canLayout::kOutDataSize,
                                      QStringLiteral("userData[%1].").arg(k)});
        out.append(r);
    }
    for (int i = 0; i < digitalCount; ++i) {
        const int at = area + digitalAt + i * canLayout::kDigitalInputSize;
        RecordSpec r = record(group, numbered(QT_TRANSLATE_NOOP("BlockSchema", "Цифровой вход CAN"), i), canLayout::digitalInputTable(), at);
        r.userName = nameAt(canLayout::digitalInputTable(), at, "inputName");
        out.append(r);
    }
    out.append(record(group, QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Маска идентификаторов")), tableOf(kFrameIdMask, canLayout::kFrameIdMaskSize),
                      area + maskAt));
}

void appendDashExtra(QList<RecordSpec> &out)
{
    using namespace extraLayout;
    const int base = dashLayout::kExtraOffset;
    out.append(record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Доп. настройки")), QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Коррекция входов")), areaTable(), base));

    QHash<int, QString> lampNames;
    for (const QVariant &v : ArdixCatalogue::lampsInfo()) {
        const QVariantMap m = v.toMap();
        lampNames.insert(m.value(QStringLiteral("lampIndex")).toInt(), m.value(QStringLiteral("lampName")).toString());
    }
    for (int i = 0; i < kLamps; ++i) {
        const QString label = lampNames.value(i, numbered(QT_TRANSLATE_NOOP("BlockSchema", "Лампа"), i));
        out.append(record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Лампы")), label, sourceTable(), base + kLampsOffset + i * kSourceRecordSize));
        out.last().lampIndex = i;
    }
    for (int i = 0; i < kActions; ++i)
        out.append(record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Действия")), numbered(QT_TRANSLATE_NOOP("BlockSchema", "Действие"), i), sourceTable(),
                          base + kActionsOffset + i * kSourceRecordSize));

    const QString can = QStringLiteral("CAN");
    appendSharedCan(out, can, base, kInMessages, kInMessagesOffset, kOutMessages, kOutMessagesOffset, kDigitalInputs,
                    kDigitalInputsOffset, kFrameIdMaskOffset);
    for (int i = 0; i < kAnalogInputs; ++i)
        out.append(record(can, numbered(QT_TRANSLATE_NOOP("BlockSchema", "Аналоговый вход CAN"), i), analogInputTable(),
                          base + kAnalogInputsOffset + i * kAnalogInputSize));
    for (int i = 0; i < kFunctions; ++i)
        out.append(functionRecord(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Функции")), numbered(QT_TRANSLATE_NOOP("BlockSchema", "Функция"), i), base + kFunctionsOffset + i * kFunctionSize));
    for (int i = 0; i < kKeypads; ++i)
        out.append(record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Клавиатуры")), numbered(QT_TRANSLATE_NOOP("BlockSchema", "Клавиатура"), i), keypadTable(),
                          base + kKeypadsOffset + i * kKeypadSize));
}

RecordSpec sensorRecord(int listIndex, bool custom)
{
    using namespace dashLayout;
    const int id = custom ? kCustomSensorFirstId + listIndex : listIndex;
    const int at = (custom ? kCustomSensorsOffset : kSensorsOffset) + listIndex * kSensorRecordSize;
    const Table t = sensorTable();
    QString label;
    if (const ArdixCatalogue::SensorInfo *info = ArdixCatalogue::sensorInfo(id))
        label = info->name(true);
    if (label.isEmpty())
        label = custom ? numbered(QT_TRANSLATE_NOOP("BlockSchema", "Пользовательский датчик"), listIndex) : numbered(QT_TRANSLATE_NOOP("BlockSchema", "Датчик"), listIndex);
    RecordSpec r = record(custom ? QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Пользовательские датчики")) : QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Датчики")), label, t, at);
    // What the object takes from the record: its id is its own, a standard sensor keeps its
    // catalogue name and range (the RPM sensor takes its maximum).
    r.accept = [custom, id](const Field &f) {
        switch (f.tag) {
        case SensorPackOnly: return false;
        case SensorCustomOnly: return custom;
        case SensorCustomOrRpm: return custom || id == ArdixEnums::EngineRpm_index;
        default: return true;
        }
    };
    if (custom) {
        r.userName = nameAt(t, at, "customShortName");
        r.isEmpty = [t, at](const unsigned char *block) {
            return fieldText(t, block + at, "customShortName").isEmpty()
                && fieldNumber(t, block + at, "inputDataSource") == 0;
        };
    }
    r.divisor = [t, at](const Field &f, const unsigned char *block) {
        static const char *const kLevels[] = {"preWarningValue", "warningValueMax", "warningValueMin",
                                              "maxPossibleValue", "minPossibleValue"};
        const bool isFloat = (quint32(fieldNumber(t, block + at, "config")) & ArdixCatalogue::FloatBit) != 0;
        if (!isFloat)
            return 1;
        for (const char *level : kLevels)
            if (named(f, level))
                return 100;
        return 1;
    };
    return r;
}

// The lamp's name as the interface shows it now; empty for a lamp the catalogue does not name.
QString lampName(int lampIndex)
{
    for (const QVariant &v : ArdixCatalogue::lampsInfo()) {
        const QVariantMap m = v.toMap();
        if (m.value(QStringLiteral("lampIndex")).toInt() == lampIndex)
            return m.value(QStringLiteral("lampName")).toString();
    }
    return QString();
}

QList<RecordSpec> buildDashRecords(int blockSize)
{
    using namespace dashLayout;
    QList<RecordSpec> out;
    for (int s = 0; s < kSkins; ++s)
        for (int m = 0; m < kModes; ++m)
            out.append(record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Экраны")), QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Скин %1, режим %2")).arg(s + 1).arg(m + 1),
                              tableOf(kSkinMode, kCells), kSkinsPosOffset + (s * kModes + m) * kCells));
    for (int i = 0; i < kSensorsPerList; ++i)
        out.append(sensorRecord(i, false));
    for (int i = 0; i < kSensorsPerList; ++i)
        out.append(sensorRecord(i, true));

    const QString common = QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Общие настройки"));
    out.append(record(common, QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Общие")), commonTable(), kCommonOffset));
    out.append(record(common, QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Запись логов")), logsTable(), kCommonOffset + kLogsOffset));
    out.append(record(common, QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "GPS и разгоны")), gpsTable(), kCommonOffset + kGpsOffset));

    for (int i = 0; i < kCustomAnalogSensors; ++i) {
        const int at = kCustomAnalogOffset + i * kCustomAnalogRecordSize;
        const Table t = customAnalogTable();
        RecordSpec r = record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Аналоговые датчики")), numbered(QT_TRANSLATE_NOOP("BlockSchema", "Аналоговый датчик"), i), t, at);
        r.userName = nameAt(t, at, "name");
        r.isEmpty = [t, at](const unsigned char *block) {
            return fieldText(t, block + at, "name").isEmpty() && fieldNumber(t, block + at, "sensorType") == 0;
        };
        out.append(r);
    }
    if (blockSize >= kBlockSize)
        appendDashExtra(out);
    return out;
}

QList<RecordSpec> buildPdmRecords()
{
    using namespace PdmLayout;
    QList<RecordSpec> out;
    out.append(record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Общие")), QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Общие")), PdmTables::General, 0));

    for (int i = 0; i < int(InputsCount); ++i) {
        const int nameAt_ = int(InputNamesOffset + std::size_t(i) * InputNameSize);
        RecordSpec r = record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Входы")), numbered(QT_TRANSLATE_NOOP("BlockSchema", "Вход"), i), PdmTables::InputConfig,
                              int(InputConfigOffset) + 2 * i);
        r.parts.append(RecordPart{PdmTables::InputName, nameAt_, QString()});
        r.userName = nameAt(PdmTables::InputName, nameAt_, "inputName");
        out.append(r);
    }
    for (int i = 0; i < int(OutputsCount); ++i) {
        const int at = int(outputOffset(std::size_t(i)));
        RecordSpec r = record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Выходы")), numbered(QT_TRANSLATE_NOOP("BlockSchema", "Выход"), i), PdmTables::Output, at);
        r.userName = nameAt(PdmTables::Output, at, "outputName");
        out.append(r);
    }
    for (int i = 0; i < int(FunctionsCount); ++i)
        out.append(functionRecord(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Функции")), QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Функция %1")).arg(i),
                                  int(functionOffset(std::size_t(i)))));
    for (int i = 0; i < int(KeypadsCount); ++i)
        out.append(record(QStringLiteral(QT_TRANSLATE_NOOP("BlockSchema", "Клавиатуры")), numbered(QT_TRANSLATE_NOOP("BlockSchema", "Клавиатура"), i), PdmTables::Keypad,
                          int(keypadOffset(std::size_t(i)))));

    const QString can = QStringLiteral("CAN");
    appendSharedCan(out, can, int(CanOffset), int(Can::InMessagesCount), int(Can::InMessages),
                    int(Can::OutMessagesCount), int(Can::OutMessages), int(Can::DigitalInputsCount),
                    int(Can::DigitalInputs), int(Can::FrameIdMask));
    for (int i = 0; i < int(Can::AnalogInputsCount); ++i) {
        const int at = int(CanOffset + Can::AnalogInputs + std::size_t(i) * Can::AnalogInputSize);
        RecordSpec r = record(can, numbered(QT_TRANSLATE_NOOP("BlockSchema", "Аналоговый вход CAN"), i), PdmTables::CanAnalogInput, at);
        r.userName = nameAt(PdmTables::CanAnalogInput, at, "inputName");
        out.append(r);
    }
    return out;
}

} // namespace

QString titleOf(const RecordSpec &spec, const unsigned char *block)
{
    QString label = spec.lampIndex >= 0 ? lampName(spec.lampIndex) : QString();
    if (label.isEmpty())
        label = spec.label;
    const QString name = spec.userName ? spec.userName(block) : QString();
    return name.isEmpty() ? label : label + QStringLiteral(" «") + name + QStringLiteral("»");
}

// Thousands of allocations each, and every comparison walks one: built once per kind and size.
QList<RecordSpec> dashRecords(int blockSize)
{
    static QMutex mutex;
    static QHash<int, QList<RecordSpec>> built;
    const QMutexLocker lock(&mutex);
    auto it = built.find(blockSize);
    if (it == built.end())
        it = built.insert(blockSize, buildDashRecords(blockSize));
    return *it;
}

QList<RecordSpec> pdmRecords()
{
    static const QList<RecordSpec> built = buildPdmRecords();
    return built;
}

} // namespace settingsDiff
