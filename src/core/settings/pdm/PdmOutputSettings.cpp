#include "settings/pdm/PdmOutputSettings.h"

#include "settings/layout/FieldCodec.h"
#include "settings/pdm/PdmTables.h"

#include <QSignalBlocker>

#include <cstring>

namespace {
// Small outputs get a shorter, gentler inrush allowance.
constexpr uint SmallOutputLimit = 20;
constexpr uint SmallInrushDelay = 1000, LargeInrushDelay = 1500;
constexpr uint SmallMaxInrush = 40, LargeMaxInrush = 80;
constexpr uint DefaultConfigBits = 1; // OutputShutdownWithMasterShutdown
constexpr uint DefaultRetryCount = 3;
constexpr uint DefaultRetryDelay = 2000;
constexpr uint DefaultMinDuty = 60;
} // namespace

PdmOutputSettings::PdmOutputSettings(QObject *parent) : ObjectWithChildFunctions(parent)
{
    m_pwmFunctionsOrder = QList<uint8_t>(kChildSlots, 0);
}

void PdmOutputSettings::load(const unsigned char *record)
{
    layout::loadRecord(this, PdmTables::Output, record);
    Q_EMIT settingsChanged();
}

void PdmOutputSettings::pack(unsigned char *record) const
{
    std::memset(record, 0, PdmLayout::OutputRecordSize);
    layout::packRecord(this, PdmTables::Output, record);
}

void PdmOutputSettings::reset(uint8_t recommendedCurrent)
{
    const bool small = recommendedCurrent < SmallOutputLimit;
    {
        const QSignalBlocker block(this);
        setOutputName(QString());
        setConfigBits(DefaultConfigBits);
        setInrushDelay(small ? SmallInrushDelay : LargeInrushDelay);
        setMaxInrushCurrent(small ? SmallMaxInrush : LargeMaxInrush);
        setMaxCurrent(recommendedCurrent);
        setMinCurrent(0);
        setRetryCount(DefaultRetryCount);
        setRetryDelay(DefaultRetryDelay);
        setMinDuty(DefaultMinDuty);
        setFunctionsCount(0);
        setOperatorsBetweenFunctions(0);
        setFunctionsOrder(QList<uint8_t>(kChildSlots, 0));
        setPwmFunctionsOrder(QList<uint8_t>(kChildSlots, 0));
        setPwmFunctionsActiveBits(0);
    }
    Q_EMIT settingsChanged();
}

bool PdmOutputSettings::removePwmFunc(uint index)
{
    if (m_pwmFunctionsOrder.isEmpty() || index >= uint(m_pwmFunctionsOrder.size()))
        return false;
    m_pwmFunctionsOrder[index] = 0;
    if (index < 16)
        m_pwmFunctionsActiveBits = uint16_t(m_pwmFunctionsActiveBits & ~(1u << index));
    Q_EMIT settingsChanged();
    return true;
}

// The active bit follows the entry only into a slot whose bit is clear; otherwise both stay.
void PdmOutputSettings::movePwmEntry(uint from, uint to)
{
    m_pwmFunctionsOrder.swapItemsAt(qsizetype(from), qsizetype(to));
    if (from < 16 && to < 16 && !((m_pwmFunctionsActiveBits >> to) & 1u))
        m_pwmFunctionsActiveBits = uint16_t((m_pwmFunctionsActiveBits & ~(1u << from)) | (1u << to));
    Q_EMIT settingsChanged();
}

bool PdmOutputSettings::moveUpPwmFunc(uint index)
{
    if (index == 0 || index >= uint(m_pwmFunctionsOrder.size()))
        return false;
    movePwmEntry(index, index - 1);
    return true;
}

bool PdmOutputSettings::moveDownPwmFunc(uint index)
{
    if (m_pwmFunctionsOrder.isEmpty() || index + 1 >= uint(m_pwmFunctionsOrder.size()))
        return false;
    movePwmEntry(index, index + 1);
    return true;
}
