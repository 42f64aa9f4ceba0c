#pragma once
// A seeded, plausible outing for benchmarks and tool checks: a car lapping a 300 m-radius
// circuit, 30 sensor channels, the time module, GPS at the full log rate and the PDM module.

#include "logs/elog/ElogChannels.h"
#include "logs/elog/GpsRecord.h"

#include <QByteArray>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <vector>

namespace loggen {

struct Options
{
    uint32_t seconds = 3600;
    uint8_t rate = 50;
    bool gps = true;
    bool pdm = true;
    uint32_t seed = 1;
};

constexpr double kCentreLat = 55.5;
constexpr double kCentreLon = 37.5;
constexpr double kRadius = 300.0;   // metres
constexpr double kSpeed = 30.0;     // metres per second
constexpr double kStartAngle = M_PI / 4;
constexpr double kMetresPerDegree = 111320.0;

inline int32_t nmea(double deg, int32_t scale)
{
    const double a = std::fabs(deg);
    const int d = int(a);
    const double v = (d * 100 + (a - d) * 60.0) * scale;
    return int32_t(std::llround(deg < 0 ? -v : v));
}

// Position and heading on the circle at angle `theta` (counter-clockwise from east).
inline void pointAt(double theta, double &lat, double &lon, double &course)
{
    lat = kCentreLat + kRadius * std::sin(theta) / kMetresPerDegree;
    lon = kCentreLon + kRadius * std::cos(theta) / (kMetresPerDegree * std::cos(kCentreLat * M_PI / 180));
    course = std::fmod(std::atan2(-std::sin(theta), std::cos(theta)) * 180 / M_PI + 360.0, 360.0);
}

inline void put32(QByteArray &b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char(v >> (8 * i)));
}

inline QByteArray body(const Options &opt)
{
    std::mt19937 rng(opt.seed);
    std::uniform_int_distribution<int> noise(-20, 20);
    const uint32_t n = opt.seconds * opt.rate;

    std::vector<uint8_t> ids;
    for (uint8_t id = 1; id <= 25; ++id)
        ids.push_back(id);
    for (uint8_t id = 100; id < 105; ++id)
        ids.push_back(id);
    const size_t sensors = ids.size();
    if (opt.gps)
        ids.push_back(elog::Module_GPS);
    if (opt.pdm)
        ids.push_back(elog::Module_PMX);
    ids.push_back(elog::Module_Time);

    double lat0, lon0, course0;
    pointAt(kStartAngle, lat0, lon0, course0);

    QByteArray b;
    b.append(char(1));
    b.append(char(opt.rate));
    b.append(char(ids.size()));
    b.append(char(0));
    auto putF = [&b](float f) { uint32_t v; std::memcpy(&v, &f, 4); put32(b, v); };
    putF(float(lat0));
    putF(float(lon0));
    putF(float(course0));
    put32(b, n);
    for (uint8_t id : ids)
        b.append(char(id));
    for (uint8_t id : ids)
        put32(b, n * uint32_t(elog::sampleSize(id)));
    const int customs = 5;
    for (int i = 0; i < customs; ++i)
        b.append(char(i % 2));
    for (int i = 0; i < customs; ++i) {
        QByteArray name = QByteArray("Датчик ") + QByteArray::number(i + 1);
        name.resize(elog::kCustomNameSize, '\0');
        b.append(name);
    }
    const qsizetype dataAt = b.size();
    qsizetype total = 0;
    for (uint8_t id : ids)
        total += qsizetype(n) * elog::sampleSize(id);
    b.resize(dataAt + total);
    auto *p = reinterpret_cast<uchar *>(b.data()) + dataAt;

    for (size_t k = 0; k < sensors; ++k) {
        const double phase = double(k) * 0.7;
        const double amp = 200 + 100 * double(k);
        for (uint32_t i = 0; i < n; ++i) {
            const double t = double(i) / opt.rate;
            const auto v = int16_t(std::lround(amp * (1.0 + std::sin(t * 0.1 + phase))) + noise(rng));
            std::memcpy(p + 2 * size_t(i), &v, 2);
        }
        p += 2 * size_t(n);
    }
    if (opt.gps) {
        const double omega = kSpeed / kRadius;
        for (uint32_t i = 0; i < n; ++i) {
            const double t = double(i) / opt.rate;
            double lat, lon, course;
            pointAt(kStartAngle - 0.3 + omega * t, lat, lon, course);
            GpsRecord g;
            const uint32_t ms = i * (1000u / opt.rate);
            const uint32_t daySec = 10 * 3600 + ms / 1000;
            g.hours = int32_t(daySec / 3600 % 24);
            g.minutes = int32_t(daySec / 60 % 60);
            g.seconds = int32_t(daySec % 60);
            g.microseconds = int32_t(ms % 1000 * 1000);
            g.fixValid = 1;
            g.latValue = nmea(lat, 100000);
            g.latScale = 100000;
            g.lonValue = nmea(lon, 100000);
            g.lonScale = 100000;
            g.speedValue = int32_t(std::lround(kSpeed / 0.51444 * 100 + noise(rng)));
            g.speedScale = 100;
            g.courseValue = int32_t(std::lround(course * 100));
            g.courseScale = 100;
            g.day = 14;
            g.month = 6;
            g.year = 2024;
            g.satellites = 9 + int(i / 5000 % 4);
            g.altitudeTenths = int32_t(1500 + noise(rng));
            encodeGpsRecord(g, p);
            p += elog::kGpsRecordSize;
        }
    }
    if (opt.pdm) {
        std::uniform_int_distribution<uint32_t> bits;
        std::uniform_int_distribution<int> amps(0, 2500);
        for (uint32_t i = 0; i < n; ++i) {
            uchar *r = p;
            std::memset(r, 0, elog::kPdmRecordSize);
            auto w16 = [r](int off, uint16_t v) { r[off] = uchar(v); r[off + 1] = uchar(v >> 8); };
            auto w32 = [r](int off, uint32_t v) { for (int j = 0; j < 4; ++j) r[off + j] = uchar(v >> (8 * j)); };
            w16(4, uint16_t(35 + noise(rng) / 5));
            w16(8, uint16_t(amps(rng) * 4));
            w16(10, uint16_t(13800 + noise(rng) * 10));
            w32(12, bits(rng) & 0xfffff);
            w32(64, bits(rng) & 0x3fffffff);
            w32(68, (bits(rng) & 0xff) == 0 ? 1u : 0u);
            w32(72, 0);
            for (int j = 0; j < 30; ++j)
                w16(108 + 2 * j, uint16_t(amps(rng)));
            r[172 + 28] = uchar(i % 101);
            r[172 + 29] = uchar(50);
            p += elog::kPdmRecordSize;
        }
    }
    std::memset(p, 0, size_t(n) * elog::kTimeRecordSize); // time module: carried, not read
    return b;
}

} // namespace loggen
