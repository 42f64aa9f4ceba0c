#pragma once

// What a sensor object needs from the dash settings that own it: the interface language and the
// ECU protocol currently selected. The dash settings root implements it.
class SensorContext
{
public:
    virtual ~SensorContext() = default;
    virtual bool isRu() const = 0;
    virtual int currEcuProtocol() const = 0;
};
