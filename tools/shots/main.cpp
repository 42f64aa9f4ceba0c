// ardix-shots: starts a simulated dash or PDM on loopback, loads the client's window against it,
// opens each screen and dialog in turn and saves what the window shows as PNG files.
//
//   ardix-shots --out DIR [--pdm] [--prefix NAME]
//
// Run it offscreen with an isolated settings folder (scripts/screenshots.sh does).
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "simcore/device/DeviceSimulator.h"
#include "ui/InterfaceFont.h"
#include "ui/InterfaceTypes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

#include <cstdio>

namespace {

struct Shot
{
    const char *name;
    const char *open;   // evaluated in the window's context
    int settleMs;
};

// Closes whatever the previous shot opened: every dynamic dialog, the selector, the pop-up.
constexpr const char *kReset =
    "(function() { for (let i = dialogLayer.children.length - 1; i >= 0; --i) dialogLayer.children[i].destroy();"
    " ardix.isSyncDialogOn = false; ardix.isBusyOnScreen = false; deviceSelector.close(); return true })()";

const Shot kDashShots[] = {
    {"main", "true", 300},
    {"selector", "deviceSelector.open()", 1300},
    {"settings_menu", "ardix.openSettings()", 900},
    {"sync", "ardixKernel.showSyncDiaglog(false)", 900},
    {"info", "ardix.infoDialog('соединение с устройством не установлено, все произведенные изменения будут применены при первом же подключении')", 700},
    {"busy", "ardix.showBusyDialog(30000)", 700},
    {"message", "ardix.createDialog({dialogTitle: 'Внимание', dialogText: 'У вас есть не сохраненные изменения\\nПрименить?', acceptBtnText: 'Применить', cancelBtnText: 'Нет, Удалить', cancelBtnColor: '#975a5a', isCancelBtnVisible: true, isExitBtnVisible: true})", 700},
    {"message_input", "ardix.createDialog({dialogTitle: 'Введите имя файла', dialogText: 'Paddock_settings', isTextInput: true, isCancelBtnVisible: true})", 700},
    {"message_number", "ardix.createDialog({dialogTitle: 'Порог', isIntInput: true, intValue: 120, intFrom: 0, intTo: 250, isCancelBtnVisible: true})", 700},
    {"popup", "popUp.show('есть связь')", 1000},
    {"not_available", "ardix.openNotAvailable('Логи')", 700},
    {"page_lamps", "ardix.openSettings().openPage('dialogs/LampsConfigDialog.qml')", 900},
    {"page_actions", "ardix.openSettings().openPage('dialogs/ActionsConfigDialog.qml')", 900},
    {"page_gear_inputs", "ardix.openSettings().openPage('dialogs/GearDigitalInputsDialog.qml')", 900},
    {"page_all_sensors", "ardix.openSettings().openPage('dialogs/AllSensorsConfigDialog.qml')", 900},
    {"page_all_sensors_can", "(function() { const p = ardix.openSettings().openPage('dialogs/AllSensorsConfigDialog.qml'); p.openPopup(p.canPopupComponent, { sensor: DevSettings.dash.sensors[1], messageIndex: 0 }); return true })()", 900},
    {"page_outputs", "ardix.openSettings().openPage('dialogs/OutputPortConfigDialog.qml')", 900},
    {"page_warnings", "ardix.openSettings().openPage('dialogs/SensorsByInputType.qml', { setWarnings: true })", 900},
};

const Shot kPdmShots[] = {
    {"main", "true", 300},
    {"settings_menu", "ardix.openSettings()", 900},
    {"sync_password", "ardixKernel.showSyncDiaglog(true)", 900},
};

QVariant evaluate(QQmlContext *context, QObject *scope, const QString &js)
{
    QQmlExpression expression(context, scope, js);
    const QVariant result = expression.evaluate();
    if (expression.hasError())
        std::fprintf(stderr, "ardix-shots: %s\n", qPrintable(expression.error().toString()));
    return result;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    applyProcessLocale();

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"out", "Folder for the PNG files.", "dir", "."});
    parser.addOption({"prefix", "Prefix of the file names.", "name", ""});
    parser.addOption({"pdm", "Simulate a PDM instead of a dash."});
    parser.process(app);
    const QDir out(parser.value("out"));
    QDir().mkpath(out.path());
    const bool pdm = parser.isSet("pdm");

    SimOptions options;
    options.role = pdm ? SimRole::Pdm : SimRole::Dash;
    DeviceSimulator sim(options);
    if (!sim.start()) {
        std::fprintf(stderr, "ardix-shots: the simulator could not listen on loopback\n");
        return 1;
    }
    qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
    qputenv("ARDIX_DEVICE_PORT", QByteArray::number(sim.port()));
    qputenv("ARDIX_DEVICE_WEB_PORT", QByteArray::number(sim.webPort()));

    // The interface follows the device family it was last used with.
    QSettings().setValue("lastDeviceIdSelected", pdm ? 4 : 0);
    QSettings().setValue("deviceSelectorStartupShowCount", 50);
    QSettings().setValue("variableHeightDemoCnt", 3);

    QQmlApplicationEngine engine;
    registerArdixTypes();
    registerInterfaceTypes();
    loadInterfaceFont();
    engine.load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    QQmlContext *context = qmlContext(window);
    QTest::qWaitForWindowExposed(window);

    // Connected, synchronised, pop-ups gone.
    QTest::qWaitFor([&] { return evaluate(context, window, "ardixKernel.ardixStatus === 1").toBool(); }, 10000);
    QTest::qWait(3500);
    evaluate(context, window, kReset);

    const QString prefix = parser.value("prefix");
    const auto shoot = [&](const Shot &shot) {
        evaluate(context, window, kReset);
        QTest::qWait(400);
        evaluate(context, window, QString::fromUtf8(shot.open));
        QTest::qWait(shot.settleMs);
        const QString file = out.filePath(prefix + QLatin1String(shot.name) + QStringLiteral(".png"));
        if (!window->grabWindow().save(file))
            std::fprintf(stderr, "ardix-shots: cannot write %s\n", qPrintable(file));
        else
            std::printf("%s\n", qPrintable(file));
    };
    if (pdm) {
        for (const Shot &s : kPdmShots)
            shoot(s);
    } else {
        for (const Shot &s : kDashShots)
            shoot(s);
    }
    evaluate(context, window, kReset);
    return 0;
}
