// The replica in the window against the in-process simulated dash: every edit made on it (a cell's
// sensor, a warning threshold, the shift lamps, the oil pressure bands, the cell count, the mode's
// switches) lands in the dash's own settings block, the five modes cycle, and no QML warning shows.
#include "WarningLog.h"
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ClientWindow.h"
#include "ui/InterfaceTypes.h"

#include <QGuiApplication>

#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QtEndian>

#include <memory>

namespace {

// Offsets in the dash block.
constexpr int kSensorRecords = 2040;
constexpr int kSensorRecordSize = 60;
constexpr int kWarningMax = 34;
constexpr int kCommon = 5880;
constexpr int kSkinSettings = kCommon + 4;
constexpr int kOilLevels = kCommon + 592;
constexpr int kModesEnabled = 1;
constexpr int kMode0Cells = 3;

struct Rig : ArdixTest::ClientWindow
{
    Rig() { load(); }
    // Connected and the first synchronisation behind us.
    bool ready()
    {
        if (!waitOnline())
            return false;
        QTest::qWait(1500);
        eval("for (let i = dialogLayer.children.length - 1; i >= 0; --i) dialogLayer.children[i].destroy();"
             " ardix.isSyncDialogOn = false; ardix.isBusyOnScreen = false");
        return true;
    }
    QString dialog(const QString &name) { return "Array.prototype.find.call(dialogLayer.children, d => d.objectName === '" + name + "')"; }
    bool hasDialog(const QString &name) { return eval(dialog(name) + " !== undefined").toBool(); }
    quint8 byteAt(int offset) { return quint8(sim->dashBlock().at(offset)); }
    quint16 wordAt(int offset) { return qFromLittleEndian<quint16>(sim->dashBlock().constData() + offset); }
};

} // namespace

class TestSkinWindow : public QObject
{
    Q_OBJECT
    ArdixTest::WarningWatch m_warnings;

private slots:
    void initTestCase()
    {
        registerArdixTypes();
        registerInterfaceTypes();
        m_warnings.start(false);
    }
    void init()
    {
        m_warnings.clear();
        ArdixTest::resetWindowStore();
    }
    void cleanup() { m_warnings.verifyNone(); }

    void modesCycleThroughTheFivePages()
    {
        Rig rig;
        QVERIFY(rig.ready());
        const char *pages[] = {"DashNuvoMain", "DashNuvoRound", "DashNuvoTable", "DashNuvoPeaks", "DashNuvoRazgon"};
        QCOMPARE(rig.eval("ardixKernel.curSkinMode").toInt(), 0);
        for (int i = 1; i <= 5; ++i) {
            rig.eval("ardixKernel.changeSkinMode()");
            const int mode = i % 5; // five modes: the fifth step comes back to the first
            QCOMPARE(rig.eval("ardixKernel.curSkinMode").toInt(), mode);
            QVERIFY(rig.eval("mainScreen.item.children[0].item.toString()").toString().startsWith(pages[mode]));
            QTRY_COMPARE_WITH_TIMEOUT(int(rig.sim->skinMode()), mode, 3000);
        }
        // Mode 2 is off by default: it is shown, under the mask.
        rig.eval("ardixKernel.changeSkinMode(); ardixKernel.changeSkinMode()");
        QTRY_VERIFY(rig.eval("disabledModeMask.shown").toBool());
    }

    void cellCountButtonsReachTheDevice()
    {
        Rig rig;
        QVERIFY(rig.ready());
        QCOMPARE(rig.byteAt(kSkinSettings + kMode0Cells), quint8(4));
        rig.eval("mainScreen.item.stepCount(true)");
        QTRY_COMPARE_WITH_TIMEOUT(rig.byteAt(kSkinSettings + kMode0Cells), quint8(5), 3000);
        QTRY_VERIFY(rig.eval("mainScreen.item.cellsCount === 5").toBool());
        // In the table mode the steps follow the table: 12 -> 8.
        rig.eval("ardixKernel.changeSkinMode(); ardixKernel.changeSkinMode(); mainScreen.item.stepCount(false)");
        QTRY_COMPARE_WITH_TIMEOUT(rig.byteAt(kSkinSettings + kMode0Cells + 2), quint8(8), 3000);
    }

    void sensorMenuPutsTheChoiceInTheCell()
    {
        Rig rig;
        QVERIFY(rig.ready());
        const quint8 before = rig.byteAt(0); // mode 0, cell 0
        const int chosen = before == 3 ? 2 : 3;
        // A click on the first bottom cell opens the menu for it, and the cell blinks.
        rig.eval("mainScreen.item.children[0].item.children[mainScreen.item.children[0].item.children.length - 1]"
                 ".children[0].activate()");
        QVERIFY(rig.hasDialog("sensorMenu"));
        QCOMPARE(rig.eval(rig.dialog("sensorMenu") + ".parent_id").toInt(), 0);
        QVERIFY(rig.eval(rig.dialog("sensorMenu") + ".choices.some(c => c.id === " + QString::number(chosen) + ")").toBool());
        QVERIFY(!rig.eval(rig.dialog("sensorMenu") + ".choices.some(c => c.id === 21)").toBool());
        rig.eval(rig.dialog("sensorMenu") + ".choose(" + QString::number(chosen) + ")");
        QTRY_COMPARE_WITH_TIMEOUT(int(rig.byteAt(0)), chosen, 3000);
        QTRY_VERIFY(!rig.hasDialog("sensorMenu"));

        // Removing stores an empty cell, which then looks empty; a new choice fills it again.
        QQuickItem *cell = rig.item("rowCell1");
        QVERIFY(cell);
        QVERIFY(!cell->findChild<QQuickItem *>("emptyCell"));
        rig.eval("ardix.sensorMenuShow(1, [13], [], false)");
        rig.eval(rig.dialog("sensorMenu") + ".choose(0)");
        QTRY_COMPARE_WITH_TIMEOUT(rig.byteAt(1), quint8(0), 3000);
        QTRY_VERIFY(cell->findChild<QQuickItem *>("emptyCell"));
        rig.eval("ardix.sensorMenuShow(1, [13], [], false)");
        rig.eval(rig.dialog("sensorMenu") + ".choose(13)");
        QTRY_COMPARE_WITH_TIMEOUT(rig.byteAt(1), quint8(13), 3000);
        QTRY_VERIFY(!cell->findChild<QQuickItem *>("emptyCell"));
    }

    // The corner cell draws the drive train only while it shows the drive-train indicator.
    void cornerCellDrawsTheDriveTrainForItsSensor()
    {
        Rig rig;
        QVERIFY(rig.ready());
        QQuickItem *corner = rig.item("cell9");
        QVERIFY(corner);
        const auto picture = [corner] { return corner->findChild<QQuickItem *>("driveTrain"); };
        QVERIFY(!picture());
        for (int sensor : {21, 19}) {
            rig.eval("ardix.sensorMenuShow(9, [19, 21], [], false)");
            rig.eval(rig.dialog("sensorMenu") + ".choose(" + QString::number(sensor) + ")");
            QTRY_COMPARE_WITH_TIMEOUT(corner->property("sensID").toInt(), sensor, 3000);
            QTRY_COMPARE(bool(picture()), sensor == 21); // a picture no longer shown goes later
            if (picture())
                QVERIFY(picture()->width() > 0 && picture()->isVisible());
        }
    }

    void warningDialogSendsTheThreshold()
    {
        Rig rig;
        QVERIFY(rig.ready());
        const int water = kSensorRecords + 3 * kSensorRecordSize;
        const int upper = rig.wordAt(water + kWarningMax) + 3;
        rig.eval("ardix.warningDialogShow(ArdixEnums.WaterTemp_index)");
        QVERIFY(rig.hasDialog("warningDialog"));
        QCOMPARE(rig.eval(rig.dialog("warningDialog") + ".showUpper && !" + rig.dialog("warningDialog") + ".showLower").toBool(), true);
        rig.eval(rig.dialog("warningDialog") + ".upper = " + QString::number(upper) + "; " + rig.dialog("warningDialog") + ".accepted()");
        QTRY_COMPARE_WITH_TIMEOUT(int(rig.wordAt(water + kWarningMax)), upper, 3000);
        QTRY_VERIFY(!rig.hasDialog("warningDialog"));
        // The window's warnings go off 1500 ms after the dialog.
        QSignalSpy off(rig.window, SIGNAL(disableAllWarnings()));
        QVERIFY(off.wait(3000));
    }

    void rpmLampDialogSendsTheLamps()
    {
        Rig rig;
        QVERIFY(rig.ready());
        const int rpm = kSensorRecords + 16 * kSensorRecordSize;
        rig.eval("ardix.showRpmWarningDialog()");
        QVERIFY(rig.hasDialog("rpmWarningDialog"));
        // Green may not pass yellow - 50.
        QCOMPARE(rig.eval(rig.dialog("rpmWarningDialog") + ".bounds.green.to").toInt(), 6450);
        rig.eval(rig.dialog("rpmWarningDialog") + ".red = 6900; " + rig.dialog("rpmWarningDialog") + ".accepted()");
        QTRY_COMPARE_WITH_TIMEOUT(rig.wordAt(rpm + kWarningMax), quint16(6900), 3000);
    }

    void oilPressureDialogSendsTheBands()
    {
        Rig rig;
        QVERIFY(rig.ready());
        rig.eval("ardix.oilPressureWarningDialogShow()");
        QVERIFY(rig.hasDialog("oilPressureWarningDialog"));
        QCOMPARE(rig.eval(rig.dialog("oilPressureWarningDialog") + ".bandCount").toInt(), 7);
        rig.eval("(function() { const d = " + rig.dialog("oilPressureWarningDialog") + "; const l = Array.from(d.levels);"
                 " l[2] = 230; d.levels = l; d.accepted() })()");
        QTRY_COMPARE_WITH_TIMEOUT(rig.wordAt(kOilLevels + 2 * 2), quint16(230), 3000);
    }

    void modeSettingsSwitchModesButNeverTheDefault()
    {
        Rig rig;
        QVERIFY(rig.ready());
        QCOMPARE(rig.byteAt(kSkinSettings + kModesEnabled), quint8(11));
        // Mode 0 is the default: it cannot be switched off.
        rig.eval("ardix.modeMenuShow()");
        QCOMPARE(rig.eval(rig.dialog("skinModeSettingsDialog") + ".isDefault").toBool(), true);
        QCOMPARE(rig.eval(rig.dialog("skinModeSettingsDialog") + ".isEnabled").toBool(), true);
        rig.eval(rig.dialog("skinModeSettingsDialog") + ".destroyBasicDialog(true)");
        QTRY_VERIFY(!rig.hasDialog("skinModeSettingsDialog"));

        // Mode 1 goes off, and the dialog closes.
        rig.eval("ardixKernel.changeSkinMode(); ardix.modeMenuShow()");
        rig.eval(rig.dialog("skinModeSettingsDialog") + ".toggle()");
        QTRY_COMPARE_WITH_TIMEOUT(rig.byteAt(kSkinSettings + kModesEnabled), quint8(9), 3000);
        QTRY_VERIFY(!rig.hasDialog("skinModeSettingsDialog"));
        QTRY_VERIFY(rig.eval("disabledModeMask.shown").toBool());
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    applyProcessLocale();
    TestSkinWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_skin_window.moc"
