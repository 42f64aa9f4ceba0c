#pragma once
// The few application settings the dash model itself reads and writes (the start line's name).
// The persistence layer owns the real store; tests pass their own.

#include <QString>
#include <QVariant>

class SettingsValueStore
{
public:
    virtual ~SettingsValueStore() = default;
    virtual QVariant value(const QString &key, const QVariant &defaultValue) const = 0;
    // Writes and makes it durable at once.
    virtual void setValue(const QString &key, const QVariant &value) = 0;
};

// The application's native store (QSettings constructed without arguments).
class QSettingsValueStore : public SettingsValueStore
{
public:
    QVariant value(const QString &key, const QVariant &defaultValue) const override;
    void setValue(const QString &key, const QVariant &value) override;
};
