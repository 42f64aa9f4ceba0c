// Command frames and the operations that start exchanges. Data frames: MessageDispatcherData.cpp.

#include "link/dispatch/MessageDispatcher.h"

#include "link/LinkConstants.h"
#include "link/dispatch/DashDescription.h"
#include "link/dispatch/DispatchTexts.h"
#include "link/dispatch/FirmwareVersion.h"
#include "link/dispatch/StartLineCoordinate.h"
#include "settings/ArdixEnums.h"
#include "settings/dash/DashApply.h"

#include <QElapsedTimer>
#include <QtEndian>

using namespace ArdixEnums;

int MessageDispatcher::s_resendCount = 0;

namespace {
constexpr int kKeepOnlineMs = 1000;
constexpr uint kNoSkinMode = 255;
constexpr int kResendGiveUp = 3;
constexpr int kCustomAnalogSensors = 32;
constexpr float kCalibrationLow = 0.0f;
constexpr float kCalibrationHigh = 100.0f;
constexpr qint64 kPwmSendGapMs = 100;
constexpr int kPwmMax = 100;
constexpr int kSensivityMax = 255;
constexpr int kAuxStartLineBytes = 12;
constexpr std::size_t kPdmSerialOffset = 4;
const QString kUnknownFirmware = QStringLiteral("S0.00");

qint64 monotonicMs()
{
    static QElapsedTimer timer = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return timer.elapsed();
}

QString key(const char *k)
{
    return QString::fromLatin1(k);
}
} // namespace

MessageDispatcher::MessageDispatcher(Ports ports, QObject *parent)
    : QObject(parent),
      m_link(ports.link),
      m_dash(ports.dash),
      m_pdm(ports.pdm),
      m_store(ports.store),
      m_log(ports.link, ports.logs, this),
      m_clock(&monotonicMs)
{
    m_currFirmwareVersion = m_store.value(key(StoreKey::CurrFirmwareVersion), kUnknownFirmware).toString();
    m_pdmCurrFirmwareVersion =
        m_store.value(key(StoreKey::PdmCurrFirmwareVersion), kUnknownFirmware).toString();
    m_ardixSerialNum = m_store.value(key(StoreKey::SerialNum), 0).toUInt();
    m_ardixBoardVer = m_store.value(key(StoreKey::ArdixBoardVer), 0).toUInt();
    m_pdmSerialNum = m_store.value(key(StoreKey::PdmSerialNumber), 0).toUInt();

    connect(&m_log, &LogDownload::progressMoving, this, &MessageDispatcher::progressMoving);
    connect(&m_log, &LogDownload::showInfoMessage, this, &MessageDispatcher::showInfoMessage);
    connect(&m_log, &LogDownload::localLogsFileListUpdateSignal, this,
            &MessageDispatcher::localLogsFileListUpdateSignal);
}

// ---- identity ------------------------------------------------------------------------------

void MessageDispatcher::setCurrFirmwareVersion(const QString &text)
{
    if (text == m_currFirmwareVersion)
        return;
    m_currFirmwareVersion = text;
    m_store.setValue(key(StoreKey::CurrFirmwareVersion), text);
    Q_EMIT firmwareVersionChanged();
}

void MessageDispatcher::setPdmCurrFirmwareVersion(const QString &text)
{
    if (text == m_pdmCurrFirmwareVersion)
        return;
    m_pdmCurrFirmwareVersion = text;
    m_store.setValue(key(StoreKey::PdmCurrFirmwareVersion), text);
    Q_EMIT firmwareVersionChanged();
}

float MessageDispatcher::firmwareVersionNumber() const
{
    return FirmwareVersion::number(m_currFirmwareVersion);
}

int MessageDispatcher::dashFirmwareNumber() const
{
    return FirmwareVersion::dashNumber(m_currFirmwareVersion);
}

void MessageDispatcher::setArdixBoardVer(uint value)
{
    m_store.setValue(key(StoreKey::ArdixBoardVer), value);
    if (value == m_ardixBoardVer)
        return;
    m_ardixBoardVer = value;
    Q_EMIT ardixSerialNumChanged();
}

QVariantMap MessageDispatcher::getDashDescription() const
{
    return dashDescription(m_ardixBoardVer);
}

// ---- helpers -------------------------------------------------------------------------------

void MessageDispatcher::queue(uint dataOrCommand, uint parameter)
{
    m_link.sendToArdixQueue(CommandMessage, dataOrCommand, parameter);
}

void MessageDispatcher::queueData(uint dataType, uint parameter)
{
    m_link.sendToArdixQueue(FlashData, dataType, parameter);
}

void MessageDispatcher::show(const char *text)
{
    Q_EMIT showInfoMessage(QString::fromUtf8(text));
}

void MessageDispatcher::popUp(const char *text)
{
    Q_EMIT popUpSignal(QString::fromUtf8(text));
}

bool MessageDispatcher::onlineWithDash() const
{
    return m_link.ardixStatus() == ardixOnline && m_link.deviceId() == Device_Ardix7;
}

// ---- command frames ------------------------------------------------------------------------

void MessageDispatcher::handleCommand(uint dataOrCommand, uint sender, uint parameter,
                                      uint parameter1, const QByteArray &auxData)
{
    if (dataOrCommand != AskResendPrevPacket)
        s_resendCount = 0;

    switch (dataOrCommand) {
    case KeepOnline:
        // The PDM boot loader's answers belong to flashing.
        if (sender == Device_Ardix7)
            dashKeepOnline(parameter);
        else if (sender == Device_Pmx)
            pdmKeepOnline(sender, parameter, parameter1);
        break;
    case CheckSettingsSync:
        settingsSyncAnswer(parameter, parameter1);
        break;
    case DeviceSerialNum:
        if (sender == Device_Pmx)
            pdmSerialAnswer(parameter);
        break;
    case CheckPdmSettingsSync:
        pdmSettingsSyncAnswer(parameter, parameter1);
        break;
    case SettingsPasswordBad:
        settingsPasswordBad(parameter);
        break;
    case AskResendPrevPacket:
        resendRequested(parameter);
        break;
    case AnalogCalibrationCommandMin:
    case AnalogCalibrationCommandMax:
        analogCalibration(dataOrCommand == AnalogCalibrationCommandMax, parameter, parameter1);
        break;
    case GearCalibration:
    case AllGearsCalibration:
        gearCalibration(dataOrCommand == GearCalibration, parameter, parameter1);
        break;
    case SpeedSensor_1_GpsCalibration:
    case SpeedSensor_2_GpsCalibration:
    case SpeedSensor_3_GpsCalibration:
    case SpeedSensor_4_GpsCalibration:
        speedCalibration(parameter, parameter1);
        break;
    case VerifiedOk:
        Q_EMIT hideBusy();
        break;
    case GetTrip:
        Q_EMIT hideBusy();
        Q_EMIT tripValueRecieved(parameter);
        break;
    case AccelerometerCalibration:
        accelerometerCalibration(parameter);
        break;
    case StartLineCalibration:
        startLineCalibration(auxData);
        break;
    case GetLogFile:
        m_log.totalAnnounced(parameter);
        break;
    default:
        break;
    }
}

void MessageDispatcher::dashKeepOnline(uint parameter)
{
    if (m_link.ardixStatus() != ardixOnline) {
        popUp(DispatchText::ConnectedDash);
        m_link.restartKeepOnline(kKeepOnlineMs);
        m_link.setArdixStatus(ardixOnline);
        m_serialHash.clear();
        m_link.setDeviceId(Device_Ardix7);
    }
    if (m_serialHash.isEmpty())
        queue(SerialHashRequest, 0);
    setCurrFirmwareVersion(FirmwareVersion::textFromParameter(parameter));
}

void MessageDispatcher::pdmKeepOnline(uint sender, uint parameter, uint parameter1)
{
    if (m_link.ardixStatus() != ardixOnline) {
        popUp(DispatchText::ConnectedPdm);
        m_link.restartKeepOnline(kKeepOnlineMs);
        m_link.setArdixStatus(ardixOnline);
        m_link.setDeviceId(Device_Pmx);
        queue(DeviceSerialNum, 0);
    }
    if (parameter1 != m_pdmLastParameter1) {
        m_pdmLastParameter1 = parameter1;
        if (int(sender) != m_link.deviceId())
            m_link.setDeviceId(int(sender));
    }
    setPdmCurrFirmwareVersion(FirmwareVersion::textFromParameter(parameter));
}

void MessageDispatcher::settingsSyncAnswer(uint parameter, uint parameter1)
{
    Q_EMIT hideBusy();
    if (parameter1 < kNoSkinMode && int(parameter1) != m_dash.curSkinMode() && !m_skinModeFromFile) {
        m_dash.setCurSkinMode(int(parameter1));
        Q_EMIT skinModeChanged(int(parameter1));
    }
    m_skinModeFromFile = false;
    if (parameter == 0)
        Q_EMIT showSyncDiaglog(false);
    else
        synced();
}

void MessageDispatcher::synced()
{
    m_link.setSynced(true);
    popUp(DispatchText::Synced);
    Q_EMIT configChangedSignal();
    Q_EMIT syncCompletedSignal();
    m_link.restartKeepOnline(kKeepOnlineMs);
}

void MessageDispatcher::pdmSerialAnswer(uint parameter)
{
    Q_EMIT hideBusy();
    const QByteArray image = m_pdm.image();
    const quint32 imageSerial = image.size() >= qsizetype(kPdmSerialOffset + 4)
        ? qFromLittleEndian<quint32>(image.constData() + kPdmSerialOffset)
        : 0;
    const uint stored = m_store.value(key(StoreKey::PdmSerialNumber), 0).toUInt();
    m_pdmSerialNum = parameter;
    if (!(parameter == imageSerial && parameter == stored)) {
        m_store.setValue(key(StoreKey::PdmSerialNumber), parameter);
        Q_EMIT pdmSerialNumChanged();
    }
    queue(CheckPdmSettingsSync, 0);
}

void MessageDispatcher::pdmSettingsSyncAnswer(uint parameter, uint parameter1)
{
    Q_EMIT hideBusy();
    Q_EMIT pdmEeepromStateRecieved((parameter1 & 1u) != 0);
    if (parameter == 0)
        Q_EMIT showSyncDiaglog(false);
    else
        synced();
}

void MessageDispatcher::settingsPasswordBad(uint parameter)
{
    Q_EMIT hideBusy();
    if (parameter != 0) {
        Q_EMIT showSyncDiaglog(true);
        return;
    }
    Q_EMIT syncCompletedSignal();
    Q_EMIT showPdmSettingsPasswordDialog(false);
}

void MessageDispatcher::resendRequested(uint parameter)
{
    ++s_resendCount;
    if (s_resendCount < kResendGiveUp) {
        if (const std::optional<QueueEntry> last = m_link.lastSent())
            m_link.sendToArdixQueue(last->action, last->dataOrCommand, last->parameter);
        return;
    }
    Q_EMIT hideBusy();
    s_resendCount = 0;
    switch (parameter) {
    case 1:
        show(DispatchText::Resend302);
        break;
    case 2:
        show(DispatchText::Resend303);
        break;
    case 3:
        show(DispatchText::Resend304);
        break;
    default:
        break;
    }
}

void MessageDispatcher::analogCalibration(bool isMax, uint parameter, uint parameter1)
{
    Q_EMIT hideBusy();
    popUp(DispatchText::Ok);
    if (parameter1 >= uint(kCustomAnalogSensors))
        return;
    // Min fixes the first point of the table at 0, max the second at 100.
    m_dash.setCustomAnalogPoint(int(parameter1), isMax ? 1 : 0,
                                isMax ? kCalibrationHigh : kCalibrationLow, float(parameter));
    applyNewArdixSettings(false);
}

void MessageDispatcher::gearCalibration(bool isGear, uint parameter, uint parameter1)
{
    Q_EMIT hideBusy();
    if (parameter != 0)
        Q_EMIT newGearCalibrationValueRecieved(int(parameter1), int(parameter), isGear);
    else
        show(DispatchText::GearNotMoving);
}

void MessageDispatcher::speedCalibration(uint parameter, uint parameter1)
{
    Q_EMIT hideBusy();
    if (parameter != 0)
        Q_EMIT newSpeedInputCorrectionRecieved(int(parameter1), int(parameter));
    else
        show(DispatchText::SpeedNotMoving);
}

void MessageDispatcher::accelerometerCalibration(uint parameter)
{
    Q_EMIT hideBusy();
    m_dash.setAccelerometerCalibration(parameter);
    Q_EMIT accelerometerCalibrationDataRecieved();
    applyNewArdixSettings(false);
}

void MessageDispatcher::startLineCalibration(const QByteArray &auxData)
{
    QByteArray aux = auxData;
    if (aux.size() < kAuxStartLineBytes)
        aux.resize(kAuxStartLineBytes, '\0');
    const auto lat = qFromLittleEndian<qint32>(aux.constData());
    const auto lon = qFromLittleEndian<qint32>(aux.constData() + 4);
    const auto course = qFromLittleEndian<qint32>(aux.constData() + 8);
    m_dash.setStartLine(startLineDegrees(lat), startLineDegrees(lon), startLineCourse(course));
    Q_EMIT hideBusy();
    show(DispatchText::StartLineApplied);
    applyNewArdixSettings(false);
    if (course == 0)
        show(DispatchText::StartLineNoCourse);
}

// ---- operations ----------------------------------------------------------------------------

void MessageDispatcher::setPwmDuty(int duty, int lcdOrLeds, int needSend)
{
    PwmTarget target;
    uint command;
    int max;
    switch (lcdOrLeds) {
    case 0:
        target = PwmTarget::LcdBrightness;
        command = SetLcdPwm;
        max = kPwmMax;
        break;
    case 1:
        target = PwmTarget::LedBrightness;
        command = SetLedsPwm;
        max = kPwmMax;
        break;
    case 3:
        target = PwmTarget::LightSensorSensivity;
        command = SetLightSensorSensivity;
        max = kSensivityMax;
        break;
    default:
        return;
    }
    m_dash.setPwmValue(target, duty);
    if (needSend == 0 || m_link.ardixStatus() != ardixOnline)
        return;
    // A slider sends many values; the ends always go out so the device lands on them.
    const qint64 now = m_clock();
    if (m_pwmSent && now - m_lastPwmSendMs < kPwmSendGapMs && duty != 0 && duty != max)
        return;
    m_pwmSent = true;
    m_lastPwmSendMs = now;
    queue(command, uint(duty));
}

void MessageDispatcher::changeSkinMode()
{
    const int current = m_dash.curSkinMode();
    const int mode = current >= m_dash.modesCount() - 1 ? 0 : current + 1;
    m_dash.setCurSkinMode(mode);
    Q_EMIT skinModeChanged(mode);
    queue(ChangeScreen, uint(mode));
}

void MessageDispatcher::applyNewArdixSettings(bool isFull)
{
    if (!m_dash.hasChanges() && !isFull)
        return;
    const unsigned mask = m_dash.packChangedParts();
    m_store.setValue(key(StoreKey::AllSettingsData), m_dash.image());
    Q_EMIT configChangedSignal();
    if (!onlineWithDash())
        return;
    const DashUploadChoice choice =
        chooseDashUpload(uint8_t(mask), isFull, uint32_t(m_dash.currSkin()), firmwareVersionNumber());
    if (choice.firmwareOutdated)
        show(kOutdatedFirmwareMessage);
    if (choice.upload)
        queueData(uint(choice.upload->dataType), choice.upload->parameter);
}

void MessageDispatcher::uploadPdmImage(bool defaults)
{
    if (m_link.ardixStatus() == ardixOnline && m_link.deviceId() == Device_Pmx)
        queueData(defaults ? PdmDEFAULTCommonSettings : PdmCommonSettings);
}
