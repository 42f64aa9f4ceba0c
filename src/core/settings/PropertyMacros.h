#pragma once
// One-line observable properties for the settings objects.
//
//   ARDIX_PROPERTY(int, warningValue, dataChanged)
//
// declares Q_PROPERTY(int warningValue READ warningValue WRITE setWarningValue NOTIFY dataChanged)
// with a compare-before-assign setter. moc expands these macros because it sees this header.
// The setter is named set<Name> via the second argument form when the capitalised name matters:
//
//   ARDIX_PROPERTY_S(int, warningValue, setWarningValue, dataChanged)
//
// The notify signal must be declared by the class (several properties often share one).

#include <QtGlobal>

#define ARDIX_PROPERTY_S(Type, name, setter, notify)                                              \
    Q_PROPERTY(Type name READ name WRITE setter NOTIFY notify)                                     \
public:                                                                                            \
    Type name() const { return m_##name; }                                                         \
    void setter(const Type &value)                                                                 \
    {                                                                                              \
        if (m_##name == value)                                                                     \
            return;                                                                                \
        m_##name = value;                                                                          \
        Q_EMIT notify();                                                                           \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    Type m_##name{};

// Read-only from the interface (the model writes it through the setter).
#define ARDIX_READONLY_PROPERTY_S(Type, name, setter, notify)                                     \
    Q_PROPERTY(Type name READ name NOTIFY notify)                                                  \
public:                                                                                            \
    Type name() const { return m_##name; }                                                         \
    void setter(const Type &value)                                                                 \
    {                                                                                              \
        if (m_##name == value)                                                                     \
            return;                                                                                \
        m_##name = value;                                                                          \
        Q_EMIT notify();                                                                           \
    }                                                                                              \
                                                                                                   \
private:                                                                                           \
    Type m_##name{};

#define ARDIX_CONSTANT_PROPERTY(Type, name)                                                        \
    Q_PROPERTY(Type name READ name CONSTANT)                                                       \
public:                                                                                            \
    Type name() const { return m_##name; }                                                         \
                                                                                                   \
private:                                                                                           \
    Type m_##name{};
