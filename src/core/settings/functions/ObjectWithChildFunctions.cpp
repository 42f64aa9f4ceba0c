#include "settings/functions/ObjectWithChildFunctions.h"

ObjectWithChildFunctions::ObjectWithChildFunctions(QObject *parent)
    : QObject(parent), m_functionsOrder(kChildSlots, 0)
{
}

void ObjectWithChildFunctions::setConfigBits(const uint &value)
{
    if (value == m_configBits)
        return;
    m_configBits = value;
    Q_EMIT settingsChanged();
}

void ObjectWithChildFunctions::setFunctionsOrder(const QList<uint8_t> &value)
{
    if (value == m_functionsOrder)
        return;
    m_functionsOrder = value;
    Q_EMIT settingsChanged();
}

void ObjectWithChildFunctions::setOperatorsBetweenFunctions(const uint &value)
{
    if (value == m_operatorsBetweenFunctions)
        return;
    m_operatorsBetweenFunctions = value;
    Q_EMIT settingsChanged();
}

void ObjectWithChildFunctions::setFunctionsCount(const uint &value)
{
    if (value == m_functionsCount)
        return;
    m_functionsCount = value;
    Q_EMIT settingsChanged();
}

uint ObjectWithChildFunctions::swapBits(uint value, int a, int b)
{
    const bool bitA = value & (1u << a);
    const bool bitB = value & (1u << b);
    if (bitA == bitB)
        return value;
    return value ^ ((1u << a) | (1u << b));
}

bool ObjectWithChildFunctions::removeChildFunc(int index)
{
    if (index < 0 || index >= m_functionsOrder.size())
        return false;
    m_functionsOrder.removeAt(index);
    m_functionsOrder.append(0);
    // Drop the operator that joined the removed child to its predecessor.
    const uint ops = m_operatorsBetweenFunctions;
    if (index == 0) {
        m_operatorsBetweenFunctions = ops >> 1;
    } else {
        const uint below = ops & ((1u << (index - 1)) - 1u);
        m_operatorsBetweenFunctions = below | ((ops >> index) << (index - 1));
    }
    if (m_functionsCount != 0)
        --m_functionsCount;
    Q_EMIT settingsChanged();
    return true;
}

bool ObjectWithChildFunctions::moveUpChildFunc(int index)
{
    if (index < 1 || index >= m_functionsOrder.size())
        return false;
    m_functionsOrder.swapItemsAt(index, index - 1);
    if (index >= 2 && index - 2 < 15)
        m_operatorsBetweenFunctions = swapBits(m_operatorsBetweenFunctions, index - 2, index - 1);
    Q_EMIT settingsChanged();
    return true;
}

bool ObjectWithChildFunctions::moveDownChildFunc(int index)
{
    if (index < 0 || index + 1 >= m_functionsOrder.size())
        return false;
    m_functionsOrder.swapItemsAt(index, index + 1);
    if (index >= 1 && index - 1 < 15)
        m_operatorsBetweenFunctions = swapBits(m_operatorsBetweenFunctions, index - 1, index);
    Q_EMIT settingsChanged();
    return true;
}

void ObjectWithChildFunctions::changeConfigBit(uint8_t bitNum, bool newState)
{
    if (bitNum > 31)
        return;
    const uint mask = 1u << bitNum;
    setConfigBits(newState ? (m_configBits | mask) : (m_configBits & ~mask));
}
