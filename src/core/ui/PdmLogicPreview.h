#pragma once
// Logic texts for what the user is editing right now. The kernel's texts describe the stored PDM
// block (what the device holds); a page that has just added or changed a condition must describe
// the edited objects instead. This packs the object tree into a copy of the stored block, without
// touching the tree or its change flags, and describes that copy.
#include "app/ArdixKernel.h"
#include "logic/Logic.h"
#include "settings/pdm/PdmSettings.h"
#include "logic/LogicBlocksProvider.h"

#include <QByteArray>
#include <QObject>
#include <QPointer>

class PdmLogicPreview : public QObject, public LogicBlocksProvider
{
    Q_OBJECT
    Q_PROPERTY(PdmSettings *settings READ settings WRITE setSettings NOTIFY settingsChanged)
    Q_PROPERTY(ArdixKernel *kernel READ kernel WRITE setKernel NOTIFY kernelChanged)
    // Grows whenever the edited tree changes; bindings read it to re-evaluate their texts.
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)
public:
    explicit PdmLogicPreview(QObject *parent = nullptr);

    PdmSettings *settings() const { return m_settings; }
    void setSettings(PdmSettings *settings);
    ArdixKernel *kernel() const { return m_kernel; }
    void setKernel(ArdixKernel *kernel);
    int revision() const { return m_revision; }

    Q_INVOKABLE QString description(int funcId) const;
    Q_INVOKABLE QString channelName(int type, int channel) const;
    Q_INVOKABLE QString usage(int funcId) const;

    // The stored block with the edited objects packed over it.
    QByteArray previewBlock() const;

    int connectedDeviceType() const override;
    QByteArray dashBlock() const override;
    QByteArray pdmBlock() const override { return previewBlock(); }
    QString sensorShortName(uint8_t sensorId) const override;
    bool isSensorFloat(uint8_t sensorId) const override;

signals:
    void settingsChanged();
    void kernelChanged();
    void revisionChanged();

private:
    void touch();

    QPointer<PdmSettings> m_settings;
    QPointer<ArdixKernel> m_kernel;
    Logic m_logic;
    mutable QByteArray m_cache;
    mutable bool m_dirty = true;
    int m_revision = 0;
};
