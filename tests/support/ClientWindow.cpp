#include "ClientWindow.h"
#include "PageHost.h"

#include <QCoreApplication>
#include <QQmlApplicationEngine>
#include <QQmlIncubationController>
#include <QQmlContext>
#include <QQmlExpression>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSettings>
#include <QTest>

namespace ArdixTest {

void resetWindowStore(int lastDevice)
{
    QSettings store;
    store.clear();
    store.setValue("lastDeviceIdSelected", lastDevice);
    store.setValue("deviceSelectorStartupShowCount", 50);
    store.setValue("variableHeightDemoCnt", 3);
    store.sync();
}

ClientWindow::ClientWindow(SimRole role)
{
    SimOptions options;
    options.role = role;
    sim = std::make_unique<DeviceSimulator>(options);
    if (!sim->start())
        qFatal("the simulator could not listen on loopback");
    qputenv("ARDIX_DEVICE_HOST", "127.0.0.1");
    qputenv("ARDIX_DEVICE_PORT", QByteArray::number(sim->port()));
    qputenv("ARDIX_DEVICE_WEB_PORT", QByteArray::number(sim->webPort()));
}

namespace {
QtMessageHandler g_outer = nullptr;
// Under load a page's creation can still count as running when a test ends right after an action;
// the engine says so as it goes. That is about the test's teardown, not about the client.
void dropTeardownNotice(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    if (message.contains(QLatin1String("in the process of being created at engine destruction")))
        return;
    if (g_outer)
        g_outer(type, context, message);
}
} // namespace

ClientWindow::~ClientWindow()
{
    // Lists create the delegates beyond their edge in idle time; let them finish before the
    // engine goes.
    if (engine && engine->incubationController()) {
        QQmlIncubationController *incubation = engine->incubationController();
        if (!QTest::qWaitFor([incubation] { return incubation->incubatingObjectCount() == 0; }, 3000))
            qWarning("QML objects still being created after 3 s: %d", incubation->incubatingObjectCount());
    }
    // Pages popped or dialogs closed just before are deleted later: let that happen first.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (window)
        window->close();
    QTest::qWait(200);
    g_outer = qInstallMessageHandler(dropTeardownNotice);
    engine.reset();
    qInstallMessageHandler(g_outer);
    g_outer = nullptr;
    sim.reset();
}

bool ClientWindow::load()
{
    engine = std::make_unique<QQmlApplicationEngine>();
    engine->load(QUrl(QStringLiteral("qrc:/ARDIX/qml/main.qml")));
    if (!engine->rootObjects().isEmpty())
        window = qobject_cast<QQuickWindow *>(engine->rootObjects().constFirst());
    return window != nullptr;
}

QVariant ClientWindow::eval(const QString &js, QObject *scope) const
{
    QObject *s = scope ? scope : window;
    QQmlExpression expression(qmlContext(s), s, js);
    const QVariant v = expression.evaluate();
    if (expression.hasError())
        qWarning() << "expression failed:" << js << expression.error().toString();
    return v;
}

bool ClientWindow::waitOnline(int ms) const
{
    return QTest::qWaitFor([this] { return eval(QStringLiteral("ardixKernel.ardixStatus === 1")).toBool(); }, ms);
}

QQuickItem *ClientWindow::item(const QString &objectName) const
{
    return findItem(window ? window->contentItem() : nullptr, objectName);
}

} // namespace ArdixTest
