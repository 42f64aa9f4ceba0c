// The dash settings tree: load and pack of the block, the load rules, change tracking, the slots and
// the apply choice.

#include "settings/ArdixEnums.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/dash/DashApply.h"
#include "settings/dash/DashDefaults.h"
#include "settings/dash/SettingsValueStore.h"
#include "settings/layout/Crc32Words.h"

#include "DashFixture.h"

#include <QSignalSpy>
#include <QtTest>

using namespace fixture;

namespace {

int firstDifference(const QByteArray &a, const QByteArray &b)
{
    for (int i = 0; i < std::min(a.size(), b.size()); ++i)
        if (a[i] != b[i])
            return i;
    return a.size() == b.size() ? -1 : int(std::min(a.size(), b.size()));
}

void raiseAllFlags(ArdixSettings &s)
{
    s.setSkinsPosHasChanges(true);
    s.setSensorsHasChanges(true);
    s.setCustomSensorsHasChanges(true);
    s.setCommonSettingsHasChanges(true);
    s.setCustomAnalogSensorsHasChanges(true);
    s.extra()->setFunctionsHasChanges(true);
}

} // namespace

class TestDashSettings : public QObject
{
    Q_OBJECT

private slots:
    // Load a random block, pack every part: the bytes come back except where the client
    // deliberately writes something else.
    void roundTripOfRandomBlock()
    {
        MemoryStore store;
        for (quint32 seed : {1u, 2u, 3u}) {
            const QByteArray r = randomBlock(seed);
            const DashSettingsImage image(r);
            ArdixSettings dash(nullptr, &store);
            ArdixSettings fresh(nullptr, &store);
            dash.loadFromImage(&image);
            raiseAllFlags(dash);
            const DashApplyResult res = applyDashSettings(dash, image, false, true, QStringLiteral("S1.85"));
            QVERIFY(res.applied);
            QCOMPARE(res.changedMask, uint8_t(0x3F));

            QByteArray e = r;
            for (int list : {kSensors, kCustomSensors}) {
                const auto objects = list == kSensors ? dash.sensors() : dash.customSensors();
                const auto catalogue = list == kSensors ? fresh.sensors() : fresh.customSensors();
                for (int i = 0; i < 32; ++i) {
                    const int rec = list + i * 60;
                    const TheSensorConfig *s = objects[i];
                    e[rec] = char(s->sensorID());
                    const uint16_t config = layout::readLE<uint16_t>(at(r, rec + 2));
                    layout::writeLE<uint16_t>(at(e, rec + 2), uint16_t((config & 0x7E) | (s->enable() ? 1 : 0)));
                    if (config & 0x02)
                        continue;
                    // A standard record's name and range stay the catalogue's (sensor 16 takes its maximum).
                    const TheSensorConfig *c = catalogue[i];
                    QCOMPARE(s->analogGroup(), c->analogGroup());
                    QCOMPARE(s->minPossibleValue(), c->minPossibleValue());
                    e[rec + 1] = char(c->analogGroup());
                    layout::packText(at(e, rec + 4), 24, c->customShortName());
                    layout::writeLE<int16_t>(at(e, rec + 42), c->minPossibleValue());
                    if (s->sensorID() == 16)
                        QCOMPARE(s->maxPossibleValue(), layout::readLE<uint16_t>(at(r, rec + 38)));
                    else
                        layout::writeLE<uint16_t>(at(e, rec + 38), c->maxPossibleValue());
                }
            }
            layout::writeLE<uint32_t>(at(e, kCommon + 976), crc32Words(at(e, kCommon), 976));
            for (int i = 0; i < 32; ++i)
                e[kAnalog + i * 304 + 33] = char(std::max<uchar>(2, uchar(r[kAnalog + i * 304 + 33])));
            for (int i = 0; i < 64 + 32; ++i) { // lamps then actions
                const int rec = kExtra + 44 + i * 4;
                e[rec + 2] = char(r[rec + 2] & 0x03);
                e[rec + 3] = 0;
            }
            for (int i = 0; i < 16; ++i)
                e[kExtra + 428 + i * 8 + 5] = char(r[kExtra + 428 + i * 8 + 5] & ~0x02);
            for (int i = 0; i < 8; ++i)
                e[kExtra + 556 + i * 200 + 5] = 0;
            for (int i = 0; i < 32; ++i)
                e[kExtra + 2156 + i * 36 + 33] = char(r[kExtra + 2156 + i * 36 + 33] & 0xFC);
            for (int i = 0; i < 64; ++i)
                memset(at(e, kExtra + 3308 + i * 20 + 7), 0, 3);
            for (int i = 0; i < 60; ++i) {
                const int rec = kExtra + 4604 + i * 88;
                const int nameLen = int(qstrnlen(r.constData() + rec, 40));
                memset(at(e, rec + nameLen), 0, std::size_t(40 - nameLen));
                memset(at(e, rec + 86), 0, 2);
            }

            const int diff = firstDifference(res.image.bytes(), e);
            QVERIFY2(diff < 0, qPrintable(QStringLiteral("seed %1: first difference at byte %2: got %3, expected %4")
                                              .arg(seed).arg(diff)
                                              .arg(uchar(res.image.bytes().at(diff)))
                                              .arg(uchar(e.at(diff)))));
        }
    }

    // A few fields checked against their documented places, independently of the tables.
    void loadTakesFieldsFromTheirPlaces()
    {
        MemoryStore store;
        const QByteArray r = randomBlock(11);
        const DashSettingsImage image(r);
        ArdixSettings dash(nullptr, &store);
        dash.loadFromImage(&image);
        const ThePreferenceTransport *c = dash.commonSettings();
        QCOMPARE(dash.skinsPos()[2][3][5], uchar(r[2 * 204 + 3 * 34 + 5]));
        QCOMPARE(dash.customSensors()[5]->warningValueMax(), layout::readLE<uint16_t>(at(r, kCustomSensors + 5 * 60 + 34)));
        QCOMPARE(c->can1BaudId(), int8_t(r[kCommon + 1]));
        QCOMPARE(c->skinsSettings()[9][23], uchar(r[kCommon + 4 + 9 * 24 + 23]));
        QCOMPARE(c->wheelCircleLenght(), layout::readLE<uint32_t>(at(r, kCommon + 300)));
        QCOMPARE(c->gearRatios()[23], layout::readLE<uint16_t>(at(r, kCommon + 304 + 46)));
        QCOMPARE(c->fansSettings()[2][4], uchar(r[kCommon + 356 + 14]));
        QCOMPARE(c->userPasswordHash(), r.mid(kCommon + 436, 32));
        QCOMPARE(c->oilPressWarningLevels()[19], layout::readLE<uint16_t>(at(r, kCommon + 592 + 38)));
        QCOMPARE(c->pdmsSerial()[2], layout::readLE<uint16_t>(at(r, kCommon + 756)));
        QCOMPARE(c->logsSettings()->customSensors(), layout::readLE<uint32_t>(at(r, kCommon + 496 + 20)));
        QCOMPARE(c->gpsAccelerationMeasureSettings()->accZCalibrationValue(),
                 layout::readLE<int16_t>(at(r, kCommon + 648 + 36)));
        QCOMPARE(c->gpsAccelerationMeasureSettings()->userDistanceRanges()[2][1],
                 layout::readLE<uint16_t>(at(r, kCommon + 648 + 26)));
        QCOMPARE(c->settingsChecksum(), layout::readLE<uint32_t>(at(r, kCommon + 976)));
        const TheCustomAnalogSensor *a = dash.customAnalogSensors()[31];
        QCOMPARE(a->rangeTolerance(), layout::readLE<uint16_t>(at(r, kAnalog + 31 * 304 + 34)));
        const float last = layout::readLE<float>(at(r, kAnalog + 31 * 304 + 48 + 63 * 4));
        QCOMPARE(memcmp(&a->analogTable()[31][1], &last, 4), 0);
        QCOMPARE(dash.customAnalogSensors()[3]->tableSize(), uint8_t(2));
        QCOMPARE(dash.customAnalogSensors()[4]->tableSize(), uint8_t(2));
        QCOMPARE(dash.extra()->keypads()[1]->keypadSerial(), layout::readLE<uint16_t>(at(r, kExtra + 9884 + 576 + 6)));
    }

    void getSensorName_data()
    {
        QTest::addColumn<int>("id");
        QTest::addColumn<QString>("expected");
        QTest::newRow("99") << 99 << "---";
        QTest::newRow("132") << 132 << "---";
        QTest::newRow("255") << 255 << "---";
        QTest::newRow("custom 100") << 100 << "Мой датчик";
        QTest::newRow("custom 131") << 131 << "last";
    }

    void getSensorName()
    {
        QFETCH(int, id);
        QFETCH(QString, expected);
        MemoryStore store;
        ArdixSettings dash(nullptr, &store);
        dash.customSensors()[0]->setCustomShortName(QStringLiteral("Мой датчик"));
        dash.customSensors()[31]->setCustomShortName(QStringLiteral("last"));
        QCOMPARE(dash.getSensorName(uint8_t(id)), expected);
        QCOMPARE(dash.getSensorName(16), dash.sensors()[16]->sensorName());
    }

    void longCyrillicCustomNameIsCutOnPack()
    {
        MemoryStore store;
        DashSettingsImage image;
        ArdixSettings dash(nullptr, &store);
        dash.loadFromImage(&image);
        dash.customSensors()[0]->setCustomShortName(QString(24, QChar(0x0430)));
        dash.packCustomSensors(image);
        const uchar *rec = image.data() + kCustomSensors;
        QCOMPARE(rec[4 + 22], uchar(0));
        QCOMPARE(layout::loadText(rec + 4, 24), QString(11, QChar(0x0430)));
    }

    void changeFlags()
    {
        MemoryStore store;
        ArdixSettings dash(nullptr, &store);
        QSignalSpy any(&dash, &ArdixSettings::hasChangesUpdated);
        QSignalSpy common(&dash, &ArdixSettings::commonSettingsUpdated);
        QSignalSpy extra(&dash, &ArdixSettings::extraSettingsUpdated);

        dash.setCommonSettingsHasChanges(true);
        QVERIFY(dash.hasChanges());
        QCOMPARE(any.count(), 1);
        dash.setCommonSettingsHasChanges(true); // unchanged: nothing
        QCOMPARE(common.count(), 1);

        // The CAN object's own flag counts as a change of the extra settings and of the dash.
        dash.extra()->customCan()->setHasChanges(true);
        QVERIFY(dash.extra()->customCanHasChanges());
        QVERIFY(dash.extraSettingsHasChanges());
        QCOMPARE(extra.count(), 1);
        QCOMPARE(dash.changeMask(), uint8_t((1 << 3) | (1 << 5)));

        dash.setHasChanges(false);
        QVERIFY(!dash.commonSettingsHasChanges());
        QVERIFY(!dash.extraSettingsHasChanges());
        QVERIFY(!dash.extra()->customCanHasChanges());
        QVERIFY(!dash.extra()->customCan()->hasChanges());
        QCOMPARE(dash.changeMask(), uint8_t(0));
        QCOMPARE(any.count(), 2);

        dash.setSensorHasChanges(100);
        QVERIFY(dash.customSensorsHasChanges() && !dash.sensorsHasChanges());
        dash.setSensorHasChanges(99);
        QVERIFY(dash.sensorsHasChanges());
    }

    void reloadDiscardsEditsAndClearsFlags()
    {
        MemoryStore store;
        ArdixSettings dash(nullptr, &store);
        dash.reloadFromStruct(); // before any load: nothing happens
        const DashSettingsImage image(randomBlock(5));
        dash.loadFromImage(&image);
        const uint16_t before = dash.sensors()[3]->warningValueMax();
        dash.sensors()[3]->setWarningValueMax(uint16_t(before + 1));
        dash.setSensorHasChanges(3);
        TheSensorConfig *const sameObject = dash.sensors()[3];
        dash.reloadFromStruct();
        QCOMPARE(dash.sensors()[3], sameObject);
        QCOMPARE(dash.sensors()[3]->warningValueMax(), before);
        QVERIFY(!dash.hasChanges() && !dash.sensorsHasChanges());
    }

    void currEcuDropsUnsupportedEcuSensors()
    {
        MemoryStore store;
        ArdixSettings dash(nullptr, &store);
        // An ECU-fed sensor, and a protocol that does not deliver it.
        TheSensorConfig *ecuSensor = nullptr;
        for (TheSensorConfig *s : dash.sensors())
            if (s->inputDataSource() == ArdixEnums::InputSourceEcu && !s->ecuProtocolsSupport().isEmpty())
                ecuSensor = s;
        QVERIFY(ecuSensor);
        int unsupported = 1;
        while (ecuSensor->ecuProtocolsSupport().contains(unsupported) || unsupported == dash.currEcuProtocol())
            ++unsupported;
        ecuSensor->setInputSourceIndex(7);
        ecuSensor->setConfig(ecuSensor->config() | 1);

        dash.setCurrEcu(uint8_t(unsupported));
        QCOMPARE(dash.currEcuProtocol(), unsupported);
        QVERIFY(dash.commonSettingsHasChanges());
        QVERIFY(dash.sensorsHasChanges());
        QCOMPARE(ecuSensor->inputDataSource(), uint8_t(0));
        QCOMPARE(ecuSensor->inputSourceIndex(), uint8_t(0));
        QCOMPARE(ecuSensor->config() & 1, 0);

        dash.setHasChanges(false);
        dash.setCurrEcu(uint8_t(unsupported)); // same protocol: nothing
        QVERIFY(!dash.hasChanges());
    }

    void isRuRenamesStandardSensors()
    {
        MemoryStore store;
        ArdixSettings dash(nullptr, &store);
        dash.commonSettings()->setIsRu(1);
        const QString ru = dash.sensors()[16]->sensorName();
        QSignalSpy sensorSpy(dash.sensors()[16], &TheSensorConfig::dataChanged);
        dash.setIsRu(0);
        QCOMPARE(sensorSpy.count(), 1);
        QVERIFY(dash.commonSettingsHasChanges());
        QVERIFY(dash.sensors()[16]->sensorName() != ru);
        dash.setHasChanges(false);
        dash.setIsRu(0);
        QVERIFY(!dash.hasChanges());
    }

    void activeSensorsListsStandardThenCustom()
    {
        MemoryStore store;
        ArdixSettings dash(nullptr, &store);
        dash.customSensors()[2]->setCustomShortName(QStringLiteral("x"));
        const QList<uint8_t> ids = dash.getActiveSensorsList();
        QVERIFY(ids.contains(12)); // battery volts is always there
        QCOMPARE(ids.last(), uint8_t(102));
        QCOMPARE(ids.count(uint8_t(102)), 1);
        for (int i = 1; i < ids.size() - 1; ++i)
            QVERIFY(ids[i - 1] < ids[i]);
    }

    void commonChecksumCoversEveryByte()
    {
        QByteArray common = randomBlock(9).mid(kCommon, 980);
        const uint32_t base = crc32Words(common.constData(), 976);
        for (int i = 0; i < 976; ++i) {
            common[i] = char(common[i] ^ 0x01);
            QVERIFY2(crc32Words(common.constData(), 976) != base, qPrintable(QString::number(i)));
            common[i] = char(common[i] ^ 0x01);
        }
        // And the packer writes exactly that checksum.
        MemoryStore store;
        DashSettingsImage image(randomBlock(9));
        ArdixSettings dash(nullptr, &store);
        dash.loadFromImage(&image);
        dash.commonSettings()->setTripA(123456);
        dash.packCommon(image);
        QCOMPARE(image.commonChecksum(), image.computeCommonChecksum());
        QCOMPARE(dash.commonSettings()->settingsChecksum(), image.commonChecksum());
    }

    // A shorter PDM serial list writes only its own entries; the stored ones beyond it stay.
    void shortPdmSerialListKeepsTheStoredEntriesBeyondIt()
    {
        constexpr int kPdmsSerial = kCommon + 752;
        MemoryStore store;
        QByteArray block = randomBlock(10);
        for (int i = 0; i < 3; ++i)
            layout::writeLE<uint16_t>(at(block, kPdmsSerial + 2 * i), uint16_t(501 + i));
        DashSettingsImage image(block);
        ArdixSettings dash(nullptr, &store);
        dash.loadFromImage(&image);
        dash.commonSettings()->setPdmsSerial({777});
        dash.packCommon(image);
        const QByteArray out = image.bytes();
        QCOMPARE(layout::readLE<uint16_t>(at(out, kPdmsSerial)), uint16_t(777));
        QCOMPARE(layout::readLE<uint16_t>(at(out, kPdmsSerial + 2)), uint16_t(502));
        QCOMPARE(layout::readLE<uint16_t>(at(out, kPdmsSerial + 4)), uint16_t(503));
    }

    void startPointNameLivesInTheStore()
    {
        MemoryStore store;
        ArdixSettings dash(nullptr, &store);
        GpsAccelerationMeasureSettings *gps = dash.commonSettings()->gpsAccelerationMeasureSettings();
        QCOMPARE(gps->startPointName(), QStringLiteral("без имени"));
        QSignalSpy spy(gps, &GpsAccelerationMeasureSettings::dataChanged);
        gps->setStartPointName(QStringLiteral("Смоленское кольцо"));
        QCOMPARE(store.values.at(QStringLiteral("startPointName")).toString(), QStringLiteral("Смоленское кольцо"));
        QCOMPARE(gps->startPointName(), QStringLiteral("Смоленское кольцо"));
        QCOMPARE(spy.count(), 1);
    }

    void factoryDefaultsAtTheirPlaces()
    {
        DashSettingsImage image(QByteArray(kBlock, char(0x77)));
        dashDefaults::writeCommonDefaults(image);
        dashDefaults::writeCustomAnalogDefaults(image);
        const QByteArray b = image.bytes();
        auto u16 = [&](int o) { return layout::readLE<uint16_t>(at(b, kCommon + o)); };
        QCOMPARE(b.mid(kCommon, 4).toHex(), QByteArray("00030401"));
        QCOMPARE(b.mid(kCommon + 4, 16).toHex(), QByteArray("050b0004040c0c060606060606010100"));
        QCOMPARE(b.mid(kCommon + 28, 216), QByteArray(216, '\0')); // skins 1 to 9
        QCOMPARE(b.mid(kCommon + 244, 2).toHex(), QByteArray("325a"));
        QCOMPARE(u16(246), uint16_t(3500));
        QCOMPARE(u16(248), uint16_t(20));
        QCOMPARE(u16(250), uint16_t(2000));
        QCOMPARE(b.mid(kCommon + 252, 4).toHex(), QByteArray("14000364"));
        QCOMPARE(uchar(b[kCommon + 268]), uchar(1));
        QCOMPARE(layout::readLE<uint32_t>(at(b, kCommon + 292)), 1000u);
        QCOMPARE(u16(296), uint16_t(5));
        QCOMPARE(u16(298), uint16_t(3900));
        QCOMPARE(layout::readLE<uint32_t>(at(b, kCommon + 300)), 118375u);
        QCOMPARE(u16(304), uint16_t(3251));
        QCOMPARE(u16(312), uint16_t(753));
        QCOMPARE(u16(350), uint16_t(500));
        QCOMPARE(b.mid(kCommon + 356, 15).toHex(), QByteArray("0103645a0a0102786e0a0000645a0a"));
        QCOMPARE(u16(494), uint16_t(1470));
        QCOMPARE(b.mid(kCommon + 496, 5).toHex(), QByteArray("1e1e03020a"));
        QCOMPARE(b.mid(kCommon + 504, 2).toHex(), QByteArray("1011"));
        QCOMPARE(u16(508), uint16_t(3000));
        QCOMPARE(u16(510), uint16_t(40));
        QCOMPARE(u16(592), uint16_t(80));
        QCOMPARE(u16(592 + 7 * 2), uint16_t(400));
        QCOMPARE(u16(592 + 16 * 2), uint16_t(400));
        QCOMPARE(u16(592 + 17 * 2), uint16_t(0));
        QCOMPARE(u16(648 + 30), uint16_t(2));
        QCOMPARE(uchar(b[kCommon + 975]), uchar(0));
        QCOMPARE(image.commonChecksum(), image.computeCommonChecksum());

        QCOMPARE(layout::loadText(at(b, kAnalog), 32), QStringLiteral("Бак"));
        QCOMPARE(b.mid(kAnalog + 32, 2).toHex(), QByteArray("0302"));
        QCOMPARE(layout::readLE<float>(at(b, kAnalog + 52)), 90.0f);
        QCOMPARE(layout::readLE<float>(at(b, kAnalog + 56)), 100.0f);
        QCOMPARE(layout::readLE<float>(at(b, kAnalog + 60)), 0.0f);
        QCOMPARE(b.mid(kAnalog + 304, 9728 - 304), QByteArray(9728 - 304, '\0'));
        QCOMPARE(uchar(b[kCommon - 1]), uchar(0x77)); // nothing outside the two parts
        QCOMPARE(uchar(b[kAnalog + 9728]), uchar(0x77));
    }

    void applyChoice_data()
    {
        QTest::addColumn<int>("change"); // bit 0 cell, 1 warning level, 2 custom sensor, 3 common, 4 analog, 5 extra
        QTest::addColumn<bool>("isFull");
        QTest::addColumn<bool>("online");
        QTest::addColumn<QString>("firmware");
        QTest::addColumn<bool>("applied");
        QTest::addColumn<int>("dataType"); // -1: nothing sent
        QTest::addColumn<uint>("parameter");
        QTest::addColumn<bool>("message");
        using namespace ArdixEnums;
        QTest::newRow("nothing changed") << 0 << false << true << "S1.85" << false << -1 << 0u << false;
        QTest::newRow("nothing changed, full") << 0 << true << true << "S1.85" << true << int(AllData) << 0u << false;
        QTest::newRow("cells only") << 0x01 << false << true << "S1.85" << true << int(SkinsPosData) << 3u << false;
        QTest::newRow("cell and warning") << 0x03 << false << true << "S1.85" << true << int(AllData) << 0u << false;
        QTest::newRow("warning only") << 0x02 << false << true << "S1.85" << true << int(AllSensorData) << 0u << false;
        QTest::newRow("custom sensor") << 0x04 << false << true << "S1.85" << true << int(AllCustomSensorData) << 0u << false;
        QTest::newRow("common") << 0x08 << false << true << "S1.85" << true << int(CommonSettingsData) << 0u << false;
        QTest::newRow("analog") << 0x10 << false << true << "S1.85" << true << int(CustomAnalogSensorsData) << 0u << false;
        QTest::newRow("extra") << 0x20 << false << true << "S1.85" << true << int(DashExtraSettingsData) << 0u << false;
        QTest::newRow("extra, firmware 0.94") << 0x20 << false << true << "S0.94" << true << -1 << 0u << true;
        QTest::newRow("extra, firmware 0.95") << 0x20 << false << true << "S0.95" << true << int(DashExtraSettingsData) << 0u << false;
        QTest::newRow("extra, version unknown") << 0x20 << false << true << "" << true << int(DashExtraSettingsData) << 0u << false;
        QTest::newRow("extra and common, 0.94") << 0x28 << false << true << "S0.94" << true << int(AllData) << 0u << false;
        QTest::newRow("extra full, 0.94") << 0x20 << true << true << "S0.94" << true << int(AllData) << 0u << false;
        QTest::newRow("offline") << 0x01 << false << false << "S1.85" << true << -1 << 0u << false;
    }

    void applyChoice()
    {
        QFETCH(int, change);
        QFETCH(bool, isFull);
        QFETCH(bool, online);
        QFETCH(QString, firmware);
        QFETCH(bool, applied);
        QFETCH(int, dataType);
        QFETCH(uint, parameter);
        QFETCH(bool, message);

        MemoryStore store;
        const DashSettingsImage image(randomBlock(21));
        ArdixSettings dash(nullptr, &store);
        dash.loadFromImage(&image);
        dash.commonSettings()->setCurrSkin(3);
        if (change & 0x01) {
            QVERIFY(dash.setSkinCell(3, 1, 4, 17));
            dash.setSkinsPosHasChanges(true);
        }
        if (change & 0x02) {
            dash.sensors()[2]->setWarningValueMax(uint16_t(dash.sensors()[2]->warningValueMax() + 1));
            dash.setSensorHasChanges(2);
        }
        if (change & 0x04)
            dash.setSensorHasChanges(101);
        if (change & 0x08)
            dash.setCommonSettingsHasChanges(true);
        if (change & 0x10)
            dash.setCustomAnalogSensorsHasChanges(true);
        if (change & 0x20)
            dash.extra()->setKeypadsHasChanges(true);

        const DashApplyResult r = applyDashSettings(dash, image, isFull, online, firmware);
        QCOMPARE(r.applied, applied);
        QVERIFY(!dash.hasChanges());
        QCOMPARE(r.upload.has_value(), dataType >= 0);
        if (r.upload) {
            QCOMPARE(r.upload->dataType, dataType);
            QCOMPARE(r.upload->parameter, parameter);
        }
        QCOMPARE(r.message.isEmpty(), !message);
        if (message)
            QVERIFY(r.message.startsWith(QStringLiteral("Версия прошивки Ardix устарела")));
        if (!applied)
            QCOMPARE(r.image.bytes(), image.bytes());
        if (change & 0x01)
            QCOMPARE(uchar(r.image.bytes()[3 * 204 + 1 * 34 + 4]), uchar(17));
        // Only the changed parts are rewritten.
        if (change == 0x01) {
            QCOMPARE(r.image.part(DashPart::Sensors), image.part(DashPart::Sensors));
            QCOMPARE(r.image.part(DashPart::Common), image.part(DashPart::Common));
        }
    }

    void firmwareVersionNumber_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("number");
        QTest::newRow("S1.85") << "S1.85" << 1.85;
        QTest::newRow("S0.94") << "S0.94" << 0.94;
        QTest::newRow("short") << "1.85" << 0.0;
        QTest::newRow("garbage") << "Sx.yz" << 0.0;
    }

    void firmwareVersionNumber()
    {
        QFETCH(QString, text);
        QFETCH(double, number);
        QCOMPARE(dashFirmwareVersionNumber(text), number);
    }
};

QTEST_GUILESS_MAIN(TestDashSettings)
#include "tst_dash_settings.moc"
