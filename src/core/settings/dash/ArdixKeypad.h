#pragma once
// One keypad attached to the dash: LEDs, colours, identity, button names and LED functions.

#include "settings/PropertyMacros.h"

#include <QList>
#include <QObject>
#include <QStringList>
#include <cstdint>

class ArdixKeypad : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint8_t, ledsAndWs2812bBrightness, setLedsAndWs2812bBrightness, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, redColor, setRedColor, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, greenColor, setGreenColor, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, blueColor, setBlueColor, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, keypadConfigBits, setKeypadConfigBits, settingsChanged)
    ARDIX_PROPERTY_S(uint8_t, keypadType, setKeypadType, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, keypadSerial, setKeypadSerial, settingsChanged)
    ARDIX_PROPERTY_S(QStringList, buttonsNames, setButtonsNames, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, canId, setCanId, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, redFunctionsActiveBits, setRedFunctionsActiveBits, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, greenFunctionsActiveBits, setGreenFunctionsActiveBits, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, blueFunctionsActiveBits, setBlueFunctionsActiveBits, settingsChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, ledRedFunction, setLedRedFunction, settingsChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, ledGreenFunction, setLedGreenFunction, settingsChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, ledBlueFunction, setLedBlueFunction, settingsChanged)

public:
    static constexpr int kRecordSize = 576;
    static constexpr int kButtons = 16;
    // Defaults of a keypad never configured.
    static constexpr uint8_t kDefaultBrightness = 246;
    static constexpr uint8_t kDefaultColor = 255;
    static constexpr uint8_t kSleepBit = 1u << 1;
    static constexpr uint8_t kDefaultType = 8; // Device_Keypad7
    static constexpr uint16_t kDefaultSerial = 65535;
    static constexpr uint16_t kDefaultCanId = 280;

    explicit ArdixKeypad(QObject *parent = nullptr);

    // A record with canId 0 or keypadType 0 was never configured: the object takes the defaults
    // (other fields keep what was read). Ends with settingsChanged.
    void load(const unsigned char *record);
    void pack(unsigned char *record) const;

Q_SIGNALS:
    void settingsChanged();
};
