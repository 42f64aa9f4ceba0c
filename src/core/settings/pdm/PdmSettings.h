#pragma once
#include <QByteArray>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantList>

#include <cstdint>

#include "settings/functions/PdmFunctionSettings.h"
#include "settings/pdm/PdmCustomCanSettings.h"
#include "settings/pdm/PdmKeypadConfig.h"
#include "settings/pdm/PdmOtherSettings.h"
#include "settings/pdm/PdmOutputSettings.h"
#include "settings/pdm/PdmTicInput.h"

// The PDM settings as the interface edits them, mirrored from the 40,960-byte PDM block. The
// objects are created once and refilled on every load. Part flags record what was edited; the
// kernel's apply step packs the changed parts back into the block.
class PdmSettings : public QObject
{
    Q_OBJECT
    Q_PROPERTY(PdmOtherSettings *other READ other NOTIFY dataChanged)
    Q_PROPERTY(QList<PdmTicInput *> inputs READ inputs NOTIFY dataChanged)
    Q_PROPERTY(QList<PdmOutputSettings *> outputs READ outputs NOTIFY dataChanged)
    Q_PROPERTY(QList<PdmFunctionSettings *> functions READ functions NOTIFY dataChanged)
    Q_PROPERTY(QList<PdmKeypadConfig *> keypads READ keypads NOTIFY dataChanged)
    Q_PROPERTY(PdmCustomCanSettings *customCan READ customCan NOTIFY dataChanged)
    Q_PROPERTY(bool hasChanges READ hasChanges WRITE setHasChanges NOTIFY hasChangesUpdated)
    Q_PROPERTY(bool inputsHasChanges READ inputsHasChanges WRITE setInputsHasChanges NOTIFY inputsUpdated)
    Q_PROPERTY(bool otherHasChanges READ otherHasChanges WRITE setOtherHasChanges NOTIFY otherUpdated)
    Q_PROPERTY(bool outputsHasChanges READ outputsHasChanges WRITE setOutputsHasChanges NOTIFY outputsUpdated)
    Q_PROPERTY(bool functionsHasChanges READ functionsHasChanges WRITE setFunctionsHasChanges NOTIFY functionsUpdated)
    Q_PROPERTY(bool keypadsHasChanges READ keypadsHasChanges WRITE setKeypadsHasChanges NOTIFY keypadsUpdated)
    Q_PROPERTY(bool customCanHasChanges READ customCanHasChanges WRITE setCustomCanHasChanges NOTIFY customCanUpdated)
    Q_PROPERTY(uint activePdmFunctions READ activePdmFunctions NOTIFY pdmActiveFunctionsCountUpdated)

public:
    static constexpr int InputsCount = 24;
    static constexpr int OutputsCount = 32;
    static constexpr int FunctionsCount = 200;
    static constexpr int KeypadsCount = 4;
    static constexpr int MaxCounters = 32;

    explicit PdmSettings(QObject *parent = nullptr);

    PdmOtherSettings *other() const { return m_other; }
    QList<PdmTicInput *> inputs() const { return m_inputs; }
    QList<PdmOutputSettings *> outputs() const { return m_outputs; }
    QList<PdmFunctionSettings *> functions() const { return m_functions; }
    QList<PdmKeypadConfig *> keypads() const { return m_keypads; }
    PdmCustomCanSettings *customCan() const { return m_customCan; }

    bool hasChanges() const { return m_hasChanges; }
    void setHasChanges(bool value);
    bool inputsHasChanges() const { return m_inputsHasChanges; }
    void setInputsHasChanges(bool value);
    bool otherHasChanges() const { return m_otherHasChanges; }
    void setOtherHasChanges(bool value);
    bool outputsHasChanges() const { return m_outputsHasChanges; }
    void setOutputsHasChanges(bool value);
    bool functionsHasChanges() const { return m_functionsHasChanges; }
    void setFunctionsHasChanges(bool value);
    bool keypadsHasChanges() const { return m_keypadsHasChanges; }
    void setKeypadsHasChanges(bool value);
    bool customCanHasChanges() const { return m_customCanHasChanges; }
    void setCustomCanHasChanges(bool value);
    uint activePdmFunctions() const { return m_activePdmFunctions; }

    // Fills every object from a PDM block (which the object then remembers) and clears the change
    // flags. A block of the wrong size is refused and nothing changes.
    bool loadFromBlock(const QByteArray &block);
    // The block last loaded or applied; empty before the first load.
    QByteArray block() const { return m_block; }

    // The apply step: packs the changed parts (the functions always) into a copy of block, clears
    // the change flags, writes settingsCrc and returns the new block, which the object remembers.
    // The caller stores it and queues the upload when a PDM is online.
    QByteArray applyNewPdmSettings(const QByteArray &block);

    // Exactly one block long and its first word is the word CRC-32 of the rest.
    static bool isValidBlock(const QByteArray &block);
    // Writes the word CRC-32 of bytes 4..end into bytes 0..3.
    static void updateSettingsCrc(QByteArray &block);

public Q_SLOTS:
    void reloadFromStruct();
    QVariantList getGlobalFuncListOrder();
    QString getFuncUsageInfo(uint func_id) const;
    void deleteGlobFunction(uint8_t func_id);
    uint8_t reindexCounters();

Q_SIGNALS:
    void dataChanged();
    void hasChangesUpdated();
    void otherUpdated();
    void inputsUpdated();
    void outputsUpdated();
    void functionsUpdated();
    void keypadsUpdated();
    void customCanUpdated();
    void pdmActiveFunctionsCountUpdated();

private:
    struct GlobalEntry
    {
        int funcId;
        uint listIndex;
    };

    void setPartFlag(bool &flag, bool value, void (PdmSettings::*notify)());
    void clearPartFlags();
    void loadObjects(const unsigned char *block);
    void packFunctions(unsigned char *block);
    void recountActiveFunctions(bool alwaysNotify);

    PdmOtherSettings *m_other;
    QList<PdmTicInput *> m_inputs;
    QList<PdmOutputSettings *> m_outputs;
    QList<PdmFunctionSettings *> m_functions;
    QList<PdmKeypadConfig *> m_keypads;
    PdmCustomCanSettings *m_customCan;

    bool m_hasChanges = false;
    bool m_inputsHasChanges = false;
    bool m_otherHasChanges = false;
    bool m_outputsHasChanges = false;
    bool m_functionsHasChanges = false;
    bool m_keypadsHasChanges = false;
    bool m_customCanHasChanges = false;
    uint m_activePdmFunctions = 0;
    bool m_loading = false;

    QByteArray m_block;
    QList<GlobalEntry> m_globalFunctions;
};
