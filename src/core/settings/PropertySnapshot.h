#pragma once
// What a dialog's Cancel puts back: the values of a settings object's own properties as they were
// when the dialog opened. Object-valued properties (sub-objects, lists of objects) are left alone:
// a dialog snapshots each object it edits. The values stay on this side, in their own types (a
// list of 16-bit ratios stays one), so that putting them back never depends on a conversion.

#include <QObject>
#include <QPointer>
#include <QVariantMap>

class PropertySnapshot : public QObject
{
    Q_OBJECT
public:
    PropertySnapshot(QObject *target, QVariantMap values, QObject *parent = nullptr);

    // Every writable value property of `object`, by name.
    static QVariantMap valuesOf(const QObject *object);
    // Writes back each property whose value differs from `values`; returns how many changed.
    static int restoreValues(QObject *object, const QVariantMap &values);

    // Puts the object back as it was when the snapshot was taken; returns how many values changed.
    Q_INVOKABLE int restore() const { return restoreValues(m_target, m_values); }
    Q_INVOKABLE QVariant value(const QString &name) const { return m_values.value(name); }

private:
    QPointer<QObject> m_target;
    QVariantMap m_values;
};

// The QML side: `PropertySnapshots.take(object)` gives a snapshot object to restore() later.
class PropertySnapshots : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
    Q_INVOKABLE PropertySnapshot *take(QObject *target) const;
};
