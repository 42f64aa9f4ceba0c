#pragma once
// The dash settings block as the device holds it: 28,876 bytes (the older firmware knows the
// first 16,588). The kernel owns one; ArdixSettings loads from it and packs into it.

#include "settings/dash/DashLayout.h"

#include <QByteArray>
#include <cstdint>

// The parts the device accepts separately; values are the bits of the apply step's change mask.
enum class DashPart : uint8_t {
    SkinsPos = 0,
    Sensors = 1,
    CustomSensors = 2,
    Common = 3,
    CustomAnalogSensors = 4,
    Extra = 5,
};

class DashSettingsImage
{
public:
    static constexpr int kSize = dashLayout::kBlockSize;
    static constexpr int kShortSize = dashLayout::kShortBlockSize;

    // All zero.
    DashSettingsImage();
    // A stored or received block: 28,876 bytes are taken as they are; 16,588 bytes fill the first
    // part and leave the extra area zero (see needsExtraDefaults); any other size gives all zero
    // and ok() false.
    explicit DashSettingsImage(const QByteArray &block);

    bool ok() const { return m_ok; }
    const QByteArray &bytes() const { return m_bytes; }
    const unsigned char *data() const { return reinterpret_cast<const unsigned char *>(m_bytes.constData()); }
    unsigned char *data() { return reinterpret_cast<unsigned char *>(m_bytes.data()); }

    // The extra area is valid only when it starts with the marker.
    bool hasExtraMarker() const;
    // Writes the extra settings defaults over the whole extra area.
    void loadDefaultExtraSettings();

    // Where each part sits, and its bytes (what a part upload carries).
    static int partOffset(DashPart part);
    static int partSize(DashPart part);
    QByteArray part(DashPart part) const;

    // The common record's stored checksum, and the one its first 976 bytes give.
    uint32_t commonChecksum() const;
    uint32_t computeCommonChecksum() const;

private:
    QByteArray m_bytes;
    bool m_ok = true;
};
