// ardix-sim: a stand-in dash or PDM on 127.0.0.1 for trying the client without hardware.
#include "simcore/device/DeviceSimulator.h"
#include "simcore/device/SimFirmwareServer.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

namespace {

bool parseRole(const QString &text, SimRole *role)
{
    static const struct { const char *name; SimRole role; } roles[] = {
        {"dash", SimRole::Dash}, {"pdm", SimRole::Pdm}, {"dashboot", SimRole::DashBoot}, {"pdmboot", SimRole::PdmBoot},
    };
    for (const auto &r : roles)
        if (text == QLatin1String(r.name)) {
            *role = r.role;
            return true;
        }
    return false;
}

// "drop:2" or "corrupt:0:3": fault kind, packet, times.
bool parseFlashFault(const QString &text, FlashFault *fault)
{
    static const struct { const char *name; FlashFault::Kind kind; } kinds[] = {
        {"drop", FlashFault::Drop}, {"corrupt", FlashFault::Corrupt}, {"abort", FlashFault::Abort},
        {"disconnect", FlashFault::Disconnect}, {"silence", FlashFault::Silence},
        {"wrongdevice", FlashFault::WrongDevice}, {"error", FlashFault::DeviceError},
        {"mute", FlashFault::Mute},
    };
    const QStringList parts = text.split(QLatin1Char(':'));
    if (parts.size() < 2 || parts.size() > 3)
        return false;
    for (const auto &k : kinds)
        if (parts[0] == QLatin1String(k.name)) {
            fault->kind = k.kind;
            fault->packet = parts[1].toInt();
            fault->times = parts.size() == 3 ? parts[2].toInt() : 1;
            return true;
        }
    return false;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName("ardix-sim");

    QCommandLineParser p;
    p.setApplicationDescription("Simulated dash or PDM on 127.0.0.1 (link, log files, live values, web page).");
    p.addHelpOption();
    const QCommandLineOption role("role", "dash, pdm, dashboot or pdmboot (default dash).", "role", "dash");
    const QCommandLineOption port("port", "TCP port of the link on 127.0.0.1 (0: any free port).", "port", "0");
    const QCommandLineOption webPort("web-port", "Port of the web page (0: any free port, -1: none).", "port", "0");
    const QCommandLineOption firmware("firmware", "Firmware text, 4 characters (default S185).", "text", "S185");
    const QCommandLineOption serial("serial", "Serial number.", "n", "70123");
    const QCommandLineOption board("board", "Board version.", "n", "4");
    const QCommandLineOption state("state", "Folder that keeps the device's state between runs.", "dir");
    const QCommandLineOption seed("seed", "Seed of the faults and the synthetic data.", "n", "1");
    const QCommandLineOption drop("drop", "Share of frames that lose some bytes.", "rate", "0");
    const QCommandLineOption corrupt("corrupt", "Share of frames with a corrupted byte.", "rate", "0");
    const QCommandLineOption delay("delay", "Share of frames sent late.", "rate", "0");
    const QCommandLineOption stall("stall", "Share of frames cut short, then silence.", "rate", "0");
    const QCommandLineOption disconnect("disconnect", "Share of frames cut short by a disconnect.", "rate", "0");
    const QCommandLineOption resend("resend", "Share of uploads answered with a resend request.", "rate", "0");
    const QCommandLineOption badRealtime("bad-realtime", "Share of real-time blocks of a wrong length.", "rate", "0");
    const QCommandLineOption logs("logs", "Number of log files on the dash.", "n", "3");
    const QCommandLineOption laps("laps", "Flying laps in the first log.", "n", "2");
    const QCommandLineOption drift("drift", "Flip one byte of the dash settings block every ms milliseconds, as a setting changed on the device.", "ms", "0");
    const QCommandLineOption verbose("verbose", "Trace every frame received and sent.");
    const QCommandLineOption firmwarePort("firmware-web-port",
                                          "Port of the firmware web server and the maker's site (-1: none).", "port", "-1");
    const QCommandLineOption flashFault("flash-fault",
                                        "Boot loader fault at a packet: drop|corrupt|abort|disconnect|silence|wrongdevice|error|mute:packet[:times]; "
                                        "several play in order.",
                                        "fault");
    const QCommandLineOption bootTimeout("boot-timeout", "How long a boot loader waits for a packet (ms).", "ms", "2000");
    const QCommandLineOption noFlashReady("no-flashready",
                                          "The dash boot loader is an older one: no FLASHREADY after the FLASH line.");
    const QCommandLineOption splitLines("split-lines", "The dash boot loader writes each line in two pieces, ms apart.",
                                        "ms", "0");
    p.addOptions({role, port, webPort, firmware, serial, board, state, seed, drop, corrupt, delay, stall,
                  disconnect, resend, badRealtime, logs, laps, drift, verbose, firmwarePort, flashFault, bootTimeout,
                  noFlashReady, splitLines});
    p.process(app);

    SimOptions o;
    if (!parseRole(p.value(role), &o.role)) {
        std::fprintf(stderr, "ardix-sim: unknown role %s\n", qPrintable(p.value(role)));
        return 2;
    }
    o.firmware = p.value(firmware).toLatin1();
    if (o.firmware.size() != 4) {
        std::fprintf(stderr, "ardix-sim: the firmware text has 4 characters, e.g. S185\n");
        return 2;
    }
    o.port = quint16(p.value(port).toUInt());
    o.webPort = p.value(webPort).toInt();
    o.serial = p.value(serial).toUInt();
    o.boardVersion = quint8(p.value(board).toUInt());
    o.stateDir = p.value(state);
    o.seed = p.value(seed).toUInt();
    o.faults.drop = p.value(drop).toDouble();
    o.faults.corrupt = p.value(corrupt).toDouble();
    o.faults.delay = p.value(delay).toDouble();
    o.faults.stall = p.value(stall).toDouble();
    o.faults.disconnect = p.value(disconnect).toDouble();
    o.faults.resend = p.value(resend).toDouble();
    o.faults.badRealtime = p.value(badRealtime).toDouble();
    o.logCount = p.value(logs).toInt();
    o.logTemplate.laps = p.value(laps).toInt();
    o.driftMs = p.value(drift).toInt();
    o.bootPacketTimeoutMs = p.value(bootTimeout).toInt();
    o.bootSaysFlashReady = !p.isSet(noFlashReady);
    o.bootLineSplitMs = p.value(splitLines).toInt();
    for (const QString &text : p.values(flashFault)) {
        FlashFault f;
        if (!parseFlashFault(text, &f)) {
            std::fprintf(stderr, "ardix-sim: bad flash fault %s\n", qPrintable(text));
            return 2;
        }
        o.flashFaults.append(f);
    }

    DeviceSimulator sim(o);
    if (p.isSet(verbose))
        sim.setTrace([](const QString &line) {
            std::fprintf(stderr, "%s\n", qPrintable(line));
            std::fflush(stderr);
        });
    if (!sim.start()) {
        std::fprintf(stderr, "ardix-sim: cannot listen on 127.0.0.1:%u\n", unsigned(o.port));
        return 1;
    }
    SimFirmwareServer firmwareServer;
    const int fwPort = p.value(firmwarePort).toInt();
    if (fwPort >= 0 && !firmwareServer.listen(quint16(fwPort))) {
        std::fprintf(stderr, "ardix-sim: cannot serve firmware on 127.0.0.1:%d\n", fwPort);
        return 1;
    }
    // The first line tells scripts where to point the client.
    std::printf("ardix-sim %s listening on 127.0.0.1:%u web %u firmware %u\n", qPrintable(p.value(role)),
                unsigned(sim.port()), unsigned(sim.webPort()), fwPort >= 0 ? unsigned(firmwareServer.port()) : 0u);
    std::fflush(stdout);
    return app.exec();
}
