// One cold start, measured from inside: `bench_startup client` loads the client's window as the
// client does, `bench_startup bare` a bare Qt Quick Controls window with one label. At the first
// frame the process prints the wall clock (so that the caller, who knows when it launched the
// process, gets the whole cold start), waits for the window to settle and prints its resident
// memory, then exits. The client's screen (the dash replica or the PDM's) is built in the background
// after the first frame, so the time it is complete is printed as well ("screen_ready_ns").
#include "app/ProcessLocale.h"
#include "app/TypeRegistration.h"
#include "ui/InterfaceFont.h"
#include "ui/InterfaceTypes.h"

#include <QApplication>
#include <QFile>
#include <QQmlApplicationEngine>
#include <QQuickWindow>
#include <QTimer>

#include <cstdio>
#include <ctime>

namespace {
constexpr int kSettleMs = 1500;

long long wallClockNs()
{
    timespec ts{};
    clock_gettime(CLOCK_REALTIME, &ts);
    return ts.tv_sec * 1000000000LL + ts.tv_nsec;
}

long residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    }
    return -1;
}

constexpr const char *kBareWindow = R"(
import QtQuick
import QtQuick.Controls
ApplicationWindow {
    width: 900; height: 515; visible: true; color: "black"
    Label { anchors.centerIn: parent; text: "Ardix"; color: "white" }
}
)";
} // namespace

int main(int argc, char *argv[])
{
    const bool client = argc > 1 && qstrcmp(argv[1], "client") == 0;
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    qputenv("QT_QUICK_CONTROLS_BASIC_THEME", "Dark");
    QApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));

    QQmlApplicationEngine engine;
    if (client) {
        applyProcessLocale();
        registerArdixTypes();
        registerInterfaceTypes();
        loadInterfaceFont();
        engine.load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
    } else {
        engine.loadData(kBareWindow);
    }
    if (engine.rootObjects().isEmpty())
        return 1;
    auto *window = qobject_cast<QQuickWindow *>(engine.rootObjects().first());
    if (!window)
        return 1;
    // The main screen's loader: ready once its page is built and the frame after that is shown.
    QObject *screen = client ? window->findChild<QObject *>(QStringLiteral("mainScreen")) : nullptr;
    auto screenBuilt = [screen] { return !screen || screen->property("status").toInt() == 1 /* Loader.Ready */; };
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&] {
        static bool reported = false;
        if (reported || !screenBuilt())
            return;
        reported = true;
        std::printf("screen_ready_ns %lld\n", wallClockNs());
    });
    QObject::connect(window, &QQuickWindow::frameSwapped, &app, [&] {
        static bool first = true;
        if (!first)
            return;
        first = false;
        std::printf("first_frame_ns %lld\n", wallClockNs());
        QTimer::singleShot(kSettleMs, &app, [] {
            std::printf("rss_kb %ld\n", residentKb());
            std::fflush(stdout);
            QCoreApplication::exit(0);
        });
    });
    return app.exec();
}
