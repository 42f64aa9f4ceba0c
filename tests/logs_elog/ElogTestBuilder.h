#pragma once
// Builds small ".elog" files for tests: the body in either version's layout and the compressed
// envelope around it. Shared read-only with the other log tests.

#include "logs/elog/ElogChannels.h"
#include "logs/elog/GpsRecord.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace elogtest {

inline void putU32(QByteArray &b, uint32_t v)
{
    for (int i = 0; i < 4; ++i)
        b.append(char(v >> (8 * i)));
}

inline void putF32(QByteArray &b, float f)
{
    uint32_t v;
    std::memcpy(&v, &f, 4);
    putU32(b, v);
}

inline QByteArray int16Samples(const std::vector<int16_t> &samples)
{
    QByteArray b;
    for (int16_t s : samples) {
        b.append(char(uint16_t(s) & 0xff));
        b.append(char(uint16_t(s) >> 8));
    }
    return b;
}

inline QByteArray gpsSamples(const std::vector<GpsRecord> &records)
{
    QByteArray b(int(records.size()) * elog::kGpsRecordSize, '\0');
    for (size_t i = 0; i < records.size(); ++i)
        encodeGpsRecord(records[i], reinterpret_cast<uchar *>(b.data()) + i * elog::kGpsRecordSize);
    return b;
}

// A GPS record at a position given in degrees (stored as NMEA ddmm.mmmm × 10000).
inline GpsRecord gpsAt(double latDeg, double lonDeg, double knots = 0, double course = 0)
{
    auto nmea = [](double deg) {
        const int d = int(deg);
        return int32_t(std::llround((d * 100 + (deg - d) * 60.0) * 10000.0));
    };
    GpsRecord g;
    g.fixValid = 1;
    g.latValue = nmea(latDeg);
    g.latScale = 10000;
    g.lonValue = nmea(lonDeg);
    g.lonScale = 10000;
    g.speedValue = int32_t(std::llround(knots * 100));
    g.speedScale = 100;
    g.courseValue = int32_t(std::llround(course * 100));
    g.courseScale = 100;
    g.day = 1;
    g.month = 6;
    g.year = 2024;
    return g;
}

class ElogBuilder
{
public:
    ElogBuilder &version(uint8_t v) { m_version = v; return *this; }
    ElogBuilder &rate(uint8_t r) { m_rate = r; return *this; }
    ElogBuilder &records(uint32_t n) { m_records = n; return *this; }
    ElogBuilder &startPoint(float lat, float lon, float course)
    {
        m_lat = lat;
        m_lon = lon;
        m_course = course;
        return *this;
    }
    // A channel with its raw block; the size table states the block's length plus `sizeDelta`.
    ElogBuilder &channel(uint8_t id, const QByteArray &block, int sizeDelta = 0)
    {
        m_channels.push_back({id, block, sizeDelta});
        return *this;
    }
    ElogBuilder &sensor(uint8_t id, const std::vector<int16_t> &samples) { return channel(id, int16Samples(samples)); }
    ElogBuilder &gps(const std::vector<GpsRecord> &records) { return channel(elog::Module_GPS, gpsSamples(records)); }
    // Attribute and 24-byte name of the next custom channel (ids 100..131), in channel order.
    ElogBuilder &customInfo(uint8_t attribute, const QByteArray &name)
    {
        m_attrs.push_back(attribute);
        m_names.push_back(name.left(elog::kCustomNameSize));
        return *this;
    }

    QByteArray body() const
    {
        QByteArray b;
        b.append(char(m_version));
        b.append(char(m_rate));
        b.append(char(m_channels.size()));
        if (m_version == 0) {
            putU32(b, m_records);
            for (const auto &c : m_channels)
                b.append(char(c.id));
        } else {
            b.append('\0');
            putF32(b, m_lat);
            putF32(b, m_lon);
            putF32(b, m_course);
            putU32(b, m_records);
            for (const auto &c : m_channels)
                b.append(char(c.id));
            for (const auto &c : m_channels)
                putU32(b, uint32_t(int64_t(c.block.size()) + c.sizeDelta));
            size_t customs = 0;
            for (const auto &c : m_channels)
                customs += elog::isNamedCustomChannel(c.id) ? 1 : 0;
            for (size_t i = 0; i < customs; ++i)
                b.append(char(i < m_attrs.size() ? m_attrs[i] : 0));
            for (size_t i = 0; i < customs; ++i) {
                QByteArray name = i < m_names.size() ? m_names[i] : QByteArray();
                name.resize(elog::kCustomNameSize, '\0');
                b.append(name);
            }
        }
        for (const auto &c : m_channels)
            b.append(c.block);
        return b;
    }

    QByteArray file() const { return qCompress(body()); }

    // Writes the file into `dir` and returns its path.
    QString write(const QString &dir, const QString &name) const { return writeBytes(dir, name, file()); }

    static QString writeBytes(const QString &dir, const QString &name, const QByteArray &bytes)
    {
        QDir().mkpath(dir);
        const QString path = QDir(dir).filePath(name);
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            return QString();
        return path;
    }

private:
    struct Channel
    {
        uint8_t id;
        QByteArray block;
        int sizeDelta;
    };
    uint8_t m_version = 1;
    uint8_t m_rate = 50;
    uint32_t m_records = 0;
    float m_lat = 0, m_lon = 0, m_course = 0;
    std::vector<Channel> m_channels;
    std::vector<uint8_t> m_attrs;
    std::vector<QByteArray> m_names;
};

} // namespace elogtest
