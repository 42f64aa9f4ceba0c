#include "settings/pdm/PdmUserCanAnalogInput.h"

#include <QSignalBlocker>

void PdmUserCanAnalogInput::reset()
{
    {
        const QSignalBlocker block(this);
        setInputName(QString());
        setDataByteIndex(0);
        setFrameId(0);
        setIsInputEnabled(false);
        setIsSetupByMask(false);
        setIsSetValueOnTimeout(false);
        setIsSwapBytes(false);
        setIsSignedValue(false);
        setIsSize16Bit(false);
        setCanInMessageIndex(0);
        setDataMask(0);
        setDataValueOnTimeout(0);
        setDataValueOffset(0);
        setDataValueMultiplier(0);
        setDataValueDivider(0);
    }
    Q_EMIT dataChanged();
}
