#pragma once
#include <QObject>
#include <QTimer>

class ArdixKernel;

// For soak runs only: with ARDIX_SOAK_UPLOAD_MS set, the whole dash settings block is uploaded
// at that interval while a dash is online, as a user pressing apply again and again would. Each
// request and each confirmed synchronisation is logged (category ardix.soak) for the soak script
// to count. Without the variable nothing is created.
class SoakUploads : public QObject
{
    Q_OBJECT
public:
    static constexpr const char *kIntervalVariable = "ARDIX_SOAK_UPLOAD_MS";
    static constexpr int kMinimumIntervalMs = 1000;

    // Looks for the kernel under root; null when the variable is unset or invalid.
    static SoakUploads *fromEnvironment(QObject *root);

    SoakUploads(ArdixKernel *kernel, int intervalMs, QObject *parent = nullptr);

private:
    void tick();

    ArdixKernel *m_kernel;
    QTimer m_timer;
    int m_requested = 0;
    int m_confirmed = 0;
};
