#pragma once
#include <QObject>
class TheSensorConfig : public QObject
{
    Q_OBJECT
public:
    explicit TheSensorConfig(QObject *parent = nullptr) : QObject(parent) {}
};
