#pragma once

// The kernel's lap engine object: LapEngine with the running-state signal and the two slots the
// interface and the link call.

#include "logs/laps/LapEngine.h"

#include <QObject>

class GPS : public QObject, public ardix::laps::LapEngine
{
    Q_OBJECT
public:
    // Where the device's reference lap used to be cached; removed when the lap is erased.
    static constexpr const char *kRefLapCachePath = "/logs/refLap.erl";

    explicit GPS(QObject *parent = nullptr);

public Q_SLOTS:
    void loadRefLap();
    void eraseRefLap();

Q_SIGNALS:
    void lapRunningStateChanged(bool newState);

protected:
    void onLapRunningStateChanged(bool newState) override;
};
