#include "settings/pdm/PdmSettings.h"

#include "settings/ArdixEnums.h"
#include "settings/layout/Crc32Words.h"
#include "settings/layout/FieldCodec.h"
#include "settings/layout/LittleEndian.h"
#include "settings/pdm/PdmBlockLayout.h"
#include "settings/pdm/PdmBoard.h"
#include "settings/pdm/PdmFuncUsage.h"
#include "settings/pdm/PdmTables.h"

#include <QLoggingCategory>
#include <QVariantMap>

#include <algorithm>

Q_LOGGING_CATEGORY(lcPdmSettings, "ardix.settings.pdm", QtWarningMsg)

using namespace PdmLayout;

namespace {

bool isCounter(const PdmFunctionSettings *f)
{
    return (f->configBits() >> ArdixEnums::FunctionIsCounter) & 1u;
}

bool isGlobal(const PdmFunctionSettings *f)
{
    return (f->configBits() >> ArdixEnums::FunctionIsGlobal) & 1u;
}

bool acceptPacked(const layout::Field &f)
{
    return f.tag != PdmTables::LoadOnly;
}

std::size_t inputConfigOffset(int i) { return InputConfigOffset + 2 * std::size_t(i); }
std::size_t inputNameOffset(int i) { return InputNamesOffset + InputNameSize * std::size_t(i); }

} // namespace

PdmSettings::PdmSettings(QObject *parent)
    : QObject(parent), m_other(new PdmOtherSettings(this)), m_customCan(new PdmCustomCanSettings(this))
{
    for (int i = 0; i < InputsCount; ++i)
        m_inputs.append(new PdmTicInput(this));
    for (int i = 0; i < OutputsCount; ++i)
        m_outputs.append(new PdmOutputSettings(this));
    for (int i = 0; i < FunctionsCount; ++i) {
        auto *f = new PdmFunctionSettings(this);
        connect(f, &PdmFunctionSettings::settingsChanged, this, [this] {
            if (!m_loading)
                recountActiveFunctions(false);
        });
        m_functions.append(f);
    }
    for (int i = 0; i < KeypadsCount; ++i)
        m_keypads.append(new PdmKeypadConfig(this));
    // Editing the CAN object's own flag counts as a CAN change of the whole tree.
    connect(m_customCan, &CustomCanSettingsBase::hasChangesUpdated, this, [this](bool v) {
        if (v)
            setCustomCanHasChanges(true);
    });
}

// --- change flags -----------------------------------------------------------------------------

void PdmSettings::setPartFlag(bool &flag, bool value, void (PdmSettings::*notify)())
{
    if (flag == value)
        return;
    flag = value;
    Q_EMIT(this->*notify)();
    if (value && !m_hasChanges)
        setHasChanges(true);
}

void PdmSettings::setInputsHasChanges(bool v) { setPartFlag(m_inputsHasChanges, v, &PdmSettings::inputsUpdated); }
void PdmSettings::setOtherHasChanges(bool v) { setPartFlag(m_otherHasChanges, v, &PdmSettings::otherUpdated); }
void PdmSettings::setOutputsHasChanges(bool v) { setPartFlag(m_outputsHasChanges, v, &PdmSettings::outputsUpdated); }
void PdmSettings::setFunctionsHasChanges(bool v)
{
    setPartFlag(m_functionsHasChanges, v, &PdmSettings::functionsUpdated);
}
void PdmSettings::setKeypadsHasChanges(bool v) { setPartFlag(m_keypadsHasChanges, v, &PdmSettings::keypadsUpdated); }
void PdmSettings::setCustomCanHasChanges(bool v)
{
    setPartFlag(m_customCanHasChanges, v, &PdmSettings::customCanUpdated);
}

void PdmSettings::setHasChanges(bool value)
{
    if (m_hasChanges == value)
        return;
    m_hasChanges = value;
    Q_EMIT hasChangesUpdated();
    if (!value)
        clearPartFlags();
}

void PdmSettings::clearPartFlags()
{
    // A handler may raise a flag again while we clear; go round until everything stays clear.
    for (int round = 0; round < 8; ++round) {
        setInputsHasChanges(false);
        setOtherHasChanges(false);
        setOutputsHasChanges(false);
        setFunctionsHasChanges(false);
        setKeypadsHasChanges(false);
        setCustomCanHasChanges(false);
        m_customCan->setHasChanges(false);
        if (m_hasChanges) {
            m_hasChanges = false;
            Q_EMIT hasChangesUpdated();
        }
        if (!m_inputsHasChanges && !m_otherHasChanges && !m_outputsHasChanges && !m_functionsHasChanges
            && !m_keypadsHasChanges && !m_customCanHasChanges && !m_customCan->hasChanges())
            return;
    }
}

// --- load ---------------------------------------------------------------------------------------

bool PdmSettings::isValidBlock(const QByteArray &block)
{
    if (std::size_t(block.size()) != BlockSize)
        return false;
    const auto *p = reinterpret_cast<const unsigned char *>(block.constData());
    return layout::readLE<uint32_t>(p) == crc32Words(p + 4, BlockSize - 4);
}

void PdmSettings::updateSettingsCrc(QByteArray &block)
{
    if (std::size_t(block.size()) != BlockSize)
        return;
    auto *p = reinterpret_cast<unsigned char *>(block.data());
    layout::writeLE<uint32_t>(p, crc32Words(p + 4, BlockSize - 4));
}

bool PdmSettings::loadFromBlock(const QByteArray &block)
{
    if (std::size_t(block.size()) != BlockSize) {
        qCWarning(lcPdmSettings) << "refusing a PDM block of" << block.size() << "bytes";
        return false;
    }
    m_block = block;
    loadObjects(reinterpret_cast<const unsigned char *>(m_block.constData()));
    Q_EMIT dataChanged();
    m_hasChanges = true; // so that clearing notifies and clears every part flag
    setHasChanges(false);
    recountActiveFunctions(true);
    return true;
}

void PdmSettings::reloadFromStruct()
{
    if (m_block.isEmpty())
        return;
    setHasChanges(false);
    loadFromBlock(m_block);
}

void PdmSettings::loadObjects(const unsigned char *block)
{
    m_loading = true;
    layout::loadRecord(m_other, PdmTables::General, block);
    Q_EMIT m_other->settingsChanged();

    for (int i = 0; i < InputsCount; ++i) {
        layout::loadRecord(m_inputs[i], PdmTables::InputConfig, block + inputConfigOffset(i));
        layout::loadRecord(m_inputs[i], PdmTables::InputName, block + inputNameOffset(i));
        Q_EMIT m_inputs[i]->settingsChanged();
    }
    for (int i = 0; i < OutputsCount; ++i)
        m_outputs[i]->load(block + outputOffset(std::size_t(i)));
    for (int i = 0; i < FunctionsCount; ++i)
        m_functions[i]->load(block + functionOffset(std::size_t(i)));
    for (int i = 0; i < KeypadsCount; ++i) {
        layout::loadRecord(m_keypads[i], PdmTables::Keypad, block + keypadOffset(std::size_t(i)));
        m_keypads[i]->takeDefaultsIfNeverConfigured();
        Q_EMIT m_keypads[i]->settingsChanged();
    }
    m_customCan->load(block + CanOffset);
    m_loading = false;
}

void PdmSettings::recountActiveFunctions(bool alwaysNotify)
{
    const auto n = uint(std::count_if(m_functions.cbegin(), m_functions.cend(),
                                      [](const PdmFunctionSettings *f) { return f->configBits() != 0; }));
    const bool changed = n != m_activePdmFunctions;
    m_activePdmFunctions = n;
    if (changed || alwaysNotify)
        Q_EMIT pdmActiveFunctionsCountUpdated();
}

// --- apply --------------------------------------------------------------------------------------

QByteArray PdmSettings::applyNewPdmSettings(const QByteArray &base)
{
    QByteArray out = base;
    if (std::size_t(out.size()) != BlockSize)
        out = QByteArray(qsizetype(BlockSize), '\0');
    auto *block = reinterpret_cast<unsigned char *>(out.data());

    if (m_otherHasChanges)
        layout::packRecord(m_other, PdmTables::General, block, acceptPacked);
    if (m_inputsHasChanges) {
        for (int i = 0; i < InputsCount; ++i) {
            layout::packRecord(m_inputs[i], PdmTables::InputConfig, block + inputConfigOffset(i));
            layout::packRecord(m_inputs[i], PdmTables::InputName, block + inputNameOffset(i));
        }
    }
    if (m_outputsHasChanges) {
        for (int i = 0; i < OutputsCount; ++i) {
            PdmOutputSettings *o = m_outputs[i];
            if (o->outputName().isEmpty())
                o->reset(uint8_t(PdmBoard::recommendedCurrent(PdmBoard::ResetVariant, i)));
            o->pack(block + outputOffset(std::size_t(i)));
        }
    }
    if (m_keypadsHasChanges) {
        for (int i = 0; i < KeypadsCount; ++i)
            layout::packRecord(m_keypads[i], PdmTables::Keypad, block + keypadOffset(std::size_t(i)));
    }
    if (m_customCanHasChanges)
        m_customCan->pack(block + CanOffset);
    packFunctions(block);

    setHasChanges(false);
    updateSettingsCrc(out);
    m_other->setSettingsCrc(layout::readLE<uint32_t>(block));
    m_block = out;
    return out;
}

void PdmSettings::packFunctions(unsigned char *block)
{
    uint counter = 0;
    for (int id = 0; id < FunctionsCount; ++id) {
        PdmFunctionSettings *f = m_functions[id];
        if (f->configBits() == 0) {
            // An unused slot goes out as all zeros, its source device included.
            f->reset();
            f->setSrc_dev(0);
        } else if (isCounter(f) && !isGlobal(f))
            f->setAdditionalConstValueToCompareWith(counter++);
        f->pack(block + functionOffset(std::size_t(id)));
    }
    recountActiveFunctions(false);
}

// --- functions list -----------------------------------------------------------------------------

uint8_t PdmSettings::reindexCounters()
{
    uint numbered = 0;
    bool changed = false;
    for (PdmFunctionSettings *f : std::as_const(m_functions)) {
        if (!isCounter(f))
            continue;
        if (numbered >= uint(MaxCounters))
            break; // the device has no slot for more counters; they keep what they had
        if (f->additionalConstValueToCompareWith() != numbered) {
            f->setAdditionalConstValueToCompareWith(numbered);
            changed = true;
        }
        ++numbered;
    }
    if (changed)
        setFunctionsHasChanges(true);
    return uint8_t(numbered);
}

QVariantList PdmSettings::getGlobalFuncListOrder()
{
    m_globalFunctions.clear();
    for (int id = 0; id < FunctionsCount; ++id) {
        const PdmFunctionSettings *f = m_functions[id];
        if (isGlobal(f) || isCounter(f))
            m_globalFunctions.append({id, f->listIndex()});
    }
    std::stable_sort(m_globalFunctions.begin(), m_globalFunctions.end(),
                     [](const GlobalEntry &a, const GlobalEntry &b) { return a.listIndex < b.listIndex; });

    bool broken = false;
    for (int i = 0; i < m_globalFunctions.size(); ++i) {
        const uint index = m_globalFunctions[i].listIndex;
        broken = broken || index >= uint(m_globalFunctions.size())
                 || (i > 0 && index == m_globalFunctions[i - 1].listIndex);
    }
    if (broken) {
        for (int i = 0; i < m_globalFunctions.size(); ++i) {
            m_globalFunctions[i].listIndex = uint(i);
            m_functions[m_globalFunctions[i].funcId]->setListIndex(uint(i));
        }
        setFunctionsHasChanges(true);
    }

    QVariantList out;
    for (const GlobalEntry &e : std::as_const(m_globalFunctions))
        out.append(QVariantMap{{QStringLiteral("funcId"), e.funcId}, {QStringLiteral("listIndex"), e.listIndex}});
    return out;
}

void PdmSettings::deleteGlobFunction(uint8_t func_id)
{
    if (func_id >= FunctionsCount)
        return;
    PdmFunctionSettings *deleted = m_functions[func_id];
    const bool wasCounter = isCounter(deleted);
    deleted->reset();

    const auto at = std::find_if(m_globalFunctions.cbegin(), m_globalFunctions.cend(),
                                 [&](const GlobalEntry &e) { return e.funcId == func_id; });
    if (at != m_globalFunctions.cend()) {
        for (auto it = at + 1; it != m_globalFunctions.cend(); ++it) {
            PdmFunctionSettings *f = m_functions[it->funcId];
            if (f->configBits() != 0 && f->listIndex() > 0)
                f->setListIndex(f->listIndex() - 1);
        }
    }
    if (wasCounter)
        reindexCounters();
    setFunctionsHasChanges(true);
}

QString PdmSettings::getFuncUsageInfo(uint func_id) const
{
    return pdmFuncUsageInfo(m_block, func_id);
}
