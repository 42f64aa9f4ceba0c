// pdm-live-soak: the client's window, offscreen, against an ardix-sim PDM given by the
// ARDIX_DEVICE_* variables, with the PDM live view open for --seconds; prints the process's
// resident memory (VmRSS) once a minute, so that growth over a long run shows.
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ui/InterfaceTypes.h"

#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QQmlApplicationEngine>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

#include <cstdio>

namespace {

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    return -1;
}

QVariant evaluate(QObject *scope, const QString &js)
{
    QQmlExpression expression(qmlContext(scope), scope, js);
    const QVariant v = expression.evaluate();
    if (expression.hasError())
        std::fprintf(stderr, "pdm-live-soak: %s\n", qPrintable(expression.error().toString()));
    return v;
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    applyProcessLocale();

    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({"seconds", "How long the live view stays open.", "s", "600"});
    parser.process(app);
    const int seconds = parser.value("seconds").toInt();
    if (!qEnvironmentVariable("ARDIX_DEVICE_HOST").startsWith(QLatin1String("127."))) {
        std::fprintf(stderr, "pdm-live-soak: set ARDIX_DEVICE_HOST to a loopback address\n");
        return 2;
    }

    QSettings().setValue("lastDeviceIdSelected", 4);
    QSettings().setValue("deviceSelectorStartupShowCount", 50);
    QSettings().setValue("variableHeightDemoCnt", 3);

    registerArdixTypes();
    registerInterfaceTypes();
    QQmlApplicationEngine engine;
    engine.load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!QTest::qWaitFor([&] { return evaluate(window, "ardixKernel.ardixStatus === 1 && DevSettings.pdm !== null").toBool(); }, 15000)) {
        std::fprintf(stderr, "pdm-live-soak: the PDM did not come online\n");
        return 1;
    }
    QTest::qWait(2000);
    QObject *live = evaluate(window, "ardix.showPdmRealtimeDialog()").value<QObject *>();
    if (!live)
        return 1;
    QTest::qWait(5000); // the view's first rows and the caches settle

    QElapsedTimer clock;
    clock.start();
    const long start = residentKb();
    std::printf("t=0s VmRSS=%ld kB\n", start);
    std::fflush(stdout);
    int next = 60;
    long last = start;
    while (clock.elapsed() < qint64(seconds) * 1000) {
        QTest::qWait(1000);
        if (clock.elapsed() >= qint64(next) * 1000) {
            last = residentKb();
            std::printf("t=%ds VmRSS=%ld kB messages=%d\n", next, last, evaluate(live, "messagesSeen").toInt());
            std::fflush(stdout);
            next += 60;
        }
    }
    last = residentKb();
    std::printf("end: VmRSS %ld kB -> %ld kB (%+ld kB) over %d s, %d real-time messages, view %s\n", start, last,
                last - start, seconds, evaluate(live, "messagesSeen").toInt(),
                evaluate(live, "isOnline").toBool() ? "online" : "offline");
    return 0;
}
