#pragma once
// GPS records of a car driving around a start point, in metres on a local plane, with times in
// ms. Positions are stored with 1e-5 minute resolution (about 2 cm).

#include "logs/elog/GpsRecord.h"

#include <cmath>
#include <vector>

namespace lapstest {

struct Track
{
    double lat0 = 55.7;
    double lon0 = 37.6;
    double baseMs = 10 * 3600000.0; // 10:00:00 UTC
    int day = 14, month = 6, year = 24;

    double metresPerDegLat() const
    {
        const double e2 = 0.006694379983166804, a = 6378137.0, k = M_PI / 180.0;
        const double s = std::sin(lat0 * k), w = std::sqrt(1 - e2 * s * s);
        return k * a * (1 - e2) / (w * w * w);
    }
    double metresPerDegLon() const
    {
        const double e2 = 0.006694379983166804, a = 6378137.0, k = M_PI / 180.0;
        const double s = std::sin(lat0 * k), w = std::sqrt(1 - e2 * s * s);
        return k * a / w * std::cos(lat0 * k);
    }

    static int32_t nmea(double deg)
    {
        const double a = std::fabs(deg);
        const double d = std::floor(a);
        const auto v = int32_t(std::llround((d * 100 + (a - d) * 60.0) * 100000.0));
        return deg < 0 ? -v : v;
    }

    // A record at `tMs` after the base time, `north`/`east` metres from the start point.
    GpsRecord at(double tMs, double north, double east, double knots, double course) const
    {
        GpsRecord g;
        g.fixValid = 1;
        g.latValue = nmea(lat0 + north / metresPerDegLat());
        g.latScale = 100000;
        g.lonValue = nmea(lon0 + east / metresPerDegLon());
        g.lonScale = 100000;
        g.speedValue = int32_t(std::llround(knots * 1000));
        g.speedScale = 1000;
        g.courseValue = int32_t(std::llround(std::fmod(course + 360.0, 360.0) * 100));
        g.courseScale = 100;
        const auto us = int64_t(std::llround((baseMs + tMs) * 1000.0));
        g.hours = int32_t(us / 3600000000LL);
        g.minutes = int32_t(us / 60000000LL % 60);
        g.seconds = int32_t(us / 1000000LL % 60);
        g.microseconds = int32_t(us % 1000000LL);
        g.day = day;
        g.month = month;
        g.year = year;
        g.satellites = 9;
        g.altitudeTenths = 1234;
        return g;
    }

    // A record `along` metres along `heading` (degrees from north) from the start point.
    GpsRecord onHeading(double tMs, double along, double heading, double knots, double course) const
    {
        const double h = heading * M_PI / 180.0;
        return at(tMs, along * std::cos(h), along * std::sin(h), knots, course);
    }
};

constexpr double kKnotsPerMs = 1.0 / 0.514444;

// A car going clockwise round a circle of `radius` m that touches the start point, heading
// `heading` there, at `speed` m/s, sampled every `periodMs`, starting `lead` metres before the
// line at time t0. `stopAtMs` cuts the drive.
inline std::vector<GpsRecord> circleDrive(const Track &track, double radius, double heading, double speed,
                                          double durationMs, double periodMs = 100, double lead = 30,
                                          double t0 = 0)
{
    std::vector<GpsRecord> out;
    const double h = heading * M_PI / 180.0;
    const double hx = std::sin(h), hy = std::cos(h); // east, north
    const double rx = std::cos(h), ry = -std::sin(h);
    for (double t = 0; t <= durationMs; t += periodMs) {
        const double s = speed * t / 1000.0 - lead;
        const double phi = s / radius;
        const double x = radius * rx + radius * (-rx * std::cos(phi) + hx * std::sin(phi));
        const double y = radius * ry + radius * (-ry * std::cos(phi) + hy * std::sin(phi));
        const double course = heading + phi * 180.0 / M_PI;
        out.push_back(track.at(t0 + t, y, x, speed * kKnotsPerMs, std::fmod(std::fmod(course, 360.0) + 360.0, 360.0)));
    }
    return out;
}

struct Leg
{
    double durationMs;
    double speed; // m/s
};

// Same circle, driven leg by leg at changing speeds (continuous positions).
inline std::vector<GpsRecord> circleLegs(const Track &track, double radius, double heading, double lead,
                                         const std::vector<Leg> &legs, double periodMs = 100)
{
    std::vector<GpsRecord> out;
    const double h = heading * M_PI / 180.0;
    const double hx = std::sin(h), hy = std::cos(h);
    const double rx = std::cos(h), ry = -std::sin(h);
    double s = -lead, t = 0;
    for (const Leg &leg : legs) {
        for (double dt = 0; dt < leg.durationMs; dt += periodMs) {
            const double phi = s / radius;
            const double x = radius * rx + radius * (-rx * std::cos(phi) + hx * std::sin(phi));
            const double y = radius * ry + radius * (-ry * std::cos(phi) + hy * std::sin(phi));
            const double course = std::fmod(std::fmod(heading + phi * 180.0 / M_PI, 360.0) + 360.0, 360.0);
            out.push_back(track.at(t, y, x, leg.speed * kKnotsPerMs, course));
            s += leg.speed * periodMs / 1000.0;
            t += periodMs;
        }
    }
    return out;
}

} // namespace lapstest
