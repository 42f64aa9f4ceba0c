// Flashing is stop-and-wait: each packet waits for the device's answer. With the simulated boot
// loader taking a fixed time per packet, the whole flash of a 1 MB file should stay within 1.10x of
// packets x (delay + packet bytes / loopback throughput), the throughput measured in this run.
// Prints the ratio. Runs on loopback only, in a private settings and data folder.
// Waits run a real event loop: QTest::qWaitFor sleeps 10 ms between its passes, which would add
// several sleeps to every packet's round trip and to the throughput measurement.
#include "app/ArdixKernel.h"
#include "simcore/device/DeviceSimulator.h"
#include "simcore/device/SimFirmwareServer.h"
#include "update/FirmwareCatalog.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
constexpr int FileSize = 1024 * 1024;
constexpr int DelayMs = 5;

// Runs the event loop until quit() or the timeout.
struct Wait {
    QEventLoop loop;
    void quit() { loop.quit(); }
    void run(int timeoutMs)
    {
        QTimer::singleShot(timeoutMs, &loop, &QEventLoop::quit);
        loop.exec();
    }
};

// Bytes per second through a loopback TCP connection, one way, as the event loop moves them.
double loopbackThroughput()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost, 0);
    QTcpSocket client;
    client.connectToHost(QHostAddress::LocalHost, server.serverPort());
    if (!server.hasPendingConnections()) {
        Wait accepted;
        QObject::connect(&server, &QTcpServer::newConnection, [&] { accepted.quit(); });
        accepted.run(2000);
    }
    QTcpSocket *peer = server.nextPendingConnection();
    if (!peer)
        return 0;
    const QByteArray block(40960 + 16, 'x');
    const qint64 total = 64ll * 1024 * 1024;
    qint64 got = 0;
    Wait all;
    QObject::connect(peer, &QTcpSocket::readyRead, [&] {
        got += peer->readAll().size();
        if (got >= total)
            all.quit();
    });
    QElapsedTimer t;
    t.start();
    for (qint64 sent = 0; sent < total; sent += block.size())
        client.write(block);
    all.run(30000);
    return double(got) / (double(t.nsecsElapsed()) / 1e9);
}
} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir home;
    for (const char *v : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"})
        qputenv(v, home.path().toUtf8() + "/" + v);
    qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
    qputenv("ARDIX_FIRMWARE_URL", "http://127.0.0.1:9/firmware/");
    qputenv("ARDIX_SITE_URL", "http://127.0.0.1:9/site/");
    QCoreApplication app(argc, argv);

    const double throughput = loopbackThroughput();

    SimOptions o;
    o.role = SimRole::DashBoot;
    o.webPort = -1;
    o.logCount = 0;
    o.bootAnswerDelayMs = DelayMs;
    DeviceSimulator sim(o);
    sim.start();
    qputenv("ARDIX_DEVICE_PORT", QByteArray::number(sim.port()));

    const QByteArray image = SimFirmware::make(SimFirmware::Kind::Dash, "S186", FileSize, 3);
    const QString name = SimFirmwareServer::fileName(SimFirmware::Kind::Dash, "S186", image);
    QDir().mkpath(FirmwareCatalog::localFolder());
    QFile f(FirmwareCatalog::localFolder() + name);
    f.open(QIODevice::WriteOnly);
    f.write(image);
    f.close();

    ArdixKernel kernel;
    QElapsedTimer t;
    bool done = false;
    double elapsed = 0;
    QObject::connect(&kernel, &ArdixKernel::progressMoving, [&](unsigned p) {
        if (p == 1 && !t.isValid())
            t.start();
    });
    Wait flashed;
    QObject::connect(&kernel, &ArdixKernel::showInfoMessage, [&](const QString &) {
        // Read the clock here: the loop may take a while yet to return.
        elapsed = double(t.nsecsElapsed()) / 1e9;
        done = true;
        flashed.quit();
    });
    kernel.flashFirmware(name);
    if (!done)
        flashed.run(120000);
    const bool ok = sim.firmwareReceived() == image;

    const int header = SimFirmware::DashHeaderSize, payload = SimFirmware::DashPayload;
    const int packets = (FileSize - header + payload - 1) / payload;
    const double bound = packets * (DelayMs / 1000.0 + double(payload + 16) / throughput) + double(header) / throughput;
    std::printf("flash of %d bytes, %d packets, %d ms per packet: %.3f s (%s)\n", FileSize, packets, DelayMs, elapsed,
                ok ? "verified" : "NOT received");
    std::printf("loopback throughput %.1f MB/s; stop-and-wait bound %.3f s; ratio %.3f (target <= 1.10)\n",
                throughput / 1e6, bound, elapsed / bound);
    // The device's delay as this machine delivered it (timer rounding, late wake-ups under load):
    // what is left beyond it is the client's own time per packet.
    const double waited = double(sim.bootAnswerWaitNs()) / 1e9;
    const double realBound = bound - packets * (DelayMs / 1000.0) + waited;
    std::printf("device answers waited %.3f ms on average (nominal %d); ratio against that %.3f; "
                "client and wire %.3f ms per packet\n",
                waited * 1000.0 / packets, DelayMs, elapsed / realBound, (elapsed - waited) * 1000.0 / packets);
    return ok ? 0 : 1;
}
