// The logs, laps and WiFi windows over the real kernel connected to the simulated dash: a log is
// listed, downloaded with a progress bar into the local store, opened with its laps, map and
// delta plot, and exported; the WiFi name and pass phrase change on the device's page; a file
// that is not a log and a page that misbehaves are reported and leave the windows usable.
#include "PageHost.h"
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
#include "link/dispatch/LogDownload.h"
#include "app/TypeRegistration.h"
#include "ui/InterfaceTypes.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QQuickItem>
#include <QPointer>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <algorithm>

using namespace e2e;

namespace {

QString storeDir()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/Ardix/");
}

// A web page that answers every request with `reply` (nothing at all when empty).
class BadPage : public QTcpServer
{
public:
    explicit BadPage(QByteArray reply) : m_reply(std::move(reply))
    {
        listen(QHostAddress::LocalHost, 0);
        connect(this, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *s = nextPendingConnection()) {
                connect(s, &QTcpSocket::readyRead, s, [this, s] {
                    s->readAll();
                    if (!m_reply.isEmpty()) {
                        s->write(m_reply);
                        s->disconnectFromHost();
                    }
                });
            }
        });
    }

private:
    QByteArray m_reply;
};

} // namespace

class TestUiLogs : public QObject
{
    Q_OBJECT

    ArdixTest::PageHost m_host;
    ArdixTest::WarningWatch m_warnings;

private slots:
    void initTestCase()
    {
        setUpApplication();
        m_warnings.start();
        registerArdixTypes();
        registerInterfaceTypes();
    }

    void cleanupTestCase()
    {
        m_host.close();
        m_warnings.check();
    }

    void logDownloadedOpenedAndExported()
    {
        Rig r;
        QVERIFY(r.waitOnline());
        const auto closeHost = qScopeGuard([this] { m_host.close(); }); // before the kernel goes
        QVERIFY(m_host.open(r.kernel.get(), QSize(900, 515)));
        QObject *logs = m_host.openDialog(QStringLiteral("LogsDialog.qml"));
        QVERIFY(logs);
        QVERIFY(m_host.window()->property("isLogDialogOn").toBool());
        QTRY_COMPARE_WITH_TIMEOUT(logs->property("deviceFiles").toList().size(), r.sim.logFiles().size(), 5000);

        // The user asks for the first file under the proposed name.
        QSignalSpy progress(logs, SIGNAL(progressMove(int)));
        QVERIFY(QMetaObject::invokeMethod(logs, "askDownload", Q_ARG(QVariant, 0)));
        QCOMPARE(m_host.questionCount(), 1);
        const QString name = m_host.messages().constLast();
        QVERIFY2(name.startsWith(QLatin1String("log_")) && !name.contains(QLatin1Char(':')), qPrintable(name));
        m_host.acceptLastQuestion();
        const QString path = storeDir() + name + QStringLiteral(".elog");
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path) && logs->property("downloading").toInt() < 0, 15000);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), r.sim.logFiles().first());
        // The bar moved through the download and was gone at the end.
        bool midway = false;
        for (const auto &args : progress)
            midway |= args.at(0).toInt() > 1 && args.at(0).toInt() < 100;
        QVERIFY(midway);
        QVERIFY(!logs->property("isLoading").toBool());
        QTRY_VERIFY(logs->property("localFiles").toList().size() == 1);
        QCOMPARE(logs->property("localFiles").toList().first().toMap().value("name").toString(), name + ".elog");

        // Opened in the laps window: laps, map and delta plot of the simulated circuit.
        QObject *laps = m_host.openLapsLog(path, false);
        QVERIFY(laps);
        const QVariantMap result = laps->property("result").toMap();
        QVERIFY2(!result.contains("lapsError") && result.value("lapsCount").toInt() >= 2,
                 qPrintable(result.value("lapsError").toString()));
        auto *lapsList = laps->findChild<QQuickItem *>(QStringLiteral("lapsList"));
        QVERIFY(lapsList);
        QCOMPARE(lapsList->property("count").toInt(), result.value("lapsCount").toInt());
        QObject *plot = laps->property("plot").value<QObject *>();
        QTRY_VERIFY_WITH_TIMEOUT(plot->property("ready").toBool(), 5000);
        QCOMPARE(plot->property("lapCount").toInt(), result.value("lapsCount").toInt());
        QVERIFY(plot->property("hasTrack").toBool() && plot->property("hasStartLine").toBool());
        QVERIFY(plot->property("maxDistance").toDouble() > 100);
        QCOMPARE(laps->property("selectedLap").toInt(), plot->property("bestLap").toInt());

        // Exported to CSV and LD, each with its progress and the kernel's message at the end.
        QTemporaryDir out;
        const struct { int format; QString file; } exports[] = {{0, out.filePath("e2e.csv")}, {3, out.filePath("e2e.ld")}};
        for (const auto &e : exports) {
            r.messages.clear();
            QMetaObject::invokeMethod(laps, "exportTo", Q_ARG(QVariant, QUrl::fromLocalFile(e.file)), Q_ARG(QVariant, e.format));
            QTRY_VERIFY_WITH_TIMEOUT(!r.messages.isEmpty(), 10000);
            QCOMPARE(r.messages.first(), QStringLiteral("Успешно экспортирован лог\n") + e.file);
            QTRY_VERIFY(!laps->property("isLoading").toBool());
            QVERIFY(QFileInfo(e.file).size() > 1000);
        }
        QFile csv(out.filePath("e2e.csv"));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        QVERIFY(csv.readLine().startsWith("Time"));

        // Closing the logs window lets the dash log again.
        r.sim.clearReceived();
        QVERIFY(QMetaObject::invokeMethod(logs, "destroyBasicDialog", Q_ARG(QVariant, true)));
        QTRY_VERIFY(!m_host.window()->property("isLogDialogOn").toBool());
        QTRY_VERIFY_WITH_TIMEOUT(!r.sim.framesOf(1, 26).isEmpty(), 3000);
        QCOMPARE(r.sim.framesOf(1, 26).constLast().parameter, 0u);
    }

    // The list is on its way: the window says so instead of "no files".
    void listLoadingIsShown()
    {
        Rig r;
        QVERIFY(r.waitOnline());
        const auto closeHost = qScopeGuard([this] { m_host.close(); });
        QVERIFY(m_host.open(r.kernel.get(), QSize(900, 515)));
        QVariant dialog;
        QMetaObject::invokeMethod(m_host.window(), "open", Q_RETURN_ARG(QVariant, dialog),
                                  Q_ARG(QVariant, QStringLiteral("LogsDialog.qml")), Q_ARG(QVariant, QVariantMap()));
        auto *logs = qobject_cast<QQuickItem *>(dialog.value<QObject *>());
        QVERIFY(logs);
        auto *device = logs->findChild<QQuickItem *>(QStringLiteral("deviceLogs"));
        QVERIFY(device);
        auto *empty = device->findChild<QQuickItem *>(QStringLiteral("emptyText"));
        auto *spinner = device->findChild<QQuickItem *>(QStringLiteral("listLoading"));
        QVERIFY(empty && spinner);
        QVERIFY(logs->property("listLoading").toBool());
        QCOMPARE(empty->property("text").toString(), QStringLiteral("Загрузка списка логов…"));
        QVERIFY(spinner->isVisible());
        QTRY_COMPARE_WITH_TIMEOUT(logs->property("deviceFiles").toList().size(), r.sim.logFiles().size(), 5000);
        QVERIFY(!logs->property("listLoading").toBool());
        QVERIFY(!spinner->isVisible());
    }

    // WiFi drops twice in the middle of a download: each time the bytes are kept, and when the
    // dash is back the download goes on from there; the file is the device's to the byte.
    void downloadGoesOnAfterTwoDrops()
    {
        SimOptions options;
        options.logChunkSize = 1024;
        Rig r(options);
        QVERIFY(r.waitOnline());
        const auto closeHost = qScopeGuard([this] { m_host.close(); });
        QVERIFY(m_host.open(r.kernel.get(), QSize(900, 515)));
        QObject *logs = m_host.openDialog(QStringLiteral("LogsDialog.qml"));
        QVERIFY(logs);
        QTRY_COMPARE_WITH_TIMEOUT(logs->property("deviceFiles").toList().size(), r.sim.logFiles().size(), 5000);

        QList<int> progress;
        // The line is cut in the middle of a block as soon as a good part more of the file has
        // come: the first time past 30 %, then past 60 %.
        int cutAt = 30;
        QObject::connect(r.kernel.get(), &ArdixKernel::progressMoving, [&](uint p) {
            progress.append(int(p));
            if (cutAt > 0 && int(p) >= cutAt && p < 100) {
                r.sim.faults().schedule(SimFault::Disconnect, 0, 7);
                cutAt = -cutAt;
            }
        });
        QSignalSpy shown(logs, SIGNAL(progressMove(int)));
        const QString name = QStringLiteral("two_drops");
        QVERIFY(QMetaObject::invokeMethod(logs, "download", Q_ARG(QVariant, 0), Q_ARG(QVariant, name)));
        const QString path = storeDir() + name + QStringLiteral(".elog");
        QFile::remove(path);
        const auto removeLog = qScopeGuard([path] { QFile::remove(path); }); // the other tests count the store
        const QString paused = QString::fromUtf8(LogDownload::PausedText).section(QLatin1Char('%'), 0, 0);

        for (int drop = 1; drop <= 2; ++drop) {
            QTRY_VERIFY_WITH_TIMEOUT(std::any_of(r.messages.cbegin(), r.messages.cend(),
                                                 [&](const QString &m) { return m.startsWith(paused); }), 20000);
            r.messages.clear();
            if (drop == 1)
                cutAt = 60;
            const int heldPercent = [&] {
                for (auto it = progress.crbegin(); it != progress.crend(); ++it)
                    if (*it < 100)
                        return *it;
                return 0;
            }();
            QVERIFY(!QFile::exists(path)); // a kept part is never a log
            QVERIFY(logs->property("resumePending").toBool());
            // Back online, the same dash lists the same file: the download goes on from the
            // percentage it had, not from the start.
            progress.clear();
            shown.clear();
            QTRY_VERIFY_WITH_TIMEOUT(std::any_of(progress.cbegin(), progress.cend(), [](int p) { return p > 1 && p < 100; }), 30000);
            const int first = *std::find_if(progress.cbegin(), progress.cend(), [](int p) { return p > 1; });
            QVERIFY2(first >= heldPercent, qPrintable(QStringLiteral("went on at %1 %, held %2 %").arg(first).arg(heldPercent)));
            // The window follows the download it did not start itself.
            QTRY_VERIFY(std::any_of(shown.cbegin(), shown.cend(), [](const QList<QVariant> &a) {
                return a.at(0).toInt() > 1 && a.at(0).toInt() < 100;
            }));
        }
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(path), 30000);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), r.sim.logFiles().first());
        QTRY_VERIFY(!logs->property("isDownloading").toBool());
        // The store lists the finished log once, and nothing else of it.
        QTRY_VERIFY(logs->property("localFiles").toList().size() >= 1);
        QStringList names;
        for (const QVariant &f : logs->property("localFiles").toList())
            names << f.toMap().value("name").toString();
        QCOMPARE(names.filter(name).size(), 1);
        QCOMPARE(names.filter(name).first(), name + QStringLiteral(".elog"));
    }

    // The log view of a downloaded log: channels named as the exports name them, a cursor that
    // reads out every channel, and the map and the cursor moving each other.
    void logViewCursorAndMap()
    {
        Rig r;
        const auto closeHost = qScopeGuard([this] { m_host.close(); });
        QVERIFY(m_host.open(r.kernel.get(), QSize(900, 515)));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("circuit.elog"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(r.sim.logFiles().first());
        }
        QQuickItem *view = m_host.openDialog(QStringLiteral("logs/LogViewDialog.qml"), {{QStringLiteral("logPath"), path}});
        QVERIFY(view);
        QObject *model = view->property("model").value<QObject *>();
        QTRY_VERIFY_WITH_TIMEOUT(model->property("ready").toBool(), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(model->property("lapsReady").toBool(), 5000);
        const QVariantList channels = model->property("channels").toList();
        QCOMPARE(channels.first().toMap().value("name").toString(), QStringLiteral("RPM"));
        QCOMPARE(channels.first().toMap().value("units").toString(), QStringLiteral("rpm"));
        QVERIFY(view->property("shown").toList().size() >= 1);

        // The plots are drawn: one vertical pair per pixel column at most.
        auto *trace = ArdixTest::findItem(view, QStringLiteral("trace"));
        QVERIFY(trace);
        QTRY_VERIFY(trace->property("vertexCount").toInt() > 0);
        QVERIFY(trace->property("vertexCount").toInt() <= 2 * int(trace->width()) + 2);

        // Cursor -> map: the marker stands where the model places the record.
        auto *map = view->findChild<QQuickItem *>(QStringLiteral("logMap"));
        auto *marker = map->findChild<QQuickItem *>(QStringLiteral("mapCursor"));
        QVERIFY(map && marker);
        view->setProperty("cursorRecord", 1500.0);
        QPointF expected;
        QMetaObject::invokeMethod(model, "mapPoint", Q_RETURN_ARG(QPointF, expected), Q_ARG(double, 1500.0),
                                  Q_ARG(double, map->width()), Q_ARG(double, map->height()),
                                  Q_ARG(double, map->property("margin").toDouble()));
        QTRY_VERIFY(marker->isVisible());
        QCOMPARE(marker->x() + marker->width() / 2, expected.x());
        QVERIFY(view->property("values").toStringList().first().endsWith(QStringLiteral(" rpm")));

        // Map -> cursor: a click on another record's place moves the cursor there.
        QPointF other;
        QMetaObject::invokeMethod(model, "mapPoint", Q_RETURN_ARG(QPointF, other), Q_ARG(double, 2300.0),
                                  Q_ARG(double, map->width()), Q_ARG(double, map->height()),
                                  Q_ARG(double, map->property("margin").toDouble()));
        QTest::mouseClick(m_host.window(), Qt::LeftButton, {}, map->mapToScene(other).toPoint());
        QTRY_VERIFY(qAbs(view->property("cursorRecord").toDouble() - 2300.0) < 40);

        // Wheel zoom keeps the point under the mouse; dragging pans.
        auto *mouse = view->findChild<QQuickItem *>(QStringLiteral("plotMouse"));
        QVERIFY(mouse);
        const double length = view->property("to").toDouble();
        const QPoint at = mouse->mapToScene(QPointF(mouse->width() / 2, mouse->height() / 2)).toPoint();
        QWheelEvent wheel(at, m_host.window()->mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(m_host.window(), &wheel);
        QTRY_VERIFY(view->property("to").toDouble() - view->property("from").toDouble() < length * 0.9);
        const double fromBefore = view->property("from").toDouble();
        QTest::mousePress(m_host.window(), Qt::LeftButton, {}, at);
        QTest::mouseMove(m_host.window(), at - QPoint(100, 0));
        QTest::mouseRelease(m_host.window(), Qt::LeftButton, {}, at - QPoint(100, 0));
        QTRY_VERIFY(view->property("from").toDouble() > fromBefore);

        // Two laps over each other against distance, the best first.
        QVERIFY(QMetaObject::invokeMethod(view, "setLapMode", Q_ARG(QVariant, true)));
        QCOMPARE(view->property("axis").toInt(), 1);
        QCOMPARE(view->property("lapA").toInt(), model->property("bestLap").toInt());
        QVERIFY(view->property("lapB").toInt() >= 0 && view->property("lapB").toInt() != view->property("lapA").toInt());
        QVERIFY(QMetaObject::invokeMethod(view, "setCursorX", Q_ARG(QVariant, 300.0)));
        QVERIFY(qAbs(view->property("cursorX").toDouble() - 300.0) < 2);
        QCOMPARE(view->property("compareValues").toStringList().size(), channels.size());
        auto *delta = view->findChild<QQuickItem *>(QStringLiteral("viewDeltaPlot"));
        QVERIFY(delta);
        QCOMPARE(delta->property("cursorDistance").toDouble(), view->property("cursorX").toDouble());
    }

    void notALogLeavesTheWindowUsable()
    {
        Rig r;
        const auto closeHost = qScopeGuard([this] { m_host.close(); }); // before the kernel goes
        QVERIFY(m_host.open(r.kernel.get(), QSize(900, 515)));
        QTemporaryDir dir;
        const QString junk = dir.filePath("junk.elog");
        QFile f(junk);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("not a log at all") > 0);
        f.close();

        QObject *laps = m_host.openLapsLog(junk, true);
        QVERIFY(laps);
        // The reader's own message, then the window's.
        QCOMPARE(r.messages, QStringList{QStringLiteral("Похоже файл поврежден")});
        QCOMPARE(m_host.messages().constLast(), QStringLiteral("Не могу открыть файл, ошибка!"));
        QCOMPARE(laps->property("title").toString(), QString());
        auto *exportButton = laps->findChild<QQuickItem *>(QStringLiteral("exportLog"));
        auto *deleteButton = laps->findChild<QQuickItem *>(QStringLiteral("deleteLog"));
        QVERIFY(exportButton && deleteButton);
        QVERIFY(!exportButton->isEnabled());
        QVERIFY(!deleteButton->isEnabled()); // an external file is never deleted from here
        QObject *plot = laps->property("plot").value<QObject *>();
        QVERIFY(!plot->property("loading").toBool() && !plot->property("hasTrack").toBool()); // nothing is drawn
        // It still closes.
        QPointer<QObject> guard(laps);
        QVERIFY(QMetaObject::invokeMethod(laps, "requestClose"));
        QTRY_VERIFY(guard.isNull());
    }

    void wifiChangedOnTheDevicePage()
    {
        Rig r;
        QVERIFY(r.waitOnline());
        qputenv("ARDIX_DEVICE_WEB_PORT", QByteArray::number(r.sim.webPort()));
        const auto closeHost = qScopeGuard([this] { m_host.close(); }); // before the kernel goes
        QVERIFY(m_host.open(r.kernel.get(), QSize(900, 515)));
        QObject *page = m_host.openDialog(QStringLiteral("Wifi.qml"), {{"parentDevice", 0}});
        QVERIFY(page);
        QTRY_VERIFY_WITH_TIMEOUT(page->property("editable").toBool(), 4000);
        auto *ssid = page->findChild<QQuickItem *>(QStringLiteral("ssidField"));
        auto *pass = page->findChild<QQuickItem *>(QStringLiteral("passField"));
        QCOMPARE(ssid->property("text").toString(), r.sim.wifiName());
        QCOMPARE(r.kernel->ssidWifi(), r.sim.wifiName()); // kept as what the device uses

        // Refused before anything is sent: a pass phrase with a space.
        QSignalSpy changed(&r.sim, &DeviceSimulator::wifiChanged);
        ssid->setProperty("text", QStringLiteral("  Paddock 7 "));
        pass->setProperty("text", QStringLiteral("abc 12345"));
        QMetaObject::invokeMethod(page, "save");
        QCOMPARE(m_host.messages().constLast(), QStringLiteral("Пароль должен быть 8-10 знаков\nПароль не должен содержать пробелы"));
        QVERIFY(page->property("editable").toBool());

        pass->setProperty("text", QStringLiteral("Секрет_123"));
        QMetaObject::invokeMethod(page, "save");
        QTRY_COMPARE_WITH_TIMEOUT(page->property("lastStatus").toInt(), 200, 7000);
        QCOMPARE(r.sim.wifiName(), QStringLiteral("Paddock 7"));
        QCOMPARE(r.sim.wifiPassword(), QStringLiteral("Секрет_123"));
        QCOMPARE(r.kernel->ssidWifi(), QStringLiteral("Paddock 7"));
        QCOMPARE(r.kernel->passWifi(), QStringLiteral("Секрет_123"));
        QCOMPARE(m_host.messages().constLast(),
                 QStringLiteral("Новые параметры сохранены\nТеперь вы можете подключиться\n используя новое имя и пароль"));
        QVERIFY(!page->property("editable").toBool());
        qunsetenv("ARDIX_DEVICE_WEB_PORT");
    }

    void wifiPostFailures_data()
    {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<bool>("listening");
        QTest::newRow("refused") << QByteArray() << false;
        QTest::newRow("silent") << QByteArray() << true;
        QTest::newRow("no status code") << QByteArray("garbage\r\n\r\n") << true;
        QTest::newRow("closed mid-header") << QByteArray("HTTP/1.0 200 OK\r\n") << true;
    }
    void wifiPostFailures()
    {
        QFETCH(QByteArray, reply);
        QFETCH(bool, listening);
        BadPage bad(reply);
        quint16 port = bad.serverPort();
        if (!listening)
            bad.close(); // nothing listens there any more
        ArdixKernel kernel;
        const auto closeHost = qScopeGuard([this] { m_host.close(); }); // before the kernel goes
        QVERIFY(m_host.open(&kernel, QSize(900, 515)));
        QObject *page = m_host.openDialog(QStringLiteral("Wifi.qml"), {{"parentDevice", 4}, {"webPort", 0}});
        QVERIFY(page);
        page->setProperty("deviceHost", QStringLiteral("127.0.0.1"));
        page->setProperty("webPort", port);
        page->setProperty("postTimeoutMs", 400);
        QMetaObject::invokeMethod(page, "fill", Q_ARG(QVariant, QStringLiteral("PDM")), Q_ARG(QVariant, QStringLiteral("12345678")));
        QMetaObject::invokeMethod(page, "save");
        QTRY_COMPARE_WITH_TIMEOUT(page->property("lastStatus").toInt(), -1, 3000);
        QCOMPARE(m_host.messages().constLast(), QStringLiteral("Ошибка (-1)"));
        QVERIFY(!page->property("editable").toBool());
        QCOMPARE(kernel.pdmSsidWifi(), QStringLiteral("PDM")); // what the page read, not what failed
    }
};

int main(int argc, char *argv[])
{
    qputenv("QT_QUICK_CONTROLS_STYLE", "Basic");
    QGuiApplication app(argc, argv);
    applyProcessLocale();
    TestUiLogs test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_ui_logs.moc"
