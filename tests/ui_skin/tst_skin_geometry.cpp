// The replica's arithmetic against the dash's own worked cases: the bottom-row layout, the circle
// gauge's scale, the cell count steps, the table grids and the shift-lamp bounds.
#include "ui/SkinGeometry.h"

#include <QTest>

class TestSkinGeometry : public QObject
{
    Q_OBJECT
private slots:
    void bottomRow_data()
    {
        QTest::addColumn<double>("scaleX");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("start");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("lastCellEnd");
        // Two cells sit at the two ends of a row that starts 310 in.
        QTest::newRow("2 cells") << 1.0 << 2 << 310.0 << 1.0 << 1280.0 - 310;
        QTest::newRow("2 cells, 896 wide") << 0.7 << 2 << 217.0 << 1.0 << 0.7 * (1280 - 310);
        QTest::newRow("3 cells") << 1.0 << 3 << 180.0 << 1.0 << 1280.0 - 180;
        // Six cells do not fit at full size: everything shrinks, the start with it.
        const double six = (1280 - 172 - 86.0 / 5 * 5) / (238.0 * 6);
        QTest::newRow("6 cells") << 1.0 << 6 << 86 * six << six << 1280 - 86 * six;
    }
    void bottomRow()
    {
        QFETCH(double, scaleX);
        QFETCH(int, count);
        QFETCH(double, start);
        QFETCH(double, scale);
        QFETCH(double, lastCellEnd);
        const skin::BottomRow row = skin::bottomRow(1280 * scaleX, scaleX, count);
        QCOMPARE(row.start, start);
        QCOMPARE(row.scale, scale);
        QVERIFY(row.scale <= 1);
        QCOMPARE(row.start + (count - 1) * row.step + row.cellWidth, lastCellEnd);
    }
    void bottomRowOfOneCellDoesNotDivideByZero()
    {
        const skin::BottomRow row = skin::bottomRow(1280, 1, 1);
        QCOMPARE(row.step, 0.0);
        QVERIFY(std::isfinite(row.scale));
    }

    void gaugeScale_data()
    {
        QTest::addColumn<double>("maximum");
        QTest::addColumn<bool>("isFloat");
        QTest::addColumn<bool>("isBoost");
        QTest::addColumn<int>("count");
        QTest::addColumn<double>("step");
        QTest::addColumn<int>("subDivisions");
        QTest::addColumn<int>("labels");
        QTest::newRow("float 2.50") << 250.0 << true << false << 3 << 1.0 << 20 << 3;
        QTest::newRow("boost 3.00") << 300.0 << true << true << 3 << 0.5 << 5 << 6;
        QTest::newRow("water 120") << 120.0 << false << false << 120 << 20.0 << 5 << 6;
        QTest::newRow("egt 1140") << 1140.0 << false << false << 1140 << 200.0 << 5 << 5;
        QTest::newRow("rpm 8160") << 8160.0 << false << false << 8160 << 2000.0 << 5 << 4;
        QTest::newRow("oil 12.00") << 1200.0 << true << false << 12 << 2.0 << 10 << 6;
        // 65535 is past the last row: the widest step stays, and 21 labels would crowd.
        QTest::newRow("4wd 65535") << 65535.0 << false << false << 65535 << 3000.0 << 5 << 0;
    }
    void gaugeScale()
    {
        QFETCH(double, maximum);
        QFETCH(bool, isFloat);
        QFETCH(bool, isBoost);
        QFETCH(int, count);
        QFETCH(double, step);
        QFETCH(int, subDivisions);
        QFETCH(int, labels);
        const skin::GaugeScale s = skin::gaugeScale(maximum, isFloat, isBoost);
        QCOMPARE(s.count, count);
        QCOMPARE(s.step, step);
        QCOMPARE(s.subDivisions, subDivisions);
        QCOMPARE(s.labelsCount, labels);
    }
    void boostScaleStartsBelowZero()
    {
        const skin::GaugeScale s = skin::gaugeScale(300, true, true);
        QCOMPARE(skin::gaugeLabel(s, 0), QStringLiteral("-1"));
        QCOMPARE(skin::gaugeLabel(s, 1), QStringLiteral("-0.5"));
        QCOMPARE(skin::gaugeLabel(s, 2), QStringLiteral("0"));
        QCOMPARE(skin::gaugeRatio(s, 0.0), 1.0 / 3);
        // Other scales leave their zero unlabelled.
        const skin::GaugeScale water = skin::gaugeScale(120, false, false);
        QCOMPARE(skin::gaugeLabel(water, 0), QString());
        QCOMPARE(skin::gaugeLabel(water, 3), QStringLiteral("60"));
        QCOMPARE(skin::gaugeRatio(water, 500), 1.0);
    }

    void circleData()
    {
        skin::SensorLimits water{100, 0, 250, true, true, false, 4};
        QCOMPARE(skin::circleData(water).maximum, 120.0);
        QCOMPARE(skin::circleData(water).mark, 100.0);
        // A low-side warning marks the lower threshold; no warning, no mark.
        skin::SensorLimits oil{0, 120, 1200, false, true, false, 1};
        QCOMPARE(skin::circleData(oil).maximum, 1200.0);
        QCOMPARE(skin::circleData(oil).mark, 120.0);
        oil.isWarningEnable = false;
        QCOMPARE(skin::circleData(oil).mark, 0.0);
        // Absolute pressure sensors read 100 above the relative scale.
        skin::SensorLimits boost{110, 0, 500, true, true, false, 2};
        QCOMPARE(skin::circleData(boost).maximum, 132.0 + 120);
        QCOMPARE(skin::circleData(boost).mark, 210.0);
        boost.isWarningEnable = false;
        QCOMPARE(skin::circleData(boost).mark, 0.0);
    }

    void sampleValues()
    {
        QCOMPARE(skin::sampleRaw({100, 7, 250, true, true, false, 4}), 100);
        QCOMPARE(skin::sampleRaw({100, 7, 250, true, true, true, 4}), 7); // custom: the lower one
        QCOMPARE(skin::sampleRaw({100, 7, 250, false, true, false, 4}), 7);
        QCOMPARE(skin::valueText(1370, true), QStringLiteral("13.7"));
        QCOMPARE(skin::valueText(120, true), QStringLiteral("1.20"));
        QCOMPARE(skin::valueText(65535, false), QStringLiteral("65535"));
        QCOMPARE(skin::valueText(123456, false), QStringLiteral("12345"));
        QCOMPARE(skin::valueText(12345, true), QStringLiteral("123"));
        QCOMPARE(skin::gearText(0), QStringLiteral("N"));
        QCOMPARE(skin::gearText(11), QStringLiteral("R"));
    }

    void countButtons_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("count");
        QTest::addColumn<bool>("plus");
        QTest::addColumn<int>("afterPlus");
        QTest::addColumn<bool>("minus");
        QTest::addColumn<int>("afterMinus");
        QTest::newRow("row 2") << 0 << 2 << true << 3 << false << 2;
        QTest::newRow("row 4") << 1 << 4 << true << 5 << true << 3;
        QTest::newRow("row 6") << 0 << 6 << false << 6 << true << 5;
        QTest::newRow("table 6") << 2 << 6 << true << 8 << false << 6;
        QTest::newRow("table 8") << 3 << 8 << true << 12 << true << 6;
        QTest::newRow("table 12") << 2 << 12 << true << 15 << true << 8;
        QTest::newRow("table 15") << 3 << 15 << false << 15 << true << 12;
        QTest::newRow("table 10 steps to 12") << 2 << 10 << true << 12 << true << 12;
        QTest::newRow("razgon") << 4 << 3 << false << 12 << false << 12;
    }
    void countButtons()
    {
        QFETCH(int, mode);
        QFETCH(int, count);
        QFETCH(bool, plus);
        QFETCH(int, afterPlus);
        QFETCH(bool, minus);
        QFETCH(int, afterMinus);
        QCOMPARE(skin::plusShown(mode, count), plus);
        QCOMPARE(skin::minusShown(mode, count), minus);
        if (mode != skin::kRazgonMode) {
            QCOMPARE(skin::countAfterPlus(mode, count), afterPlus);
            QCOMPARE(skin::countAfterMinus(mode, count), afterMinus);
        }
    }

    void tableGrids()
    {
        QCOMPARE(skin::tableGrid(15)->columns, 5);
        QCOMPARE(skin::tableGrid(12)->heightRatio, 0.55);
        QVERIFY(skin::tableGrid(12)->fixedHeader);
        QCOMPARE(skin::tableGrid(8)->rows, 2);
        QVERIFY(!skin::tableGrid(6)->fixedHeader);
        QVERIFY(!skin::tableGrid(10).has_value());
    }

    void rpmLampBounds()
    {
        // 7000 rpm, lamps at 6000 / 6500 / 6800: green may not pass yellow - 50.
        const skin::RpmLampBounds b = skin::rpmLampBounds(7000, 6000, 6500, 6800);
        QCOMPARE(b.green.from, 3000);
        QCOMPARE(b.green.to, 6450);
        QCOMPARE(b.yellow.from, 6050);
        QCOMPARE(b.yellow.to, 6750);
        QCOMPARE(b.red.from, 6550);
        QCOMPARE(b.red.to, 6950);
    }
};

QTEST_APPLESS_MAIN(TestSkinGeometry)
#include "tst_skin_geometry.moc"
