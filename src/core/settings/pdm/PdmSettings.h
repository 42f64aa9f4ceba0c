#pragma once
#include <QObject>
class PdmSettings : public QObject
{
    Q_OBJECT
public:
    explicit PdmSettings(QObject *parent = nullptr) : QObject(parent) {}
};
