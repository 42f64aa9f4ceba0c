// The small dash pages (brightness, trip counters, gears, speed calibration, the expansion module's
// inputs) over the real kernel
// and the simulated dash: what the user does reaches the device, and what the device answers shows.
#include "PageHost.h"
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "settings/ArdixEnums.h"
#include "settings/dash/ArdixCustomCanSettings.h"
#include "settings/dash/ArdixExtraSettings.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/dash/ArdixUserCanAnalogInput.h"

#include <QGuiApplication>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QtEndian>

using namespace e2e;
using ArdixTest::findItem;

namespace {

constexpr int CommonOffset = 5880;
constexpr int LcdPwmAt = CommonOffset + 252;
constexpr int TripAAt = CommonOffset + 260;
constexpr int GearRatiosAt = CommonOffset + 304;
constexpr int ModuleInputsAt = CommonOffset + 576;
constexpr int ModuleInputInverted = 0x80;
constexpr int SimTrip = 123450; // the simulated odometer, 0.1 km
constexpr int GearRecordAt = 2040 + 60 * ArdixEnums::Gear_index;
constexpr int SensorSourceAt = 29;
constexpr int SensorChannelAt = 30;
constexpr int CanAnalogInputsAt = 16588 + 3308;
constexpr int CanAnalogEnabledAt = 5; // bit 6

quint16 u16At(const QByteArray &block, int at)
{
    return qFromLittleEndian<quint16>(block.constData() + at);
}

quint32 u32At(const QByteArray &block, int at)
{
    return qFromLittleEndian<quint32>(block.constData() + at);
}

} // namespace

class TestUiSmallPages : public QObject
{
    Q_OBJECT

    ArdixTest::PageHost m_host;
    ArdixTest::WarningWatch m_warnings;

    static QObject *common(Rig &r)
    {
        return r.kernel->currentArdixSettings()->commonSettings();
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

    // A step of the screen brightness is sent to the dash at once; "Сохранить" stores it there.
    void brightnessReachesTheDevice()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QQuickItem *dialog = m_host.openDialog(QStringLiteral("lightPwmDialog.qml"));
        QVERIFY(dialog);
        QQuickItem *slider = findItem(dialog, QStringLiteral("lcdSlider"));
        QVERIFY(slider);
        const int before = common(r)->property("lcdPwmDuty").toInt();
        QVERIFY(before < 100);
        r.sim.clearReceived();

        slider->forceActiveFocus();
        QTest::keyClick(m_host.window(), Qt::Key_Right);
        QCOMPARE(common(r)->property("lcdPwmDuty").toInt(), before + 1);
        QTRY_VERIFY_WITH_TIMEOUT(r.received(ArdixEnums::SetLcdPwm) == 1, 3000);
        for (const SimFrame &f : r.sim.received())
            if (f.type == ArdixEnums::SetLcdPwm)
                QCOMPARE(int(f.parameter), before + 1);

        QQuickItem *save = findItem(dialog, QStringLiteral("saveButton"));
        QVERIFY(save && save->isVisible());
        m_host.click(save);
        QTRY_COMPARE_WITH_TIMEOUT(int(quint8(r.sim.dashBlock().at(LcdPwmAt))), before + 1, 4000);
        m_host.close();
    }

    // The trips show the device's odometer against their reset points, and follow it while open;
    // a reset stores the current odometer reading on the device.
    void tripShowsAndResetsTheDeviceCounter()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        r.sim.clearReceived();
        QQuickItem *dialog = m_host.openDialog(QStringLiteral("TripConfigDialog.qml"));
        QVERIFY(dialog);
        QQuickItem *value = findItem(dialog, QStringLiteral("tripAValue"));
        QVERIFY(value);
        QCOMPARE(value->property("text").toString(), QStringLiteral("--- км"));
        const quint32 resetAt = common(r)->property("tripA").toUInt();
        QVERIFY(resetAt < quint32(SimTrip));
        const QString expected = QString::number((SimTrip - resetAt) / 10.0, 'f', 1) + QStringLiteral(" км");
        QTRY_COMPARE_WITH_TIMEOUT(value->property("text").toString(), expected, 4000);
        QTRY_VERIFY_WITH_TIMEOUT(r.received(ArdixEnums::GetTrip) >= 2, 5000);

        m_host.click(findItem(dialog, QStringLiteral("tripAReset")));
        QCOMPARE(value->property("text").toString(), QStringLiteral("0.0 км"));
        QTRY_COMPARE_WITH_TIMEOUT(u32At(r.sim.dashBlock(), TripAAt), quint32(SimTrip), 4000);

        // Closed, the dialog leaves no request running.
        QMetaObject::invokeMethod(dialog, "destroyBasicDialog", Q_ARG(QVariant, true));
        QTest::qWait(300);
        QVERIFY(!m_host.window()->property("tripRequestTimer").value<QObject *>()->property("running").toBool());
        m_host.close();
    }

    // Typed ratios are stored × 1000 rounded (1.955 is 1954.99… in floating point), a ratio with
    // too many decimals is not taken, and a calibration answer replaces the gear's ratio.
    void gearRatiosStoreRoundedAndFollowCalibration()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QObject *gear = r.kernel->currentArdixSettings()->sensors().value(ArdixEnums::Gear_index);
        QVERIFY(gear);
        gear->setProperty("inputDataSource", int(ArdixEnums::InputSourceCalculated));
        QQuickItem *dialog = m_host.openDialog(QStringLiteral("GearSettingsDialog.qml"));
        QVERIFY(dialog);
        const QByteArray device = r.sim.dashBlock();

        QQuickItem *first = findItem(findItem(dialog, QStringLiteral("gearRow_0")), QStringLiteral("ratioField"));
        QQuickItem *second = findItem(findItem(dialog, QStringLiteral("gearRow_1")), QStringLiteral("ratioField"));
        QVERIFY(first && second);
        QVERIFY(m_host.type(first, "4.35"));
        QVERIFY(m_host.type(second, "1.9555"));
        QVERIFY(!second->property("textValid").toBool());
        QVariantList ratios = common(r)->property("gearRatios").toList();
        QCOMPARE(ratios.at(0).toInt(), 4350);
        QCOMPARE(ratios.at(1).toInt(), int(u16At(device, GearRatiosAt + 2)));
        QVERIFY(m_host.type(second, "1.955"));
        QCOMPARE(common(r)->property("gearRatios").toList().at(1).toInt(), 1955);

        // The device measures gear 1 and answers with its own ratio for it.
        m_host.click(findItem(findItem(dialog, QStringLiteral("gearRow_0")), QStringLiteral("calibrateButton")));
        const int measured = u16At(device, GearRatiosAt);
        QTRY_COMPARE_WITH_TIMEOUT(common(r)->property("gearRatios").toList().at(0).toInt(), measured, 4000);
        QCOMPARE(first->property("text").toString(), QString::number(measured / 1000.0, 'f', 3));

        m_host.click(findItem(dialog, QStringLiteral("saveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(int(u16At(r.sim.dashBlock(), GearRatiosAt + 2)), 1955, 4000);
        m_host.close();
    }

    // The gear's source chosen on its dialog reaches the device whole: calculated from speed and
    // RPM names the speed sensor, moving off CAN frees the CAN input that fed the gear, and an
    // analog gear sensor takes a table and learns its levels position by position.
    void gearSourceReachesTheDevice()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        ArdixSettings *dash = r.kernel->currentArdixSettings();
        QObject *gear = dash->sensors().value(ArdixEnums::Gear_index);
        QObject *canInput = dash->extra()->customCan()->canAnalogInputs().value(0);
        QVERIFY(gear && canInput);
        // The gear comes from CAN on the device to begin with.
        canInput->setProperty("isInputEnabled", true);
        canInput->setProperty("destinationSensId", int(ArdixEnums::Gear_index));
        dash->extra()->setCustomCanHasChanges(true);
        gear->setProperty("inputDataSource", int(ArdixEnums::InputSourceCustomCan));
        dash->setSensorHasChanges(ArdixEnums::Gear_index);
        r.kernel->applyNewArdixSettings();
        QTRY_VERIFY_WITH_TIMEOUT(quint8(r.sim.dashBlock().at(CanAnalogInputsAt + CanAnalogEnabledAt)) & 0x40, 4000);

        QQuickItem *dialog = m_host.openDialog(QStringLiteral("GearSettingsDialog.qml"));
        QVERIFY(dialog);
        QTRY_COMPARE(dialog->opacity(), 1.0);
        QQuickItem *row = findItem(dialog, QStringLiteral("gearSourceRow"));
        QQuickItem *source = findItem(row, QStringLiteral("sourceCombo"));
        QVERIFY(row && source);
        const auto choose = [](QQuickItem *combo, int value) {
            const QVariantList model = combo->property("model").toList();
            for (int i = 0; i < model.size(); ++i) {
                if (model.at(i).toMap().value(QStringLiteral("value")).toInt() == value) {
                    combo->setProperty("currentIndex", i);
                    QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, i));
                    return true;
                }
            }
            return false;
        };

        // Analog: the first input, then the table the pop-up offers for it.
        QVERIFY(choose(source, ArdixEnums::InputSourceAnalog));
        QVERIFY(row->property("pending").toBool());
        QQuickItem *input = findItem(row, QStringLiteral("channelCombo"));
        QVERIFY(input && input->isVisible());
        QVERIFY(choose(input, 0));
        QQuickItem *table = nullptr;
        QTRY_VERIFY((table = findItem(findItem(dialog, QStringLiteral("analogTablesPopup")), QStringLiteral("table_0"))) != nullptr);
        QTRY_VERIFY(table->isVisible() && table->width() > 0);
        m_host.click(table);
        QTRY_VERIFY(!row->property("pending").toBool());
        QTRY_VERIFY(findItem(dialog, QStringLiteral("analogTablesPopup")) == nullptr);

        QQuickItem *calibrate = findItem(dialog, QStringLiteral("calibrateAllButton"));
        QQuickItem *value = findItem(dialog, QStringLiteral("calibrationValueText"));
        QVERIFY(calibrate && value);
        QTRY_VERIFY(calibrate->isVisible());
        r.sim.clearReceived();
        for (int position : {0, 1}) {
            QVERIFY(choose(findItem(dialog, QStringLiteral("calibrationPositionCombo")), position));
            m_host.click(calibrate);
            QTRY_VERIFY2_WITH_TIMEOUT(value->property("text").toString().endsWith(QString::number(300 + 350 * position)),
                                      qPrintable(m_host.messages().join(QLatin1Char('|'))), 4000);
        }
        QList<quint32> asked;
        for (const SimFrame &f : r.sim.received())
            if (f.action == 1 && f.type == ArdixEnums::AllGearsCalibration)
                asked.append(f.parameter);
        QCOMPARE(asked, (QList<quint32>{0, 1}));
        m_host.click(findItem(dialog, QStringLiteral("saveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(int(quint8(r.sim.dashBlock().at(GearRecordAt + SensorSourceAt))),
                                  int(ArdixEnums::InputSourceAnalog), 4000);
        QCOMPARE(int(quint8(r.sim.dashBlock().at(GearRecordAt + SensorChannelAt))), 0);
        QTRY_COMPARE_WITH_TIMEOUT(quint8(r.sim.dashBlock().at(CanAnalogInputsAt + CanAnalogEnabledAt)) & 0x40, 0, 4000);

        // Calculated from speed and RPM: the speed sensor is named as its channel.
        QTest::qWait(400);
        dialog = m_host.openDialog(QStringLiteral("GearSettingsDialog.qml"));
        QTRY_COMPARE(dialog->opacity(), 1.0);
        row = findItem(dialog, QStringLiteral("gearSourceRow"));
        QVERIFY(choose(findItem(row, QStringLiteral("sourceCombo")), ArdixEnums::InputSourceCalculated));
        m_host.click(findItem(dialog, QStringLiteral("saveButton")));
        QTRY_COMPARE_WITH_TIMEOUT(int(quint8(r.sim.dashBlock().at(GearRecordAt + SensorSourceAt))),
                                  int(ArdixEnums::InputSourceCalculated), 4000);
        QCOMPARE(int(quint8(r.sim.dashBlock().at(GearRecordAt + SensorChannelAt))), int(ArdixEnums::Speed_index));
        QTest::qWait(300);
        m_host.close();
    }

    // Cancel (or Escape) on the gears dialog puts back the count stepped up and the ratio typed, and
    // leaves nothing marked changed.
    void gearsCancelPutsEverythingBack()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QObject *gear = r.kernel->currentArdixSettings()->sensors().value(ArdixEnums::Gear_index);
        gear->setProperty("inputDataSource", int(ArdixEnums::InputSourceCalculated));
        r.kernel->currentArdixSettings()->setProperty("hasChanges", false);
        const QVariant countBefore = common(r)->property("gearsCount");
        const QVariant ratiosBefore = common(r)->property("gearRatios");
        for (const char *way : {"cancel", "escape"}) {
            QQuickItem *dialog = m_host.openDialog(QStringLiteral("GearSettingsDialog.qml"));
            QVERIFY(dialog);
            QTRY_COMPARE(dialog->opacity(), 1.0);
            QQuickItem *count = findItem(dialog, QStringLiteral("gearsCountBox"));
            QVERIFY(count);
            auto *spin = count->property("spinBox").value<QQuickItem *>();
            QVERIFY(spin);
            QMetaObject::invokeMethod(spin, "increase");
            QMetaObject::invokeMethod(spin, "valueModified");
            QCOMPARE(common(r)->property("gearsCount").toInt(), countBefore.toInt() + 1);
            QQuickItem *ratio = findItem(findItem(dialog, QStringLiteral("gearRow_0")), QStringLiteral("ratioField"));
            QTest::qWait(100); // one more gear row: let the column lay it out before a click aims at it
            QVERIFY(m_host.typeKeys(ratio, QStringLiteral("3.5")));
            if (QByteArray(way) == "cancel")
                m_host.click(findItem(dialog, QStringLiteral("cancelButton")));
            else
                QTest::keyClick(m_host.window(), Qt::Key_Escape);
            QCOMPARE(common(r)->property("gearsCount"), countBefore);
            QCOMPARE(common(r)->property("gearRatios").value<QList<ushort>>(), ratiosBefore.value<QList<ushort>>());
            QVERIFY2(!r.kernel->currentArdixSettings()->hasChanges(), way);
            QTest::qWait(300);
        }
        m_host.close();
    }

    // The speed typed last is the one the device is asked to calibrate against, not the one before it.
    void speedCalibrationSendsTheSpeedTyped()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QQuickItem *dialog = m_host.openDialog(QStringLiteral("SpeedGpsCalibrationDialog.qml"), {{QStringLiteral("input"), 0}});
        QVERIFY(dialog);
        QTRY_COMPARE(dialog->opacity(), 1.0);
        QVERIFY(m_host.typeKeys(findItem(dialog, QStringLiteral("speedField")), QStringLiteral("80")));
        r.sim.clearReceived();
        m_host.click(findItem(dialog, QStringLiteral("calibrateButton")));
        QTRY_VERIFY_WITH_TIMEOUT(r.received(ArdixEnums::SpeedSensor_1_GpsCalibration) == 1, 3000);
        for (const SimFrame &f : r.sim.received())
            if (f.type == ArdixEnums::SpeedSensor_1_GpsCalibration)
                QCOMPARE(int(f.parameter), 80);
        m_host.close();
    }

    // "Калибровать" asks the device for the input's correction and the answer is what the input keeps.
    void speedCalibrationTakesTheDeviceCorrection()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QQuickItem *dialog = m_host.openDialog(QStringLiteral("SpeedGpsCalibrationDialog.qml"), {{QStringLiteral("input"), 1}});
        QVERIFY(dialog);
        r.sim.clearReceived();
        m_host.click(findItem(dialog, QStringLiteral("calibrateButton")));
        QTRY_VERIFY_WITH_TIMEOUT(r.received(ArdixEnums::SpeedSensor_2_GpsCalibration) == 1, 3000);
        QObject *extra = r.kernel->currentArdixSettings()->extra();
        QVERIFY(extra);
        QTRY_COMPARE_WITH_TIMEOUT(extra->property("inputCaptureCorrection").toList().at(1).toInt(), 1026, 4000);
        QCOMPARE(findItem(dialog, QStringLiteral("factorText"))->property("text").toString(), QStringLiteral("Коеффициент: 1.026"));
        QVERIFY(r.kernel->currentArdixSettings()->property("extraSettingsHasChanges").toBool());
        m_host.close();
    }

    // An input of the expansion module bound to the launch lamp, inverted, from the dash menu: after
    // "Применить" the device holds the lamp in the input's byte with the inversion bit.
    void moduleInputReachesTheDevice()
    {
        Rig r;
        QVERIFY(r.syncWithStoredBlock());
        QVERIFY(m_host.open(r.kernel.get()));
        QQuickItem *settings = m_host.openSettings();
        QVERIFY(settings);
        QQuickItem *page = m_host.clickRow(settings, QStringLiteral("row_Settings_ModuleDigitalInputs"));
        QVERIFY(page);
        QCOMPARE(page->objectName(), QStringLiteral("buttonsSetupDialog"));
        QCOMPARE(int(quint8(r.sim.dashBlock().at(ModuleInputsAt + 2))), 0);

        QQuickItem *row = findItem(page, QStringLiteral("inputRow_2"));
        QVERIFY(row);
        QQuickItem *combo = findItem(row, QStringLiteral("functionCombo"));
        QVERIFY(combo);
        const QVariantList entries = combo->property("model").toList();
        int launch = -1;
        for (int i = 0; i < entries.size(); ++i)
            if (entries.at(i).toMap().value(QStringLiteral("value")).toInt() == ArdixEnums::Lamp_Launch)
                launch = i;
        QVERIFY(launch > 0);
        m_host.stepDown(combo, launch - combo->property("currentIndex").toInt());
        QCOMPARE(combo->property("displayText").toString(), QStringLiteral("Лампа Launch control"));
        m_host.click(findItem(row, QStringLiteral("invertCheck")));

        QQuickItem *apply = findItem(page, QStringLiteral("applyButtonRight"));
        QVERIFY(apply && apply->isVisible());
        m_host.click(apply);
        QTRY_COMPARE_WITH_TIMEOUT(int(quint8(r.sim.dashBlock().at(ModuleInputsAt + 2))),
                                  ArdixEnums::Lamp_Launch | ModuleInputInverted, 4000);
        // The other inputs are untouched.
        for (int channel : {0, 1, 3, 15})
            QCOMPARE(int(quint8(r.sim.dashBlock().at(ModuleInputsAt + channel))), 0);
        m_host.close();
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    TestUiSmallPages test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_small_pages.moc"
