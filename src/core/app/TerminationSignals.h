#pragma once
#include <QObject>

class QSocketNotifier;

// Turns SIGTERM, SIGINT and SIGHUP (logout, Ctrl+C, a service manager) into a signal on the event
// loop, so that the client can end the way closing its window does: settings written, the
// single-instance block and semaphore released, exit status 0. The handler only writes a byte
// to a socket pair; everything else happens on the interface thread.
class TerminationSignals : public QObject
{
    Q_OBJECT
public:
    explicit TerminationSignals(QObject *parent = nullptr);
    ~TerminationSignals() override;

    // Non-zero once a signal has been taken off the socket pair.
    int received() const { return m_received; }

signals:
    void terminationRequested(int signalNumber);

private:
    void drain();

    QSocketNotifier *m_notifier = nullptr;
    int m_received = 0;
};
