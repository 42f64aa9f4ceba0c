#pragma once
// One simulated device on loopback and the client's whole window dialling it, for tests that drive
// the interface as a user does and look at what the device holds afterwards.
#include "simcore/device/DeviceSimulator.h"

#include <QVariant>

#include <QPointer>
#include <QQuickWindow>

#include <memory>

class QQmlApplicationEngine;
class QQuickItem;
class QQuickWindow;

namespace ArdixTest {

// A fresh settings store for the window: the device it shows first, and the first-start
// demonstrations (device selector, window height) already seen, so that nothing covers the screen.
void resetWindowStore(int lastDevice = 0);

class ClientWindow
{
public:
    // Starts the simulated device and points the client's address at it; `load` opens the window,
    // so that a test can prepare the device first.
    explicit ClientWindow(SimRole role = SimRole::Dash);
    virtual ~ClientWindow();

    bool load();

    // Evaluates `js` in the window's context, with `scope` (the window by default) as its scope object.
    QVariant eval(const QString &js, QObject *scope = nullptr) const;
    // Connected (link status 1) within `ms`.
    bool waitOnline(int ms = 8000) const;
    // An item of the window by its object name, through the visual tree (delegates of views are not
    // QObject children).
    QQuickItem *item(const QString &objectName) const;

    std::unique_ptr<DeviceSimulator> sim;
    std::unique_ptr<QQmlApplicationEngine> engine;
    // Guarded: a test may drop the engine (and with it the window) before this goes.
    QPointer<QQuickWindow> window;
};

} // namespace ArdixTest
