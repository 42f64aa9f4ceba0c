// Arbitrary bytes into what the client does with files users exchange and with the data devices
// send, all the way to the objects that use them:
//   - settings files (dash, PDM, unknown, user logo) through the settings store into the dash and
//     PDM settings trees;
//   - start line and reference lap files through their readers and the lap service;
//   - device data (log list, reference lap, raw ADC, PDM real-time) through the dispatcher, with
//     fake ports, into the log list, the reference lap reader and the real-time object.
//
// The first byte picks the path and how the rest becomes content. Mutated bytes would rarely get
// past zlib or a block checksum, so the harness builds envelopes and checksums around them itself
// (a flag leaves them as they are). Where a record is accepted, packing it again must give a record
// that reads back the same: the loaders and packers agree on every byte layout.

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
#include <QMetaProperty>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>
#include <cstring>

using namespace ArdixEnums;

namespace {

[[noreturn]] void fail(const char *what)
{
    std::fprintf(stderr, "fuzz_files: %s\n", what);
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
    if (!payload.isEmpty())
        for (qsizetype i = 0; i < size; ++i)
            out[i] = payload[i % payload.size()];
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

void markEverythingChanged(PdmSettings &s)
{
    s.setOtherHasChanges(true);
    s.setInputsHasChanges(true);
    s.setOutputsHasChanges(true);
    s.setFunctionsHasChanges(true);
    s.setKeypadsHasChanges(true);
    s.setCustomCanHasChanges(true);
}

// What the apply step writes, read and applied again, gives the same block.
void pdmRoundTrip(const QByteArray &block)
{
    PdmSettings first;
    if (!first.loadFromBlock(block))
        return;
    markEverythingChanged(first);
    const QByteArray packed = first.applyNewPdmSettings(block);
    if (!PdmSettings::isValidBlock(packed))
        fail("the PDM apply step wrote an invalid block");
    PdmSettings second;
    if (!second.loadFromBlock(packed))
        fail("a packed PDM block does not load");
    markEverythingChanged(second);
    if (second.applyNewPdmSettings(packed) != packed)
        fail("a PDM block changes when packed again");
}

void raiseAllFlags(ArdixSettings &s)
{
    s.setSkinsPosHasChanges(true);
    s.setSensorsHasChanges(true);
    s.setCustomSensorsHasChanges(true);
    s.setCommonSettingsHasChanges(true);
    s.setCustomAnalogSensorsHasChanges(true);
    s.extra()->setFunctionsHasChanges(true);
}

void dashRoundTrip(const DashSettingsImage &image)
{
    ArdixSettings first;
    first.loadFromImage(&image);
    raiseAllFlags(first);
    const DashApplyResult packed = applyDashSettings(first, image, true, false, QStringLiteral("S1.85"));
    ArdixSettings second;
    second.loadFromImage(&packed.image);
    raiseAllFlags(second);
    const DashApplyResult again = applyDashSettings(second, packed.image, true, false, QStringLiteral("S1.85"));
    if (again.image.bytes() != packed.image.bytes())
        fail("a dash block changes when packed again");
}

// ---- settings and lap files ----------------------------------------------------------------

struct Files
{
    QSettings settings{workDir().filePath(QStringLiteral("settings.ini")), QSettings::IniFormat};
    QSettings lapStore{workDir().filePath(QStringLiteral("laps.ini")), QSettings::IniFormat};
    ArdixSettings dash;
    PdmSettings pdm;
    GPS gps;
    ardix::laps::StartPoint dashStart;
    bool online = false;
    ardix::laps::LapService laps{&gps, &lapStore, lapHost()};
    persistence::SettingsStore store{&settings, settingsHost()};

    explicit Files(bool isOnline) : online(isOnline)
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
        host.loadDashTree = [this](const DashSettingsImage *image) { dash.loadFromImage(image); };
        host.loadPdmTree = [this](const QByteArray &block) { pdm.loadFromBlock(block); };
        host.utcOffsetSeconds = [] { return 3 * 3600; };
        return host;
    }
};

void settingsFile(uint8_t flags, const QByteArray &payload)
{
    const bool pdm = flags & 1;
    Files f(flags & Online);
    QByteArray content;
    if (pdm) {
        content = sized(payload, kPdmBlock);
        if (!(flags & KeepBytes))
            PdmSettings::updateSettingsCrc(content);
    } else {
        content = sized(payload, (flags & ShortDash) ? DashSettingsImage::kShortSize : DashSettingsImage::kSize);
    }
    const QByteArray file = (flags & KeepBytes) && !pdm ? payload : persistence::compressEnvelope(content);
    f.store.loadDataFromFile(writeInput(file), pdm ? Device_Pmx : Device_Ardix7, Settings_FileType);

    if (pdm && PdmSettings::isValidBlock(content))
        pdmRoundTrip(content);
    if (!pdm)
        dashRoundTrip(f.store.dashImage());
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
    const QByteArray file = (flags & KeepBytes) ? payload : persistence::compressEnvelope(content);
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
    const QString path = writeInput((flags & KeepBytes) ? payload : ardix::laps::compressEnvelope(content));

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
        block = persistence::compressEnvelope(block);

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

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ArdixFuzz"));
    QCoreApplication::setApplicationName(QStringLiteral("ArdixFuzz"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const uint8_t path = data[0] & 3;
    const uint8_t flags = data[1];
    const QByteArray payload(reinterpret_cast<const char *>(data + 2), qsizetype(size - 2));
    switch (path) {
    case 0: settingsFile(flags, payload); break;
    case 1: unknownOrLogoFile(flags, payload); break;
    case 2: lapFile(flags, payload); break;
    default: deviceData(flags, payload); break;
    }
    return 0;
}
