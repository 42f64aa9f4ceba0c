// How long the replica takes from an action to the frame that shows it: each of the five modes by
// the kernel's mode change, each dialog of the replica opening, against a baseline of recolouring
// one rectangle in the same window. Prints median and worst per action in milliseconds and the
// median's ratio to the baseline. Run offscreen (QT_QPA_PLATFORM=offscreen), on loopback only.
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "simcore/device/DeviceSimulator.h"
#include "ui/InterfaceFont.h"
#include "ui/InterfaceTypes.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
constexpr int kRounds = 8;

struct Action
{
    const char *name;
    const char *run;
    const char *undo;
};

const Action kActions[] = {
    {"baseline: one rectangle", "benchProbe.color = benchProbe.color == '#000000' ? '#010101' : '#000000'", "true"},
    {"mode 0 -> 1 (round)", "ardixKernel.changeSkinMode()", "true"},
    {"mode 1 -> 2 (table)", "ardixKernel.changeSkinMode()", "true"},
    {"mode 2 -> 3 (peaks)", "ardixKernel.changeSkinMode()", "true"},
    {"mode 3 -> 4 (timing)", "ardixKernel.changeSkinMode()", "true"},
    {"mode 4 -> 0 (main)", "ardixKernel.changeSkinMode()", "true"},
    {"mode settings dialog", "ardix.modeMenuShow()", nullptr},
    {"sensor menu", "ardix.sensorMenuShow(0, [1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,22,23,24,25], [], true)", nullptr},
    {"warning dialog", "ardix.warningDialogShow(3)", nullptr},
    {"shift lamp dialog", "ardix.showRpmWarningDialog()", nullptr},
    {"oil pressure dialog", "ardix.oilPressureWarningDialogShow()", nullptr},
};

constexpr const char *kCloseDialogs =
    "for (let i = dialogLayer.children.length - 1; i >= 0; --i) dialogLayer.children[i].destroy(); true";
} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    applyProcessLocale();

    SimOptions options;
    options.role = SimRole::Dash;
    DeviceSimulator sim(options);
    if (!sim.start())
        return 1;
    qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
    qputenv("ARDIX_DEVICE_PORT", QByteArray::number(sim.port()));
    qputenv("ARDIX_DEVICE_WEB_PORT", QByteArray::number(sim.webPort()));
    QSettings().setValue("lastDeviceIdSelected", 0);
    QSettings().setValue("deviceSelectorStartupShowCount", 50);
    QSettings().setValue("variableHeightDemoCnt", 3);

    registerArdixTypes();
    registerInterfaceTypes();
    loadInterfaceFont();
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    QQmlContext *context = qmlContext(window);
    const auto eval = [&](const QString &js) {
        QQmlExpression e(context, window, js);
        const QVariant v = e.evaluate();
        if (e.hasError())
            std::fprintf(stderr, "bench_skin: %s\n", qPrintable(e.error().toString()));
        return v;
    };
    if (!QTest::qWaitForWindowExposed(window)
        || !QTest::qWaitFor([&] { return eval("ardixKernel.ardixStatus === 1").toBool(); }, 10000)) {
        std::fprintf(stderr, "bench_skin: the window did not connect to the simulator\n");
        return 1;
    }
    QTest::qWait(3000);
    eval(kCloseDialogs);
    eval("ardix.isSyncDialogOn = false; ardix.isBusyOnScreen = false");
    // Every mode on, so the mask does not hide what is measured.
    eval("ardixKernel.saveNewSkinSettings(ArdixEnums.ModesEnabled, 31)");
    eval("Qt.createQmlObject('import QtQuick; Rectangle { objectName: \"benchProbe\"; width: 4; height: 4; color: \"#000000\" }', ardix.contentItem)");
    QTest::qWait(1500);
    eval(kCloseDialogs);

    // Time from the action to the next frame the window presents.
    const auto measure = [&](const Action &a) {
        QElapsedTimer timer;
        bool swapped = false;
        const auto c = QObject::connect(window, &QQuickWindow::frameSwapped, [&] { swapped = true; });
        window->update();
        timer.start();
        QString js = QString::fromUtf8(a.run);
        if (js.contains(QLatin1String("benchProbe")))
            js = QStringLiteral("(function(){ const benchProbe = Array.prototype.find.call(ardix.contentItem.children,"
                                " c => c.objectName === 'benchProbe'); %1; return true })()").arg(js);
        eval(js);
        if (!QTest::qWaitFor([&] { return swapped; }, 5000))
            std::fprintf(stderr, "bench_skin: no frame within 5 s after \"%s\"\n", a.name);
        const double ms = timer.nsecsElapsed() / 1e6;
        QObject::disconnect(c);
        return ms;
    };

    std::printf("%-26s %10s %10s %8s\n", "action", "median ms", "worst ms", "x base");
    double baseline = 0;
    std::vector<std::vector<double>> samples(std::size(kActions));
    for (int round = 0; round < kRounds; ++round) {
        for (std::size_t i = 0; i < std::size(kActions); ++i) {
            samples[i].push_back(measure(kActions[i]));
            QTest::qWait(80);
            if (!kActions[i].undo) {
                eval(kCloseDialogs);
                QTest::qWait(80);
            }
        }
        // Back to a settled main mode between rounds.
        QTest::qWait(300);
    }
    for (std::size_t i = 0; i < std::size(kActions); ++i) {
        std::vector<double> &s = samples[i];
        std::sort(s.begin(), s.end());
        const double median = s[s.size() / 2];
        if (i == 0)
            baseline = median;
        std::printf("%-26s %10.1f %10.1f %8.1f\n", kActions[i].name, median, s.back(), baseline > 0 ? median / baseline : 0);
    }
    std::printf("(60 Hz frame interval: 16.7 ms; %d rounds; window %dx%d)\n", kRounds, window->width(), window->height());
    return 0;
}
