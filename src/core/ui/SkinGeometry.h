#pragma once
// The arithmetic behind the dash screen replica: where the bottom-row cells go, how a circle gauge
// divides its scale, how the cell count buttons step, where the shift-lamp thresholds may lie and
// how a cell prints its sample value. Pure functions, so every worked case is checked without a
// window; `SkinGeometry` hands them to QML.

#include <QObject>
#include <QString>
#include <QVariantMap>

#include <optional>

class ArdixSettings;

namespace skin {

constexpr double kReferenceWidth = 1280;
constexpr double kBottomCellWidth = 238;
constexpr int kModeCount = 5; // modes this interface draws; 5 to 9 are not used
constexpr int kMaxRowCells = 6;
constexpr int kMinRowCells = 2;
constexpr int kMaxTableCells = 15;
constexpr int kMinTableCells = 6;
constexpr int kRpmLampGap = 50;
constexpr int kRpmGreenSpan = 4000;
constexpr int kRazgonMode = 4;

// Bottom row of modes 0 and 1: every cell takes `scale`, cell i sits at start + i * step.
struct BottomRow
{
    double start = 0;
    double scale = 1;
    double step = 0;
    double cellWidth = 0; // scaled
};
BottomRow bottomRow(double width, double scaleX, int count);

// A circle gauge's scale for a maximum (raw units; hundredths for float sensors).
struct GaugeScale
{
    int count = 0;        // values on the scale (display units)
    double step = 1;      // label step
    int subDivisions = 1; // minor ticks per major tick
    int linesCount = 0;
    int labelsCount = 0;  // 0 when the labels would crowd (20 or more)
    bool boost = false;   // the scale starts at -1
};
GaugeScale gaugeScale(double maximum, bool isFloat, bool isBoost);
// Label text of major tick `index`.
QString gaugeLabel(const GaugeScale &scale, int index);
// Where a display value lies on the ring, 0 to 1.
double gaugeRatio(const GaugeScale &scale, double displayValue);

// What a circle gauge shows for one sensor: its maximum (raw) and warning mark (raw, 0 for none).
struct SensorLimits
{
    int warningValueMax = 0;
    int warningValueMin = 0;
    int maxPossibleValue = 0;
    bool isWarningIfMore = false;
    bool isWarningEnable = false;
    bool custom = false;
    int analogGroup = 0;
};
struct CircleData
{
    double maximum = 0;
    double mark = 0;
};
CircleData circleData(const SensorLimits &sensor);

// The sample value a cell shows: the threshold the user set, in display form.
int sampleRaw(const SensorLimits &sensor);
QString valueText(double raw, bool isFloat);
QString gearText(int value);

// Cell count buttons per mode.
bool plusShown(int mode, int count);
bool minusShown(int mode, int count);
int countAfterPlus(int mode, int count);
int countAfterMinus(int mode, int count);

// The table grid of modes 2 and 3; nothing for a count it has no grid for.
struct TableGrid
{
    int columns = 0;
    int rows = 0;
    double heightRatio = 0;   // cell height / cell width
    bool fixedHeader = false; // header 180 high and a 2 % top margin; else one cell high, grid centred
};
std::optional<TableGrid> tableGrid(int count);

// Bounds of the three shift-lamp start spin boxes.
struct Range
{
    int from = 0;
    int to = 0;
};
struct RpmLampBounds
{
    Range green;
    Range yellow;
    Range red;
};
RpmLampBounds rpmLampBounds(int maximum, int green, int yellow, int red);

} // namespace skin

// The same functions for the interface, as maps.
class SkinGeometry : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    Q_INVOKABLE QVariantMap bottomRow(double width, double scaleX, int count) const;
    Q_INVOKABLE QVariantMap gaugeScale(double maximum, bool isFloat, bool isBoost) const;
    Q_INVOKABLE QString gaugeLabel(QVariantMap scale, int index) const;
    Q_INVOKABLE double gaugeRatio(QVariantMap scale, double displayValue) const;
    // `sensor` is a TheSensorConfig (or anything with its property names).
    Q_INVOKABLE QVariantMap circleData(QObject *sensor) const;
    Q_INVOKABLE int sampleRaw(QObject *sensor) const;
    Q_INVOKABLE QString valueText(double raw, bool isFloat) const;
    Q_INVOKABLE QString gearText(int value) const;
    Q_INVOKABLE bool plusShown(int mode, int count) const;
    Q_INVOKABLE bool minusShown(int mode, int count) const;
    Q_INVOKABLE int countAfterPlus(int mode, int count) const;
    Q_INVOKABLE int countAfterMinus(int mode, int count) const;
    Q_INVOKABLE QVariantMap tableGrid(int count) const; // empty for an unknown count
    Q_INVOKABLE QVariantMap rpmLampBounds(int maximum, int green, int yellow, int red) const;
    // Sensor id of one cell of the dash settings' skin table; 0 when out of range.
    Q_INVOKABLE int cellSensor(QObject *dashSettings, int skin, int mode, int cell) const;
    // The dash settings' enabled sensor ids in their own order, as numbers.
    Q_INVOKABLE QVariantList activeSensors(QObject *dashSettings) const;
};
