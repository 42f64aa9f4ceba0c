#pragma once
#include <QObject>
#include <QString>

#include "settings/PropertyMacros.h"

#include <cstdint>

// One PDM input: its mode bits (Tic124ModesBits positions) and its name.
class PdmTicInput : public QObject
{
    Q_OBJECT
    ARDIX_PROPERTY_S(uint16_t, config, setConfig, settingsChanged)
    ARDIX_PROPERTY_S(QString, inputName, setInputName, settingsChanged)

public:
    explicit PdmTicInput(QObject *parent = nullptr) : QObject(parent) {}

Q_SIGNALS:
    void settingsChanged();
};
