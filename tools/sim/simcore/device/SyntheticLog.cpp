#include "simcore/device/SyntheticLog.h"

#include "simcore/device/DeviceBytes.h"
#include "simcore/device/PdmLiveData.h"
#include "simcore/device/SyntheticCircuit.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

using SimBytes::put;

constexpr quint8 TimeId = 200;
constexpr quint8 GpsId = 202;
constexpr quint8 PdmId = 203;
constexpr int TimeSampleSize = 8;
constexpr int GpsSampleSize = 80;
constexpr int PdmSampleSize = 336;
constexpr int CustomNameSize = 24;
constexpr double KnotsPerMs = 1.0 / 0.514444;
constexpr int GeoScale = 100000; // NMEA ddmm.mmmm x scale

// Channels in storage order: id, and for custom ones their attribute and name.
struct Channel
{
    quint8 id;
    quint8 attribute;
    const char *name;
};
constexpr Channel SensorChannels[] = {
    {16, 0, nullptr},  // engine speed
    {17, 0, nullptr},  // speed
    {19, 0, nullptr},  // gear
    {18, 0, nullptr},  // throttle
    {3, 0, nullptr},   // water temperature
    {2, 0, nullptr},   // oil temperature
    {1, 0, nullptr},   // oil pressure, x 100
    {12, 0, nullptr},  // battery, x 100
    {23, 0, nullptr},  // longitudinal g x 100
    {24, 0, nullptr},  // lateral g x 100
    {167, 0, nullptr}, // lap number
};
constexpr Channel CustomChannels[] = {
    {100, 1, "Brake pressure"},
    {101, 0, "Steering angle"},
};

// Driveline used to turn speed into engine speed and gear.
constexpr double GearRatios[] = {3.251, 1.955, 1.310, 1.000, 0.753};
constexpr double DiffRatio = 3.9;
constexpr double WheelCircumference = 1.95;
constexpr double IdleRpm = 900;
constexpr double UpshiftRpm = 7000;
constexpr double DownshiftRpm = 3600;
constexpr double CoolDownBraking = 4.0; // m/s^2 after the last lap

struct CarSample
{
    double t = 0;      // seconds from the first record
    double x = 0, y = 0;
    double speed = 0;  // m/s
    double accel = 0;  // m/s^2 along the path
    double lateral = 0;
    double course = 0;
    int lap = 0;       // 0 before the first crossing
    int gear = 1;
    double rpm = IdleRpm;
};

class Car
{
public:
    Car(const SimTrack::Circuit &c, const SyntheticLogOptions &o) : m_c(c), m_o(o), m_rng(o.seed)
    {
        for (int i = 0; i < o.laps + 1; ++i)
            m_pace.append(0.95 + 0.04 * m_rng.generateDouble());
    }

    // Advances to time t (called with increasing t).
    CarSample step(double t)
    {
        CarSample s;
        s.t = t;
        const double dt = t - m_lastT;
        m_lastT = t;
        const double moving = t - m_o.idleSeconds;
        double v = 0;
        if (moving > 0 && m_dist < finishDistance()) {
            const int lapIdx = std::min(int(m_dist / m_c.lap().length), int(m_pace.size()) - 1);
            const SimTrack::Circuit::State st = m_c.at(m_dist);
            v = st.speed * m_pace[lapIdx];
            if (m_dist < m_c.lap().length) // standing start on the first lap
                v = std::min(v, std::sqrt(2 * 4.5 * std::max(m_dist, 0.3)));
            m_dist += v * dt;
        } else if (moving > 0) {
            v = std::max(0.0, m_lastV - CoolDownBraking * dt); // rolls on past the line and stops
            m_dist += v * dt;
            m_stopped = v == 0;
        }
        const SimTrack::Circuit::State st = m_c.at(m_dist);
        s.x = st.x;
        s.y = st.y;
        s.course = st.course;
        s.speed = v;
        s.accel = dt > 0 ? (s.speed - m_lastV) / dt : 0;
        s.lateral = s.speed * s.speed * st.curvature;
        m_lastV = s.speed;
        s.lap = int(m_dist / m_c.lap().length);
        const int lapsDone = s.lap;
        if (lapsDone > m_lapsSeen) {
            if (m_lapsSeen > 0)
                m_lapTimes.append(t - m_lapStart);
            m_lapStart = t;
            m_lapsSeen = lapsDone;
        }
        // Gear and engine speed.
        auto rpmIn = [&](int g) { return s.speed / WheelCircumference * 60 * DiffRatio * GearRatios[g - 1]; };
        if (rpmIn(m_gear) > UpshiftRpm && m_gear < 5)
            ++m_gear;
        while (m_gear > 1 && rpmIn(m_gear) < DownshiftRpm && rpmIn(m_gear - 1) < UpshiftRpm)
            --m_gear;
        s.gear = s.speed < 0.5 ? 0 : m_gear;
        s.rpm = std::max(IdleRpm, s.gear ? rpmIn(m_gear) : IdleRpm) + (m_rng.generateDouble() - 0.5) * 40;
        return s;
    }

    double finishDistance() const { return m_c.lap().length * (m_o.laps + 1); }
    bool finished() const { return m_stopped; }
    const QList<double> &lapTimes() const { return m_lapTimes; }
    double noise(double amplitude) { return (m_rng.generateDouble() - 0.5) * 2 * amplitude; }

private:
    const SimTrack::Circuit &m_c;
    const SyntheticLogOptions &m_o;
    QRandomGenerator m_rng;
    QList<double> m_pace;
    QList<double> m_lapTimes;
    double m_dist = 0, m_lastT = 0, m_lastV = 0, m_lapStart = 0;
    int m_lapsSeen = 0;
    int m_gear = 1;
    bool m_stopped = false;
};

qint16 clamp16(double v)
{
    return qint16(std::lround(std::clamp(v, -32768.0, 32767.0)));
}

qint16 sensorValue(quint8 id, const CarSample &s, Car &car, double throttle)
{
    const double minutes = s.t / 60;
    switch (id) {
    case 16: return clamp16(s.rpm);
    case 17: return clamp16(s.speed * 3.6);
    case 19: return qint16(s.gear);
    case 18: return clamp16(throttle);
    case 3: return clamp16(84 + std::min(8.0, minutes * 2) + 1.5 * std::sin(s.t / 20));
    case 2: return clamp16(88 + std::min(22.0, minutes * 5) + car.noise(0.4));
    case 1: return clamp16(120 + s.rpm * 0.06 + car.noise(4));
    case 12: return clamp16(1385 - (s.rpm < 1000 ? 60 : 0) + car.noise(3));
    case 23: return clamp16(s.accel / 9.81 * 100);
    case 24: return clamp16(s.lateral / 9.81 * 100);
    case 167: return qint16(s.lap);
    case 100: return clamp16(s.accel < -2 ? -s.accel * 9 * 100 / 9.81 + car.noise(20) : 0);
    case 101: return clamp16(s.lateral * 12 + car.noise(1));
    default: return 0;
    }
}

void putNmea(QByteArray &b, int at, double degrees)
{
    const double a = std::abs(degrees);
    const int whole = int(a);
    const double minutes = (a - whole) * 60;
    const qint64 v = qint64(whole) * 100 * GeoScale + qint64(std::llround(minutes * GeoScale));
    put<qint32>(b, at, qint32(degrees < 0 ? -v : v));
    put<qint32>(b, at + 4, GeoScale);
}

QByteArray gpsRecord(const SimTrack::Circuit &c, const CarSample &s, quint32 startTime, Car &car)
{
    QByteArray r(GpsSampleSize, '\0');
    const qint64 ms = qint64(startTime) * 1000 + qint64(std::llround(s.t * 1000));
    const QDateTime when = QDateTime::fromMSecsSinceEpoch(ms, Qt::UTC);
    put<qint32>(r, 0, when.time().hour());
    put<qint32>(r, 4, when.time().minute());
    put<qint32>(r, 8, when.time().second());
    put<qint32>(r, 12, when.time().msec() * 1000);
    put<qint32>(r, 16, 1);
    const SimTrack::GeoPoint g = c.toGeo(s.x + car.noise(0.3), s.y + car.noise(0.3));
    putNmea(r, 20, g.lat);
    putNmea(r, 28, g.lon);
    put<qint32>(r, 36, qint32(std::lround(s.speed * KnotsPerMs * 100)));
    put<qint32>(r, 40, 100);
    put<qint32>(r, 44, qint32(std::lround(s.course * 100)));
    put<qint32>(r, 48, 100);
    put<qint32>(r, 52, when.date().day());
    put<qint32>(r, 56, when.date().month());
    put<qint32>(r, 60, when.date().year() % 100);
    put<quint8>(r, 73, 11);
    put<qint16>(r, 76, qint16(1450 + std::lround(s.y * 0.02 * 10)));
    return r;
}

QByteArray timeRecord(quint32 startTime, double t)
{
    QByteArray r(TimeSampleSize, '\0');
    const qint64 ms = qint64(std::llround(t * 1000));
    put<quint32>(r, 0, startTime + quint32(ms / 1000));
    put<quint32>(r, 4, quint32(ms % 1000));
    return r;
}

} // namespace

QByteArray logListEntry(quint8 percent, quint32 start, quint32 end)
{
    QByteArray e(9, '\0');
    put<quint8>(e, 0, percent);
    put<quint32>(e, 1, start);
    put<quint32>(e, 5, end);
    return e;
}

SyntheticLog makeSyntheticLog(const SyntheticLogOptions &o)
{
    static const SimTrack::Circuit circuit;
    const int rate = std::max<int>(1, o.logRate);
    const int gpsRate = o.version == 0 ? rate : std::clamp(o.gpsRateHz, 1, rate);
    // GPS samples fall on the records where floor(record x gpsRate / rate) steps up.
    auto gpsDue = [rate, gpsRate](quint32 record) {
        return record == 0 || qint64(record) * gpsRate / rate != (qint64(record) - 1) * gpsRate / rate;
    };

    // Channel list in storage order.
    QList<Channel> channels;
    channels.append({TimeId, 0, nullptr});
    for (const Channel &c : SensorChannels)
        channels.append(c);
    if (o.customChannels && o.version > 0)
        for (const Channel &c : CustomChannels)
            channels.append(c);
    if (o.pdmChannel)
        channels.append({PdmId, 0, nullptr});
    channels.append({GpsId, 0, nullptr});

    QList<QByteArray> blocks(channels.size());
    Car car(circuit, o);
    PdmLiveData pdm(o.seed);
    quint32 records = 0;
    double lastSpeed = 0;
    for (;; ++records) {
        const double t = double(records) / rate;
        const CarSample s = car.step(t);
        const double throttle = s.speed < 0.5 ? 0 : s.accel > 0.3 ? 100 : s.accel < -1 ? 0 : 35 + car.noise(5);
        lastSpeed = s.speed;
        for (int ch = 0; ch < channels.size(); ++ch) {
            const quint8 id = channels[ch].id;
            QByteArray &blk = blocks[ch];
            if (id == TimeId) {
                blk.append(timeRecord(o.startTime, t));
            } else if (id == GpsId) {
                if (gpsDue(records))
                    blk.append(gpsRecord(circuit, s, o.startTime, car));
            } else if (id == PdmId) {
                blk.append(pdm.realtimeBlock(int(t * 1000), s.rpm).left(PdmSampleSize));
            } else {
                QByteArray v(2, '\0');
                put<qint16>(v, 0, sensorValue(id, s, car, throttle));
                blk.append(v);
            }
        }
        if (car.finished() && lastSpeed == 0) {
            ++records;
            break;
        }
    }

    SyntheticLog log;
    log.records = records;
    log.startTime = o.startTime;
    log.endTime = o.startTime + quint32(records / rate);
    log.lapTimes = car.lapTimes();
    for (const Channel &c : channels)
        log.channelIds.append(c.id);

    QByteArray &b = log.body;
    const int n = int(channels.size());
    if (o.version == 0) {
        b = QByteArray(7 + n, '\0');
        put<quint8>(b, 1, quint8(rate));
        put<quint8>(b, 2, quint8(n));
        put<quint32>(b, 3, records);
        for (int i = 0; i < n; ++i)
            put<quint8>(b, 7 + i, channels[i].id);
    } else {
        QList<Channel> custom;
        for (const Channel &c : channels)
            if (c.id >= 100 && c.id <= 131)
                custom.append(c);
        const int cc = int(custom.size());
        b = QByteArray(20 + 5 * n + 25 * cc, '\0');
        put<quint8>(b, 0, o.version);
        put<quint8>(b, 1, quint8(rate));
        put<quint8>(b, 2, quint8(n));
        if (o.startLine) {
            const SimTrack::StartLine sl = circuit.startLine();
            SimBytes::putFloat(b, 4, float(sl.lat));
            SimBytes::putFloat(b, 8, float(sl.lon));
            SimBytes::putFloat(b, 12, float(sl.course));
        }
        put<quint32>(b, 16, records);
        for (int i = 0; i < n; ++i) {
            put<quint8>(b, 20 + i, channels[i].id);
            put<quint32>(b, 20 + n + 4 * i, quint32(blocks[i].size()));
        }
        for (int i = 0; i < cc; ++i) {
            put<quint8>(b, 20 + 5 * n + i, custom[i].attribute);
            SimBytes::putText(b, 20 + 5 * n + cc + CustomNameSize * i, CustomNameSize, custom[i].name);
        }
    }
    for (const QByteArray &blk : blocks)
        b.append(blk);
    log.file = qCompress(b);
    return log;
}

QByteArray makeSyntheticRefLap(quint32 startTime, int gpsRateHz)
{
    static const SimTrack::Circuit circuit;
    constexpr int HeadSize = 48;
    constexpr double MsPerMonth = 2629746000.0;
    const double dt = 1.0 / std::max(1, gpsRateHz);
    struct Point { qint32 ms; qint16 speed; double dist, lat, lon; };
    QList<Point> points;
    double d = 0, t = 0;
    while (d < circuit.lap().length) {
        const SimTrack::Circuit::State st = circuit.at(d);
        const SimTrack::GeoPoint g = circuit.toGeo(st.x, st.y);
        points.append({qint32(std::lround(t * 1000)), qint16(std::lround(st.speed * 36)), d, g.lat, g.lon});
        d += st.speed * dt;
        t += dt;
    }
    const int n = int(points.size());
    const quint32 lapMs = quint32(std::lround(t * 1000));
    const QDateTime end = QDateTime::fromSecsSinceEpoch(qint64(startTime) + lapMs / 1000, Qt::UTC);
    const double stamp = end.date().month() * MsPerMonth + end.date().day() * 86400000.0
                         + end.time().hour() * 3600000.0 + end.time().minute() * 60000.0 + end.time().second() * 1000.0;
    const SimTrack::StartLine sl = circuit.startLine();

    QByteArray b(HeadSize + 30 * n, '\0');
    auto putDouble = [&b](int at, double v) {
        quint64 u;
        std::memcpy(&u, &v, 8);
        put<quint64>(b, at, u);
    };
    put<quint32>(b, 0, lapMs);
    putDouble(8, sl.lat);
    putDouble(16, sl.lon);
    putDouble(24, sl.course);
    put<quint32>(b, 32, quint32(qint64(stamp / 1000)));
    put<quint32>(b, 36, quint32(n));
    for (int i = 0; i < n; ++i) {
        put<qint32>(b, HeadSize + 4 * i, points[i].ms);
        put<qint16>(b, HeadSize + 4 * n + 2 * i, points[i].speed);
        putDouble(HeadSize + 6 * n + 8 * i, points[i].dist);
        putDouble(HeadSize + 14 * n + 8 * i, points[i].lat);
        putDouble(HeadSize + 22 * n + 8 * i, points[i].lon);
    }
    return b;
}

QByteArray makeSyntheticElog(const SyntheticLogOptions &options)
{
    return makeSyntheticLog(options).file;
}
