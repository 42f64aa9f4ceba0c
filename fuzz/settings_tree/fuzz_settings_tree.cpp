// The records of the dash and PDM blocks into the objects of the settings trees and out through
// their packers, twice: the same bytes come out. Input: a flags byte, then the payload.
//
// What it searches: that each record's loader and packer agree on its byte layout. A whole tree
// per input (hundreds of objects, thousands of properties, four times over) ran at ~50 inputs/s,
// and even one input in sixteen taking a whole tree halved the rate, so each input takes one
// record through the same calls the trees make for it: bit 0 picks the device, bits 1-3 the record
// kind, the payload's first byte which record of its list; the rest is the record, repeated to its
// size. What spans records (the apply step's emptied slots and counter numbers, checksums) is left
// to the trees' own tests.

#include "FileHarness.h"

#include "settings/TheSensorConfig.h"
#include "settings/can/CanLayout.h"
#include "settings/can/UserCanDigitalInput.h"
#include "settings/can/UserInCanMessage.h"
#include "settings/can/UserOutCanMessage.h"
#include "settings/dash/ArdixChannelSource.h"
#include "settings/dash/ArdixCustomCanSettings.h"
#include "settings/dash/ArdixExtraSettings.h"
#include "settings/dash/ArdixKeypad.h"
#include "settings/dash/DashLayout.h"
#include "settings/dash/ExtraLayout.h"
#include "settings/dash/TheCustomAnalogSensor.h"
#include "settings/dash/ThePreferenceTransport.h"
#include "settings/layout/LittleEndian.h"
#include "settings/layout/FieldCodec.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmTables.h"

namespace {

// The two trees of a round trip, built once and refilled by every load as the client does.
template<typename Tree>
Tree &tree(int side)
{
    static Tree trees[2];
    return trees[side];
}

// `load(side, record)` and `pack(side, record)` on both sides; the record packed once must pack
// to the same bytes after a load. Bytes no field covers keep the record's own.
template<typename Load, typename Pack>
void roundTrip(const QByteArray &record, Load load, Pack pack, const char *what)
{
    load(0, record);
    QByteArray once = record;
    pack(0, once);
    load(1, once);
    QByteArray twice = once;
    pack(1, twice);
    if (twice != once)
        fail(what);
}

template<typename T>
T *at(const QList<T *> &list, int index)
{
    return list[index % list.size()];
}

unsigned char *bytes(QByteArray &b) { return reinterpret_cast<unsigned char *>(b.data()); }
const unsigned char *bytes(const QByteArray &b) { return reinterpret_cast<const unsigned char *>(b.constData()); }

// One CAN message or digital input of either device's CAN settings (index % 3 picks the list).
template<typename CanOf>
void canRecord(CanOf canOf, int index, const QByteArray &payload)
{
    const int i = index / 3;
    switch (index % 3) {
    case 0:
        roundTrip(sized(payload, canLayout::kInMessageSize),
                  [&](int s, const QByteArray &r) { at(canOf(s)->canInMessages(), i)->load(bytes(r)); },
                  [&](int s, QByteArray &r) { at(canOf(s)->canInMessages(), i)->pack(bytes(r)); },
                  "a received CAN message changes when packed again");
        break;
    case 1:
        roundTrip(sized(payload, canLayout::kOutMessageSize),
                  [&](int s, const QByteArray &r) { at(canOf(s)->canOutMessages(), i)->load(bytes(r)); },
                  [&](int s, QByteArray &r) { at(canOf(s)->canOutMessages(), i)->pack(bytes(r)); },
                  "a transmitted CAN message changes when packed again");
        break;
    default:
        roundTrip(sized(payload, canLayout::kDigitalInputSize),
                  [&](int s, const QByteArray &r) { at(canOf(s)->canDigitalInputs(), i)->load(bytes(r)); },
                  [&](int s, QByteArray &r) { at(canOf(s)->canDigitalInputs(), i)->pack(bytes(r)); },
                  "a CAN digital input changes when packed again");
        break;
    }
}

// ---- PDM -----------------------------------------------------------------------------------

PdmSettings &pdm(int s) { return tree<PdmSettings>(s); }

void pdmRecord(int kind, int index, const QByteArray &payload)
{
    using namespace PdmLayout;
    switch (kind) {
    case 0:
        roundTrip(sized(payload, PdmTables::General.recordSize),
                  [](int s, const QByteArray &r) { layout::loadRecord(pdm(s).other(), PdmTables::General, bytes(r)); },
                  [](int s, QByteArray &r) {
                      layout::packRecord(pdm(s).other(), PdmTables::General, bytes(r),
                                         [](const layout::Field &f) { return f.tag != PdmTables::LoadOnly; });
                  },
                  "the PDM general record changes when packed again");
        break;
    case 1: {
        // A switch input's config and name sit in separate arrays: here one after the other.
        const int nameAt = PdmTables::InputConfig.recordSize;
        roundTrip(sized(payload, nameAt + PdmTables::InputName.recordSize),
                  [&](int s, const QByteArray &r) {
                      PdmTicInput *in = at(pdm(s).inputs(), index);
                      layout::loadRecord(in, PdmTables::InputConfig, bytes(r));
                      layout::loadRecord(in, PdmTables::InputName, bytes(r) + nameAt);
                  },
                  [&](int s, QByteArray &r) {
                      PdmTicInput *in = at(pdm(s).inputs(), index);
                      layout::packRecord(in, PdmTables::InputConfig, bytes(r));
                      layout::packRecord(in, PdmTables::InputName, bytes(r) + nameAt);
                  },
                  "a PDM input changes when packed again");
        break;
    }
    case 2:
        roundTrip(sized(payload, qsizetype(OutputRecordSize)),
                  [&](int s, const QByteArray &r) { at(pdm(s).outputs(), index)->load(bytes(r)); },
                  [&](int s, QByteArray &r) { at(pdm(s).outputs(), index)->pack(bytes(r)); },
                  "a PDM output changes when packed again");
        break;
    case 3:
    case 6:
        roundTrip(sized(payload, qsizetype(FunctionRecordSize)),
                  [&](int s, const QByteArray &r) { at(pdm(s).functions(), index)->load(bytes(r)); },
                  [&](int s, QByteArray &r) { at(pdm(s).functions(), index)->pack(bytes(r)); },
                  "a PDM function changes when packed again");
        break;
    case 4:
        roundTrip(sized(payload, PdmTables::Keypad.recordSize),
                  [&](int s, const QByteArray &r) {
                      PdmKeypadConfig *k = at(pdm(s).keypads(), index);
                      layout::loadRecord(k, PdmTables::Keypad, bytes(r));
                      k->takeDefaultsIfNeverConfigured();
                  },
                  [&](int s, QByteArray &r) { layout::packRecord(at(pdm(s).keypads(), index), PdmTables::Keypad, bytes(r)); },
                  "a PDM keypad changes when packed again");
        break;
    default:
        canRecord([](int s) { return pdm(s).customCan(); }, index, payload);
        break;
    }
}

// ---- dash ----------------------------------------------------------------------------------

ArdixSettings &dash(int s) { return tree<ArdixSettings>(s); }

// The tree packs some parts only whole: the record goes into a block at its place, the part is
// packed there, and the record is read back out.
template<typename PackPart>
void packInBlock(int s, QByteArray &record, int offset, PackPart packPart)
{
    static DashSettingsImage images[2];
    DashSettingsImage &image = images[s];
    std::memcpy(image.data() + offset, record.constData(), size_t(record.size()));
    packPart(dash(s), image);
    std::memcpy(record.data(), image.data() + offset, size_t(record.size()));
}

// What a sensor object takes from its record, as the tree loads it.
void loadSensor(TheSensorConfig *sensor, const QByteArray &r)
{
    using namespace dashLayout;
    const bool custom = layout::readLE<uint16_t>(bytes(r) + 2) & 0x2;
    const bool rpm = sensor->sensorID() == EngineRpm_index;
    layout::loadRecord(sensor, sensorTable(), bytes(r), [custom, rpm](const layout::Field &f) {
        switch (f.tag) {
        case SensorPackOnly: return false;
        case SensorCustomOnly: return custom;
        case SensorCustomOrRpm: return custom || rpm;
        default: return true;
        }
    });
}

void dashRecord(int kind, int index, const QByteArray &payload)
{
    using namespace dashLayout;
    switch (kind) {
    case 0:
    case 1: {
        const bool custom = kind == 1;
        const int i = index % kSensorsPerList;
        const int offset = (custom ? kCustomSensorsOffset : kSensorsOffset) + i * kSensorRecordSize;
        roundTrip(sized(payload, kSensorRecordSize),
                  [&](int s, const QByteArray &r) {
                      loadSensor((custom ? dash(s).customSensors() : dash(s).sensors())[i], r);
                  },
                  [&](int s, QByteArray &r) {
                      packInBlock(s, r, offset, [custom](ArdixSettings &t, DashSettingsImage &image) {
                          custom ? t.packCustomSensors(image) : t.packSensors(image);
                      });
                  },
                  "a dash sensor changes when packed again");
        break;
    }
    case 2:
        roundTrip(sized(payload, kCommonSize),
                  [](int s, const QByteArray &r) {
                      ThePreferenceTransport *c = dash(s).commonSettings();
                      layout::loadRecord(c, commonTable(), bytes(r));
                      layout::loadRecord(c->logsSettings(), logsTable(), bytes(r) + kLogsOffset);
                      layout::loadRecord(c->gpsAccelerationMeasureSettings(), gpsTable(), bytes(r) + kGpsOffset);
                  },
                  [](int s, QByteArray &r) {
                      packInBlock(s, r, kCommonOffset, [](ArdixSettings &t, DashSettingsImage &image) { t.packCommon(image); });
                  },
                  "the dash common settings change when packed again");
        break;
    case 3: {
        const int i = index % kCustomAnalogSensors;
        roundTrip(sized(payload, kCustomAnalogRecordSize),
                  [i](int s, const QByteArray &r) {
                      TheCustomAnalogSensor *a = dash(s).customAnalogSensors()[i];
                      layout::loadRecord(a, customAnalogTable(), bytes(r));
                      if (a->tableSize() < TheCustomAnalogSensor::kMinTableSize)
                          a->setTableSize(TheCustomAnalogSensor::kMinTableSize);
                  },
                  [i](int s, QByteArray &r) {
                      layout::packRecord(dash(s).customAnalogSensors()[i], customAnalogTable(), bytes(r));
                  },
                  "a dash analog sensor changes when packed again");
        break;
    }
    case 4: {
        // The extra settings' own fields (input corrections), a lamp or an action.
        ArdixExtraSettings *(*extra)(int) = [](int s) { return dash(s).extra(); };
        if (index % 3 == 0) {
            roundTrip(sized(payload, extraLayout::areaTable().recordSize),
                      [&](int s, const QByteArray &r) { layout::loadRecord(extra(s), extraLayout::areaTable(), bytes(r)); },
                      [&](int s, QByteArray &r) { layout::packRecord(extra(s), extraLayout::areaTable(), bytes(r)); },
                      "the dash extra settings' own fields change when packed again");
            break;
        }
        const auto source = [&](int s) -> ArdixChannelSource * {
            return index % 3 == 1 ? static_cast<ArdixChannelSource *>(at(extra(s)->lamps(), index / 3))
                                  : at(extra(s)->actions(), index / 3);
        };
        roundTrip(sized(payload, extraLayout::kSourceRecordSize),
                  [&](int s, const QByteArray &r) { source(s)->load(bytes(r)); },
                  [&](int s, QByteArray &r) { source(s)->pack(bytes(r)); },
                  "a dash lamp or action changes when packed again");
        break;
    }
    case 5:
        roundTrip(sized(payload, extraLayout::kFunctionSize),
                  [&](int s, const QByteArray &r) { at(dash(s).extra()->functions(), index)->load(bytes(r)); },
                  [&](int s, QByteArray &r) { at(dash(s).extra()->functions(), index)->pack(bytes(r)); },
                  "a dash function changes when packed again");
        break;
    case 6:
        roundTrip(sized(payload, extraLayout::kKeypadSize),
                  [&](int s, const QByteArray &r) { at(dash(s).extra()->keypads(), index)->load(bytes(r)); },
                  [&](int s, QByteArray &r) { at(dash(s).extra()->keypads(), index)->pack(bytes(r)); },
                  "a dash keypad changes when packed again");
        break;
    default:
        canRecord([](int s) { return dash(s).extra()->customCan(); }, index, payload);
        break;
    }
}

void recordRoundTrip(uint8_t flags, const QByteArray &payload)
{
    const int kind = (flags >> 1) & 7;
    const int index = payload.isEmpty() ? 0 : uchar(payload[0]);
    const QByteArray record = payload.mid(1);
    if (flags & 1)
        pdmRecord(kind, index, record);
    else
        dashRecord(kind, index, record);
}

} // namespace

ARDIX_FILE_FUZZ_TARGET(recordRoundTrip)
