#pragma once
// A simulated device (application or boot loader) and a real kernel dialling it over loopback,
// with a firmware file in the client's firmware folder and what the user was told recorded.

#include "app/ArdixKernel.h"
#include "simcore/device/DeviceSimulator.h"
#include "simcore/device/SimFirmwareServer.h"
#include "update/FirmwareCatalog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTest>

#include <memory>

namespace flashtest {

inline constexpr char Success[] = "Обновление успешно установлено!";

inline SimFirmware::Kind kindOf(SimRole role)
{
    return role == SimRole::Pdm || role == SimRole::PdmBoot ? SimFirmware::Kind::Pdm : SimFirmware::Kind::Dash;
}

// That many packets for either boot loader, the last one short.
inline int imageSize(SimFirmware::Kind kind, int packets)
{
    return kind == SimFirmware::Kind::Dash ? SimFirmware::DashHeaderSize + (packets - 1) * SimFirmware::DashPayload + 777
                                           : SimFirmware::PdmHeaderSize + (packets - 1) * SimFirmware::PdmPayload + 555;
}
inline int threePacketSize(SimFirmware::Kind kind) { return imageSize(kind, 3); }

class Rig
{
public:
    Rig(SimOptions options, const QByteArray &newVersion = "S186", int packets = 3) : sim(makeOptions(options))
    {
        QSettings store(QStringLiteral("Ardix"), QStringLiteral("Ardix"));
        store.clear();
        store.sync();
        const SimFirmware::Kind kind = kindOf(options.role);
        image = SimFirmware::make(kind, newVersion, imageSize(kind, packets), 7);
        fileName = SimFirmwareServer::fileName(kind, newVersion, image);
        QDir().mkpath(FirmwareCatalog::localFolder());
        QFile f(FirmwareCatalog::localFolder() + fileName);
        if (!f.open(QIODevice::WriteOnly) || f.write(image) != image.size())
            qFatal("cannot write the test firmware");
        f.close();
        sim.setExpectedFirmware(image);
        clock.start();
        sim.setTrace([this](const QString &line) { trace.append(QString::number(clock.elapsed()) + QLatin1Char(' ') + line); });
        if (!sim.start())
            qFatal("the simulator could not listen on loopback");
        qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
        qputenv("ARDIX_DEVICE_PORT", QByteArray::number(sim.port()));
        kernel = std::make_unique<ArdixKernel>();
        progress = std::make_unique<QSignalSpy>(kernel.get(), &ArdixKernel::progressMoving);
        QObject::connect(kernel.get(), &ArdixKernel::showInfoMessage, [this](const QString &t) {
            messages.append(t);
            // The simulated device takes the image as its own as it answers the last packet: a
            // success claimed while it does not hold the whole file is a false one.
            if (t == QString::fromUtf8(Success))
                deviceHeldImageAtSuccess.append(sim.firmwareReceived() == image);
        });
    }

    ~Rig()
    {
        if (QTest::currentTestFailed()) {
            qWarning().noquote() << "messages:" << messages.join(QStringLiteral(" | "));
            qWarning().noquote() << "device trace (last lines):\n" << trace.mid(std::max<qsizetype>(0, trace.size() - 60)).join(QLatin1Char('\n'));
        }
        kernel.reset();
        sim.setTrace({});
        QFile::remove(FirmwareCatalog::localFolder() + fileName);
    }

    static SimOptions makeOptions(SimOptions o)
    {
        o.webPort = -1;
        o.logCount = 0;
        return o;
    }

    int successes() const { return int(messages.count(QString::fromUtf8(Success))); }
    bool waitFor(const std::function<bool()> &cond, int ms) { return QTest::qWaitFor(cond, ms); }
    QList<uint> progressValues() const
    {
        QList<uint> out;
        for (const QList<QVariant> &args : *progress)
            out.append(args.at(0).toUInt());
        return out;
    }

    DeviceSimulator sim;
    std::unique_ptr<ArdixKernel> kernel;
    std::unique_ptr<QSignalSpy> progress;
    QByteArray image;
    QString fileName;
    QStringList messages;
    QList<bool> deviceHeldImageAtSuccess;
    QStringList trace;
    QElapsedTimer clock;
};

} // namespace flashtest
