#pragma once
// What the logic texts need from the kernel: which device is connected, its settings blocks and
// those of the other devices it works with, and the sensors' short names.
#include <QByteArray>
#include <QList>
#include <QString>

#include <cstdint>

class LogicBlocksProvider
{
public:
    virtual ~LogicBlocksProvider() = default;

    // DeviceModelId of the connected device: a dash (Device_Ardix7, Device_ArdixA20) or Device_Pmx.
    virtual int connectedDeviceType() const = 0;
    // Index of the device whose settings are shown; 0 is the connected device itself.
    virtual int shownDeviceIndex() const { return 0; }

    virtual QByteArray dashBlock() const = 0;
    virtual QByteArray pdmBlock() const = 0;
    // Blocks of further devices the shown one talks to, looked up by the serial in their blocks.
    virtual QList<QByteArray> otherPdmBlocks() const { return {}; }
    virtual QList<QByteArray> otherDashBlocks() const { return {}; }

    // Short name and float flag of a dash sensor id (0..31 standard, 100..131 custom).
    virtual QString sensorShortName(uint8_t sensorId) const = 0;
    virtual bool isSensorFloat(uint8_t sensorId) const = 0;
};
