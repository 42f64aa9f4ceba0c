// The PDM settings tree: load and pack of the 40,960-byte block, the apply step, the change flags,
// the child-function list operations and the counter / global-function bookkeeping.
#include "settings/ArdixEnums.h"
#include "settings/layout/FieldCodec.h"
#include "settings/layout/LittleEndian.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmBlockView.h"
#include "settings/pdm/PdmKeypadConfig.h"
#include "settings/pdm/PdmSettings.h"
#include "settings/pdm/PdmTables.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTest>

#include <cstring>

using namespace PdmLayout;

namespace {

unsigned char *bytes(QByteArray &b) { return reinterpret_cast<unsigned char *>(b.data()); }
const unsigned char *bytes(const QByteArray &b) { return reinterpret_cast<const unsigned char *>(b.constData()); }

// Random content wherever the client writes back what it read: names are valid UTF-8 padded with
// zeros, and bytes the client always writes as zero are zero. Functions are in use and are not
// counters (the apply step renumbers counters).
QByteArray canonicalRandomBlock(quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray b(qsizetype(BlockSize), '\0');
    for (auto &c : b)
        c = char(rng.bounded(256));
    unsigned char *u = bytes(b);
    auto name = [&](std::size_t offset, std::size_t size) {
        std::memset(u + offset, 0, size);
        const QByteArray text = QStringLiteral("Имя %1").arg(rng.bounded(1000)).toUtf8();
        std::memcpy(u + offset, text.constData(), std::min<std::size_t>(std::size_t(text.size()), size - 1));
    };

    name(DeviceNameOffset, DeviceNameSize);
    for (std::size_t i = 0; i < InputsCount; ++i)
        name(InputNamesOffset + i * InputNameSize, InputNameSize);
    for (std::size_t i = 0; i < OutputsCount; ++i) {
        const std::size_t r = outputOffset(i);
        name(r, Output::NameSize);
        std::memset(u + r + 44, 0, 2);
        std::memset(u + r + 84, 0, 8);
    }
    for (std::size_t i = 0; i < FunctionsCount; ++i) {
        const std::size_t r = functionOffset(i);
        name(r, Function::NameSize);
        uint32_t bits = layout::readLE<uint32_t>(u + r + Function::ConfigBits);
        bits = (bits & ~(1u << ArdixEnums::FunctionIsCounter)) | (1u << ArdixEnums::FunctionIsInternalInGlobal);
        layout::writeLE<uint32_t>(u + r + Function::ConfigBits, bits);
        std::memset(u + r + 86, 0, 2);
    }
    for (std::size_t k = 0; k < KeypadsCount; ++k) {
        for (std::size_t i = 0; i < KeypadButtonsCount; ++i)
            name(keypadOffset(k) + Keypad::ButtonsNames + i * Keypad::NameSize, Keypad::NameSize);
        for (std::size_t i = 0; i < KeypadInputsCount; ++i)
            name(keypadOffset(k) + Keypad::Tic124InputsNames + i * Keypad::NameSize, Keypad::NameSize);
    }
    unsigned char *can = u + CanOffset;
    for (std::size_t i = 0; i < Can::InMessagesCount; ++i)
        can[Can::InMessages + i * Can::InMessageSize + 5] &= ~0x02;
    for (std::size_t i = 0; i < Can::OutMessagesCount; ++i)
        can[Can::OutMessages + i * Can::OutMessageSize + 5] = 0;
    for (std::size_t i = 0; i < Can::AnalogInputsCount; ++i)
        name(CanOffset + Can::AnalogInputs + i * Can::AnalogInputSize, Can::NameSize);
    for (std::size_t i = 0; i < Can::DigitalInputsCount; ++i) {
        name(CanOffset + Can::DigitalInputs + i * Can::DigitalInputSize, Can::NameSize);
        can[Can::DigitalInputs + i * Can::DigitalInputSize + 33] &= ~0x03;
    }
    PdmSettings::updateSettingsCrc(b);
    return b;
}

void markEverythingChanged(PdmSettings &s)
{
    s.setOtherHasChanges(true);
    s.setInputsHasChanges(true);
    s.setOutputsHasChanges(true);
    s.setFunctionsHasChanges(true);
    s.setKeypadsHasChanges(true);
    s.setCustomCanHasChanges(true);
}

QString firstDifference(const QByteArray &a, const QByteArray &b)
{
    if (a.size() != b.size())
        return QStringLiteral("sizes %1 and %2").arg(a.size()).arg(b.size());
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (a[i] != b[i])
            return QStringLiteral("first difference at byte %1: %2 vs %3").arg(i).arg(uchar(a[i])).arg(uchar(b[i]));
    }
    return {};
}

int declaredProperties(const QObject &o)
{
    return o.metaObject()->propertyCount() - QObject::staticMetaObject.propertyCount();
}

QList<uint8_t> ids(std::initializer_list<int> head)
{
    QList<uint8_t> l(16, 0);
    int i = 0;
    for (int v : head)
        l[i++] = uint8_t(v);
    return l;
}

} // namespace

class TstPdmSettings : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void roundTripWritesWhatItRead()
    {
        for (quint32 seed : {1u, 77u, 2024u}) {
            const QByteArray block = canonicalRandomBlock(seed);
            QVERIFY(PdmSettings::isValidBlock(block));
            PdmSettings s;
            QVERIFY(s.loadFromBlock(block));
            QCOMPARE(s.activePdmFunctions(), 200u);
            markEverythingChanged(s);
            const QByteArray out = s.applyNewPdmSettings(block);
            QVERIFY2(out == block, qPrintable(firstDifference(out, block)));
            QVERIFY(!s.hasChanges());
            QCOMPARE(s.block(), out);
        }
    }

    void loadFillsObjects()
    {
        QByteArray block(qsizetype(BlockSize), '\0');
        unsigned char *u = bytes(block);
        layout::writeLE<uint32_t>(u + 4, 123456);
        u[9] = 255; // CAN disabled
        u[19] = 0x80;
        u[20] = 0xAB;
        std::memcpy(u + DeviceNameOffset, "Front", 5);
        layout::writeLE<uint16_t>(u + PdmsSerialOffset + 2, 4321);
        layout::writeLE<uint16_t>(u + InputConfigOffset + 2 * 23, 0x0004);
        std::memcpy(u + outputOffset(31), "Fan", 3);
        u[outputOffset(31) + Output::MaxCurrent] = 15;
        layout::writeLE<uint32_t>(u + functionOffset(199) + Function::ConfigBits, 1);
        layout::writeLE<uint16_t>(u + keypadOffset(3) + Keypad::CanId, 0x118);
        u[CanOffset + Can::AnalogInputs + 15 * Can::AnalogInputSize + 33] = 0x45; // frame 5, enabled
        PdmSettings::updateSettingsCrc(block);

        PdmSettings s;
        QSignalSpy data(&s, &PdmSettings::dataChanged);
        QSignalSpy active(&s, &PdmSettings::pdmActiveFunctionsCountUpdated);
        QVERIFY(!s.loadFromBlock(block.left(40959)));
        QVERIFY(s.loadFromBlock(block));
        QCOMPARE(data.count(), 1);
        QVERIFY(active.count() >= 1);

        QCOMPARE(s.other()->pdmSerialNumber(), 123456u);
        QCOMPARE(int(s.other()->canbusBaud()), -1);
        QVERIFY(s.other()->isPasswordProtectionSet());
        QVERIFY(!s.other()->isThisTestSettings());
        QCOMPARE(s.other()->passwordHash().size(), 64);
        QCOMPARE(uchar(s.other()->passwordHash()[0]), uchar(0xAB));
        QCOMPARE(s.other()->deviceName(), QStringLiteral("Front"));
        QCOMPARE(s.other()->pdmsSerial(), QList<uint16_t>({0, 4321}));
        QCOMPARE(s.other()->settingsCrc(), layout::readLE<uint32_t>(u));
        QCOMPARE(int(s.inputs()[23]->config()), 4);
        QCOMPARE(s.outputs()[31]->outputName(), QStringLiteral("Fan"));
        QCOMPARE(int(s.outputs()[31]->maxCurrent()), 15);
        QCOMPARE(s.activePdmFunctions(), 1u);
        QCOMPARE(int(s.keypads()[3]->canId()), 0x118);
        PdmUserCanAnalogInput *ai = s.customCan()->canAnalogInputs()[15];
        QCOMPARE(int(ai->frameId()), 5);
        QVERIFY(ai->isInputEnabled());
        QVERIFY(!ai->isSetupByMask());
        QCOMPARE(s.customCan()->canInMessages().size(), 8);
        QCOMPARE(s.customCan()->canOutMessages().size(), 8);
        QCOMPARE(s.customCan()->canDigitalInputs().size(), 32);
    }

    // A keypad record never configured (a factory-fresh PDM sends zeros) shows the keypad defaults,
    // not a blank model with CAN id 0; one that was configured keeps what it holds.
    void aNeverConfiguredKeypadTakesTheDefaults()
    {
        QByteArray block(qsizetype(BlockSize), '\0');
        unsigned char *u = bytes(block);
        u[keypadOffset(1) + Keypad::Type] = 3;
        layout::writeLE<uint16_t>(u + keypadOffset(1) + Keypad::CanId, 0x180);
        PdmSettings::updateSettingsCrc(block);
        PdmSettings s;
        QVERIFY(s.loadFromBlock(block));
        const PdmKeypadConfig *fresh = s.keypads()[0];
        QCOMPARE(int(fresh->keypadType()), int(ArdixEnums::Device_Keypad7));
        QCOMPARE(int(fresh->canId()), 280);
        QCOMPARE(int(fresh->keypadSerial()), 0xFFFF);
        QCOMPARE(int(fresh->ledsAndWs2812bBrightness()), 246);
        QCOMPARE(int(fresh->redColor()), 255);
        QVERIFY(fresh->keypadConfigBits() & 0x02);
        QCOMPARE(int(s.keypads()[1]->keypadType()), 3);
        QCOMPARE(int(s.keypads()[1]->canId()), 0x180);
    }

    void applyPacksOnlyChangedParts()
    {
        const QByteArray block = canonicalRandomBlock(5);
        PdmSettings s;
        QVERIFY(s.loadFromBlock(block));
        s.other()->setDeviceName(QStringLiteral("not flagged"));
        s.other()->setPdmSerialNumber(1); // never packed from the object
        s.inputs()[0]->setInputName(QStringLiteral("not flagged"));
        s.outputs()[3]->setOutputName(QStringLiteral("Насос"));
        s.setOutputsHasChanges(true);
        s.functions()[10]->setFunctionName(QStringLiteral("always packed"));

        const QByteArray out = s.applyNewPdmSettings(block);
        const PdmBlockView view(out);
        QCOMPARE(view.outputName(3), QStringLiteral("Насос"));
        QCOMPARE(view.functionName(10), QStringLiteral("always packed"));
        QCOMPARE(view.deviceName(), PdmBlockView(block).deviceName());
        QCOMPARE(view.inputName(0), PdmBlockView(block).inputName(0));
        QCOMPARE(view.serialNumber(), PdmBlockView(block).serialNumber());
        QVERIFY(PdmSettings::isValidBlock(out));
        QCOMPARE(s.other()->settingsCrc(), layout::readLE<uint32_t>(bytes(out)));
    }

    void otherPackLeavesPasswordAndSerial()
    {
        const QByteArray block = canonicalRandomBlock(6);
        PdmSettings s;
        QVERIFY(s.loadFromBlock(block));
        s.other()->setIsPasswordProtectionSet(!s.other()->isPasswordProtectionSet());
        s.other()->setPasswordHash(QByteArray(64, '\x11'));
        s.other()->setCanbusBaud(-1);
        s.other()->setArdixSerial({17, 18});
        s.setOtherHasChanges(true);
        const QByteArray out = s.applyNewPdmSettings(block);
        QCOMPARE(out.mid(4, 4), block.mid(4, 4));
        QCOMPARE(out.mid(16, 68), block.mid(16, 68)); // reserved, flags and hash
        QCOMPARE(uchar(out[9]), uchar(255));
        QCOMPARE(layout::readLE<uint16_t>(bytes(out) + ArdixSerialOffset + 2), uint16_t(18));
    }

    // A list shorter than its field writes only its own entries: the links to the devices
    // stored beyond it stay.
    void shortSerialListsKeepTheStoredEntriesBeyondThem()
    {
        QByteArray block = canonicalRandomBlock(7);
        layout::writeLE<uint16_t>(bytes(block) + PdmsSerialOffset, 1001);
        layout::writeLE<uint16_t>(bytes(block) + PdmsSerialOffset + 2, 1002);
        layout::writeLE<uint16_t>(bytes(block) + ArdixSerialOffset, 2001);
        layout::writeLE<uint16_t>(bytes(block) + ArdixSerialOffset + 2, 2002);
        PdmSettings s;
        QVERIFY(s.loadFromBlock(block));
        s.other()->setPdmsSerial({3001});
        s.other()->setArdixSerial({});
        s.setOtherHasChanges(true);
        const QByteArray out = s.applyNewPdmSettings(block);
        QCOMPARE(layout::readLE<uint16_t>(bytes(out) + PdmsSerialOffset), uint16_t(3001));
        QCOMPARE(layout::readLE<uint16_t>(bytes(out) + PdmsSerialOffset + 2), uint16_t(1002));
        QCOMPARE(layout::readLE<uint16_t>(bytes(out) + ArdixSerialOffset), uint16_t(2001));
        QCOMPARE(layout::readLE<uint16_t>(bytes(out) + ArdixSerialOffset + 2), uint16_t(2002));
    }

    void emptyNamedOutputPacksResetValues_data()
    {
        QTest::addColumn<int>("output");
        QTest::addColumn<int>("maxCurrent");
        QTest::addColumn<int>("inrushDelay");
        QTest::addColumn<int>("maxInrushCurrent");
        QTest::newRow("output 1, 20 A") << 0 << 20 << 1500 << 80;
        QTest::newRow("output 7, 25 A on the second board") << 6 << 25 << 1500 << 80;
        QTest::newRow("output 9, 8 A") << 8 << 8 << 1000 << 40;
        QTest::newRow("output 29, 15 A") << 28 << 15 << 1000 << 40;
        QTest::newRow("slot 32, not on the board") << 31 << 0 << 1000 << 40;
    }

    void emptyNamedOutputPacksResetValues()
    {
        QFETCH(int, output);
        QFETCH(int, maxCurrent);
        QFETCH(int, inrushDelay);
        QFETCH(int, maxInrushCurrent);
        const QByteArray block = canonicalRandomBlock(9);
        PdmSettings s;
        QVERIFY(s.loadFromBlock(block));
        PdmOutputSettings *o = s.outputs()[output];
        o->setOutputName(QString());
        s.setOutputsHasChanges(true);
        const QByteArray out = s.applyNewPdmSettings(block);

        const unsigned char *r = bytes(out) + outputOffset(std::size_t(output));
        QByteArray expected(qsizetype(OutputRecordSize), '\0');
        unsigned char *e = bytes(expected);
        layout::writeLE<uint32_t>(e + Output::ConfigBits, 1);
        layout::writeLE<uint16_t>(e + Output::InrushDelay, uint16_t(inrushDelay));
        e[Output::MaxInrushCurrent] = uchar(maxInrushCurrent);
        e[Output::MaxCurrent] = uchar(maxCurrent);
        e[Output::RetryCount] = 3;
        layout::writeLE<uint16_t>(e + Output::RetryDelay, 2000);
        e[Output::MinDuty] = 60;
        QCOMPARE(QByteArray(reinterpret_cast<const char *>(r), qsizetype(OutputRecordSize)), expected);
        QCOMPARE(int(o->maxCurrent()), maxCurrent);
        // A named neighbour is packed as it stands.
        const int other = output == 0 ? 1 : 0;
        QCOMPARE(PdmBlockView(out).outputName(other), s.outputs()[other]->outputName());
    }

    void unusedFunctionPacksAsZeros()
    {
        const QByteArray block = canonicalRandomBlock(11);
        PdmSettings s;
        QVERIFY(s.loadFromBlock(block));
        PdmFunctionSettings *f = s.functions()[42];
        QVERIFY(!f->functionName().isEmpty());
        f->setConfigBits(0); // the other fields keep their random values
        QCOMPARE(s.activePdmFunctions(), 199u);
        const QByteArray out = s.applyNewPdmSettings(block);
        const QByteArray record = out.mid(qsizetype(functionOffset(42)), qsizetype(FunctionRecordSize));
        QVERIFY2(record == QByteArray(qsizetype(FunctionRecordSize), '\0'), record.toHex().constData());
        QVERIFY(f->functionName().isEmpty());
        QCOMPARE(f->listIndex(), 0u);
        QCOMPARE(s.activePdmFunctions(), 199u);
    }

    void applyNumbersLocalCounters()
    {
        PdmSettings s;
        QVERIFY(s.loadFromBlock(QByteArray(qsizetype(BlockSize), '\0')));
        const uint counter = 1u << ArdixEnums::FunctionIsCounter;
        const uint global = 1u << ArdixEnums::FunctionIsGlobal;
        s.functions()[3]->setConfigBits(counter);
        s.functions()[7]->setConfigBits(counter | global);
        s.functions()[7]->setAdditionalConstValueToCompareWith(55);
        s.functions()[9]->setConfigBits(counter);
        s.functions()[9]->setAdditionalConstValueToCompareWith(55);
        const QByteArray out = s.applyNewPdmSettings(QByteArray(qsizetype(BlockSize), '\0'));
        QCOMPARE(s.functions()[3]->additionalConstValueToCompareWith(), 0u);
        QCOMPARE(s.functions()[7]->additionalConstValueToCompareWith(), 55u);
        QCOMPARE(s.functions()[9]->additionalConstValueToCompareWith(), 1u);
        QCOMPARE(PdmBlockView(out).function(9)->additionalConstValueToCompareWith, uint16_t(1));
    }

    void reindexCountersStopsAt32()
    {
        PdmSettings s;
        QVERIFY(s.loadFromBlock(QByteArray(qsizetype(BlockSize), '\0')));
        for (int id = 0; id < 33; ++id) {
            s.functions()[id * 2]->setConfigBits(1u << ArdixEnums::FunctionIsCounter);
            s.functions()[id * 2]->setAdditionalConstValueToCompareWith(99);
        }
        QSignalSpy functionsFlag(&s, &PdmSettings::functionsUpdated);
        QCOMPARE(int(s.reindexCounters()), 32);
        QVERIFY(s.functionsHasChanges());
        QVERIFY(s.hasChanges());
        QCOMPARE(functionsFlag.count(), 1);
        QCOMPARE(s.functions()[0]->additionalConstValueToCompareWith(), 0u);
        QCOMPARE(s.functions()[62]->additionalConstValueToCompareWith(), 31u);
        QCOMPARE(s.functions()[64]->additionalConstValueToCompareWith(), 99u); // the 33rd counter

        s.setHasChanges(false);
        QCOMPARE(int(s.reindexCounters()), 32);
        QVERIFY(!s.functionsHasChanges()); // nothing renumbered, nothing flagged
    }

    void globalFunctionList()
    {
        PdmSettings s;
        QVERIFY(s.loadFromBlock(QByteArray(qsizetype(BlockSize), '\0')));
        const uint global = 1u << ArdixEnums::FunctionIsGlobal;
        const uint counter = 1u << ArdixEnums::FunctionIsCounter;
        s.functions()[2]->setConfigBits(global);
        s.functions()[2]->setListIndex(1);
        s.functions()[5]->setConfigBits(counter);
        s.functions()[5]->setListIndex(0);
        s.functions()[8]->setConfigBits(global);
        s.functions()[8]->setListIndex(2);
        s.functions()[9]->setConfigBits(1); // neither global nor a counter
        s.setHasChanges(false);

        auto order = [](const QVariantList &l) {
            QList<int> out;
            for (const QVariant &v : l)
                out << v.toMap().value("funcId").toInt() * 100 + v.toMap().value("listIndex").toInt();
            return out;
        };
        QCOMPARE(order(s.getGlobalFuncListOrder()), QList<int>({500, 201, 802}));
        QVERIFY(!s.functionsHasChanges());

        // Deleting the middle entry moves the later ones up and frees the slot.
        s.deleteGlobFunction(2);
        QCOMPARE(s.functions()[2]->configBits(), 0u);
        QCOMPARE(s.functions()[8]->listIndex(), 1u);
        QCOMPARE(s.functions()[5]->listIndex(), 0u);
        QVERIFY(s.functionsHasChanges());
        QCOMPARE(order(s.getGlobalFuncListOrder()), QList<int>({500, 801}));

        // A clash (or an index past the end) renumbers every entry by position.
        s.setHasChanges(false);
        s.functions()[8]->setListIndex(0);
        QCOMPARE(order(s.getGlobalFuncListOrder()), QList<int>({500, 801}));
        QVERIFY(s.functionsHasChanges());
        s.functions()[8]->setListIndex(7);
        QCOMPARE(order(s.getGlobalFuncListOrder()), QList<int>({500, 801}));

        s.deleteGlobFunction(200); // out of range: ignored
        QCOMPARE(s.functions()[5]->configBits(), counter);
    }

    void deletingCounterRenumbersCounters()
    {
        PdmSettings s;
        QVERIFY(s.loadFromBlock(QByteArray(qsizetype(BlockSize), '\0')));
        for (int id : {1, 4, 6}) {
            s.functions()[id]->setConfigBits(1u << ArdixEnums::FunctionIsCounter);
            s.functions()[id]->setListIndex(uint(id / 2));
        }
        s.reindexCounters();
        s.getGlobalFuncListOrder();
        s.deleteGlobFunction(1);
        QCOMPARE(s.functions()[4]->additionalConstValueToCompareWith(), 0u);
        QCOMPARE(s.functions()[6]->additionalConstValueToCompareWith(), 1u);
    }

    void changeFlags()
    {
        PdmSettings s;
        QVERIFY(s.loadFromBlock(QByteArray(qsizetype(BlockSize), '\0')));
        QSignalSpy any(&s, &PdmSettings::hasChangesUpdated);
        QSignalSpy keypads(&s, &PdmSettings::keypadsUpdated);
        s.setKeypadsHasChanges(true);
        QVERIFY(s.hasChanges());
        QCOMPARE(any.count(), 1);
        QCOMPARE(keypads.count(), 1);
        s.setKeypadsHasChanges(true);
        QCOMPARE(keypads.count(), 1);

        s.customCan()->setHasChanges(true); // the CAN object's own flag counts as a CAN change
        QVERIFY(s.customCanHasChanges());

        s.setHasChanges(false);
        QVERIFY(!s.keypadsHasChanges());
        QVERIFY(!s.customCanHasChanges());
        QVERIFY(!s.customCan()->hasChanges());
        QCOMPARE(any.count(), 2);
    }

    void reloadDiscardsEdits()
    {
        const QByteArray block = canonicalRandomBlock(3);
        PdmSettings s;
        s.reloadFromStruct(); // nothing loaded yet: nothing happens
        QVERIFY(s.loadFromBlock(block));
        const QString name = s.outputs()[0]->outputName();
        s.outputs()[0]->setOutputName(QStringLiteral("edited"));
        s.setOutputsHasChanges(true);
        s.reloadFromStruct();
        QCOMPARE(s.outputs()[0]->outputName(), name);
        QVERIFY(!s.hasChanges());
        QVERIFY(!s.outputsHasChanges());
    }

    void childFunctionOperations_data()
    {
        QTest::addColumn<QString>("op");
        QTest::addColumn<int>("index");
        QTest::addColumn<uint>("opsBefore");
        QTest::addColumn<bool>("result");
        QTest::addColumn<QList<uint8_t>>("order");
        QTest::addColumn<uint>("opsAfter");
        QTest::addColumn<uint>("countAfter");
        // children 11, 12, 13, 14; functionsCount 4
        QTest::newRow("remove 0") << "remove" << 0 << 0b101u << true << ids({12, 13, 14}) << 0b10u << 3u;
        // The operator that joined child 2 to child 1 (bit 1) goes and bit 2 moves down.
        QTest::newRow("remove 2") << "remove" << 2 << 0b101u << true << ids({11, 12, 14}) << 0b11u << 3u;
        QTest::newRow("remove -1") << "remove" << -1 << 0b101u << false << ids({11, 12, 13, 14}) << 0b101u << 4u;
        QTest::newRow("remove 16") << "remove" << 16 << 0b101u << false << ids({11, 12, 13, 14}) << 0b101u << 4u;
        QTest::newRow("up 1 keeps operators") << "up" << 1 << 0b01u << true << ids({12, 11, 13, 14}) << 0b01u << 4u;
        QTest::newRow("up 2 swaps bits 0 and 1") << "up" << 2 << 0b01u << true << ids({11, 13, 12, 14}) << 0b10u << 4u;
        QTest::newRow("up 0") << "up" << 0 << 0b01u << false << ids({11, 12, 13, 14}) << 0b01u << 4u;
        QTest::newRow("down 0 keeps operators") << "down" << 0 << 0b10u << true << ids({12, 11, 13, 14}) << 0b10u << 4u;
        QTest::newRow("down 1 swaps bits 0 and 1") << "down" << 1 << 0b10u << true << ids({11, 13, 12, 14}) << 0b01u << 4u;
        QTest::newRow("down -1") << "down" << -1 << 0b10u << false << ids({11, 12, 13, 14}) << 0b10u << 4u;
    }

    void childFunctionOperations()
    {
        QFETCH(QString, op);
        QFETCH(int, index);
        QFETCH(uint, opsBefore);
        PdmOutputSettings o; // the operations live in the shared base
        o.setFunctionsOrder(ids({11, 12, 13, 14}));
        o.setFunctionsCount(4);
        o.setOperatorsBetweenFunctions(opsBefore);
        QSignalSpy changed(&o, &ObjectWithChildFunctions::settingsChanged);
        bool result = false;
        if (op == "remove")
            result = o.removeChildFunc(index);
        else if (op == "up")
            result = o.moveUpChildFunc(index);
        else
            result = o.moveDownChildFunc(index);
        QTEST(result, "result");
        QCOMPARE(changed.count(), result ? 1 : 0);
        QTEST(o.functionsOrder(), "order");
        QTEST(o.operatorsBetweenFunctions(), "opsAfter");
        QTEST(o.functionsCount(), "countAfter");
    }

    void changeConfigBit()
    {
        PdmOutputSettings o;
        o.setConfigBits(0);
        QSignalSpy changed(&o, &ObjectWithChildFunctions::settingsChanged);
        o.changeConfigBit(31, true);
        QCOMPARE(o.configBits(), 0x80000000u);
        o.changeConfigBit(31, true);
        o.changeConfigBit(32, true);
        QCOMPARE(changed.count(), 1);
        o.changeConfigBit(31, false);
        QCOMPARE(o.configBits(), 0u);
        QCOMPARE(changed.count(), 2);
    }

    void pwmSlots()
    {
        PdmOutputSettings o;
        o.setPwmFunctionsOrder(ids({3, 4, 5}));
        o.setPwmFunctionsActiveBits(0b011);
        QSignalSpy changed(&o, &ObjectWithChildFunctions::settingsChanged);

        QVERIFY(o.removePwmFunc(1));
        QCOMPARE(o.pwmFunctionsOrder(), ids({3, 0, 5}));
        QCOMPARE(int(o.pwmFunctionsActiveBits()), 0b001);

        // Target bit clear: the bit moves with the entry (even a clear one sets the target).
        QVERIFY(o.moveUpPwmFunc(2));
        QCOMPARE(o.pwmFunctionsOrder(), ids({3, 5, 0}));
        QCOMPARE(int(o.pwmFunctionsActiveBits()), 0b011);
        // Target bit set: the bits stay.
        QVERIFY(o.moveUpPwmFunc(1));
        QCOMPARE(o.pwmFunctionsOrder(), ids({5, 3, 0}));
        QCOMPARE(int(o.pwmFunctionsActiveBits()), 0b011);
        QVERIFY(o.moveDownPwmFunc(1));
        QCOMPARE(o.pwmFunctionsOrder(), ids({5, 0, 3}));
        QCOMPARE(int(o.pwmFunctionsActiveBits()), 0b101);
        QCOMPARE(changed.count(), 4);

        QVERIFY(!o.removePwmFunc(16));
        QVERIFY(!o.moveUpPwmFunc(0));
        QVERIFY(!o.moveUpPwmFunc(16));
        QVERIFY(!o.moveDownPwmFunc(15));
        QCOMPARE(changed.count(), 4);
        o.setPwmFunctionsOrder({});
        QVERIFY(!o.removePwmFunc(0));
        QVERIFY(!o.moveDownPwmFunc(0));
    }

    void outputReset()
    {
        PdmOutputSettings o;
        o.setOutputName(QStringLiteral("x"));
        o.setFunctionsOrder(ids({1, 2}));
        o.setFunctionsCount(2);
        o.setPwmFunctionsActiveBits(1);
        QSignalSpy changed(&o, &ObjectWithChildFunctions::settingsChanged);
        o.reset(25);
        QCOMPARE(changed.count(), 1);
        QCOMPARE(o.outputName(), QString());
        QCOMPARE(o.configBits(), 1u);
        QCOMPARE(int(o.maxCurrent()), 25);
        QCOMPARE(int(o.inrushDelay()), 1500);
        QCOMPARE(o.functionsOrder(), ids({}));
        QCOMPARE(o.functionsCount(), 0u);
        QCOMPARE(int(o.pwmFunctionsActiveBits()), 0);
    }

    // moc can silently drop properties (a field macro it never expanded); hold each class against
    // its table.
    void propertiesMatchTables()
    {
        const PdmOtherSettings other;
        const PdmTicInput input;
        const PdmOutputSettings output;
        const PdmKeypadConfig keypad;
        const PdmUserCanAnalogInput analog;
        struct Row
        {
            const QObject *object;
            layout::Table table;
            int namedFields;
        };
        const Row rows[] = {
            {&other, PdmTables::General, layout::propertyFieldCount(PdmTables::kGeneralFields)},
            {&output, PdmTables::Output, layout::propertyFieldCount(PdmTables::kOutputFields)},
            {&keypad, PdmTables::Keypad, layout::propertyFieldCount(PdmTables::kKeypadFields)},
            {&analog, PdmTables::CanAnalogInput, layout::propertyFieldCount(PdmTables::kCanAnalogInputFields)},
            {&input, PdmTables::InputConfig, 2},
        };
        for (const Row &r : rows) {
            const QString cls = QString::fromLatin1(r.object->metaObject()->className());
            QVERIFY2(declaredProperties(*r.object) == r.namedFields, qPrintable(cls));
            const QStringList problems = layout::bindingProblems(r.object, r.table);
            QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));
        }
        QVERIFY(layout::bindingProblems(&input, PdmTables::InputName).isEmpty());

        const PdmSettings root;
        QCOMPARE(declaredProperties(root), 14);
        QCOMPARE(root.inputs().size(), 24);
        QCOMPARE(root.outputs().size(), 32);
        QCOMPARE(root.functions().size(), 200);
        QCOMPARE(root.keypads().size(), 4);
        QCOMPARE(root.customCan()->canAnalogInputs().size(), 16);
    }
};

QTEST_GUILESS_MAIN(TstPdmSettings)
#include "tst_pdm_settings.moc"
