// The GPS module page over the real kernel and the simulated dash: edits land in the device's block
// after "Применить", calibrations show what the dash measured, and nothing goes out offline.
#include "PageHost.h"
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "settings/ArdixEnums.h"
#include "settings/dash/ArdixSettings.h"
#include "simcore/device/SyntheticCircuit.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtEndian>

#include <cmath>
#include <cstring>

using namespace e2e;
using ArdixTest::findItem;

namespace {

constexpr int CommonOffset = 5880;
constexpr int GpsAt = CommonOffset + 648;
constexpr int SpeedRangesAt = GpsAt + 0;     // 4 x (from, to), uint16
constexpr int DistanceRangesAt = GpsAt + 16; // 3 x (from, to), uint16
constexpr int BrakingSpeedAt = GpsAt + 28;
constexpr int ConfigBitsAt = GpsAt + 30;
constexpr int AccXAt = GpsAt + 32;
constexpr int AccYAt = GpsAt + 34;
constexpr int StartLatAt = GpsAt + 40;
constexpr int StartCourseAt = GpsAt + 48;
// What the simulated dash reports for its resting accelerometer: X in the low half, Y in the high.
constexpr qint16 SimAccX = 0x0FE8;
constexpr qint16 SimAccY = 0x0012;

const QString NotConnected = QStringLiteral("Нужно быть подключенным к Ardix");

quint16 u16At(const QByteArray &block, int at) { return qFromLittleEndian<quint16>(block.constData() + at); }
qint16 i16At(const QByteArray &block, int at) { return qFromLittleEndian<qint16>(block.constData() + at); }

float f32At(const QByteArray &block, int at)
{
    const quint32 bits = qFromLittleEndian<quint32>(block.constData() + at);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

QString textOf(QQuickItem *item) { return item ? item->property("text").toString() : QString(); }

} // namespace

class TestUiGpsPage : public QObject
{
    Q_OBJECT

    ArdixTest::PageHost m_host;
    ArdixTest::WarningWatch m_warnings;

    static QObject *gps(Rig &r)
    {
        return r.kernel->currentArdixSettings()->commonSettings()->property("gpsAccelerationMeasureSettings").value<QObject *>();
    }

    // Tall enough for the whole page: the clicks land where the user sees the controls.
    QQuickItem *openPage(Rig &r)
    {
        if (!m_host.open(r.kernel.get(), QSize(1280, 1300)))
            return nullptr;
        return m_host.openDialog(QStringLiteral("GpsModuleSettings.qml"));
    }

    void press(QQuickItem *item)
    {
        QVERIFY(item);
        m_host.click(item);
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

    // A bit, a range, the braking speed and the start line are written into the dash's block by
    // "Применить", each at its own place and nothing else of the record moved.
    void editsReachTheDeviceBlock()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QQuickItem *page = openPage(r);
        QVERIFY(page);
        const QByteArray before = r.sim.dashBlock();
        const quint16 bits = u16At(before, ConfigBitsAt);

        press(findItem(page, QStringLiteral("accXInvertedCheck")));
        QVERIFY(m_host.type(findItem(findItem(page, QStringLiteral("speedRange_1")), QStringLiteral("toField")), "150"));
        QVERIFY(m_host.type(findItem(findItem(page, QStringLiteral("distanceRange_2")), QStringLiteral("fromField")), "201"));
        QVERIFY(m_host.type(findItem(page, QStringLiteral("brakingField")), "100"));
        QVERIFY(m_host.type(findItem(page, QStringLiteral("latField")), "55.7520575"));
        QVERIFY(r.kernel->currentArdixSettings()->property("commonSettingsHasChanges").toBool());

        QQuickItem *apply = page->property("applyButtonRight").value<QQuickItem *>();
        QVERIFY(apply && apply->isVisible());
        m_host.click(apply);
        QTRY_COMPARE_WITH_TIMEOUT(u16At(r.sim.dashBlock(), ConfigBitsAt), quint16(bits ^ (1u << ArdixEnums::GpsModule_IsAccXInverted)), 5000);
        const QByteArray after = r.sim.dashBlock();
        QCOMPARE(u16At(after, SpeedRangesAt + (1 * 2 + 1) * 2), quint16(150));
        QCOMPARE(u16At(after, DistanceRangesAt + (2 * 2 + 0) * 2), quint16(201));
        QCOMPARE(u16At(after, BrakingSpeedAt), quint16(100));
        QCOMPARE(f32At(after, StartLatAt), 55.7520575f);
        // The neighbours of each edit are as they were.
        QCOMPARE(u16At(after, SpeedRangesAt + (1 * 2 + 0) * 2), u16At(before, SpeedRangesAt + (1 * 2 + 0) * 2));
        QCOMPARE(u16At(after, DistanceRangesAt + (2 * 2 + 1) * 2), u16At(before, DistanceRangesAt + (2 * 2 + 1) * 2));
        QCOMPARE(after.mid(AccXAt, 8), before.mid(AccXAt, 8));
        QVERIFY(!r.kernel->currentArdixSettings()->property("hasChanges").toBool());
        m_host.close();
    }

    // The dash measures the start line where the car is and its resting accelerometer; the page
    // shows both at once and the dash keeps them.
    void calibrationsShowWhatTheDashMeasured()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QQuickItem *page = openPage(r);
        QVERIFY(page);
        r.sim.clearReceived();

        press(findItem(page, QStringLiteral("calibrateStartButton")));
        QTRY_COMPARE_WITH_TIMEOUT(r.received(ArdixEnums::StartLineCalibration), 1, 3000);
        const SimTrack::StartLine line = SimTrack::Circuit().startLine();
        QObject *settings = gps(r);
        QTRY_VERIFY_WITH_TIMEOUT(std::abs(settings->property("startPointLat").toDouble() - line.lat) < 2e-5, 4000);
        const float lat = settings->property("startPointLat").toFloat();
        const float course = settings->property("startPointCourse").toFloat();
        QVERIFY(std::abs(settings->property("startPointLon").toDouble() - line.lon) < 2e-5);
        QCOMPARE(course, float(std::lround(line.course * 100) / 100.0));
        QCOMPARE(textOf(findItem(page, QStringLiteral("latField"))), QString::number(double(lat), 'f', 7));
        QCOMPARE(textOf(findItem(page, QStringLiteral("courseField"))), QString::number(double(course), 'f', 2));
        QVERIFY(r.messages.contains(QStringLiteral("Настройки стартовой линии применены")));
        QTRY_COMPARE_WITH_TIMEOUT(f32At(r.sim.dashBlock(), StartLatAt), lat, 4000);
        QCOMPARE(f32At(r.sim.dashBlock(), StartCourseAt), course);

        press(findItem(page, QStringLiteral("calibrateAccButton")));
        QQuickItem *values = findItem(page, QStringLiteral("accValuesText"));
        QTRY_VERIFY_WITH_TIMEOUT(textOf(values).startsWith(QStringLiteral("X: %1    Y: %2    Z: ").arg(SimAccX).arg(SimAccY)), 4000);
        QTRY_COMPARE_WITH_TIMEOUT(i16At(r.sim.dashBlock(), AccXAt), SimAccX, 4000);
        QCOMPARE(i16At(r.sim.dashBlock(), AccYAt), SimAccY);
        QVERIFY(m_host.messages().isEmpty());
        m_host.close();
    }

    // Offline, every device button says why nothing happens and sends nothing, not even once the
    // link is back.
    void deviceButtonsOfflineSendNothing()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QQuickItem *page = openPage(r);
        QVERIFY(page);
        const char *const buttons[] = {"calibrateStartButton", "calibrateAccButton", "refLapGetButton", "refLapEraseButton"};
        r.kernel->goWifiOffline();
        r.sim.clearReceived();
        for (const char *name : buttons)
            press(findItem(page, QLatin1String(name)));
        QCOMPARE(m_host.messages(), QStringList(std::size(buttons), NotConnected));
        QVERIFY(r.waitOnline(10000));
        QTest::qWait(1500); // a few send-queue turns
        for (int command : {ArdixEnums::StartLineCalibration, ArdixEnums::AccelerometerCalibration,
                            ArdixEnums::GetRefLap, ArdixEnums::EraseRefLap})
            QCOMPARE(r.received(command), 0);
        m_host.close();
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    TestUiGpsPage test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_gps_page.moc"
