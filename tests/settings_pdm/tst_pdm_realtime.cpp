// Live values and board information decoded from the PDM's payloads, and the static board tables.
#include "settings/layout/LittleEndian.h"
#include "settings/pdm/PdmBoard.h"
#include "settings/pdm/PdmRealtimeData.h"

#include <QSignalSpy>
#include <QTest>

namespace {

template<typename T>
void put(QByteArray &b, int offset, T v)
{
    layout::writeLE<T>(reinterpret_cast<unsigned char *>(b.data()) + offset, v);
}

} // namespace

class TstPdmRealtime : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void decodesPayload()
    {
        QByteArray p(400, '\0');
        put<uint32_t>(p, 0, 4242);
        put<int16_t>(p, 4, -15);
        put<int16_t>(p, 6, 37);
        put<uint16_t>(p, 8, 12345);
        put<uint16_t>(p, 10, 1380);
        put<uint32_t>(p, 12, 0x00800001);
        put<uint16_t>(p, 16 + 2 * 23, 4095);
        put<uint32_t>(p, 64, 0xA5);
        put<uint32_t>(p, 68, 2);
        put<uint32_t>(p, 72, 4);
        p[76 + 31] = 3;
        put<uint16_t>(p, 108 + 2 * 5, 1500);
        p[172] = char(100);
        p[204] = char(0xFF); // unused bytes must not leak into neighbours
        put<uint32_t>(p, 208 + 4 * 1, 1u << 8); // function 40
        put<uint32_t>(p, 208 + 4 * 7, 1u << 31); // function 255
        p[240 + 2] = 9;
        put<uint32_t>(p, 272, 3);
        put<uint32_t>(p, 276, 0x10);
        put<int16_t>(p, 280 + 2 * 15, -300);
        put<int16_t>(p, 336 + 2 * 31, -2);

        PdmRealtimeData rt;
        QSignalSpy changed(&rt, &PdmRealtimeData::dataChanged);
        QVERIFY(rt.loadFromPayload(p));
        QCOMPARE(changed.count(), 1);

        QCOMPARE(rt.pdmSerialNumber(), 4242u);
        QCOMPARE(rt.boardTemperature(), -15);
        QCOMPARE(rt.stmTemperature(), 37);
        QCOMPARE(rt.totalCurrent(), 12345u);
        QCOMPARE(rt.battVoltage(), 1380u);
        QCOMPARE(rt.inputsState(), 0x00800001u);
        QCOMPARE(rt.tic124AdcValues().size(), 24);
        QCOMPARE(rt.tic124AdcValues().last(), 4095);
        QCOMPARE(rt.outputsState(), 0xA5u);
        QCOMPARE(rt.outputsOvercurrentFlags(), 2u);
        QCOMPARE(rt.outputsFaultFlags(), 4u);
        QCOMPARE(rt.outputsRetriesDone().value(31), 3);
        QCOMPARE(rt.outputsCurrent().value(5), 1500);
        QCOMPARE(rt.pwmDuties().value(0), 100);
        QCOMPARE(rt.functionsState().size(), 8);
        QCOMPARE(rt.countersValue().value(2), 9);
        QCOMPARE(rt.pdmFlags(), 3u);
        QCOMPARE(rt.pdmCAN_DI(), 0x10u);
        QCOMPARE(rt.pdmCAN_AI().value(15), -300);
        QCOMPARE(rt.ecuSensors().value(31), -2);

        QVERIFY(rt.getFuncState(40));
        QVERIFY(!rt.getFuncState(41));
        QVERIFY(!rt.getFuncState(8));
        QVERIFY(rt.getFuncState(255));

        // Read through the meta-object too: that is how the interface sees the values.
        QCOMPARE(rt.property("battVoltage").toUInt(), 1380u);
        QCOMPARE(rt.property("pdmCAN_AI").value<QList<int>>().value(15), -300);

        rt.reset();
        QCOMPARE(rt.pdmSerialNumber(), 0u);
        QCOMPARE(rt.pdmCAN_AI().value(15), 0);
        QVERIFY(!rt.getFuncState(40));
    }

    void ignoresOtherSizes()
    {
        PdmRealtimeData rt;
        QByteArray p(400, '\0');
        put<uint32_t>(p, 0, 7);
        QVERIFY(rt.loadFromPayload(p));
        QSignalSpy changed(&rt, &PdmRealtimeData::dataChanged);
        QVERIFY(!rt.loadFromPayload(QByteArray(399, '\x01')));
        QVERIFY(!rt.loadFromPayload(QByteArray(401, '\x01')));
        QCOMPARE(changed.count(), 0);
        QCOMPARE(rt.pdmSerialNumber(), 7u);
    }

    void propertiesMatchTable()
    {
        PdmRealtimeData rt;
        const QMetaObject *mo = rt.metaObject();
        QCOMPARE(mo->propertyCount() - QObject::staticMetaObject.propertyCount(), int(PdmRealtimeLayout::FieldCount));
        for (const auto &f : PdmRealtimeLayout::fields)
            QVERIFY2(mo->indexOfProperty(f.name) >= 0, f.name);
    }

    void boardInfo()
    {
        QByteArray p(172, '\0');
        put<uint32_t>(p, 0, 13800);
        put<int16_t>(p, 68, -12);
        put<int16_t>(p, 68 + 2 * 29, 34);
        put<uint32_t>(p, 136, 2);
        put<uint32_t>(p, 140, 0b10);
        put<uint32_t>(p, 144, 777);
        const QVariantMap info = PdmBoard::boardInfo(p);
        QCOMPARE(info.value("vBat").toUInt(), 13800u);
        QCOMPARE(info.value("boardVer").toUInt(), 2u);
        QCOMPARE(info.value("boardOptions").toUInt(), 2u);
        QCOMPARE(info.value("boardSerial").toUInt(), 777u);
        const QVariantList offsets = info.value("channelsOffsets").toList();
        QCOMPARE(offsets.size(), 30);
        QCOMPARE(offsets.first().toInt(), -12);
        QCOMPARE(offsets.last().toInt(), 34);

        const QVariantMap shortInfo = PdmBoard::boardInfo(p.left(171));
        QCOMPARE(shortInfo.value("vBat").toUInt(), 0u);
        QCOMPARE(shortInfo.value("boardSerial").toUInt(), 0u);
        const QVariantList zeros = shortInfo.value("channelsOffsets").toList();
        QCOMPARE(zeros.size(), 30);
        QVERIFY(std::all_of(zeros.cbegin(), zeros.cend(), [](const QVariant &v) { return v.toInt() == 0; }));
    }

    void boardDescription_data()
    {
        QTest::addColumn<int>("variant");
        QTest::addColumn<int>("output"); // 0-based
        QTest::addColumn<int>("recommended");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<bool>("pwm");
        QTest::addColumn<QString>("pin");
        QTest::newRow("v1 out1") << 1 << 0 << 20 << 25 << false << "A-1_10";
        QTest::newRow("v1 out2") << 1 << 1 << 25 << 30 << false << "A-3_11_12";
        QTest::newRow("v1 out7") << 1 << 6 << 20 << 25 << false << "B-7_16";
        QTest::newRow("v2 out7") << 2 << 6 << 25 << 30 << false << "B-7_15_16";
        QTest::newRow("v1 out9") << 1 << 8 << 8 << 10 << false << "A-2";
        QTest::newRow("v2 out28") << 2 << 27 << 8 << 10 << false << "B-34";
        QTest::newRow("v1 out29") << 1 << 28 << 15 << 20 << true << "A-18_19";
        QTest::newRow("v2 out30") << 2 << 29 << 15 << 25 << true << "B-24_25";
    }

    void boardDescription()
    {
        QFETCH(int, variant);
        QFETCH(int, output);
        const QVariantMap d = PdmBoard::description(variant);
        QCOMPARE(d.value("outputsCount").toInt(), 30);
        QCOMPARE(d.value("inputsCount").toInt(), 20);
        QCOMPARE(d.value("bootInputIndex").toInt(), 19);
        QTEST(d.value("outputsRecommendedCurrent").toList().value(output).toInt(), "recommended");
        QTEST(d.value("outputsMaxCurrent").toList().value(output).toInt(), "maximum");
        QTEST(d.value("isOutputPwm").toList().value(output).toBool(), "pwm");
        QTEST(d.value("outputPins").toList().value(output).toString(), "pin");

        const QVariantList modes = d.value("inputsAvailableModes").toList();
        const QVariantList pins = d.value("inputsPins").toList();
        QCOMPARE(modes.size(), 20);
        QCOMPARE(modes.value(9).toInt(), 7);
        QCOMPARE(modes.value(10).toInt(), 6);
        QCOMPARE(modes.value(18).toInt(), 6);
        QCOMPARE(modes.value(19).toInt(), 4);
        QCOMPARE(pins.first().toString(), QStringLiteral("A-33"));
        QCOMPARE(pins.last().toString(), QStringLiteral("A-25"));
    }
};

QTEST_GUILESS_MAIN(TstPdmRealtime)
#include "tst_pdm_realtime.moc"
