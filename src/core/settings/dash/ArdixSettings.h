#pragma once
#include <QObject>
class ArdixSettings : public QObject
{
    Q_OBJECT
public:
    explicit ArdixSettings(QObject *parent = nullptr) : QObject(parent) {}
};
