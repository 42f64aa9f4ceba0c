#pragma once
// One logic function (88-byte record), used by the dash's own functions and by the PDM's.

#include "settings/PropertyMacros.h"
#include "settings/functions/ObjectWithChildFunctions.h"

#include <QList>
#include <QString>

class PdmFunctionSettings : public ObjectWithChildFunctions
{
    Q_OBJECT
    ARDIX_PROPERTY_S(QString, functionName, setFunctionName, settingsChanged)
    Q_PROPERTY(uint configBits READ configBits WRITE setConfigBits NOTIFY settingsChanged)
    ARDIX_PROPERTY_S(uint, inChannelType, setInChannelType, settingsChanged)
    ARDIX_PROPERTY_S(uint, inChannel, setInChannel, settingsChanged)
    ARDIX_PROPERTY_S(uint, additionalInChannelType, setAdditionalInChannelType, settingsChanged)
    ARDIX_PROPERTY_S(uint, additionalInChannel, setAdditionalInChannel, settingsChanged)
    ARDIX_PROPERTY_S(uint, trueDelayHystOrFlash, setTrueDelayHystOrFlash, settingsChanged)
    ARDIX_PROPERTY_S(uint, falseDelayHystOrFlash, setFalseDelayHystOrFlash, settingsChanged)
    ARDIX_PROPERTY_S(uint, constValueToCompareWith, setConstValueToCompareWith, settingsChanged)
    ARDIX_PROPERTY_S(uint, additionalConstValueToCompareWith, setAdditionalConstValueToCompareWith, settingsChanged)
    ARDIX_PROPERTY_S(uint, constMaxValueToCompareWith, setConstMaxValueToCompareWith, settingsChanged)
    ARDIX_PROPERTY_S(uint, constMinValueToCompareWith, setConstMinValueToCompareWith, settingsChanged)
    Q_PROPERTY(uint functionsCount READ functionsCount WRITE setFunctionsCount NOTIFY settingsChanged)
    ARDIX_PROPERTY_S(uint, conditionOperator, setConditionOperator, settingsChanged)
    Q_PROPERTY(uint operatorsBetweenFunctions READ operatorsBetweenFunctions WRITE setOperatorsBetweenFunctions
                   NOTIFY settingsChanged)
    Q_PROPERTY(QList<uint8_t> functionsOrder READ functionsOrder WRITE setFunctionsOrder NOTIFY settingsChanged)
    ARDIX_PROPERTY_S(QList<uint8_t>, currentStateOveride_InChannelType, setCurrentStateOveride_InChannelType,
                     settingsChanged)
    ARDIX_PROPERTY_S(uint, listIndex, setListIndex, settingsChanged)
    ARDIX_PROPERTY_S(uint, src_dev, setSrc_dev, settingsChanged)

public:
    static constexpr int kRecordSize = 88;
    static constexpr int kNameSize = 40;

    explicit PdmFunctionSettings(QObject *parent = nullptr);

    // load emits settingsChanged once more at the end; pack clears the record first.
    void load(const unsigned char *record);
    void pack(unsigned char *record) const;

public Q_SLOTS:
    void reset();
};
