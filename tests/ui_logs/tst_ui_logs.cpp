// The logs, laps and WiFi windows over the real kernel connected to the simulated dash: a log is
// listed, downloaded with a progress bar into the local store, opened with its laps, map and
// delta plot, and exported; the WiFi name and pass phrase change on the device's page; a file
// that is not a log and a page that misbehaves are reported and leave the windows usable.
#include "PageHost.h"
#include "WarningLog.h"
#include "E2eRig.h"

#include "app/ProcessLocale.h"
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
