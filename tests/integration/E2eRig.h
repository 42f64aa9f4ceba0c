#pragma once
// One simulated device and one real kernel dialling it over loopback, with what the kernel told
// the user recorded. A fresh settings store for every rig; the kernel goes before the device.

#include "app/ArdixKernel.h"
#include "simcore/device/DeviceSimulator.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QSignalSpy>
#include <QStringList>
#include <QTest>

#include <functional>
#include <memory>

namespace e2e {

inline void setUpApplication()
{
    QCoreApplication::setOrganizationName(QStringLiteral("Ardix"));
    QCoreApplication::setApplicationName(QStringLiteral("Ardix"));
}

inline QByteArray storedValue(const char *key)
{
    QSettings s;
    s.sync();
    return s.value(QLatin1String(key)).toByteArray();
}
inline QByteArray storedDashBlock() { return storedValue("allSettingsData"); }
inline QByteArray storedPdmBlock() { return storedValue("pdmCommonSettings"); }

// A frame the device pushes on its own (tests use it for what the simulator would not send).
inline SimFrame deviceCommand(quint8 sender, quint8 command, quint32 parameter, const QByteArray &aux = {})
{
    SimFrame f;
    f.action = 1;
    f.type = command;
    f.sender = sender;
    f.parameter = parameter;
    if (!aux.isEmpty())
        f.aux = aux.leftJustified(64, '\0', true);
    return f;
}

inline SimFrame deviceData(quint8 sender, quint8 type, const QByteArray &block, quint32 parameter = 0)
{
    SimFrame f;
    f.action = 0;
    f.type = type;
    f.sender = sender;
    f.parameter = parameter;
    f.data = block;
    return f;
}

class Rig
{
public:
    explicit Rig(const SimOptions &options = {}) : sim(options)
    {
        QSettings store;
        store.clear();
        store.sync();
        clock.start();
        sim.setTrace([this](const QString &line) { trace.append(QString::number(clock.elapsed()) + QLatin1Char(' ') + line); });
        if (!sim.start())
            qFatal("the simulator could not listen on loopback");
        // The kernel dials as it is built: the address must be the simulator's before that.
        qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
        qputenv("ARDIX_DEVICE_PORT", QByteArray::number(sim.port()));
        kernel = std::make_unique<ArdixKernel>();
        QObject::connect(kernel.get(), &ArdixKernel::popUpSignal, [this](const QString &t) { popUps.append(t); });
        QObject::connect(kernel.get(), &ArdixKernel::showInfoMessage, [this](const QString &t) { messages.append(t); });
    }

    ~Rig()
    {
        if (qEnvironmentVariableIsSet("E2E_TRACE")) // the whole exchange, for a look by hand
            qInfo().noquote() << trace.join(QLatin1Char('\n'));
        if (QTest::currentTestFailed()) {
            qWarning().noquote() << "pop-ups:" << popUps.join(QStringLiteral(" | "));
            qWarning().noquote() << "messages:" << messages.join(QStringLiteral(" | "));
            const QStringList tail = trace.mid(std::max<qsizetype>(0, trace.size() - 150));
            qWarning().noquote() << "device trace (last lines):\n" << tail.join(QLatin1Char('\n'));
        }
        kernel.reset();
        sim.setTrace({}); // the lists it appends to go before the device does
    }

    bool waitFor(const std::function<bool()> &cond, int ms) { return QTest::qWaitFor(cond, ms); }
    bool waitOnline(int ms = 6000)
    {
        return waitFor([this] { return kernel->ardixStatus() == 1; }, ms);
    }
    // The device given the block the kernel keeps, and the synchronisation that follows behind us:
    // a test then starts from settings both sides agree on.
    bool syncWithStoredBlock()
    {
        sim.setDashBlock(storedDashBlock());
        QSignalSpy synced(kernel.get(), &ArdixKernel::syncCompletedSignal);
        return waitFor([&] { return synced.count() >= 1; }, 8000) && waitOnline();
    }
    // Frames of `type` the device received (action 1: commands, 0: data).
    int received(int type, int action = 1) const
    {
        int n = 0;
        for (const SimFrame &f : sim.received())
            n += f.action == action && f.type == type;
        return n;
    }

    DeviceSimulator sim;
    std::unique_ptr<ArdixKernel> kernel;
    QStringList popUps;
    QStringList messages;
    QStringList trace;
    QElapsedTimer clock;
};

} // namespace e2e
