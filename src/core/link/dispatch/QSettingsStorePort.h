#pragma once
// SettingsStorePort over the platform's per-user store (organisation and application "Ardix").

#include "link/dispatch/DispatchPorts.h"

class QSettingsStorePort : public SettingsStorePort
{
public:
    QVariant value(const QString &key, const QVariant &defaultValue = {}) const override;
    void setValue(const QString &key, const QVariant &value) override;
    void remove(const QString &key) override;
};
