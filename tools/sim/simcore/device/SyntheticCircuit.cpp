#include "simcore/device/SyntheticCircuit.h"

#include <algorithm>
#include <cmath>

namespace SimTrack {

namespace {

constexpr double Pi = 3.14159265358979323846;
constexpr double EarthRadius = 6371008.8;
constexpr double Step = 2.0;          // metres between profile points
constexpr double MaxSpeed = 58.0;     // m/s at the end of the main straight
constexpr double LateralGrip = 11.0;  // m/s^2
constexpr double Acceleration = 4.5;  // m/s^2
constexpr double Braking = 9.0;       // m/s^2

// Corners of the circuit (metres east, north of the start line), driven in this order.
struct P { double x, y; };
constexpr P ControlPoints[] = {
    {0, 0}, {350, 0}, {700, 5}, {880, 40}, {960, 170}, {900, 310}, {760, 350}, {620, 300},
    {500, 370}, {470, 530}, {570, 660}, {540, 800}, {380, 850}, {190, 790}, {60, 640},
    {-60, 470}, {-150, 300}, {-170, 140}, {-110, 30},
};
constexpr int ControlCount = int(sizeof(ControlPoints) / sizeof(ControlPoints[0]));

// Uniform Catmull-Rom spline through the closed list of control points.
P spline(int seg, double t)
{
    auto cp = [](int i) { return ControlPoints[((i % ControlCount) + ControlCount) % ControlCount]; };
    const P p0 = cp(seg - 1), p1 = cp(seg), p2 = cp(seg + 1), p3 = cp(seg + 2);
    const double t2 = t * t, t3 = t2 * t;
    auto f = [&](double a, double b, double c, double d) {
        return 0.5 * ((2 * b) + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
    };
    return {f(p0.x, p1.x, p2.x, p3.x), f(p0.y, p1.y, p2.y, p3.y)};
}

} // namespace

Circuit::Circuit() : m_origin{55.566135, 38.146290}
{
    // Dense polyline, then resampled at an even step.
    QList<P> dense;
    for (int s = 0; s < ControlCount; ++s)
        for (int k = 0; k < 200; ++k)
            dense.append(spline(s, k / 200.0));
    dense.append(dense.front());
    QList<double> cum{0};
    for (int i = 1; i < dense.size(); ++i)
        cum.append(cum.back() + std::hypot(dense[i].x - dense[i - 1].x, dense[i].y - dense[i - 1].y));
    const double total = cum.back();
    const int n = int(total / Step);
    m_lap.length = n * Step;
    int j = 0;
    for (int i = 0; i < n; ++i) {
        const double d = i * total / n;
        while (j + 1 < cum.size() && cum[j + 1] < d)
            ++j;
        const double f = cum[j + 1] > cum[j] ? (d - cum[j]) / (cum[j + 1] - cum[j]) : 0;
        m_lap.distance.append(i * Step);
        m_lap.x.append(dense[j].x + f * (dense[j + 1].x - dense[j].x));
        m_lap.y.append(dense[j].y + f * (dense[j + 1].y - dense[j].y));
    }
    // Curvature from the turn of the heading over a few steps.
    const int w = 5;
    for (int i = 0; i < n; ++i) {
        const int a = (i - w + n) % n, b = (i + w) % n;
        const double h1 = std::atan2(m_lap.y[i] - m_lap.y[a], m_lap.x[i] - m_lap.x[a]);
        const double h2 = std::atan2(m_lap.y[b] - m_lap.y[i], m_lap.x[b] - m_lap.x[i]);
        double dh = h2 - h1;
        while (dh > Pi) dh -= 2 * Pi;
        while (dh < -Pi) dh += 2 * Pi;
        m_lap.curvature.append(dh / (w * Step));
    }
    // Grip limit in corners, then acceleration and braking limits, twice round for the wrap.
    QList<double> v(n);
    for (int i = 0; i < n; ++i) {
        const double k = std::abs(m_lap.curvature[i]);
        v[i] = k > 1e-6 ? std::min(MaxSpeed, std::sqrt(LateralGrip / k)) : MaxSpeed;
    }
    for (int pass = 0; pass < 2; ++pass) {
        for (int i = 1; i <= n; ++i)
            v[i % n] = std::min(v[i % n], std::sqrt(v[i - 1] * v[i - 1] + 2 * Acceleration * Step));
        for (int i = n - 1; i >= 0; --i)
            v[i] = std::min(v[i], std::sqrt(v[(i + 1) % n] * v[(i + 1) % n] + 2 * Braking * Step));
    }
    m_lap.speed = v;
}

GeoPoint Circuit::toGeo(double x, double y) const
{
    const double lat0 = m_origin.lat * Pi / 180;
    return {m_origin.lat + (y / EarthRadius) * 180 / Pi,
            m_origin.lon + (x / (EarthRadius * std::cos(lat0))) * 180 / Pi};
}

Circuit::State Circuit::at(double distance) const
{
    const int n = int(m_lap.distance.size());
    double d = std::fmod(distance, m_lap.length);
    if (d < 0)
        d += m_lap.length;
    const int i = std::min(n - 1, int(d / Step));
    const int k = (i + 1) % n;
    const double f = (d - i * Step) / Step;
    auto mix = [f](double a, double b) { return a + f * (b - a); };
    const double dx = m_lap.x[k] - m_lap.x[i], dy = m_lap.y[k] - m_lap.y[i];
    double course = std::atan2(dx, dy) * 180 / Pi;
    if (course < 0)
        course += 360;
    return {mix(m_lap.x[i], m_lap.x[k]), mix(m_lap.y[i], m_lap.y[k]),
            mix(m_lap.speed[i], m_lap.speed[k]), mix(m_lap.curvature[i], m_lap.curvature[k]), course};
}

StartLine Circuit::startLine() const
{
    const GeoPoint g = toGeo(0, 0);
    return {g.lat, g.lon, at(0).course};
}

} // namespace SimTrack
