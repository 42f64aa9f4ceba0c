#pragma once
// The fixed identity of the dash's standard sensors and lap pseudo-sensors, as plain rows, and the
// code that turns a row into a TheSensorConfig. Background work (log export) reads the rows or a
// SensorSnapshot, never the live objects.

#include <QList>
#include <initializer_list>
#include <QString>
#include <QtGlobal>

class QObject;
class SensorContext;
class TheSensorConfig;

namespace ArdixCatalogue {

constexpr int StandardSensorCount = 26;   // ids 0..25 carry an identity
constexpr int SensorsListLength = 32;     // the dash settings' `sensors` list, blanks after 25
constexpr int CustomSensorsListLength = 32; // ids 100..131
constexpr int CircuitSensorCount = 5;     // ids 164..168

constexpr int FirstCustomSensorId = 100;
constexpr int LastCustomLookupId = 163;
constexpr int FirstCircuitSensorId = 164;
constexpr int LastCircuitLookupId = 179;

constexpr const char *IconBase = "qrc:/ARDIX/images/icons/";
constexpr const char *CustomSensorIcon = "qrc:/ARDIX/images/icons/settings/custom.svg";
constexpr const char *CircuitSensorIcon = "qrc:/ARDIX/images/icons/timer.svg";

// Flag bits of a row, the same positions as TheSensorConfig::config.
enum RowFlag : quint16 {
    FloatBit = 1u << 2,
    WarnBit = 1u << 3,
    MoreBit = 1u << 4,
};

constexpr quint32 ecuMask(std::initializer_list<int> protocols)
{
    quint32 mask = 0;
    for (int p : protocols)
        mask |= quint32(1) << p;
    return mask;
}

struct SensorInfo
{
    int id;
    const char *nameRu;
    const char *shortRu;
    const char *nameEn;
    const char *shortEn;
    const char *icon;      // relative to IconBase, or an absolute qrc URL; nullptr: none
    int unitsIndex;        // entry of the units list; -1: none
    quint8 analogGroup;
    quint16 flags;         // RowFlag bits
    qint16 minPossibleValue;
    quint16 maxPossibleValue;
    quint16 preWarningValue;
    quint16 warningValueMax;
    quint16 warningValueMin;
    quint8 inputDataSource;
    quint8 inputSourceIndex;
    bool frequencyCaptureSupport;
    bool isWarningPermit;
    quint32 ecuProtocols;  // bit N set: EcuProtocols value N delivers the sensor
    const char *ldUnits;
    const char *ldName;
    const char *ldShortName;
    quint32 ldChannelId;

    QString name(bool isRu) const;
    QString shortName(bool isRu) const;
    QString iconUrl() const;          // empty when the row has no icon
    QList<int> ecuProtocolsList() const; // ascending
    bool supportsEcu(int protocol) const;
};

// Row of standard sensor `id` (0..25), else nullptr.
const SensorInfo *standardSensorInfo(int id);
// Row of lap pseudo-sensor `id` (164..168), else nullptr.
const SensorInfo *circuitSensorInfo(int id);
// Either of the two above.
const SensorInfo *sensorInfo(int id);

// Puts a row's identity and defaults into an object through its setters.
void applySensorInfo(TheSensorConfig &sensor, const SensorInfo &info, bool isRu);

// The 32 entries of the dash settings' `sensors`: rows 0..25, then constructor-default objects.
// Units are copied in the language of the moment (`context`; null means Russian).
QList<TheSensorConfig *> createStandardSensors(SensorContext *context, QObject *parent);
// Deletes the old entries of `sensors` and refills it (reset to defaults).
void rebuildStandardSensors(QList<TheSensorConfig *> &sensors, SensorContext *context, QObject *parent);

// Custom sensor `index` (0..31): id 100 + index, custom bit, the custom icon.
void initCustomSensor(TheSensorConfig &sensor, int index);
QList<TheSensorConfig *> createCustomSensors(SensorContext *context, QObject *parent);

// The five lap pseudo-sensors of the kernel's `circuit_sensors`, index = id - 164.
QList<TheSensorConfig *> createCircuitSensors(SensorContext *context, QObject *parent);

// Which list and position an id lives at (the kernel's `getSensor`).
enum class SensorList { None, Standard, Custom, Circuit };
struct SensorSlot
{
    SensorList list = SensorList::None;
    int index = -1;
};
SensorSlot sensorSlot(int sensId);
TheSensorConfig *getSensor(int sensId, const QList<TheSensorConfig *> &sensors,
                           const QList<TheSensorConfig *> &customSensors,
                           const QList<TheSensorConfig *> &circuitSensors);

// What an exporter needs of one sensor, copied on the interface thread before the work starts.
struct SensorSnapshot
{
    int id = 0;
    bool custom = false;
    bool isFloat = false;
    QString name;        // the current-language full name (custom: the user's name)
    QString shortName;
    QString units;
    QString ldUnits;
    QString ldName;
    QString ldShortName;
    quint32 ldChannelId = 0;
};
SensorSnapshot snapshotOf(const TheSensorConfig &sensor);

} // namespace ArdixCatalogue
