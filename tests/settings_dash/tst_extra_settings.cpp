// Extra settings: the CAN records and their slots, keypad defaults, the defaults writer, the change
// flags, and the logic function's child list.

#include "settings/can/UserInCanMessage.h"
#include "settings/can/UserOutCanMessage.h"
#include "settings/dash/ArdixExtraSettings.h"
#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"

#include <QSignalSpy>
#include <QtTest>

#include <cstring>

class TestExtraSettings : public QObject
{
    Q_OBJECT

private slots:
    void receivedMessageBitFields()
    {
        const uchar rec[8] = {0x78, 0x56, 0x34, 0x12, 0xC5, 0x21, 0xE8, 0x03};
        UserInCanMessage m(CanOwner::Dash);
        m.load(rec);
        QCOMPARE(m.canId(), 0x12345678u);
        QCOMPARE(m.frameIdPosition(), uint8_t(5));
        QVERIFY(m.isMessageEnabled());
        QVERIFY(m.isIdExtended());
        QVERIFY(m.isFrameSet());
        QCOMPARE(m.frameSize(), uint8_t(8));
        QCOMPARE(m.timeoutMillis(), uint16_t(1000));
        uchar out[8];
        std::memset(out, 0xFF, sizeof out);
        m.pack(out);
        const uchar expected[8] = {0x78, 0x56, 0x34, 0x12, 0xC5, 0x21, 0xE8, 0x03}; // bit 1 of byte 5 zero
        QCOMPARE(QByteArray(reinterpret_cast<char *>(out), 8), QByteArray(reinterpret_cast<const char *>(expected), 8));
    }

    void canIdText_data()
    {
        QTest::addColumn<uint>("id");
        QTest::addColumn<QString>("text");
        QTest::newRow("extended") << 0x18FF50E5u << "0x18FF50E5(419385573)";
        QTest::newRow("standard") << 0x60Au << "0x60A(1546)";
    }

    void canIdText()
    {
        QFETCH(uint, id);
        QFETCH(QString, text);
        UserInCanMessage m(CanOwner::Pdm);
        m.setCanId(id);
        QCOMPARE(m.getCanIdStr(), text);
    }

    void messageResetDependsOnOwner_data()
    {
        QTest::addColumn<bool>("pdm");
        QTest::addColumn<uint>("inId");
        QTest::addColumn<uint>("outId");
        QTest::newRow("dash") << false << 0x603u << 0x653u;
        QTest::newRow("pdm") << true << 0x503u << 0x553u;
    }

    void messageResetDependsOnOwner()
    {
        QFETCH(bool, pdm);
        QFETCH(uint, inId);
        QFETCH(uint, outId);
        const CanOwner owner = pdm ? CanOwner::Pdm : CanOwner::Dash;
        UserInCanMessage in(owner);
        in.setIsFrameSet(true);
        in.setFrameIdPosition(4);
        in.reset(3);
        QCOMPARE(in.canId(), inId);
        QCOMPARE(in.frameSize(), uint8_t(8));
        QCOMPARE(in.timeoutMillis(), uint16_t(2000));
        QVERIFY(!in.isFrameSet());
        QCOMPARE(in.frameIdPosition(), uint8_t(0));

        UserOutCanMessage out(owner);
        out.setIsMessageEnabled(true);
        out.userData()[5]->setConstantData(77);
        QSignalSpy itemSpy(out.userData()[5], &UserOutCanMessageData::dataChanged);
        out.reset(3);
        QCOMPARE(out.canId(), outId);
        QCOMPARE(out.rateMillis(), uint16_t(100));
        QCOMPARE(out.frameSize(), uint8_t(8));
        QVERIFY(!out.isMessageEnabled());
        QCOMPARE(out.userData()[5]->constantData(), int16_t(0));
        QCOMPARE(itemSpy.count(), 0); // items are cleared quietly
    }

    void removeUserDataKeepsSixteen()
    {
        UserOutCanMessage m(CanOwner::Dash);
        for (int i = 0; i < 16; ++i)
            m.userData()[i]->setConstantData(int16_t(i + 1));
        UserOutCanMessageData *former4 = m.userData()[4];
        QSignalSpy spy(&m, &UserOutCanMessage::dataChanged);
        m.removeUserDataAt(3);
        QCOMPARE(m.userData().size(), 16);
        QCOMPARE(m.userData()[3], former4);
        QCOMPARE(m.userData()[14]->constantData(), int16_t(16));
        QCOMPARE(m.userData()[15]->constantData(), int16_t(0));
        QCOMPARE(spy.count(), 1);
        m.removeUserDataAt(-1);
        m.removeUserDataAt(16);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(m.userData().size(), 16);
    }

    void zeroAreaGivesKeypadDefaults()
    {
        QByteArray area(12288, '\0');
        area[9884 + 4] = char(0x05); // config bits kept, sleep bit added
        ArdixExtraSettings extra;
        extra.reloadFromStruct(reinterpret_cast<const uchar *>(area.constData()));
        for (const ArdixKeypad *k : extra.keypads()) {
            QCOMPARE(k->keypadType(), uint8_t(8));
            QCOMPARE(k->keypadSerial(), uint16_t(65535));
            QCOMPARE(k->canId(), uint16_t(280));
            QCOMPARE(k->ledsAndWs2812bBrightness(), uint8_t(246));
            QCOMPARE(k->redColor(), uint8_t(255));
            QCOMPARE(k->greenColor(), uint8_t(255));
            QCOMPARE(k->blueColor(), uint8_t(255));
        }
        QCOMPARE(extra.keypads()[0]->keypadConfigBits(), uint8_t(0x07));
        QCOMPARE(extra.keypads()[1]->keypadConfigBits(), uint8_t(0x02));
        for (const ArdixLamp *l : extra.lamps())
            QCOMPARE(l->inChannelType(), uint8_t(0));
        for (const ArdixAction *a : extra.actions())
            QCOMPARE(a->inChannelType(), uint8_t(0));
        QCOMPARE(extra.activeArdixFunctions(), 0u);
    }

    void defaultsAreExactlyTheListedBytes()
    {
        QByteArray expected(12288, '\0');
        auto p = [&](int o) { return reinterpret_cast<uchar *>(expected.data()) + o; };
        layout::writeLE<uint32_t>(p(0), 0x70809000u);
        for (int i = 0; i < 10; ++i)
            layout::writeLE<uint32_t>(p(4 + 4 * i), 1000);
        for (int i = 0; i < 16; ++i) {
            layout::writeLE<uint32_t>(p(428 + 8 * i), 0x600u + uint32_t(i));
            layout::writeLE<uint16_t>(p(428 + 8 * i + 6), 1000);
        }
        for (int i = 0; i < 8; ++i) {
            layout::writeLE<uint32_t>(p(556 + 200 * i), 0x650u + uint32_t(i));
            layout::writeLE<uint16_t>(p(556 + 200 * i + 6), 100);
        }
        std::memset(p(4588), 0xFF, 16);
        for (int k = 0; k < 2; ++k) {
            const QByteArray head = QByteArray::fromHex("F6FFFFFF0208FFFF");
            std::memcpy(p(9884 + 576 * k), head.constData(), 8);
            layout::writeLE<uint16_t>(p(9884 + 576 * k + 520), 280);
        }
        QByteArray area(12288, char(0x5A));
        ArdixExtraSettings::writeDefaults(reinterpret_cast<uchar *>(area.data()));
        QCOMPARE(area.toHex(), expected.toHex());
        QCOMPARE(area.left(4), QByteArray::fromHex("00908070"));

        // Loaded and packed again, the defaults stay as they are.
        ArdixExtraSettings extra;
        extra.reloadFromStruct(reinterpret_cast<const uchar *>(area.constData()));
        QCOMPARE(extra.customCan()->canInMessages()[15]->canId(), 0x60Fu);
        QCOMPARE(extra.customCan()->canInMessagesFrameIdMask(), QList<uint8_t>(8, 0xFF));
        QByteArray packed = area;
        extra.pack(reinterpret_cast<uchar *>(packed.data()));
        QCOMPARE(packed.toHex(), area.toHex());
    }

    void clearingOverallFlagClearsEverything()
    {
        ArdixExtraSettings extra;
        QSignalSpy overall(&extra, &ArdixExtraSettings::hasChangesUpdated);
        extra.setCustomCanHasChanges(true);
        QVERIFY(extra.hasChanges());
        QVERIFY(extra.customCan()->hasChanges());
        QCOMPARE(overall.count(), 1);
        QCOMPARE(overall.at(0).at(0).toBool(), true);

        // A handler that raises another flag while clearing is cleared too.
        bool reraised = false;
        connect(&extra, &ArdixExtraSettings::customCanUpdated, &extra, [&] {
            if (!extra.customCanHasChanges() && !reraised) {
                reraised = true;
                extra.setKeypadsHasChanges(true);
            }
        });
        extra.setFunctionsHasChanges(true);
        QSignalSpy canFlag(extra.customCan(), &CustomCanSettingsBase::hasChangesUpdated);
        extra.setHasChanges(false);
        QVERIFY(reraised);
        QVERIFY(!extra.functionsHasChanges());
        QVERIFY(!extra.keypadsHasChanges());
        QVERIFY(!extra.customCanHasChanges());
        QVERIFY(!extra.customCan()->hasChanges());
        QCOMPARE(canFlag.count(), 1);
        QCOMPARE(canFlag.at(0).at(0).toBool(), false);
    }

    void functionRecordIsClearedBeforePacking()
    {
        PdmFunctionSettings f;
        f.setFunctionName(QStringLiteral("Вентилятор"));
        f.setConfigBits(0x41);
        f.setFunctionsOrder({3, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 9});
        uchar rec[88];
        std::memset(rec, 0xEE, sizeof rec);
        f.pack(rec);
        QCOMPARE(layout::loadText(rec, 40), QStringLiteral("Вентилятор"));
        QCOMPARE(rec[39], uchar(0));
        QCOMPARE(layout::readLE<uint32_t>(rec + 40), 0x41u);
        QCOMPARE(rec[64], uchar(3));
        QCOMPARE(rec[79], uchar(9));
        QCOMPARE(rec[87], uchar(0));
    }

    void childFunctionList()
    {
        PdmFunctionSettings f;
        f.setFunctionsOrder({1, 2, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0});
        f.setFunctionsCount(3);
        f.setOperatorsBetweenFunctions(0b101);
        QVERIFY(f.removeChildFunc(0));
        QCOMPARE(f.operatorsBetweenFunctions(), 0b10u);
        QCOMPARE(f.functionsOrder().mid(0, 3), QList<uint8_t>({2, 3, 0}));
        QCOMPARE(f.functionsOrder().size(), 16);
        QCOMPARE(f.functionsCount(), 2u);
        QVERIFY(!f.removeChildFunc(-1));
        QVERIFY(!f.removeChildFunc(16));

        f.setOperatorsBetweenFunctions(0b01);
        QVERIFY(f.moveUpChildFunc(1));
        QCOMPARE(f.operatorsBetweenFunctions(), 0b01u); // no operator before child 0
        QCOMPARE(f.functionsOrder().mid(0, 2), QList<uint8_t>({3, 2}));
        QVERIFY(!f.moveUpChildFunc(0));

        f.setOperatorsBetweenFunctions(0b001);
        QVERIFY(f.moveDownChildFunc(1)); // operators 0 and 1 trade places
        QCOMPARE(f.operatorsBetweenFunctions(), 0b010u);

        QSignalSpy spy(&f, &PdmFunctionSettings::settingsChanged);
        f.changeConfigBit(32, true);
        f.changeConfigBit(6, true);
        f.changeConfigBit(6, true);
        QCOMPARE(f.configBits(), 0x40u);
        QCOMPARE(spy.count(), 1);
    }
};

QTEST_GUILESS_MAIN(TestExtraSettings)
#include "tst_extra_settings.moc"
