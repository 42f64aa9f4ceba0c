#pragma once
#include <QObject>
class PdmRealtimeData : public QObject
{
    Q_OBJECT
public:
    explicit PdmRealtimeData(QObject *parent = nullptr) : QObject(parent) {}
};
