// The PDM pages against the in-process simulated PDM: a condition added to an output reaches the
// device and the live view follows the device's inputs; global functions show their usage before
// they go; a password set from its dialog guards the device's settings; CAN messages edited on
// the shared CAN pages reach the dash's and the PDM's blocks, each identifier in the notation
// the user chose.
#include "WarningLog.h"
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ClientWindow.h"
#include "PageHost.h"
#include "settings/ArdixEnums.h"
#include "simcore/device/SimSettingsBlocks.h"
#include "ui/InterfaceTypes.h"

#include <QGuiApplication>

#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

#include <memory>

namespace {

constexpr int OutputsAt = 4096;
constexpr int OutputRecord = 92;
constexpr int FunctionsAt = 7040;
constexpr int FunctionRecord = 88;

// Where the CAN records sit in each device's block.
struct CanLayout
{
    int inMessagesAt;
    int outMessagesAt;
};
constexpr CanLayout PdmCan{30464, 30464 + 64};
constexpr int DashExtraAt = 16588;
constexpr CanLayout DashCan{DashExtraAt + 428, DashExtraAt + 556};
constexpr int OutMessageRecord = 200;
constexpr int InMessageRecord = 8;

struct PdmRig : ArdixTest::ClientWindow
{
    explicit PdmRig(SimRole role = SimRole::Pdm) : ClientWindow(role) { load(); }
    QObject *find(const QString &name) { return item(name); }
    bool waitOnline()
    {
        return QTest::qWaitFor([this] { return eval("ardixKernel.ardixStatus === 1 && DevSettings.pdm !== null"
                                                     " && DevSettings.dash !== null").toBool(); }, 8000);
    }
    QObject *openPage(const QString &file, const QString &props = "{}")
    {
        return eval("ardix.openSettings().openPage('" + file + "', " + props + ")").value<QObject *>();
    }
    QQuickItem *findIn(QObject *under, const QString &name) { return ArdixTest::findItem(qobject_cast<QQuickItem *>(under), name); }
    // Types `text` into a field and leaves it, as Enter or Tab would.
    void type(QObject *field, const QString &text)
    {
        QVERIFY2(field, qPrintable(text));
        field->setProperty("text", text);
        QMetaObject::invokeMethod(field, "textEdited");
        QMetaObject::invokeMethod(field, "editingFinished");
    }
    void check(QObject *box)
    {
        QVERIFY(box);
        eval("toggle(); toggled()", box);
    }
};

quint8 byteAt(const QByteArray &b, int at) { return quint8(b.at(at)); }
quint32 u32At(const QByteArray &b, int at)
{
    return quint8(b.at(at)) | quint8(b.at(at + 1)) << 8 | quint8(b.at(at + 2)) << 16 | quint32(quint8(b.at(at + 3))) << 24;
}
quint16 u16At(const QByteArray &b, int at) { return quint16(quint8(b.at(at)) | quint8(b.at(at + 1)) << 8); }
} // namespace

class TestUiPdm : public QObject
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
        ArdixTest::resetWindowStore(ArdixEnums::Device_Pmx);
    }
    void cleanup() { m_warnings.verifyNone(); }

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
        QObject *output = rig.find("outputLamp_0");
        QVERIFY(output);
        // The device switches output 1 on its own condition: the lamp follows input 2 both ways
        // (after the condition's 100 ms on-delay and the next real-time message).
        for (bool wanted : {!first, first}) {
            QTRY_VERIFY_WITH_TIMEOUT(lamp->property("on").toBool() == wanted, 8000);
            QTRY_COMPARE_WITH_TIMEOUT(output->property("on").toBool(), wanted, 1500);
        }

        rig.eval("destroyBasicDialog()", live);
        QTRY_VERIFY(!rig.eval("ardixKernel.isPdmRealtimeModeOn").toBool());
        QVERIFY(!rig.eval("ardix.pdmRealtimeKeepAliveTimer.running").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(!rig.sim->realtimeLoopOn(), 3000);
    }

    // The output page typed as a user types, then the header's "Применить" clicked: a Cyrillic name
    // longer than its 32-byte field and a current beyond the output's rating are refused with a message
    // naming the field, nothing is sent; corrected, both reach the device exactly.
    void typedOutputSettingsReachTheDeviceOrAreRefused()
    {
        PdmRig rig;
        QVERIFY(rig.waitOnline());
        // Start from the device's settings, as a user answering the synchronisation question would.
        QObject *sync = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((sync = rig.find("syncDialog")) != nullptr || rig.eval("DevSettings.pdm.hasChanges === false"
                                 " && ardixKernel.ardixStatus === 1").toBool(), 5000);
        QTest::qWait(1500);
        if ((sync = rig.find("syncDialog")) != nullptr) {
            rig.eval("downloadFromDevice()", sync);
            QTRY_VERIFY_WITH_TIMEOUT(rig.find("syncDialog") == nullptr, 8000);
        }
        QObject *pageObject = rig.openPage("pdmDialogs/PdmOutputSettingsDialog.qml", "{ outputIndex: 0 }");
        auto *page = qobject_cast<QQuickItem *>(pageObject);
        QVERIFY(page);
        QTRY_COMPARE(page->opacity(), 1.0);
        QQuickItem *name = rig.findIn(page, "outputNameField");
        QQuickItem *maxCurrent = rig.findIn(page, "maxCurrentField");
        QQuickItem *apply = rig.findIn(page, "applyButtonRight");
        QVERIFY(name && maxCurrent && apply);
        const QByteArray before = rig.sim->pdmBlock();
        const QString nameBefore = rig.eval("DevSettings.pdm.outputs[0].outputName").toString();

        // 20 Cyrillic letters are 40 bytes: they do not fit, and are not cut.
        const QString tooLong = QStringLiteral("Вентилятор радиатора");
        QVERIFY(ArdixTest::typeKeys(rig.window, name, tooLong));
        QCOMPARE(name->property("text").toString(), tooLong);
        QVERIFY(ArdixTest::typeKeys(rig.window, maxCurrent, QStringLiteral("999")));
        QVERIFY(!maxCurrent->property("textValid").toBool());
        rig.eval("DevSettings.pdm.outputsHasChanges = true");
        QTRY_VERIFY(apply->isVisible());
        rig.sim->clearReceived();
        ArdixTest::clickItem(rig.window, apply);
        QQuickItem *info = nullptr;
        QTRY_VERIFY((info = rig.item("infoText")) != nullptr);
        const QString said = info->property("text").toString().toLower();
        QVERIFY2(said.contains(QStringLiteral("имя выхода")) && said.contains(QStringLiteral("31 байт")), qPrintable(said));
        QTest::qWait(1200);
        QTest::keyClick(rig.window, Qt::Key_Return);
        QTRY_VERIFY(rig.item("infoText") == nullptr);
        // The refused field has the keyboard again.
        QVERIFY(name->hasActiveFocus());
        QCOMPARE(rig.sim->pdmBlock().mid(OutputsAt, OutputRecord), before.mid(OutputsAt, OutputRecord));
        QCOMPARE(rig.eval("DevSettings.pdm.outputs[0].outputName").toString(), nameBefore);

        // Corrected: a 15-letter name (30 bytes) and 10 A.
        const QString fits = QStringLiteral("Вентилятор слев");
        QVERIFY(ArdixTest::typeKeys(rig.window, name, fits));
        QVERIFY(ArdixTest::typeKeys(rig.window, maxCurrent, QStringLiteral("10")));
        ArdixTest::clickItem(rig.window, apply);
        QTRY_COMPARE_WITH_TIMEOUT(byteAt(rig.sim->pdmBlock(), OutputsAt + 39), quint8(10), 8000);
        const QByteArray stored = rig.sim->pdmBlock().mid(OutputsAt, 32);
        QCOMPARE(QString::fromUtf8(stored.left(stored.indexOf('\0'))), fits);
        QCOMPARE(name->property("text").toString(), fits);
        QCOMPARE(maxCurrent->property("text").toString(), QStringLiteral("10"));
    }

    // Each new source of a condition starts afresh (its first operator, its channel, its on-delay),
    // whatever the source before it; "Данные Ardix" offers the dash's own enabled sensors too. What
    // is saved is what the device holds.
    void aConditionsSourceStartsAfreshAndReachesTheDevice()
    {
        PdmRig rig;
        QVERIFY(rig.waitOnline());
        rig.eval("DevSettings.dash.customSensors[0].customShortName = 'Тормоз'");
        QVERIFY(rig.eval("ardixKernel.getSensor(100).enable").toBool());
        rig.openPage("pdmDialogs/PdmOutputSettingsDialog.qml", "{ outputIndex: 0 }");
        QObject *children = nullptr;
        QTRY_VERIFY((children = rig.find("outputFunctions")) != nullptr);
        rig.eval("add()", children);
        QObject *condition = nullptr;
        QTRY_VERIFY((condition = rig.find("internalFunctionSettingsDialog")) != nullptr);
        const int id = rig.eval("thisFunctionId", condition).toInt();
        QObject *types = rig.findIn(condition, "channelTypeCombo");
        QVERIFY(types);
        // What a pick in the list does: the combo's own write, then the page's handler.
        const auto pick = [&](QObject *combo, int value) {
            const QVariantList model = combo->property("model").toList();
            for (int i = 0; i < model.size(); ++i) {
                if (model.at(i).toMap().value("value").toInt() == value) {
                    combo->setProperty("currentIndex", i);
                    QMetaObject::invokeMethod(combo, "activated", Q_ARG(int, i));
                    return true;
                }
            }
            return false;
        };
        // Each step: a source picked, then (as a user would) a channel of it picked before the next.
        struct Step { int type; int op; int channel; int onDelay; int thenChannel; };
        const Step steps[] = {
            {ArdixEnums::ChannelType_OutputCurrent, ArdixEnums::IfEqual, 0, 0, 5},
            {ArdixEnums::ChannelType_Constant, ArdixEnums::IfTrue, 1, 0, -1},
            {ArdixEnums::ChannelType_PdmOutputState, ArdixEnums::IfTrue, 0, 100, 3},
            {ArdixEnums::ChannelType_OutputFaultFlag, ArdixEnums::IfTrue, 0, 0, -1},
            {ArdixEnums::ChannelType_Tic124LogicInput, ArdixEnums::IfTrue, 0, 100, -1},
            {ArdixEnums::ChannelType_ArdixCanSensorsData, ArdixEnums::IfEqual, 0, 0, -1},
        };
        QObject *channels = rig.findIn(condition, "channelCombo");
        QVERIFY(channels);
        for (const Step &step : steps) {
            QVERIFY(pick(types, step.type));
            const QByteArray at = QByteArray::number(step.type);
            QCOMPARE(rig.eval("func.inChannelType", condition).toInt(), step.type);
            QVERIFY2(rig.eval("func.conditionOperator", condition).toInt() == step.op, at);
            QVERIFY2(rig.eval("func.inChannel", condition).toInt() == step.channel, at);
            QVERIFY2(rig.eval("func.trueDelayHystOrFlash", condition).toInt() == step.onDelay, at);
            if (step.thenChannel >= 0) {
                QTRY_VERIFY(pick(channels, step.thenChannel));
                QCOMPARE(rig.eval("func.inChannel", condition).toInt(), step.thenChannel);
            }
        }
        // The dash's custom sensor is on offer and is the one saved.
        QTRY_VERIFY(pick(channels, 100));
        QVERIFY(pick(rig.findIn(condition, "operatorCombo"), ArdixEnums::IfGreaterThan));
        rig.eval("save()", condition);
        QTRY_COMPARE(rig.eval("count", children).toInt(), 1);
        rig.eval("ardixKernel.applyNewPdmSettings()");
        const int f = FunctionsAt + id * FunctionRecord;
        QTRY_COMPARE_WITH_TIMEOUT(byteAt(rig.sim->pdmBlock(), f + 44), quint8(ArdixEnums::ChannelType_ArdixCanSensorsData), 8000);
        const QByteArray block = rig.sim->pdmBlock();
        QCOMPARE(byteAt(block, f + 45), quint8(100));
        QCOMPARE(byteAt(block, f + 61), quint8(ArdixEnums::IfGreaterThan));
        QCOMPARE(u16At(block, f + 48), quint16(0));
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

    void aCanMessageEditedOnItsPagesReachesTheDevice_data()
    {
        QTest::addColumn<int>("device");
        QTest::addColumn<int>("inAt");
        QTest::addColumn<int>("outAt");
        QTest::addColumn<QString>("formatKey");
        QTest::newRow("dash") << 0 << DashCan.inMessagesAt << DashCan.outMessagesAt << "canInputMessagesIdFormatIsHexDash";
        QTest::newRow("pdm") << 4 << PdmCan.inMessagesAt << PdmCan.outMessagesAt << "canInputMessagesIdFormatIsHex";
    }
    void aCanMessageEditedOnItsPagesReachesTheDevice()
    {
        QFETCH(int, device);
        QFETCH(int, inAt);
        QFETCH(int, outAt);
        QFETCH(QString, formatKey);
        const bool isPdm = device == 4;
        QSettings().setValue("lastDeviceIdSelected", device);
        PdmRig rig(isPdm ? SimRole::Pdm : SimRole::Dash);
        QVERIFY(rig.waitOnline());
        const QString props = QStringLiteral("{ parentDev: %1 }").arg(device);

        // Filter 2: on, identifier typed in hex, then shown and typed in decimal.
        QObject *filters = rig.openPage("canDialogs/CanInputMessagesDialog.qml", props);
        QVERIFY(filters);
        QObject *card = nullptr;
        QTRY_VERIFY((card = rig.find("canInMessage_1")) != nullptr);
        rig.check(rig.findIn(card, "canInEnabled_1"));
        QObject *idField = rig.findIn(card, "canInId_1");
        rig.type(rig.findIn(idField, "canIdHexField"), "1f5");
        QCOMPARE(rig.eval("messages[1].canId", filters).toInt(), 0x1F5);
        QVERIFY(rig.eval("flagOwner.customCanHasChanges", filters).toBool());
        QMetaObject::invokeMethod(rig.findIn(idField, "canIdFormatButton"), "clicked");
        QTRY_VERIFY(!idField->property("isHex").toBool());
        QCOMPARE(rig.findIn(idField, "canIdDecField")->property("text").toString(), QStringLiteral("501"));
        rig.type(rig.findIn(idField, "canIdDecField"), "1000");
        rig.type(rig.findIn(idField, "canIdDecField"), "4000"); // above 0x7FF: red, not taken
        QCOMPARE(rig.eval("messages[1].canId", filters).toInt(), 1000);
        QCOMPARE(rig.eval("AppSettings." + formatKey).toList(), QVariantList({true, false}));

        // Transmitted message 1: on, every 250 ms, carrying a constant in its first item.
        rig.eval("StackView.view.pop()", filters);
        QObject *out = rig.openPage("canDialogs/CanOutputMessagesDialog.qml", props);
        QVERIFY(out);
        QTRY_VERIFY((card = rig.find("canOutMessage_0")) != nullptr);
        rig.eval("message.rateMillis = 0", card); // a message never sent has no period yet
        QCOMPARE(rig.findIn(card, "canOutRate_0")->property("text").toString(), QStringLiteral("0"));
        rig.check(rig.findIn(card, "canOutEnabled_0"));
        // Switched on, it gets a period of its own rather than a red 0.
        QCOMPARE(rig.findIn(card, "canOutRate_0")->property("text").toString(), QStringLiteral("100"));
        QVERIFY(rig.findIn(card, "canOutRate_0")->property("textValid").toBool());
        rig.type(rig.findIn(card, "canOutRate_0"), "250");
        QMetaObject::invokeMethod(rig.findIn(card, "canOutDataButton_0"), "clicked");
        QObject *data = nullptr;
        QTRY_VERIFY((data = rig.find("canOutputDataDialog")) != nullptr);
        rig.eval("setSource(items[0], ArdixEnums.ChannelType_Constant)", data);
        QObject *item = nullptr;
        QTRY_VERIFY((item = rig.find("canOutData_0")) != nullptr);
        QCOMPARE(rig.eval("items[0].dataSize", data).toInt(), 2);
        rig.eval("apply()", data);

        QTRY_COMPARE_WITH_TIMEOUT(u32At(isPdm ? rig.sim->pdmBlock() : rig.sim->dashBlock(), inAt + InMessageRecord), 1000u, 8000);
        const QByteArray block = isPdm ? rig.sim->pdmBlock() : rig.sim->dashBlock();
        QVERIFY(byteAt(block, inAt + InMessageRecord + 4) & 0x40);  // filter 2 on
        QVERIFY(!(byteAt(block, inAt + 4) & 0x40));                  // filter 1 untouched
        QVERIFY(byteAt(block, outAt + 4) & 0x01);                     // message 1 on
        QCOMPARE(u16At(block, outAt + 6), quint16(250));
        QCOMPARE(byteAt(block, outAt + 8), quint8(6));                // a constant
        QCOMPARE(byteAt(block, outAt + 10) & 0x0F, 2);                // as 16 bits
        QCOMPARE(byteAt(block, outAt + OutMessageRecord + 4) & 0x01, 0);

        // The notation is remembered: the filters page opens filter 2 in decimal, filter 1 in hex.
        rig.eval("StackView.view.pop(); StackView.view.pop()", data);
        QObject *again = rig.openPage("canDialogs/CanInputMessagesDialog.qml", props);
        QTRY_VERIFY((card = rig.find("canInMessage_1")) != nullptr);
        QVERIFY(!rig.findIn(card, "canInId_1")->property("isHex").toBool());
        QCOMPARE(rig.findIn(rig.findIn(card, "canInId_1"), "canIdDecField")->property("text").toString(), QStringLiteral("1000"));
        QVERIFY(rig.findIn(rig.find("canInMessage_0"), "canInId_0")->property("isHex").toBool());
        QVERIFY(again);
    }

    void pdmCanInputsReachTheDevice()
    {
        PdmRig rig;
        QVERIFY(rig.waitOnline());
        constexpr int AnalogAt = 30464 + 1664, AnalogRecord = 48, DigitalAt = 30464 + 2432, DigitalRecord = 36;
        QObject *page = rig.openPage("canDialogs/CanDigitalInputsDialog.qml", "{ parentDev: ArdixEnums.Device_Pmx }");
        QObject *card = nullptr;
        QTRY_VERIFY((card = rig.find("canDigitalInput_2")) != nullptr);
        rig.check(rig.findIn(card, "canDiEnabled_2"));
        rig.type(rig.findIn(card, "canDiName_2"), "Кнопка руля");
        rig.type(rig.findIn(card, "canDiMask_2"), "0x1C");
        rig.eval("StackView.view.pop()", page);
        page = rig.openPage("canDialogs/CanAnalogInputsDialog.qml", "{ parentDev: ArdixEnums.Device_Pmx }");
        QTRY_VERIFY((card = rig.find("canAnalogInput_0")) != nullptr);
        rig.check(rig.findIn(card, "canAiEnabled_0"));
        rig.eval("setFormat(inputs[0], 3)", page); // 16 bit, signed
        rig.type(rig.findIn(card, "canAiMultiplier_0"), "-12");
        rig.eval("apply()", page);

        QTRY_COMPARE_WITH_TIMEOUT(byteAt(rig.sim->pdmBlock(), DigitalAt + 2 * DigitalRecord + 34), quint8(0x1C), 8000);
        const QByteArray block = rig.sim->pdmBlock();
        QVERIFY(byteAt(block, DigitalAt + 2 * DigitalRecord + 32) & 0x10);
        QCOMPARE(block.mid(DigitalAt + 2 * DigitalRecord, 21), QStringLiteral("Кнопка руля").toUtf8());
        QVERIFY(byteAt(block, AnalogAt + 33) & 0x40);
        QCOMPARE(byteAt(block, AnalogAt + 34) & 0x0C, 0x0C);
        QCOMPARE(qint16(u16At(block, AnalogAt + 44)), qint16(-12));
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
