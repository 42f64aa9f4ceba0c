// How the simulated dash and PDM answer each frame the client sends.
#include "simcore/device/DeviceSimulator.h"

#include "simcore/device/DeviceBytes.h"
#include "simcore/device/SimBootLoader.h"
#include "simcore/device/SimSettingsBlocks.h"
#include "simcore/device/SyntheticCircuit.h"

#include <QCryptographicHash>

#include <cmath>

namespace {

using SimBytes::get;
using SimBytes::put;

// Command codes.
enum Cmd : quint8 {
    KeepOnline = 0, SerialHashRequest = 1, SetLcdPwm = 2, SetLedsPwm = 3, CheckSettingsSync = 4,
    GetSettings = 5, AnalogCalibrationMin = 7, AnalogCalibrationMax = 8, ChangeScreen = 11,
    PrepareToFlash = 13, AskResendPrevPacket = 15, GearCalibration = 16, AllGearsCalibration = 17,
    VerifiedOk = 18, SpeedSensor1Gps = 20, SpeedSensor4Gps = 23, NoAction = 24, SetLightSensorSensivity = 25,
    GetLogFilesList = 26, GetLogFile = 27, ClearLogs = 28, LogPacketVerify = 29, LogPacketCrcBAD = 30,
    GetTrip = 33, AccelerometerCalibration = 35, DeviceSerialNum = 36, CheckPdmSettingsSync = 43,
    PdmStartRealTimeDataLoop = 44, PdmSetSerialNum = 54, PdmReadAdcRaw = 55, PdmReadBoardInfo = 56,
    SettingsPasswordBad = 63, GetBoardInfo = 64, StartLineCalibration = 66, EraseRefLap = 67,
    GetRefLap = 68, RemoveUserLogo = 69, GetArdixADCRawData = 70, LoadDefaultSettingsFromFlash = 78,
};

// Data types.
enum Data : quint8 {
    LogsFileListData = 6, LogFileData = 7, ArdixSerialNumData = 8, PdmRealtimeData = 14,
    BoardInfoData = 16, PdmAdcRawData = 17, RefLapData = 22, UserLogoData = 23, ArdixAdcRawData = 25,
};

// Reasons the device gives when it asks for an upload again.
enum ResendReason : quint32 { BadChecksum = 1, BadCompression = 2, BadContent = 3 };

constexpr quint8 NoRefLapByte = 0x00;
constexpr quint32 GearLadderFirstMv = 300;
constexpr quint32 GearLadderStepMv = 350;
constexpr quint32 AccelerometerCalibrationValue = 0x00120FE8;
constexpr int SerialHashBytes = 64;

// Commands the client does not wait on: no answer unless one is due anyway.
bool clientExpectsReply(quint8 c)
{
    switch (c) {
    case 0: case 2: case 3: case 13: case 18: case 24: case 25: case 29: case 30: case 44: case 70:
        return false;
    default:
        return !(c >= 49 && c <= 62);
    }
}

// Start line as the dash reports it: degrees x 10^7 plus minutes x 10^5.
qint32 degMinRaw(double degrees)
{
    const double a = std::abs(degrees);
    const qint64 whole = qint64(a);
    const qint64 raw = whole * 10000000 + std::llround((a - whole) * 60 * 100000);
    return qint32(degrees < 0 ? -raw : raw);
}

} // namespace

void DeviceSimulator::handle(const SimFrame &f)
{
    if (f.action == 1)
        handleCommand(f);
    else
        handleData(f);
}

void DeviceSimulator::askResend(quint32 reason)
{
    sendCommand(AskResendPrevPacket, reason);
}

void DeviceSimulator::handleCommand(const SimFrame &f)
{
    if (m_boot) {
        m_boot->onCommand(f);
        return;
    }
    if (f.type == PrepareToFlash) {
        restartIntoBootLoader();
        return;
    }
    if (f.type == KeepOnline) {
        const quint32 fw = get<quint32>(m_opt.firmware.leftJustified(4, ' ', true), 0);
        sendCommand(KeepOnline, fw, m_opt.role == SimRole::Dash ? m_store.skinMode : m_opt.boardVersion);
        return;
    }
    if (f.type == AskResendPrevPacket) {
        if (m_lastData)
            send(*m_lastData);
        else
            sendCommand(VerifiedOk, 0);
        return;
    }
    if (m_opt.role == SimRole::Pdm)
        handlePdmCommand(f);
    else
        handleDashCommand(f);
}

void DeviceSimulator::handleDashCommand(const SimFrame &f)
{
    const QByteArray &dash = m_store.dash;
    switch (f.type) {
    case SerialHashRequest: {
        const QByteArray hash = QCryptographicHash::hash("ardix-sim-serial-" + QByteArray::number(m_opt.serial),
                                                         QCryptographicHash::Sha512);
        sendData(ArdixSerialNumData, hash.left(SerialHashBytes), m_opt.serial, m_opt.boardVersion);
        break;
    }
    case CheckSettingsSync: {
        const bool same = f.dataCrc == SimCodec::wordCrc(dashBlock());
        sendCommand(CheckSettingsSync, same ? 1 : 0, m_store.skinMode);
        break;
    }
    case GetSettings:
        sendData(SimSettings::AllData, dashBlock());
        break;
    case AnalogCalibrationMin:
    case AnalogCalibrationMax: {
        const quint32 channel = f.parameter & 0xF;
        const quint32 reading = (f.type == AnalogCalibrationMin ? 480 : 4520) + channel * 7;
        sendCommand(f.type, reading, quint8(f.parameter >> 4));
        break;
    }
    case ChangeScreen:
        if (f.parameter < 6 && m_store.skinMode != f.parameter) {
            m_store.skinMode = quint8(f.parameter);
            m_store.save();
        }
        sendCommand(ChangeScreen, m_store.skinMode);
        break;
    case GearCalibration: {
        const quint32 gear = f.parameter;
        quint32 ratio = 0;
        if (gear >= 1 && gear <= 24)
            ratio = get<quint16>(dash, SimSettings::CommonOffset + SimSettings::CommonGearRatiosOffset + 2 * int(gear - 1));
        sendCommand(f.type, ratio, quint8(gear));
        break;
    }
    case AllGearsCalibration: {
        // An analog gear sensor's level (mV) at the engaged position: a resistor ladder.
        const quint32 position = f.parameter;
        sendCommand(f.type, position <= 25 ? GearLadderFirstMv + GearLadderStepMv * position : 0, quint8(position));
        break;
    }
    case GetLogFilesList:
        if (f.parameter == 1)
            sendData(LogsFileListData, logList());
        else
            sendCommand(GetLogFilesList, 0);
        break;
    case GetLogFile:
        startLogTransfer(f.parameter);
        break;
    case LogPacketVerify:
        if (m_transfer.id >= 0) {
            if (f.parameter >= quint32(m_transfer.file.size())) {
                const int id = m_transfer.id;
                m_transfer = {};
                emit logTransferFinished(id);
            } else {
                sendLogChunk(f.parameter);
            }
        }
        break;
    case LogPacketCrcBAD:
        if (m_transfer.id >= 0)
            sendLogChunk(f.parameter);
        break;
    case ClearLogs:
        m_store.logsCleared = true;
        m_store.save();
        m_transfer = {};
        buildLogs();
        sendCommand(ClearLogs, 0);
        break;
    case GetTrip:
        sendCommand(GetTrip, m_store.trip);
        break;
    case AccelerometerCalibration:
        sendCommand(AccelerometerCalibration, AccelerometerCalibrationValue);
        break;
    case StartLineCalibration: {
        const SimTrack::StartLine sl = SimTrack::Circuit().startLine();
        QByteArray aux(64, '\0');
        put<qint32>(aux, 0, degMinRaw(sl.lat));
        put<qint32>(aux, 4, degMinRaw(sl.lon));
        put<qint32>(aux, 8, qint32(std::lround(sl.course * 100)));
        sendCommand(StartLineCalibration, 0, 0, aux);
        break;
    }
    case EraseRefLap:
        m_store.refLap.clear();
        persist();
        sendCommand(EraseRefLap, 0);
        break;
    case GetRefLap:
        sendData(RefLapData, m_store.refLap.isEmpty() ? QByteArray(1, char(NoRefLapByte)) : m_store.refLap);
        break;
    case RemoveUserLogo:
        m_store.userLogo.clear();
        sendCommand(RemoveUserLogo, 0);
        break;
    case GetArdixADCRawData: {
        // Six voltage inputs in mV, then five resistive inputs in ohms.
        QByteArray b(32, '\0');
        const int t = int(m_clock.elapsed() / 1000);
        for (int i = 0; i < 6; ++i)
            put<quint16>(b, 2 * i, quint16(500 + 600 * i + (t + i) % 40));
        const quint32 ohms[] = {1500, 3300, 2400000, 98000, 470};
        for (int i = 0; i < 5; ++i)
            put<quint32>(b, 12 + 4 * i, ohms[i]);
        sendData(ArdixAdcRawData, b);
        break;
    }
    default:
        if (f.type >= SpeedSensor1Gps && f.type <= SpeedSensor4Gps) {
            sendCommand(f.type, 1000 + 13 * (f.type - SpeedSensor1Gps + 1), quint8(f.type - SpeedSensor1Gps));
        } else if (clientExpectsReply(f.type)) {
            sendCommand(VerifiedOk, 0);
        }
        break;
    }
}

void DeviceSimulator::handlePdmCommand(const SimFrame &f)
{
    switch (f.type) {
    case DeviceSerialNum:
        sendCommand(DeviceSerialNum, get<quint32>(m_store.pdm, SimSettings::PdmSerialOffset));
        break;
    case CheckPdmSettingsSync: {
        const bool same = f.dataCrc == SimCodec::wordCrc(m_store.pdm);
        sendCommand(CheckPdmSettingsSync, same ? 1 : 0, 0x01); // bit 0: settings memory fine
        break;
    }
    case GetSettings:
        if (SimSettings::pdmPasswordSet(m_store.pdm) && f.aux.left(64) != SimSettings::pdmPasswordHash(m_store.pdm)) {
            ++m_badPasswords;
            // After a few wrong tries the device offers a reset to defaults.
            sendCommand(SettingsPasswordBad, m_badPasswords >= 3 ? 1 : 0);
        } else {
            m_badPasswords = 0;
            sendData(SimSettings::PdmCommonSettings, m_store.pdm);
        }
        break;
    case PdmStartRealTimeDataLoop:
        if (f.parameter) {
            if (!m_realtime.isActive())
                m_realtimeStart = m_clock.elapsed();
            m_realtime.start();
            sendRealtime();
        } else {
            m_realtime.stop();
        }
        break;
    case PdmReadBoardInfo:
    case GetBoardInfo:
        sendData(BoardInfoData, m_live.boardInfo(m_opt.boardVersion));
        break;
    case PdmReadAdcRaw:
        sendData(PdmAdcRawData, m_live.adcRaw(int(m_clock.elapsed())));
        break;
    case PdmSetSerialNum: {
        QByteArray b = m_store.pdm;
        put<quint32>(b, SimSettings::PdmSerialOffset, f.parameter);
        setPdmBlock(b);
        break;
    }
    case LoadDefaultSettingsFromFlash:
        setPdmBlock(SimSettings::defaultPdmBlock(get<quint32>(m_store.pdm, SimSettings::PdmSerialOffset)));
        sendCommand(VerifiedOk, 0);
        break;
    default:
        if (clientExpectsReply(f.type))
            sendCommand(VerifiedOk, 0);
        break;
    }
}

void DeviceSimulator::handleData(const SimFrame &f)
{
    if (f.dataCrc != SimCodec::wordCrc(f.data)) {
        askResend(BadChecksum);
        return;
    }
    if (m_faults.takeResend(f.type)) {
        askResend(quint32(m_faults.resendParameter()));
        return;
    }
    switch (f.type) {
    case RefLapData:
        if (m_opt.role != SimRole::Dash || qUncompress(f.data).isEmpty()) {
            askResend(BadCompression);
            return;
        }
        m_store.refLap = f.data;
        persist();
        sendCommand(VerifiedOk, 0);
        return;
    case UserLogoData:
        m_store.userLogo = f.data;
        sendCommand(VerifiedOk, 0);
        return;
    default:
        acceptSettings(f);
        return;
    }
}

void DeviceSimulator::acceptSettings(const SimFrame &f)
{
    const bool pdm = f.type == SimSettings::PdmCommonSettings || f.type == SimSettings::PdmDEFAULTCommonSettings;
    if (pdm != (m_opt.role == SimRole::Pdm)) {
        askResend(BadContent);
        return;
    }
    if (pdm) {
        const std::optional<QByteArray> block = SimSettings::gunzipExact(f.data, SimSettings::PdmBlockSize);
        if (!block) {
            askResend(BadCompression);
            return;
        }
        if (!SimSettings::pdmBlockSealed(*block)) {
            askResend(BadContent);
            return;
        }
        if (f.type == SimSettings::PdmCommonSettings && SimSettings::pdmPasswordSet(m_store.pdm)
            && f.aux.left(64) != SimSettings::pdmPasswordHash(m_store.pdm)) {
            sendCommand(SettingsPasswordBad, 0);
            return;
        }
        m_store.pdm = *block;
        persist();
        sendCommand(VerifiedOk, 0);
        return;
    }
    int offset = 0;
    int size = 0;
    if (f.type == SimSettings::AllData) {
        size = dashKnownSize();
    } else if (const auto part = SimSettings::dashPart(f.type)) {
        offset = part->offset;
        size = part->size;
        if (offset + size > dashKnownSize()) { // extra settings on old firmware
            askResend(BadContent);
            return;
        }
    } else {
        sendCommand(VerifiedOk, 0); // a block this device has no use for
        return;
    }
    const std::optional<QByteArray> block = SimSettings::gunzipExact(f.data, size);
    if (!block) {
        askResend(BadCompression);
        return;
    }
    m_store.dash.replace(offset, size, *block);
    persist();
    sendCommand(VerifiedOk, 0);
}

void DeviceSimulator::startLogTransfer(quint32 id)
{
    if (id >= quint32(m_logs.size())) {
        sendCommand(GetLogFile, 0);
        return;
    }
    m_transfer.id = int(id);
    m_transfer.file = m_logs[int(id)].file;
    sendCommand(GetLogFile, quint32(m_transfer.file.size()));
    sendLogChunk(0);
}

void DeviceSimulator::sendLogChunk(quint32 offset)
{
    const quint32 total = quint32(m_transfer.file.size());
    if (offset >= total)
        return;
    const QByteArray chunk = m_transfer.file.mid(int(offset), m_opt.logChunkSize);
    // Newer firmware names where the chunk ends; older firmware repeats the total.
    const quint32 parameter = streamsLogOffsets() ? offset + quint32(chunk.size()) : total;
    sendData(LogFileData, chunk, parameter);
}

void DeviceSimulator::sendRealtime()
{
    if (!hasClient()) {
        m_realtime.stop();
        return;
    }
    QByteArray block = m_live.realtimeBlock(int(m_clock.elapsed() - m_realtimeStart), 2500, m_store.pdm);
    put<quint32>(block, 0, get<quint32>(m_store.pdm, SimSettings::PdmSerialOffset));
    if (m_faults.takeBadRealtime())
        block.chop(4);
    sendData(PdmRealtimeData, block);
}
