#pragma once
// A random but plausible dash block: every byte random except the text fields (valid UTF-8 names,
// NUL-terminated, random bytes after the NUL), custom sensor records marked custom and keypads
// marked configured. Offsets here are written out independently of the code's tables.

#include "settings/dash/SettingsValueStore.h"
#include "settings/layout/LittleEndian.h"
#include "settings/layout/TextField.h"

#include <QByteArray>
#include <QRandomGenerator>
#include <QString>
#include <QVariant>

#include <map>

namespace fixture {

constexpr int kBlock = 28876;
constexpr int kSensors = 2040;
constexpr int kCustomSensors = 3960;
constexpr int kCommon = 5880;
constexpr int kAnalog = 6860;
constexpr int kExtra = 16588;

inline uchar *at(QByteArray &b, int offset) { return reinterpret_cast<uchar *>(b.data()) + offset; }
inline const uchar *at(const QByteArray &b, int offset) { return reinterpret_cast<const uchar *>(b.constData()) + offset; }

inline void putName(QByteArray &b, int offset, int size, QRandomGenerator &rng)
{
    static const QStringList names = {QString(), QStringLiteral("Oil"), QStringLiteral("Давл. масла"),
                                      QStringLiteral("Бак"), QStringLiteral("AFR 2"), QStringLiteral("Ж")};
    const QByteArray utf8 = names.at(int(rng.bounded(names.size()))).toUtf8();
    Q_ASSERT(utf8.size() < size);
    memcpy(at(b, offset), utf8.constData(), std::size_t(utf8.size()));
    b[offset + utf8.size()] = '\0';
}

inline QByteArray randomBlock(quint32 seed)
{
    QRandomGenerator rng(seed);
    QByteArray b(kBlock, '\0');
    for (char &c : b)
        c = char(rng.bounded(256));
    for (int list : {kSensors, kCustomSensors})
        for (int i = 0; i < 32; ++i)
            putName(b, list + i * 60 + 4, 24, rng);
    for (int i = 0; i < 32; ++i)
        at(b, kCustomSensors + i * 60 + 2)[0] |= 0x02; // custom sensors say so
    for (int off : {372, 404, 720})
        putName(b, kCommon + off, 32, rng);
    for (int i = 0; i < 32; ++i)
        putName(b, kAnalog + i * 304, 32, rng);
    at(b, kAnalog + 3 * 304 + 33)[0] = 0; // tableSize below the minimum
    at(b, kAnalog + 4 * 304 + 33)[0] = 1;
    for (int i = 0; i < 32; ++i)
        putName(b, kExtra + 2156 + i * 36, 32, rng);
    for (int i = 0; i < 60; ++i)
        putName(b, kExtra + 4604 + i * 88, 40, rng);
    for (int k = 0; k < 2; ++k) {
        const int rec = kExtra + 9884 + k * 576;
        b[rec + 5] = char(8 + k);                       // keypadType set
        layout::writeLE<uint16_t>(at(b, rec + 520), uint16_t(0x118 + k)); // canId set
        for (int n = 0; n < 16; ++n)
            putName(b, rec + 8 + n * 32, 32, rng);
    }
    return b;
}

// In-memory stand-in for the application settings store.
class MemoryStore : public SettingsValueStore
{
public:
    QVariant value(const QString &key, const QVariant &def) const override
    {
        auto it = values.find(key);
        return it == values.end() ? def : it->second;
    }
    void setValue(const QString &key, const QVariant &v) override { values[key] = v; }
    std::map<QString, QVariant> values;
};

} // namespace fixture
