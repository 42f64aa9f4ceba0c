// The window against the in-process simulated device: it connects and shows it, its file dialogs
// round-trip a settings file, its guards and helpers behave, a PDM that connects takes the
// interface, and nothing of it prints a QML warning.
#include "WarningLog.h"
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ClientWindow.h"
#include "ui/InterfaceTypes.h"

#include <QGuiApplication>

#include <QQuickItem>
#include <QQuickWindow>
#include <QTemporaryDir>
#include <QMimeData>
#include <QDropEvent>
#include <QFile>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

// One simulated device on loopback and the client's window dialling it.
struct WindowRig : ArdixTest::ClientWindow
{
    explicit WindowRig(SimRole role) : ClientWindow(role) { load(); }
    int dialogs(const QString &filter) { return eval("Array.prototype.filter.call(dialogLayer.children, d => " + filter + ").length").toInt(); }
    // The handshake over: a synchronisation question, if the device asked one, answered by taking
    // the device's settings, as a user starting a session would.
    void settle()
    {
        QTest::qWait(1500);
        if (QObject *sync = item(QStringLiteral("syncDialog"))) {
            eval(QStringLiteral("downloadFromDevice()"), sync);
            QTRY_VERIFY_WITH_TIMEOUT(item(QStringLiteral("syncDialog")) == nullptr, 8000);
        }
    }
    int frames(int action, int type) const
    {
        int n = 0;
        for (const SimFrame &f : sim->received())
            n += f.action == action && f.type == type;
        return n;
    }
};

// The item a mouse press at `point` goes to first: the topmost visible one that takes mouse buttons.
QQuickItem *itemTakingClickAt(QQuickItem *item, QPointF scenePoint)
{
    if (!item->isVisible() || !item->isEnabled() || item->opacity() == 0)
        return nullptr;
    // Higher z on top; with equal z, later siblings lie above earlier ones.
    QList<QQuickItem *> ordered = item->childItems();
    std::stable_sort(ordered.begin(), ordered.end(), [](QQuickItem *a, QQuickItem *b) { return a->z() < b->z(); });
    for (int i = ordered.size() - 1; i >= 0; --i)
        if (QQuickItem *hit = itemTakingClickAt(ordered.at(i), scenePoint))
            return hit;
    const QPointF local = item->mapFromScene(scenePoint);
    return item->acceptedMouseButtons() != Qt::NoButton && item->contains(local) ? item : nullptr;
}

} // namespace

class TestWindow : public QObject
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

    void connectsAndShowsTheDevice()
    {
        WindowRig rig(SimRole::Dash);
        QVERIFY(rig.window);
        QCOMPARE(rig.window->title(), QStringLiteral("Оффлайн "));
        QVERIFY(rig.waitOnline());
        // The title carries the WiFi name read from the device's web page.
        QTRY_COMPARE_WITH_TIMEOUT(rig.window->title(), QStringLiteral("Подключен ") + rig.sim->wifiName(), 4000);
        QCOMPARE(rig.eval("mainScreen.source.toString().endsWith('DashNuvoSkin.qml')").toBool(), true);
        QCOMPARE(rig.eval("mainMenu.isDash").toBool(), true);
    }

    void settingsFileRoundTripsThroughTheFileDialogs()
    {
        QTemporaryDir dir;
        WindowRig rig(SimRole::Dash);
        QVERIFY(rig.waitOnline());
        const QString url = QUrl::fromLocalFile(dir.filePath("car.ardix7")).toString();
        const int baud = rig.eval("DevSettings.dash.commonSettings.can1BaudId").toInt();

        rig.eval("AppSettings.lastSettingsFolder = '" + QUrl::fromLocalFile(dir.path()).toString() + "'");
        rig.eval("ardix.showFileDialog(ArdixEnums.Device_Ardix7, ArdixEnums.Settings_FileType, false, 'car.ardix7')");
        QCOMPARE(rig.eval("fileDialog.selectedFile.toString()").toString(), url);
        QCOMPARE(rig.eval("fileDialog.title").toString(), QStringLiteral("Укажите куда сохранить файл"));
        QCOMPARE(rig.eval("fileDialog.nameFilters[0]").toString(), QStringLiteral("файлы настроек Ardix 7 (*.ardix7)"));
        rig.eval("fileDialog.accept()");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(dir.filePath("car.ardix7")), 3000);
        QCOMPARE(rig.eval("AppSettings.lastSettingsFolder").toString(), QUrl::fromLocalFile(dir.path()).toString());

        rig.eval(QStringLiteral("DevSettings.dash.commonSettings.can1BaudId = %1").arg(baud == 2 ? 3 : 2));
        rig.eval("ardix.showFileDialog(ArdixEnums.Device_Ardix7, ArdixEnums.Settings_FileType, true, '')");
        QCOMPARE(rig.eval("fileDialog.title").toString(), QStringLiteral("Выберите файл"));
        rig.eval("fileDialog.selectedFile = '" + url + "'; fileDialog.accept()");
        // The file shows what it changes first; loading it is the user's choice.
        QTRY_COMPARE(rig.dialogs("d.objectName === 'settingsFilePreview'"), 1);
        rig.eval("Array.prototype.filter.call(dialogLayer.children, d => d.objectName === 'settingsFilePreview')[0].load()");
        QTRY_COMPARE_WITH_TIMEOUT(rig.eval("DevSettings.dash.commonSettings.can1BaudId").toInt(), baud, 3000);
    }

    void guardsAndHelpers()
    {
        WindowRig rig(SimRole::Dash);
        QVERIFY(rig.window);
        // Two busy signals in a row open one busy dialog.
        rig.eval("ardixKernel.showBusy(); ardixKernel.showBusyWithTimeout(5000)");
        QCOMPARE(rig.dialogs("d.infoMessageText === ''"), 1);
        QCOMPARE(rig.eval("ardix.isBusyOnScreen").toBool(), true);

        // A full function list has no free slot and says so with the list's length.
        QCOMPARE(rig.eval("ardix.createNewFuncId([{configBits: 0, inChannelType: 3}, {configBits: 2, inChannelType: 0},"
                          " {configBits: 0x40, inChannelType: 0}])").toInt(), -1);
        QCOMPARE(rig.dialogs("d.infoMessageText === 'Лимит доступного количества функций исчерпан, 3'"), 1);
        QCOMPARE(rig.eval("ardix.createNewFuncId([{configBits: 0x80, inChannelType: 0}, {configBits: 0, inChannelType: 0}])").toInt(), 1);

        const QString keypads = "[{keypadConfigBits: 0, keypadType: 8}, {keypadConfigBits: 1, keypadType: 8},"
                                " {keypadConfigBits: 4, keypadType: 26}, {keypadConfigBits: 2, keypadType: 9}]";
        QCOMPARE(rig.eval("ardix.getKeypadName(0, " + keypads + ")").toString(), QStringLiteral(" -> нет"));
        QCOMPARE(rig.eval("ardix.getKeypadName(1, " + keypads + ")").toString(), QStringLiteral(" -> Ardix 1x7"));
        QCOMPARE(rig.eval("ardix.getKeypadName(2, " + keypads + ")").toString(),
                 QStringLiteral(" -> Blink Marine 10 (Link, Ecumaster...)"));
        QCOMPARE(rig.eval("ardix.getKeypadName(3, " + keypads + ")").toString(), QStringLiteral(" -> нет"));
        QCOMPARE(rig.eval("ardix.getKeypadName(4, " + keypads + ")").toString(), QString());

        // An exported settings file is named after the device's WiFi network.
        rig.eval("ardix.wifi_device_name = 'Track day car'");
        rig.eval("ardix.showFileDialog(ArdixEnums.Device_Pmx, ArdixEnums.Settings_FileType, false, 'a.pmx')");
        QVERIFY(rig.eval("fileDialog.selectedFile.toString()").toString().endsWith("Track_day_car_a.pmx"));
        QCOMPARE(rig.eval("fileDialog.nameFilters[0]").toString(), QStringLiteral("файлы настроек PMX (*.pmx)"));
        rig.eval("fileDialog.reject()");
    }

    void closingWithUnsavedChangesAsksFirst()
    {
        WindowRig rig(SimRole::Dash);
        QVERIFY(rig.waitOnline());
        QTest::qWait(1500); // the handshake settles
        const QString question = QStringLiteral("d.dialogText === 'У вас есть не сохраненные изменения\\nПрименить?'");

        // Connected: applying keeps the window open while the settings go out.
        rig.eval("DevSettings.dash.commonSettingsHasChanges = true");
        QVERIFY(rig.eval("DevSettings.dash.hasChanges").toBool());
        rig.window->close();
        QVERIFY(rig.window->isVisible());
        QCOMPARE(rig.dialogs(question), 1);
        rig.eval("Array.prototype.filter.call(dialogLayer.children, d => " + question + ")[0].accept()");
        QTRY_VERIFY(!rig.eval("DevSettings.dash.hasChanges").toBool());
        QVERIFY(rig.window->isVisible());

        // "Нет, Удалить" quits.
        rig.eval("DevSettings.dash.commonSettingsHasChanges = true");
        rig.window->close();
        QTRY_COMPARE(rig.dialogs(question), 1);
        rig.eval("Array.prototype.filter.call(dialogLayer.children, d => " + question + ")[0].cancel()");
        QTRY_VERIFY(!rig.window->isVisible());
    }

    // A window taller than its minimum shows the device selector for good; the dash screen stays
    // usable: no grey mask over it, and a click on it reaches the replica.
    void aTallWindowLeavesTheDashScreenUsable()
    {
        WindowRig rig(SimRole::Dash);
        QVERIFY(rig.waitOnline());
        rig.settle();
        const int tall = rig.eval("ardix.minimumHeight + 3 * deviceSelector.barHeight + 10").toInt();
        rig.window->resize(rig.window->width(), tall);
        QTRY_VERIFY(rig.eval("deviceSelector.isOpen && deviceSelector.isAlwaysOnDisplay").toBool());
        QTRY_VERIFY(!rig.eval("disabledModeMask.visible").toBool());
        QTRY_VERIFY(rig.eval("mainScreen.status === Loader.Ready").toBool());
        const QPointF centre = rig.eval("Qt.point(mainScreen.x + mainScreen.width / 2, mainScreen.y + mainScreen.height / 2)").toPointF();
        QQuickItem *hit = nullptr;
        QTRY_VERIFY((hit = itemTakingClickAt(rig.window->contentItem(), centre)) != nullptr);
        QVERIFY2(!hit->parentItem() || hit->parentItem()->objectName() != QStringLiteral("disabledModeMask"), qPrintable(hit->objectName()));
        QVERIFY2(rig.eval("mainScreen.item").value<QObject *>() != nullptr, "the replica is loaded");
        for (QQuickItem *p = hit; p; p = p->parentItem())
            if (p == rig.eval("mainScreen").value<QObject *>())
                return;
        QFAIL("a click on the dash screen does not reach the replica");
    }

    // Messages come one at a time above the synchronisation question; a mode change does not block
    // the screen with a spinner; the gear dialog lets the gear cell stop blinking when it closes.
    void messagesModesAndGearDialog()
    {
        WindowRig rig(SimRole::Dash);
        QVERIFY(rig.waitOnline());
        QTest::qWait(1500); // the handshake settles
        rig.eval("ardix.showSyncDialog(false)");
        QTRY_VERIFY(rig.item("syncDialog") != nullptr);
        rig.eval("ardix.infoDialog('Первое'); ardix.infoDialog('Второе')");
        QCOMPARE(rig.dialogs("d.infoMessageText !== undefined && d.infoMessageText !== ''"), 1);
        QVERIFY(rig.eval("ardix.shownInfo.z").toReal() > rig.item("syncDialog")->z());
        QCOMPARE(rig.eval("ardix.shownInfo.infoMessageText").toString(), QStringLiteral("Первое"));
        QTest::qWait(300);
        QTest::keyClick(rig.window, Qt::Key_Return);
        QTRY_COMPARE(rig.eval("ardix.shownInfo ? ardix.shownInfo.infoMessageText : ''").toString(), QStringLiteral("Второе"));
        rig.eval("ardix.shownInfo.destroyBasicDialog(true)");
        QTRY_VERIFY(rig.eval("ardix.shownInfo === null").toBool());
        rig.eval("syncDialogRef.dialog.close()");
        QTRY_VERIFY(rig.item("syncDialog") == nullptr);

        rig.sim->clearReceived();
        const int mode = rig.eval("ardixKernel.curSkinMode").toInt();
        rig.eval("ardixKernel.changeSkinMode()");
        QVERIFY(rig.eval("ardixKernel.curSkinMode").toInt() != mode);
        QTRY_COMPARE_WITH_TIMEOUT(rig.frames(1, 11), 1, 3000);
        QVERIFY(!rig.eval("ardix.isBusyOnScreen").toBool());

        QObject *gear = rig.eval("ardix.createObjectFrom('dialogs/GearSettingsDialog.qml', { kernel: ardixKernel, window: ardix })").value<QObject *>();
        QVERIFY(gear);
        QVERIFY(!rig.eval("warningsOffTimer.running").toBool());
        QMetaObject::invokeMethod(gear, "destroyBasicDialog", Q_ARG(QVariant, true));
        QTRY_VERIFY(rig.eval("warningsOffTimer.running").toBool());
    }

    // "Сбросить настройки Ardix" with a dash connected: the defaults go to the device whole.
    void aResetReachesTheConnectedDash()
    {
        WindowRig rig(SimRole::Dash);
        QVERIFY(rig.waitOnline());
        QTest::qWait(1500);
        QObject *settings = rig.eval("ardix.openSettings()").value<QObject *>();
        QVERIFY(settings);
        QObject *menu = nullptr;
        QTRY_VERIFY((menu = rig.eval("currentItem", settings).value<QObject *>()) != nullptr);
        QVERIFY(rig.eval("isConnected", menu).toBool());
        rig.sim->clearReceived();
        rig.eval("resetSettings()", menu);
        QTRY_COMPARE_WITH_TIMEOUT(rig.frames(0, 0), 1, 5000); // the whole block, as data
        QTRY_COMPARE_WITH_TIMEOUT(rig.frames(1, 11), 1, 5000); // then the screen mode
    }

    void aConnectingPdmTakesTheInterface()
    {
        // The interface was last used with a dash.
        WindowRig rig(SimRole::Pdm);
        QVERIFY(rig.waitOnline());
        QTRY_COMPARE_WITH_TIMEOUT(rig.eval("AppSettings.lastDeviceIdSelected").toInt(), 4, 3000);
        QVERIFY(rig.eval("mainScreen.source.toString().endsWith('pmx_logo.qml')").toBool());
        QCOMPARE(rig.eval("mainMenu.isDash").toBool(), false);
        QCOMPARE(rig.eval("deviceSelector.isActive").toBool(), true);
        QTRY_COMPARE_WITH_TIMEOUT(rig.eval("deviceSelector.isActive").toBool(), false, 3000);
    }

    // The PDM's main screen sums up its live values while it is what the user looks at, and stops
    // the stream once the settings open (they talk to the device themselves).
    void thePdmHomeScreenSumsUpItsLiveValues()
    {
        QSettings().setValue("lastDeviceIdSelected", 4);
        WindowRig rig(SimRole::Pdm);
        QVERIFY(rig.waitOnline());
        rig.settle();
        QObject *summary = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((summary = rig.item(QStringLiteral("pdmHomeSummary"))) != nullptr, 3000);
        QTRY_VERIFY_WITH_TIMEOUT(rig.sim->realtimeLoopOn(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(summary->property("hasData").toBool(), 3000);
        QVERIFY(rig.eval("ardixKernel.isPdmRealtimeModeOn").toBool());
        // What the screen says is what the PDM sent last.
        const auto shows = [&](const QString &name) { return rig.item(name)->property("text").toString(); };
        QTRY_COMPARE(shows("pdmHomeVoltage"),
                     rig.eval("(ardixKernel.pdmRealtimeData.battVoltage / 1000).toFixed(1) + ' В'").toString());
        QTRY_COMPARE(shows("pdmHomeTemperature"), rig.eval("ardixKernel.pdmRealtimeData.boardTemperature + ' °C'").toString());
        QTRY_VERIFY(shows("pdmHomeOutputsOn").startsWith(QStringLiteral("Включено выходов: ")));
        QVERIFY(!shows("pdmHomeFaults").isEmpty());

        // The live view takes the stream over and hands it back when it closes.
        QObject *liveView = rig.eval("ardix.showPdmRealtimeDialog()").value<QObject *>();
        QVERIFY(liveView);
        QTRY_VERIFY(!summary->property("isLive").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(rig.eval("messagesSeen", liveView).toInt() > 2, 5000);
        rig.eval("requestClose()", liveView);
        QTRY_VERIFY_WITH_TIMEOUT(summary->property("isLive").toBool(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(rig.sim->realtimeLoopOn(), 5000);

        rig.eval("ardix.openSettings()");
        QTRY_VERIFY_WITH_TIMEOUT(!rig.sim->realtimeLoopOn(), 3000);
        QVERIFY(!rig.eval("ardixKernel.isPdmRealtimeModeOn").toBool());
        QVERIFY(!summary->property("isLive").toBool());
    }

    // A first start opens at the minimum height, where the window shows once that it can grow.
    void aFirstStartShowsThatTheHeightCanChange()
    {
        QSettings store;
        store.remove("variableHeightDemoCnt");
        WindowRig rig(SimRole::Dash);
        QCOMPARE(rig.eval("height === minimumHeight").toBool(), true);
        int tallest = 0;
        QTRY_VERIFY_WITH_TIMEOUT((tallest = std::max(tallest, rig.eval("height - minimumHeight").toInt())) > 0, 3000);
        QTRY_COMPARE_WITH_TIMEOUT(rig.eval("AppSettings.variableHeightDemoCnt").toInt(), 1, 5000);
        QCOMPARE(rig.eval("height === minimumHeight").toBool(), true);
    }

    // A log dropped on the window opens in the log view; a file of another kind is not taken.
    void aDroppedLogOpensInTheLogView()
    {
        WindowRig rig(SimRole::Dash);
        QTemporaryDir dir;
        const QString log = dir.filePath(QStringLiteral("my run.elog"));
        const QString other = dir.filePath(QStringLiteral("notes.txt"));
        for (const QString &path : {log, other}) {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(rig.sim->logFiles().first());
        }
        const auto drop = [&](const QString &path) {
            QMimeData data;
            data.setUrls({QUrl::fromLocalFile(path)});
            const QPoint at(rig.window->width() / 2, rig.window->height() / 2);
            QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(rig.window, &enter);
            QDropEvent dropped(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(rig.window, &dropped);
            return enter.isAccepted();
        };
        QVERIFY(!drop(other));
        QTest::qWait(200);
        QCOMPARE(rig.dialogs("d.objectName === 'logViewDialog'"), 0);
        QVERIFY(drop(log));
        QTRY_COMPARE(rig.dialogs("d.objectName === 'logViewDialog'"), 1);
        QObject *view = rig.item(QStringLiteral("logViewDialog"));
        QCOMPARE(view->property("logPath").toString(), log);
        QTRY_VERIFY_WITH_TIMEOUT(rig.eval("model.ready", view).toBool(), 5000);
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
    TestWindow test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_window.moc"
