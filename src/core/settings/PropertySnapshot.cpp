#include "settings/PropertySnapshot.h"

#include <QMetaProperty>

namespace {

bool isValueProperty(const QMetaProperty &p)
{
    if (!p.isWritable() || p.isConstant())
        return false;
    const QMetaType type = p.metaType();
    return !(type.flags() & QMetaType::PointerToQObject) && type.id() != qMetaTypeId<QObjectList>();
}

} // namespace

QVariantMap PropertySnapshot::take(const QObject *object)
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

int PropertySnapshot::restore(QObject *object, const QVariantMap &snapshot)
{
    if (!object)
        return 0;
    int changed = 0;
    const QMetaObject *meta = object->metaObject();
    for (int i = QObject::staticMetaObject.propertyCount(); i < meta->propertyCount(); ++i) {
        const QMetaProperty p = meta->property(i);
        const auto it = snapshot.constFind(QString::fromLatin1(p.name()));
        if (it == snapshot.constEnd() || !isValueProperty(p))
            continue;
        if (p.read(object) != *it && p.write(object, *it))
            ++changed;
    }
    return changed;
}
