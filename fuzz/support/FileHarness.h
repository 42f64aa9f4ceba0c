#pragma once
// What the client does with files users exchange and with the data devices send, all the way to
// the objects that use them; each fuzz target drives one of these loaders:
//   - settings files (dash, PDM) through the settings store into the dash and PDM settings trees;
//   - files of unknown kind and user logos through the settings store;
//   - start line and reference lap files through their readers and the lap service;
//   - device data (log list, reference lap, raw ADC, PDM real-time) through the dispatcher, with
//     fake ports, into the log list, the reference lap reader and the real-time object.
//
// An input is a flags byte and a payload. Mutated bytes would rarely get past zlib or a block
// checksum, so the harness builds envelopes and checksums around them itself (a flag leaves them
// as they are). Where a record is accepted, packing it again must give a record that reads back
// the same: the loaders and packers agree on every byte layout.

#include "../../tests/dispatch/FakePorts.h"

#include "link/dispatch/CompressedEnvelope.h"
#include "logs/laps/GPS.h"
#include "logs/laps/LapRecords.h"
#include "logs/laps/LapService.h"
#include "logs/store/DeviceLogList.h"
#include "settings/ArdixEnums.h"
#include "settings/dash/ArdixSettings.h"
#include "settings/dash/DashApply.h"
#include "settings/dash/DashSettingsImage.h"
#include "settings/layout/Crc32Words.h"
#include "settings/pdm/PdmRealtimeData.h"
#include "settings/pdm/PdmSettings.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "settings/persistence/SettingsStore.h"

#include <QCoreApplication>
#include <QFile>
#include <QHash>
#include <QMetaProperty>
#include <QSettings>
#include <QTemporaryDir>

#include <zlib.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace ArdixEnums;

namespace fuzzfiles {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz: %s\n", what);
    std::abort();
}

constexpr qsizetype kPdmBlock = 40960;

enum Flag : uint8_t {
    KeepBytes = 0x10,  // no envelope, no checksum fixing: the bytes as they came
    ShortDash = 0x20,  // the old dash block size
    Online = 0x40,     // a device is connected
    Exact = 0x80,      // content cut or padded to the size its reader wants
};

const QTemporaryDir &workDir()
{
    static const QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/fuzz_files-XXXXXX"));
    if (!dir.isValid())
        fail("no temporary folder");
    return dir;
}

QString writeInput(const QByteArray &bytes)
{
    const QString path = workDir().filePath(QStringLiteral("input"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
        fail("cannot write the input file");
    return path;
}

// The payload repeated up to `size` bytes, so that short inputs still fill a whole block.
QByteArray sized(const QByteArray &payload, qsizetype size)
{
    QByteArray out(size, '\0');
    if (payload.isEmpty())
        return out;
    for (qsizetype at = 0; at < size; at += payload.size())
        std::memcpy(out.data() + at, payload.constData(), size_t(std::min(payload.size(), size - at)));
    return out;
}

// The settings stores keep their values in memory: written as ini text, a block costs more than
// everything else an input does, and the text format is not what is fuzzed here.
QHash<QString, QSettings::SettingsMap> &storedMaps()
{
    static QHash<QString, QSettings::SettingsMap> maps;
    return maps;
}

// QSettings hands over a QFile to read and a QSaveFile to write: the name is the key.
QString storeName(const QIODevice &device)
{
    const auto *file = qobject_cast<const QFileDevice *>(&device);
    return file ? file->fileName() : QString();
}

bool readMemory(QIODevice &device, QSettings::SettingsMap &map)
{
    map = storedMaps().value(storeName(device));
    return true;
}

bool writeMemory(QIODevice &device, const QSettings::SettingsMap &map)
{
    storedMaps().insert(storeName(device), map);
    return true;
}

QSettings::Format memoryFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("fuzzmem"), readMemory, writeMemory);
    return format;
}

// The compressed envelope as the client writes it (4-byte big-endian length, zlib stream), at
// zlib's fastest level: the bytes inside are what matters, not how well they are packed.
QByteArray envelopeOf(const QByteArray &content)
{
    uLongf packed = compressBound(uLong(content.size()));
    QByteArray out(4 + qsizetype(packed), '\0');
    const auto n = uint32_t(content.size());
    for (int i = 0; i < 4; ++i)
        out[i] = char(n >> (24 - 8 * i));
    if (compress2(reinterpret_cast<Bytef *>(out.data() + 4), &packed,
                  reinterpret_cast<const Bytef *>(content.constData()), uLong(content.size()), 1) != Z_OK)
        fail("zlib refused to compress");
    out.resize(4 + qsizetype(packed));
    return out;
}

template<typename T>
bool sameBits(const T &a, const T &b)
{
    return std::memcmp(&a, &b, sizeof(T)) == 0;
}

// ---- round trips ---------------------------------------------------------------------------

void startLineRoundTrip(const QByteArray &bytes)
{
    const auto first = ardix::laps::parseStartLine(bytes);
    if (!first)
        return;
    const QByteArray packed = ardix::laps::packStartLine(*first);
    const auto again = ardix::laps::parseStartLine(packed);
    if (!again)
        fail("a packed start line does not read back");
    if (again->name != first->name || !sameBits(again->latitude, first->latitude)
        || !sameBits(again->longitude, first->longitude) || !sameBits(again->course, first->course))
        fail("a start line changes when packed again");
}

void refLapRoundTrip(const QByteArray &bytes)
{
    const auto first = ardix::laps::parseRefLap(bytes);
    // A lap without points is read when bytes follow its head but packs to a bare head, which is
    // refused: no trace to compare either way.
    if (!first || first->points.isEmpty())
        return;
    const QByteArray packed = ardix::laps::packRefLap(*first);
    const auto again = ardix::laps::parseRefLap(packed);
    if (!again)
        fail("a packed reference lap does not read back");
    const auto &a = first->head;
    const auto &b = again->head;
    if (a.lapTimeMs != b.lapTimeMs || !sameBits(a.startLat, b.startLat) || !sameBits(a.startLon, b.startLon)
        || !sameBits(a.startCourse, b.startCourse) || a.timeStamp != b.timeStamp
        || again->points.size() != first->points.size())
        fail("a reference lap head changes when packed again");
    for (qsizetype i = 0; i < first->points.size(); ++i) {
        const auto &p = first->points[i];
        const auto &q = again->points[i];
        if (p.elapsedMs != q.elapsedMs || p.speedTenthsKmh != q.speedTenthsKmh || !sameBits(p.lapDistance, q.lapDistance)
            || !sameBits(p.latitude, q.latitude) || !sameBits(p.longitude, q.longitude))
            fail("a reference lap point changes when packed again");
    }
}

// ---- settings and lap files ----------------------------------------------------------------

// The settings trees are built once and refilled by every load, as the client does: building
// them is most of what an input would otherwise cost.
ArdixSettings &sharedDash()
{
    static ArdixSettings tree;
    return tree;
}

PdmSettings &sharedPdm()
{
    static PdmSettings tree;
    return tree;
}

struct Files
{
    QSettings settings{workDir().filePath(QStringLiteral("settings.fuzzmem")), memoryFormat()};
    QSettings lapStore{workDir().filePath(QStringLiteral("laps.fuzzmem")), memoryFormat()};
    ArdixSettings &dash = sharedDash();
    PdmSettings &pdm = sharedPdm();
    GPS gps;
    ardix::laps::StartPoint dashStart;
    bool online = false;
    bool trees = false;
    ardix::laps::LapService laps{&gps, &lapStore, lapHost()};
    persistence::SettingsStore store{&settings, settingsHost()};

    // With `withTrees` the store loads what it accepts into the settings trees, as the client does;
    // without, it stops at the block (the trees have a target of their own).
    explicit Files(bool isOnline, bool withTrees = false) : online(isOnline), trees(withTrees)
    {
        settings.clear();
        lapStore.clear();
        persistence::LapFileHooks hooks;
        hooks.exportPayload = [this](int type) { return laps.exportPayload(type); };
        hooks.loadContent = [this](int type, const QByteArray &content) { laps.loadFileContent(type, content); };
        store.setLapFileHooks(hooks);
    }

    ardix::laps::LapHost lapHost()
    {
        ardix::laps::LapHost host;
        host.dashStartPoint = [this] { return dashStart; };
        host.applyDashStartPoint = [this](const ardix::laps::StartPoint &p) { dashStart = p; };
        host.isDashConnected = [this] { return online; };
        host.sendRefLap = [](const QByteArray &) {};
        return host;
    }

    persistence::SettingsHost settingsHost()
    {
        persistence::SettingsHost host;
        host.isOnlineWith = [this](int) { return online; };
        host.isOnline = [this] { return online; };
        if (trees) {
            host.loadDashTree = [this](const DashSettingsImage *image) { dash.loadFromImage(image); };
            host.loadPdmTree = [this](const QByteArray &block) { pdm.loadFromBlock(block); };
        }
        host.utcOffsetSeconds = [] { return 3 * 3600; };
        return host;
    }
};

// The block a settings file input carries (bit 0: PDM), with its checksum made right unless the
// bytes are to stay as they came.
QByteArray settingsContent(uint8_t flags, const QByteArray &payload)
{
    if (flags & 1) {
        QByteArray content = sized(payload, kPdmBlock);
        if (!(flags & KeepBytes))
            PdmSettings::updateSettingsCrc(content);
        return content;
    }
    return sized(payload, (flags & ShortDash) ? DashSettingsImage::kShortSize : DashSettingsImage::kSize);
}

// A settings file through the store: what it accepts is a whole block of its kind.
void settingsFile(uint8_t flags, const QByteArray &payload)
{
    const bool pdm = flags & 1;
    Files f(flags & Online);
    const QByteArray content = settingsContent(flags, payload);
    const QByteArray file = (flags & KeepBytes) && !pdm ? payload : envelopeOf(content);
    f.store.loadDataFromFile(writeInput(file), pdm ? Device_Pmx : Device_Ardix7, Settings_FileType);
    if (pdm && f.store.pdmBlock() != QByteArray(kPdmBlock, '\0') && !PdmSettings::isValidBlock(f.store.pdmBlock()))
        fail("the store took a PDM block with a wrong checksum");
    if (!pdm && f.store.dashImage().bytes().size() != DashSettingsImage::kSize)
        fail("the store holds a dash block of another size");
}

void unknownOrLogoFile(uint8_t flags, const QByteArray &payload)
{
    Files f(flags & Online);
    if (flags & 1) {
        f.store.loadDataFromFile(writeInput(payload), Device_Ardix7, UserLogoSvg_FileType);
        if (f.store.userLogoData().size() > persistence::SettingsStore::kMaxUserLogoSize)
            fail("a user logo larger than the dash takes was accepted");
        return;
    }
    static constexpr qsizetype kSizes[] = {76, DashSettingsImage::kShortSize, DashSettingsImage::kSize, kPdmBlock};
    QByteArray content = payload;
    if (flags & Exact) {
        content = sized(payload, kSizes[(flags >> 1) & 3]);
        if (content.size() == kPdmBlock)
            PdmSettings::updateSettingsCrc(content);
    }
    const QByteArray file = (flags & KeepBytes) ? payload : envelopeOf(content);
    f.store.loadDataFromFile(writeInput(file), flags & 2 ? Device_Pmx : Device_Ardix7, Unknown_FileType);
}

void lapFile(uint8_t flags, const QByteArray &payload)
{
    using namespace ardix::laps;
    Files f(flags & Online);
    const bool refLap = flags & 1;
    QByteArray content = payload;
    if (!refLap && (flags & Exact)) {
        content = sized(payload, kStartLineRecordSize);
        const uint32_t crc = crc32Words(content.constData(), std::size_t(kStartLineCrcOffset));
        for (int i = 0; i < 4; ++i)
            content[kStartLineCrcOffset + i] = char(crc >> (8 * i));
    }
    const QString path = writeInput((flags & KeepBytes) ? payload : envelopeOf(content));

    if (refLap) {
        if (const auto raw = readRefLapFile(path))
            refLapRoundTrip(*raw);
        refLapRoundTrip(payload);
    } else {
        if (const auto record = readStartLineFile(path))
            startLineRoundTrip(packStartLine(*record));
        startLineRoundTrip(content);
    }
    const int type = refLap ? ((flags & 2) ? RefLapInLog_FileType : RefLap_FileType)
                            : ((flags & 2) ? StartLineInLog_FileType : StartLine_FileType);
    f.store.loadDataFromFile(path, Device_Ardix7, type);
    const QVariantMap info = f.laps.getRefLapInfo();
    (void)info;
    // What was stored goes out again as a file that reads back the same.
    const QByteArray out = f.laps.exportPayload(type);
    if (!out.isEmpty() && refLap) {
        const auto raw = uncompressEnvelope(out, kMaxRefLapBytes);
        if (!raw)
            fail("an exported reference lap does not unpack");
        refLapRoundTrip(*raw);
    }
}

// ---- device data ---------------------------------------------------------------------------

void readAllProperties(const QObject &o)
{
    const QMetaObject *m = o.metaObject();
    for (int i = m->propertyOffset(); i < m->propertyCount(); ++i)
        (void)m->property(i).read(&o);
}

void deviceData(uint8_t flags, const QByteArray &payload)
{
    static constexpr uint kTypes[] = {LogsFileListData, RefLapData, ArdixAdcRawData_MessageType,
                                      PdmRealtimeData_MessageType};
    static constexpr qsizetype kExactSizes[] = {-1, -1, 32, 400};
    const int pick = (flags >> 1) & 3;
    QByteArray block = payload;
    if (flags & Exact) {
        if (kExactSizes[pick] > 0)
            block = sized(payload, kExactSizes[pick]);
        else if (pick == 0)
            block.truncate(block.size() - block.size() % devicelogs::kEntrySize);
    }
    if (kTypes[pick] == RefLapData && !(flags & KeepBytes) && block.size() != 1)
        block = envelopeOf(block);

    Rig rig;
    rig.link.status = (flags & Online) ? ardixOnline : ardixOffline;
    rig.data(kTypes[pick], block, 255, flags);

    switch (kTypes[pick]) {
    case LogsFileListData: {
        const QByteArray list = rig.d->deviceLogList();
        if (list.size() % devicelogs::kEntrySize != 0)
            fail("a log list of partial entries was kept");
        if (devicelogs::isValidPayload(list)
            && devicelogs::formatList(list).size() != list.size() / devicelogs::kEntrySize)
            fail("the log list shows another number of entries than it holds");
        break;
    }
    case RefLapData: {
        const QByteArray stored = rig.store.values.value(QStringLiteral("refLapData")).toByteArray();
        refLapRoundTrip(stored);
        break;
    }
    case PdmRealtimeData_MessageType: {
        PdmRealtimeData realtime;
        if (!rig.pdm.realtime.isEmpty() && !realtime.loadFromPayload(rig.pdm.realtime))
            fail("the dispatcher passed on a real-time block the PDM object refuses");
        readAllProperties(realtime);
        for (uint8_t fn = 0; fn < 255; ++fn)
            (void)realtime.getFuncState(fn);
        break;
    }
    default:
        break;
    }
}

} // namespace fuzzfiles

using namespace fuzzfiles;

inline void initFuzzApplication(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ArdixFuzz"));
    QCoreApplication::setApplicationName(QStringLiteral("ArdixFuzz"));
}

// The flags byte and the payload, or nothing for an empty input.
inline bool splitInput(const uint8_t *data, size_t size, uint8_t &flags, QByteArray &payload)
{
    if (size < 1)
        return false;
    flags = data[0];
    payload = QByteArray(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    return true;
}

// The two entry points of a target that feeds one loader above with the flags byte and the payload.
#define ARDIX_FILE_FUZZ_TARGET(loader)                                                                   \
    extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)                                         \
    {                                                                                                    \
        initFuzzApplication(argc, argv);                                                                 \
        return 0;                                                                                        \
    }                                                                                                    \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)                              \
    {                                                                                                    \
        uint8_t flags = 0;                                                                               \
        QByteArray payload;                                                                              \
        if (splitInput(data, size, flags, payload))                                                      \
            loader(flags, payload);                                                                      \
        return 0;                                                                                        \
    }
