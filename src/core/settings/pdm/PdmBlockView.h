#pragma once
// Read-only access to the fields of a stored PDM settings block by meaning (names, serials,
// function records, links between outputs, keypads, CAN and functions). Out-of-range indexes give
// empty names and zeros, so callers can describe a damaged block without checking every index.
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <utility>

#include "settings/pdm/FunctionRecordView.h"

class PdmBlockView
{
public:
    explicit PdmBlockView(const QByteArray &block);

    bool isValid() const; // exactly one PDM block long

    uint32_t serialNumber() const;
    QString deviceName() const;
    QList<uint> pdmsSerial() const;
    QList<uint> ardixSerial() const;
    uint8_t otherConfigBits() const;
    uint8_t masterShutdownFunctionId() const;
    uint8_t masterRetryFunctionId() const;
    uint8_t pdmSleepFunctionId() const;

    QString inputName(int input) const;
    QString outputName(int output) const;
    std::array<uint8_t, 16> outputFunctionsOrder(int output) const;
    std::array<uint8_t, 16> outputPwmFunctionsOrder(int output) const;

    std::optional<FunctionRecordView> function(int id) const;
    QString functionName(int id) const;

    QString keypadButtonName(int keypad, int button) const;
    QString keypadInputName(int keypad, int input) const;
    uint16_t keypadActiveBits(int keypad, int colour) const; // colour 0 red, 1 green, 2 blue
    uint8_t keypadLedFunction(int keypad, int colour, int button) const;

    QString canAnalogInputName(int input) const;
    QString canDigitalInputName(int input) const;
    uint32_t canOutMessageId(int message) const;
    // inChannelType and inChannel of one data item of a transmitted message.
    std::pair<uint8_t, uint8_t> canOutDataSource(int message, int item) const;

private:
    const unsigned char *at(std::size_t offset) const;
    QString text(std::size_t offset, std::size_t size) const;
    uint8_t u8(std::size_t offset) const;
    uint16_t u16(std::size_t offset) const;
    uint32_t u32(std::size_t offset) const;

    QByteArray m_block;
};
