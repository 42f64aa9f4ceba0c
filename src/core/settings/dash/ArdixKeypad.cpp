#include "settings/dash/ArdixKeypad.h"

#include "settings/dash/ExtraLayout.h"
#include "settings/layout/FieldCodec.h"

ArdixKeypad::ArdixKeypad(QObject *parent)
    : QObject(parent)
    , m_buttonsNames(kButtons, QString())
    , m_ledRedFunction(kButtons, 0)
    , m_ledGreenFunction(kButtons, 0)
    , m_ledBlueFunction(kButtons, 0)
{
}

void ArdixKeypad::load(const unsigned char *record)
{
    layout::loadRecord(this, extraLayout::keypadTable(), record);
    if (canId() == 0 || keypadType() == 0) {
        setKeypadConfigBits(keypadConfigBits() | kSleepBit);
        setKeypadType(kDefaultType);
        setKeypadSerial(kDefaultSerial);
        setCanId(kDefaultCanId);
        setLedsAndWs2812bBrightness(kDefaultBrightness);
        setRedColor(kDefaultColor);
        setGreenColor(kDefaultColor);
        setBlueColor(kDefaultColor);
    }
    Q_EMIT settingsChanged();
}

void ArdixKeypad::pack(unsigned char *record) const
{
    layout::packRecord(this, extraLayout::keypadTable(), record);
}
