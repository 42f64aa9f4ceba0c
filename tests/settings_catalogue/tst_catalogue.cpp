#include "settings/ArdixEnums.h"
#include "settings/SensorContext.h"
#include "settings/TheSensorConfig.h"
#include "settings/catalogue/AnalogPresets.h"
#include "settings/catalogue/SensorCatalogue.h"
#include "settings/catalogue/Vocabularies.h"

#include <QMetaProperty>
#include <QRegularExpression>
#include <QtTest>

using namespace ArdixCatalogue;

namespace {

class FakeContext : public SensorContext
{
public:
    bool ru = true;
    int ecu = 0;
    bool isRu() const override { return ru; }
    int currEcuProtocol() const override { return ecu; }
};

// The catalogue as the product documents it, in its own notation, parsed below.
struct CatalogueRow
{
    int id;
    const char *names[4]; // RU full, RU short, EN full, EN short
    const char *icon;
    const char *units;    // units list index or "none"
    int group;
    const char *flags;    // F W M
    const char *range;    // "min..max"
    const char *warnings; // "pre N, max N, min N" or "none"
    const char *source;   // "ECU, 0", "custom analog, 6", "calculated, 17" or "none"
    const char *other;    // P0, FC
    const char *ecu;      // "1 to 9, 11 to 20", "none"
    const char *ldUnits;
    const char *ldName;
    const char *ldShortName;
    quint32 ldChannelId;
};

const CatalogueRow kRows[] = {
        {0, {"-----", "-----", "-----", "-----"}, "", "none", 1, "none", "0..250", "none", "none", "P0",
         "none", "", "", "", 0u},
        {1, {"Давление масла", "Давл. масла", "Oil pressure", "Oil press"}, "oilPressure.svg", "3", 1, "F W", "0..1200", "min 120", "ECU, 0", "",
         "3 4 5 6 7 9 12 14 15 18 19 20", "kPa", "Eng Oil Pres", "OP", 14u},
        {2, {"Температура масла", "Темп. масла", "Oil temperature", "Oil temp"}, "oilTemp.svg", "1", 4, "W M", "-40..250", "max 120", "ECU, 0", "",
         "1 2 3 4 5 6 7 8 9 11 12 14 15 18 19 20", "C", "Eng Oil Temp", "OT", 20101u},
        {3, {"Температура ОЖ", "Темп. ОЖ", "Water Temp", "Water"}, "waterTemp.svg", "1", 4, "W M", "-40..250", "max 100", "ECU, 0", "",
         "1 to 20", "C", "Engine Temp", "ET", 5u},
        {4, {"Давление топлива", "Давл. топл.", "Fuel pressure", "Fuel press"}, "fuelPressure.svg", "3", 1, "F W", "0..1200", "max 285, min 220", "ECU, 0", "",
         "1 3 4 5 6 7 8 9 12 14 15 18 19 20", "kPa", "Fuel Pres", "Fuel Pr", 12u},
        {5, {"Температура топлива", "Темп. топл.", "Fuel temperature", "Fuel temp"}, "fuelTemp.svg", "1", 4, "W M", "-40..250", "max 50", "none", "",
         "5 6 7 11 12 13 14 15 18 19 20", "C", "Fuel Temp", "Fuel Te", 5u},
        {6, {"Температура выхлопных газов", "Т. выхлоп", "EGT", "EGT"}, "EGT.svg", "1", 6, "W M", "0..1250", "max 950", "ECU, 0", "",
         "5 6 7 11 12 14 15 18 19 20", "C", "EGT", "EGT", 5u},
        {7, {"Топл.воздушная смесь", "Т/В смесь", "AFR", "AFR"}, "afRatio.svg", "0", 5, "F M", "0..2400", "max 1370", "ECU, 0", "P0",
         "3 4 5 6 7 8 9 11 12 13 14 15 18 19 20", "LA", "Lambda 1", "Lambda", 6u},
        {8, {"Топл.воздушная смесь 2", "Т/В смесь 2", "AFR 2", "AFR 2"}, "afRatio.svg", "0", 5, "F M", "0..2400", "max 1370", "none", "P0",
         "3 4 5 6 9 15 18", "LA", "Lambda 2", "Lambda", 7u},
        {9, {"Уровень топлива", "Ур. топл.", "Fuel Level", "Fuel lvl"}, "fuelLevel.svg", "4", 10, "W", "0..100", "min 30", "custom analog, 6", "",
         "1 2 15 18", "%", "Fuel Level", "Fuel Le", 6063u},
        {10, {"Температура масла редуктора", "Темп. дифф", "Diff oil temp", "Diff oil"}, "rearDiffOilTemp.svg", "1", 4, "W M", "-40..250", "max 100", "none", "",
         "5 15", "C", "Diff Oil Temp", "Diff Oi", 3080u},
        {11, {"Температура масла трансмиссии", "Темп. транс.", "Transmission oil temperature", "Тrans oil"}, "transmissionOilTemp.svg", "1", 4, "W M", "-40..250", "max 100", "none", "",
         "1 5 9 10 14 15", "C", "Gbox Oil Temp", "Gbox Oi", 3100u},
        {12, {"Напряжение борт сети", "Напр. сети", "Battery voltage", "Battery"}, "batteryVoltage.svg", "5", 0, "F W", "0..1800", "min 1100", "none", "",
         "none", "V", "Bat Volts ADL", "ADL BV", 7012u},
        {13, {"Давление во впускном коллекторе", "Давл. впуск", "Intake manifold air pressure", "Boost"}, "boost.svg", "3", 2, "F W M", "-100..500", "max 110", "ECU, 0", "",
         "1 to 9, 11 to 20", "kPa", "Manifold Pres", "Manifol", 3u},
        {14, {"Давление во впускном коллекторе 2", "Давл. впуск 2", "Intake manifold air pressure 2", "Boost 2"}, "boost.svg", "3", 2, "F W M", "-100..500", "max 110", "none", "",
         "5", "kPa", "Manifold Pres 2", "Manifol", 3u},
        {15, {"Температура воздуха на впуске", "Темп. впуск", "Intake air temperature", "Intake air"}, "intakeAirTemp.svg", "1", 8, "M", "-40..150", "max 50", "ECU, 0", "",
         "1 to 9, 11 to 20", "C", "Air Temp Inlet", "Air Tem", 4u},
        {16, {"Обороты двигателя", "Обороты", "Engine RPM", "RPM"}, "speed_rpm.svg", "6", 0, "W M", "0..7000", "pre 6000, max 6800, min 6500", "ECU, 0", "FC",
         "1, 3 to 20", "rpm", "Engine RPM", "Engine", 1u},
        {17, {"Скорость", "Скорость", "Speed", "Speed"}, "speed_rpm.svg", "7", 0, "M", "0..500", "max 200", "ECU, 1", "FC",
         "1 to 20", "km/h", "Ground Speed", "Ground", 121u},
        {18, {"Дроссель", "Дроссель", "Throttle", "Throttle"}, "throttlePedal.svg", "4", 10, "none", "0..100", "min 0", "ECU, 0", "",
         "1 to 20", "%", "Throttle Pos", "TP", 2u},
        {19, {"Передача", "Передача", "Gear", "Gear"}, "gearbox.svg", "0", 10, "none", "-1..24", "min 0", "calculated, 17", "P0",
         "1 3 4 5 6 7 9 10 12 13 14 15 17 18 19 20", "", "Gear", "Gear", 124u},
        {20, {"Скорость GPS", "Скорость GPS", "Speed GPS", "Speed GPS"}, "settings/gps.svg", "0", 0, "M", "0..500", "max 200", "none", "",
         "none", "km/h", "Speed GPS", "Speed GPS", 121u},
        {21, {"4WD индикатор", "4WD", "4WD indication", "4WD"}, "awd_black.svg", "0", 0, "M", "0..65535", "max 0", "none", "P0",
         "none", "", "", "", 0u},
        {22, {"Температура выхлопных газов 2", "Т. выхлоп 2", "EGT 2", "EGT 2"}, "EGT.svg", "1", 6, "W M", "0..1250", "max 950", "ECU, 0", "",
         "5 6 18", "C", "EGT2", "EGT2", 5u},
        {23, {"Акселерометр ускорение", "Ускорение", "G Sensor X", "G Sensor X"}, "axis.svg", "8", 0, "F M", "-800..800", "max 0", "none", "P0",
         "none", "G", "G Force Lat", "G Lat", 15u},
        {24, {"Акселерометр боковая перегрузка", "Б. перегрузка", "G Sensor Y", "G Sensor Y"}, "axis.svg", "8", 0, "F M", "-800..800", "max 0", "none", "P0",
         "none", "G", "G Force Lon", "G Lon", 16u},
        {25, {"G Sensor Z", "G Sensor Z", "G Sensor Z", "G Sensor Z"}, "axis.svg", "8", 0, "F M", "-800..800", "max 0", "none", "P0",
         "none", "G", "G Force Vert", "G Vert", 28u},
};

QList<int> parseEcu(const QString &text)
{
    QList<int> out;
    if (text == QLatin1String("none"))
        return out;
    for (const QString &part : text.split(QLatin1Char(','))) {
        const QStringList t = part.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (int i = 0; i < t.size(); ++i) {
            if (i + 2 < t.size() && t[i + 1] == QLatin1String("to")) {
                for (int v = t[i].toInt(); v <= t[i + 2].toInt(); ++v)
                    out << v;
                i += 2;
            } else {
                out << t[i].toInt();
            }
        }
    }
    return out;
}

int warningValue(const QString &warnings, const char *kind)
{
    const QRegularExpression re(QStringLiteral("%1 (\\d+)").arg(QLatin1String(kind)));
    const auto m = re.match(warnings);
    return m.hasMatch() ? m.captured(1).toInt() : 0;
}

const QStringList kUnitsRu = {"", "C", " кПа", " Бар", "%", "В", "", "км/ч", "G"};
const QStringList kUnitsEn = {"", "C", " kPa", " Bar", "%", "V", "", "km.h", "G"};

} // namespace

class TstCatalogue : public QObject
{
    Q_OBJECT
private slots:
    void standardSensors_data();
    void standardSensors();
    void sensorPropertiesInOrder();
    void getSensorRanges_data();
    void getSensorRanges();
    void circuitSensors();
    void languageSwitch();
    void enable_data();
    void enable();
    void configBitViews();
    void analogGroupOutOfRange();
    void setupCustomSens_data();
    void setupCustomSens();
    void setupCustomSensClampsAndResets();
    void presetLists();
    void vocabularies();
    void lampsInfo();
    void ecuLists();
};

void TstCatalogue::standardSensors_data()
{
    QTest::addColumn<int>("id");
    for (int id = 0; id < SensorsListLength; ++id)
        QTest::addRow("%d", id) << id;
}

void TstCatalogue::standardSensors()
{
    QFETCH(int, id);
    QObject owner;
    const QList<TheSensorConfig *> sensors = createStandardSensors(nullptr, &owner);
    QCOMPARE(sensors.size(), SensorsListLength);
    const TheSensorConfig &s = *sensors.at(id);
    QCOMPARE(s.parent(), &owner);

    if (id >= StandardSensorCount) { // blank trailing entries, as the constructor leaves them
        QCOMPARE(int(s.sensorID()), 0);
        QVERIFY(s.sensorName().isEmpty() && s.shortSensorName().isEmpty() && s.sensorNameEn().isEmpty());
        QCOMPARE(int(s.config()), 0);
        QCOMPARE(int(s.maxPossibleValue()), 0);
        QVERIFY(s.icon().isEmpty() && s.units().isEmpty() && s.ecuProtocolsSupport().isEmpty());
        QVERIFY(s.isWarningPermit());
        QVERIFY(!s.frequencyCaptureSupport());
        QVERIFY(!standardSensorInfo(id));
        return;
    }

    const CatalogueRow &r = kRows[id];
    QCOMPARE(r.id, id);
    QCOMPARE(s.property("sensorID").toInt(), id);
    QCOMPARE(s.sensorNameRu(), QString::fromUtf8(r.names[0]));
    QCOMPARE(s.shortNameRu(), QString::fromUtf8(r.names[1]));
    QCOMPARE(s.sensorNameEn(), QString::fromUtf8(r.names[2]));
    QCOMPARE(s.shortNameEn(), QString::fromUtf8(r.names[3]));
    QCOMPARE(s.property("sensorName").toString(), QString::fromUtf8(r.names[0])); // null context: Russian

    const QString icon = QString::fromUtf8(r.icon);
    QCOMPARE(s.property("icon").toString(), icon.isEmpty() ? QString() : "qrc:/ARDIX/images/icons/" + icon);
    const QString units = QString::fromLatin1(r.units);
    QCOMPARE(s.property("units").toString(), units == "none" ? QString() : kUnitsRu.at(units.toInt()));
    QCOMPARE(s.property("analogGroup").toInt(), r.group);

    const QString flags = QString::fromLatin1(r.flags);
    QCOMPARE(s.property("isFloat").toBool(), flags.contains('F'));
    QCOMPARE(s.property("isWarningEnable").toBool(), flags.contains('W'));
    QCOMPARE(s.property("isWarningIfMore").toBool(), flags.contains('M'));
    QVERIFY(!s.isUseShiftLight() && !s.isFullscreenWarningEnabled() && !s.custom());
    QCOMPARE(s.config() & 0x1, 0);

    const QStringList range = QString::fromLatin1(r.range).split("..");
    QCOMPARE(int(s.minPossibleValue()), range[0].toInt());
    QCOMPARE(int(s.maxPossibleValue()), range[1].toInt());
    const QString warnings = QString::fromLatin1(r.warnings);
    QCOMPARE(int(s.preWarningValue()), warningValue(warnings, "pre"));
    QCOMPARE(int(s.warningValueMax()), warningValue(warnings, "max"));
    QCOMPARE(int(s.warningValueMin()), warningValue(warnings, "min"));

    const QString source = QString::fromLatin1(r.source);
    int expectedSource = ArdixEnums::InputSourceNo;
    int expectedIndex = 0;
    if (source != "none") {
        const QStringList p = source.split(", ");
        expectedSource = p[0] == "ECU" ? ArdixEnums::InputSourceEcu
            : p[0] == "custom analog" ? ArdixEnums::InputSourceCustomAnalog
                                      : ArdixEnums::InputSourceCalculated;
        QVERIFY(p[0] == "ECU" || p[0] == "custom analog" || p[0] == "calculated");
        expectedIndex = p[1].toInt();
    }
    QCOMPARE(int(s.inputDataSource()), expectedSource);
    QCOMPARE(int(s.inputSourceIndex()), expectedIndex);
    QCOMPARE(int(s.analogTableID()), 0);

    const QString other = QString::fromLatin1(r.other);
    QCOMPARE(s.isWarningPermit(), !other.contains("P0"));
    QCOMPARE(s.frequencyCaptureSupport(), other.contains("FC"));
    QCOMPARE(s.ecuProtocolsSupport(), parseEcu(QString::fromLatin1(r.ecu)));

    QCOMPARE(s.ldUnits(), QString::fromLatin1(r.ldUnits));
    QCOMPARE(s.ldName(), QString::fromLatin1(r.ldName));
    QCOMPARE(s.ldShortName(), QString::fromLatin1(r.ldShortName));
    QCOMPARE(s.ldChannelId(), r.ldChannelId);

    // The plain rows the exporters read say the same.
    const SensorInfo *info = standardSensorInfo(id);
    QVERIFY(info);
    QCOMPARE(QString::fromLatin1(info->ldName), s.ldName());
    QCOMPARE(info->ldChannelId, s.ldChannelId());
    QCOMPARE(info->name(false), s.sensorNameEn());
    const SensorSnapshot snap = snapshotOf(s);
    QCOMPARE(snap.id, id);
    QCOMPARE(snap.name, s.sensorNameRu());
    QCOMPARE(snap.ldShortName, s.ldShortName());
    QCOMPARE(snap.isFloat, s.isFloat());
}

void TstCatalogue::sensorPropertiesInOrder()
{
    struct P { const char *name; const char *type; bool writable; bool notify; };
    const P expected[] = {
        {"sensorID", "uchar", true, true}, {"analogGroup", "uchar", true, true},
        {"config", "ushort", true, true}, {"customShortName", "QString", true, true},
        {"analogTableID", "uchar", true, true}, {"inputDataSource", "uchar", true, true},
        {"inputSourceIndex", "uchar", true, true}, {"unitsID", "uchar", true, true},
        {"preWarningValue", "ushort", true, true}, {"warningValueMax", "ushort", true, true},
        {"warningValueMin", "ushort", true, true}, {"maxPossibleValue", "ushort", true, true},
        {"sensorNoWarningTime", "uchar", true, true}, {"sensorAutoWarningOffDelay", "uchar", true, true},
        {"minPossibleValue", "short", true, true}, {"enable", "bool", false, true},
        {"custom", "bool", false, true}, {"isFloat", "bool", true, true},
        {"isWarningEnable", "bool", true, true}, {"isWarningIfMore", "bool", true, true},
        {"isUseShiftLight", "bool", true, true}, {"isFullscreenWarningEnabled", "bool", true, true},
        {"frequencyCaptureSupport", "bool", true, true}, {"ecuProtocolsSupport", "QList<int>", true, true},
        {"isWarningPermit", "bool", true, true}, {"minValue", "int", true, false},
        {"maxValue", "int", true, false}, {"units", "QString", true, true},
        {"icon", "QString", false, false}, {"sensorName", "QString", false, true},
        {"shortSensorName", "QString", false, true}, {"dataSourceName", "QString", false, true},
        {"analogGroupListNames", "QStringList", false, false},
    };
    const QMetaObject &mo = TheSensorConfig::staticMetaObject;
    QCOMPARE(mo.propertyCount() - mo.propertyOffset(), int(std::size(expected)));
    for (int i = 0; i < int(std::size(expected)); ++i) {
        const QMetaProperty p = mo.property(mo.propertyOffset() + i);
        QCOMPARE(p.name(), expected[i].name);
        QCOMPARE(p.metaType().name(), expected[i].type);
        QVERIFY2(p.isWritable() == expected[i].writable, p.name());
        QVERIFY2(p.hasNotifySignal() == expected[i].notify, p.name());
        if (p.hasNotifySignal())
            QCOMPARE(p.notifySignal().name(), QByteArray("dataChanged"));
    }
    QVERIFY(mo.indexOfSlot("setupCustomSens()") >= 0);
}

void TstCatalogue::getSensorRanges_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<int>("list"); // 0 none, 1 sensors, 2 customSensors, 3 circuit_sensors
    QTest::addColumn<int>("index");
    const struct { int id, list, index; } rows[] = {
        {0, 1, 0}, {25, 1, 25}, {26, 1, 26}, {31, 1, 31}, {32, 0, 0}, {99, 0, 0},
        {100, 2, 0}, {131, 2, 31}, {132, 0, 0}, {163, 0, 0}, // beyond the 32 custom entries
        {164, 3, 0}, {168, 3, 4}, {169, 0, 0}, {179, 0, 0}, {180, 0, 0}, {200, 0, 0}, {255, 0, 0},
    };
    for (const auto &r : rows)
        QTest::addRow("%d", r.id) << r.id << r.list << r.index;
}

void TstCatalogue::getSensorRanges()
{
    QFETCH(int, id);
    QFETCH(int, list);
    QFETCH(int, index);
    QObject owner;
    const auto sensors = createStandardSensors(nullptr, &owner);
    const auto custom = createCustomSensors(nullptr, &owner);
    const auto circuit = createCircuitSensors(nullptr, &owner);
    const QList<TheSensorConfig *> *lists[] = {nullptr, &sensors, &custom, &circuit};
    TheSensorConfig *expected = list ? lists[list]->at(index) : nullptr;
    QCOMPARE(getSensor(id, sensors, custom, circuit), expected);
    if (id >= 26 && id <= 31)
        QVERIFY(expected->sensorName().isEmpty());
    if (list == 2) {
        QCOMPARE(int(expected->sensorID()), id);
        QVERIFY(expected->custom());
        QCOMPARE(expected->icon(), QStringLiteral("qrc:/ARDIX/images/icons/settings/custom.svg"));
    }
}

void TstCatalogue::circuitSensors()
{
    const struct { int id; const char *ru, *ruShort, *en, *enShort; bool isFloat; } rows[] = {
        {164, "Последний круг", "Посл. круг", "Last lap", "Last lap", true},
        {165, "Лучший круг", "Лучш. круг", "Best lap", "Best lap", true},
        {166, "Текущий круг", "Тек. круг", "Current lap", "Current lap", true},
        {167, "Номер круга", "№ Круга", "Laps count", "Lap", false},
        {168, "Дельта с лучшим кругом", "Дельта", "Gain/Loss", "Gain/Loss", true},
    };
    FakeContext ctx;
    QObject owner;
    const auto circuit = createCircuitSensors(&ctx, &owner);
    QCOMPARE(circuit.size(), 5);
    for (int i = 0; i < 5; ++i) {
        const TheSensorConfig &s = *circuit[i];
        QCOMPARE(int(s.sensorID()), rows[i].id);
        QCOMPARE(s.sensorNameRu(), QString::fromUtf8(rows[i].ru));
        QCOMPARE(s.shortNameRu(), QString::fromUtf8(rows[i].ruShort));
        QCOMPARE(s.sensorNameEn(), QString::fromUtf8(rows[i].en));
        QCOMPARE(s.shortNameEn(), QString::fromUtf8(rows[i].enShort));
        QCOMPARE(s.isFloat(), rows[i].isFloat);
        QCOMPARE(s.icon(), QStringLiteral("qrc:/ARDIX/images/icons/timer.svg"));
        QVERIFY(!s.isWarningPermit());
        QVERIFY(s.units().isEmpty() && s.ecuProtocolsSupport().isEmpty());
        QVERIFY(s.enable());
    }
}

void TstCatalogue::languageSwitch()
{
    FakeContext ctx;
    ctx.ru = false;
    QObject owner;
    const auto sensors = createStandardSensors(&ctx, &owner);
    TheSensorConfig &oil = *sensors[ArdixEnums::OilPressure_index];
    QCOMPARE(oil.sensorName(), QStringLiteral("Oil pressure"));
    QCOMPARE(oil.shortSensorName(), QStringLiteral("Oil press"));
    QCOMPARE(oil.units(), QStringLiteral(" Bar"));
    QCOMPARE(sensors[11]->shortSensorName(), QStringLiteral("Тrans oil")); // Cyrillic first letter
    QVERIFY(sensors[11]->shortSensorName().at(0).unicode() == 0x0422);

    ctx.ru = true;
    QCOMPARE(oil.sensorName(), QStringLiteral("Давление масла"));
    QCOMPARE(oil.shortSensorName(), QStringLiteral("Давл. масла"));
    QCOMPARE(oil.units(), QStringLiteral(" Bar")); // units keep the language they were built in

    // A custom sensor shows the user's name in either language.
    const auto custom = createCustomSensors(&ctx, &owner);
    custom[3]->setCustomShortName(QStringLiteral("Nitrous"));
    QCOMPARE(custom[3]->sensorName(), QStringLiteral("Nitrous"));
    ctx.ru = false;
    QCOMPARE(custom[3]->shortSensorName(), QStringLiteral("Nitrous"));

    const auto ruSensors = createStandardSensors(nullptr, &owner);
    QCOMPARE(ruSensors[ArdixEnums::Speed_index]->units(), QStringLiteral("км/ч"));
}

void TstCatalogue::enable_data()
{
    QTest::addColumn<int>("id");
    QTest::addColumn<bool>("custom");
    QTest::addColumn<int>("source");
    QTest::addColumn<QString>("customName");
    QTest::addColumn<int>("ecu");
    QTest::addColumn<bool>("enabled");
    using namespace ArdixEnums;
    QTest::newRow("oil pressure, ECU protocol 1 unsupported") << 1 << false << int(InputSourceEcu) << "" << 1 << false;
    QTest::newRow("oil pressure, ECU protocol 3 supported") << 1 << false << int(InputSourceEcu) << "" << 3 << true;
    QTest::newRow("ECU source, no protocol chosen") << 3 << false << int(InputSourceEcu) << "" << 0 << false;
    QTest::newRow("analog input") << 1 << false << int(InputSourceAnalog) << "" << 0 << true;
    QTest::newRow("no source") << 5 << false << int(InputSourceNo) << "" << 3 << false;
    QTest::newRow("battery without source") << 12 << false << int(InputSourceNo) << "" << 0 << true;
    QTest::newRow("gear without source") << 19 << false << int(InputSourceNo) << "" << 0 << true;
    QTest::newRow("4WD without source") << 21 << false << int(InputSourceNo) << "" << 0 << true;
    QTest::newRow("custom, named") << 100 << true << int(InputSourceNo) << "Oil 2" << 0 << true;
    QTest::newRow("custom, with source") << 101 << true << int(InputSourceAnalog) << "" << 0 << true;
    QTest::newRow("custom, unnamed, no source") << 102 << true << int(InputSourceNo) << "" << 0 << false;
    QTest::newRow("custom with ECU source ignores the protocol") << 103 << true << int(InputSourceEcu) << "" << 0 << true;
    QTest::newRow("lap sensor") << 166 << false << int(InputSourceNo) << "" << 0 << true;
    QTest::newRow("upper derived id") << 179 << false << int(InputSourceNo) << "" << 0 << true;
}

void TstCatalogue::enable()
{
    QFETCH(int, id);
    QFETCH(bool, custom);
    QFETCH(int, source);
    QFETCH(QString, customName);
    QFETCH(int, ecu);
    QFETCH(bool, enabled);
    FakeContext ctx;
    ctx.ecu = ecu;
    TheSensorConfig s(&ctx);
    if (const SensorInfo *info = standardSensorInfo(id))
        applySensorInfo(s, *info, true);
    s.setSensorID(uint8_t(id));
    s.setCustom(custom);
    s.setInputDataSource(uint8_t(source));
    s.setCustomShortName(customName);
    QCOMPARE(s.property("enable").toBool(), enabled);
}

void TstCatalogue::configBitViews()
{
    TheSensorConfig s;
    QVERIFY(s.isWarningPermit());
    QSignalSpy spy(&s, &TheSensorConfig::dataChanged);
    const struct { const char *prop; uint16_t mask; } bits[] = {
        {"isFloat", 0x04}, {"isWarningEnable", 0x08}, {"isWarningIfMore", 0x10},
        {"isUseShiftLight", 0x20}, {"isFullscreenWarningEnabled", 0x40},
    };
    for (const auto &b : bits) {
        spy.clear();
        QVERIFY(s.setProperty(b.prop, true));
        QCOMPARE(s.config() & 0x7F, int(b.mask));
        QVERIFY(s.setProperty(b.prop, true)); // unchanged: no signal
        QCOMPARE(spy.count(), 1);
        QVERIFY(s.setProperty(b.prop, false));
        QCOMPARE(int(s.config()), 0);
        QCOMPARE(spy.count(), 2);
    }
    s.setConfig(0x02);
    QVERIFY(s.custom());
    QVERIFY(!s.setProperty("custom", false)); // read-only for the interface
}

void TstCatalogue::analogGroupOutOfRange()
{
    TheSensorConfig s;
    s.setAnalogGroup(ArdixEnums::Egt_analog);
    QCOMPARE(s.analogGroupListNames().size(), 3);
    QSignalSpy spy(&s, &TheSensorConfig::dataChanged);
    s.setAnalogGroup(12);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(s.property("analogGroupListNames").toStringList(), QStringList());
    QCOMPARE(int(s.analogGroup()), 0);
    QTRY_COMPARE_WITH_TIMEOUT(spy.count(), 2, 1000); // the reset is announced afterwards
    s.setAnalogGroup(255);
    QVERIFY(s.analogGroupListNames().isEmpty());
    QCOMPARE(int(s.analogGroup()), 0);
}

void TstCatalogue::setupCustomSens_data()
{
    QTest::addColumn<int>("group");
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<bool>("isFloat");
    QTest::newRow("0 none") << 0 << -32000 << 32000 << false;
    QTest::newRow("1 pressure") << 1 << 0 << 1200 << true;
    QTest::newRow("2 map") << 2 << -100 << 500 << true;
    QTest::newRow("3 liquid 5V") << 3 << -40 << 250 << false;
    QTest::newRow("4 liquid thermistor") << 4 << -40 << 250 << false;
    QTest::newRow("5 wideband") << 5 << 0 << 2400 << true;
    QTest::newRow("6 egt") << 6 << 0 << 1250 << false;
    QTest::newRow("7 air 5V") << 7 << -40 << 150 << false;
    QTest::newRow("8 air thermistor") << 8 << -40 << 150 << false;
    QTest::newRow("9 level 5V") << 9 << -100 << 100 << false;
    QTest::newRow("10 level varistor") << 10 << -100 << 100 << false;
    QTest::newRow("11 high pressure") << 11 << -32000 << 32000 << true;
    QTest::newRow("12 out of range") << 12 << -32000 << 32000 << false;
}

void TstCatalogue::setupCustomSens()
{
    QFETCH(int, group);
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(bool, isFloat);
    TheSensorConfig s;
    initCustomSensor(s, 0);
    s.setCustomShortName(QStringLiteral("X"));
    s.setIsFloat(!isFloat);
    s.setAnalogGroup(uint8_t(group));
    s.setWarningValueMax(65535);
    QVERIFY(QMetaObject::invokeMethod(&s, "setupCustomSens"));
    QCOMPARE(int(s.minPossibleValue()), min);
    QCOMPARE(int(s.maxPossibleValue()), max);
    QCOMPARE(s.isFloat(), isFloat);
    QCOMPARE(int(s.warningValueMax()), max);
    QVERIFY(s.custom());
}

void TstCatalogue::setupCustomSensClampsAndResets()
{
    using namespace ArdixEnums;
    TheSensorConfig named;
    initCustomSensor(named, 1);
    named.setCustomShortName(QStringLiteral("Oil 2"));
    named.setAnalogGroup(Liquid_pressure_analog);
    named.setInputDataSource(InputSourceAnalog);
    named.setInputSourceIndex(3);
    named.setWarningValueMax(500);
    named.setWarningValueMin(20);
    named.setupCustomSens();
    QCOMPARE(int(named.warningValueMax()), 500); // inside the range: kept
    QCOMPARE(int(named.warningValueMin()), 20);
    QCOMPARE(int(named.inputDataSource()), int(InputSourceAnalog));
    QCOMPARE(int(named.inputSourceIndex()), 3);

    TheSensorConfig lowered;
    initCustomSensor(lowered, 2);
    lowered.setCustomShortName(QStringLiteral("Level"));
    lowered.setAnalogGroup(Egt_analog); // 0..1250
    lowered.setWarningValueMax(2000);
    lowered.setWarningValueMin(0);
    lowered.setupCustomSens();
    QCOMPARE(int(lowered.warningValueMax()), 1250);
    QCOMPARE(int(lowered.warningValueMin()), 0);

    TheSensorConfig unnamed;
    initCustomSensor(unnamed, 4);
    unnamed.setConfig(unnamed.config() | 0x01);
    unnamed.setAnalogTableID(2);
    unnamed.setInputDataSource(InputSourceAnalog);
    unnamed.setInputSourceIndex(4);
    unnamed.setupCustomSens();
    QCOMPARE(unnamed.config() & 0x01, 0);
    QCOMPARE(int(unnamed.analogTableID()), 0);
    QCOMPARE(int(unnamed.inputDataSource()), 0);
    QCOMPARE(int(unnamed.inputSourceIndex()), 0);
    QVERIFY(unnamed.custom());
}

void TstCatalogue::presetLists()
{
    const QList<int> sizes = {0, 16, 14, 0, 7, 4, 3, 0, 1, 1, 1, 3};
    const QList<QStringList> lists = analogPresetLists();
    QCOMPARE(lists.size(), AnalogGroupCount);
    for (int g = 0; g < AnalogGroupCount; ++g)
        QCOMPARE(lists[g].size(), sizes[g]);
    QCOMPARE(analogPresetListsVariant().size(), AnalogGroupCount);
    QVERIFY(analogPresetNames(12).isEmpty() && analogPresetNames(-1).isEmpty());

    // Spacing and spelling exactly as the device's menu has them.
    QCOMPARE(lists[1][0], QStringLiteral("AEM 30-2131-15G - 15  PSIg Brass Sensor 0-5 вольт"));
    QCOMPARE(lists[1][15], QStringLiteral("0-10 Бар 4.5в - 0.5в Defi"));
    QCOMPARE(lists[2][1], QStringLiteral("AEM 30-2131-50 - 50 PSIa or 3.5 Bar Brass Senso 0-5 вольт"));
    QCOMPARE(lists[2][6], QStringLiteral("AEM 30-2130-75 - 75 PSIa or 5 Bar Stainless Sensor Sensor 0-5 вольт"));
    QCOMPARE(lists[2][7], QStringLiteral("-1 до 2 бар 0.05-5 вольт"));
    QCOMPARE(lists[4][1], QStringLiteral("TK_CGQ06 (Made in China) +/- 10 ºC"));
    QCOMPARE(lists[5][3], QStringLiteral("Innovate LC-1 Wideband (Gasoline) 0V - 7.35, 5V - 22.35"));
    QCOMPARE(lists[9][0], QStringLiteral("SAMSONAS секвентальная кпп, 5 передач(5В подключение)"));
    QCOMPARE(lists[11], lists[1].mid(5, 3));

    TheSensorConfig s;
    s.setAnalogGroup(ArdixEnums::Wideband_analog);
    QCOMPARE(s.analogGroupListNames(), lists[5]);
}

void TstCatalogue::vocabularies()
{
    QCOMPARE(unitsList(true), kUnitsRu);
    QCOMPARE(unitsList(false), kUnitsEn);

    const QStringList groups = analogGroupsNames();
    QCOMPARE(groups.size(), 12);
    QCOMPARE(groups.first(), QStringLiteral("нет(или другое..)"));
    QCOMPARE(groups.last(), QStringLiteral("Высокое давление 5В"));

    const QStringList sources = inputSourceTitles();
    QCOMPARE(sources.size(), 11);
    QCOMPARE(sources[0], QStringLiteral("нет(или другое)"));
    QCOMPARE(sources[7], QStringLiteral("(расчет из скорости и оборотов)"));
    QCOMPARE(sources[9], QStringLiteral("EGT -> CAN модуль"));
    TheSensorConfig s;
    s.setInputDataSource(ArdixEnums::InputSourceCustomAnalog);
    QCOMPARE(s.dataSourceName(), QStringLiteral("Аналоговый вход"));
    s.setInputDataSource(ArdixEnums::InputSourceDigital_IO_Expander);
    QCOMPARE(s.dataSourceName(), QString());
}

void TstCatalogue::lampsInfo()
{
    const QVariantList lamps = ArdixCatalogue::lampsInfo();
    QCOMPARE(lamps.size(), 43);
    QList<int> indexes;
    for (const QVariant &v : lamps) {
        const QVariantMap m = v.toMap();
        QCOMPARE(m.keys(), (QStringList{"icon", "lampIndex", "lampName"}));
        indexes << m.value("lampIndex").toInt();
    }
    QVERIFY(!indexes.contains(ArdixEnums::Lamp_Nitro));
    QCOMPARE(indexes.mid(6, 4), (QList<int>{7, 8, 10, 9})); // 4WD before rear lock
    QCOMPARE(indexes.last(), int(ArdixEnums::Lamp_Gear_8));

    auto lamp = [&](int index) { return lamps.at(indexes.indexOf(index)).toMap(); };
    QCOMPARE(lamp(1).value("icon").toString(), QStringLiteral("qrc:/ARDIX/images/icons/abs.svg"));
    QCOMPARE(lamp(2).value("icon").toString(), QStringLiteral("qrc:/ARDIX/images/skins/dash_nuvo/main/povorotnik_l.svg"));
    QCOMPARE(lamp(17).value("lampName").toString(), QStringLiteral("DCCD Lock"));
    QCOMPARE(lamp(17).value("icon").toString(), QStringLiteral("qrc:/ARDIX/images/skins/dash_nuvo/DCCD/DCCD_V0_MODE0_6.svg"));
    QCOMPARE(lamp(25).value("lampName").toString(), QStringLiteral("User 1 (без иконки)"));
    QCOMPARE(lamp(31).value("lampName").toString(), QStringLiteral("User 7 (без иконки)"));
    QVERIFY(lamp(31).value("icon").toString().isEmpty());
    QCOMPARE(lamp(36).value("lampName").toString(), QStringLiteral("Передача: Ручной режим"));
    QCOMPARE(lamp(44).value("lampName").toString(), QStringLiteral("Передача: 8"));
}

void TstCatalogue::ecuLists()
{
    const QVariantList all = ecuListArdix();
    QCOMPARE(all.size(), 22);
    for (int i = 0; i < all.size(); ++i)
        QCOMPARE(all[i].toMap().value("idd").toInt(), i);
    QCOMPARE(all[1].toMap().value("name").toString(), QStringLiteral("CAN OBD-II (500 kBit/s)"));
    QCOMPARE(all[12].toMap().value("name").toString(), QStringLiteral("Абит"));
    QCOMPARE(all[21].toMap().value("name").toString(), QStringLiteral("GEMS CAN"));

    QList<int> pdm;
    for (const QVariant &v : ecuListPdm()) {
        QVERIFY(v.toMap().value("is4PDM").toBool());
        pdm << v.toMap().value("idd").toInt();
    }
    QCOMPARE(pdm, (QList<int>{0, 3, 4, 5, 6, 9, 12, 13, 15, 18, 19}));
    QCOMPARE(ecuListPdm()[1].toMap().value("name").toString(), QStringLiteral("Link G4 Can GenericDash"));
}

QTEST_GUILESS_MAIN(TstCatalogue)
#include "tst_catalogue.moc"
