#include "ui/SkinGeometry.h"

#include "settings/dash/ArdixSettings.h"

#include <QVariant>
#include <algorithm>
#include <cmath>

namespace skin {

namespace {
constexpr double kRowStartMany = 86;  // more than three cells
constexpr double kRowStartThree = 180;
constexpr double kRowStartFew = 310;  // two cells or fewer
constexpr double kCircleHeadroom = 1.2;
constexpr int kMapAnalogGroup = 2;
constexpr int kMapMaximumExtra = 120;
constexpr int kMapMarkExtra = 100;
constexpr int kMaxLabels = 20;
constexpr int kIntChars = 5;
constexpr int kFloatChars = 4;
constexpr int kBoostSubDivisions = 5;
constexpr double kBoostStep = 0.5;

struct ScaleRow
{
    int upTo;
    double step;
    int subDivisions;
};
constexpr ScaleRow kScaleTable[] = {
    {3, 1, 20},      {10, 1, 10},     {16, 2, 10},     {30, 5, 10},
    {150, 20, 5},    {200, 50, 10},   {400, 50, 5},    {1200, 200, 5},
    {2000, 250, 5},  {6000, 1000, 5}, {10000, 2000, 5}, {15000, 3000, 5},
};

bool isTableMode(int mode) { return mode == 2 || mode == 3; }
bool isRowMode(int mode) { return mode == 0 || mode == 1; }
} // namespace

BottomRow bottomRow(double width, double scaleX, int count)
{
    BottomRow row;
    const int c = std::max(count, 1);
    double start = (c > 3 ? kRowStartMany : c == 3 ? kRowStartThree : kRowStartFew) * scaleX;
    const double cell = kBottomCellWidth * scaleX;
    row.scale = std::min(1.0, (width - 2 * start - start / 5 * (c - 1)) / (cell * c));
    start *= row.scale;
    row.start = start;
    row.cellWidth = row.scale * cell;
    // A single cell has no neighbour to step to.
    row.step = c > 1 ? (width - 2 * start - row.cellWidth * c) / (c - 1) + row.cellWidth : 0;
    return row;
}

GaugeScale gaugeScale(double maximum, bool isFloat, bool isBoost)
{
    GaugeScale s;
    s.count = isFloat ? static_cast<int>(std::ceil(maximum / 100.0)) : static_cast<int>(std::lround(maximum));
    s.count = std::max(s.count, 1);
    s.step = kScaleTable[std::size(kScaleTable) - 1].step;
    s.subDivisions = kScaleTable[std::size(kScaleTable) - 1].subDivisions;
    for (const ScaleRow &row : kScaleTable) {
        if (s.count <= row.upTo) {
            s.step = row.step;
            s.subDivisions = row.subDivisions;
            break;
        }
    }
    if (isBoost) {
        s.boost = true;
        s.step = kBoostStep;
        s.subDivisions = kBoostSubDivisions;
    }
    s.linesCount = static_cast<int>(std::lround(s.count * s.subDivisions / s.step));
    const int labels = s.linesCount / s.subDivisions;
    s.labelsCount = labels < kMaxLabels ? labels : 0;
    return s;
}

QString gaugeLabel(const GaugeScale &scale, int index)
{
    const double value = index * scale.step - (scale.boost ? 1 : 0);
    if (index == 0 && !scale.boost)
        return {};
    return QString::number(value, 'g', 6);
}

double gaugeRatio(const GaugeScale &scale, double displayValue)
{
    const double v = displayValue + (scale.boost ? 1 : 0);
    return std::clamp(v / scale.count, 0.0, 1.0);
}

CircleData circleData(const SensorLimits &sensor)
{
    CircleData d;
    d.maximum = sensor.isWarningIfMore
                    ? std::min(sensor.warningValueMax * kCircleHeadroom, double(sensor.maxPossibleValue))
                    : sensor.maxPossibleValue;
    if (sensor.isWarningEnable)
        d.mark = (sensor.isWarningIfMore || sensor.custom) ? sensor.warningValueMax : sensor.warningValueMin;
    if (sensor.analogGroup == kMapAnalogGroup) {
        d.maximum += kMapMaximumExtra;
        if (d.mark != 0)
            d.mark += kMapMarkExtra;
    }
    return d;
}

int sampleRaw(const SensorLimits &sensor)
{
    return sensor.isWarningIfMore && !sensor.custom ? sensor.warningValueMax : sensor.warningValueMin;
}

QString valueText(double raw, bool isFloat)
{
    QString text = isFloat ? QString::number(raw / 100.0, 'f', 2) : QString::number(std::lround(raw));
    text.truncate(isFloat ? kFloatChars : kIntChars);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

QString gearText(int value)
{
    static const char *const kGears[] = {"N", "1", "2", "3", "4", "5", "6", "7", "8", "9", "P", "R", "D"};
    if (value < 0 || value >= int(std::size(kGears)))
        return QString::number(value);
    return QString::fromLatin1(kGears[value]);
}

bool plusShown(int mode, int count)
{
    if (isRowMode(mode))
        return count < kMaxRowCells;
    return isTableMode(mode) && count < kMaxTableCells;
}

bool minusShown(int mode, int count)
{
    if (isRowMode(mode))
        return count > kMinRowCells;
    return isTableMode(mode) && count > kMinTableCells;
}

int countAfterPlus(int mode, int count)
{
    if (isRowMode(mode))
        return std::min(count + 1, kMaxRowCells);
    switch (count) {
    case 6: return 8;
    case 8: return 12;
    case 12: return 15;
    case 15: return 15;
    default: return 12;
    }
}

int countAfterMinus(int mode, int count)
{
    if (isRowMode(mode))
        return std::max(count - 1, kMinRowCells);
    switch (count) {
    case 15: return 12;
    case 12: return 8;
    case 8: return 6;
    case 6: return 6;
    default: return 12;
    }
}

std::optional<TableGrid> tableGrid(int count)
{
    switch (count) {
    case 15: return TableGrid{5, 3, 0.7, true};
    case 12: return TableGrid{4, 3, 0.55, true};
    case 8: return TableGrid{4, 2, 0.6, false};
    case 6: return TableGrid{3, 2, 0.5, false};
    default: return std::nullopt;
    }
}

RpmLampBounds rpmLampBounds(int maximum, int green, int yellow, int red)
{
    RpmLampBounds b;
    b.green = {maximum - kRpmGreenSpan, yellow - kRpmLampGap};
    b.yellow = {green + kRpmLampGap, red - kRpmLampGap};
    b.red = {yellow + kRpmLampGap, maximum - kRpmLampGap};
    return b;
}

} // namespace skin

namespace {
skin::GaugeScale scaleFrom(const QVariantMap &m)
{
    skin::GaugeScale s;
    s.count = m.value(QStringLiteral("count")).toInt();
    s.step = m.value(QStringLiteral("step")).toDouble();
    s.subDivisions = m.value(QStringLiteral("subDivisions")).toInt();
    s.linesCount = m.value(QStringLiteral("linesCount")).toInt();
    s.labelsCount = m.value(QStringLiteral("labelsCount")).toInt();
    s.boost = m.value(QStringLiteral("boost")).toBool();
    return s;
}

skin::SensorLimits limitsOf(const QObject *sensor)
{
    skin::SensorLimits l;
    if (!sensor)
        return l;
    l.warningValueMax = sensor->property("warningValueMax").toInt();
    l.warningValueMin = sensor->property("warningValueMin").toInt();
    l.maxPossibleValue = sensor->property("maxPossibleValue").toInt();
    l.isWarningIfMore = sensor->property("isWarningIfMore").toBool();
    l.isWarningEnable = sensor->property("isWarningEnable").toBool();
    l.custom = sensor->property("custom").toBool();
    l.analogGroup = sensor->property("analogGroup").toInt();
    return l;
}

QVariantMap rangeMap(const skin::Range &r)
{
    return {{QStringLiteral("from"), r.from}, {QStringLiteral("to"), r.to}};
}
} // namespace

QVariantMap SkinGeometry::bottomRow(double width, double scaleX, int count) const
{
    const skin::BottomRow r = skin::bottomRow(width, scaleX, count);
    return {{QStringLiteral("start"), r.start},
            {QStringLiteral("scale"), r.scale},
            {QStringLiteral("step"), r.step},
            {QStringLiteral("cellWidth"), r.cellWidth}};
}

QVariantMap SkinGeometry::gaugeScale(double maximum, bool isFloat, bool isBoost) const
{
    const skin::GaugeScale s = skin::gaugeScale(maximum, isFloat, isBoost);
    return {{QStringLiteral("count"), s.count},
            {QStringLiteral("step"), s.step},
            {QStringLiteral("subDivisions"), s.subDivisions},
            {QStringLiteral("linesCount"), s.linesCount},
            {QStringLiteral("labelsCount"), s.labelsCount},
            {QStringLiteral("boost"), s.boost}};
}

QString SkinGeometry::gaugeLabel(QVariantMap scale, int index) const
{
    return skin::gaugeLabel(scaleFrom(scale), index);
}

double SkinGeometry::gaugeRatio(QVariantMap scale, double displayValue) const
{
    return skin::gaugeRatio(scaleFrom(scale), displayValue);
}

QVariantMap SkinGeometry::circleData(QObject *sensor) const
{
    const skin::CircleData d = skin::circleData(limitsOf(sensor));
    return {{QStringLiteral("maximum"), d.maximum}, {QStringLiteral("mark"), d.mark}};
}

int SkinGeometry::sampleRaw(QObject *sensor) const { return skin::sampleRaw(limitsOf(sensor)); }
QString SkinGeometry::valueText(double raw, bool isFloat) const { return skin::valueText(raw, isFloat); }
QString SkinGeometry::gearText(int value) const { return skin::gearText(value); }
bool SkinGeometry::plusShown(int mode, int count) const { return skin::plusShown(mode, count); }
bool SkinGeometry::minusShown(int mode, int count) const { return skin::minusShown(mode, count); }
int SkinGeometry::countAfterPlus(int mode, int count) const { return skin::countAfterPlus(mode, count); }
int SkinGeometry::countAfterMinus(int mode, int count) const { return skin::countAfterMinus(mode, count); }

QVariantMap SkinGeometry::tableGrid(int count) const
{
    const auto g = skin::tableGrid(count);
    if (!g)
        return {};
    return {{QStringLiteral("columns"), g->columns},
            {QStringLiteral("rows"), g->rows},
            {QStringLiteral("heightRatio"), g->heightRatio},
            {QStringLiteral("fixedHeader"), g->fixedHeader}};
}

QVariantMap SkinGeometry::rpmLampBounds(int maximum, int green, int yellow, int red) const
{
    const skin::RpmLampBounds b = skin::rpmLampBounds(maximum, green, yellow, red);
    return {{QStringLiteral("green"), rangeMap(b.green)},
            {QStringLiteral("yellow"), rangeMap(b.yellow)},
            {QStringLiteral("red"), rangeMap(b.red)}};
}

int SkinGeometry::cellSensor(QObject *dashSettings, int skin, int mode, int cell) const
{
    const auto *settings = qobject_cast<ArdixSettings *>(dashSettings);
    if (!settings)
        return 0;
    const SkinsPos &pos = settings->skinsPos();
    if (skin < 0 || skin >= pos.size() || mode < 0 || mode >= pos[skin].size() || cell < 0
        || cell >= pos[skin][mode].size())
        return 0;
    return pos[skin][mode][cell];
}

QVariantList SkinGeometry::activeSensors(QObject *dashSettings) const
{
    QVariantList ids;
    if (auto *settings = qobject_cast<ArdixSettings *>(dashSettings)) {
        for (uint8_t id : settings->getActiveSensorsList())
            ids.append(int(id));
    }
    return ids;
}
