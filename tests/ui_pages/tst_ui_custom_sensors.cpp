// The custom sensor pages over the real kernel and the simulated dash: a user table and a custom
// gauge edited from the settings menu land in the device's block, and the raw readings view lists
// what the device reads on its analog inputs.
#include "PageHost.h"
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "settings/ArdixEnums.h"
#include "settings/dash/ArdixSettings.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtEndian>

#include <cstring>

using namespace e2e;
using ArdixTest::findItem;

namespace {

// Dash block: custom sensor records (ids 100 on) and custom analog sensor records.
constexpr int CustomSensorsAt = 3960;
constexpr int SensorRecordSize = 60;
constexpr int SensorAnalogGroupAt = 1;
constexpr int SensorConfigAt = 2;
constexpr int SensorShortNameAt = 4;
constexpr int SensorMaxPossibleAt = 38;
constexpr int ConfigEnabledBit = 0x01;
constexpr int ConfigCustomBit = 0x02;
constexpr int ConfigFloatBit = 0x04;

constexpr int CustomAnalogAt = 6860;
constexpr int CustomAnalogRecordSize = 304;
constexpr int AnalogNameAt = 0;
constexpr int AnalogTypeAt = 32;
constexpr int AnalogTableSizeAt = 33;
constexpr int AnalogTableAt = 48;
constexpr int TablePointSize = 8; // float output value, float input

// What the simulated dash reads on its five resistive inputs (ohms) and how the view shows it.
const char *const SimResistances[] = {"1.50 кОм", "3.30 кОм", "> 2 МОм", "98.00 кОм", "0.47 кОм"};
constexpr int VoltageInputs = 6;

int customAnalogAt(int index) { return CustomAnalogAt + index * CustomAnalogRecordSize; }
int customSensorAt(int index) { return CustomSensorsAt + index * SensorRecordSize; }

float floatAt(const QByteArray &block, int at)
{
    float v = 0;
    const quint32 raw = qFromLittleEndian<quint32>(block.constData() + at);
    std::memcpy(&v, &raw, sizeof v);
    return v;
}

QByteArray textAt(const QByteArray &block, int at, int size)
{
    const QByteArray field = block.mid(at, size);
    const int end = field.indexOf('\0');
    return end < 0 ? field : field.left(end);
}

} // namespace

class TestUiCustomSensors : public QObject
{
    Q_OBJECT

    ArdixTest::PageHost m_host;
    ArdixTest::WarningWatch m_warnings;

    QQuickItem *openFromMenu(const char *row)
    {
        QQuickItem *settings = m_host.openSettings();
        if (!settings)
            return nullptr;
        return m_host.clickRow(settings, QString::fromLatin1(row));
    }

    void apply(QQuickItem *page)
    {
        QQuickItem *applyButton = findItem(page, QStringLiteral("applyButtonRight"));
        QVERIFY(applyButton && applyButton->isVisible());
        m_host.click(applyButton);
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        registerArdixTypes();
        m_warnings.start();
    }

    void cleanupTestCase()
    {
        m_warnings.check();
    }

    // A second table named, switched to a 0-5 V table and given a point: only the custom analog
    // part goes to the device, and its record holds what was typed.
    void userTableReachesTheDevice()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QQuickItem *page = openFromMenu("row_Settings_UserSensors");
        QVERIFY(page);
        QCOMPARE(page->objectName(), QStringLiteral("customAnalogSensorDialog"));

        m_host.click(findItem(page, QStringLiteral("analogEntry_1")));
        QCOMPARE(page->property("current").toInt(), 1);
        QVERIFY(m_host.type(findItem(page, QStringLiteral("analogNameField")), "Boost"));
        // Disabled -> linear -> 0-5 V table, as a user steps through the list.
        m_host.stepDown(findItem(page, QStringLiteral("analogTypeCombo")), 2);
        QTRY_VERIFY_WITH_TIMEOUT(findItem(page, QStringLiteral("tableBox"))->isVisible(), 2000);
        QQuickItem *point = findItem(page, QStringLiteral("point_1"));
        QVERIFY(point);
        QVERIFY(m_host.type(findItem(point, QStringLiteral("valueField")), "250.5"));
        QVERIFY(m_host.type(findItem(point, QStringLiteral("inputField")), "4.5"));
        // Above 5 V: red, not written, and the apply is refused with a word on it until it is put right.
        QQuickItem *firstInput = findItem(findItem(page, QStringLiteral("point_0")), QStringLiteral("inputField"));
        QVERIFY(m_host.type(firstInput, "7"));
        QVERIFY(!firstInput->property("textValid").toBool());
        r.sim.clearReceived();
        const int messages = m_host.messages().size();
        apply(page);
        QCOMPARE(m_host.messages().size(), messages + 1);
        QVERIFY2(m_host.messages().constLast().contains(QStringLiteral("от 0 до 5")), qPrintable(m_host.messages().constLast()));
        QVERIFY(m_host.type(firstInput, "0"));
        apply(page);
        const int at = customAnalogAt(1);
        QTRY_COMPARE_WITH_TIMEOUT(textAt(r.sim.dashBlock(), at + AnalogNameAt, 32), QByteArray("Boost"), 4000);
        const QByteArray block = r.sim.dashBlock();
        QCOMPARE(int(quint8(block.at(at + AnalogTypeAt))), int(ArdixEnums::Table5V_CustomAnalogType));
        QCOMPARE(int(quint8(block.at(at + AnalogTableSizeAt))), 2);
        QCOMPARE(floatAt(block, at + AnalogTableAt + TablePointSize), 250.5f);
        QCOMPARE(floatAt(block, at + AnalogTableAt + TablePointSize + 4), 4.5f);
        QCOMPARE(floatAt(block, at + AnalogTableAt + 4), 0.0f);
        QCOMPARE(r.received(ArdixEnums::CustomAnalogSensorsData, 0), 1);
        QCOMPARE(r.received(ArdixEnums::AllData, 0), 0);
        m_host.close();
    }

    // Asked for on open and on refresh; every analog input of the dash with what it reads.
    void rawInputsShowTheDeviceReadings()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        r.sim.clearReceived();
        QQuickItem *page = openFromMenu("row_Settings_UserSensors");
        QVERIFY(page);
        QTRY_COMPARE_WITH_TIMEOUT(r.received(ArdixEnums::GetArdixADCRawData, 1), 1, 3000);

        const QVariantMap inputs = r.kernel->ardixDescription().value(QStringLiteral("analogInputs")).toMap();
        const QStringList pins = inputs.value(QStringLiteral("pin")).toStringList();
        QCOMPARE(pins.size(), VoltageInputs + 5);
        QTRY_COMPARE_WITH_TIMEOUT(page->property("rawRows").toList().size(), pins.size(), 4000);
        const QVariantList rows = page->property("rawRows").toList();
        for (int i = 0; i < rows.size(); ++i) {
            const QVariantMap row = rows[i].toMap();
            QCOMPARE(row.value(QStringLiteral("pin")).toString(), pins[i]);
            const QString value = row.value(QStringLiteral("value")).toString();
            if (i < VoltageInputs)
                QVERIFY2(value.endsWith(QStringLiteral(" В")) && value.size() == 6, qPrintable(value));
            else
                QCOMPARE(value, QString::fromUtf8(SimResistances[i - VoltageInputs]));
        }
        QQuickItem *list = findItem(page, QStringLiteral("rawInputsList"));
        QVERIFY(list);
        QCOMPARE(list->property("count").toInt(), pins.size());

        m_host.click(findItem(page, QStringLiteral("rawRefreshButton")));
        QTRY_COMPARE_WITH_TIMEOUT(r.received(ArdixEnums::GetArdixADCRawData, 1), 2, 3000);
        QVERIFY(m_host.messages().isEmpty());
        m_host.close();
    }

    // A gauge added, named and given a kind reaches the device as a custom sensor with the
    // kind's range; removed, its record is free again.
    void customGaugeReachesTheDevice()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        m_host.setAcceptQuestions(true);
        QQuickItem *page = openFromMenu("row_Settings_UserGauges");
        QVERIFY(page);
        QCOMPARE(page->objectName(), QStringLiteral("userCustomSensorDialog"));

        m_host.click(findItem(page, QStringLiteral("addSensorButton")));
        QQuickItem *row = findItem(page, QStringLiteral("customRow_0"));
        QTRY_VERIFY_WITH_TIMEOUT(row->isVisible(), 2000);
        QVERIFY(m_host.type(findItem(row, QStringLiteral("nameField")), "Brakes"));
        m_host.stepDown(findItem(row, QStringLiteral("groupCombo")), 1); // liquid pressure
        r.sim.clearReceived();
        apply(page);

        const int at = customSensorAt(0);
        QTRY_COMPARE_WITH_TIMEOUT(textAt(r.sim.dashBlock(), at + SensorShortNameAt, 24), QByteArray("Brakes"), 4000);
        QByteArray block = r.sim.dashBlock();
        QCOMPARE(int(quint8(block.at(at + SensorAnalogGroupAt))), int(ArdixEnums::Liquid_pressure_analog));
        const int config = qFromLittleEndian<quint16>(block.constData() + at + SensorConfigAt);
        QCOMPARE(config & (ConfigEnabledBit | ConfigCustomBit | ConfigFloatBit),
                 ConfigEnabledBit | ConfigCustomBit | ConfigFloatBit);
        const QObject *oilPressure = r.kernel->currentArdixSettings()->sensors().value(ArdixEnums::OilPressure_index);
        QCOMPARE(qFromLittleEndian<quint16>(block.constData() + at + SensorMaxPossibleAt),
                 quint16(oilPressure->property("maxPossibleValue").toUInt()));
        QCOMPARE(r.received(ArdixEnums::AllCustomSensorData, 0), 1);

        m_host.click(findItem(row, QStringLiteral("removeButton")));
        QTRY_VERIFY_WITH_TIMEOUT(!row->isVisible(), 2000);
        apply(page);
        QTRY_COMPARE_WITH_TIMEOUT(int(quint8(r.sim.dashBlock().at(at + SensorShortNameAt))), 0, 4000);
        block = r.sim.dashBlock();
        QCOMPARE(qFromLittleEndian<quint16>(block.constData() + at + SensorConfigAt) & ConfigEnabledBit, 0);
        m_host.close();
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    TestUiCustomSensors test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_custom_sensors.moc"
