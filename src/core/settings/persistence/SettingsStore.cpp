#include "settings/persistence/SettingsStore.h"

#include "settings/ArdixEnums.h"
#include "settings/persistence/DashBlockDefaults.h"
#include "settings/persistence/PdmBlockDefaults.h"
#include "settings/persistence/SettingsEnvelope.h"
#include "settings/persistence/SettingsFileIo.h"
#include "settings/persistence/SettingsKeys.h"
#include "settings/persistence/SettingsTexts.h"

#include <QDateTime>
#include <QLoggingCategory>
#include <QSettings>
#include <cstring>

Q_LOGGING_CATEGORY(lcSettingsStore, "ardix.settings", QtWarningMsg)

namespace persistence {

using namespace ArdixEnums;

namespace {

constexpr int kStartLineSize = 76;
constexpr int kSmallestKnownContent = 48; // sniffed content up to this size is no file of ours
// A compressed settings file is far smaller; anything bigger is not worth reading.
constexpr qint64 kMaxSettingsFileSize = 4 * 1024 * 1024;
constexpr qint64 kMaxRefLapFileSize = 2 * SettingsStore::kMaxRefLapSize;
constexpr qint64 kMaxLogoFileSize = 16 * 1024 * 1024;

QString key(const char *k) { return QString::fromLatin1(k); }

bool isLapFileType(int fileType)
{
    return fileType == StartLine_FileType || fileType == StartLineInLog_FileType || fileType == RefLap_FileType
        || fileType == RefLapInLog_FileType;
}

bool isStartLineType(int fileType)
{
    return fileType == StartLine_FileType || fileType == StartLineInLog_FileType;
}

} // namespace

SettingsStore::SettingsStore(QSettings *store, SettingsHost host, QObject *parent)
    : QObject(parent), m_settings(store), m_host(std::move(host)), m_pdm(kPdmBlockSize, '\0')
{
    if (!m_settings) {
        m_ownStore = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                                 key(keys::kOrganisation), key(keys::kApplication));
        m_settings = m_ownStore.get();
    }
}

SettingsStore::~SettingsStore() = default;

// --- helpers ------------------------------------------------------------------------------------

bool SettingsStore::online(int deviceModelId) const
{
    return m_host.isOnlineWith && m_host.isOnlineWith(deviceModelId);
}

int SettingsStore::utcOffset() const
{
    if (m_host.utcOffsetSeconds)
        return m_host.utcOffsetSeconds();
    return QDateTime::currentDateTime().offsetFromUtc();
}

void SettingsStore::request(unsigned action, unsigned dataOrCommand, unsigned parameter)
{
    emit uploadRequested(action, dataOrCommand, parameter);
}

void SettingsStore::info(const char *text)
{
    emit showInfoMessage(QString::fromUtf8(text));
}

void SettingsStore::readWifi()
{
    m_ssidWifi = m_settings->value(key(keys::kSsidWifi)).toString();
    m_passWifi = m_settings->value(key(keys::kPassWifi)).toString();
}

uint SettingsStore::serialNum() const
{
    return m_settings->value(key(keys::kSerialNum), 0u).toUInt();
}

void SettingsStore::setSerialNum(uint value)
{
    m_settings->setValue(key(keys::kSerialNum), value);
    m_settings->sync();
}

uint SettingsStore::pdmSerialNumber() const
{
    return m_settings->value(key(keys::kPdmSerialNumber), 0u).toUInt();
}

void SettingsStore::setPdmSerialNumber(uint value)
{
    m_settings->setValue(key(keys::kPdmSerialNumber), value);
    m_settings->sync();
}

// --- dash block ---------------------------------------------------------------------------------

void SettingsStore::saveDashSettings()
{
    m_settings->setValue(key(keys::kAllSettingsData), m_dash.bytes());
    m_settings->sync();
}

void SettingsStore::loadDashSettings(bool keep)
{
    if (!keep)
        m_dash = DashSettingsImage();
    m_settings->sync();
    const QByteArray stored = m_settings->value(key(keys::kAllSettingsData)).toByteArray();
    const bool usable = stored.size() == DashSettingsImage::kSize || stored.size() == DashSettingsImage::kShortSize;
    readWifi();

    if (!usable && !keep) {
        // Nothing (or nothing sensible) stored: start from defaults, silently.
        qCInfo(lcSettingsStore) << "stored dash settings unusable, size" << stored.size();
        writeDashDefaults();
        finishDashLoad();
        return;
    }

    if (!keep) {
        m_dash = DashSettingsImage(stored);
        if (stored.size() == DashSettingsImage::kShortSize) {
            m_dash.loadDefaultExtraSettings();
            persistence::transferOldExtraSettings(m_dash);
            saveDashSettings();
        }
    }

    // The corrected block is dash data: it goes to a dash, never to whatever else is connected.
    if (correctAndFinishDashLoad() && keep && online(Device_Ardix7))
        request(FlashData, AllData);
}

bool SettingsStore::correctAndFinishDashLoad()
{
    const int offset = utcOffset();
    emit utcOffsetLoaded(offset);
    const bool corrected = applyLoadCorrections(m_dash, offset);
    if (corrected) {
        emit configChangedSignal();
        saveDashSettings();
    }
    finishDashLoad();
    return corrected;
}

void SettingsStore::finishDashLoad()
{
    if (m_host.loadDashTree)
        m_host.loadDashTree(&m_dash);
    const SkinState skin = skinStateOf(m_dash);
    m_skin = skin.skin;
    m_mode = skin.mode;
    emit skinStateLoaded(m_skin, m_mode);

    const bool mustChange = logsRateMustBeChanged(m_dash);
    if (mustChange != m_logsMustBeChanged) {
        m_logsMustBeChanged = mustChange;
        emit logsSettingsMustBeChangedUpdated(mustChange);
    }
    emit configChangedSignal();
}

void SettingsStore::writeDashDefaults()
{
    if (!writeAllDefaults(m_dash))
        qCWarning(lcSettingsStore) << "dash defaults name a field the layout does not have";
    if (m_host.resetSensorObjects)
        m_host.resetSensorObjects();
    emit configChangedSignal();
    saveDashSettings();
}

void SettingsStore::loadDefaultAllSettings()
{
    writeDashDefaults();
    if (m_host.loadDashTree)
        m_host.loadDashTree(&m_dash);
}

void SettingsStore::loadDefaultSkinsSettings()
{
    writeDefaultSkins(m_dash);
    refreshCommonChecksum(m_dash);
}

void SettingsStore::loadDefaultExtraSettings()
{
    m_dash.loadDefaultExtraSettings();
}

bool SettingsStore::transferOldExtraSettings()
{
    return persistence::transferOldExtraSettings(m_dash);
}

void SettingsStore::resetArdixSettings()
{
    m_settings->remove(key(keys::kAllSettingsData));
    m_settings->remove(key(keys::kStartPointName));
    m_settings->remove(key(keys::kRefLapData));
    m_settings->sync();
    loadDashSettings(false);
}

// --- PDM block ----------------------------------------------------------------------------------

bool SettingsStore::setPdmBlock(const QByteArray &block)
{
    if (block.size() != kPdmBlockSize)
        return false;
    m_pdm = block;
    return true;
}

void SettingsStore::storePdmBlock()
{
    refreshPdmCrc(m_pdm);
    m_settings->setValue(key(keys::kPdmCommonSettings), m_pdm);
    m_settings->sync();
}

void SettingsStore::savePdmSettings(bool force)
{
    storePdmBlock();
    if (online(Device_Pmx))
        request(FlashData, force ? PdmDEFAULTCommonSettings : PdmCommonSettings);
    emit configChangedSignal();
}

void SettingsStore::loadPdmSettings(bool keep)
{
    if (!keep)
        m_pdm.fill('\0');
    m_settings->sync();
    const QByteArray stored = m_settings->value(key(keys::kPdmCommonSettings)).toByteArray();
    if (isValidPdmBlock(stored)) {
        if (!keep)
            m_pdm = stored;
    } else {
        // Only the stored copy is unusable: the defaults replace it, never a device's settings.
        qCInfo(lcSettingsStore) << "stored PDM settings unusable, size" << stored.size();
        m_pdm = pdmDefaults(pdmSerialNumber());
        storePdmBlock();
        emit configChangedSignal();
    }
    if (m_host.loadPdmTree)
        m_host.loadPdmTree(m_pdm);
    m_pdmSsidWifi = m_settings->value(key(keys::kPdmSsidWifi)).toString();
    m_pdmPassWifi = m_settings->value(key(keys::kPdmPassWifi)).toString();
}

void SettingsStore::writePdmDefaultsAndSave(bool force)
{
    m_pdm = pdmDefaults(pdmSerialNumber());
    savePdmSettings(force);
}

void SettingsStore::loadDefaultPdmSettings(bool isForceReset)
{
    writePdmDefaultsAndSave(isForceReset);
    if (m_host.loadPdmTree)
        m_host.loadPdmTree(m_pdm);
}

bool SettingsStore::acceptPdmBlockFromDevice(const QByteArray &block)
{
    if (!setPdmBlock(block)) {
        qCWarning(lcSettingsStore) << "PDM block of" << block.size() << "bytes ignored";
        return false;
    }
    // The frame's checksum vouched for these bytes; a stale word of the device's own (a name
    // changed there without it) must not make the block look broken and be replaced by defaults.
    storePdmBlock();
    loadPdmSettings(true);
    return true;
}

// --- files --------------------------------------------------------------------------------------

void SettingsStore::exportFile(const QString &filePath, int deviceId_settings, int fileType)
{
    QByteArray payload;
    if (fileType == Settings_FileType && deviceId_settings == Device_Ardix7) {
        saveDashSettings();
        payload = compressEnvelope(m_dash.bytes());
    } else if (fileType == Settings_FileType && deviceId_settings == Device_Pmx) {
        persistence::setPdmSerialNumber(m_pdm, pdmSerialNumber());
        refreshPdmCrc(m_pdm);
        m_settings->setValue(key(keys::kPdmCommonSettings), m_pdm);
        m_settings->sync();
        payload = compressEnvelope(withoutPdmPassword(m_pdm));
    } else if (isLapFileType(fileType) && m_lapHooks.exportPayload) {
        payload = m_lapHooks.exportPayload(fileType);
    }

    if (payload.isEmpty()) {
        info(texts::kBadSettings);
        return;
    }
    const QString path = savePathFrom(filePath);
    if (!writeFileAtomically(path, payload)) {
        qCWarning(lcSettingsStore) << "cannot write" << path;
        info(texts::kSaveError);
        return;
    }
    info(texts::kFileSaved);
}

void SettingsStore::loadDataFromFile(const QString &filePath, int deviceId_settings, int fileType)
{
    const QString path = loadPathFrom(filePath);
    qint64 maxFileSize = kMaxSettingsFileSize;
    if (fileType == UserLogoSvg_FileType)
        maxFileSize = kMaxLogoFileSize;
    else if (fileType == RefLap_FileType || fileType == RefLapInLog_FileType)
        maxFileSize = kMaxRefLapFileSize;

    FileRead file = readWholeFile(path, maxFileSize);
    switch (file.status) {
    case ReadStatus::NotFound:
    case ReadStatus::IsDirectory:
        info(texts::kFileNotFound);
        return;
    case ReadStatus::NotRegularFile:
    case ReadStatus::CannotOpen:
        info(texts::kReadError);
        return;
    case ReadStatus::TooLarge:
        if (fileType == UserLogoSvg_FileType) {
            info(texts::kFileTooBig);
            return;
        }
        break; // an empty content: refused below like any other file that does not unpack
    case ReadStatus::Ok:
        break;
    }

    if (fileType == UserLogoSvg_FileType) {
        loadUserLogo(file.bytes);
        return;
    }
    if (fileType == Settings_FileType) {
        if (deviceId_settings == Device_Pmx)
            loadPdmFileContent(decompressEnvelope(file.bytes, kPdmBlockSize).value_or(QByteArray()));
        else if (deviceId_settings == Device_Ardix7)
            loadDashFileContent(decompressEnvelope(file.bytes, DashSettingsImage::kSize).value_or(QByteArray()));
        else
            info(texts::kBadFile);
        return;
    }
    if (isLapFileType(fileType)) {
        const qsizetype cap = isStartLineType(fileType) ? kStartLineSize : kMaxRefLapSize;
        const std::optional<QByteArray> content = decompressEnvelope(file.bytes, cap);
        if (!content || content->isEmpty()) {
            info(texts::kBadFile);
            return;
        }
        loadLapFileContent(fileType, *content);
        return;
    }
    loadUnknownFile(file.bytes);
}

void SettingsStore::loadUnknownFile(const QByteArray &file)
{
    // The largest block we know is the biggest content worth unpacking here.
    const std::optional<QByteArray> content = decompressEnvelope(file, kPdmBlockSize);
    if (!content) {
        info(texts::kUnknownFile);
        return;
    }
    const qsizetype size = content->size();
    if (size == DashSettingsImage::kSize || size == DashSettingsImage::kShortSize)
        loadDashFileContent(*content);
    else if (size == kPdmBlockSize)
        loadPdmFileContent(*content);
    else if (size == kStartLineSize)
        loadLapFileContent(StartLine_FileType, *content);
    else if (size > kSmallestKnownContent)
        info(texts::kUnknownFile);
    else
        qCInfo(lcSettingsStore) << "file content of" << size << "bytes ignored";
}

void SettingsStore::loadDashFileContent(const QByteArray &content)
{
    if (content.size() != DashSettingsImage::kSize && content.size() != DashSettingsImage::kShortSize) {
        info(texts::kBadFile);
        return;
    }
    DashSettingsImage image(content);
    if (content.size() == DashSettingsImage::kShortSize) {
        image.loadDefaultExtraSettings();
        persistence::transferOldExtraSettings(image);
    }
    m_dash = image;
    saveDashSettings();
    loadDashSettings(true);
    emit dashFileLoaded();
    info(texts::kArdixLoaded);
    emit configChangedSignal();
    emit newConfigDownloadedFromArdix();
    if (online(Device_Ardix7)) {
        request(FlashData, AllData);
        request(CommandMessage, ChangeScreen, unsigned(m_mode));
    }
}

void SettingsStore::loadPdmFileContent(const QByteArray &content)
{
    if (!isValidPdmBlock(content)) {
        info(texts::kBadFile);
        return;
    }
    m_pdm = content;
    savePdmSettings(false);
    if (m_host.loadPdmTree)
        m_host.loadPdmTree(m_pdm);
    emit newConfigDownloadedFromArdix();
    info(texts::kPmxLoaded);
}

void SettingsStore::loadUserLogo(const QByteArray &raw)
{
    const QByteArray compressed = compressEnvelope(raw);
    if (compressed.size() > kMaxUserLogoSize) {
        info(texts::kFileTooBig);
        return;
    }
    if (!(m_host.isOnline && m_host.isOnline())) {
        info(texts::kNoDevice);
        return;
    }
    m_userLogo = compressed;
    request(FlashData, UserLogoData);
    info(texts::kLogoSending);
}

void SettingsStore::loadLapFileContent(int fileType, const QByteArray &content)
{
    if (!m_lapHooks.loadContent) {
        qCWarning(lcSettingsStore) << "no handler for lap file type" << fileType;
        return;
    }
    m_lapHooks.loadContent(fileType, content);
}

// --- password and WiFi --------------------------------------------------------------------------

void SettingsStore::setPdmPasswordSettings(const QString &password, bool upload)
{
    if (!online(Device_Pmx) || password.toUcs4().size() < kPdmPasswordMinLength) {
        info(texts::kPasswordNotSet);
        return;
    }
    const QByteArray hash = pdmPasswordHash(password);
    if (m_host.setPdmPasswordInTree)
        m_host.setPdmPasswordInTree(hash);
    writePdmPassword(m_pdm, hash);
    if (upload) {
        if (m_host.applyNewPdmSettings)
            m_host.applyNewPdmSettings();
    } else {
        request(CommandMessage, GetSettings);
    }
    emit newPdmSettingsPasswordSignal();
}

void SettingsStore::saveNewWifiData(const QString &ssid, const QString &pass, int parentDevice)
{
    if (parentDevice == Device_Pmx) {
        m_pdmSsidWifi = ssid;
        m_pdmPassWifi = pass;
        m_settings->setValue(key(keys::kPdmSsidWifi), ssid);
        m_settings->setValue(key(keys::kPdmPassWifi), pass);
    } else {
        m_ssidWifi = ssid;
        m_passWifi = pass;
        m_settings->setValue(key(keys::kSsidWifi), ssid);
        m_settings->setValue(key(keys::kPassWifi), pass);
    }
    m_settings->sync();
    emit configChangedSignal();
}

} // namespace persistence
