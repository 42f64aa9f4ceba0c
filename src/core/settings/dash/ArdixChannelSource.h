#pragma once
// The source of a dash lamp or button action: a channel of some type, optionally inverted, with the
// dash input's pull-up.

#include "settings/PropertyMacros.h"

#include <QObject>
#include <cstdint>

class ArdixChannelSource : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint8_t, inChannelType, setInChannelType, dataChanged)
    ARDIX_PROPERTY_S(uint8_t, inChannel, setInChannel, dataChanged)
    ARDIX_PROPERTY_S(bool, isInverse, setIsInverse, dataChanged)
    ARDIX_PROPERTY_S(bool, isPullUp, setIsPullUp, dataChanged)

public:
    static constexpr int kRecordSize = 4;

    explicit ArdixChannelSource(QObject *parent = nullptr) : QObject(parent) {}

    // load emits dataChanged once more at the end.
    void load(const unsigned char *record);
    void pack(unsigned char *record) const;

Q_SIGNALS:
    void dataChanged();
};

class ArdixLamp : public ArdixChannelSource
{
    Q_OBJECT
public:
    explicit ArdixLamp(QObject *parent = nullptr) : ArdixChannelSource(parent) {}
};

class ArdixAction : public ArdixChannelSource
{
    Q_OBJECT
public:
    explicit ArdixAction(QObject *parent = nullptr) : ArdixChannelSource(parent) {}
};
