#pragma once
#include <QObject>
#include <QString>

#include <optional>

class LogicBlocksProvider;
struct FunctionRecordView;

// One-line Russian descriptions of logic functions and their input channels, read straight from
// the settings blocks (not from the object tree), so they describe what the device holds.
class Logic : public QObject
{
    Q_OBJECT
public:
    explicit Logic(QObject *parent = nullptr);

    // The kernel points the object at its blocks; without a provider every text is an error text.
    void setProvider(const LogicBlocksProvider *provider);

    Q_INVOKABLE QString get_func_description(uint func_id) const;
    Q_INVOKABLE QString get_channel_name(uint inChannelType, uint inChannel_int, uint function_src_dev) const;

private:
    // operatorForConstant: the operator of the function the channel belongs to, if any.
    QString channelName(uint type, uint ch, uint srcDev, std::optional<uint> operatorForConstant,
                        bool *failed = nullptr) const;
    QString describe(const FunctionRecordView &f) const;

    const LogicBlocksProvider *m_provider = nullptr;
};
