#include "settings/dash/ArdixExtraSettings.h"

#include "settings/dash/ExtraLayout.h"
#include "settings/layout/FieldCodec.h"
#include "settings/layout/LittleEndian.h"

#include <cstring>

using namespace extraLayout;

namespace {
// Handlers may raise a flag again while it is being cleared; never loop forever on that.
constexpr int kMaxClearPasses = 8;
constexpr uint32_t kDefaultCorrection = 1000;
constexpr uint16_t kDefaultInTimeoutMs = 1000;
constexpr uint16_t kDefaultOutRateMs = 100;
constexpr uint32_t kDefaultInFirstId = 0x600;
constexpr uint32_t kDefaultOutFirstId = 0x650;
constexpr int kFfBytes = 16; // frame-id mask and the 8 bytes after it
constexpr unsigned char kKeypadHead[8] = {0xF6, 0xFF, 0xFF, 0xFF, 0x02, 0x08, 0xFF, 0xFF};
constexpr int kKeypadCanIdOffset = 520;
} // namespace

ArdixExtraSettings::ArdixExtraSettings(QObject *parent)
    : QObject(parent), m_customCan(new ArdixCustomCanSettings(this))
{
    m_inputCaptureCorrection = QList<uint32_t>(kCorrections, 0);
    for (int i = 0; i < kLamps; ++i)
        m_lamps.append(new ArdixLamp(this));
    for (int i = 0; i < kActions; ++i)
        m_actions.append(new ArdixAction(this));
    for (int i = 0; i < kFunctions; ++i)
        m_functions.append(new PdmFunctionSettings(this));
    for (int i = 0; i < kKeypads; ++i)
        m_keypads.append(new ArdixKeypad(this));
    // The CAN dialogs raise the CAN object's own flag; it counts as a change of the extra settings.
    connect(m_customCan, &CustomCanSettingsBase::hasChangesUpdated, this, [this](bool v) {
        if (v)
            setCustomCanHasChanges(true);
    });
}

void ArdixExtraSettings::raiseOverall(bool subFlagValue)
{
    if (subFlagValue && !m_hasChanges)
        setHasChanges(true);
}

void ArdixExtraSettings::setFunctionsHasChanges(bool newValue)
{
    if (newValue == m_functionsHasChanges)
        return;
    m_functionsHasChanges = newValue;
    Q_EMIT functionsUpdated();
    raiseOverall(newValue);
}

void ArdixExtraSettings::setKeypadsHasChanges(bool newValue)
{
    if (newValue == m_keypadsHasChanges)
        return;
    m_keypadsHasChanges = newValue;
    Q_EMIT keypadsUpdated();
    raiseOverall(newValue);
}

void ArdixExtraSettings::setCustomCanHasChanges(bool newValue)
{
    m_customCan->setHasChanges(newValue);
    if (newValue != m_customCanHasChanges) {
        m_customCanHasChanges = newValue;
        Q_EMIT customCanUpdated();
    }
    raiseOverall(newValue);
}

void ArdixExtraSettings::setHasChanges(bool newValue)
{
    if (newValue == m_hasChanges)
        return;
    m_hasChanges = newValue;
    Q_EMIT hasChangesUpdated(newValue);
    if (newValue)
        return;
    for (int pass = 0; pass < kMaxClearPasses; ++pass) {
        if (m_functionsHasChanges)
            setFunctionsHasChanges(false);
        if (m_keypadsHasChanges)
            setKeypadsHasChanges(false);
        if (m_customCanHasChanges || m_customCan->hasChanges())
            setCustomCanHasChanges(false);
        if (!m_functionsHasChanges && !m_keypadsHasChanges && !m_customCanHasChanges && !m_customCan->hasChanges())
            break;
    }
}

void ArdixExtraSettings::recountActiveFunctions(bool always)
{
    uint n = 0;
    for (const PdmFunctionSettings *f : m_functions)
        n += f->configBits() != 0 ? 1 : 0;
    if (n == m_activeArdixFunctions && !always)
        return;
    m_activeArdixFunctions = n;
    Q_EMIT ardixActiveFunctionsCountUpdated();
}

void ArdixExtraSettings::reloadFromStruct(const unsigned char *area)
{
    layout::loadRecord(this, areaTable(), area);
    for (int i = 0; i < m_lamps.size(); ++i)
        m_lamps[i]->load(area + kLampsOffset + i * kSourceRecordSize);
    for (int i = 0; i < m_actions.size(); ++i)
        m_actions[i]->load(area + kActionsOffset + i * kSourceRecordSize);
    for (int i = 0; i < m_functions.size(); ++i)
        m_functions[i]->load(area + kFunctionsOffset + i * kFunctionSize);
    for (int i = 0; i < m_keypads.size(); ++i)
        m_keypads[i]->load(area + kKeypadsOffset + i * kKeypadSize);
    m_customCan->load(area);
    recountActiveFunctions(true);
    Q_EMIT dataChanged();
}

void ArdixExtraSettings::pack(unsigned char *area)
{
    layout::packRecord(this, areaTable(), area);
    for (int i = 0; i < m_lamps.size(); ++i)
        m_lamps[i]->pack(area + kLampsOffset + i * kSourceRecordSize);
    for (int i = 0; i < m_actions.size(); ++i)
        m_actions[i]->pack(area + kActionsOffset + i * kSourceRecordSize);
    m_customCan->pack(area);
    for (int i = 0; i < m_functions.size(); ++i)
        m_functions[i]->pack(area + kFunctionsOffset + i * kFunctionSize);
    for (int i = 0; i < m_keypads.size(); ++i)
        m_keypads[i]->pack(area + kKeypadsOffset + i * kKeypadSize);
    recountActiveFunctions();
}

void ArdixExtraSettings::writeDefaults(unsigned char *area)
{
    std::memset(area, 0, kAreaSize);
    layout::writeLE<uint32_t>(area + kMarkerOffset, kInitMarker);
    for (int i = 0; i < kCorrections; ++i)
        layout::writeLE<uint32_t>(area + kCorrectionOffset + 4 * i, kDefaultCorrection);
    for (int i = 0; i < kInMessages; ++i) {
        unsigned char *rec = area + kInMessagesOffset + i * 8;
        layout::writeLE<uint32_t>(rec, kDefaultInFirstId + uint32_t(i));
        layout::writeLE<uint16_t>(rec + 6, kDefaultInTimeoutMs);
    }
    for (int i = 0; i < kOutMessages; ++i) {
        unsigned char *rec = area + kOutMessagesOffset + i * 200;
        layout::writeLE<uint32_t>(rec, kDefaultOutFirstId + uint32_t(i));
        layout::writeLE<uint16_t>(rec + 6, kDefaultOutRateMs);
    }
    std::memset(area + kFrameIdMaskOffset, 0xFF, kFfBytes);
    for (int k = 0; k < kKeypads; ++k) {
        unsigned char *rec = area + kKeypadsOffset + k * kKeypadSize;
        std::memcpy(rec, kKeypadHead, sizeof kKeypadHead);
        layout::writeLE<uint16_t>(rec + kKeypadCanIdOffset, ArdixKeypad::kDefaultCanId);
    }
}
