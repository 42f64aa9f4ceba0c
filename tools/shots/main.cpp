// ardix-shots: starts a simulated dash or PDM on loopback, loads the client's window against it,
// opens each screen and dialog in turn and saves what the window shows as PNG files.
//
//   ardix-shots --out DIR [--pdm] [--prefix NAME]
//
// Run it offscreen with an isolated settings folder (scripts/screenshots.sh does).
#include "ShotList.h"
#include "app/InterfaceLanguage.h"
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "simcore/device/DeviceSimulator.h"
#include "simcore/device/SimFirmwareServer.h"
#include "update/FirmwareCatalog.h"
#include "ui/InterfaceFont.h"
#include "ui/InterfaceTypes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickWindow>
#include <QSettings>
#include <QStandardPaths>
#include <QFile>
#include <QTest>

#include <cstdio>

namespace {

using shots::Shot;
using shots::kDashShots;
using shots::kPdmShots;
using shots::kReset;

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
    parser.addOption({"language", "Interface language (ru, en).", "code", "ru"});
    parser.addOption({"only", "Comma-separated shot names to take (default: all).", "names", ""});
    parser.addOption({"taller", "Make the window this much taller than its minimum height.", "pixels", "0"});
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
    // The firmware catalogue for the update page, with the stable file of this device already
    // downloaded so that its row shows every button.
    SimFirmwareServer firmwareServer;
    if (!firmwareServer.listen(0)) {
        std::fprintf(stderr, "ardix-shots: the firmware server could not listen on loopback\n");
        return 1;
    }
    qputenv("ARDIX_FIRMWARE_URL", "http://127.0.0.1:" + QByteArray::number(firmwareServer.port()) + "/firmware/");
    QDir().mkpath(FirmwareCatalog::localFolder());
    for (const SimFirmwareServer::File &f : firmwareServer.files()) {
        if (f.name.startsWith(pdm ? QStringLiteral("pdmFirmware_S") : QStringLiteral("firmware_S"))) {
            QFile file(FirmwareCatalog::localFolder() + f.name);
            if (file.open(QIODevice::WriteOnly))
                file.write(f.bytes);
        }
    }
    qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
    qputenv("ARDIX_DEVICE_PORT", QByteArray::number(sim.port()));
    qputenv("ARDIX_DEVICE_WEB_PORT", QByteArray::number(sim.webPort()));

    // The interface follows the device family it was last used with.
    QSettings().setValue("lastDeviceIdSelected", pdm ? 4 : 0);
    QSettings().setValue("deviceSelectorStartupShowCount", 50);
    QSettings().setValue("variableHeightDemoCnt", 3);

    // A log of the simulated circuit and a file that is not a log, in the local store.
    if (!pdm && !sim.logFiles().isEmpty()) {
        const QDir store(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Ardix"));
        QDir().mkpath(store.path());
        QFile log(store.filePath(QStringLiteral("circuit.elog")));
        if (log.open(QIODevice::WriteOnly))
            log.write(sim.logFiles().first());
        QFile junk(store.filePath(QStringLiteral("not_a_log.elog")));
        if (junk.open(QIODevice::WriteOnly))
            junk.write("this is not a log");
    }

    if (!InterfaceLanguage::instance()->apply(parser.value("language")))
        std::fprintf(stderr, "ardix-shots: no translation for %s\n", qPrintable(parser.value("language")));

    QQmlApplicationEngine engine;
    InterfaceLanguage::instance()->attachEngine(&engine);
    registerArdixTypes();
    registerInterfaceTypes();
    loadInterfaceFont();
    engine.load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    QQmlContext *context = qmlContext(window);
    if (!QTest::qWaitForWindowExposed(window)) {
        std::fprintf(stderr, "the window was not shown\n");
        return 1;
    }

    if (const int taller = parser.value("taller").toInt(); taller > 0) {
        evaluate(context, window, QStringLiteral("height = minimumHeight + %1").arg(taller));
        QTest::qWait(300);
    }

    // Connected, synchronised, pop-ups gone.
    if (!QTest::qWaitFor([&] { return evaluate(context, window, "ardixKernel.ardixStatus === 1").toBool(); }, 10000))
        std::fprintf(stderr, "not connected to the simulator: the shots show the offline window\n");
    QTest::qWait(1500);
    // Give the device the client's settings, as a user answering the sync question would, so that no sync
    // question covers the shots.
    evaluate(context, window, "ardixKernel.deviceId === ArdixEnums.Device_Pmx ? ardixKernel.applyNewPdmSettings() : ardixKernel.applyNewArdixSettings(true)");
    QTest::qWait(3500);
    evaluate(context, window, kReset);

    const QString prefix = parser.value("prefix");
    const QStringList only = parser.value("only").split(QLatin1Char(','), Qt::SkipEmptyParts);
    const auto shoot = [&](const Shot &shot) {
        if (!only.isEmpty() && !only.contains(QString::fromUtf8(shot.name)))
            return;
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
