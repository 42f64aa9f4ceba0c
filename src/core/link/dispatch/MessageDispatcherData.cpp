// Data frames: blocks that passed their checksum.

#include "link/dispatch/MessageDispatcher.h"

#include "link/LinkConstants.h"
#include "link/dispatch/CompressedEnvelope.h"
#include "link/dispatch/DispatchTexts.h"
#include "settings/ArdixEnums.h"

#include <QtEndian>

#include <atomic>

using namespace ArdixEnums;

namespace {
constexpr quint32 kExtraSettingsMarker = 0x70809000;
constexpr int kLogListEntry = 9;
constexpr char kNoRefLapOnDevice = char(0x81);
// A reference lap is a few thousand points; this only stops hostile envelopes.
constexpr int64_t kMaxRefLapBytes = int64_t(64) << 20;
constexpr int kAdcRawBlock = 32;
constexpr int kAdcRaw16 = 6;
constexpr int kAdcRaw32 = 5;
constexpr int kPdmRealtimeBlock = 400;

// Shown once per process: after it the socket is no longer listened to anyway.
std::atomic_bool s_incompatibleShown{false};

QString key(const char *k)
{
    return QString::fromLatin1(k);
}
} // namespace

void MessageDispatcher::handleData(const QByteArray &data, uint dataOrCommand, uint parameter,
                                   uint parameter1)
{
    switch (dataOrCommand) {
    case AllData:
        dashSettingsDownloaded(data);
        break;
    case PdmCommonSettings:
        pdmSettingsDownloaded(data);
        break;
    case ArdixSerialNumData:
        serialData(data, parameter, parameter1);
        break;
    case LogsFileListData:
        logList(data);
        break;
    case LogFileData:
        m_log.block(data, parameter, dashFirmwareNumber());
        break;
    case RefLapData:
        refLap(data);
        break;
    case ArdixAdcRawData_MessageType:
        dashAdcRaw(data);
        break;
    case PdmRealtimeData_MessageType:
        pdmRealtime(data);
        break;
    case BoardInfoData_MessageType:
        Q_EMIT hideBusy();
        m_pdm.setBoardInfo(data);
        Q_EMIT newPdmBoardInfoRecieved();
        break;
    case PdmAdcRawData_MessageType:
        Q_EMIT hideBusy();
        m_pdm.setAdcRaw(data);
        Q_EMIT newPdmAdcRawDataRecieved();
        break;
    default:
        Q_EMIT hideBusy();
        break;
    }
}

// A block of any other size is not the device's settings: taking it would mix device and local
// data, and announcing it would end the sync on a lie. The user is told and may ask again.
void MessageDispatcher::settingsBlockRefused(const char *text)
{
    Q_EMIT hideBusy();
    show(text);
}

void MessageDispatcher::dashSettingsDownloaded(const QByteArray &data)
{
    const bool shortBlock = data.size() == qsizetype(LinkConst::DashImageSizeOld);
    if (!shortBlock && data.size() != qsizetype(LinkConst::DashImageSize)) {
        settingsBlockRefused(DispatchText::DashSettingsBadSize);
        return;
    }
    m_dash.writeImagePrefix(data);

    const QByteArray image = m_dash.image();
    const bool extraValid = !shortBlock
        && image.size() >= qsizetype(LinkConst::ExtraSettingsOffset + 4)
        && qFromLittleEndian<quint32>(image.constData() + LinkConst::ExtraSettingsOffset)
            == kExtraSettingsMarker;
    if (!extraValid) {
        m_dash.loadDefaultExtraSettings();
        if (m_dash.transferOldExtraSettings() && onlineWithDash())
            queueData(AllData);
        else if (firmwareVersionNumber() > LinkConst::ExtraSettingsFirmware && onlineWithDash())
            queueData(DashExtraSettingsData);
    }

    m_store.setValue(key(StoreKey::AllSettingsData), m_dash.image());
    if (m_dash.reloadFromImage() && onlineWithDash())
        queueData(AllData); // the load corrected the image (for example the offset from UTC)

    m_link.setSynced(true);
    Q_EMIT hideBusy();
    popUp(DispatchText::AllLoadedFromDash);
    Q_EMIT configChangedSignal();
    Q_EMIT newConfigDownloadedFromArdix();
    Q_EMIT syncCompletedSignal();
}

void MessageDispatcher::pdmSettingsDownloaded(const QByteArray &data)
{
    if (data.size() != qsizetype(LinkConst::PdmImageSize)) {
        settingsBlockRefused(DispatchText::PdmSettingsBadSize);
        return;
    }
    m_pdm.acceptDeviceBlock(data);
    m_link.setSynced(true);
    Q_EMIT hideBusy();
    popUp(DispatchText::AllLoadedFromPdm);
    Q_EMIT configChangedSignal();
    Q_EMIT newConfigDownloadedFromArdix();
    Q_EMIT syncCompletedSignal();
}

void MessageDispatcher::serialData(const QByteArray &data, uint parameter, uint parameter1)
{
    constexpr qsizetype kHashTextLength = 128;
    Q_EMIT hideBusy();
    m_serialHash = QString::fromLatin1(data.toHex().toUpper());
    setArdixBoardVer(parameter1);
    m_log.deviceIdentified(m_serialHash);
    if (m_serialHash.size() != kHashTextLength)
        return;

    const QString storedHash = m_store.value(key(StoreKey::SerialNumHash)).toString();
    const uint storedSerial = m_store.value(key(StoreKey::SerialNum), 0).toUInt();
    m_ardixSerialNum = parameter;
    if (m_serialHash != storedHash || storedSerial != parameter) {
        m_store.setValue(key(StoreKey::SerialNumHash), m_serialHash);
        m_store.setValue(key(StoreKey::SerialNum), parameter);
        m_store.setValue(key(StoreKey::ArdixBoardVer), m_ardixBoardVer);
        Q_EMIT ardixSerialNumChanged();
    }
    queue(CheckSettingsSync, uint(m_link.localSecondsSinceEpoch()));
}

void MessageDispatcher::logList(const QByteArray &data)
{
    Q_EMIT hideBusy();
    if (data.size() % kLogListEntry != 0)
        return;
    m_deviceLogList = data;
    Q_EMIT logsFileListUpdateSignal();
    m_log.deviceListArrived(m_deviceLogList, m_serialHash);
}

void MessageDispatcher::refLap(const QByteArray &data)
{
    Q_EMIT hideBusy();
    if (data.size() == 1) {
        if (data.at(0) == kNoRefLapOnDevice)
            show(DispatchText::RefLapMissing);
        m_store.remove(key(StoreKey::RefLapData));
    } else {
        const std::optional<QByteArray> body = envelope::unpack(data, kMaxRefLapBytes);
        if (body && !body->isEmpty())
            m_store.setValue(key(StoreKey::RefLapData), *body);
        else
            m_store.remove(key(StoreKey::RefLapData));
    }
    Q_EMIT refLapDataRecieved();
}

void MessageDispatcher::dashAdcRaw(const QByteArray &data)
{
    Q_EMIT hideBusy();
    if (data.size() != kAdcRawBlock) {
        show(DispatchText::AdcRawBadSize);
        return;
    }
    QVariantList values;
    const char *p = data.constData();
    for (int i = 0; i < kAdcRaw16; ++i, p += 2)
        values << uint(qFromLittleEndian<quint16>(p));
    for (int i = 0; i < kAdcRaw32; ++i, p += 4)
        values << uint(qFromLittleEndian<quint32>(p));
    Q_EMIT newRawAdcDataRecievedFromArdix(values);
}

void MessageDispatcher::pdmRealtime(const QByteArray &data)
{
    if (data.size() == kPdmRealtimeBlock) {
        m_pdm.loadRealtimeData(data);
        Q_EMIT newPdmRealtimeDataRecieved();
        return;
    }
    if (s_incompatibleShown.exchange(true))
        return;
    show(DispatchText::PdmRealtimeIncompatible);
    m_link.detachFromSocket();
}
