#include "settings/PropertySnapshot.h"

#include <QMetaProperty>
#include <QQmlEngine>

namespace {

bool isValueProperty(const QMetaProperty &p)
{
    if (!p.isWritable() || p.isConstant())
        return false;
    const QMetaType type = p.metaType();
    return !(type.flags() & QMetaType::PointerToQObject) && type.id() != qMetaTypeId<QObjectList>();
}

} // namespace

PropertySnapshot::PropertySnapshot(QObject *target, QVariantMap values, QObject *parent)
    : QObject(parent), m_target(target), m_values(std::move(values))
{
}

QVariantMap PropertySnapshot::valuesOf(const QObject *object)
{
    QVariantMap out;
    if (!object)
        return out;
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        if (isValueProperty(p))
            out.insert(QString::fromLatin1(p.name()), p.read(object));
    }
    return out;
}

int PropertySnapshot::restoreValues(QObject *object, const QVariantMap &values)
{
    if (!object)
        return 0;
    int changed = 0;
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        const auto it = values.constFind(QString::fromLatin1(p.name()));
        if (it == values.constEnd() || !isValueProperty(p))
            continue;
        if (p.read(object) != *it && p.write(object, *it))
            ++changed;
    }
    return changed;
}

PropertySnapshot *PropertySnapshots::take(QObject *target) const
{
    auto *snapshot = new PropertySnapshot(target, PropertySnapshot::valuesOf(target));
    QQmlEngine::setObjectOwnership(snapshot, QQmlEngine::JavaScriptOwnership);
    return snapshot;
}
