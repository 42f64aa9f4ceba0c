#pragma once
// The few fields of a dash settings block that the logic texts read: identity, the dash's own
// logic functions, its keypad button names and CAN digital input names.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

#include "settings/pdm/FunctionRecordView.h"

class DashBlockView
{
public:
    static constexpr int FunctionsCount = 60;
    static constexpr int KeypadsCount = 2;
    static constexpr int KeypadButtonsCount = 16;
    static constexpr int CanDigitalInputsCount = 32;

    explicit DashBlockView(const QByteArray &block);

    bool isValid() const; // long enough to hold the extra settings area

    uint32_t serialNumber() const; // ardixSerialNum
    QString deviceName() const;
    QList<uint> pdmsSerial() const; // three entries
    uint secondArdixSerialNum() const;

    std::optional<FunctionRecordView> function(int id) const;
    QString functionName(int id) const;
    QString keypadButtonName(int keypad, int button) const;
    QString canDigitalInputName(int input) const;

private:
    QString text(std::size_t offset, std::size_t size) const;
    uint16_t u16(std::size_t offset) const;

    QByteArray m_block;
};
