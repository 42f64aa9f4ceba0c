#pragma once
// The boot loaders of the simulated devices: the dash's speaks text lines, the PDM's speaks
// frames; both then take the firmware as raw packets and check each one.

#include "simcore/SimFrame.h"

#include <QByteArray>

class DeviceSimulator;

class SimBootLoader
{
public:
    explicit SimBootLoader(DeviceSimulator &device);

    void onConnected();
    void onCommand(const SimFrame &f); // PDM boot loader only
    bool takesRawBytes() const;
    void feed(const QByteArray &bytes);

    // Packet geometry of each boot loader.
    int headerSize() const { return m_dash ? 164 : 112; }
    int payloadSize() const { return m_dash ? 40960 : 22528; }

private:
    void onLine(const QByteArray &line);
    void startFlashing(quint32 size);
    void takePackets();
    void answer(bool good, quint32 index);
    void say(const QByteArray &line);

    DeviceSimulator &m_dev;
    bool m_dash;
    bool m_flashing = false;
    QByteArray m_buf;
    quint32 m_size = 0;
    quint32 m_next = 0; // packet expected next
    QByteArray m_image;
};
