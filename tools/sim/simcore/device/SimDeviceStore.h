#pragma once
// What the simulated device remembers between runs: its settings blocks, WiFi name and password,
// reference lap, shown skin mode and whether its logs were erased. Kept in a state folder when
// one is given, else in memory only.

#include <QByteArray>
#include <QString>

class SimDeviceStore
{
public:
    // refLap is what a device that never ran before holds.
    SimDeviceStore(const QString &dir, quint32 serial, const QByteArray &refLap = {});

    QByteArray dash;   // always the full 28,876 bytes
    QByteArray pdm;    // 40,960 bytes, sealed
    QByteArray refLap; // compressed envelope as uploaded; empty when none
    QByteArray userLogo;
    QString wifiName;
    QString wifiPassword;
    quint8 skinMode = 0;
    bool logsCleared = false;
    quint32 trip = 123450; // 0.1 km

    bool save() const;
    QString dir() const { return m_dir; }

private:
    void load();
    QString m_dir;
};
