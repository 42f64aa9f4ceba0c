// The dash settings pages over the real kernel connected to the simulated dash: what a user
// chooses on a page and applies from the header is what the device's block holds afterwards.
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "settings/ArdixEnums.h"

#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>

using namespace e2e;

namespace {

constexpr int ExtraOffset = 16588;             // the extra settings area in the dash block
constexpr int LampsAt = ExtraOffset + 44;      // 64 lamp records of 4 bytes, by lamp index
constexpr int LampRecordSize = 4;
constexpr int CommonOffset = 5880;
constexpr int FansAt = CommonOffset + 356;     // three output ports of five bytes

QStringList g_qmlWarnings;
QtMessageHandler g_previous = nullptr;


// A window offering what the pages call on the main window; it records the messages shown.
const char *const HostQml = R"(
import QtQuick
import QtQuick.Window
import ARDIX 1.0
import "qrc:/ARDIX/qml"

Window {
    id: win
    color: "black"
    visible: true
    property var kernel: null
    property bool isSyncDialogOn: false
    property bool isBusyOnScreen: false
    property bool isPdmSettingsOnScreen: false
    property bool isMobile: false
    property var messages: []
    onWidthChanged: AppStyle.appWindowWidth = width
    function createDialog(props, handlers) { messages.push(props.dialogText || ""); return null }
    function showFileDialog(devId, fileType, isImport, fileName) {}
    function getPdmFunctionDescription(id) { return "" }
    function openSettings() {
        DevSettings.dash = kernel.currentArdixSettings
        DevSettings.pdm = kernel.currentPdmSettings
        AppSettings.lastDeviceIdSelected = ArdixEnums.Device_Ardix7
        return settingsComponent.createObject(win.contentItem, { window: win, kernel: kernel })
    }
    Component { id: settingsComponent; Settings {} }
}
)";

QQuickItem *findItem(QQuickItem *root, const QString &name)
{
    if (!root)
        return nullptr;
    if (root->objectName() == name)
        return root;
    const QList<QQuickItem *> children = root->childItems();
    for (QQuickItem *child : children)
        if (QQuickItem *found = findItem(child, name))
            return found;
    return nullptr;
}

QPoint centreOf(QQuickItem *item)
{
    return item->mapToScene(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

QByteArray lampRecord(const QByteArray &block, int lampIndex)
{
    return block.mid(LampsAt + lampIndex * LampRecordSize, LampRecordSize);
}

} // namespace

class TestUiPages : public QObject
{
    Q_OBJECT

    std::unique_ptr<QQmlEngine> m_engine;
    std::unique_ptr<QQuickWindow> m_window;

    bool openHost(ArdixKernel *kernel)
    {
        m_engine = std::make_unique<QQmlEngine>();
        QQmlComponent component(m_engine.get());
        component.setData(HostQml, QUrl(QStringLiteral("qrc:/ui_pages_test/Host.qml")));
        m_window.reset(qobject_cast<QQuickWindow *>(component.create()));
        if (!m_window) {
            qWarning().noquote() << component.errorString();
            return false;
        }
        m_window->setProperty("kernel", QVariant::fromValue<QObject *>(kernel));
        m_window->resize(1280, 760);
        return QTest::qWaitForWindowExposed(m_window.get());
    }

    void closeHost()
    {
        m_window.reset();
        m_engine.reset();
    }

    QQuickItem *openSettings()
    {
        QVariant settings;
        QMetaObject::invokeMethod(m_window.get(), "openSettings", Q_RETURN_ARG(QVariant, settings));
        return qobject_cast<QQuickItem *>(settings.value<QObject *>());
    }

    QQuickItem *clickRow(QQuickItem *settings, const QString &rowName)
    {
        QQuickItem *row = findItem(settings, rowName);
        if (!row)
            return nullptr;
        row->forceActiveFocus(); // scrolls it into view
        QTest::qWait(100);
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centreOf(row));
        QTest::qWait(400);
        return qobject_cast<QQuickItem *>(settings->property("currentItem").value<QObject *>());
    }

    // A user's path through a combo: focus it and step down with the arrow key.
    void stepDown(QQuickItem *combo, int steps)
    {
        combo->forceActiveFocus();
        for (int i = 0; i < steps; ++i)
            QTest::keyClick(m_window.get(), Qt::Key_Down);
    }

    QStringList messages() const { return m_window->property("messages").toStringList(); }

    static void waitSynced(Rig &r)
    {
        r.sim.setDashBlock(storedDashBlock());
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 8000);
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        registerArdixTypes();
        g_previous = ArdixTest::collectWarnings(&g_qmlWarnings, true);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(g_previous);
        QVERIFY2(g_qmlWarnings.isEmpty(), qPrintable(g_qmlWarnings.join(QLatin1Char('\n'))));
    }

    // A lamp bound to a dash input reaches the device; a second lamp cannot take the same input.
    void lampBindingReachesTheDevice()
    {
        Rig r;
        waitSynced(r);
        QVERIFY(openHost(r.kernel.get()));
        QQuickItem *settings = openSettings();
        QVERIFY(settings);
        QTest::qWait(300);
        QQuickItem *page = clickRow(settings, QStringLiteral("row_Settings_LampsConfig"));
        QVERIFY(page);
        QCOMPARE(page->objectName(), QStringLiteral("lampsConfigDialog"));

        QQuickItem *abs = findItem(page, QStringLiteral("lampRow_%1").arg(ArdixEnums::Lamp_ABS));
        QQuickItem *turn = findItem(page, QStringLiteral("lampRow_%1").arg(ArdixEnums::Lamp_LeftTurn));
        QVERIFY(abs && turn);
        QCOMPARE(lampRecord(r.sim.dashBlock(), ArdixEnums::Lamp_ABS), QByteArray(4, '\0'));

        // "Цифровые входы Ardix", then the first input that is free.
        stepDown(findItem(abs, QStringLiteral("typeCombo")), 1);
        QVERIFY(abs->property("pending").toBool());
        QQuickItem *channels = findItem(abs, QStringLiteral("channelCombo"));
        for (int i = 0; i < 8 && abs->property("pending").toBool(); ++i)
            stepDown(channels, 1);
        QVERIFY(!abs->property("pending").toBool());
        QQuickItem *apply = findItem(page, QStringLiteral("applyButtonRight"));
        QVERIFY(apply);
        QTRY_VERIFY(apply->isVisible());
        const QVariantList model = channels->property("model").toList();
        const int input = model.at(channels->property("currentIndex").toInt()).toMap().value(QStringLiteral("value")).toInt();

        // The same input for the left turn: refused with a message, not stored.
        stepDown(findItem(turn, QStringLiteral("typeCombo")), 1);
        QQuickItem *turnChannels = findItem(turn, QStringLiteral("channelCombo"));
        stepDown(turnChannels, channels->property("currentIndex").toInt() + 1);
        QVERIFY(!messages().isEmpty());
        QVERIFY2(messages().constLast().startsWith(QStringLiteral("Данный вход занят: Неисправность ABS")),
                 qPrintable(messages().constLast()));
        QVERIFY(turn->property("pending").toBool());

        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centreOf(apply));
        const QByteArray expected = QByteArray::fromRawData("\x0C", 1) + char(input) + QByteArray(2, '\0');
        QTRY_COMPARE_WITH_TIMEOUT(lampRecord(r.sim.dashBlock(), ArdixEnums::Lamp_ABS), expected, 3000);
        QCOMPARE(lampRecord(r.sim.dashBlock(), ArdixEnums::Lamp_LeftTurn), QByteArray(4, '\0'));
        QMetaObject::invokeMethod(settings, "closeStack");
        closeHost();
    }

    // An on-temperature above its range stays red and never reaches the device; a valid one does.
    void outputPortKeepsBadNumbersOut()
    {
        Rig r;
        waitSynced(r);
        QVERIFY(openHost(r.kernel.get()));
        QQuickItem *settings = openSettings();
        QVERIFY(settings);
        QVariant page;
        QMetaObject::invokeMethod(settings, "openPage", Q_RETURN_ARG(QVariant, page),
                                  Q_ARG(QVariant, QStringLiteral("dialogs/OutputPortConfigDialog.qml")), Q_ARG(QVariant, QVariantMap()));
        auto *outputs = qobject_cast<QQuickItem *>(page.value<QObject *>());
        QVERIFY(outputs);
        QTest::qWait(300);
        QQuickItem *port = findItem(outputs, QStringLiteral("portRow_0"));
        QVERIFY(port);
        QQuickItem *onField = findItem(port, QStringLiteral("onField"));
        QVERIFY(onField && onField->isEnabled()); // port 1 is a fan by default
        const QByteArray before = r.sim.dashBlock().mid(FansAt, 5);

        const auto type = [&](const char *text) {
            QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centreOf(onField));
            QVERIFY(onField->hasActiveFocus());
            QMetaObject::invokeMethod(onField, "selectAll");
            for (const char *c = text; *c; ++c)
                QTest::keyClick(m_window.get(), *c);
            QTest::keyClick(m_window.get(), Qt::Key_Return);
        };
        type("300");
        QVERIFY(!onField->property("textValid").toBool());
        QQuickItem *apply = findItem(outputs, QStringLiteral("applyButtonRight"));
        QVERIFY(apply && !apply->isVisible());

        type("105");
        QVERIFY(onField->property("textValid").toBool());
        QTRY_VERIFY(apply->isVisible());
        QTest::mouseClick(m_window.get(), Qt::LeftButton, {}, centreOf(apply));
        QByteArray expected = before;
        expected[2] = char(105);
        QTRY_COMPARE_WITH_TIMEOUT(r.sim.dashBlock().mid(FansAt, 5), expected, 3000);
        QMetaObject::invokeMethod(settings, "closeStack");
        closeHost();
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    TestUiPages test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_pages.moc"
