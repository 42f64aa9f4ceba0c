#pragma once
// The boot loaders of the simulated devices: the dash's speaks text lines, the PDM's speaks
// frames; both then take the firmware as raw packets and check each one (against the file they
// expect, when told one), and restart into the new firmware once the whole image is in and
// verified. As strict as the devices: the dash's lines must carry their length byte, the PDM
// flashes only after DeviceSerialNum, packets are counted in bytes from the start (a stray byte
// shifts every packet after it), and an image that fails its own check is refused.

#include "simcore/SimFrame.h"
#include "simcore/device/SimFirmware.h"
#include "simcore/device/SimFlashFault.h"

#include <QByteArray>
#include <QTimer>

class DeviceSimulator;

class SimBootLoader
{
public:
    explicit SimBootLoader(DeviceSimulator &device);

    void onConnected();
    void onCommand(const SimFrame &f); // PDM boot loader only
    bool takesRawBytes() const;
    void feed(const QByteArray &bytes);

    // The 128 characters of the "bootloader:" line for a device of that serial number.
    static QByteArray serialHash(quint32 serial);

    // Packet geometry of each boot loader.
    int headerSize() const { return m_dash ? SimFirmware::DashHeaderSize : SimFirmware::PdmHeaderSize; }
    int payloadSize() const { return m_dash ? SimFirmware::DashPayload : SimFirmware::PdmPayload; }

private:
    void onLine(const QByteArray &line);
    bool takeMute();
    bool imageVerified() const;
    void startFlashing(quint32 size);
    void takePackets();
    bool checkPacket(const QByteArray &packet, quint32 index, int lead, int len);
    void answer(bool good, quint32 index, bool last = false);
    void sendAnswer(bool good, quint32 index);
    void reportTimeout();
    void abort(FlashFault::Kind kind, int code);
    void finish();
    void armPacketTimer();
    void say(const QByteArray &line);
    FlashFault *faultFor(quint32 packet);

    DeviceSimulator &m_dev;
    bool m_dash;
    bool m_flashing = false;
    bool m_silent = false;
    bool m_serialAsked = false; // the PDM's DeviceSerialNum came on this connection
    QByteArray m_buf;
    quint32 m_size = 0;
    quint32 m_next = 0; // packet expected next
    QByteArray m_image;
    QTimer m_packetTimer;
};
