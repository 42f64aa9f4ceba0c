#pragma once
#include <QList>
#include <QObject>
#include <QStringList>

#include "settings/PropertyMacros.h"

#include <cstdint>

// One of the PDM's four keypads: colours, identity, button and extra input names, and the logic
// functions that light each button's LEDs.
class PdmKeypadConfig : public QObject
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
    ARDIX_PROPERTY_S(QList<uint8_t>, tic124InputsConfig, setTic124InputsConfig, settingsChanged)
    ARDIX_PROPERTY_S(QStringList, tic124InputsNames, setTic124InputsNames, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, canId, setCanId, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, redFunctionsActiveBits, setRedFunctionsActiveBits, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, greenFunctionsActiveBits, setGreenFunctionsActiveBits, settingsChanged)
    ARDIX_PROPERTY_S(uint16_t, blueFunctionsActiveBits, setBlueFunctionsActiveBits, settingsChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, ledRedFunction, setLedRedFunction, settingsChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, ledGreenFunction, setLedGreenFunction, settingsChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, ledBlueFunction, setLedBlueFunction, settingsChanged)

public:
    // Defaults of a keypad never configured, the same as a fresh block's.
    static constexpr uint8_t kDefaultBrightness = 246;
    static constexpr uint8_t kDefaultColor = 255;
    static constexpr uint8_t kSleepBit = 1u << 1;
    static constexpr uint8_t kDefaultType = 8; // Device_Keypad7
    static constexpr uint16_t kDefaultSerial = 0xFFFF;
    static constexpr uint16_t kDefaultCanId = 280;

    explicit PdmKeypadConfig(QObject *parent = nullptr) : QObject(parent) {}

    // A record with canId 0 or keypadType 0 was never configured (a device fresh from the factory
    // sends zeros): it takes the defaults, so that the page shows a model and a usable identifier.
    void takeDefaultsIfNeverConfigured()
    {
        if (canId() != 0 && keypadType() != 0)
            return;
        setKeypadConfigBits(keypadConfigBits() | kSleepBit);
        setKeypadType(kDefaultType);
        setKeypadSerial(kDefaultSerial);
        setCanId(kDefaultCanId);
        setLedsAndWs2812bBrightness(kDefaultBrightness);
        setRedColor(kDefaultColor);
        setGreenColor(kDefaultColor);
        setBlueColor(kDefaultColor);
    }

Q_SIGNALS:
    void settingsChanged();
};
