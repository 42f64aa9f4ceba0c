#pragma once
// The dash's extra settings: frequency input corrections, lamps, button actions, user CAN, logic
// functions and keypads, with their own change flags.

#include "settings/PropertyMacros.h"
#include "settings/dash/ArdixChannelSource.h"
#include "settings/dash/ArdixCustomCanSettings.h"
#include "settings/dash/ArdixKeypad.h"
#include "settings/functions/PdmFunctionSettings.h"

#include <QList>
#include <QObject>
#include <cstdint>

class ArdixExtraSettings : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint32_t, initMarker, setInitMarker, dataChanged)
    ARDIX_PROPERTY_S(QList<uint32_t>, inputCaptureCorrection, setInputCaptureCorrection, dataChanged)
    Q_PROPERTY(QList<ArdixLamp *> lamps READ lamps NOTIFY dataChanged)
    Q_PROPERTY(QList<ArdixAction *> actions READ actions NOTIFY dataChanged)
    Q_PROPERTY(ArdixCustomCanSettings *customCan READ customCan NOTIFY dataChanged)
    Q_PROPERTY(QList<PdmFunctionSettings *> functions READ functions NOTIFY dataChanged)
    Q_PROPERTY(QList<ArdixKeypad *> keypads READ keypads NOTIFY dataChanged)
    Q_PROPERTY(bool functionsHasChanges READ functionsHasChanges WRITE setFunctionsHasChanges NOTIFY functionsUpdated)
    Q_PROPERTY(bool keypadsHasChanges READ keypadsHasChanges WRITE setKeypadsHasChanges NOTIFY keypadsUpdated)
    Q_PROPERTY(bool customCanHasChanges READ customCanHasChanges WRITE setCustomCanHasChanges NOTIFY customCanUpdated)
    Q_PROPERTY(uint activeArdixFunctions READ activeArdixFunctions NOTIFY ardixActiveFunctionsCountUpdated)

public:
    explicit ArdixExtraSettings(QObject *parent = nullptr);

    QList<ArdixLamp *> lamps() const { return m_lamps; }
    QList<ArdixAction *> actions() const { return m_actions; }
    ArdixCustomCanSettings *customCan() const { return m_customCan; }
    QList<PdmFunctionSettings *> functions() const { return m_functions; }
    QList<ArdixKeypad *> keypads() const { return m_keypads; }

    bool functionsHasChanges() const { return m_functionsHasChanges; }
    void setFunctionsHasChanges(bool newValue);
    bool keypadsHasChanges() const { return m_keypadsHasChanges; }
    void setKeypadsHasChanges(bool newValue);
    bool customCanHasChanges() const { return m_customCanHasChanges; }
    uint activeArdixFunctions() const { return m_activeArdixFunctions; }

    // The overall flag (the dash settings' extraSettingsHasChanges); clearing it clears every
    // sub-flag and the custom CAN object's own flag.
    bool hasChanges() const { return m_hasChanges; }
    void setHasChanges(bool newValue);

    // From / into the 12,288-byte area. Pack writes only the fields; other bytes keep their value.
    void reloadFromStruct(const unsigned char *area);
    void pack(unsigned char *area);

    // Number of functions in use (configBits not 0); emits when it changes or `always`.
    void recountActiveFunctions(bool always = false);

    // The defaults of a fresh area, written over all of it.
    static void writeDefaults(unsigned char *area);

public Q_SLOTS:
    void setCustomCanHasChanges(bool newValue);

Q_SIGNALS:
    void dataChanged();
    void hasChangesUpdated(bool newValue);
    void functionsUpdated();
    void keypadsUpdated();
    void customCanUpdated();
    void ardixActiveFunctionsCountUpdated();

private:
    void raiseOverall(bool subFlagValue);

    QList<ArdixLamp *> m_lamps;
    QList<ArdixAction *> m_actions;
    ArdixCustomCanSettings *m_customCan;
    QList<PdmFunctionSettings *> m_functions;
    QList<ArdixKeypad *> m_keypads;
    bool m_functionsHasChanges = false;
    bool m_keypadsHasChanges = false;
    bool m_customCanHasChanges = false;
    bool m_hasChanges = false;
    uint m_activeArdixFunctions = 0;
};
