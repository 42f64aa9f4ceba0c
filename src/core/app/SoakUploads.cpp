#include "app/SoakUploads.h"

#include "app/ArdixKernel.h"
#include "settings/ArdixEnums.h"

#include <QLoggingCategory>

Q_LOGGING_CATEGORY(lcSoak, "ardix.soak", QtWarningMsg)

SoakUploads *SoakUploads::fromEnvironment(QObject *root)
{
    bool ok = false;
    const int intervalMs = qEnvironmentVariableIntValue(kIntervalVariable, &ok);
    if (!ok || intervalMs < kMinimumIntervalMs || !root)
        return nullptr;
    auto *kernel = root->findChild<ArdixKernel *>();
    if (!kernel) {
        qCWarning(lcSoak) << "no kernel to drive";
        return nullptr;
    }
    return new SoakUploads(kernel, intervalMs, root);
}

SoakUploads::SoakUploads(ArdixKernel *kernel, int intervalMs, QObject *parent)
    : QObject(parent), m_kernel(kernel)
{
    connect(kernel, &ArdixKernel::syncCompletedSignal, this, [this] {
        qCInfo(lcSoak).nospace() << "sync confirmed " << ++m_confirmed;
    });
    connect(&m_timer, &QTimer::timeout, this, &SoakUploads::tick);
    m_timer.start(intervalMs);
    qCInfo(lcSoak) << "uploading every" << intervalMs << "ms while a dash is online";
}

void SoakUploads::tick()
{
    if (m_kernel->ardixStatus() != ArdixEnums::ardixOnline || m_kernel->deviceId() != ArdixEnums::Device_Ardix7)
        return;
    qCInfo(lcSoak).nospace() << "upload requested " << ++m_requested;
    m_kernel->applyNewArdixSettings(true);
}
