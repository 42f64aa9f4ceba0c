#pragma once
// Something driven by an ordered list of up to 16 child logic functions joined by operators
// (bit k of operatorsBetweenFunctions joins child k and child k + 1). Base of logic functions and
// PDM outputs. The derived classes declare the properties, in their own order, over these
// accessors; every change emits settingsChanged.

#include <QList>
#include <QObject>
#include <cstdint>

class ObjectWithChildFunctions : public QObject
{
    Q_OBJECT

public:
    static constexpr int kChildSlots = 16;

    explicit ObjectWithChildFunctions(QObject *parent = nullptr);

    uint configBits() const { return m_configBits; }
    void setConfigBits(const uint &value);
    QList<uint8_t> functionsOrder() const { return m_functionsOrder; }
    void setFunctionsOrder(const QList<uint8_t> &value);
    uint operatorsBetweenFunctions() const { return m_operatorsBetweenFunctions; }
    void setOperatorsBetweenFunctions(const uint &value);
    uint functionsCount() const { return m_functionsCount; }
    void setFunctionsCount(const uint &value);

public Q_SLOTS:
    bool removeChildFunc(int index);
    bool moveUpChildFunc(int index);
    bool moveDownChildFunc(int index);
    void changeConfigBit(uint8_t bitNum, bool newState);

Q_SIGNALS:
    void settingsChanged();

protected:
    static uint swapBits(uint value, int a, int b);

    uint m_configBits = 0;
    QList<uint8_t> m_functionsOrder;
    uint m_operatorsBetweenFunctions = 0;
    uint m_functionsCount = 0;
};
