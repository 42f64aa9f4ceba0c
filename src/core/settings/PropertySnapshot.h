#pragma once
// What a dialog's Cancel puts back: the values of a settings object's own properties as they were
// when the dialog opened. Object-valued properties (sub-objects, lists of objects) are left alone:
// a dialog snapshots each object it edits.

#include <QObject>
#include <QVariantMap>

class PropertySnapshot : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;

    // Every writable value property of `object`, by name.
    Q_INVOKABLE static QVariantMap take(const QObject *object);
    // Writes back each property whose value differs from `snapshot`; returns how many changed.
    Q_INVOKABLE static int restore(QObject *object, const QVariantMap &snapshot);
};
