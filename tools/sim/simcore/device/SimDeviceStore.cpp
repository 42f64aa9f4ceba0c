#include "simcore/device/SimDeviceStore.h"

#include "simcore/device/SimSettingsBlocks.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace {

constexpr auto DashFile = "dash.bin";
constexpr auto PdmFile = "pdm.bin";
constexpr auto RefLapFile = "reflap.bin";
constexpr auto StateFile = "device.json";

QByteArray readFile(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    f.write(bytes);
    return f.commit();
}

} // namespace

SimDeviceStore::SimDeviceStore(const QString &dir, quint32 serial, const QByteArray &defaultRefLap)
    : refLap(defaultRefLap), m_dir(dir)
{
    dash = SimSettings::defaultDashBlock(serial);
    pdm = SimSettings::defaultPdmBlock(serial);
    wifiName = QStringLiteral("Ardix_%1").arg(serial);
    wifiPassword = QStringLiteral("12345678");
    if (!m_dir.isEmpty())
        load();
}

void SimDeviceStore::load()
{
    QDir().mkpath(m_dir);
    const QDir d(m_dir);
    const QByteArray storedDash = readFile(d.filePath(DashFile));
    if (storedDash.size() == SimSettings::DashBlockSize)
        dash = storedDash;
    else if (storedDash.size() == SimSettings::DashShortBlockSize)
        dash.replace(0, storedDash.size(), storedDash);
    const QByteArray storedPdm = readFile(d.filePath(PdmFile));
    if (storedPdm.size() == SimSettings::PdmBlockSize)
        pdm = storedPdm;
    if (!QFile::exists(d.filePath(StateFile)))
        return; // a fresh device keeps its defaults
    refLap = readFile(d.filePath(RefLapFile));
    const QJsonObject o = QJsonDocument::fromJson(readFile(d.filePath(StateFile))).object();
    wifiName = o.value("wifiName").toString(wifiName);
    wifiPassword = o.value("wifiPassword").toString(wifiPassword);
    skinMode = quint8(o.value("skinMode").toInt(skinMode));
    logsCleared = o.value("logsCleared").toBool(logsCleared);
    trip = quint32(o.value("trip").toDouble(trip));
}

bool SimDeviceStore::save() const
{
    if (m_dir.isEmpty())
        return true;
    QDir().mkpath(m_dir);
    const QDir d(m_dir);
    QJsonObject o;
    o["wifiName"] = wifiName;
    o["wifiPassword"] = wifiPassword;
    o["skinMode"] = skinMode;
    o["logsCleared"] = logsCleared;
    o["trip"] = double(trip);
    bool ok = writeFile(d.filePath(DashFile), dash) && writeFile(d.filePath(PdmFile), pdm)
              && writeFile(d.filePath(StateFile), QJsonDocument(o).toJson());
    if (refLap.isEmpty())
        QFile::remove(d.filePath(RefLapFile));
    else
        ok = writeFile(d.filePath(RefLapFile), refLap) && ok;
    return ok;
}
