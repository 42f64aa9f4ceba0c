#pragma once
// A plausible closed race circuit and a car's lap around it, for the simulated dash's logs.

#include <QList>
#include <QtGlobal>

namespace SimTrack {

struct GeoPoint
{
    double lat = 0;
    double lon = 0;
};

struct StartLine
{
    double lat = 0;
    double lon = 0;
    double course = 0; // degrees from north, direction of travel
};

// One lap sampled along the racing line.
struct LapProfile
{
    QList<double> distance;  // metres from the start line, ascending from 0
    QList<double> x, y;      // metres east and north of the start line
    QList<double> speed;     // flying-lap speed, m/s
    QList<double> curvature; // 1/m, positive turning left
    double length = 0;
};

class Circuit
{
public:
    Circuit();

    const LapProfile &lap() const { return m_lap; }
    StartLine startLine() const;
    GeoPoint toGeo(double x, double y) const;

    // Position and state at a distance along the lap (wraps around).
    struct State
    {
        double x, y, speed, curvature, course;
    };
    State at(double distance) const;

private:
    LapProfile m_lap;
    GeoPoint m_origin;
};

} // namespace SimTrack
