// The settings stack over the real kernel connected to the simulated dash: a change made in a
// menu row and applied from the header reaches the device's block. With ARDIX_SCREENSHOT_DIR set,
// the menus are also rendered at both window widths into that folder, for people to look at.
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "settings/ArdixEnums.h"

#include <QDir>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>

using namespace e2e;

namespace {

constexpr int CommonOffset = 5880; // the common settings record in the dash block
constexpr int Can1BaudAt = CommonOffset + 1;
constexpr int MenuWidth = 75;

QStringList g_qmlWarnings;
QtMessageHandler g_previous = nullptr;


// A window that offers what the settings pages call on the main window.
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
    property var dialogs: []
    onWidthChanged: AppStyle.appWindowWidth = width
    function createDialog(props, handlers) { dialogs.push(props); return null }
    function showFileDialog(devId, fileType, isImport, fileName) {}
    function getPdmFunctionDescription(id) { return "" }
    function openSettings() {
        DevSettings.dash = kernel.currentArdixSettings
        DevSettings.pdm = kernel.currentPdmSettings
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

} // namespace

class TestUiSettings : public QObject
{
    Q_OBJECT

    QQmlEngine *m_engine = nullptr;
    QQuickWindow *m_window = nullptr;

    QQuickWindow *makeHost(ArdixKernel *kernel, int width)
    {
        QQmlComponent component(m_engine);
        component.setData(HostQml, QUrl(QStringLiteral("qrc:/ui_test/Host.qml")));
        QObject *object = component.create();
        if (!object)
            qWarning().noquote() << component.errorString();
        auto *window = qobject_cast<QQuickWindow *>(object);
        if (!window)
            return nullptr;
        window->setProperty("kernel", QVariant::fromValue<QObject *>(kernel));
        window->resize(width, int((width - MenuWidth) / 1.6));
        return window;
    }

    QQuickItem *openSettings(QQuickWindow *window)
    {
        QVariant settings;
        QMetaObject::invokeMethod(window, "openSettings", Q_RETURN_ARG(QVariant, settings));
        return qobject_cast<QQuickItem *>(settings.value<QObject *>());
    }

    void shoot(QQuickWindow *window, const QString &name)
    {
        const QString dir = qEnvironmentVariable("ARDIX_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        QDir().mkpath(dir);
        QTest::qWait(450); // fades and the combo hint run out
        const QString file = dir + QStringLiteral("/%1_%2.png").arg(name).arg(window->width());
        QVERIFY2(window->grabWindow().save(file), qPrintable(file));
    }

private slots:
    void initTestCase()
    {
        setUpApplication();
        g_previous = ArdixTest::collectWarnings(&g_qmlWarnings, true);
    }

    void cleanupTestCase()
    {
        qInstallMessageHandler(g_previous);
        QVERIFY2(g_qmlWarnings.isEmpty(), qPrintable(g_qmlWarnings.join(QLatin1Char('\n'))));
    }

    void canSpeedRowReachesTheDevice()
    {
        Rig r;
        r.sim.setDashBlock(storedDashBlock());
        QSignalSpy synced(r.kernel.get(), &ArdixKernel::syncCompletedSignal);
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 8000);

        QQmlEngine engine;
        registerArdixTypes();
        m_engine = &engine;
        std::unique_ptr<QQuickWindow> window(makeHost(r.kernel.get(), 900));
        QVERIFY(window);
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QQuickItem *settings = openSettings(window.get());
        QVERIFY(settings);
        QTest::qWait(300);

        QQuickItem *combo = findItem(settings, QStringLiteral("canSpeedCombo"));
        QQuickItem *apply = findItem(settings, QStringLiteral("applyButtonRight"));
        QVERIFY(combo && apply);
        QVERIFY(!apply->isVisible());
        const qint8 before = qint8(r.sim.dashBlock().at(Can1BaudAt));
        const qint8 wanted = before == ArdixEnums::CanbusBaud_500kbps ? ArdixEnums::CanbusBaud_250kbps
                                                                      : ArdixEnums::CanbusBaud_500kbps;
        // The user steps the combo with the arrow keys, then applies from the header.
        combo->forceActiveFocus();
        for (int i = 0; i < 5 && combo->property("currentIndex").toInt() != wanted + 1; ++i)
            QTest::keyClick(window.get(), combo->property("currentIndex").toInt() > wanted + 1 ? Qt::Key_Up : Qt::Key_Down);
        QCOMPARE(combo->property("currentIndex").toInt(), wanted + 1);
        QTRY_VERIFY(apply->isVisible());
        shoot(window.get(), QStringLiteral("dash_menu_changed"));

        synced.clear();
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, centreOf(apply));
        QTRY_COMPARE_WITH_TIMEOUT(qint8(r.sim.dashBlock().at(Can1BaudAt)), wanted, 2000);
        QTRY_VERIFY_WITH_TIMEOUT(synced.count() >= 1, 3000);
        QVERIFY(!apply->isVisible());
        QCOMPARE(r.sim.dashBlock(), storedDashBlock());
        m_engine = nullptr;
    }

    void screenshots_data()
    {
        QTest::addColumn<int>("width");
        QTest::newRow("900") << 900;
        QTest::newRow("896") << 896; // 0.7 of a 1280-wide screen
    }
    void screenshots()
    {
        if (qEnvironmentVariableIsEmpty("ARDIX_SCREENSHOT_DIR"))
            QSKIP("set ARDIX_SCREENSHOT_DIR to render the settings menus");
        QFETCH(int, width);
        Rig r;
        QQmlEngine engine;
        registerArdixTypes();
        m_engine = &engine;
        std::unique_ptr<QQuickWindow> window(makeHost(r.kernel.get(), width));
        QVERIFY(window && QTest::qWaitForWindowExposed(window.get()));

        QQmlComponent appSettings(&engine);
        appSettings.setData("import QtQml\nimport ARDIX 1.0\nQtObject { function pick(d) { AppSettings.lastDeviceIdSelected = d } }",
                            QUrl());
        std::unique_ptr<QObject> picker(appSettings.create());
        QMetaObject::invokeMethod(picker.get(), "pick", Q_ARG(QVariant, int(ArdixEnums::Device_Ardix7)));

        QQuickItem *settings = openSettings(window.get());
        QVERIFY(settings);
        shoot(window.get(), QStringLiteral("dash_menu_top"));
        QQuickItem *logo = findItem(settings, QStringLiteral("logoInfoButton"));
        QVERIFY(logo);
        logo->forceActiveFocus();
        shoot(window.get(), QStringLiteral("dash_menu_bottom"));
        QTest::keyClick(window.get(), Qt::Key_Return);
        shoot(window.get(), QStringLiteral("logo_info"));
        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTest::qWait(300);
        QQuickItem *warnings = findItem(settings, QStringLiteral("row_Settings_Warnings"));
        QVERIFY(warnings);
        warnings->forceActiveFocus(); // scrolls it into view
        QTest::qWait(100);
        QTest::mouseClick(window.get(), Qt::LeftButton, {}, centreOf(warnings));
        shoot(window.get(), QStringLiteral("not_available"));
        QMetaObject::invokeMethod(settings, "closeStack");
        QTest::qWait(100);

        QMetaObject::invokeMethod(picker.get(), "pick", Q_ARG(QVariant, int(ArdixEnums::Device_Pmx)));
        QQuickItem *pdm = openSettings(window.get());
        QVERIFY(pdm);
        shoot(window.get(), QStringLiteral("pdm_menu_top"));
        QQuickItem *last = findItem(pdm, QStringLiteral("row_PdmSettings_SaveSettingToFile"));
        QVERIFY(last);
        last->forceActiveFocus();
        shoot(window.get(), QStringLiteral("pdm_menu_bottom"));
        QMetaObject::invokeMethod(pdm, "closeStack");
        QMetaObject::invokeMethod(picker.get(), "pick", Q_ARG(QVariant, int(ArdixEnums::Device_Ardix7)));
        m_engine = nullptr;
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    // The application's font, as the window sets it, so that the pictures show the real widths.
    const int font = QFontDatabase::addApplicationFont(QStringLiteral(":/ARDIX/fonts/RobotoCondensed-MediumItalic.ttf"));
    if (font >= 0)
        QGuiApplication::setFont(QFont(QFontDatabase::applicationFontFamilies(font).value(0)));
    TestUiSettings test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_settings.moc"
