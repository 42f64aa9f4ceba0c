// The PDM pages against the in-process simulated PDM: a condition added to an output reaches the
// device and the live view follows the device's inputs; global functions show their usage before
// they go; a password set from its dialog guards the device's settings.
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "simcore/device/DeviceSimulator.h"
#include "simcore/device/SimSettingsBlocks.h"
#include "ui/InterfaceTypes.h"

#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {
QStringList g_warnings;
QtMessageHandler g_previous = nullptr;

void collect(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << message;
    g_previous(type, context, message);
}

constexpr int OutputsAt = 4096;
constexpr int OutputRecord = 92;
constexpr int FunctionsAt = 7040;
constexpr int FunctionRecord = 88;

struct PdmRig
{
    PdmRig()
    {
        SimOptions options;
        options.role = SimRole::Pdm;
        sim = std::make_unique<DeviceSimulator>(options);
        if (!sim->start())
            qFatal("the simulator could not listen on loopback");
        qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
        qputenv("ARDIX_DEVICE_PORT", QByteArray::number(sim->port()));
        qputenv("ARDIX_DEVICE_WEB_PORT", QByteArray::number(sim->webPort()));
        engine = std::make_unique<QQmlApplicationEngine>();
        engine->load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
        if (!engine->rootObjects().isEmpty())
            window = qobject_cast<QQuickWindow *>(engine->rootObjects().first());
    }
    ~PdmRig()
    {
        engine.reset();
        sim.reset();
    }
    // Evaluates js with `scope` (the window by default) as its scope object.
    QVariant eval(const QString &js, QObject *scope = nullptr)
    {
        QObject *s = scope ? scope : window;
        QQmlExpression expression(qmlContext(s), s, js);
        const QVariant v = expression.evaluate();
        if (expression.hasError())
            qWarning() << "expression failed:" << js << expression.error().toString();
        return v;
    }
    QObject *find(const QString &name) { return findItem(window->contentItem(), name); }
    static QQuickItem *findItem(QQuickItem *item, const QString &name)
    {
        if (!item)
            return nullptr;
        if (item->objectName() == name)
            return item;
        const QList<QQuickItem *> children = item->childItems();
        for (QQuickItem *child : children)
            if (QQuickItem *found = findItem(child, name))
                return found;
        return nullptr;
    }
    bool waitOnline()
    {
        return QTest::qWaitFor([this] { return eval("ardixKernel.ardixStatus === 1 && DevSettings.pdm !== null").toBool(); }, 8000);
    }
    QObject *openPage(const QString &file, const QString &props = "{}")
    {
        eval("ardix.openSettings().openPage('" + file + "', " + props + ")");
        return nullptr;
    }

    std::unique_ptr<DeviceSimulator> sim;
    std::unique_ptr<QQmlApplicationEngine> engine;
    QQuickWindow *window = nullptr;
};

quint8 byteAt(const QByteArray &b, int at) { return quint8(b.at(at)); }
} // namespace

class TestUiPdm : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        registerArdixTypes();
        registerInterfaceTypes();
        g_previous = qInstallMessageHandler(collect);
    }
    void init()
    {
        g_warnings.clear();
        QSettings store;
        store.clear();
        store.setValue("lastDeviceIdSelected", 4);
        store.setValue("deviceSelectorStartupShowCount", 50);
        store.setValue("variableHeightDemoCnt", 3);
        store.sync();
    }
    void cleanup()
    {
        QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join(QLatin1Char('\n'))));
    }

    void anOutputConditionReachesTheDeviceAndTheLiveViewFollowsInputs()
    {
        PdmRig rig;
        QVERIFY(rig.waitOnline());
        rig.openPage("pdmDialogs/PdmOutputSettingsDialog.qml", "{ outputIndex: 0 }");
        QObject *children = nullptr;
        QTRY_VERIFY((children = rig.find("outputFunctions")) != nullptr);

        // Add "input 2 is active" through the condition dialog, then apply from the header.
        rig.eval("add()", children);
        QObject *condition = nullptr;
        QTRY_VERIFY((condition = rig.find("internalFunctionSettingsDialog")) != nullptr);
        const int id = rig.eval("thisFunctionId", condition).toInt();
        QVERIFY(id > 0);
        QCOMPARE(rig.eval("func.inChannelType === ArdixEnums.ChannelType_Tic124LogicInput", condition).toBool(), true);
        rig.eval("func.inChannel = 1; save()", condition);
        QTRY_COMPARE(rig.eval("count", children).toInt(), 1);
        QVERIFY(rig.eval("describe(order[0])", children).toString().startsWith(QStringLiteral("Вход PDM #2")));
        QVERIFY(rig.eval("DevSettings.pdm.hasChanges").toBool());
        rig.eval("ardixKernel.applyNewPdmSettings()");

        QTRY_COMPARE_WITH_TIMEOUT(byteAt(rig.sim->pdmBlock(), OutputsAt + 47), quint8(1), 8000);
        const QByteArray block = rig.sim->pdmBlock();
        QCOMPARE(byteAt(block, OutputsAt + 50), quint8(id));
        const int f = FunctionsAt + id * FunctionRecord;
        QCOMPARE(byteAt(block, f + 44), quint8(1)); // PDM digital input
        QCOMPARE(byteAt(block, f + 45), quint8(1)); // input 2
        QVERIFY(byteAt(block, f + 40) & 0x80);      // an internal function
        QCOMPARE(byteAt(block, OutputsAt + OutputRecord + 47), quint8(0));

        // The live view: data flow in, the keep-alive runs, input 2 switches on and off.
        QObject *live = rig.eval("ardix.showPdmRealtimeDialog()").value<QObject *>();
        QVERIFY(live);
        QVERIFY(rig.eval("ardixKernel.isPdmRealtimeModeOn").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(rig.eval("messagesSeen", live).toInt() > 3, 5000);
        QVERIFY(rig.eval("isOnline", live).toBool());
        QVERIFY(rig.eval("ardix.pdmRealtimeKeepAliveTimer.running").toBool());
        QObject *lamp = rig.find("inputLamp_1");
        QVERIFY(lamp);
        const bool first = lamp->property("on").toBool();
        QTRY_VERIFY_WITH_TIMEOUT(lamp->property("on").toBool() != first, 8000);
        QTRY_VERIFY_WITH_TIMEOUT(lamp->property("on").toBool() == first, 8000);

        rig.eval("destroyBasicDialog()", live);
        QTRY_VERIFY(!rig.eval("ardixKernel.isPdmRealtimeModeOn").toBool());
        QVERIFY(!rig.eval("ardix.pdmRealtimeKeepAliveTimer.running").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.sim->realtimeLoopOn(), 3000);
    }

    void aCancelledConditionLeavesNothingBehind()
    {
        PdmRig rig;
        QVERIFY(rig.waitOnline());
        rig.openPage("pdmDialogs/PdmOutputSettingsDialog.qml", "{ outputIndex: 3 }");
        QObject *children = nullptr;
        QTRY_VERIFY((children = rig.find("outputFunctions")) != nullptr);
        rig.eval("add()", children);
        QObject *condition = nullptr;
        QTRY_VERIFY((condition = rig.find("internalFunctionSettingsDialog")) != nullptr);
        const int id = rig.eval("thisFunctionId", condition).toInt();
        rig.eval("func.inChannel = 4; destroyBasicDialog()", condition);
        QTRY_VERIFY(rig.find("internalFunctionSettingsDialog") == nullptr);
        QCOMPARE(rig.eval("count", children).toInt(), 0);
        QCOMPARE(rig.eval(QStringLiteral("DevSettings.pdm.functions[%1].inChannelType").arg(id)).toInt(), 0);
        QCOMPARE(rig.eval("DevSettings.pdm.hasChanges").toBool(), false);
    }

    void globalFunctionsShowTheirUsageBeforeTheyGo()
    {
        PdmRig rig;
        QVERIFY(rig.waitOnline());
        rig.openPage("logicDialogs/GlobalFunctionsAndCountersDialog.qml");
        QObject *page = nullptr;
        QTRY_VERIFY((page = rig.find("globalFunctionsAndCountersDialog")) != nullptr);
        const int fn = rig.eval("add(false)", page).toInt();
        const int counter = rig.eval("add(true)", page).toInt();
        QVERIFY(fn > 0 && counter > fn);
        QCOMPARE(rig.eval("entries", page).toList().size(), 2);
        QCOMPARE(rig.eval("entries[0]", page).toInt(), fn);

        // Reorder: the counter comes first.
        rig.eval("move(0, 1)", page);
        QCOMPARE(rig.eval("entries[0]", page).toInt(), counter);

        // Output 1 uses the function: deleting it says so first.
        rig.eval(QStringLiteral("(function() { const o = DevSettings.pdm.outputs[0]; o.outputName = 'Фары';"
                                " const l = o.functionsOrder; l[0] = %1; o.functionsOrder = l; o.functionsCount = 1 })()").arg(fn));
        rig.eval(QStringLiteral("askDelete(%1)").arg(fn), page);
        QObject *question = nullptr;
        QTRY_VERIFY((question = rig.eval("Array.prototype.filter.call(dialogLayer.children, d => d.dialogText !== undefined"
                                          " && d.acceptBtnText === 'Удалить')[0]").value<QObject *>()) != nullptr);
        const QString text = question->property("dialogText").toString();
        QVERIFY2(text.startsWith(QStringLiteral("Глобальная функция используется в настройках:\nВЫХОД - 'Фары'")), qPrintable(text));
        QMetaObject::invokeMethod(question, "accepted");
        QTRY_COMPARE(rig.eval("entries", page).toList().size(), 1);
        QCOMPARE(rig.eval(QStringLiteral("DevSettings.pdm.functions[%1].configBits").arg(fn)).toInt(), 0);
        QCOMPARE(rig.eval(QStringLiteral("DevSettings.pdm.functions[%1].listIndex").arg(counter)).toInt(), 0);
    }

    void aPasswordSetFromItsDialogGuardsTheDevice()
    {
        PdmRig rig;
        QVERIFY(rig.waitOnline());
        rig.eval("ardixKernel.showPdmSettingsPasswordDialog(true)");
        QObject *dialog = nullptr;
        QTRY_VERIFY((dialog = rig.find("pdmPasswordSettingsDialog")) != nullptr);
        QObject *first = rig.find("passwordField");
        QObject *second = rig.find("passwordRepeatField");
        first->setProperty("text", "ab");
        second->setProperty("text", "ab");
        QVERIFY(!dialog->property("canConfirm").toBool()); // too short
        first->setProperty("text", "pit_lane1");
        second->setProperty("text", "pit_lane2");
        QVERIFY(!dialog->property("canConfirm").toBool()); // entries differ
        second->setProperty("text", "pit_lane1");
        QVERIFY(dialog->property("canConfirm").toBool());
        rig.eval("confirm()", dialog);
        QTRY_VERIFY_WITH_TIMEOUT(SimSettings::pdmPasswordSet(rig.sim->pdmBlock()), 8000);
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
    TestUiPdm test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_pdm.moc"
